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
    const int anzahl = std::max(LiesZahl("TAnzAnwendung", m.GetAnzAnwendung()), 1);
    if (anzahl > MaxPositionen) throw ZuVielePositionen();
    m.SetAnzAnwendung(static_cast<std::uint16_t>(anzahl));
    const int akt = std::clamp(LiesZahl("TAktAnwendung", m.GetAktAnwendung()), 1, anzahl);
    m.SetAktAnwendung(static_cast<std::uint16_t>(akt));
}

// An entry always gets its ten title lines (empty when absent, as in a file written under another
// language); only the continuation lines depend on the stored count.
void ProjektLeser::Eintraege(TKStueckliste& stueckliste) {
    stueckliste.ResetEintraege();
    const int anzahl = Listenlaenge("TStueckliste", [&](int i) { return Da({"TStueckliste", Nr(i + 1)}); });
    const int titelzeilen = static_cast<int>(StuecklistenTitel.size());
    for (int n = 1; n <= anzahl; ++n) {
        const std::string nr = std::to_string(n);
        const int zeilen = std::max(LiesZahl({"TStueckliste", Nr(n)}, 0), titelzeilen);
        TKStueckliste::Eintrag eintrag;
        for (const char* titel : StuecklistenTitel)
            eintrag.push_back(LiesText("TStueckliste" + std::string(titel) + nr));
        const std::string folgeschluessel =
            "TStueckliste" + std::string(StuecklistenTitel[FolgezeilenTitel]) + nr;
        const int folgezeilen = Glaubhaft(zeilen - titelzeilen, [&](int l) {
            return Da({folgeschluessel, Nr(l + titelzeilen)});
        });
        for (int l = 0; l < folgezeilen; ++l)
            eintrag.push_back(LiesText({folgeschluessel, Nr(l + titelzeilen)}));
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
    constexpr std::string_view x = "TbeliebigeLast_x";
    constexpr std::string_view y = "TbeliebigeLast_y";
    std::vector<TrFloatPoint> punkte(static_cast<std::size_t>(Listenlaenge("AnzbeliebigeLast", [&](int i) {
        return Da({x, Nr(i)}) || Da({y, Nr(i)});
    })));
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        punkte[i].x = LiesFloat({x, i}, 0);
        punkte[i].y = LiesFloat({y, i}, 0);
    }
    b.SetbeliebigeLast(std::move(punkte));
}

void ProjektLeser::AnzDorn(TKErgebnisse& r, int anzahl) {
    for (int d = 0; d < anzahl; ++d) {
        const int wert = LiesZahl({"TAnzDorn_", Nr(d)}, 0);
        r.SetAnzDorn(static_cast<TsDorn>(d),
                     std::in_range<std::uint16_t>(wert) ? static_cast<std::uint16_t>(wert) : 0);
    }
}

void ProjektLeser::VRds(TKDornDaten& d) {
    const int anzahl = Anzahl("AnzTVRds", 0, AnzahlWerte<TsFugenbreite>());
    for (int i = 0; i < anzahl; ++i) {
        const auto fb = static_cast<TsFugenbreite>(i);
        d.SetVRds(fb, LiesFloat({"TVRds_", Nr(i)}, d.GetVRds(fb)));
    }
}

void ProjektLeser::DornAbstaende(TKDornErgebnis& e) {
    constexpr std::string_view abstand = "TDornAbstand_";
    constexpr std::string_view notwendig = "TDornNotwendig_";
    const int anzahl = Listenlaenge("AnzTDornAbstand", [&](int i) {
        return Da({abstand, Nr(i)}) || Da({notwendig, Nr(i)});
    });
    e.ResetDornAbstand();
    for (int i = 0; i < anzahl; ++i) {
        const double wert = LiesFloat({abstand, Nr(i)}, 0);
        e.AddDornAbstand(wert, LiesFlag({notwendig, Nr(i)}));
    }
}

void ProjektLeser::Meldungen(TKMeldungen& m) {
    constexpr std::string_view meldung = "TMeldungen_";
    const int anzahl = Listenlaenge("AnzTMeldungen", [&](int i) { return Da({meldung, Nr(i)}); });
    m.Reset();
    for (int i = 0; i < anzahl; ++i) {
        const int code = LiesZahl({meldung, Nr(i)}, 0);
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
