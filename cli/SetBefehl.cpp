#include <algorithm>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Kommandozeile.h"
#include "cli/KonsolenUmgebung.h"
#include "cli/Projekt.h"
#include "model/Texte.h"
#include "model/Zahlentext.h"
#include "sitzung/Projektsitzung.h"

namespace {

constexpr const char* Aufruf = QT_TRANSLATE_NOOP(
    "Kommandozeile",
    "Aufruf: zavr-cli set EINGABE.ZAV [--position N] NAME=WERT ... [--last-csv DATEI] [-o AUSGABE.ZAV]\n"
    "\n"
    "Ändert Eingaben einer Position mit den Regeln und Grenzen des Programmfensters und speichert das\n"
    "Projekt in AUSGABE.ZAV (ohne -o in EINGABE.ZAV). Die Zuweisungen gelten der Reihe nach, wie Eingaben\n"
    "im Fenster: ein anderer Anwendungsfall wählt den Belastungsfall, den er zulässt, eine kürzere Fuge\n"
    "kürzt die Punkte einer beliebigen Last. Ein Wert außerhalb seiner Grenzen endet mit der Meldung des\n"
    "Programms, und nichts wird geschrieben. Die Ergebnisse einer geänderten Position gelten danach als\n"
    "nicht berechnet; `zavr-cli design` bemisst sie neu. Zahlen mit \".\" oder \",\" als Dezimaltrenner.\n"
    "\n"
    "  --position N     die Position (gezählt ab 1; ohne Angabe die aktuelle Position des Projekts)\n"
    "  --last-csv DATEI eine beliebige Streckenlast der Dornreihe aus einer Tabelle (nach den Zuweisungen):\n"
    "                   je Zeile x in m und q in kN/m, getrennt durch Tabulator, Semikolon oder "
    "Leerzeichen,\n"
    "                   Dezimalkomma oder -punkt, eine Kopfzeile wird übersprungen. Jede Zeile wird wie im\n"
    "                   Eingabefenster geprüft (0 <= x <= Fugenlänge, q >= 0); eine falsche Zeile wird\n"
    "                   genannt, und nichts wird geschrieben.\n"
    "  -o DATEI         das geänderte Projekt hierhin schreiben\n"
    "  --help           diese Beschreibung\n");

constexpr const char* Rueckgabe = QT_TRANSLATE_NOOP(
    "Kommandozeile",
    "\n"
    "Rückgabewert: 0 geschrieben; 2 ein Wert ist abgelehnt, die Datei ist nicht lesbar oder nicht\n"
    "schreibbar, oder die Argumente sind falsch.\n");

// A choice of the window (application case, load case, combo boxes, check boxes) by its name for scripts.
struct Auswahl {
    const char* name;
    const char* beschreibung;
    std::vector<std::string> werte;
    std::function<Eingabeergebnis(Projektsitzung&, int)> setzen;
};

template <typename E>
std::function<Eingabeergebnis(Projektsitzung&, int)> Mit(Eingabeergebnis (Projektsitzung::*setzen)(E)) {
    return [setzen](Projektsitzung& s, int i) { return (s.*setzen)(static_cast<E>(i)); };
}

std::vector<std::string> Guetenamen() {
    std::vector<std::string> namen = TeileEintrag(ReferenzEintrag(TextListe::Betonguete));
    namen.resize(7);
    return namen;
}

const std::vector<Auswahl>& Auswahlen() {
    static const std::vector<Auswahl> auswahlen{
        {"anwendungsfall",
         QT_TRANSLATE_NOOP("Kommandozeile", "Anwendungsfall"),
         {"einzel", "paar-platte", "paar-wand", "reihe-platte", "reihe-wand"},
         Mit<TsAnwendungsfall>(&Projektsitzung::AnwendungsfallSetzen)},
        {"lastfall",
         QT_TRANSLATE_NOOP("Kommandozeile", "Belastungsfall (wie der Anwendungsfall ihn zulässt)"),
         {"punkt", "konstant", "linear", "beliebig"},
         Mit<TsBelastungsfall>(&Projektsitzung::LastfallSetzen)},
        {"fugenbreite",
         QT_TRANSLATE_NOOP("Kommandozeile", "max. Fugenbreite [mm]"),
         {"20", "30", "40", "50", "60"},
         Mit<TsFugenbreite>(&Projektsitzung::FugenbreiteSetzen)},
        {"betonguete", QT_TRANSLATE_NOOP("Kommandozeile", "Betongüte"), Guetenamen(),
         [](Projektsitzung& s, int i) { return s.BetongueteSetzen(i); }},
        {"feuerwiderstand",
         QT_TRANSLATE_NOOP("Kommandozeile", "Feuerwiderstandsdauer"),
         {"ohne", "F90"},
         Mit<TsFeuerwiderstand>(&Projektsitzung::FeuerwiderstandSetzen)},
        {"bewehrung",
         QT_TRANSLATE_NOOP("Kommandozeile", "Ermittlung der Bewehrung"),
         {"standard", "optimal"},
         Mit<TsBewehrungCalc>(&Projektsitzung::BewehrungCalcSetzen)},
        {"paarabstand_berechnen",
         QT_TRANSLATE_NOOP("Kommandozeile", "Dornabstand eines Paares berechnen"),
         {"nein", "ja"},
         [](Projektsitzung& s, int i) { return s.DornPaarAbstandBerechnen(i == 1); }},
        {"dornabstand_konstant",
         QT_TRANSLATE_NOOP("Kommandozeile", "konstanter Dornabstand einer Reihe"),
         {"nein", "ja"},
         [](Projektsitzung& s, int i) { return s.KonstanterDornabstand(i == 1); }},
        {"max_dornabstand",
         QT_TRANSLATE_NOOP("Kommandozeile", "Maximaler Dornabstand (Einstellung zur Bemessung)"),
         {"unbegrenzt", "5d-gleich", "5d-konstruktiv"},
         [](Projektsitzung& s, int i) {
             s.MaxDornabstandSetzen(static_cast<TsMaxDornabstand>(i));
             return Eingabeergebnis{};
         }},
    };
    return auswahlen;
}

std::string Grenzen(const Feldbeschreibung& b) {
    const char t = Sprache().dezimaltrenner;
    switch (b.bereich) {
        case -1:
            return Einsetzen(translate("Kommandozeile", "mindestens %1"), {FloatText(b.minimum, t)});
        case 1:
            return Einsetzen(translate("Kommandozeile", "höchstens %1"), {FloatText(b.maximum, t)});
        case 2:
            return Einsetzen(translate("Kommandozeile", "%1 bis %2"),
                             {FloatText(b.minimum, t), FloatText(b.maximum, t)});
        default:
            return {};
    }
}

std::string Hilfe() {
    std::ostringstream text;
    text << translate("Kommandozeile", Aufruf) << "\n"
         << translate("Kommandozeile", "Zahlenfelder (Einheit des Fensters, Grenzen):") << '\n';
    for (Feld feld : AlleFelder()) {
        const Feldbeschreibung& b = Beschreibung(feld);
        std::string name = b.kurzname;
        name.resize(16, ' ');
        text << "  " << name << b.schritt << (*b.einheit ? " " : "") << b.einheit << ": " << Grenzen(b)
             << '\n';
    }
    text << "  "
         << Einsetzen(
                translate(
                    "Kommandozeile",
                    "(%1 ist bei konstanter Last die ganze Streckenlast, %2 gilt nur bei linearer Last.)"),
                {"qEd", "qEd_rechts"})
         << "\n\n"
         << translate("Kommandozeile", "Auswahlen:") << '\n';
    for (const Auswahl& a : Auswahlen()) {
        std::string name = a.name;
        name.resize(22, ' ');
        text << "  " << name << translate("Kommandozeile", a.beschreibung) << ": ";
        for (std::size_t i = 0; i < a.werte.size(); ++i) text << (i ? " | " : "") << a.werte[i];
        text << '\n';
    }
    text << '\n'
         << translate("Kommandozeile", "Texte:") << "\n  name                  "
         << translate("Kommandozeile", "Positionsname") << "\n  bauvorhaben           "
         << translate("Kommandozeile", "Bauvorhaben") << '\n';
    text << translate("Kommandozeile", Rueckgabe);
    return text.str();
}

int Fehler(const std::string& text) {
    std::cerr << "zavr-cli set: " << text << '\n';
    return ExitDateiFehler;
}

// One assignment; an empty text when it was applied, otherwise why not.
std::string Zuweisen(Projektsitzung& sitzung, const std::string& name, const std::string& wert) {
    Eingabeergebnis ergebnis;
    if (const std::optional<Feld> feld = FeldMitKurzname(name)) {
        const std::optional<double> zahl = LeseFloat(wert);
        if (!zahl) return translate("Kommandozeile", "keine Zahl");
        ergebnis = sitzung.FeldwertSetzen(*feld, *zahl);
        const bool grenze =
            ergebnis.pruefung == Feldpruefung::ZuKlein || ergebnis.pruefung == Feldpruefung::ZuGross;
        if (!ergebnis) return ergebnis.meldung + (grenze ? " (" + Grenzen(Beschreibung(*feld)) + ")" : "");
    } else if (name == "name") {
        ergebnis = sitzung.PositionBenennen(wert);
    } else if (name == "bauvorhaben") {
        ergebnis = sitzung.ProjektBenennen(wert);
    } else {
        const auto& auswahlen = Auswahlen();
        const auto a = std::find_if(auswahlen.begin(), auswahlen.end(),
                                    [&](const Auswahl& x) { return name == x.name; });
        if (a == auswahlen.end())
            return translate("Kommandozeile", "unbekannter Name (zavr-cli set --help nennt alle)");
        const auto w = std::find(a->werte.begin(), a->werte.end(), wert);
        if (w == a->werte.end())
            return translate("Kommandozeile", "unbekannter Wert (zavr-cli set --help nennt alle)");
        ergebnis = a->setzen(sitzung, static_cast<int>(w - a->werte.begin()));
        if (!ergebnis) return ergebnis.meldung;
    }
    if (!ergebnis.hinweis.empty()) std::cerr << "zavr-cli set: " << ergebnis.hinweis << '\n';
    return {};
}

}  // namespace

