#include "dxf/Codepage.h"

#include <gtest/gtest.h>

// Texts of DXF files: one byte per character in the file's code page, \U+XXXX for what it lacks, UTF-8 from
// Release 2007 on; control codes of single-line texts.

struct Kodiert {
    const char* utf8;
    DXF_Codepage codepage;
    const char* file;
};
class Codepage_Text : public ::testing::TestWithParam<Kodiert> {};

TEST_P(Codepage_Text, schreibenUndLesenSindUmkehrbar) {
    std::string written;
    append_in_codepage(written, GetParam().utf8, GetParam().codepage);
    EXPECT_EQ(written, GetParam().file);
    EXPECT_EQ(text_from_codepage(written, GetParam().codepage), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Beispiele, Codepage_Text,
    ::testing::Values(Kodiert{"Stab Ø 12 ü ®", DXF_Codepage::ANSI_1252, "Stab \xD8 12 \xFC \xAE"},
                      Kodiert{"Pręt odległość", DXF_Codepage::ANSI_1250, "Pr\xEAt odleg\xB3o\x9C\xE6"},
                      Kodiert{"Płyta kotwiąca ü", DXF_Codepage::ANSI_1250,
                              "P\xB3yta kotwi\xB9"
                              "ca \xFC"},
                      // What the code page lacks goes as an escape, in either code page.
                      Kodiert{"Pręt Ø12", DXF_Codepage::ANSI_1252,
                              "Pr\\U+0119t \xD8"
                              "12"},
                      Kodiert{"Pręt Ø12", DXF_Codepage::ANSI_1250,
                              "Pr\xEAt \\U+00D8"
                              "12"},
                      Kodiert{"σ ≤ 12", DXF_Codepage::ANSI_1252, "\\U+03C3 \\U+2264 12"},
                      Kodiert{"Pręt Ø12 σ", DXF_Codepage::UTF8, "Pręt Ø12 σ"}));

TEST(Codepage, escapesUndUngueltigeBytesBeimLesen) {
    EXPECT_EQ(text_from_codepage("a\\U+015bb", DXF_Codepage::ANSI_1252), "aśb");  // lower-case hex too
    EXPECT_EQ(text_from_codepage("Pr\\U+0119t", DXF_Codepage::UTF8), "Pręt");
    EXPECT_EQ(text_from_codepage("\\U+12 und \\U", DXF_Codepage::ANSI_1252), "\\U+12 und \\U");
    EXPECT_EQ(text_from_codepage("\x81", DXF_Codepage::ANSI_1252), "\uFFFD");  // unassigned in Windows-1252
    EXPECT_EQ(text_from_codepage("a\xC3", DXF_Codepage::UTF8), "a\uFFFD");     // a sequence cut off
    EXPECT_EQ(codepage_named("ANSI_1250"), DXF_Codepage::ANSI_1250);
    EXPECT_EQ(codepage_named("ANSI_1251"), DXF_Codepage::ANSI_1252);
    EXPECT_STREQ(codepage_name(DXF_Codepage::ANSI_1250), "ANSI_1250");
}

TEST(Codepage, steuerzeichenEinzeiligerTexte) {
    EXPECT_EQ(without_control_codes("%%c16 Stab"), "Ø16 Stab");
    EXPECT_EQ(without_control_codes("90%%d %%p0,5 100%%%"), "90° ±0,5 100%");
    EXPECT_EQ(without_control_codes("%%uunter%%u %%O%%K"), "unter ");
    EXPECT_EQ(without_control_codes("%%065%%066"), "AB");
    EXPECT_EQ(without_control_codes("50 % und %%"), "50 % und %%");
}
