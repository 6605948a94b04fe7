#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTreeWidget>

#include "app/HauptmaskeTest.h"
#include "app/Navigationsbaum.h"
#include "app/QtUmgebung.h"
#include "app/TfrmAbout.h"
#include "app/TfrmHinweis5d.h"
#include "app/TfrmProjektdaten.h"
#include "calc/TKZAVRBemessung.h"
#include "model/Katalog.h"
#include "model/Version.h"

namespace {

template <typename T>
T* In(const QWidget& dialog, const char* name) {
    auto* kind = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(kind, nullptr) << name;
    return kind;
}

QString Text(const QWidget& dialog, const char* name) {
    return In<QLabel>(dialog, name)->text();
}

// Replaces the text as typing or pasting does, within the field's limit.
void Ersetze(QLineEdit* feld, const QString& text) {
    feld->selectAll();
    feld->insert(text);
}

void Taste(QWidget* ziel, int taste, Qt::KeyboardModifiers mit = Qt::NoModifier) {
    QTest::keyClick(ziel, static_cast<Qt::Key>(taste), mit);
}

QStringList Firma(const TKProjektdaten& daten) {
    QStringList zeilen;
    for (const std::string& zeile : daten.GetFirma()) zeilen << QString::fromStdString(zeile);
    return zeilen;
}

class Dialoge : public Hauptmaske {
protected:
    void Projektdaten(const std::string& bauvorhaben) {
        TKProjektdaten& daten = M().cProjektdaten;
        daten.SetBauvorhaben(bauvorhaben);
        daten.SetFirma({"Muster GmbH", "Hauptstraße 1"});
        daten.SetBearbeiter("Dr. Berg");
        daten.SetDatum("01.02.2026");
        daten.SetProjektNr("P-17");
    }
    // Runs the command; `aktion` acts on the dialog it opens.
    QStringList Oeffne(Befehl befehl, std::function<void(QDialog&)> aktion) {
        DialogBeantworter beantworter(std::move(aktion));
        fenster->Ausfuehren(befehl);
        return beantworter.geoeffnet;
    }
};

}  // namespace

// OK gives every field to the project; the project name field and the tree follow.
TEST_F(Dialoge, projektdatenOk) {
    Projektdaten("Halle 3");
    QStringList geladen;
    const auto geoeffnet = Oeffne(Befehl::Projektdaten, [&](QDialog& d) {
        geladen << In<QLineEdit>(d, "pdBauvorhaben")->text()
                << In<QPlainTextEdit>(d, "pdFirma")->toPlainText() << In<QLineEdit>(d, "pdBearbeiter")->text()
                << In<QLineEdit>(d, "pdDatum")->text() << In<QLineEdit>(d, "pdProjektNr")->text();
        Ersetze(In<QLineEdit>(d, "pdBauvorhaben"), QStringLiteral("Brücke Nord"));
        In<QPlainTextEdit>(d, "pdFirma")->setPlainText(QStringLiteral("Ing.-Büro Weiß\nAm Hang 3\n"));
        Ersetze(In<QLineEdit>(d, "pdBearbeiter"), QStringLiteral("M. Sand"));
        Ersetze(In<QLineEdit>(d, "pdDatum"), QStringLiteral("3.3.2026"));
        Ersetze(In<QLineEdit>(d, "pdProjektNr"), QStringLiteral("2026/4"));
        Druecke(d, QStringLiteral("&OK"));
    });
    EXPECT_EQ(geoeffnet, QStringList{QStringLiteral("frmProjektdaten")});
    EXPECT_EQ(geladen,
              (QStringList{"Halle 3", "Muster GmbH\nHauptstraße 1", "Dr. Berg", "01.02.2026", "P-17"}));
    const TKProjektdaten& daten = M().cProjektdaten;
    EXPECT_EQ(daten.GetBauvorhaben(), "Brücke Nord");
    EXPECT_EQ(Firma(daten), (QStringList{"Ing.-Büro Weiß", "Am Hang 3", ""}));
    EXPECT_EQ(daten.GetBearbeiter(), "M. Sand");
    EXPECT_EQ(daten.GetDatum(), "3.3.2026");
    EXPECT_EQ(daten.GetProjektNr(), "2026/4");
    EXPECT_EQ(Kind<QLineEdit>("EditBauvorhaben")->text(), QStringLiteral("Brücke Nord"));
    EXPECT_EQ(fenster->Baum().findItems(QStringLiteral("Bauvorhaben: Brücke Nord"), Qt::MatchExactly).size(),
              1);
}

