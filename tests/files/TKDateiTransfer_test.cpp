#include "files/TKDateiTransfer.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <system_error>

#include "datei/Fehlerschicht.h"
#include "files/Zeilenschreiber.h"

namespace {

namespace fs = std::filesystem;

TKDateiTransfer Store(const std::string& text, char trenner = ',') {
    TKDateiTransfer s(trenner);
    s.SetDateiInhalt(text);
    return s;
}

void Schreiben(const fs::path& pfad, const std::string& inhalt) {
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

class TempOrdner : public ::testing::Test {
protected:
    void SetUp() override {
        ordner =
            fs::temp_directory_path() / ("zavr_store_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }
    fs::path ordner;
};

TEST(Schreiben, eineZeileJeAufrufInAufrufreihenfolge) {
    TKDateiTransfer s(',');
    s.WriteInteger("HauptMaske", "TAnzAnwendung", 3);
    s.WriteFloat("A", "f", 12.5);
    s.WriteBool("A", "b", true);
    s.WriteBool("A", "b", false);
    s.WriteString("A", "s", "x=y");
    EXPECT_EQ(s.GetDaten(), (std::vector<std::string>{"HauptMaske.TAnzAnwendung=3", "A.f=12,5", "A.b=True",
                                                      "A.b=False", "A.s=x=y"}));
}

TEST(Schreiben, zeilenumbruchImWertTeiltDenEintragNicht) {
    TKDateiTransfer s(',');
    s.WriteString("Position_1", "TPosition", "A\r\nHauptMaske.TAnzAnwendung=999\nB");
    EXPECT_EQ(s.GetDateiInhalt(), "Position_1.TPosition=A  HauptMaske.TAnzAnwendung=999 B\r\n");
}

TEST(Lesen, verbrauchtGeleseneZeilen) {
    TKDateiTransfer s = Store("A.k=5\r\nA.s=text\r\nA.b=True\r\nA.f=2,5\r\n");
    EXPECT_EQ(s.ReadInteger("A", "k", 0), 5);
    EXPECT_EQ(s.ReadInteger("A", "k", -1), -1);
    EXPECT_EQ(s.ReadString("A", "s", "vorgabe"), "text");
    EXPECT_EQ(s.ReadString("A", "s", "vorgabe"), "");
    EXPECT_TRUE(s.ReadBool("A", "b", false));
    EXPECT_FALSE(s.ReadBool("A", "b", true));
    EXPECT_EQ(s.ReadFloat("A", "f", 0), 2.5);
    EXPECT_EQ(s.ReadFloat("A", "f", 7), 7);
    EXPECT_EQ(s.GetAnzahlZeilen(), 0u);
}

TEST(Lesen, wiederholteNamenInDateireihenfolge) {
    TKDateiTransfer s = Store("A.k=1\nB.k=9\nA.k=2\nA.k=3\n");
    EXPECT_EQ(s.ReadInteger("A", "k", 0), 1);
    EXPECT_EQ(s.ReadInteger("A", "k", 0), 2);
    s.WriteInteger("A", "k", 4);  // written after reads: joins the end of the queue
    EXPECT_EQ(s.ReadInteger("A", "k", 0), 3);
    EXPECT_EQ(s.ReadInteger("A", "k", 0), 4);
    EXPECT_EQ(s.ReadInteger("A", "k", 0), 0);
    EXPECT_EQ(s.GetDaten(), std::vector<std::string>{"B.k=9"});
}

TEST(Lesen, leererWertBleibtStehenUndVerdecktSpaetereZeilen) {
    TKDateiTransfer s = Store("A.k=\nA.k=5\n");
    EXPECT_EQ(s.ReadInteger("A", "k", 7), 7);
    EXPECT_EQ(s.ReadInteger("A", "k", 7), 7);
    EXPECT_EQ(s.ReadString("A", "k"), "");
    EXPECT_EQ(s.GetDaten(), (std::vector<std::string>{"A.k=", "A.k=5"}));
}

TEST(Lesen, namenOhneRuecksichtAufGrossKleinschreibung) {
    TKDateiTransfer s = Store("hauptmaske.tanzanwendung=3\nSTUECKLISTE.TSTUECKLISTEDECKENST\xC4RKE1=24 cm\n");
    EXPECT_EQ(s.ReadInteger("HauptMaske", "TAnzAnwendung", 0), 3);
    EXPECT_EQ(s.ReadString("Stueckliste", "TStuecklisteDeckenstärke1"), "24 cm");
}

TEST(Lesen, werteDagegenGenau) {
    TKDateiTransfer s = Store("A.a=true\nA.b=TRUE\nA.c=True \nA.d=True\n");
    EXPECT_FALSE(s.ReadBool("A", "a"));
    EXPECT_FALSE(s.ReadBool("A", "b"));
    EXPECT_FALSE(s.ReadBool("A", "c"));
    EXPECT_TRUE(s.ReadBool("A", "d"));
}

TEST(Lesen, wertNachDemErstenGleichheitszeichen) {
    TKDateiTransfer s = Store("A.k=a=b\nA.x.y z=1\nohne Gleichheitszeichen\nA.leer\n");
    EXPECT_EQ(s.ReadString("A", "k"), "a=b");
    EXPECT_EQ(s.ReadInteger("A", "x.y z", 0), 1);
    EXPECT_EQ(s.ReadString("A", "leer"), "");
    EXPECT_EQ(s.GetDaten(), (std::vector<std::string>{"ohne Gleichheitszeichen", "A.leer"}));
}

// No key holds "=" or a line break: a key with one of them, wherever it stands in a key of any length, finds
// nothing, also where the file's bytes hold it as they stand.
TEST(Lesen, schluesselMitGleichheitszeichenOderUmbruchFindetNichts) {
    for (std::size_t laenge = 1; laenge <= 20; ++laenge)
        for (std::size_t stelle = 0; stelle < laenge; ++stelle)
            for (const char zeichen : {'=', '\r', '\n'}) {
                std::string key(laenge, 'k');
                key[stelle] = zeichen;
                TKDateiTransfer s = Store("A." + key + "=5\n");
                EXPECT_EQ(s.ReadInteger("A", key, 7), 7) << laenge << " " << stelle << " " << int{zeichen};
            }
}

// A number that is not finite is no input a design could work with: it reads as the default.
TEST(Lesen, nichtEndlicheZahlenNehmenDieVorgabe) {
    TKDateiTransfer s = Store("A.a=NAN\nA.b=INF\nA.c=-INF\nA.d=1E400\nA.e=-1,5e309\nA.f=1E308\nA.g=inf\n");
    for (const char* key : {"a", "b", "c", "d", "e", "g"}) EXPECT_EQ(s.ReadFloat("A", key, 7), 7) << key;
    EXPECT_EQ(s.ReadFloat("A", "f", 7), 1e308);
}

TEST(Lesen, vorhandenVerbrauchtNichts) {
    TKDateiTransfer s = Store("A.k=1\nA.leer=\n");
    EXPECT_TRUE(s.Vorhanden("a", "K"));
    EXPECT_TRUE(s.Vorhanden("A", "k"));
    EXPECT_TRUE(s.Vorhanden("A", "leer"));
    EXPECT_FALSE(s.Vorhanden("A", "fehlt"));
    EXPECT_EQ(s.ReadInteger("A", "k", 0), 1);
    EXPECT_FALSE(s.Vorhanden("A", "k"));
}

TEST(Lesen, zahlenMitBeidenDezimaltrennernUndSonstVorgabe) {
    TKDateiTransfer s = Store("A.f=0.5\nA.g=0,5\nA.h=x\nA.i=1,5\n", '.');
    EXPECT_EQ(s.ReadFloat("A", "f", 9), 0.5);
    EXPECT_EQ(s.ReadFloat("A", "g", 9), 0.5);
    EXPECT_EQ(s.ReadFloat("A", "h", 9), 9);
    EXPECT_EQ(s.ReadInteger("A", "i", 9), 9);
}

TEST(Datei, windows1252MitCrLfAuchNachDerLetztenZeile) {
    TKDateiTransfer s(',');
    s.WriteString("S", "TStuecklisteDeckenstärke1", "Maß 24 €");
    s.WriteString("S", "leer", "");
    EXPECT_EQ(s.GetDateiInhalt(), "S.TStuecklisteDeckenst\xE4rke1=Ma\xDF 24 \x80\r\nS.leer=\r\n");
}

TEST(Datei, zeichenAusserhalbVonWindows1252AlsUtf8MitBom) {
    TKDateiTransfer s(',');
    s.WriteString("ProjektDaten", "TBauvorhaben", "Łódź → Nord");
    const std::string inhalt = s.GetDateiInhalt();
    EXPECT_EQ(inhalt, "\xEF\xBB\xBFProjektDaten.TBauvorhaben=Łódź → Nord\r\n");
    TKDateiTransfer gelesen = Store(inhalt);
    EXPECT_EQ(gelesen.ReadString("ProjektDaten", "TBauvorhaben"), "Łódź → Nord");
}

struct Kodierung {
    const char* name;
    std::string bytes;
};

class DateiLaden : public ::testing::TestWithParam<Kodierung> {};

// The same two entries in every encoding a file may come in; lines end in CR LF, a lone LF or a lone CR.
TEST_P(DateiLaden, erkenntBomUndZeilenenden) {
    TKDateiTransfer s = Store(GetParam().bytes);
    EXPECT_EQ(s.GetDaten(), (std::vector<std::string>{"A.ä=Größe", "B.k=1", "C.k=2"}));
}

INSTANTIATE_TEST_SUITE_P(
    Kodierungen, DateiLaden,
    ::testing::Values(Kodierung{"Windows1252", "A.\xE4=Gr\xF6\xDF\x65\r\nB.k=1\nC.k=2\r"},
                      Kodierung{"Utf8Bom",
                                "\xEF\xBB\xBF"
                                "A.ä=Größe\rB.k=1\r\nC.k=2"},
                      Kodierung{"Utf16LE", std::string("\xFF\xFE"
                                                       "A\0.\0\xE4\0=\0G\0r\0\xF6\0\xDF\0e\0\r\0\n\0"
                                                       "B\0.\0k\0=\0001\0\n\0C\0.\0k\0=\0002\0",
                                                       46)},
                      Kodierung{"Utf16BE", std::string("\xFE\xFF"
                                                       "\0A\0.\0\xE4\0=\0G\0r\0\xF6\0\xDF\0e\0\r"
                                                       "\0B\0.\0k\0=\0001\0\r\0\n\0C\0.\0k\0=\0002",
                                                       46)}),
    [](const auto& info) { return info.param.name; });

// Old Mac files end lines with CR only; splitting them must stay linear.
TEST(DateiLaden, vieleZeilenNurMitCr) {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "A.k" + std::to_string(i) + "=1\r";
    TKDateiTransfer s = Store(text + "\n");
    EXPECT_EQ(s.GetAnzahlZeilen(), 100000u);
    EXPECT_EQ(s.ReadInteger("A", "k99999", 0), 1);
}

struct Utf8Fall {
    const char* name;
    std::string bytes;
    std::string text;
};
class Utf8Lesen : public ::testing::TestWithParam<Utf8Fall> {};

// One replacement character for each ill-formed sequence, that is for the longest beginning of a sequence
// that is well-formed; the bytes after it start anew. What comes out is valid UTF-8.
TEST_P(Utf8Lesen, ersetztJedeUngueltigeFolge) {
    TKDateiTransfer s = Store(
        "\xEF\xBB\xBF"
        "A.k=<" +
        GetParam().bytes + ">");
    EXPECT_EQ(s.ReadString("A", "k"), "<" + GetParam().text + ">");
}

const std::string Ersatz = "\xEF\xBF\xBD";

INSTANTIATE_TEST_SUITE_P(
    Folgen, Utf8Lesen,
    ::testing::Values(Utf8Fall{"jenseitsVon10FFFF", "\xF4\x90\x80\x80", Ersatz + Ersatz + Ersatz + Ersatz},
                      Utf8Fall{"ueberlang2", "\xC0\xAF", Ersatz + Ersatz},
                      Utf8Fall{"ueberlang3", "\xE0\x80\xAF", Ersatz + Ersatz + Ersatz},
                      Utf8Fall{"ueberlang4", "\xF0\x8F\xBF\xBF", Ersatz + Ersatz + Ersatz + Ersatz},
                      Utf8Fall{"ersatzcode", "\xED\xA0\x80", Ersatz + Ersatz + Ersatz},
                      Utf8Fall{"abgebrochen", "\xE2\x82", Ersatz},
                      Utf8Fall{"abgebrochenVorAscii",
                               "\xF0\x9F\x98"
                               "A",
                               Ersatz + "A"},
                      Utf8Fall{"einzelneFolgebytes", "\x80\xBF", Ersatz + Ersatz},
                      Utf8Fall{"keinStartbyte", "\xF5\xFF", Ersatz + Ersatz},
                      Utf8Fall{"gueltig", "\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF",
                               "\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"}),
    [](const auto& info) { return info.param.name; });

// Blank lines are no entries and take no memory per line, however many there are.
TEST(DateiLaden, leereZeilenWerdenUebergangen) {
    EXPECT_EQ(Store("A.k=1\n\n\r\n\r\rB.k=2\n").GetDaten(), (std::vector<std::string>{"A.k=1", "B.k=2"}));
    const TKDateiTransfer s = Store("A.k=1\r\n" + std::string(2'000'000, '\n') + "B.k=2\r\n");
    EXPECT_EQ(s.GetAnzahlZeilen(), 2u);
}

// A file whose short lines change section at every line needs a block per line; more blocks than the bound
// for its size are refused, as reading them would take memory beyond the bound. 87,381 lines of four bytes
// are exactly the bound (349,524 / 16 + 65,536).
TEST(DateiLaden, hoechstensMaxBloecke) {
    std::string zeilen;
    for (int i = 0; i < 87381; ++i) zeilen += i % 2 == 0 ? "A.=\n" : "B.=\n";
    ASSERT_EQ(TKDateiTransfer::MaxBloecke(zeilen.size()), 87381u);
    EXPECT_EQ(Store(zeilen).GetAnzahlZeilen(), 87381u);
    try {
        Store(zeilen + "B.=\n");
        FAIL() << "more blocks than a file may need";
    } catch (const std::system_error& e) {
        EXPECT_EQ(e.code(), std::errc::file_too_large);
        EXPECT_EQ(e.code().message(), "die Datei ist zu groß");
    }
}

TEST(DateiLaden, beschaedigteBytesBrechenNichtAb) {
    // A lone UTF-16 surrogate, an odd trailing byte, a broken UTF-8 sequence and the unassigned 0x81.
    EXPECT_EQ(Store(std::string("\xFF\xFE"
                                "A\0=\0\x00\xD8"
                                "b\0\x01",
                                11))
                  .GetDaten(),
              std::vector<std::string>{"A=\xEF\xBF\xBD"
                                       "b\xEF\xBF\xBD"});
    EXPECT_EQ(Store("\xEF\xBB\xBF"
                    "A=\xC3(")
                  .GetDaten(),
              std::vector<std::string>{"A=\xEF\xBF\xBD("});
    TKDateiTransfer s = Store("A.k=\x81");
    EXPECT_EQ(s.ReadString("A", "k"), "\xC2\x81");
}

TEST_F(TempOrdner, speichernUndLesenUeberDieDatei) {
    TKDateiTransfer s(',');
    s.WriteFloat("A", "f", 0.125);
    s.SaveFile(ordner / "p.ZAV");
    EXPECT_EQ(DateiInhalt(ordner / "p.ZAV"), "A.f=0,125\r\n");
    TKDateiTransfer gelesen('.');
    gelesen.ReadFile(ordner / "p.ZAV");
    EXPECT_EQ(gelesen.ReadFloat("A", "f", 0), 0.125);
    EXPECT_EQ(fs::directory_iterator(ordner)->path().filename(), "p.ZAV");  // no temporary file left
}

TEST_F(TempOrdner, fehlendeDateiIstEinFehler) {
    TKDateiTransfer s;
    EXPECT_THROW(s.ReadFile(ordner / "fehlt.ZAV"), std::system_error);
    EXPECT_THROW(s.ReadFile(ordner), std::system_error);
}

// Whatever the name stands for, reading ends at once with the reason: no device read for ever, no pipe
// waited on, no file larger than the maximum read into memory.
TEST_F(TempOrdner, geraetePipesUndZuGrosseDateienWerdenNichtGelesen) {
    const auto grund = [](const fs::path& pfad) {
        return GrundVon([&] { TKDateiTransfer().ReadFile(pfad); });
    };
    ASSERT_EQ(mkfifo((ordner / "pipe.ZAV").c_str(), 0600), 0);
    EXPECT_EQ(grund(ordner / "pipe.ZAV"), "keine gewöhnliche Datei (ein Gerät oder eine Pipe)");
    EXPECT_EQ(grund("/dev/zero"), "keine gewöhnliche Datei (ein Gerät oder eine Pipe)");
    Schreiben(ordner / "gross.ZAV", "A.k=1\r\n");
    fs::resize_file(ordner / "gross.ZAV", TKDateiTransfer::MaxDateigroesse + 1);  // sparse
    EXPECT_EQ(grund(ordner / "gross.ZAV"), "die Datei ist zu groß");
}

// A file larger than the bound is not written: it could not be read again. The old file stays.
TEST_F(TempOrdner, zuGrosseDateiWirdNichtGeschrieben) {
    Schreiben(ordner / "p.ZAV", "alt\r\n");
    const std::string pfad = ordner / "p.ZAV";
    Dateiziel ziel(pfad, 1000);
    try {
        SchreibeZeilen(ziel, ',', [](Zeilenschreiber& s) {
            for (int i = 0; i < 101; ++i) s.WriteBool("A", "b", true);  // ten bytes each
        });
        ziel.Abschliessen();
        FAIL() << "more bytes than a file may hold";
    } catch (const std::system_error& e) {
        EXPECT_EQ(e.code().message(), "die Datei wäre größer als erlaubt");
    }
    EXPECT_EQ(DateiInhalt(pfad), "alt\r\n");
}

// The disk fills up while the new content is written: the old file must survive unchanged, and no
// temporary file may stay behind.
TEST_F(TempOrdner, misslungenesSpeichernLaesstDieAlteDateiStehen) {
    const fs::path datei = ordner / "p.ZAV";
    Schreiben(datei, "alter Inhalt\r\n");
    TKDateiTransfer s(',');
    for (int i = 0; i < 5000; ++i) s.WriteInteger("A", "k" + std::to_string(i), i);

    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    rlimit klein = alt;
    klein.rlim_cur = 4096;
    const auto alterHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &klein);
    EXPECT_THROW(s.SaveFile(datei), std::system_error);
    setrlimit(RLIMIT_FSIZE, &alt);
    signal(SIGXFSZ, alterHandler);

    EXPECT_EQ(DateiInhalt(datei), "alter Inhalt\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), fs::directory_iterator()), 1);
}

TEST_F(TempOrdner, speichernInEinenFehlendenOrdnerOderAufEinenOrdner) {
    TKDateiTransfer s;
    s.WriteInteger("A", "k", 1);
    EXPECT_THROW(s.SaveFile(ordner / "fehlt" / "p.ZAV"), std::system_error);
    fs::create_directory(ordner / "p.ZAV");
    EXPECT_THROW(s.SaveFile(ordner / "p.ZAV"), std::system_error);
    EXPECT_TRUE(fs::is_directory(ordner / "p.ZAV"));
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), fs::directory_iterator()), 1);
}

TEST_F(TempOrdner, symbolischerVerweisBleibtErhalten) {
    fs::create_directory(ordner / "ablage");
    Schreiben(ordner / "ablage" / "p.ZAV", "alt");
    fs::create_symlink(ordner / "ablage" / "p.ZAV", ordner / "verweis.ZAV");
    TKDateiTransfer s;
    s.WriteInteger("A", "k", 1);
    s.SaveFile(ordner / "verweis.ZAV");
    EXPECT_TRUE(fs::is_symlink(ordner / "verweis.ZAV"));
    EXPECT_EQ(DateiInhalt(ordner / "ablage" / "p.ZAV"), "A.k=1\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner / "ablage"), fs::directory_iterator()), 1);
}

TEST_F(TempOrdner, ersetzteDateiBehaeltIhreRechte) {
    const fs::path datei = ordner / "p.ZAV";
    Schreiben(datei, "alt");
    fs::permissions(datei, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    TKDateiTransfer s;
    s.WriteInteger("A", "k", 1);
    s.SaveFile(datei);
    EXPECT_EQ(fs::status(datei).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace

namespace {

// The index answers in any order of reads, also for names that differ only in case or in a digit, and
// when lines are written while reading (which makes the index grow).
TEST(Lesen, beliebigeLesereihenfolgeUeberVieleNamen) {
    TKDateiTransfer s(',');
    constexpr int Anzahl = 3000;
    for (int i = 0; i < Anzahl; ++i)
        s.WriteInteger("Abschnitt_" + std::to_string(i % 7), "Wert_" + std::to_string(i), i);
    std::vector<int> folge(Anzahl);
    for (int i = 0; i < Anzahl; ++i) folge[i] = (i * 1237) % Anzahl;  // 1237 is prime to 3000: a permutation
    for (int n = 0; n < Anzahl; ++n) {
        const int i = folge[n];
        if (n == Anzahl / 2)
            for (int j = 0; j < Anzahl; ++j) s.WriteInteger("NACHTRAG", "w" + std::to_string(j), -j);
        EXPECT_EQ(s.ReadInteger("abschnitt_" + std::to_string(i % 7), "WERT_" + std::to_string(i), -1), i);
    }
    for (int j = Anzahl - 1; j >= 0; --j)
        EXPECT_EQ(s.ReadInteger("Nachtrag", "W" + std::to_string(j), 1), -j);
    EXPECT_EQ(s.GetAnzahlZeilen(), 0u);
}

}  // namespace
