#include <iostream>
#include <string>
#include <vector>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Kommandozeile.h"
#include "cli/KonsolenUmgebung.h"
#include "cli/Projekt.h"
#include "model/Katalog.h"
#include "model/Texte.h"
#include "sitzung/Projektsitzung.h"

namespace {

constexpr const char* Hilfe = QT_TRANSLATE_NOOP(
    "Kommandozeile",
    "Aufruf: zavr-cli dxf reinforcement EINGABE.ZAV [--position N] [--type \"ZAVR 60 HF\"] -o AUSGABE.dxf\n"
    "       zavr-cli dxf dowel --type \"ZAVRQ 30 HF\" [-o AUSGABE.dxf]\n"
    "       zavr-cli dxf render EINGABE.dxf -o AUSGABE.png|.svg|.pdf [--size PIXEL]\n"
    "\n"
    "reinforcement: die bauseitige Bewehrung eines Dorntyps einer bemessenen Position als DXF-Zeichnung.\n"
    "  --position N   die Position (gezählt ab 1; ohne Angabe die aktuelle Position des Projekts)\n"
    "  --type NAME    der Dorntyp (ohne Angabe der bei der Bemessung gewählte Dorn der Position)\n"
    "  --force        auch einen Dorntyp zeichnen, der nicht zulässig ist; die Zeichnung trägt dann unter "
    "dem\n"
    "                 Titel den Vermerk \"nicht zulässig\" mit dem Grund (ohne --force: Rückgabewert 1)\n"
    "dowel: die Zeichnung eines Dorntyps; ohne -o unter dem Dateinamen des Katalogs.\n"
    "render: eine beliebige DXF-Datei (Release 12 bis 2018) als Bild in der Gesamtansicht der Vorschau; die\n"
    "  Endung bestimmt das Format, --size die längere Seite in Pixeln (Vorgabe 1000). Was die Datei "
    "enthält,\n"
    "  das Bild aber nicht zeigt, steht auf der Standardfehlerausgabe; eine Datei ohne Zeichnung gibt 2.\n"
    "  Ist die Datei nur zum Teil lesbar, zeigt das Bild den gelesenen Teil; der Rückgabewert ist dann 1.\n"
    "\n"
    "Eine Ausgabedatei ohne die Endung \".dxf\" erhält sie. Dorntypen werden wie im Programm geschrieben\n"
    "(\"ZAVR 60 HF\"); Groß- und Kleinschreibung und Leerzeichen sind beliebig.\n"
    "\n"
    "Rückgabewert: 0 geschrieben; 1 die Position ist nicht bemessen, der Dorntyp nicht zulässig (ohne "
    "--force)\n"
    "oder die Zeichnung nicht möglich oder nur zum Teil gelesen;\n"
    "2 die Datei ist nicht lesbar, nicht schreibbar oder die Argumente sind falsch.\n");

int Fehler(const std::string& text, int status) {
    std::cerr << "zavr-cli dxf: " << text << '\n';
    return status;
}

// Wrong arguments, followed by the description of the command.
int Argumentfehler(const std::string& text) {
    std::cerr << "zavr-cli dxf: " << translate("Kommandozeile", "Argumente: ") << text << "\n\n"
              << translate("Kommandozeile", Hilfe);
    return ExitDateiFehler;
}

// The type named by --type, or `ersatz` without the option; nothing after a message for an unknown name.
std::optional<TsDorn> GewaehlterDorn(const Argumente& a, std::optional<TsDorn> ersatz) {
    const auto name = a.Wert("--type");
    if (!name) return ersatz;
    const auto dorn = DornAusName(*name);
    if (!dorn)
        std::cerr << "zavr-cli dxf: "
                  << Einsetzen(translate("Kommandozeile", "unbekannter Dorntyp \"%1\""), {*name}) << '\n';
    return dorn;
}

std::string StatusText(const TKAnwendung& anwendung, TsDorn dorn, const Umgebung& umgebung) {
    return Text(TextListe::StatusKurz, anwendung.cErgebnisse.cDornErgebnis[Ord(dorn)].GetStatus(), umgebung);
}

int Bewehrung(const Argumente& a) {
    if (a.worte.size() != 2)
        return Argumentfehler(translate("Kommandozeile", "genau eine Eingabedatei angeben"));
    const auto ausgabe = a.Wert("--output");
    if (!ausgabe) return Argumentfehler(translate("Kommandozeile", "-o AUSGABE.dxf fehlt"));
    const auto nummer = PositionsOption(a);
    if (!nummer)
        return Argumentfehler(translate("Kommandozeile", "--position braucht eine Positionsnummer ab 1"));
    KonsolenUmgebung umgebung;
    Projektsitzung sitzung(umgebung);
    if (!LadeProjekt(sitzung, a.worte[1], "dxf")) return ExitDateiFehler;
    const int gewaehlt = WaehlePosition(sitzung, *nummer, "dxf");
    if (gewaehlt == 0) return ExitDateiFehler;
    const TKAnwendung& anwendung = sitzung.Position(gewaehlt);
    if (!anwendung.cErgebnisse.GetBerechnet())
        return Fehler(
            Einsetzen(translate("Kommandozeile",
                                "die Position \"%1\" ist nicht bemessen; zuerst zavr-cli design ... "
                                "--save aufrufen"),
                      {anwendung.GetPosition()}),
            ExitPruefungFehlgeschlagen);
    const auto dorn = GewaehlterDorn(a, anwendung.cErgebnisse.GetAktDorn());
    if (!dorn) return ExitDateiFehler;
    if (!sitzung.Zulaessig(gewaehlt, *dorn) && !a.Hat("--force"))
        return Fehler(
            Einsetzen(translate("Kommandozeile",
                                "Position \"%1\": %2; mit --force wird die Zeichnung mit dem "
                                "Vermerk \"nicht zulässig\" geschrieben"),
                      {anwendung.GetPosition(),
                       a.Hat("--type") ? Einsetzen(translate("Kommandozeile", "%1 nicht zulässig (%2)"),
                                                   {DornName(*dorn), StatusText(anwendung, *dorn, umgebung)})
                                       : sitzung.GewaehltText(gewaehlt)}),
            ExitPruefungFehlgeschlagen);
    const Dateiergebnis ergebnis = sitzung.BewehrungDxf(gewaehlt, *dorn, *ausgabe);
    if (!ergebnis)
        return Fehler(ergebnis.grund, ergebnis.verweigert ? ExitPruefungFehlgeschlagen : ExitDateiFehler);
    return ExitOk;
}

int Dorn(const Argumente& a) {
    if (a.worte.size() != 1)
        return Argumentfehler(translate("Kommandozeile", "dowel erwartet keine Eingabedatei"));
    if (!a.Hat("--type")) return Argumentfehler(translate("Kommandozeile", "--type fehlt"));
    const auto dorn = GewaehlterDorn(a, std::nullopt);
    if (!dorn) return ExitDateiFehler;
    KonsolenUmgebung umgebung;
    const Projektsitzung sitzung(umgebung);
    const Dateiergebnis ergebnis = sitzung.DornDxf(*dorn, a.Wert("--output").value_or(DornDxfDatei(*dorn)));
    return ergebnis ? ExitOk : Fehler(ergebnis.grund, ExitDateiFehler);
}

}  // namespace

int DxfBefehl(const std::vector<std::string>& argumente) {
    const Argumente a = LeseArgumente(argumente, {"--position", "--type", "--output", "--size"},
                                      {"--help", "--force"}, {{"-o", "--output"}, {"-h", "--help"}});
    if (!a.fehler.empty()) return Argumentfehler(a.fehler);
    if (a.Hat("--help")) {
        std::cout << translate("Kommandozeile", Hilfe);
        return ExitOk;
    }
    const std::string art = a.worte.empty() ? "" : a.worte.front();
    if (art == "reinforcement") return Bewehrung(a);
    if (art == "dowel") return Dorn(a);
#ifdef ZAVR_SKIZZEN
    if (art == "render") return DxfRender(a);
#endif
    return Argumentfehler(translate("Kommandozeile", "reinforcement, dowel oder render angeben"));
}