// Cancel after edits everywhere leaves the project data untouched, and the next opening shows them again.
TEST_F(Dialoge, projektdatenAbbrechen) {
    Projektdaten("Halle 3");
    const TKProjektdaten vorher = fenster->Modell().cProjektdaten;
    Oeffne(Befehl::Projektdaten, [](QDialog& d) {
        for (const char* name : {"pdBauvorhaben", "pdBearbeiter", "pdDatum", "pdProjektNr"})
            Ersetze(In<QLineEdit>(d, name), QStringLiteral("anders"));
        In<QPlainTextEdit>(d, "pdFirma")->setPlainText(QStringLiteral("anders"));
        Druecke(d, QStringLiteral("&Abbrechen"));
    });
    const TKProjektdaten& daten = M().cProjektdaten;
    EXPECT_EQ(daten.GetBauvorhaben(), vorher.GetBauvorhaben());
    EXPECT_EQ(daten.GetFirma(), vorher.GetFirma());
    EXPECT_EQ(daten.GetBearbeiter(), vorher.GetBearbeiter());
    EXPECT_EQ(daten.GetDatum(), vorher.GetDatum());
    EXPECT_EQ(daten.GetProjektNr(), vorher.GetProjektNr());
    QString bauvorhaben, firma;
    Oeffne(Befehl::Projektdaten, [&](QDialog& d) {
        bauvorhaben = In<QLineEdit>(d, "pdBauvorhaben")->text();
        firma = In<QPlainTextEdit>(d, "pdFirma")->toPlainText();
    });
    EXPECT_EQ(bauvorhaben, QStringLiteral("Halle 3"));
    EXPECT_EQ(firma, QStringLiteral("Muster GmbH\nHauptstraße 1"));
}

// What is typed stops at each field's limit; a longer text from a project file is shown and kept whole.
TEST_F(Dialoge, projektdatenGrenzen) {
    const std::string langerName(95, 'L');
    Projektdaten(langerName);
    Oeffne(Befehl::Projektdaten, [](QDialog& d) {
        for (const auto& [name, grenze] :
             {std::pair{"pdBearbeiter", 20}, {"pdDatum", 15}, {"pdProjektNr", 15}}) {
            auto* feld = In<QLineEdit>(d, name);
            Ersetze(feld, QString(grenze + 7, QLatin1Char('x')));
            EXPECT_EQ(feld->text().size(), grenze) << name;
        }
        auto* bauvorhaben = In<QLineEdit>(d, "pdBauvorhaben");
        EXPECT_EQ(bauvorhaben->text().size(), 95);
        bauvorhaben->end(false);
        QTest::keyClicks(bauvorhaben, QStringLiteral("zu"));
        EXPECT_EQ(bauvorhaben->text().size(), 95);
        auto* firma = In<QPlainTextEdit>(d, "pdFirma");
        firma->clear();
        QTest::keyClicks(firma, QString(60, QLatin1Char('a')));
        QTest::keyClick(firma, Qt::Key_Return);
        QTest::keyClicks(firma, QString(60, QLatin1Char('b')));
        EXPECT_EQ(firma->toPlainText(), QString(60, QLatin1Char('a')) + '\n' + QString(39, QLatin1Char('b')));
        firma->moveCursor(QTextCursor::Start);
        firma->insertPlainText(QStringLiteral("eingefügt"));  // pasted: cut where it went in
        EXPECT_EQ(firma->toPlainText().size(), 100);
        EXPECT_TRUE(firma->toPlainText().startsWith(QString(60, QLatin1Char('a'))));
        Druecke(d, QStringLiteral("&OK"));
    });
    EXPECT_EQ(fenster->Modell().cProjektdaten.GetBauvorhaben(), langerName);
    Projektdaten("kurz");
    Oeffne(Befehl::Projektdaten, [](QDialog& d) {
        auto* bauvorhaben = In<QLineEdit>(d, "pdBauvorhaben");
        Ersetze(bauvorhaben, QString(90, QLatin1Char('y')));
        EXPECT_EQ(bauvorhaben->text().size(), 80);
    });
}

