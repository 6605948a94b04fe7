#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Typen.h"

// The dowel catalogue of the approval: one record per dowel type with everything the program knows of it.
// Lengths in mm, forces in kN, bar diameters in whole mm.

enum class TsDornFamilie { ZAVR, ZAVRQ };

// Drawing, limits and prices of a dowel type.
struct TrDornKennung {
    const char* DxfDatei;                   // default file name of the dowel drawing
    int ZeichnungNr;                        // number of the stored dowel drawing
    double Preis;                           // per dowel; only compared among the types
    double ManschettenPreis;                // per fire-protection sleeve
    double MinBauteildicke;                 // h_min
    std::array<double, 3> Dickenschwellen;  // lowest thickness of reinforcement class 1, 2, 3
    double EinflussBereich;                 // b_E
    double BereichPosA;                     // width covered by the standard D and A bars (e_krit)
    double MinRandSeite;
    double MinRandSeiteL;
    double MinAchsabstand;
    int MinStabDurchmesser;  // smallest D and A bar the reinforcement optimisation may choose
};

// Dimensions of the dowel for the design checks, the sketches and the drawings.
struct TrDornMasse {
    double Breite, Hoehe, Durchmesser, Abstand, Laenge, RERohrb, RERohrh;
    double Stab1l, Stab2l, Stab1d, Stab2d, Stab1a, Stab2a, Plattel;
};

// Closed stirrup C around the dowel and position of the first longitudinal bar B1.
struct TrDornBuegel {
    int PosCd;
    int AnzPosC;
    double DistPosCRand;
    double DistPosB1Rand;
};

// One reinforcement position: bar count, diameter and the spacings in the order laid out from the dowel
// outwards (unused entries 0).
struct TrBewehrungsPos {
    int Anz;
    int d;
    std::array<double, 5> Dist;
};

// Standard reinforcement of the approval for one thickness class.
struct TrStandardBewehrung {
    TrBewehrungsPos D, A, B1, B2;
};

// One dowel type. The design run takes the types in the order of the catalogue; the results list shows them
// in the order of `Anzeigefolge`; a project file keys each by its `Dateinummer`, which is the type's for
// good: a type added to the catalogue takes a new number and leaves every stored project as it was.
struct TrDornTyp {
    const char* Name;       // display name, "ZAVRQ 30 HF"
    TsDornFamilie Familie;  // ZAVRQ: square sleeve, 0.9 of the concrete-edge resistance
    int Dateinummer;        // "DornDaten_1_<n>", TAktDorn = <n>
    int Anzeigefolge;       // rows ascend by it; steps of ten leave room for a type in between
    TrDornKennung Kennung;
    TrDornMasse Masse;
    std::array<double, 5> VRds;  // V_Rd,s by joint width class (TsFugenbreite ordinal)
    TrDornBuegel Buegel;
    std::array<TrStandardBewehrung, 3> Standardbewehrung;  // for thickness classes 1, 2, 3
};

// The types of the approval, in design order (the TsDorn values name them).
const std::vector<TrDornTyp>& StandardDorntypen();

// A catalogue: its types in design order, TsDorn being the place of a type. Refuses (std::invalid_argument)
// types without a name and numbers or names used twice.
class Dornkatalog {
public:
    explicit Dornkatalog(std::vector<TrDornTyp> typen);

    int Anzahl() const { return static_cast<int>(typen_.size()); }
    const TrDornTyp& operator[](TsDorn dorn) const { return typen_.at(static_cast<std::size_t>(Ord(dorn))); }
    // Every type in design order.
    const std::vector<TsDorn>& Typen() const { return designfolge_; }
    // The types in the order of the results list.
    const std::vector<TsDorn>& Zeilenfolge() const { return zeilenfolge_; }
    std::optional<TsDorn> AusDateinummer(long long nummer) const;
    // One more than the highest file number: the number a new type takes, and how many a file counts.
    int NaechsteDateinummer() const;
    // The type with this display name; case and blanks do not matter ("zavrq30hf" finds "ZAVRQ 30 HF").
    std::optional<TsDorn> AusName(std::string_view name) const;

private:
    std::vector<TrDornTyp> typen_;
    std::vector<TsDorn> designfolge_;
    std::vector<TsDorn> zeilenfolge_;
};

namespace katalog_intern {
extern const Dornkatalog* aktiv;  // the program's catalogue once asked for, or the one standing in for it
const Dornkatalog& Standard();    // the standard catalogue, made the program's on first use
}  // namespace katalog_intern

// The program's catalogue: the standard one, unless a KatalogErsatz stands in for it. Inline, as the design
// run asks for it at every step.
inline const Dornkatalog& Katalog() {
    return katalog_intern::aktiv ? *katalog_intern::aktiv : katalog_intern::Standard();
}

// Makes another catalogue the program's for as long as it lives: a changed catalogue is tried out without
// building another program.
class KatalogErsatz {
public:
    explicit KatalogErsatz(const Dornkatalog& katalog);
    ~KatalogErsatz();
    KatalogErsatz(const KatalogErsatz&) = delete;
    KatalogErsatz& operator=(const KatalogErsatz&) = delete;

private:
    const Dornkatalog* vorher_;
};

// Bar diameters available for the additional reinforcement, ascending, and their cross-sections in mm².
inline constexpr std::array<int, 9> StabDurchmesser{6, 8, 10, 12, 14, 16, 20, 25, 28};
inline constexpr std::array<double, 9> StabQuerschnitt{28.3, 50.3, 78.5, 113.1, 154, 201, 314, 491, 616};

// Cross-section of one bar in mm²; a diameter outside the list counts as the largest bar. Inline and by
// index: the resistances ask for it at every step of a design run.
inline double Querschnitt(int durchmesser) {
    static constexpr auto nachDurchmesser = [] {
        std::array<double, StabDurchmesser.back() + 1> t{};
        t.fill(StabQuerschnitt.back());
        for (std::size_t i = 0; i < StabDurchmesser.size(); ++i) t[StabDurchmesser[i]] = StabQuerschnitt[i];
        return t;
    }();
    return durchmesser >= 0 && durchmesser < static_cast<int>(nachDurchmesser.size())
               ? nachDurchmesser[static_cast<std::size_t>(durchmesser)]
               : StabQuerschnitt.back();
}

// Reinforcement class 1 to 3 of `dorn` for the member thickness `bauteildicke`; thinner than the first
// threshold is class 1 as well.
inline int DickenKlasse(TsDorn dorn, double bauteildicke) {
    const auto& schwellen = Katalog()[dorn].Kennung.Dickenschwellen;
    if (bauteildicke >= schwellen[2]) return 3;
    if (bauteildicke >= schwellen[1]) return 2;
    return 1;
}

// Shorthands for the record of a type in the program's catalogue.
std::string DornName(TsDorn dorn);
std::optional<TsDorn> DornAusName(std::string_view name);
inline TsDornFamilie Familie(TsDorn dorn) {
    return Katalog()[dorn].Familie;
}
int Dateinummer(TsDorn dorn);
std::optional<TsDorn> DornAusDateinummer(long long nummer);
std::string DornDxfDatei(TsDorn dorn);
int DornZeichnungNr(TsDorn dorn);
double DornPreis(TsDorn dorn);
double ManschettenPreis(TsDorn dorn);
// Fire-protection sleeve that fits the joint width class.
std::string ManschettenName(TsFugenbreite fugenbreite);
double StandardBereichPosA(TsDorn dorn);
inline int MinStabDurchmesser(TsDorn dorn) {
    return Katalog()[dorn].Kennung.MinStabDurchmesser;
}
