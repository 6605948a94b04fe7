#include "model/Ergebnisgrenzen.h"

#include <algorithm>

#include "model/Katalog.h"
#include "model/TKErgebnisse.h"

namespace {

struct Pruefer {
    std::optional<TsDorn> dorn;
    std::optional<Grenzverletzung> verletzung;

    void Bereich(const char* abschnitt, const char* schluessel, long long wert, long long hoechstens,
                 long long mindestens = 0) {
        if (!verletzung && (wert < mindestens || wert > hoechstens))
            verletzung = Grenzverletzung{abschnitt, dorn, schluessel, wert};
    }
};

void DornDaten(Pruefer& p, const TKDornDaten& d) {
    constexpr const char* a = "DornDaten_";
    p.Bereich(a, "TAnzPosA", d.GetAnzPosA(), MaxDorne);
    p.Bereich(a, "TAnzPosB2", d.GetAnzPosB2(), MaxDorne);
    p.Bereich(a, "TAnzPosB1", d.GetAnzPosB1(), MaxStaebeB1);
    p.Bereich(a, "TAnzPosC", d.GetAnzPosC(), MaxStaebeC);
    p.Bereich(a, "TAnzPosD", d.GetAnzPosD(), MaxStaebeD);
    p.Bereich(a, "AnzTDistPosA", static_cast<long long>(d.GetDistPosA().size()), MaxDorne);
    p.Bereich(a, "AnzTDistPosB2", static_cast<long long>(d.GetDistPosB2().size()), MaxDorne);
    p.Bereich(a, "AnzTDistPosB1", static_cast<long long>(d.GetDistPosB1().size()), MaxStaebeB1);
    p.Bereich(a, "AnzTDistPosD", static_cast<long long>(d.GetDistPosD().size()), MaxStaebeD);
}

void Codes(Pruefer& p, const char* abschnitt, const TKMeldungen& meldungen) {
    for (std::uint16_t code : meldungen.GetMeldungen())
        p.Bereich(abschnitt, "TMeldungen", code, MaxMeldungscode);
}

void Dorn(Pruefer& p, const TKErgebnisse& r, TsDorn dorn) {
    p.dorn = dorn;
    DornDaten(p, r.cDornDaten[Ord(dorn)]);
    const TKDornErgebnis& e = r.cDornErgebnis[Ord(dorn)];
    const long long kette = e.GetAnzDornAbstand();
    p.Bereich("DornErgebnis_", "AnzTDornAbstand", kette, MaxDorne + 1);
    p.Bereich("DornErgebnis_", "TStatus", e.GetStatus(), MaxMeldungscode);
    Codes(p, "DornErgebnisFehler_", e.cFehler);
    Codes(p, "DornErgebnisWarnungen_", e.cWarnungen);
    p.dorn.reset();
    // The count belongs to the section of the position; it names the type by its key.
    p.Bereich("Ergebnisse_", ("TAnzDorn_" + std::to_string(Dateinummer(dorn))).c_str(), r.GetAnzDorn(dorn),
              std::max<long long>(kette - 1, 2));
}

}  // namespace

std::optional<Grenzverletzung> ErsteGrenzverletzung(const TKErgebnisse& ergebnisse, TsDorn dorn) {
    Pruefer p;
    Dorn(p, ergebnisse, dorn);
    return p.verletzung;
}

std::optional<Grenzverletzung> ErsteGrenzverletzung(const TKErgebnisse& ergebnisse) {
    for (const TsDorn dorn : Katalog().Typen())
        if (auto v = ErsteGrenzverletzung(ergebnisse, dorn)) return v;
    return std::nullopt;
}