// "he&ute" writes today's date in the regional short format and moves on; Enter moves the focus, also on
// the buttons, and starts a new line only in the company field.
TEST_F(Dialoge, projektdatenHeuteUndEnter) {
    Oeffne(Befehl::Projektdaten, [](QDialog& d) {
        Druecke(d, QStringLiteral("he&ute"));
        EXPECT_EQ(In<QLineEdit>(d, "pdDatum")->text(),
                  QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
        EXPECT_EQ(d.focusWidget(), In<QWidget>(d, "pdProjektNr"));

        auto* bauvorhaben = In<QLineEdit>(d, "pdBauvorhaben");
        bauvorhaben->setFocus();
        Taste(bauvorhaben, Qt::Key_Return);
        EXPECT_EQ(d.focusWidget(), In<QWidget>(d, "pdFirma"));
        auto* firma = In<QPlainTextEdit>(d, "pdFirma");
        firma->clear();
        QTest::keyClicks(firma, QStringLiteral("A"));
        Taste(firma, Qt::Key_Return);
        QTest::keyClicks(firma, QStringLiteral("B"));
        EXPECT_EQ(firma->toPlainText(), QStringLiteral("A\nB"));
        EXPECT_EQ(d.focusWidget(), firma);
        auto* bearbeiter = In<QLineEdit>(d, "pdBearbeiter");
        bearbeiter->setFocus();
        Taste(bearbeiter, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
        EXPECT_EQ(d.focusWidget(), firma);
        for (auto* knopf : d.findChildren<QAbstractButton*>()) {
            knopf->setFocus();
            Taste(knopf, Qt::Key_Return);
            EXPECT_TRUE(d.isVisible()) << knopf->text().toStdString();
        }
    });
}

TEST_F(Dialoge, projektdatenHilfe) {
    QStringList themen;
    TfrmProjektdaten dialog(fenster->Sitzung(), [&](const QString& thema) { themen << thema; });
    dialog.show();
    Druecke(dialog, QStringLiteral("&Hilfe"));
    EXPECT_EQ(themen, QStringList{QStringLiteral("MaskeProjektdaten")});
    Oeffne(Befehl::Projektdaten, [](QDialog& d) { Druecke(d, QStringLiteral("&Hilfe")); });
    EXPECT_EQ(Hinweise(), QStringList{QStringLiteral("Für dieses Programm ist keine Hilfe installiert.")});
}

// The third spacing rule with OK: the position and every new one use it, the settings file holds it, and
// the window returns to input for a new design run.
TEST_F(Dialoge, bemessungOk) {
    Klick("btnBerechnen");
    ASSERT_EQ(fenster->Ansicht(), TsAnsicht::anUebersicht);
    QStringList optionen;
    Oeffne(Befehl::Bemessung, [&](QDialog& d) {
        for (auto* knopf : d.findChildren<QRadioButton*>()) optionen << knopf->text();
        EXPECT_TRUE(d.findChildren<QRadioButton*>().at(0)->isChecked());
        EXPECT_TRUE(In<QCheckBox>(d, "cbInfoHinweis5d")->isChecked());
        d.findChildren<QRadioButton*>().at(2)->click();
        In<QCheckBox>(d, "cbInfoHinweis5d")->setChecked(false);
        Druecke(d, QStringLiteral("&OK"));
    });
    EXPECT_EQ(optionen, (QStringList{"unbegrenzt", "5 * Plattendicke - gleiche Belastung aller Dorne",
                                     "5 * Plattendicke - einfügen konstruktiver Dorne"}));
    EXPECT_EQ(A().GetMaxDornabstand(), TsMaxDornabstand::da5dmin_redda);
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("Bemessung"), -1), 2);
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("InfoHinweis5d"), -1), 0);
    EXPECT_EQ(TKAnwendung(umgebung).GetMaxDornabstand(), TsMaxDornabstand::da5dmin_redda);
    EXPECT_EQ(fenster->Ansicht(), TsAnsicht::anEingabe);

    A().SetMaxDornabstand(TsMaxDornabstand::da5dmin_redF);  // the dialog shows the position's rule
    Oeffne(Befehl::Bemessung, [&](QDialog& d) {
        EXPECT_TRUE(d.findChildren<QRadioButton*>().at(1)->isChecked());
        EXPECT_FALSE(In<QCheckBox>(d, "cbInfoHinweis5d")->isChecked());
        In<QCheckBox>(d, "cbInfoHinweis5d")->setChecked(true);
        Druecke(d, QStringLiteral("&OK"));
    });
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("Bemessung"), -1), 1);
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("InfoHinweis5d"), -1), 1);
}

