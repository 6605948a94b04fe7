#include "cli/ErgebnisJson.h"

#include <algorithm>
#include <string_view>

#include "files/Zeichensatz.h"
#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "model/Texte.h"
#include "model/Vorpruefung.h"

namespace {

using Json = nlohmann::ordered_json;

void Anordnung(Json& j, const TKDornErgebnis& e) {
    Json abstaende = Json::array();
    Json notwendig = Json::array();
    for (int i = 0; i < e.GetAnzDornAbstand(); ++i) {
        abstaende.push_back(e.GetDornAbstand(i));
        notwendig.push_back(e.GetDornNotwendig(i));
    }
    j["TDornAnordnung"] = Ord(e.GetDornAnordnung());
    j["TDornAbstand"] = std::move(abstaende);
    j["TDornNotwendig"] = std::move(notwendig);
}

void Ergebnis(Json& j, const TKDornErgebnis& e, const Umgebung& umgebung) {
    j["TStatus"] = e.GetStatus();
    j["Status"] = Text(TextListe::StatusKurz, e.GetStatus(), umgebung);
    j["cFehler"] = e.cFehler.GetMeldungen();
    j["cWarnungen"] = e.cWarnungen.GetMeldungen();
    Anordnung(j, e);
    j["TDornPaarAbstand"] = e.GetDornPaarAbstand();
    j["TNutzhoehe"] = e.GetNutzhoehe();
    j["TAbstandLinks"] = e.GetAbstandLinks();
    j["TAbstandRechts"] = e.GetAbstandRechts();
    j["TKritAchs"] = e.GetKritAchs();
    j["TIstMinAchs"] = e.GetIstMinAchs();
    j["TZulMinAchs"] = e.GetZulMinAchs();
    j["TZulMinRand"] = e.GetZulMinRand();
    j["TTypAchs"] = e.GetTypAchs();
    j["TTypRand"] = e.GetTypRand();
    j["TVRds"] = e.GetVRds();
    j["TVRdce"] = e.GetVRdce();
    j["TVRdct"] = e.GetVRdct();
    j["TVRdzul"] = e.GetVRdZul();
    j["TVRdIst"] = e.GetVRdIst();
    j["TEtaQ"] = e.GetEtaQ();
    j["TAsx"] = e.GetAsx();
    j["TAsy"] = e.GetAsy();
    j["TRhol"] = e.GetRhol();
    j["Tbx"] = e.Getbx();
    j["Tby"] = e.Getby();
    j["TbySoll"] = e.GetbySoll();
    j["Tui"] = e.Getui();
    j["TAbstandMeldung"] = e.GetAbstandMeldung();
}

void Bewehrung(Json& j, const TKDornDaten& d) {
    j["TAnzPosA"] = d.GetAnzPosA();
    j["TAnzPosB1"] = d.GetAnzPosB1();
    j["TAnzPosB2"] = d.GetAnzPosB2();
    j["TAnzPosC"] = d.GetAnzPosC();
    j["TAnzPosD"] = d.GetAnzPosD();
    j["TPosAd"] = d.GetPosAd();
    j["TPosB1d"] = d.GetPosB1d();
    j["TPosB2d"] = d.GetPosB2d();
    j["TPosCd"] = d.GetPosCd();
    j["TPosDd"] = d.GetPosDd();
    j["TDistPosA"] = d.GetDistPosA();
    j["TDistPosB1"] = d.GetDistPosB1();
    j["TDistPosB2"] = d.GetDistPosB2();
    j["TDistPosD"] = d.GetDistPosD();
    j["TDistPosB1Rand"] = d.GetDistPosB1Rand();
    j["TDistPosCRand"] = d.GetDistPosCRand();
    j["TBereichPosA"] = d.GetBereichPosA();
    j["TEinflussPosB"] = d.GetEinflussPosB();
}

Json Dorne(const TKErgebnisse& ergebnisse, const Umgebung& umgebung) {
    Json dorne = Json::array();
    for (const TsDorn dorn : Katalog().Typen()) {
        Json j;
        j["TDorn"] = Dateinummer(dorn);  // the number that stands for the type in project files
        j["Name"] = DornName(dorn);
        j["TAnzDorn"] = ergebnisse.GetAnzDorn(dorn);
        Ergebnis(j, ergebnisse.cDornErgebnis[Ord(dorn)], umgebung);
        Bewehrung(j, ergebnisse.cDornDaten[Ord(dorn)]);
        dorne.push_back(std::move(j));
    }
    return dorne;
}

const char* Auswahlname(Wahlzustand zustand) {
    switch (zustand) {
        case Wahlzustand::Zulaessig:
            return "Zulaessig";
        case Wahlzustand::Unzulaessig:
            return "Unzulaessig";
        case Wahlzustand::KeinGueltigerDorn:
            return "KeinGueltigerDorn";
        case Wahlzustand::NichtBemessen:
            break;
    }
    return "NichtBemessen";
}

}  // namespace

void DateinameJson(Json& j, const std::string& name) {
    if (IstUtf8(name)) {
        j["Datei"] = name;
        return;
    }
    std::string anzeige;
    for (std::string_view rest = name; !rest.empty();) {
        const Utf8Zeichen z = LeseUtf8Zeichen(rest);
        HaengeUtf8An(anzeige, z.laenge == 0 ? U'\uFFFD' : z.zeichen);
        rest.remove_prefix(std::max<std::size_t>(z.laenge, 1));
    }
    std::string hex;
    for (const unsigned char byte : name)
        hex += {"0123456789abcdef"[byte >> 4], "0123456789abcdef"[byte & 15]};
    j["Datei"] = anzeige;
    j["DateiHex"] = hex;
}

nlohmann::ordered_json PositionJson(int nummer, const TKAnwendung& anwendung, const Vorpruefung& pruefung,
                                    bool berechnet, const Dornwahl& wahl, const Umgebung& umgebung) {
    Json j;
    j["Position"] = nummer;
    j["TPosition"] = anwendung.GetPosition();
    j["TAnwendungsfall"] = Ord(anwendung.GetAnwendungsfall());
    j["Hinweise"] = pruefung.Hinweise;
    j["KonstanterAbstandFrage"] = pruefung.KonstanterAbstandFrage;
    j["TBerechnet"] = berechnet;
    if (!berechnet) return j;
    const TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    j["TAktDorn"] = Ord(ergebnisse.GetAktDorn());
    j["TAktDornName"] = DornName(ergebnisse.GetAktDorn());
    j["Zulaessig"] = wahl.Zulaessig();
    j["Auswahl"] = Auswahlname(wahl.zustand);
    j["Manschette"] = anwendung.GetManschette();
    j["Dorne"] = Dorne(ergebnisse, umgebung);
    return j;
}
