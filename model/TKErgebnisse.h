#pragma once

#include <cstdint>
#include <vector>

#include "model/TKDornDaten.h"
#include "model/TKDornErgebnis.h"
#include "model/TKGeometrie.h"
#include "model/Typen.h"

// Results of one position: per dowel type of the catalogue (model/Katalog.h) the working catalogue record,
// the result record and the dowel count, indexed by TsDorn, plus the selected type and whether a design run
// filled the container.
class TKErgebnisse {
public:
    explicit TKErgebnisse(TsLand pLand);

    TsDorn GetAktDorn() const { return TAktDorn; }
    void SetAktDorn(TsDorn v) { TAktDorn = v; }
    bool GetBerechnet() const { return TBerechnet; }
    void SetBerechnet(bool v) { TBerechnet = v; }
    TsSkizzeTyp GetErgebnisAnzeige() const { return TErgebnisAnzeige; }
    void SetErgebnisAnzeige(TsSkizzeTyp v) { TErgebnisAnzeige = v; }
    std::uint16_t GetAnzDorn(TsDorn pAktDorn) const { return TAnzDorn[Ord(pAktDorn)]; }
    void SetAnzDorn(TsDorn pAktDorn, std::uint16_t pAnzDorn) { TAnzDorn[Ord(pAktDorn)] = pAnzDorn; }

    // Selects the type and refills its catalogue record for the joint width and slab thickness of
    // cGeometrie, discarding reinforcement adapted by an earlier run.
    void ResetAktDorn(TsDorn pAktDorn);

    TKGeometrie cGeometrie;  // the geometry the results were computed for
    std::vector<TKDornDaten> cDornDaten;
    std::vector<TKDornErgebnis> cDornErgebnis;

    bool operator==(const TKErgebnisse&) const = default;

private:
    TsDorn TAktDorn = TsDorn::ZAVR120HF;
    bool TBerechnet = false;
    TsSkizzeTyp TErgebnisAnzeige = TsSkizzeTyp::stAnsicht;
    std::vector<std::uint16_t> TAnzDorn;
};
