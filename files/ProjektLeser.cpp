#include "files/ProjektLeser.h"

#include <exception>

#include "files/ProjektFelder.h"
#include "files/ProjektTexte.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

ProjektLeser::ZuVielePositionen::ZuVielePositionen() : std::runtime_error(MeldungZuVielePositionen) {}

// The count is applied at once, whatever the file holds of the positions (absent keys read their defaults);
// a file without positions gets one, and the current position is kept inside the list.
void ProjektLeser::Positionen(TKModell& m) {
    const int anzahl = std::max(s.ReadInteger(section, "TAnzAnwendung", m.GetAnzAnwendung()), 1);
    if (anzahl > MaxPositionen) throw ZuVielePositionen();
    m.SetAnzAnwendung(static_cast<std::uint16_t>(anzahl));
    const int akt = std::clamp(s.ReadInteger(section, "TAktAnwendung", m.GetAktAnwendung()), 1, anzahl);
    m.SetAktAnwendung(static_cast<std::uint16_t>(akt));
}

// An entry always gets its ten title lines (empty when absent, as in a file written under another
// language); only the continuation lines depend on the stored count.
void ProjektLeser::Eintraege(TKStueckliste& stueckliste) {
    stueckliste.ResetEintraege();
    const int anzahl = Listenlaenge(
        "TStueckliste", [&](int i) { return s.Vorhanden(section, "TStueckliste" + std::to_string(i + 1)); });
    const int titelzeilen = static_cast<int>(StuecklistenTitel.size());
    for (int n = 1; n <= anzahl; ++n) {
        const std::string nr = std::to_string(n);
        const int zeilen = std::max(s.ReadInteger(section, "TStueckliste" + nr, 0), titelzeilen);
        TKStueckliste::Eintrag eintrag;
        for (const char* titel : StuecklistenTitel)
            eintrag.push_back(s.ReadString(section, "TStueckliste" + std::string(titel) + nr));
        const std::string folgeschluessel =
            "TStueckliste" + std::string(StuecklistenTitel[FolgezeilenTitel]) + nr;
        const auto folgezeile = [&](int l) { return folgeschluessel + std::to_string(l + titelzeilen); };
        const int folgezeilen =
            Glaubhaft(zeilen - titelzeilen, [&](int l) { return s.Vorhanden(section, folgezeile(l)); });
        for (int l = 0; l < folgezeilen; ++l) eintrag.push_back(s.ReadString(section, folgezeile(l)));
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
    const auto x = [](std::size_t i) { return "TbeliebigeLast_x" + std::to_string(i); };
    const auto y = [](std::size_t i) { return "TbeliebigeLast_y" + std::to_string(i); };
    std::vector<TrFloatPoint> punkte(static_cast<std::size_t>(Listenlaenge("AnzbeliebigeLast", [&](int i) {
        return s.Vorhanden(section, x(i)) || s.Vorhanden(section, y(i));
    })));
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        punkte[i].x = s.ReadFloat(section, x(i), 0);
        punkte[i].y = s.ReadFloat(section, y(i), 0);
    }
    b.SetbeliebigeLast(std::move(punkte));
}

void ProjektLeser::AnzDorn(TKErgebnisse& r, int anzahl) {
    for (const TsDorn dorn : Katalog().Typen()) {
        const int d = Dateinummer(dorn);
        if (d >= anzahl) continue;
        const int wert = s.ReadInteger(section, "TAnzDorn_" + std::to_string(d), 0);
        r.SetAnzDorn(dorn, std::in_range<std::uint16_t>(wert) ? static_cast<std::uint16_t>(wert) : 0);
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
    const auto abstand = [](int i) { return "TDornAbstand_" + std::to_string(i); };
    const auto notwendig = [](int i) { return "TDornNotwendig_" + std::to_string(i); };
    const int anzahl = Listenlaenge("AnzTDornAbstand", [&](int i) {
        return s.Vorhanden(section, abstand(i)) || s.Vorhanden(section, notwendig(i));
    });
    e.ResetDornAbstand();
    for (int i = 0; i < anzahl; ++i) {
        const double wert = s.ReadFloat(section, abstand(i), 0);
        e.AddDornAbstand(wert, s.ReadBool(section, notwendig(i)));
    }
}

void ProjektLeser::Meldungen(TKMeldungen& m) {
    const auto meldung = [](int i) { return "TMeldungen_" + std::to_string(i); };
    const int anzahl = Listenlaenge("AnzTMeldungen", [&](int i) { return s.Vorhanden(section, meldung(i)); });
    m.Reset();
    for (int i = 0; i < anzahl; ++i) {
        const int code = s.ReadInteger(section, meldung(i), 0);
        m.SetMeldung(std::in_range<std::uint16_t>(code) ? static_cast<std::uint16_t>(code) : 0);
    }
}

bool LeseProjekt(TKDateiTransfer& s, TKModell& modell) {
    s.ReadString("Programm", "Name");
    if (s.ReadString("Programm", "Version") != DateiVersion) {
        modell.GetUmgebung().Meldung(
            modell.GetUmgebung().translate("Projektdatei", MeldungKeineProjektdatei));
        return false;
    }
    try {
        TKModell neu(modell.GetUmgebung());
        ProjektLeser leser(s);
        ProjektFelder(leser, neu);
        modell = std::move(neu);
        return true;
    } catch (const ProjektLeser::ZuVielePositionen& e) {
        modell.GetUmgebung().Meldung(modell.GetUmgebung().translate("Projektdatei", e.what()));
        return false;
    } catch (const std::exception&) {
        return false;
    }
}
