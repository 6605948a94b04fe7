#include "output/Skizzenbild.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
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

QImage Bitmap(const Bildauftrag& auftrag) {
    QImage bild(auftrag.groesse, QImage::Format_RGB32);
    if (bild.isNull()) return bild;
    bild.setDotsPerMeterX(PunkteJeMeter);
    bild.setDotsPerMeterY(PunkteJeMeter);
    bild.fill(auftrag.farbe.GetFarbe(TKFarbe::Element::Hintergrund));
    QPainter canvas(&bild);
    AuftragZeichnen(canvas, auftrag);
    return bild;
}

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

QString SkizzeSpeichern(const Dateiname& datei, Ausgabeformat format, const Bildauftrag& auftrag) {
    Ausgabeinhalt inhalt;
    inhalt.titel = QStringLiteral("ZAVR");
    if (!auftrag.groesse.isEmpty()) {
        inhalt.bitmap = [&] { return Bitmap(auftrag); };
        inhalt.vektorgroesse = auftrag.groesse;
        inhalt.dpi = Aufloesung;
        inhalt.vektor = [&](QPainter& canvas) { AuftragZeichnen(canvas, auftrag); };
    }
    return AusgabeSchreiben(datei, format, inhalt);
}
