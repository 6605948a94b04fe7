#include "app/Anwendereinstellungen.h"

#include <gtest/gtest.h>

#include "app/QtUmgebung.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "app/DesktopUmgebung.h"
#include "app/DialogSkript.h"
#include "model/TKAnwendung.h"

namespace {

TEST(EinstellungsDatei, liegtNebenDemProgrammOderImBenutzerordner) {
    EXPECT_EQ(
        EinstellungsDatei(QStringLiteral("/opt/zavr/bin/zavr"), true, QStringLiteral("/home/u/.config/zavr")),
        QStringLiteral("/opt/zavr/bin/zavr.INI"));
    EXPECT_EQ(EinstellungsDatei(QStringLiteral("/prog/Tool.exe"), true, QStringLiteral("/x")),
              QStringLiteral("/prog/Tool.INI"));
    EXPECT_EQ(EinstellungsDatei(QStringLiteral("/opt/zavr/bin/zavr"), false,
                                QStringLiteral("/home/u/.config/zavr")),
              QStringLiteral("/home/u/.config/zavr/zavr.INI"));
}

TEST(Anwendereinstellungen, fehlendeDateiLiefertStandardwerteUndSchreibenLegtSieAn) {
    QTemporaryDir ordner;
    const Anwendereinstellungen einstellungen(ordner.filePath(QStringLiteral("zavr.INI")));
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("InfoHinweis5d"), 1), 1);
    EXPECT_EQ(einstellungen.LeseText(QStringLiteral("Version"), QStringLiteral("/tmp")),
              QStringLiteral("/tmp"));
    einstellungen.SchreibeZahl(QStringLiteral("Bemessung"), 2);
    einstellungen.SchreibeText(QStringLiteral("Version"), QStringLiteral("/daten/projekte"));
    // Another reader sees the values at once: nothing is cached.
    const Anwendereinstellungen zweiter(einstellungen.Datei());
    EXPECT_EQ(zweiter.LeseZahl(QStringLiteral("Bemessung"), 0), 2);
    EXPECT_EQ(zweiter.LeseText(QStringLiteral("Version"), QString()), QStringLiteral("/daten/projekte"));
    QFile datei(einstellungen.Datei());
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QString inhalt = QString::fromUtf8(datei.readAll());
    EXPECT_TRUE(inhalt.contains(QStringLiteral("[Anwenderdaten]")));
    EXPECT_TRUE(inhalt.contains(QStringLiteral("Bemessung=2")));
}

TEST(Anwendereinstellungen, unlesbarerWertLiefertDenStandardwert) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("zavr.INI"));
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("[Anwenderdaten]\nIDSprache=abc\nInfoHinweis5d= 0\n");
    datei.close();
    const Anwendereinstellungen einstellungen(pfad);
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("IDSprache"), 1031), 1031);
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("InfoHinweis5d"), 1), 0);
}

TEST(DesktopUmgebung, neuePositionenFolgenDenEinstellungen) {
    QTemporaryDir ordner;
    const Anwendereinstellungen einstellungen(ordner.filePath(QStringLiteral("zavr.INI")));
    einstellungen.SchreibeZahl(QStringLiteral("IDSprache"), 21);
    einstellungen.SchreibeZahl(QStringLiteral("Bemessung"), 2);
    DialogSkript dialoge;
    DesktopUmgebung umgebung(einstellungen, dialoge);
    const TKAnwendung polnisch(umgebung);
    EXPECT_EQ(polnisch.GetAktLand(), TsLand::plk);
    EXPECT_EQ(polnisch.GetMaxDornabstand(), TsMaxDornabstand::da5dmin_redda);
    einstellungen.SchreibeZahl(QStringLiteral("IDSprache"), 1036);
    EXPECT_EQ(TKAnwendung(umgebung).GetAktLand(), TsLand::deu);
    umgebung.Meldung("Fehler in Modul Teilu");
    EXPECT_EQ(dialoge.Texte(DialogSkript::Art::Hinweis),
              QStringList{QStringLiteral("Fehler in Modul Teilu")});
}

TEST(LocaleKennung, bildetDieSprachenAufDieKennungenAb) {
    EXPECT_EQ(LocaleKennung(QLocale(QLocale::German, QLocale::Germany)), 1031);
    EXPECT_EQ(LocaleKennung(QLocale(QLocale::German, QLocale::Austria)), 1031);
    EXPECT_EQ(LocaleKennung(QLocale(QLocale::English, QLocale::UnitedKingdom)), 2057);
    EXPECT_EQ(LocaleKennung(QLocale(QLocale::English, QLocale::UnitedStates)), 1033);
    EXPECT_EQ(LocaleKennung(QLocale(QLocale::Polish, QLocale::Poland)), 21);
    EXPECT_EQ(LocaleKennung(QLocale(QLocale::French, QLocale::France)), 0);
}

}  // namespace
