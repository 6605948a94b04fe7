#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/ErgebnisJson.h"
#include "cli/ErgebnisTabelle.h"
#include "cli/Kommandozeile.h"
#include "cli/KonsolenUmgebung.h"
#include "cli/Projekt.h"
#include "model/TKModell.h"
#include "model/Texte.h"
#include "sitzung/Projektsitzung.h"

namespace {

constexpr const char* Hilfe = QT_TRANSLATE_NOOP(
    "Kommandozeile",
    "Aufruf: zavr-cli design EINGABE.ZAV [--position N] [--save AUSGABE.ZAV] [--json]\n"
    "\n"
    "Bemisst die Positionen eines Projekts wie der Befehl \"Berechnen\" des Programms: zuerst die Prüfungen\n"
    "der Eingaben (nicht bestandene werden auf der Standardfehlerausgabe genannt; die Frage nach einem\n"
    "konstanten Dornabstand über 5 * Plattendicke gilt als mit Ja beantwortet und wird als Warnung "
    "gemeldet),\n"
    "dann die Bemessung aller 21 Dorntypen. Ausgegeben wird je Position die Ergebnisliste (Dorn, η S, η ct,\n"
    "η ce, Anzahl der Dorne, Bemerkung) und der gewählte Dorn mit seiner Brandschutzmanschette, oder\n"
    "\"Kein gültiger Dorn gefunden\", wenn keiner der 21 Dorntypen zulässig ist.\n"
    "\n"
    "Optionen:\n"
    "  --position N        nur Position N bemessen (gezählt ab 1)\n"
    "  --save AUSGABE.ZAV  das ganze Projekt mit den neuen Ergebnissen speichern, wie es das Programm tut\n"
    "  --json              statt der Tabellen ein JSON-Dokument mit allen Ergebnisfeldern je Dorntyp\n"
    "  --help              diese Beschreibung\n"
    "\n"
    "Zahlen der Tabellen verwenden den Dezimaltrenner der Sprache oder der Ländereinstellung (siehe\n"
    "`zavr-cli --help`), JSON immer \".\".\n"
    "\n"
    "Rückgabewert: 0 alle gewählten Positionen bemessen; 1 eine Position hat die Prüfungen nicht bestanden\n"
    "oder keinen zulässigen Dorn (\"Kein gültiger Dorn gefunden\");\n"
    "2 die Datei ist nicht lesbar oder kein Projekt dieses Programms, das Speichern ist misslungen oder die\n"
    "Argumente sind falsch.\n");

struct Optionen {
    std::string eingabe;
    std::string ausgabe;
    int position = 0;  // 0: all positions
    bool json = false;
    bool hilfe = false;
    std::string fehler;  // not empty: the arguments are wrong
};

Optionen LeseOptionen(const std::vector<std::string>& argumente) {
    const Argumente a =
        LeseArgumente(argumente, {"--save", "--position"}, {"--json", "--help"}, {{"-h", "--help"}});
    Optionen o;
    o.fehler = a.fehler;
    o.hilfe = a.Hat("--help");
    o.json = a.Hat("--json");
    o.ausgabe = a.Wert("--save").value_or("");
    if (const auto text = a.Wert("--position")) {
        const auto nummer = Positionsnummer(*text);
        if (!nummer) o.fehler = translate("Kommandozeile", "--position braucht eine Positionsnummer ab 1");
        o.position = nummer.value_or(0);
    }
    if (a.worte.size() > 1) o.fehler = translate("Kommandozeile", "mehr als eine Eingabedatei angegeben");
    if (!a.worte.empty()) o.eingabe = a.worte.front();
    if (o.fehler.empty() && !o.hilfe && o.eingabe.empty())
        o.fehler = translate("Kommandozeile", "keine Eingabedatei angegeben");
    return o;
}

std::string Bezeichnung(int nummer, const TKAnwendung& a) {
    return Einsetzen(translate("Kommandozeile", "Position %1 \"%2\""),
                     {std::to_string(nummer), a.GetPosition()});
}

void SchreibeTabelle(int nummer, const TKAnwendung& a, bool bemessen, const Dornwahl& wahl,
                     const Umgebung& umgebung) {
    std::cout << Bezeichnung(nummer, a) << " - "
              << Text(TextListe::Anwendungsfall, a.GetAnwendungsfall(), umgebung) << '\n';
    if (bemessen)
        SchreibeErgebnisTabelle(std::cout, a, wahl, umgebung);
    else
        std::cout << translate("Kommandozeile",
                               "nicht bemessen: die Prüfungen der Eingaben sind nicht bestanden")
                  << '\n';
    std::cout << '\n';
}

// The JSON document {"Datei": ..., "Positionen": [...]} (with "DateiHex" for a name that is not UTF-8) as
// dump(2) writes it, each position written as soon as it is designed: the whole document of 10,000 positions
// would take some 2 GB of memory.
class JsonPositionen {
public:
    JsonPositionen(std::ostream& aus, const std::string& datei) : aus(aus) {
        nlohmann::ordered_json kopf;
        DateinameJson(kopf, datei);
        aus << '{';
        for (const auto& [name, wert] : kopf.items())
            aus << "\n  " << nlohmann::ordered_json(name).dump() << ": " << wert.dump() << ',';
        aus << "\n  \"Positionen\": [";
    }
    void Schreibe(const nlohmann::ordered_json& position) {
        std::string text = position.dump(2);
        for (std::size_t stelle = 0; (stelle = text.find('\n', stelle)) != std::string::npos; stelle += 5)
            text.replace(stelle, 1, "\n    ");
        aus << (leer ? "\n    " : ",\n    ") << text;
        leer = false;
    }
    void Abschliessen() { aus << (leer ? "]\n}\n" : "\n  ]\n}\n"); }

private:
    std::ostream& aus;
    bool leer = true;
};

// The program's calculate command on one position: its checks (the question on a wide constant spacing is
// answered yes), then the design when they pass. Returns whether the position was designed with an
// admissible type.
bool Bemessen(Projektsitzung& sitzung, int nummer, JsonPositionen* json) {
    const Berechnung berechnung = sitzung.PositionBerechnen(nummer);
    const TKAnwendung& anwendung = sitzung.Position(nummer);
    const Dornwahl wahl = sitzung.Gewaehlt(nummer);
    MeldePruefung(Bezeichnung(nummer, anwendung) + ": ", berechnung);
    if (berechnung.bemessen && !wahl.Zulaessig())
        std::cerr << "zavr-cli design: " << Bezeichnung(nummer, anwendung) << ": "
                  << sitzung.GewaehltText(nummer) << '\n';
    if (json)
        json->Schreibe(PositionJson(nummer, anwendung, berechnung.pruefung, berechnung.bemessen, wahl,
                                    sitzung.GetUmgebung()));
    else
        SchreibeTabelle(nummer, anwendung, berechnung.bemessen, wahl, sitzung.GetUmgebung());
    return berechnung.bemessen && wahl.Zulaessig();
}

}  // namespace

