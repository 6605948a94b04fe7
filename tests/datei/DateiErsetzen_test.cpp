#include "datei/DateiErsetzen.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "datei/Fehlerschicht.h"

namespace {

namespace fs = std::filesystem;

class Ersetzen : public Testordner {
protected:
    std::size_t Eintraege(const fs::path& o) const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(o), fs::directory_iterator()));
    }
    static std::string Grund(const fs::path& pfad, const std::string& inhalt) {
        return GrundVon([&] { DateiErsetzen(pfad.string(), inhalt); });
    }
};

TEST_F(Ersetzen, jederFehlerLaesstDieAlteDateiUndKeineTemporaereStehen) {
    PruefeSchreibfehler(ordner / "p.ZAV", [&] { return Grund(ordner / "p.ZAV", std::string(100000, 'x')); });
}

// Pieces of every size, from a byte to more than the buffer, land in order; every fault (the disk fills up
// after the first kilobyte went to it) leaves the old file.
TEST_F(Ersetzen, inStueckenGeschrieben) {
    const std::vector<std::string> stuecke{"a", std::string(1000, 'b'),    std::string(3 << 20, 'c'),
                                           "d", std::string(1 << 20, 'e'), ""};
    std::string erwartet;
    for (const std::string& stueck : stuecke) erwartet += stueck;
    PruefeSchreibfehler(ordner / "p.ZAV", [&] {
        return GrundVon([&] {
            Ersetzung ersetzung((ordner / "p.ZAV").string());
            for (const std::string& stueck : stuecke) ersetzung.Schreiben(stueck);
            EXPECT_EQ(ersetzung.Groesse(), erwartet.size());
            ersetzung.Abschliessen();
        });
    });
    EXPECT_EQ(DateiInhalt(ordner / "p.ZAV"), erwartet);
}

// A writer that stops on the way leaves the old file; one that starts over writes only what came after.
TEST_F(Ersetzen, abgebrochenBleibtDasAlteVerworfenBeginntNeu) {
    const fs::path datei = ordner / "p.ZAV";
    std::ofstream(datei) << "alt";
    {
        Ersetzung ersetzung(datei.string());
        ersetzung.Schreiben(std::string(3 << 20, 'x'));
    }
    EXPECT_EQ(DateiInhalt(datei), "alt");
    EXPECT_EQ(Eintraege(ordner), 1u);
    Ersetzung ersetzung(datei.string());
    ersetzung.Schreiben(std::string(2 << 20, 'x'));
    ersetzung.Verwerfen();
    ersetzung.Schreiben("neu");
    EXPECT_EQ(ersetzung.Groesse(), 3u);
    ersetzung.Abschliessen();
    EXPECT_EQ(DateiInhalt(datei), "neu");
    EXPECT_EQ(Eintraege(ordner), 1u);
}

// Content streamed piece by piece, more than the stream's buffer holds, in small and large pieces: the file
// holds every byte, and every fault leaves the old file; so does an exception of the producer itself.
TEST_F(Ersetzen, gestreamterInhaltGanzOderGarNicht) {
    const auto schreiben = [](std::ostream& aus) {
        for (int i = 0; i < 20000; ++i) aus << "Zeile " << i << "\r\n";
        aus.write(std::string(200000, 'y').data(), 200000);
    };
    std::string erwartet;
    for (int i = 0; i < 20000; ++i) erwartet += "Zeile " + std::to_string(i) + "\r\n";
    erwartet += std::string(200000, 'y');
    const fs::path datei = ordner / "plan.dxf";
    PruefeSchreibfehler(datei, [&] { return GrundVon([&] { DateiErsetzen(datei.string(), schreiben); }); });
    EXPECT_EQ(DateiInhalt(datei), erwartet);
    EXPECT_THROW(DateiErsetzen(datei.string(),
                               [](std::ostream& aus) {
                                   aus << "halb";
                                   throw std::runtime_error("abgebrochen");
                               }),
                 std::runtime_error);
    EXPECT_EQ(DateiInhalt(datei), erwartet);
    EXPECT_EQ(Eintraege(ordner), 1u);
}

