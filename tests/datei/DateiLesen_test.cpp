#include "datei/DateiLesen.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <system_error>

#include "datei/Fehlerschicht.h"

namespace {

namespace fs = std::filesystem;

class Lesen : public Testordner {
protected:
    static std::string Grund(const fs::path& pfad, std::size_t hoechstens) {
        return GrundVon([&] { DateiLesen(pfad.string(), hoechstens); });
    }
};

TEST_F(Lesen, ganzeDateiBisZurGrenze) {
    std::ofstream(ordner / "a", std::ios::binary) << std::string(70000, 'a') << '\0' << "b";
    EXPECT_EQ(DateiLesen((ordner / "a").string(), 70002),
              std::string(70000, 'a') + std::string(1, '\0') + "b");
    EXPECT_EQ(Grund(ordner / "a", 70001), "die Datei ist zu groß");
}

// Nothing that is not a regular file is read: a device never ends, a pipe without a writer would block.
TEST_F(Lesen, geraeteOrdnerUndPipesWerdenAbgelehnt) {
    ASSERT_EQ(mkfifo((ordner / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(Grund(ordner / "pipe", 1000), "keine gewöhnliche Datei (ein Gerät oder eine Pipe)");
    EXPECT_EQ(Grund("/dev/zero", 1000), "keine gewöhnliche Datei (ein Gerät oder eine Pipe)");
    EXPECT_EQ(Grund(ordner, 1000), "der Name bezeichnet einen Ordner");
    EXPECT_EQ(Grund(ordner / "fehlt", 1000), "die Datei existiert nicht");
    EXPECT_THROW(GewoehnlicheDateiPruefen((ordner / "pipe").string()), std::system_error);
    EXPECT_THROW(GewoehnlicheDateiPruefen(ordner.string()), std::system_error);
    std::ofstream(ordner / "a") << "x";
    EXPECT_NO_THROW(GewoehnlicheDateiPruefen((ordner / "a").string()));
}

}  // namespace