// Cancel leaves position, settings file, view and check box as they were.
TEST_F(Dialoge, bemessungAbbrechen) {
    Klick("btnBerechnen");
    const auto abbrechen = [](QDialog& d) {
        d.findChildren<QRadioButton*>().at(1)->click();
        In<QCheckBox>(d, "cbInfoHinweis5d")->setChecked(false);
        Druecke(d, QStringLiteral("&Abbrechen"));
    };
    Oeffne(Befehl::Bemessung, abbrechen);
    EXPECT_EQ(A().GetMaxDornabstand(), TsMaxDornabstand::daOhne);
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("Bemessung"), -1), -1);
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("InfoHinweis5d"), -1), -1);
    EXPECT_EQ(fenster->Ansicht(), TsAnsicht::anUebersicht);
    Oeffne(Befehl::Bemessung, [](QDialog& d) {
        EXPECT_TRUE(d.findChildren<QRadioButton*>().at(0)->isChecked());
        EXPECT_TRUE(In<QCheckBox>(d, "cbInfoHinweis5d")->isChecked());
        Druecke(d, QStringLiteral("&OK"));
    });
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("InfoHinweis5d"), -1), 1);
}

TEST_F(Dialoge, hinweis5dOhneOkBleibtWieEsWar) {
    TfrmHinweis5d dialog(einstellungen);
    dialog.show();
    auto* box = In<QCheckBox>(dialog, "cbWiederAnzeigen");
    box->setChecked(false);
    dialog.reject();
    dialog.show();
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("InfoHinweis5d"), -1), -1);
}

// The button beside the results list names the most economical admissible dowel of each family.
TEST_F(Dialoge, oekonomischerDorn) {
    EXPECT_FALSE(Sichtbar(Kind<QWidget>("pnlErgebnis")));
    Klick("btnBerechnen");
    EXPECT_TRUE(Sichtbar(Kind<QWidget>("pnlErgebnis")));
    QString titel, zavr, zavrq;
    DialogBeantworter beantworter([&](QDialog& d) {
        titel = d.windowTitle();
        zavr = Text(d, "lblZAVR");
        zavrq = Text(d, "lblZAVRQ");
        Druecke(d, QStringLiteral("OK"));
    });
    Kind<QAction>("actOptimalerDorn")->trigger();
    EXPECT_EQ(beantworter.geoeffnet, QStringList{QStringLiteral("frmOptimalerDorn")});
    EXPECT_EQ(titel, QStringLiteral("QUORVEL® - Doppelschubdorne ZAVR / ZAVRQ"));
    // Each is an admissible type of its family, and none of its family costs less.
    for (const auto& [name, ersterTyp, letzterTyp] : {std::tuple{zavr, 0, 10}, std::tuple{zavrq, 11, 20}}) {
        int gefunden = -1;
        for (int d = ersterTyp; d <= letzterTyp; ++d)
            if (QString::fromStdString(DornName(static_cast<TsDorn>(d))) == name) gefunden = d;
        ASSERT_GE(gefunden, 0) << name.toStdString();
        EXPECT_EQ(A().cErgebnisse.cDornErgebnis[static_cast<std::size_t>(gefunden)].GetStatus(), 0);
    }
    EXPECT_EQ(zavr.toStdString(), OptimalenDornAnzeigen(A(), 1, umgebung));
}