TEST_F(Ersetzen, fehlerNennenDenGrundUndVergleichenMitErrc) {
    EXPECT_EQ(Grund(ordner / "fehlt" / "p.ZAV", "x"), "der Ordner existiert nicht");
    fs::create_directory(ordner / "ordner.ZAV");
    EXPECT_EQ(Grund(ordner / "ordner.ZAV", "x"), "der Name bezeichnet einen Ordner");
    EXPECT_TRUE(fs::is_directory(ordner / "ordner.ZAV"));
    EXPECT_EQ(Eintraege(ordner), 1u);
    try {
        DateiErsetzen((ordner / "fehlt" / "p.ZAV").string(), "x");
        FAIL();
    } catch (const std::system_error& e) {
        EXPECT_EQ(e.code(), std::errc::no_such_file_or_directory);
        EXPECT_EQ(std::string(e.what()),
                  (ordner / "fehlt" / "p.ZAV").string() + ": der Ordner existiert nicht");
    }
}

TEST_F(Ersetzen, neueDateiMitDenRechtenDerUmaskErsetzteMitIhrenEigenen) {
    const mode_t alt = umask(027);
    DateiErsetzen((ordner / "neu").string(), "a");
    umask(alt);
    EXPECT_EQ(fs::status(ordner / "neu").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    chmod((ordner / "neu").c_str(), 0604);
    DateiErsetzen((ordner / "neu").string(), "b");
    EXPECT_EQ(fs::status(ordner / "neu").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    EXPECT_EQ(DateiInhalt(ordner / "neu"), "b");
}

// A colleague's save in a shared folder (the owner lets others write the file) must not take the file from
// its owner.
TEST_F(Ersetzen, ersetzteDateiBehaeltEigentuemerUndGruppe) {
    const fs::path datei = ordner / "p.ZAV";
    std::ofstream(datei) << "alt";
    if (chown(datei.c_str(), 4321, 8765) != 0)
        GTEST_SKIP() << "only a privileged process may hand files over";
    ASSERT_EQ(chmod(datei.c_str(), 0666), 0);
    DateiErsetzen(datei.string(), "neu");
    struct stat info {};
    ASSERT_EQ(stat(datei.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 8765u);
    EXPECT_EQ(DateiInhalt(datei), "neu");
}

TEST_F(Ersetzen, verweisBleibtUndSeinZielWirdGeschriebenAuchWennEsFehlt) {
    fs::create_directory(ordner / "ablage");
    fs::create_symlink("ablage/p.ZAV", ordner / "verweis.ZAV");  // dangling, relative
    DateiErsetzen((ordner / "verweis.ZAV").string(), "eins");
    EXPECT_TRUE(fs::is_symlink(ordner / "verweis.ZAV"));
    EXPECT_EQ(DateiInhalt(ordner / "ablage" / "p.ZAV"), "eins");
    fs::create_symlink(ordner / "verweis.ZAV", ordner / "kette.ZAV");  // a link to the link
    DateiErsetzen((ordner / "kette.ZAV").string(), "zwei");
    EXPECT_TRUE(fs::is_symlink(ordner / "kette.ZAV"));
    EXPECT_EQ(DateiInhalt(ordner / "ablage" / "p.ZAV"), "zwei");
    EXPECT_EQ(Eintraege(ordner / "ablage"), 1u);
    fs::create_symlink("schleife", ordner / "schleife");
    EXPECT_EQ(Grund(ordner / "schleife", "x"), "zu viele symbolische Verweise");
}

// A file its owner protected is not replaced, whoever saves it: root, whom the system lets write any file,
// is held to the file's mode like any user (the owner's, the group's or the others' write bit).
TEST_F(Ersetzen, geschuetzteDateiBleibtFuerJeden) {
    const uid_t ich = geteuid();
    const gid_t meine = getegid();
    constexpr uid_t fremd = 4321;
    constexpr gid_t fremde = 8765;
    const struct {
        uid_t eigentuemer;
        gid_t gruppe;
        mode_t modus;
        bool geschuetzt;
    } faelle[] = {
        {ich, meine, 0444, true},     {ich, meine, 0644, false},    {ich, meine, 0464, true},
        {fremd, meine, 0644, true},   {fremd, meine, 0664, false},  {fremd, fremde, 0664, true},
        {fremd, fremde, 0666, false}, {fremd, fremde, 0446, false},
    };
    const fs::path datei = ordner / "p.ZAV";
    for (const auto& fall : faelle) {
        SCOPED_TRACE(testing::Message()
                     << fall.eigentuemer << ":" << fall.gruppe << " " << std::oct << fall.modus);
        std::ofstream(datei) << "alt";
        if (chown(datei.c_str(), fall.eigentuemer, fall.gruppe) != 0) continue;  // only root hands files over
        ASSERT_EQ(chmod(datei.c_str(), fall.modus), 0);
        if (fall.geschuetzt) {
            EXPECT_EQ(Grund(datei, "neu"), "die Datei ist schreibgeschützt");
            EXPECT_EQ(DateiInhalt(datei), "alt");
        } else {
            EXPECT_EQ(Grund(datei, "neu"), "");
            EXPECT_EQ(DateiInhalt(datei), "neu");
        }
        EXPECT_EQ(Eintraege(ordner), 1u);
        fs::remove(datei);
    }
}

// Through a link the protected file is the one that counts; the reason compares like any missing permission.
TEST_F(Ersetzen, geschuetzteDateiHinterEinemVerweis) {
    std::ofstream(ordner / "ziel.ZAV") << "alt";
    fs::permissions(ordner / "ziel.ZAV", fs::perms::owner_read);
    fs::create_symlink("ziel.ZAV", ordner / "verweis.ZAV");
    try {
        DateiErsetzen((ordner / "verweis.ZAV").string(), "neu");
        FAIL();
    } catch (const std::system_error& e) {
        EXPECT_EQ(e.code(), std::errc::permission_denied);
        EXPECT_EQ(Fehlergrund(e), "die Datei ist schreibgeschützt");
    }
    EXPECT_EQ(DateiInhalt(ordner / "ziel.ZAV"), "alt");
    EXPECT_TRUE(fs::is_symlink(ordner / "verweis.ZAV"));
    EXPECT_EQ(Eintraege(ordner), 2u);
}

// Beyond the process's file-size limit (ulimit -f) the save names its reason instead of the program being
// killed, and the old file stays. The limit is set in a child process of its own.
TEST_F(Ersetzen, ueberDerDateigroessenGrenzeEinGrundStattDesSignals) {
    const fs::path datei = ordner / "p.ZAV";
    std::ofstream(datei) << "alt";
    const auto unterDerGrenze = [&] {
        const rlimit grenze{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &grenze);
        const std::string grund = Grund(datei, std::string(1 << 20, 'x'));
        const bool richtig = grund == "die Datei wäre größer als erlaubt" && DateiInhalt(datei) == "alt" &&
                             Eintraege(ordner) == 1;
        std::exit(richtig ? 0 : 1);
    };
    EXPECT_EXIT(unterDerGrenze(), ::testing::ExitedWithCode(0), "");
}

// What a save killed before its rename leaves behind goes with the next save of that file; the temporary
// file of a save still running (it holds its lock) and files of the user's that merely look alike stay.
TEST_F(Ersetzen, resteAbgebrochenerSpeicherungenVerschwinden) {
    for (const char* name :
         {".p.ZAV.zavr-a1B2c3", ".p.ZAV.zavr-Zz9999", ".p.ZAV.zavr-laeuft", "p.ZAV.zavr-xyz123",
          ".p.ZAV.zavr-zulang7", ".q.ZAV.zavr-a1B2c3", "p.ZAV.backup"})
        std::ofstream(ordner / name) << "rest";
    const int laeuft = open((ordner / ".p.ZAV.zavr-laeuft").c_str(), O_RDONLY);
    ASSERT_EQ(flock(laeuft, LOCK_EX), 0);
    DateiErsetzen((ordner / "p.ZAV").string(), "neu");
    close(laeuft);
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(ordner)) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    EXPECT_EQ(namen,
              (std::vector<std::string>{".p.ZAV.zavr-laeuft", ".p.ZAV.zavr-zulang7", ".q.ZAV.zavr-a1B2c3",
                                        "p.ZAV", "p.ZAV.backup", "p.ZAV.zavr-xyz123"}));
}

}  // namespace
