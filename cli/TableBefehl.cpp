#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "calc/Tragfaehigkeitstabelle.h"
#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Befehlsanfang.h"
#include "cli/Kommandozeile.h"
#include "cli/KonsolenUmgebung.h"
#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "model/Texte.h"
#include "model/Zahlentext.h"
#include "output/Seitenkopf.h"
#include "output/Skizzenbild.h"
#include "output/Tabellenseiten.h"
#include "sitzung/Tragfaehigkeitstabellen.h"

namespace {

constexpr const char* Hilfe = QT_TRANSLATE_NOOP(
    "Kommandozeile",
    "Aufruf: zavr-cli table [--types TYPEN] [--grades GÜTEN] [--h VON:BIS[:SCHRITT]] [--joint BREITEN]\n"
    "                       [--fire none|F90] [--reinforcement standard|optimal] -o AUSGABE.csv|.pdf|.json\n"
    "\n"
    "Schreibt Tragfähigkeitstabellen für die Vorbemessung, ohne Projektdatei: den Bemessungswiderstand "
    "eines\n"
    "Dorns je Dorntyp, Betongüte, Plattendicke, Fugenbreite, Brandschutz und Bewehrungsart, wie ihn die\n"
    "Bemessung für einen einzelnen Dorn unter Punktlast (Platte an Platte, Betondeckung je 3 cm) ergibt, "
    "mit\n"
    "dem maßgebenden Nachweis und dem Rand- und Dornabstand, ab dem der Wert gilt. Wo der Dorn nicht "
    "zulässig\n"
    "ist, steht der Grund statt eines Werts. Listen werden mit Kommas getrennt.\n"
    "  --types TYPEN        Dorntypen, z. B. \"ZAVR 60 HF,ZAVRQ 30 HF\" (ohne Angabe alle 21)\n"
    "  --grades GÜTEN       Betongüten, z. B. C20/25,C30/37 oder PB30 (ohne Angabe C20/25 bis C50/60)\n"
    "  --h VON:BIS:SCHRITT  Plattendicken in cm (Schritt ohne Angabe 1 cm); ohne Angabe je Dorntyp von\n"
    "                       seiner Mindestdicke bis 50 cm, mindestens 20 cm darüber\n"
    "  --joint BREITEN      Fugenbreiten bis 20, 30, 40, 50 oder 60 mm (ohne Angabe 30)\n"
    "  --fire ARTEN         none oder F90 (ohne Angabe none)\n"
    "  --reinforcement ARTEN standard (nach Zulassung) oder optimal (ohne Angabe standard)\n"
    "  -o DATEI             .csv eine Zeile je Zelle (Windows-1252, CR LF, \";\" als Trenner); .pdf je\n"
    "                       Dorntyp ein Tabellenblock mit Seitenrahmen; .json alle Zellen\n"
    "\n"
    "Zahlen in CSV und PDF verwenden den Dezimaltrenner der Sprache oder der Ländereinstellung (siehe\n"
    "`zavr-cli --help`), JSON immer \".\"; JSON gibt Längen in mm.\n"
    "\n"
    "Rückgabewert: 0 geschrieben; 2 die Datei ist nicht schreibbar oder die Argumente sind falsch.\n");

using Json = nlohmann::ordered_json;

int Fehler(const std::string& text) {
    return Befehlsfehler("table", text);
}

std::vector<std::string> Liste(const std::string& text) {
    std::vector<std::string> teile;
    std::stringstream strom(text);
    for (std::string teil; std::getline(strom, teil, ',');)
        if (!teil.empty()) teile.push_back(teil);
    return teile;
}

// Reads a comma list with `lesen`; nothing when an item is unknown (named in `fehler`).
template <typename T, typename F>
std::optional<std::vector<T>> LeseListe(const std::string& text, F lesen, std::string& fehler) {
    std::vector<T> werte;
    for (const std::string& teil : Liste(text)) {
        const std::optional<T> wert = lesen(teil);
        if (!wert) {
            fehler = Einsetzen(translate("Kommandozeile", "unbekannt: \"%1\""), {teil});
            return std::nullopt;
        }
        werte.push_back(*wert);
    }
    if (werte.empty()) fehler = translate("Kommandozeile", "leere Liste");
    return werte.empty() ? std::nullopt : std::optional(werte);
}

std::optional<TsBetonguete> Guete(const std::string& text) {
    static constexpr const char* Kennungen[] = {"C20_25", "C25_30", "C30_37", "C35_45", "C40_50",
                                                "C45_55", "C50_60", "PB25",   "PB30",   "PB37",
                                                "PB45",   "PB50",   "PB55",   "PB60"};
    for (int i = 0; i < AnzahlWerte<TsBetonguete>(); ++i)
        if (text == Kennungen[i] || (i < 7 && text == Text(TextListe::Betonguete, i)))
            return static_cast<TsBetonguete>(i);
    return std::nullopt;
}

std::optional<TsFugenbreite> Fuge(const std::string& text) {
    for (int i = 0; i < AnzahlWerte<TsFugenbreite>(); ++i)
        if (text == std::to_string(20 + 10 * i) || text == Text(TextListe::Fugenbreite, i))
            return static_cast<TsFugenbreite>(i);
    return std::nullopt;
}

std::optional<TsFeuerwiderstand> Brandschutz(const std::string& text) {
    if (text == "none") return TsFeuerwiderstand::F0;
    if (text == "F90") return TsFeuerwiderstand::F90;
    return std::nullopt;
}

std::optional<TsBewehrungCalc> Methode(const std::string& text) {
    if (text == "standard") return TsBewehrungCalc::bcZulassung;
    if (text == "optimal") return TsBewehrungCalc::bcOptimal;
    return std::nullopt;
}

// "VON:BIS[:SCHRITT]" in cm, into the selection in mm.
bool LeseDicken(const std::string& text, Tabellenauswahl& auswahl) {
    std::vector<double> werte;
    std::stringstream strom(text);
    for (std::string teil; std::getline(strom, teil, ':');) {
        const std::optional<double> wert = LeseFloat(teil);
        if (!wert || !(*wert > 0)) return false;
        werte.push_back(*wert * 10);
    }
    if (werte.size() < 2 || werte.size() > 3 || werte[1] < werte[0]) return false;
    auswahl.hVon = werte[0];
    auswahl.hBis = werte[1];
    auswahl.hSchritt = werte.size() == 3 ? werte[2] : 10;
    return true;
}

std::optional<Tabellenauswahl> Auswahl(const Argumente& a, std::string& fehler) {
    Tabellenauswahl auswahl;
    for (const TsDorn dorn : Katalog().Typen()) auswahl.dorne.push_back(dorn);
    // The seven grades the input window offers in the language of the run (Polish: with the old classes).
    const int erste = LandAusSprache(static_cast<unsigned long>(Sprache().kennung)) == TsLand::plk ? 7 : 0;
    for (int g = erste; g < erste + 7; ++g) auswahl.gueten.push_back(static_cast<TsBetonguete>(g));
    const auto lesen = [&](const char* option, auto& ziel, auto leser) {
        const auto text = a.Wert(option);
        if (!text || !fehler.empty()) return;
        using T = typename std::decay_t<decltype(ziel)>::value_type;
        if (const auto werte = LeseListe<T>(*text, leser, fehler)) ziel = *werte;
        if (!fehler.empty()) fehler = std::string(option) + ": " + fehler;
    };
    lesen("--types", auswahl.dorne, [](const std::string& t) { return DornAusName(t); });
    lesen("--grades", auswahl.gueten, Guete);
    lesen("--joint", auswahl.fugen, Fuge);
    lesen("--fire", auswahl.brandschutz, Brandschutz);
    lesen("--reinforcement", auswahl.methoden, Methode);
    if (!fehler.empty()) return std::nullopt;
    if (const auto h = a.Wert("--h"); h && !LeseDicken(*h, auswahl)) {
        fehler = translate("Kommandozeile",
                           "--h braucht VON:BIS oder VON:BIS:SCHRITT in cm, VON ≤ BIS, alle größer als 0");
        return std::nullopt;
    }
    if (AnzahlPunkte(auswahl) > MaxTabellenpunkte) {
        fehler =
            Einsetzen(translate("Kommandozeile", "mehr als %1 Tabellenwerte; bitte die Auswahl einschränken"),
                      {std::to_string(MaxTabellenpunkte)});
        return std::nullopt;
    }
    if (AnzahlPunkte(auswahl) == 0) {
        fehler = translate("Kommandozeile", "die Auswahl enthält keine Tabellenwerte");
        return std::nullopt;
    }
    return auswahl;
}

Json ZelleJson(const Tabellenzelle& z, const Umgebung& umgebung) {
    const Tabellenpunkt& p = z.punkt;
    Json j;
    j["Dorn"] = DornName(p.dorn);
    j["Betonguete"] = GueteText(p, umgebung);
    j["h"] = p.h;
    j["Fugenbreite"] = FugeText(p, umgebung);
    j["Brandschutz"] = p.brandschutz == TsFeuerwiderstand::F90 ? "F90" : "none";
    j["Bewehrung"] = p.methode == TsBewehrungCalc::bcOptimal ? "optimal" : "standard";
    j["zulaessig"] = z.Zulaessig();
    if (!z.Zulaessig()) {
        j["cFehler"] = z.fehler;
        j["Bemerkung"] = FehlerText(z, umgebung);
        return j;
    }
    j["VRds"] = z.VRds;
    j["VRdct"] = z.VRdct;
    j["VRdce"] = z.VRdce;
    j["VRd"] = z.VRd;
    j["massgebend"] = Tabellentexte::NachweisIndex[static_cast<int>(z.massgebend)];
    j["minRand"] = z.minRand;
    j["minAchs"] = z.minAchs;
    return j;
}

std::string JsonText(const std::vector<Tabellenzelle>& zellen, const Umgebung& umgebung) {
    Json j;
    j["Bezug"] = umgebung.translate("Tragfaehigkeitstabelle", Tabellentexte::Bezug);
    j["Betondeckung"] = ReferenzDeckung;
    Json liste = Json::array();
    for (const Tabellenzelle& z : zellen) liste.push_back(ZelleJson(z, umgebung));
    j["Zellen"] = std::move(liste);
    return j.dump(2) + "\n";
}

QString Schreiben(const std::vector<Tabellenzelle>& zellen, const Dateiname& datei, Ausgabeformat format,
                  const KonsolenUmgebung& umgebung) {
    BildAnwendungSicherstellen();
    Kopfdaten kopf;
    kopf.heute = QString::fromStdString(umgebung.HeuteKurz());
    Ausgabeinhalt inhalt = TabellenInhalt(zellen, kopf, umgebung.Dezimaltrenner());
    inhalt.text = [&] {
        return format == Ausgabeformat::Json ? JsonText(zellen, umgebung)
                                             : TabellenCsvDatei(zellen, umgebung);
    };
    return AusgabeSchreiben(datei, format, inhalt);
}

}  // namespace