int SetBefehl(const std::vector<std::string>& argumente) {
    const Argumente a = LeseArgumente(argumente, {"--position", "--output", "--last-csv"}, {"--help"},
                                      {{"-o", "--output"}, {"-h", "--help"}});
    if (!a.fehler.empty()) return Fehler(a.fehler);
    if (a.Hat("--help")) {
        std::cout << Hilfe();
        return ExitOk;
    }
    const std::optional<int> position = PositionsOption(a);
    if (!position) return Fehler(translate("Kommandozeile", "--position braucht eine Positionsnummer ab 1"));
    if (a.worte.empty()) return Fehler(translate("Kommandozeile", "keine Eingabedatei angegeben"));
    std::vector<std::pair<std::string, std::string>> zuweisungen;
    for (auto wort = a.worte.begin() + 1; wort != a.worte.end(); ++wort) {
        const auto gleich = wort->find('=');
        if (gleich == std::string::npos || gleich == 0)
            return Fehler(
                Einsetzen(translate("Kommandozeile", "\"%1\" ist keine Zuweisung NAME=WERT"), {*wort}));
        zuweisungen.emplace_back(wort->substr(0, gleich), wort->substr(gleich + 1));
    }
    const std::optional<std::string> lastdatei = a.Wert("--last-csv");
    if (zuweisungen.empty() && !lastdatei)
        return Fehler(translate("Kommandozeile", "keine Zuweisung NAME=WERT angegeben"));

    KonsolenUmgebung umgebung;
    Projektsitzung sitzung(umgebung);
    const std::string eingabe = a.worte.front();
    if (!LadeProjekt(sitzung, eingabe, "set")) return ExitDateiFehler;
    const int nummer = WaehlePosition(sitzung, *position, "set");
    if (nummer == 0) return ExitDateiFehler;
    sitzung.PositionWaehlen(nummer);
    const TKAnwendung vorher = sitzung.Arbeitskopie();
    for (const auto& [name, wert] : zuweisungen)
        if (const std::string fehler = Zuweisen(sitzung, name, wert); !fehler.empty())
            return Fehler(name + "=" + wert + ": " + fehler);
    if (lastdatei)
        if (const Eingabeergebnis last = sitzung.LastdateiUebernehmen(*lastdatei); !last)
            return Fehler("--last-csv " + *lastdatei + ": " + last.meldung);
    // Results that no longer belong to the inputs would be printed and ordered as they are.
    if (!(sitzung.Arbeitskopie() == vorher)) sitzung.BerechnungVerwerfen();
    if (const Dateiergebnis gespeichert = sitzung.SpeichernUnter(a.Wert("--output").value_or(eingabe));
        !gespeichert)
        return Fehler(gespeichert.grund);
    return ExitOk;
}
