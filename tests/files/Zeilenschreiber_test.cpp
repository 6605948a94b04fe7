#include "files/Zeilenschreiber.h"

#include <gtest/gtest.h>

#include <string>

#include "files/Zeichensatz.h"

// The writer's bytes for texts longer than its buffer, a text that needs UTF-8 found late in the file, and
// line breaks inside entries.

namespace {

template <class Schreiben>
std::string Bytes(Schreiben schreiben) {
    Textziel ziel;
    SchreibeZeilen(ziel, ',', schreiben);
    return ziel.text;
}

std::string Mal(const std::string& text, int n) {
    std::string ergebnis;
    for (int i = 0; i < n; ++i) ergebnis += text;
    return ergebnis;
}

// 100,000 umlauts cross the pieces the writer converts in; each stays one byte.
TEST(Zeilenschreiber, langeTexteInWindows1252) {
    EXPECT_EQ(Bytes([](Zeilenschreiber& s) { s.WriteString("S", "k", Mal("ä", 100000)); }),
              "S.k=" + std::string(100000, '\xE4') + "\r\n");
}

// The character Windows-1252 lacks comes after more lines than the buffer holds: the whole file is written
// again as UTF-8, from the first line on.
TEST(Zeilenschreiber, spaeterTextAusserhalbVonWindows1252MachtDieDateiUtf8) {
    const auto schreiben = [](Zeilenschreiber& s) {
        for (int i = 0; i < 10000; ++i) s.WriteFloat("Größe", {"x", static_cast<std::size_t>(i)}, i / 4.0);
        s.WriteString("Position_1", "TPosition", "Łódź");
        s.WriteBool("Ende", "b", true);
    };
    std::string erwartet(BomUtf8);
    for (int i = 0; i < 10000; ++i) {
        std::string zahl = std::to_string(i / 4) + (i % 4 == 0   ? ""
                                                    : i % 4 == 1 ? ",25"
                                                    : i % 4 == 2 ? ",5"
                                                                 : ",75");
        erwartet += "Größe.x" + std::to_string(i) + "=" + zahl + "\r\n";
    }
    erwartet += "Position_1.TPosition=Łódź\r\nEnde.b=True\r\n";
    EXPECT_EQ(Bytes(schreiben), erwartet);
}

TEST(Zeilenschreiber, zeilenumbruchImEintragWirdLeerzeichen) {
    EXPECT_EQ(Bytes([](Zeilenschreiber& s) { s.WriteString("A\r", "k\n", "x\r\ny"); }), "A .k =x  y\r\n");
}

// A line read from a Windows-1252 file keeps its bytes, unless it holds one of the five unassigned bytes:
// those were read as control characters, which only UTF-8 can hold.
TEST(Zeilenschreiber, zeilenEinerWindows1252Datei) {
    EXPECT_EQ(Bytes([](Zeilenschreiber& s) { s.Zeile("A.k=Gr\xF6\xDF\x65", true); }),
              "A.k=Gr\xF6\xDF\x65\r\n");
    EXPECT_EQ(Bytes([](Zeilenschreiber& s) {
                  s.Zeile("A.k=\xF6", true);
                  s.Zeile("B.k=\x81", true);
              }),
              std::string(BomUtf8) + "A.k=ö\r\nB.k=\xC2\x81\r\n");
}

}  // namespace