int TableBefehl(const std::vector<std::string>& argumente) {
    const Argumente a = LeseArgumente(
        argumente, {"--types", "--grades", "--h", "--joint", "--fire", "--reinforcement", "--output"},
        {"--help"}, {{"-o", "--output"}, {"-h", "--help"}});
    if (!a.fehler.empty()) return Fehler(a.fehler);
    if (a.Hat("--help")) {
        std::cout << translate("Kommandozeile", Hilfe);
        return ExitOk;
    }
    if (!a.worte.empty())
        return Fehler(
            Einsetzen(translate("Kommandozeile", "unerwartetes Argument \"%1\""), {a.worte.front()}));
    const auto ausgabe = a.Wert("--output");
    if (!ausgabe) return Fehler(translate("Kommandozeile", "-o ist nötig"));
    std::string fehler;
    const std::optional<Tabellenauswahl> auswahl = Auswahl(a, fehler);
    if (!auswahl) return Fehler(fehler);

    const Dateiname datei(*ausgabe);
    QString formatfehler;
    const auto format = FormatWaehlen(Ausgabe::Tabellen, datei, formatfehler);
    if (!format) return Fehler(formatfehler.toStdString());

    KonsolenUmgebung umgebung;
    const std::vector<Tabellenzelle> zellen = BerechneTabelle(*auswahl, umgebung);
    const QString grund = Schreiben(zellen, datei, *format, umgebung);
    return grund.isEmpty() ? ExitOk : Fehler(*ausgabe + ": " + grund.toStdString());
}
