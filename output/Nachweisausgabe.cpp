#include "output/Nachweisausgabe.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPagedPaintDevice>

#include "model/TKModell.h"
#include "output/Berechnungsnachweis.h"
#include "output/Dateiausgabe.h"
#include "output/Nachweistext.h"
#include "output/Seitenfolge.h"
#include "output/Skizzenbild.h"
#include "output/TKFarbe.h"

namespace {

// Pictures of the command-line tool: the resolution of a screen.
constexpr double BildAufloesung = 96;
const QColor Seitentrenner(192, 192, 192);
constexpr int Seitenabstand = 10;

// The first page as it is laid out for this layout, numbered among all pages.
void ErsteSeiteZeichnen(QPainter& canvas, const Seitenlayout& layout, const Berechnungsnachweis& nachweis) {
    const std::vector<Nachweisseite> seiten = nachweis.Seiten(layout);
    nachweis.SeiteZeichnen(canvas, layout, seiten.front(), {1, static_cast<int>(seiten.size())});
}

QImage ErsteSeite(const Berechnungsnachweis& nachweis, const QPageLayout& seite, double dpi) {
    Bildseiten folge(SeitenmasseSetzen(seite), dpi);
    ErsteSeiteZeichnen(folge.Canvas(), folge.Layout(), nachweis);
    return folge.Beenden().front();
}

Ausgabeinhalt Inhalt(const Berechnungsnachweis& nachweis, const QPageLayout& seite, double dpi) {
    Ausgabeinhalt inhalt;
    inhalt.titel = Nachweis::tr("Berechnungsnachweis");
    inhalt.bitmap = [&nachweis, seite, dpi] { return ErsteSeite(nachweis, seite, dpi); };
    const Seitenmasse masse = SeitenmasseSetzen(seite);
    inhalt.vektorgroesse = Bildgroesse(masse, dpi);
    inhalt.dpi = dpi;
    inhalt.vektor = [&nachweis, masse](QPainter& canvas) {
        const Seitenlayout layout(canvas, masse, Ausgabeziel::Bildschirm);
        ErsteSeiteZeichnen(canvas, layout, nachweis);
    };
    inhalt.seite = seite;
    inhalt.seiten = [&nachweis](QPagedPaintDevice& pdf) { return NachweisDrucken(pdf, nachweis); };
    return inhalt;
}

}  // namespace

bool NachweisDrucken(QPagedPaintDevice& drucker, const Berechnungsnachweis& nachweis) {
    Geraeteseiten folge(drucker, SeitenmasseSetzen(drucker.pageLayout()));
    if (!folge.Bereit()) return false;
    AlleSeitenZeichnen(folge, nachweis);
    return folge.Beenden();
}

std::vector<QImage> NachweisVorschau(const Berechnungsnachweis& nachweis, const QPageLayout& seite,
                                     double dpi) {
    Bildseiten folge(SeitenmasseSetzen(seite), dpi);
    const std::vector<Nachweisseite> seiten = AlleSeitenZeichnen(folge, nachweis);
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

QString NachweisSpeichern(const Dateiname& datei, Ausgabeformat format, const Berechnungsnachweis& nachweis,
                          const QPageLayout& seite, double dpi) {
    return AusgabeSchreiben(datei, format, Inhalt(nachweis, seite, dpi));
}

void ErgebnisseInZwischenablage(const QImage& seitenbild) {
    QGuiApplication::clipboard()->setImage(seitenbild);
}

std::string NachweisAlsDatei(const TKModell& modell, int position, const Dateiname& datei,
                             Ausgabeformat format) {
    if (position < 1 || position > static_cast<int>(modell.cAnwendung.size()))
        return QCoreApplication::translate("Nachweis", "keine Position %1 im Projekt")
            .arg(position)
            .toStdString();
    BildAnwendungSicherstellen();
    const TKFarbe farbe;
    const Berechnungsnachweis nachweis(modell, modell.cAnwendung[position - 1], farbe);
    return NachweisSpeichern(datei, format, nachweis, StandardSeite(), BildAufloesung).toStdString();
}
