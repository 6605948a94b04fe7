#include "output/Nachweisausgabe.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <iterator>

#include "model/TKModell.h"
#include "output/Berechnungsnachweis.h"
#include "output/Dateiausgabe.h"
#include "output/Nachweistext.h"
#include "output/Seitenfolge.h"
#include "output/TKFarbe.h"

namespace {

// The resolution of PDF pages: that of a usual office printer, so lines and texts come out as printed.
constexpr int PdfAufloesung = 600;
// Pictures of the command-line tool: the resolution of a screen.
constexpr double BildAufloesung = 96;
const QColor Seitentrenner(192, 192, 192);
constexpr int Seitenabstand = 10;

void AlleSeiten(Seitenfolge& folge, const Berechnungsnachweis& nachweis) {
    const std::vector<Nachweisseite> seiten = nachweis.Seiten(folge.Layout());
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        if (i > 0) folge.NeueSeite();
        nachweis.SeiteZeichnen(folge.Canvas(), folge.Layout(), seiten[i]);
    }
}

QImage ErsteSeite(const Berechnungsnachweis& nachweis, const QPageLayout& seite, double dpi) {
    Bildseiten folge(SeitenmasseSetzen(seite), dpi);
    nachweis.SeiteZeichnen(folge.Canvas(), folge.Layout(), {Seitenart::Erste});
    return folge.Beenden().front();
}

QByteArray Svg(const Berechnungsnachweis& nachweis, const QPageLayout& seite, double dpi) {
    const QSize groesse = Bildgroesse(SeitenmasseSetzen(seite), dpi);
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    svg.setResolution(static_cast<int>(dpi));
    svg.setTitle(Nachweis::tr("Berechnungsnachweis"));
    QPainter canvas(&svg);
    const Seitenlayout layout(canvas, SeitenmasseSetzen(seite), Ausgabeziel::Bildschirm);
    nachweis.SeiteZeichnen(canvas, layout, {Seitenart::Erste});
    canvas.end();
    return puffer.data();
}

QByteArray Bilddaten(const QImage& bild, const char* format) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    return bild.save(&puffer, format) ? puffer.data() : QByteArray();
}

QString Schreiben(const QString& datei, const QByteArray& inhalt) {
    if (inhalt.isEmpty()) return datei + ": " + Nachweis::tr("Inhalt konnte nicht erzeugt werden");
    return DateiSchreiben(datei, inhalt);
}

struct Bildformat {
    const char* endung;
    const char* format;
};
constexpr Bildformat Bildformate[] = {{"png", "PNG"}, {"jpg", "JPG"}, {"jpeg", "JPG"}, {"bmp", "BMP"}};

}  // namespace

bool NachweisDrucken(QPagedPaintDevice& drucker, const Berechnungsnachweis& nachweis) {
    Geraeteseiten folge(drucker, SeitenmasseSetzen(drucker.pageLayout()));
    if (!folge.Bereit()) return false;
    AlleSeiten(folge, nachweis);
    return folge.Beenden();
}

std::vector<QImage> NachweisVorschau(const Berechnungsnachweis& nachweis, const QPageLayout& seite,
                                     double dpi) {
    Bildseiten folge(SeitenmasseSetzen(seite), dpi);
    const std::vector<Nachweisseite> seiten = nachweis.Seiten(folge.Layout());
    AlleSeiten(folge, nachweis);
    const std::vector<QImage> bilder = folge.Beenden();
    // Pages of one kind form one image; the sketch page takes the coordinates pages below it.
    std::vector<QImage> vorschau;
    std::vector<QImage> gruppe;
    auto abschliessen = [&] {
        if (!gruppe.empty()) vorschau.push_back(Untereinander(gruppe, Seitenabstand, Seitentrenner));
        gruppe.clear();
    };
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        const bool neu =
            i == 0 || (seiten[i].art != seiten[i - 1].art && seiten[i].art != Seitenart::Koordinaten);
        if (neu) abschliessen();
        gruppe.push_back(bilder[i]);
    }
    abschliessen();
    return vorschau;
}

QString NachweisAlsPdf(const QString& datei, const Berechnungsnachweis& nachweis, const QPageLayout& seite) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setPageLayout(seite);
        pdf.setResolution(PdfAufloesung);
        pdf.setTitle(Nachweis::tr("Berechnungsnachweis"));
        pdf.setCreator(QStringLiteral("ZAVR 3.1.2"));
        if (!NachweisDrucken(pdf, nachweis)) return Schreiben(datei, {});
    }
    return Schreiben(datei, puffer.data());
}

QString ErgebnisseExportieren(const QString& datei, Bildtyp typ, const Berechnungsnachweis& nachweis,
                              const QPageLayout& seite, double dpi) {
    if (typ == Bildtyp::Vektor) return Schreiben(datei, Svg(nachweis, seite, dpi));
    return Schreiben(datei,
                     Bilddaten(ErsteSeite(nachweis, seite, dpi), typ == Bildtyp::JPeg ? "JPG" : "BMP"));
}

void ErgebnisseInZwischenablage(const QImage& seitenbild) {
    QGuiApplication::clipboard()->setImage(seitenbild);
}

std::string NachweisAlsDatei(const TKModell& modell, int position, const std::string& datei) {
    if (position < 1 || position > static_cast<int>(modell.cAnwendung.size()))
        return "keine Position " + std::to_string(position) + " im Projekt";
    BildAnwendungSicherstellen();
    const TKFarbe farbe;
    const Berechnungsnachweis nachweis(modell, modell.cAnwendung[position - 1], farbe);
    const QString pfad = QString::fromStdString(datei);
    const QString endung = QFileInfo(pfad).suffix().toLower();
    QString fehler;
    if (endung == QLatin1String("pdf")) {
        fehler = NachweisAlsPdf(pfad, nachweis);
    } else if (endung == QLatin1String("svg")) {
        fehler = ErgebnisseExportieren(pfad, Bildtyp::Vektor, nachweis, StandardSeite(), BildAufloesung);
    } else {
        const auto bild =
            std::find_if(std::begin(Bildformate), std::end(Bildformate),
                         [&](const Bildformat& f) { return endung == QLatin1String(f.endung); });
        if (bild == std::end(Bildformate))
            return "unbekannte Endung von " + datei + " (.pdf, .svg, .png, .jpg oder .bmp)";
        fehler =
            Schreiben(pfad, Bilddaten(ErsteSeite(nachweis, StandardSeite(), BildAufloesung), bild->format));
    }
    return fehler.toStdString();
}
