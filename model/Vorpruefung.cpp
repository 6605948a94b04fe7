#include "model/Vorpruefung.h"

#include "model/TKAnwendung.h"
#include "model/Uebersetzung.h"
#include "model/Umgebung.h"

const char* const HinweisKonstanterAbstand = QT_TRANSLATE_NOOP(
    "Vorpruefung", "Der gewählte konstante Dornabstand ist größer als 5 * Plattendicke!");
const char* const FrageKonstanterAbstand =
    QT_TRANSLATE_NOOP("Vorpruefung",
                      "Der gewählte konstante Dornabstand ist größer als 5 * Plattendicke!\n\r\n\r"
                      "Soll die Berechnung trotzdem durchgeführt werden?");

Vorpruefung PruefeVorBerechnung(const TKAnwendung& anwendung, const Umgebung& umgebung) {
    Vorpruefung ergebnis;
    auto& hinweise = ergebnis.Hinweise;
    const TKGeometrie& g = anwendung.cGeometrie;
    const TsAnwendungsfall fall = anwendung.GetAnwendungsfall();

    if (g.GetPlatteDicke() < 160)
        hinweise.push_back(umgebung.translate(
            "Vorpruefung",
            "Die vorgegebene Betondicke ist kleiner als die minimale Betondicke für den kleinsten "
            "Doppelschubdorn!"));
    if (g.GetBetondeckungOben() < 25)
        hinweise.push_back(
            umgebung.translate("Vorpruefung", "Der Wert der Betondeckung oben ist < 2,5 cm. Bitte prüfen!"));
    if (g.GetBetondeckungUnten() < 25)
        hinweise.push_back(
            umgebung.translate("Vorpruefung", "Der Wert der Betondeckung unten ist < 2,5 cm. Bitte prüfen!"));
    if (g.GetPlatteDicke() < g.GetBetondeckungOben() + g.GetBetondeckungUnten())
        hinweise.push_back(umgebung.translate(
            "Vorpruefung",
            "Die Summe der Betondeckungen ist größer als die Dicke der anzuschließenden Betonplatte!"));
    if (IstWand(fall) && g.GetWandDicke() < 150)
        hinweise.push_back(umgebung.translate(
            "Vorpruefung",
            "Die Wanddicke ist kleiner als die mindest erforderliche Dicke für den kleinsten "
            "Doppelschubdorn!"));
    if (IstPaar(fall) && !g.GetDornPaarAbstandCalc() && g.GetDornPaarAbstand() >= g.GetFugenlaenge())
        hinweise.push_back(
            umgebung.translate("Vorpruefung", "Der eingegebene Dornabstand ist größer als die Fugenlänge!"));
    // A line load needs two points to have a course along the joint; the dialog can leave fewer.
    const TKBelastung& last = anwendung.cBelastungDesign;
    if (fall != TsAnwendungsfall::afEinzel && last.GetBelastungsfall() == TsBelastungsfall::bfbeliebigeLast &&
        last.GetAnzLastPunkte() < 2)
        hinweise.push_back(umgebung.translate(
            "Vorpruefung",
            "Die beliebige Belastung hat weniger als zwei Lastpunkte. Bitte die Belastung vollständig "
            "eingeben!"));

    // Only a row uses the constant spacing; elsewhere the hidden value must not raise the question.
    ergebnis.KonstanterAbstandFrage =
        IstReihe(fall) && g.GetDornAbstandCalc() && g.GetkonstDornAbstand() > 5 * g.GetPlatteDicke();
    return ergebnis;
}
