#include "files/ProjektLeser.h"

#include <climits>
#include <exception>

#include "files/ProjektFelder.h"
#include "files/ProjektSchreiber.h"
#include "files/ProjektTexte.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

namespace {

// The fewest lines the writer produces for a position (every list empty). A file cannot describe more
// positions than its lines divided by this, rounded up for a file cut off in its last position.
std::size_t MindestZeilenJePosition() {
    static const std::size_t zeilen = [] {
        StandardUmgebung umgebung;
        TKAnwendung a(umgebung);
        for (TKBelastung* b : {&a.cBelastungDesign, &a.cBelastungCharg, &a.cBelastungCharq})
            b->ResetbeliebigeLast();
        for (TKDornDaten& d : a.cErgebnisse.cDornDaten) {
            d.SetDistPosA({});
            d.SetDistPosB2({});
            d.SetDistPosB1({});
            d.SetDistPosD({});
        }
        for (TKDornErgebnis& e : a.cErgebnisse.cDornErgebnis) e.ResetDornAbstand();
        TKDateiTransfer s;
        ProjektSchreiber schreiber(s);
        AnwendungFelder(schreiber, a, 1);
        return s.GetAnzahlZeilen();
    }();
    return zeilen;
}

}  // namespace

int ProjektLeser::Listenlaenge(const std::string& key) {
    return Begrenzt(s.ReadInteger(section, key, 0));
}

// Every list element of a file takes at least one line; what the lines left cannot hold is not read.
int ProjektLeser::Begrenzt(int anzahl) {
    const int laenge = std::clamp(anzahl, 0, static_cast<int>(std::min<std::size_t>(restZeilen, INT_MAX)));
    restZeilen -= static_cast<std::size_t>(laenge);
    return laenge;
}

// The count is applied at once; a file without positions gets one, and the current position is kept inside
// the list.
void ProjektLeser::Positionen(TKModell& m) {
    const std::size_t moeglich =
        (s.GetAnzahlZeilen() + MindestZeilenJePosition() - 1) / MindestZeilenJePosition();
    const int obergrenze = static_cast<int>(std::clamp<std::size_t>(moeglich, 1, UINT16_MAX));
    const int anzahl =
        std::clamp(s.ReadInteger(section, "TAnzAnwendung", m.GetAnzAnwendung()), 1, obergrenze);
    m.SetAnzAnwendung(static_cast<std::uint16_t>(anzahl));
    const int akt = std::clamp(s.ReadInteger(section, "TAktAnwendung", m.GetAktAnwendung()), 1, anzahl);
    m.SetAktAnwendung(static_cast<std::uint16_t>(akt));
}

// An entry always gets its ten title lines (empty when absent, as in a file written under another
// language); only the continuation lines depend on the stored count.
void ProjektLeser::Eintraege(TKStueckliste& stueckliste) {
    stueckliste.ResetEintraege();
    const int anzahl = Listenlaenge("TStueckliste");
    for (int n = 1; n <= anzahl; ++n) {
        const std::string nr = std::to_string(n);
        const int titelzeilen = static_cast<int>(StuecklistenTitel.size());
        const int zeilen = std::max(s.ReadInteger(section, "TStueckliste" + nr, 0), titelzeilen);
        TKStueckliste::Eintrag eintrag;
        for (const char* titel : StuecklistenTitel)
            eintrag.push_back(s.ReadString(section, "TStueckliste" + std::string(titel) + nr));
        const int folgezeilen = Begrenzt(zeilen - titelzeilen);
        const std::string folgeschluessel =
            "TStueckliste" + std::string(StuecklistenTitel[FolgezeilenTitel]) + nr;
        for (int l = 0; l < folgezeilen; ++l)
            eintrag.push_back(
                s.ReadString(section, folgeschluessel + std::to_string(l + StuecklistenTitel.size())));
        stueckliste.AddEintrag(eintrag);
    }
}

