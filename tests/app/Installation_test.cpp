// An installed tree (cmake --install into a folder of its own) starts, finds its language modules and its
// help, and has its desktop entry and the type of its project files.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
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

QString Ausfuehren(const QString& programm, const QStringList& argumente, int& status) {
    QProcess prozess;
    prozess.setProcessChannelMode(QProcess::MergedChannels);
    prozess.start(programm, argumente);
    if (!prozess.waitForFinished(60000)) return QStringLiteral("no end: ") + programm;
    status = prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1;
    return QString::fromLocal8Bit(prozess.readAll());
}

// A double click on a project in the file manager opens it in the program: the desktop entry is valid and
// takes the project type, which the MIME database knows by the extension and by the first line, with the
// program's icon.
TEST_F(Installation, projektdateienSindEinTypDesProgramms) {
    int status = -1;
    const QString entry = Pfad("share/applications/zavr.desktop");
    const QString pruefung = Ausfuehren(QStringLiteral("desktop-file-validate"), {entry}, status);
    EXPECT_EQ(status, 0) << pruefung.toStdString();
    QFile eintrag(entry);  // QSettings would take the list's ";" for a comment
    ASSERT_TRUE(eintrag.open(QIODevice::ReadOnly));
    EXPECT_TRUE(eintrag.readAll().contains("\nMimeType=application/x-zavr-projekt;\n"));

    ASSERT_TRUE(QFileInfo::exists(Pfad("share/mime/packages/zavr.xml")));
    EXPECT_TRUE(
        QFileInfo::exists(Pfad("share/icons/hicolor/scalable/mimetypes/application-x-zavr-projekt.svg")));
    // The database built from the installed XML, as the desktop builds it after installation.
    QTemporaryDir mime;
    ASSERT_TRUE(QDir(mime.path()).mkpath(QStringLiteral("packages")));
    ASSERT_TRUE(QFile::copy(Pfad("share/mime/packages/zavr.xml"),
                            mime.filePath(QStringLiteral("packages/zavr.xml"))));
    const QString aufbau = Ausfuehren(QStringLiteral("update-mime-database"), {mime.path()}, status);
    ASSERT_EQ(status, 0) << aufbau.toStdString();
    QFile typ(mime.filePath(QStringLiteral("application/x-zavr-projekt.xml")));
    ASSERT_TRUE(typ.open(QIODevice::ReadOnly));
    EXPECT_TRUE(typ.readAll().contains("ZAVR"));
    QFile globs(mime.filePath(QStringLiteral("globs2")));
    ASSERT_TRUE(globs.open(QIODevice::ReadOnly));
    EXPECT_TRUE(globs.readAll().contains("application/x-zavr-projekt:*.ZAV:cs"));
    QFile magic(mime.filePath(QStringLiteral("magic")));
    ASSERT_TRUE(magic.open(QIODevice::ReadOnly));
    EXPECT_TRUE(magic.readAll().contains("Programm.Name=ZAVR"));
    // The examples begin as the magic expects.
    QFile beispiel(QStringLiteral(ZAVR_SOURCE_DIR "/examples/Beispiel.ZAV"));
    ASSERT_TRUE(beispiel.open(QIODevice::ReadOnly));
    EXPECT_TRUE(beispiel.readLine().startsWith("Programm.Name=ZAVR"));
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
