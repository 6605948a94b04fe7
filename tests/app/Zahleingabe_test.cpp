#include "app/Zahleingabe.h"

#include <gtest/gtest.h>

#include "app/QtUmgebung.h"

#include "app/DialogSkript.h"
#include "app/Zahlenfeld.h"

namespace {

struct Pruefung {
    int bereich;
    double minimum;
    double maximum;
    const char* text;
    char trenner;
    const char* meldung;  // nullptr: accepted
};

class PruefeEingabeFall : public ::testing::TestWithParam<Pruefung> {};

TEST_P(PruefeEingabeFall, meldetGenauDieErwarteteMeldung) {
    const auto& fall = GetParam();
    Zahlenfeld feld(nullptr, fall.bereich);
    feld.setText(QString::fromUtf8(fall.text));
    DialogSkript dialoge;
    const bool ok = PruefeEingabe(&feld, fall.maximum, fall.minimum, fall.trenner, dialoge);
    EXPECT_EQ(ok, fall.meldung == nullptr);
    if (fall.meldung) {
        EXPECT_EQ(dialoge.Texte(DialogSkript::Art::Hinweis), QStringList{QString::fromUtf8(fall.meldung)});
    } else {
        EXPECT_TRUE(dialoge.aufrufe.empty());
    }
    EXPECT_EQ(feld.text(), QString::fromUtf8(fall.text));  // a failed check leaves the text for correction
}

const char* const kleiner = "Der eingegebene Wert ist kleiner als erlaubt!";
const char* const groesser = "Der eingegebene Wert ist größer als erlaubt!";
const char* const keineZahl =
    "Fehler bei der Eingabe: Es sind nur Zahlen erlaubt!\n(eventuell Schreibweise von \".\" und \",\" "
    "beachten";

INSTANTIATE_TEST_SUITE_P(
    Bereiche, PruefeEingabeFall,
    ::testing::Values(
        // minimum only: the limit itself passes, the maximum is never tested
        Pruefung{-1, 16, 20, "16", ',', nullptr}, Pruefung{-1, 16, 20, "15,9", ',', kleiner},
        Pruefung{-1, 16, 20, "1000", ',', nullptr},
        // maximum only
        Pruefung{1, 16, 20, "20", ',', nullptr}, Pruefung{1, 16, 20, "20,5", ',', groesser},
        Pruefung{1, 16, 20, "-5", ',', nullptr},
        // minimum, then maximum
        Pruefung{2, 0.48, 30, "0,48", ',', nullptr}, Pruefung{2, 0.48, 30, "30", ',', nullptr},
        Pruefung{2, 0.48, 30, "30,01", ',', groesser}, Pruefung{2, 0.48, 30, "0,4", ',', kleiner},
        // no range check at all
        Pruefung{0, 16, 20, "-100", ',', nullptr}, Pruefung{7, 16, 20, "100", ',', nullptr},
        // number check under every mode; the separator of the regional settings only
        Pruefung{0, 0, 0, "2.5", ',', keineZahl}, Pruefung{2, 0.48, 30, "2.5", ',', keineZahl},
        Pruefung{0, 0, 0, "2,5", '.', keineZahl}, Pruefung{-1, 0, 0, "2.5", '.', nullptr},
        Pruefung{0, 0, 0, "abc", ',', keineZahl}, Pruefung{0, 0, 0, "1 2", ',', keineZahl},
        Pruefung{0, 0, 0, "inf", ',', keineZahl},
        // an empty or blank field is not checked; the fallback follows when reading
        Pruefung{-1, 16, 20, "", ',', nullptr}, Pruefung{2, 16, 20, "   ", ',', nullptr}));

TEST(PruefeEingabe, andereFelderGeltenAlsGueltig) {
    QLineEdit feld;
    feld.setText(QStringLiteral("kein Wert"));
    DialogSkript dialoge;
    EXPECT_TRUE(PruefeEingabe(&feld, 1, 0, ',', dialoge));
    EXPECT_TRUE(dialoge.aufrufe.empty());
}

TEST(LeseZahl, liefertDenErsatzwertFuerAllesAusserZahlen) {
    EXPECT_DOUBLE_EQ(LeseZahl(QStringLiteral(" 2,5 "), 7, ','), 2.5);
    EXPECT_DOUBLE_EQ(LeseZahl(QStringLiteral("-12"), 7, ','), -12);
    EXPECT_DOUBLE_EQ(LeseZahl(QStringLiteral("+1,25"), 7, ','), 1.25);
    EXPECT_DOUBLE_EQ(LeseZahl(QString(), 16, ','), 16);
    EXPECT_DOUBLE_EQ(LeseZahl(QStringLiteral("2.5"), 3, ','), 3);
    EXPECT_DOUBLE_EQ(LeseZahl(QStringLiteral("x"), 0, ','), 0);
}

TEST(ZahlText, zeigtKompaktUndNullAlsNulltext) {
    EXPECT_EQ(ZahlText(0, QStringLiteral("16"), ','), QStringLiteral("16"));
    EXPECT_EQ(ZahlText(0.0000005, QStringLiteral("3"), ','), QStringLiteral("3"));
    EXPECT_EQ(ZahlText(-0.0000005, QStringLiteral("3"), ','), QStringLiteral("3"));
    EXPECT_EQ(ZahlText(2.5, QStringLiteral("3"), ','), QStringLiteral("2,5"));
    EXPECT_EQ(ZahlText(2.5, QStringLiteral("3"), '.'), QStringLiteral("2.5"));
    EXPECT_EQ(ZahlText(2400.0 / 10, QStringLiteral("0"), ','), QStringLiteral("240"));
    EXPECT_EQ(ZahlText(1234567.125, QStringLiteral("0"), ','), QStringLiteral("1234567,125"));
    EXPECT_EQ(ZahlText(0.1 + 0.2, QStringLiteral("0"), ','), QStringLiteral("0,3"));  // 15 digits
}

TEST(IstEins, nurDieEinsSchaltetEin) {
    EXPECT_TRUE(IstEins(1));
    EXPECT_FALSE(IstEins(0));
    EXPECT_FALSE(IstEins(2));
    EXPECT_FALSE(IstEins(-1));
}

}  // namespace