// Version and build number in their places, the date text, the fixed texts and the disclaimer.
TEST_F(Dialoge, ueber) {
    TfrmAbout dialog(Programmversion{3, 1, 2, 13});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Über QUORVEL®  Doppelschubdorn ZAVR / ZAVRQ"));
    EXPECT_EQ(Text(dialog, "lblVersion"), QStringLiteral("3.1.2"));
    EXPECT_EQ(Text(dialog, "lblKompilierung"), QStringLiteral("13"));
    EXPECT_EQ(Text(dialog, "lblErstelltAm"), QStringLiteral("07.01.2015"));
    EXPECT_EQ(Text(dialog, "lblProgramm"), QStringLiteral("QUORVEL  Doppelschubdorn ZAVR / ZAVRQ"));
    EXPECT_EQ(Text(dialog, "lblZweck"),
              QStringLiteral("Mit diesem Programm kann der Einsatz von ZAVR und ZAVRQ "
                             "Schubdornen zu Übertragung hoher Querlasten berechnet "
                             "werden."));
    EXPECT_TRUE(Text(dialog, "lblAdresse").contains(QStringLiteral("QUORVEL Bautechnik GmbH")));
    auto* haftung = In<QPlainTextEdit>(dialog, "memoHaftung");
    EXPECT_TRUE(haftung->toPlainText().isEmpty());  // filled when shown
    dialog.show();
    EXPECT_TRUE(haftung->toPlainText().startsWith(QStringLiteral("Haftungsausschluss")));
    EXPECT_TRUE(haftung->isReadOnly());
    Druecke(dialog, QStringLiteral("&Zurück"));
    EXPECT_FALSE(dialog.isVisible());

    // The program's own numbers are those of the version text its project files carry.
    QString version;
    Oeffne(Befehl::Ueber, [&](QDialog& d) { version = Text(d, "lblVersion"); });
    EXPECT_EQ(QStringLiteral("ZAVR - ") + version, QString::fromLatin1(Versionstext));
}

// The four commands open their dialogs in every view, from the menu and from the tree.
TEST_F(Dialoge, befehleOeffnenIhreDialoge) {
    const std::vector<std::pair<Befehl, QString>> befehle{{Befehl::Projektverwaltung, "frmProjektverwaltung"},
                                                          {Befehl::Projektdaten, "frmProjektdaten"},
                                                          {Befehl::Bemessung, "frmBemessung"},
                                                          {Befehl::Ueber, "frmAbout"}};
    for (const TsAnsicht ansicht : {TsAnsicht::anEingabe, TsAnsicht::anVorschau, TsAnsicht::anUebersicht}) {
        fenster->AnsichtEingabeEinstellen(ansicht);
        for (const auto& [befehl, name] : befehle) {
            EXPECT_TRUE(fenster->Aktion(befehl)->isEnabled());
            EXPECT_EQ(Oeffne(befehl, {}), QStringList{name});
        }
    }
    DialogBeantworter beantworter;
    emit fenster->Baum().itemPressed(fenster->Baum().Befehlsblatt(Befehl::Projektverwaltung), 0);
    EXPECT_EQ(beantworter.geoeffnet, QStringList{QStringLiteral("frmProjektverwaltung")});
}
