#include "app/TfrmSplash.h"

#include <gtest/gtest.h>

#include "app/QtUmgebung.h"

#include <QFile>
#include <QGroupBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

class Startfenster : public ::testing::Test {
protected:
    void Modul(const char* endung) {
        QFile datei(ordner.filePath(QStringLiteral("zavr.") + QLatin1String(endung)));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    }
    QStringList Eintraege(const TfrmSplash& fenster) const {
        QStringList namen;
        for (const auto* knopf : fenster.Sprachgruppe()->findChildren<QRadioButton*>())
            namen << knopf->text();
        return namen;
    }
    QString Gewaehlt(const TfrmSplash& fenster) const {
        for (const auto* knopf : fenster.Sprachgruppe()->findChildren<QRadioButton*>())
            if (knopf->isChecked()) return knopf->text();
        return {};
    }

    QTemporaryDir ordner;
    QString programm = ordner.filePath(QStringLiteral("zavr"));
    Anwendereinstellungen einstellungen{ordner.filePath(QStringLiteral("zavr.INI"))};
};

TEST_F(Startfenster, ohneSprachmoduleKeineAuswahlUndDeutsch) {
    einstellungen.SchreibeZahl(QStringLiteral("IDSprache"), 2057);
    const TfrmSplash fenster(programm, einstellungen);
    EXPECT_TRUE(fenster.Sprachgruppe()->isHidden());
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("IDSprache"), 0), 1031);
    EXPECT_EQ(fenster.GewaehlteKennung(), 0);
}

TEST_F(Startfenster, fehlendesModulDerGespeichertenSpracheWaehltNichts) {
    Modul("deu");
    Modul("plk");
    einstellungen.SchreibeZahl(QStringLiteral("IDSprache"), 2057);
    const TfrmSplash fenster(programm, einstellungen);
    EXPECT_FALSE(fenster.Sprachgruppe()->isHidden());
    EXPECT_EQ(Eintraege(fenster), (QStringList{QStringLiteral("Deutsch"), QStringLiteral("Polski")}));
    EXPECT_EQ(Gewaehlt(fenster), QString());
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("IDSprache"), 0), 2057);
    EXPECT_EQ(fenster.GewaehlteKennung(), 0);  // no module is loaded: German stays
}

TEST_F(Startfenster, gespeicherteSpracheWirdGewaehltUndAndereWahlGespeichert) {
    Modul("deu");
    Modul("eng");
    Modul("plk");
    einstellungen.SchreibeZahl(QStringLiteral("IDSprache"), 21);
    const TfrmSplash fenster(programm, einstellungen);
    EXPECT_EQ(Eintraege(fenster),
              (QStringList{QStringLiteral("Deutsch"), QStringLiteral("English"), QStringLiteral("Polski")}));
    EXPECT_EQ(Gewaehlt(fenster), QStringLiteral("Polski"));
    EXPECT_EQ(fenster.GewaehlteKennung(), 21);
    fenster.Sprachgruppe()->findChildren<QRadioButton*>().at(1)->click();
    EXPECT_EQ(fenster.GewaehlteKennung(), 2057);
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("IDSprache"), 0), 2057);
}

TEST_F(Startfenster, unbekannteSpracheWaehltDeutsch) {
    Modul("deu");
    einstellungen.SchreibeZahl(QStringLiteral("IDSprache"), 1036);
    const TfrmSplash fenster(programm, einstellungen);
    EXPECT_EQ(Gewaehlt(fenster), QStringLiteral("Deutsch"));
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("IDSprache"), 0), 1031);
}

TEST(Sprachmodule, modulNamenErsetzenDieEndungDesProgramms) {
    EXPECT_EQ(Moduldatei(QStringLiteral("/opt/zavr/zavr"), QStringLiteral("deu")),
              QStringLiteral("/opt/zavr/zavr.deu"));
    EXPECT_EQ(Moduldatei(QStringLiteral("/opt/z/ZAVR3.exe"), QStringLiteral("plk")),
              QStringLiteral("/opt/z/ZAVR3.plk"));
}

TEST(Sprachmodule, unbrauchbaresModulLaesstDeutsch) {
    QTemporaryDir ordner;
    QFile kaputt(ordner.filePath(QStringLiteral("zavr.eng")));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("kein Übersetzungskatalog");
    kaputt.close();
    QTranslator uebersetzer;
    EXPECT_FALSE(LadeSprachmodul(uebersetzer, ordner.filePath(QStringLiteral("zavr")), 2057));
    EXPECT_FALSE(LadeSprachmodul(uebersetzer, ordner.filePath(QStringLiteral("zavr")), 0));
}

}  // namespace
