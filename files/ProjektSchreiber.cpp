#include "files/ProjektSchreiber.h"

#include <stdexcept>

#include "files/ProjektFelder.h"
#include "files/ProjektTexte.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

void ProjektSchreiber::Positionen(const TKModell& m) {
    s.WriteInteger(section, "TAnzAnwendung", m.GetAnzAnwendung());
    s.WriteInteger(section, "TAktAnwendung", m.GetAktAnwendung());
}

// Per entry: the line count, the ten lines keyed by the column titles, then the continuation lines keyed by
// title 3, entry number and line index run together.
void ProjektSchreiber::Eintraege(const TKStueckliste& stueckliste) {
    const int anzahl = stueckliste.GetCountEintraege();
    s.WriteInteger(section, "TStueckliste", anzahl);
    for (int n = 1; n <= anzahl; ++n) {
        const TKStueckliste::Eintrag eintrag = stueckliste.GetEintrag(n);
        if (eintrag.size() < StuecklistenTitel.size())
            throw std::invalid_argument("Stücklisteneintrag mit weniger als zehn Zeilen");
        const std::string nr = std::to_string(n);
        s.WriteInteger(section, {"TStueckliste", static_cast<std::size_t>(n)},
                       static_cast<int>(eintrag.size()));
        for (std::size_t k = 0; k < StuecklistenTitel.size(); ++k)
            s.WriteString(section, "TStueckliste" + std::string(StuecklistenTitel[k]) + nr, eintrag[k]);
        const std::string folgeschluessel =
            "TStueckliste" + std::string(StuecklistenTitel[FolgezeilenTitel]) + nr;
        for (std::size_t l = StuecklistenTitel.size(); l < eintrag.size(); ++l)
            s.WriteString(section, {folgeschluessel, l}, eintrag[l]);
    }
}

void ProjektSchreiber::Belastung(const TKBelastung& b) {
    s.WriteInteger(section, "TBelastungsfall", Ord(b.GetBelastungsfall()));
    s.WriteFloat(section, "TLastverteilung", b.GetLastverteilung());
    s.WriteFloat(section, "TPunktLast", b.GetPunktLast());
    s.WriteFloat(section, "TGammaf", b.GetGammaf());
    s.WriteFloat(section, "TGesamtLast", b.GetGesamtLast());
    s.WriteInteger(section, "TLinienlast", Ord(b.GetLinienlast()));
    s.WriteInteger(section, "AnzbeliebigeLast", b.GetAnzLastPunkte());
    for (int i = 0; i < b.GetAnzLastPunkte(); ++i) {
        const TrFloatPoint punkt = b.GetbeliebigeLast(i);
        const auto nr = static_cast<std::size_t>(i);
        s.WriteFloat(section, {"TbeliebigeLast_x", nr}, punkt.x);
        s.WriteFloat(section, {"TbeliebigeLast_y", nr}, punkt.y);
    }
    s.WriteFloat(section, "TLastLaenge", b.GetLastLaenge());
    s.WriteInteger(section, "TAnzLastPunkte", b.GetAnzLastPunkte());
    s.WriteFloat(section, "TLinienLastLinks", b.GetLinienLastLinks());
    s.WriteFloat(section, "TLinienLastRechts", b.GetLinienLastRechts());
}

void ProjektSchreiber::AnzDorn(const TKErgebnisse& r, int) {
    for (const TsDorn dorn : Katalog().Typen())
        s.WriteInteger(section, {"TAnzDorn_", static_cast<std::size_t>(Dateinummer(dorn))},
                       r.GetAnzDorn(dorn));
}

void ProjektSchreiber::VRds(const TKDornDaten& d) {
    const int anzahl = AnzahlWerte<TsFugenbreite>();
    s.WriteInteger(section, "AnzTVRds", anzahl);
    for (int i = 0; i < anzahl; ++i)
        s.WriteFloat(section, {"TVRds_", static_cast<std::size_t>(i)},
                     d.GetVRds(static_cast<TsFugenbreite>(i)));
}

void ProjektSchreiber::DornAbstaende(const TKDornErgebnis& e) {
    s.WriteInteger(section, "AnzTDornAbstand", e.GetAnzDornAbstand());
    for (int i = 0; i < e.GetAnzDornAbstand(); ++i) {
        const auto nr = static_cast<std::size_t>(i);
        s.WriteFloat(section, {"TDornAbstand_", nr}, e.GetDornAbstand(i));
        s.WriteBool(section, {"TDornNotwendig_", nr}, e.GetDornNotwendig(i));
    }
}

void ProjektSchreiber::Meldungen(const TKMeldungen& m) {
    const auto& codes = m.GetMeldungen();
    s.WriteInteger(section, "AnzTMeldungen", static_cast<int>(codes.size()));
    for (std::size_t i = 0; i < codes.size(); ++i) s.WriteInteger(section, {"TMeldungen_", i}, codes[i]);
}

void SchreibeProjekt(Zeilenschreiber& s, const TKModell& modell) {
    s.WriteString("Programm", "Name", ProgrammName);
    s.WriteString("Programm", "Version", DateiVersion);
    ProjektSchreiber schreiber(s);
    ProjektFelder(schreiber, modell);
}

std::string ProjektInhalt(const TKModell& modell) {
    Textziel ziel;
    SchreibeZeilen(ziel, modell.GetUmgebung().Dezimaltrenner(),
                   [&](Zeilenschreiber& s) { SchreibeProjekt(s, modell); });
    return std::move(ziel.text);
}
