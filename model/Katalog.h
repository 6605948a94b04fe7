#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/Typen.h"

// The dowel catalogue of the approval, compiled in. Every table is indexed by the TsDorn ordinal; lengths
// in mm, forces in kN, bar diameters in whole mm.

// Identity, limits and prices of a dowel type.
struct TrDornKennung {
    const char* Name;                       // display name
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

// clang-format off
// Name, DXF file, drawing, price, sleeve price, h_min, thickness thresholds, b_E, BereichPosA,
// MinRandSeite, MinRandSeiteL, MinAchsabstand, smallest bar.
inline constexpr std::array<TrDornKennung, AnzahlDorne> DornKennung{{
    {"ZAVR 20 HF", "ZAVR_020 HF.dxf", 121, 75.4, 7, 160, {160, 180, 200}, 60, 240, 120, 120, 240, 6},  // ZAVR20HF
    {"ZAVR 25 HF", "ZAVR_025 HF.dxf", 101, 96.45, 7, 160, {160, 180, 200}, 60, 240, 120, 120, 240, 6},  // ZAVR25HF
    {"ZAVR 30 HF", "ZAVR_030 HF.dxf", 102, 117, 7, 180, {180, 200, 220}, 65, 257, 135, 120, 270, 8},  // ZAVR30HF
    {"ZAVR 45 HF", "ZAVR_045 HF.dxf", 103, 134.75, 8.1, 200, {200, 220, 240}, 65, 357, 150, 120, 300, 8},  // ZAVR45HF
    {"ZAVR 60 HF", "ZAVR_060 HF.dxf", 104, 154.15, 9.2, 240, {240, 340, 340}, 65, 381, 180, 120, 360, 10},  // ZAVR60HF
    {"ZAVR 90 HF", "ZAVR_090 HF.dxf", 110, 264.35, 10.6, 240, {260, 320, 320}, 85, 381, 195, 150, 390, 10},  // ZAVR90HF
    {"ZAVR 120 HF", "ZAVR_120 HF.dxf", 105, 337.75, 11.8, 280, {280, 300, 400}, 100, 516, 210, 150, 420, 10},  // ZAVR120HF
    {"ZAVR 130", "ZAVR_130.dxf", 106, 436.9, 12.55, 350, {350, 400, 400}, 100, 540, 262.5, 150, 525, 10},  // ZAVR130
    {"ZAVR 150", "ZAVR_150.dxf", 107, 650.75, 13.3, 450, {450, 450, 450}, 100, 600, 337.5, 150, 675, 10},  // ZAVR150
    {"ZAVR 400", "ZAVR_400.dxf", 108, 1325.85, 17.85, 600, {600, 600, 600}, 160, 760, 450, 230, 900, 10},  // ZAVR400
    {"ZAVR 450", "ZAVR_450.dxf", 109, 1890.6, 21.4, 650, {650, 650, 650}, 160, 940, 487.5, 230, 975, 14},  // ZAVR450
    {"ZAVRQ 25 HF", "ZAVRQ_025 HF.dxf", 111, 128.65, 7.8, 170, {160, 180, 200}, 60, 240, 120, 120, 255, 6},  // ZAVRQ25HF
    {"ZAVRQ 30 HF", "ZAVRQ_030 HF.dxf", 112, 152.2, 7.8, 180, {180, 200, 220}, 65, 257, 135, 120, 270, 8},  // ZAVRQ30HF
    {"ZAVRQ 45 HF", "ZAVRQ_045 HF.dxf", 113, 170.95, 9.2, 200, {200, 220, 240}, 65, 357, 150, 120, 300, 8},  // ZAVRQ45HF
    {"ZAVRQ 60 HF", "ZAVRQ_060 HF.dxf", 114, 201.85, 11.7, 240, {240, 340, 340}, 65, 381, 180, 120, 360, 10},  // ZAVRQ60HF
    {"ZAVRQ 90 HF", "ZAVRQ_090 HF.dxf", 120, 355.8, 13.1, 240, {260, 320, 320}, 85, 381, 195, 150, 390, 10},  // ZAVRQ90HF
    {"ZAVRQ 120 HF", "ZAVRQ_120 HF.dxf", 115, 468.4, 14.05, 280, {280, 300, 400}, 100, 516, 210, 150, 420, 10},  // ZAVRQ120HF
    {"ZAVRQ 130", "ZAVRQ_130.dxf", 116, 571.35, 15.55, 350, {350, 400, 400}, 100, 540, 262.5, 150, 525, 10},  // ZAVRQ130
    {"ZAVRQ 150", "ZAVRQ_150.dxf", 117, 857.45, 17.05, 450, {450, 450, 450}, 100, 600, 337.5, 150, 675, 10},  // ZAVRQ150
    {"ZAVRQ 400", "ZAVRQ_400.dxf", 118, 1775.55, 22.5, 600, {600, 600, 600}, 160, 760, 450, 230, 900, 10},  // ZAVRQ400
    {"ZAVRQ 450", "ZAVRQ_450.dxf", 119, 2506.15, 26.1, 650, {650, 650, 650}, 160, 940, 487.5, 230, 975, 14},  // ZAVRQ450
}};

// Breite, Hoehe, Durchmesser, Abstand, Laenge, RERohrb, RERohrh, Stab1l, Stab2l, Stab1d, Stab2d,
// Stab1a, Stab2a, Plattel.
inline constexpr std::array<TrDornMasse, AnzahlDorne> DornMasse{{
    {60, 100, 14, 40, 120, 14, 18, 50, 110, 12, 12, 28, 54, 78},  // ZAVR20HF
    {60, 100, 16, 48, 120, 16, 20, 50, 110, 12, 12, 28, 56, 84},  // ZAVR25HF
    {60, 100, 18, 50, 135, 18, 22, 50, 130, 12, 12, 28, 56, 84},  // ZAVR30HF
    {60, 125, 20, 65, 155, 20, 25.4, 50, 130, 12, 12, 29, 58, 84},  // ZAVR45HF
    {70, 150, 22, 75, 155, 22, 25.4, 50, 150, 14, 14, 31, 62, 86},  // ZAVR60HF
    {90, 180, 24, 90, 185, 24, 25.4, 60, 160, 14, 14, 34, 64, 86},  // ZAVR90HF
    {100, 200, 30, 100, 210, 30, 35, 80, 170, 16, 16, 36, 72, 104},  // ZAVR120HF
    {100, 200, 35, 105, 265, 35, 40, 80, 170, 16, 16, 36, 72, 114},  // ZAVR130
    {120, 240, 42, 120, 275, 42, 48.3, 80, 210, 18, 18, 41, 82, 124},  // ZAVR150
    {140, 280, 52, 160, 335, 52, 57, 130, 300, 20, 20, 70, 140, 185},  // ZAVR400
    {140, 280, 65, 180, 365, 65, 70, 130, 300, 20, 20, 80, 160, 190},  // ZAVR450
    {75, 120, 16, 48, 140, 50, 25, 70, 70, 12, 12, 53, 53, 84},  // ZAVRQ25HF
    {75, 120, 18, 50, 160, 50, 25, 70, 70, 12, 12, 53, 53, 84},  // ZAVRQ30HF
    {75, 135, 20, 65, 175, 50, 30, 70, 70, 12, 12, 53, 53, 84},  // ZAVRQ45HF
    {80, 150, 22, 75, 175, 50, 30, 120, 120, 14, 14, 56, 56, 86},  // ZAVRQ60HF
    {80, 180, 24, 90, 200, 70, 35, 160, 160, 14, 14, 54, 54, 86},  // ZAVRQ90HF
    {110, 200, 30, 100, 235, 80, 40, 170, 170, 16, 16, 58, 58, 104},  // ZAVRQ120HF
    {110, 200, 35, 105, 275, 80, 45, 170, 170, 16, 16, 59, 59, 114},  // ZAVRQ130
    {120, 240, 42, 120, 305, 80, 54.5, 170, 170, 18, 18, 54, 54, 124},  // ZAVRQ150
    {140, 280, 52, 160, 350, 90, 62, 300, 300, 20, 20, 64, 64, 185},  // ZAVRQ400
    {160, 320, 65, 180, 400, 130, 75, 300, 300, 20, 20, 89, 89, 190},  // ZAVRQ450
}};

// Design steel resistance V_Rd,s by joint width class (TsFugenbreite ordinal).
inline constexpr std::array<std::array<double, 5>, AnzahlDorne> DornVRds{{
    {51.6, 34.4, 25.8, 20.7, 17.2},  // ZAVR20HF
    {75.4, 51.4, 38.5, 30.8, 25.7},  // ZAVR25HF
    {103.2, 73.2, 54.9, 43.9, 36.6},  // ZAVR30HF
    {135.1, 100.4, 75.3, 60.2, 50.2},  // ZAVR45HF
    {171.2, 132.9, 100.2, 80.2, 66.8},  // ZAVR60HF
    {211.3, 169.5, 130.1, 104.1, 86.7},  // ZAVR90HF
    {356.3, 304.1, 251.8, 203.2, 169.4},  // ZAVR120HF
    {260, 228.6, 197.3, 165.9, 138.4},  // ZAVR130
    {389.4, 351.8, 314.2, 276.5, 238.9},  // ZAVR150
    {619.1, 572.5, 525.9, 479.4, 432.8},  // ZAVR400
    {996.5, 938.2, 880, 821.8, 763.5},  // ZAVR450
    {67.8, 46.2, 34.7, 27.7, 23.1},  // ZAVRQ25HF
    {92.9, 65.8, 49.4, 39.5, 32.9},  // ZAVRQ30HF
    {121.6, 90.3, 67.7, 54.2, 45.2},  // ZAVRQ45HF
    {154.1, 119.6, 90.2, 72.1, 60.1},  // ZAVRQ60HF
    {190.2, 152.6, 117.1, 93.7, 78},  // ZAVRQ90HF
    {320.7, 273.7, 226.7, 182.9, 152.4},  // ZAVRQ120HF
    {234, 205.8, 177.5, 149.3, 124.5},  // ZAVRQ130
    {350.5, 316.6, 282.7, 248.9, 215},  // ZAVRQ150
    {557.2, 515.3, 473.3, 431.4, 389.5},  // ZAVRQ400
    {896.8, 844.4, 792, 739.6, 687.2},  // ZAVRQ450
}};

// PosCd, AnzPosC, DistPosCRand, DistPosB1Rand.
inline constexpr std::array<TrDornBuegel, AnzahlDorne> DornBuegel{{
    {6, 1, 120, 60},  // ZAVR20HF
    {6, 1, 120, 60},  // ZAVR25HF
    {8, 1, 135, 60},  // ZAVR30HF
    {8, 1, 155, 60},  // ZAVR45HF
    {8, 1, 155, 60},  // ZAVR60HF
    {8, 1, 185, 60},  // ZAVR90HF
    {10, 1, 210, 60},  // ZAVR120HF
    {12, 1, 265, 60},  // ZAVR130
    {12, 1, 275, 60},  // ZAVR150
    {12, 1, 335, 60},  // ZAVR400
    {12, 1, 365, 70},  // ZAVR450
    {6, 1, 140, 60},  // ZAVRQ25HF
    {8, 1, 160, 60},  // ZAVRQ30HF
    {8, 1, 175, 60},  // ZAVRQ45HF
    {8, 1, 175, 60},  // ZAVRQ60HF
    {8, 1, 200, 60},  // ZAVRQ90HF
    {10, 1, 235, 60},  // ZAVRQ120HF
    {12, 1, 275, 60},  // ZAVRQ130
    {12, 1, 305, 60},  // ZAVRQ150
    {12, 1, 350, 60},  // ZAVRQ400
    {12, 1, 400, 70},  // ZAVRQ450
}};

// Standard reinforcement for thickness classes 1, 2, 3: D, A, B1, B2 as {count, diameter, {spacings}}.
inline constexpr std::array<std::array<TrStandardBewehrung, 3>, AnzahlDorne> DornStandardBewehrung{{
    {{  // ZAVR20HF
        {{4, 10, {30}}, {0, 8, {}}, {2, 10, {0}}, {2, 10, {50}}},
        {{4, 12, {32}}, {0, 8, {}}, {2, 12, {0}}, {2, 12, {50}}},
        {{4, 12, {32}}, {0, 8, {}}, {2, 12, {0}}, {2, 12, {50}}},
    }},
    {{  // ZAVR25HF
        {{4, 10, {30}}, {0, 8, {}}, {2, 10, {0}}, {2, 10, {50}}},
        {{4, 12, {32}}, {0, 8, {}}, {2, 12, {0}}, {2, 12, {50}}},
        {{4, 14, {34}}, {2, 14, {50}}, {2, 14, {0}}, {2, 14, {50}}},
    }},
    {{  // ZAVR30HF
        {{4, 12, {32}}, {0, 8, {}}, {2, 12, {0}}, {2, 12, {50}}},
        {{4, 14, {34}}, {2, 14, {50}}, {2, 14, {0}}, {4, 14, {50, 50}}},
        {{4, 16, {36}}, {2, 16, {50}}, {2, 16, {0}}, {4, 16, {50, 50}}},
    }},
    {{  // ZAVR45HF
        {{4, 12, {32}}, {0, 8, {}}, {2, 12, {0}}, {2, 12, {50}}},
        {{4, 14, {34}}, {2, 14, {50}}, {2, 14, {0}}, {2, 14, {50}}},
        {{6, 16, {36, 50}}, {4, 16, {50, 50}}, {2, 16, {0}}, {4, 16, {50, 50}}},
    }},
    {{  // ZAVR60HF
        {{6, 16, {36, 50}}, {6, 16, {50, 50, 50}}, {2, 16, {0}}, {6, 16, {50, 50, 50}}},
        {{6, 20, {50, 50}}, {4, 20, {50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
        {{6, 20, {50, 50}}, {4, 20, {50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
    }},
    {{  // ZAVR90HF
        {{6, 16, {36, 50}}, {6, 16, {50, 50, 50}}, {2, 16, {0}}, {6, 16, {50, 50, 50}}},
        {{6, 20, {50, 50}}, {6, 20, {50, 50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
        {{6, 20, {50, 50}}, {6, 20, {50, 50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
    }},
    {{  // ZAVR120HF
        {{6, 16, {36, 50}}, {4, 16, {50, 50}}, {2, 16, {0}}, {6, 16, {50, 50, 50}}},
        {{6, 20, {50, 50}}, {6, 20, {50, 50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
        {{6, 25, {50, 50}}, {4, 25, {50, 50}}, {2, 25, {0}}, {4, 25, {50, 50}}},
    }},
    {{  // ZAVR130
        {{6, 20, {50, 50}}, {4, 20, {50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
        {{8, 20, {50, 50, 50}}, {4, 20, {50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
        {{8, 20, {50, 50, 50}}, {4, 20, {50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
    }},
    {{  // ZAVR150
        {{8, 20, {50, 50, 50}}, {8, 20, {50, 50, 50, 50}}, {2, 20, {0}}, {8, 20, {50, 50, 50, 50}}},
        {{8, 20, {50, 50, 50}}, {8, 20, {50, 50, 50, 50}}, {2, 20, {0}}, {8, 20, {50, 50, 50, 50}}},
        {{8, 20, {50, 50, 50}}, {8, 20, {50, 50, 50, 50}}, {2, 20, {0}}, {8, 20, {50, 50, 50, 50}}},
    }},
    {{  // ZAVR400
        {{8, 25, {50, 50, 50}}, {8, 25, {50, 50, 50, 50}}, {2, 25, {0}}, {8, 25, {50, 50, 50, 50}}},
        {{8, 25, {50, 50, 50}}, {8, 25, {50, 50, 50, 50}}, {2, 25, {0}}, {8, 25, {50, 50, 50, 50}}},
        {{8, 25, {50, 50, 50}}, {8, 25, {50, 50, 50, 50}}, {2, 25, {0}}, {8, 25, {50, 50, 50, 50}}},
    }},
    {{  // ZAVR450
        {{8, 25, {50, 50, 50}}, {10, 25, {50, 50, 50, 50, 50}}, {2, 25, {0}}, {8, 25, {50, 50, 50, 50}}},
        {{8, 25, {50, 50, 50}}, {10, 25, {50, 50, 50, 50, 50}}, {2, 25, {0}}, {8, 25, {50, 50, 50, 50}}},
        {{8, 25, {50, 50, 50}}, {10, 25, {50, 50, 50, 50, 50}}, {2, 25, {0}}, {8, 25, {50, 50, 50, 50}}},
    }},
    {{  // ZAVRQ25HF
        {{4, 10, {30}}, {0, 8, {}}, {2, 10, {0}}, {2, 10, {50}}},
        {{4, 12, {32}}, {0, 8, {}}, {2, 12, {0}}, {2, 12, {50}}},
        {{4, 14, {34}}, {2, 14, {50}}, {2, 14, {0}}, {2, 14, {50}}},
    }},
    {{  // ZAVRQ30HF
        {{4, 12, {32}}, {0, 8, {}}, {2, 12, {0}}, {2, 12, {50}}},
        {{4, 14, {34}}, {2, 14, {50}}, {2, 14, {0}}, {4, 14, {50, 50}}},
        {{4, 16, {36}}, {2, 16, {50}}, {2, 16, {0}}, {4, 16, {50, 50}}},
    }},
    {{  // ZAVRQ45HF
        {{4, 12, {32}}, {0, 8, {}}, {2, 12, {0}}, {2, 12, {50}}},
        {{4, 14, {34}}, {2, 14, {50}}, {2, 14, {0}}, {2, 14, {50}}},
        {{6, 16, {36, 50}}, {4, 16, {50, 50}}, {2, 16, {0}}, {4, 16, {50, 50}}},
    }},
    {{  // ZAVRQ60HF
        {{6, 16, {36, 50}}, {6, 16, {50, 50, 50}}, {2, 16, {0}}, {6, 16, {50, 50, 50}}},
        {{6, 20, {50, 50}}, {4, 20, {50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
        {{6, 20, {50, 50}}, {4, 20, {50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
    }},
    {{  // ZAVRQ90HF
        {{6, 16, {36, 50}}, {6, 16, {50, 50, 50}}, {2, 16, {0}}, {6, 16, {50, 50, 50}}},
        {{6, 20, {50, 50}}, {6, 20, {50, 50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
        {{6, 20, {50, 50}}, {6, 20, {50, 50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
    }},
    {{  // ZAVRQ120HF
        {{6, 16, {36, 50}}, {4, 16, {50, 50}}, {2, 16, {0}}, {6, 16, {50, 50, 50}}},
        {{6, 20, {50, 50}}, {6, 20, {50, 50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
        {{6, 25, {50, 50}}, {4, 25, {50, 50}}, {2, 25, {0}}, {4, 25, {50, 50}}},
    }},
    {{  // ZAVRQ130
        {{6, 20, {50, 50}}, {4, 20, {50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
        {{8, 20, {50, 50, 50}}, {4, 20, {50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
        {{8, 20, {50, 50, 50}}, {4, 20, {50, 50}}, {2, 20, {0}}, {6, 20, {50, 50, 50}}},
    }},
    {{  // ZAVRQ150
        {{8, 20, {50, 50, 50}}, {8, 20, {50, 50, 50, 50}}, {2, 20, {0}}, {8, 20, {50, 50, 50, 50}}},
        {{8, 20, {50, 50, 50}}, {8, 20, {50, 50, 50, 50}}, {2, 20, {0}}, {8, 20, {50, 50, 50, 50}}},
        {{8, 20, {50, 50, 50}}, {8, 20, {50, 50, 50, 50}}, {2, 20, {0}}, {8, 20, {50, 50, 50, 50}}},
    }},
    {{  // ZAVRQ400
        {{8, 25, {50, 50, 50}}, {8, 25, {50, 50, 50, 50}}, {2, 25, {0}}, {8, 25, {50, 50, 50, 50}}},
        {{8, 25, {50, 50, 50}}, {8, 25, {50, 50, 50, 50}}, {2, 25, {0}}, {8, 25, {50, 50, 50, 50}}},
        {{8, 25, {50, 50, 50}}, {8, 25, {50, 50, 50, 50}}, {2, 25, {0}}, {8, 25, {50, 50, 50, 50}}},
    }},
    {{  // ZAVRQ450
        {{8, 25, {50, 50, 50}}, {10, 25, {50, 50, 50, 50, 50}}, {2, 25, {0}}, {8, 25, {50, 50, 50, 50}}},
        {{8, 25, {50, 50, 50}}, {10, 25, {50, 50, 50, 50, 50}}, {2, 25, {0}}, {8, 25, {50, 50, 50, 50}}},
        {{8, 25, {50, 50, 50}}, {10, 25, {50, 50, 50, 50, 50}}, {2, 25, {0}}, {8, 25, {50, 50, 50, 50}}},
    }},
}};
// clang-format on

// Bar diameters available for the additional reinforcement, ascending, and their cross-sections in mm².
inline constexpr std::array<int, 9> StabDurchmesser{6, 8, 10, 12, 14, 16, 20, 25, 28};
inline constexpr std::array<double, 9> StabQuerschnitt{28.3, 50.3, 78.5, 113.1, 154, 201, 314, 491, 616};

// Cross-section of one bar in mm²; a diameter outside the list counts as the largest bar.
double Querschnitt(int durchmesser);

// Reinforcement class 1 to 3 of `dorn` for the member thickness `bauteildicke`; thinner than the first
// threshold is class 1 as well.
int DickenKlasse(TsDorn dorn, double bauteildicke);

// Row order of the results list and its printouts: each size is followed by its ZAVRQ variant.
inline constexpr std::array<int, AnzahlDorne> Zeilenfolge{0, 1,  11, 2,  12, 3,  13, 4,  14, 5, 15,
                                                          6, 16, 7,  17, 8,  18, 9,  19, 10, 20};

std::string DornName(TsDorn dorn);
// The type with this display name; case and blanks do not matter ("zavrq30hf" finds "ZAVRQ 30 HF").
std::optional<TsDorn> DornAusName(std::string_view name);
std::string DornDxfDatei(TsDorn dorn);
int DornZeichnungNr(TsDorn dorn);
double DornPreis(TsDorn dorn);
double ManschettenPreis(TsDorn dorn);
// Fire-protection sleeve that fits the joint width class.
std::string ManschettenName(TsFugenbreite fugenbreite);
double StandardBereichPosA(TsDorn dorn);
int MinStabDurchmesser(TsDorn dorn);
