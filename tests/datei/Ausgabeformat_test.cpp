#include "datei/Ausgabeformat.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What each output takes, typed in from the help texts and the dialogs: the table must keep it.
struct Angebot {
    Ausgabe ausgabe;
    const char* endungen;
};
class Formattabelle : public ::testing::TestWithParam<Angebot> {};

TEST_P(Formattabelle, jedeAusgabeNimmtIhreEndungen) {
    EXPECT_EQ(Endungen(GetParam().ausgabe), GetParam().endungen);
}

INSTANTIATE_TEST_SUITE_P(
    Ausgaben, Formattabelle,
    ::testing::Values(
        Angebot{Ausgabe::Skizze, ".svg, .png, .jpg, .jpeg, .bmp"},
        Angebot{Ausgabe::Nachweis, ".pdf, .svg, .png, .jpg, .jpeg, .bmp"},
        Angebot{Ausgabe::Projektnachweis, ".pdf"},
        Angebot{Ausgabe::Bedarfsliste, ".txt, .pdf, .svg, .png, .jpg, .jpeg, .bmp"},
        Angebot{Ausgabe::Tabellen, ".csv, .json, .pdf"},
        Angebot{Ausgabe::DxfBild, ".png, .jpg, .jpeg, .svg, .pdf"},
        // The window's picture exports keep their three choices (vector, bitmap, JPEG), in that order.
        Angebot{Ausgabe::Bildexport, ".svg, .bmp, .jpg, .jpeg"},
        Angebot{Ausgabe::Bedarfsexport, ".svg, .bmp, .jpg, .jpeg, .txt"}, Angebot{Ausgabe::PdfExport, ".pdf"},
        Angebot{Ausgabe::TabellenCsvExport, ".csv"}));

TEST(Formattabelle, endungInJederSchreibweiseUndNurDerEigeneName) {
    EXPECT_EQ(FormatDerDatei(Ausgabe::Nachweis, "/tmp/n.PDF"), Ausgabeformat::Pdf);
    EXPECT_EQ(FormatDerDatei(Ausgabe::Nachweis, "n.Jpeg"), Ausgabeformat::Jpeg);
    EXPECT_EQ(FormatDerDatei(Ausgabe::Nachweis, "n.jpg"), Ausgabeformat::Jpeg);
    EXPECT_EQ(FormatDerDatei(Ausgabe::Bedarfsliste, "liste.v2.txt"), Ausgabeformat::Txt);
    EXPECT_FALSE(FormatDerDatei(Ausgabe::Nachweis, "/tmp/ordner.pdf/nachweis"));
    EXPECT_FALSE(FormatDerDatei(Ausgabe::Nachweis, "nachweis"));
    EXPECT_FALSE(FormatDerDatei(Ausgabe::Nachweis, "nachweis."));
    EXPECT_FALSE(FormatDerDatei(Ausgabe::Nachweis, "n.txt"));  // a format, but not one of the proof
    EXPECT_FALSE(FormatDerDatei(Ausgabe::Skizze, "a.emf"));
}

// Bitmaps carry the name of Qt's image writer, the other kinds none; every choice names its extension.
TEST(Formattabelle, jedesFormatHatSeinenSchreiber) {
    for (const Ausgabeformat format :
         {Ausgabeformat::Pdf, Ausgabeformat::Svg, Ausgabeformat::Png, Ausgabeformat::Jpeg, Ausgabeformat::Bmp,
          Ausgabeformat::Txt, Ausgabeformat::Csv, Ausgabeformat::Json}) {
        const TrAusgabeformat& f = Format(format);
        EXPECT_EQ(f.format, format);
        EXPECT_EQ(f.bildformat != nullptr, f.art == Schreibart::Bitmap) << f.endung;
        EXPECT_NE(std::string(f.auswahl).find(std::string("(*.") + f.endung + ")"), std::string::npos)
            << f.endung;
    }
    EXPECT_EQ(Format(Ausgabeformat::Svg).art, Schreibart::Vektorbild);
    EXPECT_EQ(Format(Ausgabeformat::Json).art, Schreibart::Text);
}

}  // namespace
