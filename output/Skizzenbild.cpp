#include "output/Skizzenbild.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <array>
#include <clocale>
#include <memory>

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

bool VektorSpeichern(const QString& datei, const Bildauftrag& auftrag) {
    QSvgGenerator svg;
    svg.setFileName(datei);
    svg.setSize(auftrag.groesse);
    svg.setViewBox(QRect(QPoint(0, 0), auftrag.groesse));
    svg.setResolution(Aufloesung);
    svg.setTitle(QStringLiteral("ZAVR"));
    QPainter canvas;
    if (!canvas.begin(&svg)) return false;
    AuftragZeichnen(canvas, auftrag);
    return canvas.end();
}

bool BitmapSpeichern(const QString& datei, const char* format, const Bildauftrag& auftrag) {
    QImage bild(auftrag.groesse, QImage::Format_RGB32);
    if (bild.isNull()) return false;
    bild.setDotsPerMeterX(PunkteJeMeter);
    bild.setDotsPerMeterY(PunkteJeMeter);
    bild.fill(auftrag.farbe.GetFarbe(TKFarbe::Element::Hintergrund));
    {
        QPainter canvas(&bild);
        AuftragZeichnen(canvas, auftrag);
    }
    return bild.save(datei, format);
}

struct Ansichtsname {
    std::string_view name;
    TsSkizzeTyp typ;
    bool alle;
};
constexpr std::array<Ansichtsname, 6> Ansichten{{{"ansicht", TsSkizzeTyp::stAnsicht, false},
                                                 {"draufsicht", TsSkizzeTyp::stDraufsicht, false},
                                                 {"schnitt", TsSkizzeTyp::stSchnitt, false},
                                                 {"reihe", TsSkizzeTyp::stDornReihe, false},
                                                 {"eingabe", TsSkizzeTyp::stEingabe, false},
                                                 {"alle", TsSkizzeTyp::stAnsicht, true}}};

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

bool SkizzeSpeichern(const QString& datei, const Bildauftrag& auftrag) {
    if (auftrag.groesse.isEmpty()) return false;
    const QString endung = QFileInfo(datei).suffix().toLower();
    if (endung == QLatin1String("svg")) return VektorSpeichern(datei, auftrag);
    if (endung == QLatin1String("png")) return BitmapSpeichern(datei, "PNG", auftrag);
    if (endung == QLatin1String("jpg") || endung == QLatin1String("jpeg"))
        return BitmapSpeichern(datei, "JPG", auftrag);
    if (endung == QLatin1String("bmp")) return BitmapSpeichern(datei, "BMP", auftrag);
    return false;
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

std::string SkizzeAlsDatei(const TKModell& modell, int position, std::string_view ansicht, int seite,
                           const std::string& datei, char dezimaltrenner) {
    const auto wahl = std::find_if(Ansichten.begin(), Ansichten.end(),
                                   [&](const Ansichtsname& a) { return a.name == ansicht; });
    if (wahl == Ansichten.end())
        return "unbekannte Ansicht '" + std::string(ansicht) +
               "' (ansicht, draufsicht, schnitt, reihe, eingabe oder alle)";
    if (position < 1 || position > static_cast<int>(modell.cAnwendung.size()))
        return "keine Position " + std::to_string(position) + " im Projekt";
    if (seite < 0 || seite > 20000) return "Bildgröße außerhalb 1 … 20000 Pixel";
    if (seite == 0) seite = wahl->alle ? 1000 : 500;
    BildAnwendungSicherstellen();
    const TKFarbe farbe;
    const Bildauftrag auftrag{
        modell,        modell.cAnwendung[position - 1], farbe, wahl->typ, wahl->alle, QSize(seite, seite),
        dezimaltrenner};
    if (!SkizzeSpeichern(QString::fromStdString(datei), auftrag))
        return "Bild konnte nicht geschrieben werden: " + datei + " (Endung .svg, .png, .jpg oder .bmp)";
    return {};
}
