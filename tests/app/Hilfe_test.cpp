#include "app/Hilfe.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include "app/DeutscheWoerter.h"
#include "app/QtUmgebung.h"
#include "app/TfrmHilfe.h"

namespace {

const QString Quelle = QStringLiteral(ZAVR_SOURCE_DIR "/resources/hilfe/");

Hilfe Sprache(const char* kuerzel) {
    return Hilfe(Quelle + QLatin1String(kuerzel));
}

// Every help topic a window of the program opens: the names of the "Maske..." topics in the sources, and the
// three of the help menu. A window added later with a topic of its own needs its page here.
QStringList GeoeffneteThemen() {
    QStringList themen{QStringLiteral("Inhalt"), QStringLiteral("Hilfe")};
    static const QRegularExpression thema(QStringLiteral("\"(Maske[A-Za-z]+)\""));
    for (QDirIterator it(QStringLiteral(ZAVR_SOURCE_DIR "/app"), {QStringLiteral("*.cpp")}); it.hasNext();) {
        QFile datei(it.next());
        EXPECT_TRUE(datei.open(QIODevice::ReadOnly));
        for (auto t = thema.globalMatch(QString::fromUtf8(datei.readAll())); t.hasNext();) {
            const QString name = t.next().captured(1);
            if (!themen.contains(name)) themen << name;
        }
    }
    return themen;
}

QStringList Namen(const std::vector<Hilfe::Thema>& themen) {
    QStringList namen;
    for (const auto& t : themen) namen << t.name;
    return namen;
}

class Sprachen : public ::testing::TestWithParam<const char*> {};

// Each language has a page for every topic the program opens, each with a title and keywords, all reached
// from the contents; the topics the windows name in the sources are found (at least these three).
TEST_P(Sprachen, jedesGeoeffneteThemaHatSeineSeite) {
    const Hilfe hilfe = Sprache(GetParam());
    ASSERT_TRUE(hilfe.Gueltig());
    const QStringList themen = GeoeffneteThemen();
    for (const char* genannt : {"MaskeProjektverwaltung", "MaskeProjektdaten"})
        EXPECT_TRUE(themen.contains(QLatin1String(genannt))) << genannt;
    for (const char* geplant :
         {"MaskeHauptfenster", "MaskeStueckliste", "MaskeQuerkraft", "MaskeBewehrung", "MaskeBemessung"})
        EXPECT_FALSE(hilfe.Seite(QLatin1String(geplant)).isEmpty()) << GetParam() << ": " << geplant;
    for (const QString& thema : themen)
        EXPECT_FALSE(hilfe.Seite(thema).isEmpty()) << GetParam() << ": " << thema.toStdString();

    const QStringList inhalt = Namen(hilfe.Inhalt());
    for (const QFileInfo& seite : QDir(hilfe.Ordner()).entryInfoList({QStringLiteral("*.html")})) {
        if (seite.completeBaseName() == QLatin1String("Inhalt")) continue;
        EXPECT_TRUE(inhalt.contains(seite.completeBaseName())) << seite.fileName().toStdString();
    }
    for (const Hilfe::Thema& t : hilfe.Inhalt()) EXPECT_FALSE(t.titel.isEmpty()) << t.name.toStdString();
    EXPECT_GT(hilfe.Suchen({}).size(), 3 * inhalt.size());
}

INSTANTIATE_TEST_SUITE_P(DreiSprachen, Sprachen, ::testing::Values("deu", "eng", "plk"));

TEST(Hilfe, englischUndPolnischOhneDeutscheWoerter) {
    for (const char* kuerzel : {"eng", "plk"}) {
        const Hilfe hilfe = Sprache(kuerzel);
        EXPECT_EQ(Namen(hilfe.Inhalt()), Namen(Sprache("deu").Inhalt())) << kuerzel;
        for (const Hilfe::Thema& t : hilfe.Inhalt()) {
            QFile datei(hilfe.Seite(t.name));
            ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
            QTextDocument seite;
            seite.setHtml(QString::fromUtf8(datei.readAll()));
            EXPECT_EQ(DeutscheWoerterIn(seite.toPlainText() + t.titel), QStringList())
                << kuerzel << ": " << t.name.toStdString();
        }
    }
}

// The search lists matching keywords first, sorted, then the pages that only hold the text.
TEST(Hilfe, suchtStichwoerterUndDannDenText) {
    const Hilfe hilfe = Sprache("deu");
    const auto treffer = hilfe.Suchen(QStringLiteral("bewehrung"));
    ASSERT_GE(treffer.size(), 3u);
    EXPECT_EQ(treffer.front().wort, QStringLiteral("Aufhängebewehrung"));
    EXPECT_EQ(treffer.front().thema.name, QStringLiteral("MaskeBewehrung"));
    for (std::size_t i = 1; i < treffer.size() && treffer[i].wort != QLatin1String("bewehrung"); ++i)
        EXPECT_LE(QString::localeAwareCompare(treffer[i - 1].wort, treffer[i].wort), 0);

    const auto volltext = hilfe.Suchen(QStringLiteral("Teilsicherheitsbeiwerten"));
    ASSERT_EQ(volltext.size(), 1u);
    EXPECT_EQ(volltext.front().thema.name, QStringLiteral("MaskeHauptfenster"));
    EXPECT_TRUE(hilfe.Suchen(QStringLiteral("Quantenchromodynamik")).empty());
}

// The program's language decides the help; a language without help falls back to German, and without any
// help there is none.
TEST(Hilfe, spracheNebenDemProgramm) {
    QTemporaryDir ordner;
    const QString programm = ordner.filePath(QStringLiteral("zavr"));
    EXPECT_FALSE(Hilfe::FuerProgramm(programm, 2057).Gueltig());
    for (const char* kuerzel : {"deu", "plk"}) {
        QDir().mkpath(ordner.filePath(QStringLiteral("hilfe/") + QLatin1String(kuerzel)));
        for (const char* seite : {"Inhalt.html", "Hilfe.html"})
            QFile::copy(Quelle + QLatin1String(kuerzel) + QLatin1Char('/') + QLatin1String(seite),
                        ordner.filePath(QStringLiteral("hilfe/%1/%2").arg(kuerzel, seite)));
    }
    EXPECT_TRUE(Hilfe::FuerProgramm(programm, 21).Ordner().endsWith(QLatin1String("hilfe/plk")));
    EXPECT_TRUE(Hilfe::FuerProgramm(programm, 2057).Ordner().endsWith(QLatin1String("hilfe/deu")));
    EXPECT_TRUE(Hilfe::FuerProgramm(programm, 1031).Ordner().endsWith(QLatin1String("hilfe/deu")));
}

class Hilfefenster : public ::testing::Test {
protected:
    TfrmHilfe fenster{Sprache("deu")};
    QTabWidget* Reiter() const { return fenster.findChild<QTabWidget*>(); }
    QListWidget* Treffer() const { return fenster.findChild<QListWidget*>(QStringLiteral("lbTreffer")); }
};

TEST_F(Hilfefenster, zeigtDasThemaDenInhaltOderDieSuche) {
    fenster.Zeigen(QStringLiteral("MaskeProjektdaten"));
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_EQ(fenster.AktuellesThema(), QStringLiteral("MaskeProjektdaten"));
    EXPECT_EQ(Reiter()->currentIndex(), 0);
    fenster.Zeigen(QStringLiteral("Suchen"));
    EXPECT_EQ(Reiter()->currentIndex(), 1);
    EXPECT_EQ(fenster.AktuellesThema(), QStringLiteral("Inhalt"));
    fenster.Zeigen(QStringLiteral("MaskeGibtEsNicht"));
    EXPECT_EQ(fenster.AktuellesThema(), QStringLiteral("Inhalt"));
    fenster.Zeigen(QStringLiteral("Hilfe"));
    EXPECT_EQ(fenster.AktuellesThema(), QStringLiteral("Hilfe"));

    auto* zurueck = fenster.findChild<QPushButton*>(QStringLiteral("btnZurueck"));
    ASSERT_TRUE(zurueck->isEnabled());
    zurueck->click();
    EXPECT_EQ(fenster.AktuellesThema(), QStringLiteral("Inhalt"));
}

TEST_F(Hilfefenster, stichwortsucheOeffnetDenErstenTreffer) {
    fenster.Zeigen(QStringLiteral("Suchen"));
    auto* feld = fenster.findChild<QLineEdit*>(QStringLiteral("editSuchen"));
    QTest::keyClicks(feld, QStringLiteral("Streckenlast"));
    ASSERT_GT(Treffer()->count(), 0);
    EXPECT_TRUE(Treffer()->item(0)->text().startsWith(QStringLiteral("Streckenlast")));
    QTest::keyClick(feld, Qt::Key_Return);
    EXPECT_EQ(fenster.AktuellesThema(), QStringLiteral("MaskeQuerkraft"));
    feld->clear();
    EXPECT_EQ(Treffer()->count(), static_cast<int>(fenster.Daten().Suchen({}).size()));
}

}  // namespace
