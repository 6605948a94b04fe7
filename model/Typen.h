#pragma once

// Enumerations of the design model. Project files store them as ordinals, so the order of the values is
// part of the file format and must never change; the dowel types are the exception (see below).

// A dowel type: its place in the design order of the catalogue (model/Katalog.h). The names are those of
// the catalogue the program is built with; project files key the types by the number the catalogue gives
// each of them, not by this place.
enum class TsDorn {
    ZAVR20HF,
    ZAVR25HF,
    ZAVR30HF,
    ZAVR45HF,
    ZAVR60HF,
    ZAVR90HF,
    ZAVR120HF,
    ZAVR130,
    ZAVR150,
    ZAVR400,
    ZAVR450,
    ZAVRQ25HF,
    ZAVRQ30HF,
    ZAVRQ45HF,
    ZAVRQ60HF,
    ZAVRQ90HF,
    ZAVRQ120HF,
    ZAVRQ130,
    ZAVRQ150,
    ZAVRQ400,
    ZAVRQ450
};
constexpr int AnzahlDorne = 21;  // types of the catalogue the program is built with

enum class TsFugenbreite { fb0bis20, fb20bis30, fb30bis40, fb40bis50, fb50bis60 };
enum class TsLand { deu, eng, plk };
enum class TsAnwendungsfall { afEinzel, afPaarPlatte, afPaarWand, afReihePlatte, afReiheWand };
constexpr bool IstPaar(TsAnwendungsfall fall) {
    return fall == TsAnwendungsfall::afPaarPlatte || fall == TsAnwendungsfall::afPaarWand;
}
constexpr bool IstReihe(TsAnwendungsfall fall) {
    return fall == TsAnwendungsfall::afReihePlatte || fall == TsAnwendungsfall::afReiheWand;
}
constexpr bool IstWand(TsAnwendungsfall fall) {
    return fall == TsAnwendungsfall::afPaarWand || fall == TsAnwendungsfall::afReiheWand;
}

enum class TsBelastungsfall { bfPunktlast, bfKonstanteLast, bfLinienlast, bfbeliebigeLast };
enum class TsLinienlast { llLigrRe, llLiglRE, llLiklRe };
enum class TsBetonguete {
    C20_25,
    C25_30,
    C30_37,
    C35_45,
    C40_50,
    C45_55,
    C50_60,
    PB25,
    PB30,
    PB37,
    PB45,
    PB50,
    PB55,
    PB60
};
enum class TsFeuerwiderstand { F0, F90 };
enum class TsBewehrungCalc { bcZulassung, bcOptimal };
enum class TsMaxDornabstand { daOhne, da5dmin_redF, da5dmin_redda };
enum class TsDornAnordnung { daEinzelDorn, daDornPaar, daDornReihe };
enum class TsSkizzeTyp { stAnsicht, stDraufsicht, stSchnitt, stDornReihe, stEingabe, stNothing };
enum class TsAnsicht { anEingabe, anVorschau, anUebersicht };
enum class TsCalc { caManuell, caAuto };

// Number of values of each enumeration, for range checks on ordinals read from files.
template <typename E>
constexpr int AnzahlWerte();
template <>
constexpr int AnzahlWerte<TsDorn>() {
    return AnzahlDorne;
}
template <>
constexpr int AnzahlWerte<TsFugenbreite>() {
    return 5;
}
template <>
constexpr int AnzahlWerte<TsLand>() {
    return 3;
}
template <>
constexpr int AnzahlWerte<TsAnwendungsfall>() {
    return 5;
}
template <>
constexpr int AnzahlWerte<TsBelastungsfall>() {
    return 4;
}
template <>
constexpr int AnzahlWerte<TsLinienlast>() {
    return 3;
}
template <>
constexpr int AnzahlWerte<TsBetonguete>() {
    return 14;
}
template <>
constexpr int AnzahlWerte<TsFeuerwiderstand>() {
    return 2;
}
template <>
constexpr int AnzahlWerte<TsBewehrungCalc>() {
    return 2;
}
template <>
constexpr int AnzahlWerte<TsMaxDornabstand>() {
    return 3;
}
template <>
constexpr int AnzahlWerte<TsDornAnordnung>() {
    return 3;
}
template <>
constexpr int AnzahlWerte<TsSkizzeTyp>() {
    return 6;
}
template <>
constexpr int AnzahlWerte<TsAnsicht>() {
    return 3;
}
template <>
constexpr int AnzahlWerte<TsCalc>() {
    return 2;
}

template <typename E>
constexpr int Ord(E wert) {
    return static_cast<int>(wert);
}

// The enumeration value with the given ordinal, or `ersatz` when the ordinal is out of range.
template <typename E>
constexpr E AusOrdinal(long long ordinal, E ersatz) {
    return ordinal >= 0 && ordinal < AnzahlWerte<E>() ? static_cast<E>(ordinal) : ersatz;
}

// One point of a line load: x in mm from the left end of the joint, y in kN/m.
struct TrFloatPoint {
    double x = 0;
    double y = 0;
    bool operator==(const TrFloatPoint&) const = default;
};
