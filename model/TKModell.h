#pragma once

#include <cstdint>
#include <vector>

#include "model/TKAnwendung.h"
#include "model/TKDornDaten.h"
#include "model/TKGeometrie.h"
#include "model/TKProjektdaten.h"
#include "model/TKStueckliste.h"
#include "model/Typen.h"

struct Umgebung;

// A project: header, bill of quantities, the input sketch's data and the positions (numbered from 1).
// The surroundings are kept to create new positions; copies of the model share them.
class TKModell {
public:
    explicit TKModell(Umgebung& umgebung);  // one position, named "1"

    bool GetCalcFlag() const { return TCalcFlag; }
    void SetCalcFlag(bool v) { TCalcFlag = v; }
    std::uint16_t GetAnzAnwendung() const { return TAnzAnwendung; }
    // Drops positions from the end or appends new ones named by their number. A project keeps at least
    // one position, and the current position number stays within the new count.
    void SetAnzAnwendung(std::uint16_t pAnzAnwendung);
    std::uint16_t GetAktAnwendung() const { return TAktAnwendung; }
    void SetAktAnwendung(std::uint16_t v);  // refused outside 1 … count
    TsDorn GetEingabeDorn() const { return TEingabeDorn; }
    void SetEingabeDorn(TsDorn v) { TEingabeDorn = v; }
    TsFugenbreite GetEingabeFugenbreite() const { return TEingabeFugenbreite; }
    void SetEingabeFugenbreite(TsFugenbreite v) { TEingabeFugenbreite = v; }
    TsSkizzeTyp GetSkizzeAnzeige() const { return TSkizzeAnzeige; }
    void SetSkizzeAnzeige(TsSkizzeTyp v) { TSkizzeAnzeige = v; }

    // Sets the country variant of every position from a locale identifier (21 Polish, 2057 English).
    void SetAktSprache(std::uint32_t pAktSprache);

    Umgebung& GetUmgebung() const { return *umgebung; }

    TKProjektdaten cProjektdaten;
    TKStueckliste cStueckliste;
    TKGeometrie cEingabeGeometrie;
    TKDornDaten cEingabeDornDaten;
    std::vector<TKAnwendung> cAnwendung;  // element i is position i + 1

private:
    Umgebung* umgebung;
    bool TCalcFlag = false;
    std::uint16_t TAnzAnwendung = 1;
    std::uint16_t TAktAnwendung = 1;
    TsDorn TEingabeDorn = TsDorn::ZAVR25HF;
    TsFugenbreite TEingabeFugenbreite = TsFugenbreite::fb20bis30;
    TsSkizzeTyp TSkizzeAnzeige = TsSkizzeTyp::stDornReihe;
};