int DesignBefehl(const std::vector<std::string>& argumente) {
    const Optionen o = LeseOptionen(argumente);
    if (!o.fehler.empty()) {
        std::cerr << "zavr-cli design: " << o.fehler << "\n\n" << translate("Kommandozeile", Hilfe);
        return ExitDateiFehler;
    }
    if (o.hilfe) {
        std::cout << translate("Kommandozeile", Hilfe);
        return ExitOk;
    }
    KonsolenUmgebung umgebung;
    Projektsitzung sitzung(umgebung);
    if (!LadeProjekt(sitzung, o.eingabe, "design")) return ExitDateiFehler;
    const int anzahl = sitzung.Modell().GetAnzAnwendung();
    if (o.position > anzahl) {
        std::cerr << "zavr-cli design: " << KeinePosition(o.position, anzahl) << '\n';
        return ExitDateiFehler;
    }

    int status = ExitOk;
    std::optional<JsonPositionen> json;
    if (o.json) json.emplace(std::cout, o.eingabe);
    for (int nummer = 1; nummer <= anzahl; ++nummer)
        if ((o.position == 0 || nummer == o.position) && !Bemessen(sitzung, nummer, json ? &*json : nullptr))
            status = ExitPruefungFehlgeschlagen;
    if (json) json->Abschliessen();

    if (!o.ausgabe.empty()) {
        if (const Dateiergebnis gespeichert = sitzung.SpeichernUnter(o.ausgabe); !gespeichert) {
            std::cerr << "zavr-cli design: " << gespeichert.grund << '\n';
            return ExitDateiFehler;
        }
    }
    return status;
}