// The length comes before the points (setting it later would pull points beyond it back onto it); shape and
// total load come last, as stored, because the points recompute both (a joint cut by PruefeFugenlaenge
// keeps its old total). TAnzLastPunkte follows from the points and is not read.
void ProjektLeser::Belastung(TKBelastung& b) {
    using T = TKBelastung;
    Enum("TBelastungsfall", b, &T::GetBelastungsfall, &T::SetBelastungsfall);
    Float("TLastverteilung", b, &T::GetLastverteilung, &T::SetLastverteilung);
    Float("TPunktLast", b, &T::GetPunktLast, &T::SetPunktLast);
    Float("TGammaf", b, &T::GetGammaf, &T::SetGammaf);
    Float("TLastLaenge", b, &T::GetLastLaenge, &T::SetLastLaenge);
    Lastpunkte(b);
    Float("TLinienLastLinks", b, &T::GetLinienLastLinks, &T::SetLinienLastLinks);
    Float("TLinienLastRechts", b, &T::GetLinienLastRechts, &T::SetLinienLastRechts);
    Enum("TLinienlast", b, &T::GetLinienlast, &T::SetLinienlast);
    Float("TGesamtLast", b, &T::GetGesamtLast, &T::SetGesamtLast);
}

// The points in index order, inserted like AddbeliebigeLast does (sorted by x, equal x in file order).
void ProjektLeser::Lastpunkte(TKBelastung& b) {
    std::vector<TrFloatPoint> punkte(static_cast<std::size_t>(Listenlaenge("AnzbeliebigeLast")));
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        punkte[i].x = s.ReadFloat(section, "TbeliebigeLast_x" + std::to_string(i), 0);
        punkte[i].y = s.ReadFloat(section, "TbeliebigeLast_y" + std::to_string(i), 0);
    }
    b.SetbeliebigeLast(std::move(punkte));
}

void ProjektLeser::AnzDorn(TKErgebnisse& r, int anzahl) {
    for (int d = 0; d < anzahl; ++d) {
        const int wert = s.ReadInteger(section, "TAnzDorn_" + std::to_string(d), 0);
        r.SetAnzDorn(static_cast<TsDorn>(d),
                     std::in_range<std::uint16_t>(wert) ? static_cast<std::uint16_t>(wert) : 0);
    }
}

void ProjektLeser::VRds(TKDornDaten& d) {
    const int anzahl = Anzahl("AnzTVRds", 0, AnzahlWerte<TsFugenbreite>());
    for (int i = 0; i < anzahl; ++i) {
        const auto fb = static_cast<TsFugenbreite>(i);
        d.SetVRds(fb, s.ReadFloat(section, "TVRds_" + std::to_string(i), d.GetVRds(fb)));
    }
}

void ProjektLeser::DornAbstaende(TKDornErgebnis& e) {
    const int anzahl = Listenlaenge("AnzTDornAbstand");
    e.ResetDornAbstand();
    for (int i = 0; i < anzahl; ++i) {
        const double abstand = s.ReadFloat(section, "TDornAbstand_" + std::to_string(i), 0);
        e.AddDornAbstand(abstand, s.ReadBool(section, "TDornNotwendig_" + std::to_string(i)));
    }
}

void ProjektLeser::Meldungen(TKMeldungen& m) {
    const int anzahl = Listenlaenge("AnzTMeldungen");
    m.Reset();
    for (int i = 0; i < anzahl; ++i) {
        const int code = s.ReadInteger(section, "TMeldungen_" + std::to_string(i), 0);
        m.SetMeldung(std::in_range<std::uint16_t>(code) ? static_cast<std::uint16_t>(code) : 0);
    }
}

bool LeseProjekt(TKDateiTransfer& s, TKModell& modell) {
    s.ReadString("Programm", "Name");
    if (s.ReadString("Programm", "Version") != DateiVersion) {
        modell.GetUmgebung().Meldung(MeldungKeineProjektdatei);
        return false;
    }
    try {
        TKModell neu(modell.GetUmgebung());
        ProjektLeser leser(s);
        ProjektFelder(leser, neu);
        modell = std::move(neu);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
