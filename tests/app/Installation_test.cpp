// An installed tree (cmake --install into a folder of its own) starts, finds its language modules and its
// help, and has its desktop entry.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

#include "app/Hilfe.h"
#include "app/QtUmgebung.h"
#include "app/Sprachmodule.h"

namespace {

class Installation : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ziel = new QTemporaryDir;
        QProcess cmake;
        cmake.setProcessChannelMode(QProcess::MergedChannels);
        cmake.start(QStringLiteral(ZAVR_CMAKE),
                    {QStringLiteral("--install"), QStringLiteral(ZAVR_BINARY_DIR), QStringLiteral("--prefix"),
                     ziel->path(), QStringLiteral("--component"), QStringLiteral("Programm")});
        ASSERT_TRUE(cmake.waitForFinished(120000));
        ausgabe = new QString(QString::fromLocal8Bit(cmake.readAll()));
        erfolg = cmake.exitStatus() == QProcess::NormalExit && cmake.exitCode() == 0;
    }
    static void TearDownTestSuite() {
        delete ziel;
        delete ausgabe;
    }
    void SetUp() override { ASSERT_TRUE(erfolg) << ausgabe->toStdString(); }

    static QString Pfad(const char* teil) { return QDir(ziel->path()).filePath(QLatin1String(teil)); }

    static inline QTemporaryDir* ziel = nullptr;
    static inline QString* ausgabe = nullptr;
    static inline bool erfolg = false;
};

TEST_F(Installation, legtProgrammModuleHilfeUndDesktopEintragAb) {
    const QFileInfo verweis(Pfad("bin/zavr"));
    ASSERT_TRUE(verweis.isSymLink());
    EXPECT_EQ(verweis.canonicalFilePath(), QFileInfo(Pfad("lib/zavr/zavr")).canonicalFilePath());
    EXPECT_TRUE(QFileInfo(Pfad("lib/zavr/zavr")).isExecutable());
    EXPECT_TRUE(QFileInfo(Pfad("bin/zavr-cli")).isExecutable());
    EXPECT_TRUE(QFileInfo::exists(Pfad("share/icons/hicolor/scalable/apps/zavr.svg")));

    QSettings eintrag(Pfad("share/applications/zavr.desktop"), QSettings::IniFormat);
    eintrag.beginGroup(QStringLiteral("Desktop Entry"));
    EXPECT_EQ(eintrag.value(QStringLiteral("Type")).toString(), QStringLiteral("Application"));
    EXPECT_EQ(eintrag.value(QStringLiteral("Exec")).toString(), QStringLiteral("zavr %f"));
    EXPECT_EQ(eintrag.value(QStringLiteral("Icon")).toString(), QStringLiteral("zavr"));
}

// The program reached through bin/zavr is the one in lib/zavr: the start window offers the three languages
// from there, each module loads and translates, and each language has its help.
TEST_F(Installation, findetSeineSprachmoduleUndHilfe) {
    const QString programm = QFileInfo(Pfad("bin/zavr")).canonicalFilePath();
    std::vector<QString> namen;
    for (const Sprache& s : VorhandeneSprachen(programm)) namen.push_back(s.name);
    EXPECT_EQ(namen, (std::vector<QString>{QStringLiteral("Deutsch"), QStringLiteral("English"),
                                           QStringLiteral("Polski")}));
    for (const auto& [kennung, datei, hilfe] :
         {std::tuple{2057, "File", "hilfe/eng"}, std::tuple{21, "Plik", "hilfe/plk"},
          std::tuple{1031, "Datei", "hilfe/deu"}}) {
        QTranslator modul;
        ASSERT_TRUE(LadeSprachmodul(modul, programm, kennung)) << kennung;
        const QString text = modul.translate("Befehle", "Datei");
        EXPECT_EQ(text.isEmpty() ? QStringLiteral("Datei") : text, QLatin1String(datei));
        const Hilfe h = Hilfe::FuerProgramm(programm, kennung);
        EXPECT_TRUE(h.Gueltig()) << kennung;
        EXPECT_TRUE(h.Ordner().endsWith(QLatin1String(hilfe))) << h.Ordner().toStdString();
        EXPECT_FALSE(h.Seite(QStringLiteral("MaskeProjektverwaltung")).isEmpty()) << kennung;
    }
}

// Started through its link without a screen, the program comes up and waits in its start window; a program
// that misses a library or crashes on start ends at once.
TEST_F(Installation, startet) {
    QProcess zavr;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    umgebung.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    zavr.setProcessEnvironment(umgebung);
    zavr.setProcessChannelMode(QProcess::MergedChannels);
    zavr.start(Pfad("bin/zavr"), {});
    ASSERT_TRUE(zavr.waitForStarted(10000));
    EXPECT_FALSE(zavr.waitForFinished(4000)) << zavr.readAll().toStdString();
    zavr.kill();
    zavr.waitForFinished(5000);
}

}  // namespace
