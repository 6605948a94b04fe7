#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "Dateiinhalt.h"

// Runs the built command-line programs in a folder of their own per test.
namespace fs = std::filesystem;

inline const std::string Beispiel = std::string(ZAVR_SOURCE_DIR) + "/examples/Beispiel.ZAV";

// Width and height from the IHDR chunk of a PNG file's bytes; (0, 0) for anything else.
inline std::pair<int, int> PngGroesse(const std::string& png) {
    if (png.size() <= 24 || png.substr(1, 3) != "PNG") return {0, 0};
    const auto zahl = [&](std::size_t stelle) {
        int wert = 0;
        for (std::size_t i = 0; i < 4; ++i) wert = wert << 8 | static_cast<unsigned char>(png[stelle + i]);
        return wert;
    };
    return {zahl(16), zahl(20)};
}

struct Lauf {
    int status;
    std::string aus;
    std::string fehler;
};

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ordner =
            fs::temp_directory_path() / ("zavr_cli_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }

    std::string Pfad(const std::string& name) const { return (ordner / name).string(); }

    // A tool built without Qt has no sketch, proof, bill or table commands.
    bool OhneQt() const { return Starte(ZAVR_CLI, {"--help"}).aus.find("sketch") == std::string::npos; }

    // Runs a program with the given locale and further environment ("LANG=pl_PL.UTF-8"); arguments are
    // quoted for the shell. The user's folders are the test's own, so no settings of the user's reach it.
    Lauf Starte(const std::string& programm, const std::vector<std::string>& argumente,
                const std::string& locale = "C", const std::string& umgebung = "") const {
        std::string befehl = "HOME='" + Pfad("heim") +
                             "' XDG_CONFIG_HOME= LANG= LC_MESSAGES= LC_NUMERIC= LC_ALL=" + locale + " " +
                             umgebung + " '" + programm + "'";
        for (const std::string& a : argumente) befehl += " '" + a + "'";
        befehl += " > '" + Pfad("aus.txt") + "' 2> '" + Pfad("fehler.txt") + "'";
        const int roh = std::system(befehl.c_str());
        return {WIFEXITED(roh) ? WEXITSTATUS(roh) : -1, DateiInhalt(Pfad("aus.txt")),
                DateiInhalt(Pfad("fehler.txt"))};
    }

    // A copy of the example in which each line `name=...` reads `name=wert`; every line of that name, so a
    // key repeated in several positions is changed in all of them.
    std::string Variante(const std::vector<std::pair<std::string, std::string>>& werte) const {
        std::string text = DateiInhalt(Beispiel);
        for (const auto& [name, wert] : werte) {
            const std::string suche = "\r\n" + name + "=";
            EXPECT_NE(text.find(suche), std::string::npos) << name;
            for (std::size_t anfang = text.find(suche); anfang != std::string::npos;
                 anfang = text.find(suche, anfang + 2)) {
                const std::size_t ende = text.find("\r\n", anfang + 2);
                text.replace(anfang + 2, ende - anfang - 2, name + "=" + wert);
            }
        }
        std::ofstream(Pfad("variante.ZAV"), std::ios::binary) << text;
        return Pfad("variante.ZAV");
    }

    // The text of a PDF file as pdftotext lays it out; pages end with a form feed.
    std::string PdfText(const std::string& pdf) const {
        const std::string befehl = "pdftotext -layout '" + Pfad(pdf) + "' '" + Pfad("text.txt") + "'";
        return std::system(befehl.c_str()) == 0 ? DateiInhalt(Pfad("text.txt")) : std::string();
    }

    fs::path ordner;
};
