#include "output/Skizzenbild.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <array>
#include <clocale>
#include <memory>
#include <optional>

#include "datei/DateiErsetzen.h"
#include "datei/Dateifehler.h"

#include "model/TKAnwendung.h"
#include "model/TKModell.h"
#include "output/Skizzenzeichner.h"
#include "output/TKFarbe.h"

namespace {

// Pictures are laid out for 96 dots per inch, the resolution the sketch fonts are measured at on screen.
constexpr int PunkteJeMeter = 3780;
constexpr int Aufloesung = 96;

void AuftragZeichnen(QPainter& canvas, const Bildauftrag& auftrag) {
    Skizzenzeichner zeichner(canvas, auftrag.farbe, auftrag.dezimaltrenner);
    if (auftrag.alleVier)
        VierSkizzenZeichnen(zeichner, std::min(auftrag.groesse.width(), auftrag.groesse.height()),
                            auftrag.anwendung);
    else
        SkizzeZeichnen(zeichner, auftrag.typ, {0, 0, auftrag.groesse.width(), auftrag.groesse.height()},
                       auftrag.modell, auftrag.anwendung);
}

QByteArray VektorBytes(const Bildauftrag& auftrag) {
    QByteArray bytes;
    QBuffer puffer(&bytes);
    if (!puffer.open(QIODevice::WriteOnly)) return {};
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(auftrag.groesse);
    svg.setViewBox(QRect(QPoint(0, 0), auftrag.groesse));
    svg.setResolution(Aufloesung);
    svg.setTitle(QStringLiteral("ZAVR"));
    QPainter canvas;
    if (!canvas.begin(&svg)) return {};
    AuftragZeichnen(canvas, auftrag);
    return canvas.end() ? bytes : QByteArray();
}

// Qt writes PNG at quality 80 with zlib's fastest level.
constexpr int PngQualitaet = 80;
constexpr std::size_t MaxPalette = 256;

// The colours of a picture, when there are no more than a palette holds. Sketches are line drawings: a run
// of pixels mostly repeats its colour, so the table is asked only where the colour changes.
std::optional<QList<QRgb>> Palette(const QImage& bild) {
    constexpr std::size_t Plaetze = 4 * MaxPalette;  // a power of two, at most a quarter used
    std::array<QRgb, Plaetze> tabelle{};             // 0 marks a free slot: every pixel is opaque
    QList<QRgb> farben;
    QRgb letzte = 0;
    for (int y = 0; y < bild.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb farbe = zeile[x];
            if (farbe == letzte) continue;
            letzte = farbe;
            std::size_t i = (farbe * 0x9E3779B1u) >> 22 & (Plaetze - 1);
            while (tabelle[i] != 0 && tabelle[i] != farbe) i = (i + 1) & (Plaetze - 1);
            if (tabelle[i] == farbe) continue;
            if (static_cast<std::size_t>(farben.size()) == MaxPalette) return std::nullopt;
            tabelle[i] = farbe;
            farben.push_back(farbe);
        }
    }
    return farben;
}

// A picture of no more than 256 colours takes a palette of exactly those (a quarter of the bytes to
// compress, no filtering); one of more stays RGB. Either way every pixel stays as drawn.
bool SpeicherePng(const QImage& bild, QIODevice& ziel) {
    if (const std::optional<QList<QRgb>> farben = Palette(bild))
        return bild.convertToFormat(QImage::Format_Indexed8, *farben, Qt::ThresholdDither)
            .save(&ziel, "PNG", PngQualitaet);
    return bild.save(&ziel, "PNG", PngQualitaet);
}

QByteArray BitmapBytes(const char* format, const Bildauftrag& auftrag) {
    QImage bild(auftrag.groesse, QImage::Format_RGB32);
    if (bild.isNull()) return {};
    bild.setDotsPerMeterX(PunkteJeMeter);
    bild.setDotsPerMeterY(PunkteJeMeter);
    bild.fill(auftrag.farbe.GetFarbe(TKFarbe::Element::Hintergrund));
    {
        QPainter canvas(&bild);
        AuftragZeichnen(canvas, auftrag);
    }
    QByteArray bytes;
    QBuffer puffer(&bytes);
    if (!puffer.open(QIODevice::WriteOnly)) return {};
    const bool gespeichert =
        qstrcmp(format, "PNG") == 0 ? SpeicherePng(bild, puffer) : bild.save(&puffer, format);
    return gespeichert ? bytes : QByteArray();
}

