#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "Dateiinhalt.h"
#include "datei/Dateifehler.h"
#include "datei/Dateischicht.h"

// A folder of its own for each test, removed afterwards.
class Testordner : public ::testing::Test {
protected:
    void SetUp() override {
        ordner = std::filesystem::temp_directory_path() /
                 ("zavr_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(ordner);
    }
    void TearDown() override { std::filesystem::remove_all(ordner); }

    std::filesystem::path ordner;
};

// The reason a file operation names when it fails (Fehlergrund), or an empty text when it succeeds.
template <class Aufruf>
std::string GrundVon(Aufruf aufruf) {
    try {
        aufruf();
        return {};
    } catch (const std::exception& e) {
        return Fehlergrund(e);
    }
}

// A file layer that fails at one step the way a full disk, a folder without write permission or a failing
// disk does; the steps before it work on the real file system. Writing fails after `nachBytes` bytes went
// through, as on a disk that fills up on the way.
class Fehlerschicht : public Dateischicht {
public:
    enum class Schritt { Anlegen, Schreiben, Sichern, Umbenennen };
    Fehlerschicht(Schritt schritt, int code, std::size_t nachBytes = 1024)
        : schritt(schritt), code(code), nachBytes(nachBytes) {}

    int Anlegen(std::string& muster) override {
        if (schritt == Schritt::Anlegen) return Fehler();
        return Dateischicht::Anlegen(muster);
    }
    ssize_t Schreiben(int fd, const char* daten, std::size_t laenge) override {
        if (schritt != Schritt::Schreiben) return Dateischicht::Schreiben(fd, daten, laenge);
        if (geschrieben >= nachBytes) return Fehler();
        const ssize_t n = Dateischicht::Schreiben(fd, daten, std::min(laenge, nachBytes - geschrieben));
        if (n > 0) geschrieben += static_cast<std::size_t>(n);
        return n;
    }
    int Sichern(int fd) override {
        return schritt == Schritt::Sichern ? Fehler() : Dateischicht::Sichern(fd);
    }
    int Umbenennen(const std::string& von, const std::string& nach) override {
        return schritt == Schritt::Umbenennen ? Fehler() : Dateischicht::Umbenennen(von, nach);
    }

private:
    int Fehler() const {
        errno = code;
        return -1;
    }

    Schritt schritt;
    int code;
    std::size_t nachBytes;
    std::size_t geschrieben = 0;
};

struct Schreibfehlerfall {
    const char* name;
    Fehlerschicht::Schritt schritt;
    int code;
    const char* grund;  // the reason the program names
};

inline const std::vector<Schreibfehlerfall> Schreibfehlerfaelle{
    {"DatentraegerVollBeimSchreiben", Fehlerschicht::Schritt::Schreiben, ENOSPC, "der Datenträger ist voll"},
    {"DatentraegerVollBeimSichern", Fehlerschicht::Schritt::Sichern, ENOSPC, "der Datenträger ist voll"},
    {"KontingentErschoepft", Fehlerschicht::Schritt::Schreiben, EDQUOT,
     "das Speicherkontingent ist erschöpft"},
    {"KeineSchreibberechtigung", Fehlerschicht::Schritt::Anlegen, EACCES, "keine Schreibberechtigung"},
    {"Schreibgeschuetzt", Fehlerschicht::Schritt::Anlegen, EROFS, "der Datenträger ist schreibgeschützt"},
    {"DatentraegerFehler", Fehlerschicht::Schritt::Sichern, EIO, "Ein-/Ausgabefehler des Datenträgers"},
    {"UmbenennenVerweigert", Fehlerschicht::Schritt::Umbenennen, EACCES, "keine Schreibberechtigung"},
    {"GroesserAlsErlaubt", Fehlerschicht::Schritt::Schreiben, EFBIG, "die Datei wäre größer als erlaubt"},
};

// Runs `speichern`, which writes `datei` (alone in its folder) and returns the reason of a failure or an
// empty text, under every fault of Schreibfehlerfaelle and with the file made read-only: each must name its
// reason, leave the file that was there byte for byte and leave no temporary file behind. Then, without a
// fault, the file is written.
inline void PruefeSchreibfehler(const std::filesystem::path& datei,
                                const std::function<std::string()>& speichern) {
    const std::string alt = "alter Inhalt, der bleiben muss\r\n";
    std::ofstream(datei, std::ios::binary) << alt;
    const auto altBleibt = [&] {
        EXPECT_EQ(DateiInhalt(datei), alt);
        const auto eintraege = std::distance(std::filesystem::directory_iterator(datei.parent_path()),
                                             std::filesystem::directory_iterator());
        EXPECT_EQ(eintraege, 1);
    };
    for (const Schreibfehlerfall& fall : Schreibfehlerfaelle) {
        SCOPED_TRACE(fall.name);
        Fehlerschicht schicht(fall.schritt, fall.code);
        {
            const DateischichtErsetzen ersetzt(schicht);
            EXPECT_EQ(speichern(), fall.grund);
        }
        altBleibt();
    }
    namespace fs = std::filesystem;
    const fs::perms lesbar = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(datei, lesbar);
    EXPECT_EQ(speichern(), "die Datei ist schreibgeschützt");
    altBleibt();
    fs::permissions(datei, lesbar | fs::perms::owner_write);
    EXPECT_EQ(speichern(), "");
    EXPECT_NE(DateiInhalt(datei), alt);
}