// The picture types by extension; the vector type has no format name of Qt's image writers.
struct Bildformat {
    const char* endung;
    const char* qt;
};
constexpr std::array<Bildformat, 5> Bildformate{
    {{"svg", nullptr}, {"png", "PNG"}, {"jpg", "JPG"}, {"jpeg", "JPG"}, {"bmp", "BMP"}}};

}  // namespace

void BildAnwendungSicherstellen() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zavr-cli";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> anwendung = std::make_unique<QGuiApplication>(argc, argv);
    // Qt takes over the user's locale; the number texts of the core are written in the C locale.
    std::setlocale(LC_NUMERIC, "C");
}

void SkizzeZeichnen(Skizzenzeichner& zeichner, TsSkizzeTyp typ, const TrRechteck& rechteck,
                    const TKModell& modell, const TKAnwendung& anwendung) {
    switch (typ) {
        case TsSkizzeTyp::stAnsicht:
            zeichner.SkizzeAnsicht(rechteck, anwendung);
            break;
        case TsSkizzeTyp::stDraufsicht:
            zeichner.SkizzeDraufsicht(rechteck, anwendung);
            break;
        case TsSkizzeTyp::stSchnitt:
            zeichner.SkizzeSchnitt(rechteck, anwendung);
            break;
        case TsSkizzeTyp::stDornReihe:
            zeichner.SkizzeDornReihe(rechteck, anwendung, true);
            break;
        case TsSkizzeTyp::stEingabe:
            zeichner.SkizzeEingabe(rechteck, anwendung.GetAnwendungsfall(),
                                   anwendung.cBelastungDesign.GetBelastungsfall(), modell, anwendung);
            break;
        case TsSkizzeTyp::stNothing:
            break;
    }
}

void VierSkizzenZeichnen(Skizzenzeichner& zeichner, int seite, const TKAnwendung& anwendung) {
    const int h = seite / 2;
    zeichner.SkizzeAnsicht({0, 0, h, h}, anwendung);
    zeichner.SkizzeSchnitt({h, 0, seite, h}, anwendung);
    zeichner.SkizzeDraufsicht({0, h, h, seite}, anwendung);
    zeichner.SkizzeDornReihe({h, h, seite, seite}, anwendung, true);
}

std::string SkizzeSpeichern(const Dateiname& datei, const Bildauftrag& auftrag) {
    const QString endung = datei.Endung();
    const auto format = std::find_if(Bildformate.begin(), Bildformate.end(),
                                     [&](const Bildformat& f) { return endung == QLatin1String(f.endung); });
    if (format == Bildformate.end())
        return QCoreApplication::translate("Skizzenbild", "unbekannte Endung (.svg, .png, .jpg oder .bmp)")
            .toStdString();
    const QByteArray bytes = auftrag.groesse.isEmpty() ? QByteArray()
                             : format->qt              ? BitmapBytes(format->qt, auftrag)
                                                       : VektorBytes(auftrag);
    if (bytes.isEmpty())
        return QCoreApplication::translate("Skizzenbild", "das Bild konnte nicht erzeugt werden")
            .toStdString();
    try {
        DateiErsetzen(datei.Bytes(), bytes.toStdString());
        return {};
    } catch (const std::exception& e) {
        return QCoreApplication::translate("Dateifehler", Fehlergrund(e).c_str()).toStdString();
    }
}

Bildtyp BildtypAusFilter(int filter) {
    switch (filter) {
        case 0:
            return Bildtyp::Vektor;
        case 2:
            return Bildtyp::JPeg;
        default:
            return Bildtyp::Bitmap;
    }
}

QString Endung(Bildtyp typ) {
    switch (typ) {
        case Bildtyp::Vektor:
            return QStringLiteral("svg");
        case Bildtyp::JPeg:
            return QStringLiteral("jpg");
        case Bildtyp::Bitmap:
            break;
    }
    return QStringLiteral("bmp");
}

QString ExportDateiname(const QString& datei, Bildtyp typ) {
    const QFileInfo info(datei);
    const QString basis = info.completeBaseName().isEmpty() ? info.fileName() : info.completeBaseName();
    const QString ordner = datei.left(datei.size() - info.fileName().size());
    return ordner + basis + "." + Endung(typ);
}
