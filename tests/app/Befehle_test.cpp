#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QSpinBox>
#include <QTreeWidget>

#include <filesystem>
#include <string>

#include "Dateiinhalt.h"
#include "app/Ergebnisseiten.h"
#include "app/HauptmaskeTest.h"
#include "app/Navigationsbaum.h"
#include "app/QtUmgebung.h"
#include "files/ProjektDatei.h"

namespace {

const QString Frage = QStringLiteral("Soll der aktuelle Zustand gespeichert werden?");
const QString Titel = QStringLiteral(
    "QUORVEL® Doppelschubdorn ZAVR/ZAVRQ: Zulassung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2): ");

class Befehle : public Hauptmaske {
protected:
    QString Pfad(const QString& name) const { return ordner.filePath(name); }
    void WaehleDatei(const QString& name, int filter = 0) {
        dialoge.dateien.push_back(Dialogdienst::Dateiwahl{Pfad(name), filter});
    }
    QString Inhalt(const QString& name) const {
        QFile datei(Pfad(name));
        return datei.open(QIODevice::ReadOnly) ? QString::fromLatin1(datei.readAll()) : QString();
    }
    // Names the current position as the user does.
    void Benenne(const QString& name) const {
        auto* feld = Kind<QLineEdit>("EditPosition");
        feld->selectAll();
        QTest::keyClicks(feld, name);
        Verlassen(feld);
    }
    // Positions A, B and C; C is current.
    void DreiPositionen() {
        for (const char* name : {"A", "B", "C"}) {
            if (*name != 'A') fenster->Ausfuehren(Befehl::PositionHinzufuegen);
            Benenne(QString::fromLatin1(name));
        }
    }
    QStringList Positionsbaum() const {
        QStringList texte;
        for (int i = 1; auto* blatt = fenster->Baum().Positionsblatt(i); ++i) texte << blatt->text(0);
        return texte;
    }
    void Sende(QWidget* ziel, int taste, Qt::KeyboardModifiers mit = Qt::NoModifier) const {
        QKeyEvent druck(QEvent::KeyPress, taste, mit);
        QApplication::sendEvent(ziel, &druck);
    }
};

// The save question before New, Open and Exit: Yes saves and goes on, No goes on, Cancel changes nothing.
TEST_F(Befehle, speicherfrageVorNeuOeffnenUndBeenden) {
    struct Fall {
        Befehl befehl;
        Antwort antwort;
    };
    TKModell anderes(umgebung);
    anderes.cAnwendung.at(0).SetPosition("aus der Datei");
    ASSERT_TRUE(SaveToFile(anderes, Pfad(QStringLiteral("anderes.ZAV")).toStdString()));
    for (const Befehl befehl : {Befehl::Neu, Befehl::Oeffnen, Befehl::Beenden}) {
        for (const Antwort antwort : {Antwort::Ja, Antwort::Nein, Antwort::Abbrechen}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(befehl)) + "/" +
                         std::to_string(static_cast<int>(antwort)));
            fenster = std::make_unique<TfrmHauptMaske>(umgebung);
            fenster->show();
            dialoge.aufrufe.clear();
            QFile::remove(Pfad(QStringLiteral("gesichert.ZAV")));
            fenster->Sitzung().PositionBenennen("in Arbeit");
            dialoge.dreiAntworten = {antwort};
            if (antwort == Antwort::Ja) WaehleDatei(QStringLiteral("gesichert"));  // no file yet: save as
            if (befehl == Befehl::Oeffnen) WaehleDatei(QStringLiteral("anderes.ZAV"));
            fenster->Ausfuehren(befehl);
            EXPECT_EQ(dialoge.Texte(DialogSkript::Art::FrageMitAbbrechen), QStringList{Frage});
            const bool weiter = antwort != Antwort::Abbrechen;
            EXPECT_EQ(QFile::exists(Pfad(QStringLiteral("gesichert.ZAV"))), antwort == Antwort::Ja);
            const bool gesichert = Inhalt(QStringLiteral("gesichert.ZAV")).contains("in Arbeit");
            EXPECT_EQ(gesichert, antwort == Antwort::Ja);
            const std::string name = A().GetPosition();
            switch (befehl) {
                case Befehl::Neu:
                    EXPECT_EQ(name, weiter ? "1" : "in Arbeit");
                    break;
                case Befehl::Oeffnen:
                    EXPECT_EQ(name, weiter ? "aus der Datei" : "in Arbeit");
                    break;
                default:
                    EXPECT_EQ(fenster->isVisible(), !weiter);
                    break;
            }
            dialoge.dateien.clear();
            dialoge.dreiAntworten = {Antwort::Nein};  // the fixture closes the window
        }
    }
}

// Save as proposes the project name, gives the file its extension and the caption follows; what is saved
// opens again equal, with every position and its results.
TEST_F(Befehle, speichernUnterUndOeffnenGebenDasProjektZurueck) {
    EXPECT_EQ(fenster->windowTitle(), Titel + QStringLiteral("unbenannt"));
    Kind<QLineEdit>("EditBauvorhaben")->setText(QStringLiteral("Halle 3"));
    DreiPositionen();
    Klick("btnBerechnen");
    ASSERT_TRUE(A().cErgebnisse.GetBerechnet());
    WaehleDatei(QStringLiteral("Halle 3"));
    fenster->Ausfuehren(Befehl::Speichern);  // no file yet: save as
    ASSERT_EQ(dialoge.aufrufe.back().art, DialogSkript::Art::Speichern);
    EXPECT_EQ(dialoge.aufrufe.back().vorschlag, QStringLiteral("Halle 3.ZAV"));
    EXPECT_EQ(dialoge.aufrufe.back().text, QStringLiteral("QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ"));
    const QString datei = Pfad(QStringLiteral("Halle 3.ZAV"));
    EXPECT_EQ(fenster->windowTitle(), Titel + datei);
    const QString gespeichert = Inhalt(QStringLiteral("Halle 3.ZAV"));
    ASSERT_FALSE(gespeichert.isEmpty());

    Benenne(QStringLiteral("C neu"));
    fenster->Ausfuehren(Befehl::Speichern);  // now to the file, without a dialog
    EXPECT_EQ(dialoge.aufrufe.back().art, DialogSkript::Art::Speichern);
    EXPECT_TRUE(Inhalt(QStringLiteral("Halle 3.ZAV")).contains(QStringLiteral("C neu")));

    dialoge.dreiAntworten = {Antwort::Nein};
    fenster->Ausfuehren(Befehl::Neu);
    EXPECT_EQ(fenster->windowTitle(), Titel + QStringLiteral("unbenannt"));
    EXPECT_EQ(Positionsbaum(), QStringList{QStringLiteral("#1: 1")});
    dialoge.dreiAntworten = {Antwort::Nein};
    WaehleDatei(QStringLiteral("Halle 3.ZAV"));
    fenster->Ausfuehren(Befehl::Oeffnen);
    EXPECT_EQ(dialoge.aufrufe.back().filter,
              (QStringList{QStringLiteral("QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ (*.ZAV)"),
                           QStringLiteral("Alle Dateien (*)")}));
    EXPECT_EQ(fenster->windowTitle(), Titel + datei);
    EXPECT_EQ(Positionsbaum(), (QStringList{"#1: A", "#2: B", "#3: C neu"}));
    EXPECT_EQ(Kind<QLineEdit>("EditBauvorhaben")->text(), QStringLiteral("Halle 3"));
    EXPECT_EQ(fenster->Modell().GetAktAnwendung(), 3);
    EXPECT_EQ(fenster->Ansicht(), TsAnsicht::anUebersicht);  // stored results show at once
    EXPECT_TRUE(Sichtbar(Kind<QWidget>("lvLastErgebnis")));
    // Saved again unchanged, the file is the same.
    WaehleDatei(QStringLiteral("wieder.ZAV"));
    fenster->Ausfuehren(Befehl::SpeichernUnter);
    EXPECT_EQ(Inhalt(QStringLiteral("wieder.ZAV")), Inhalt(QStringLiteral("Halle 3.ZAV")));
    EXPECT_EQ(dialoge.unerwartet, 0);
}

TEST_F(Befehle, speichernInEinenFehlendenOrdnerMeldetDenGrund) {
    WaehleDatei(QStringLiteral("fehlt/p.ZAV"));
    fenster->Ausfuehren(Befehl::SpeichernUnter);
    ASSERT_EQ(Hinweise().size(), 1);
    EXPECT_TRUE(Hinweise().front().endsWith(
        QStringLiteral("p.ZAV kann nicht gespeichert werden: der Ordner existiert nicht")))
        << Hinweise().front().toStdString();
    EXPECT_EQ(fenster->windowTitle(), Titel + QStringLiteral("unbenannt"));
}

// A project opened under a name that is not UTF-8 (from the command line, as the system gave it) is saved
// under that very name; the caption shows the byte as U+FFFD.
TEST_F(Befehle, speichernUnterEinemNamenDerKeinUtf8Ist) {
    const std::string datei = Pfad(QStringLiteral("projekt")).toStdString() + "_\xFF.ZAV";
    ASSERT_TRUE(SaveToFile(TKModell(umgebung), datei));
    fenster->Befehlszeile({datei});
    EXPECT_EQ(fenster->windowTitle(), Titel + Pfad(QStringLiteral("projekt_\uFFFD.ZAV")));
    Benenne(QStringLiteral("umbenannt"));
    fenster->Ausfuehren(Befehl::Speichern);
    EXPECT_TRUE(Hinweise().isEmpty()) << Hinweise().value(0).toStdString();
    EXPECT_NE(DateiInhalt(datei).find("umbenannt"), std::string::npos);
    for (const auto& e : std::filesystem::directory_iterator(ordner.path().toStdString()))
        EXPECT_EQ(e.path().filename().string().find("\xEF\xBF\xBD"), std::string::npos);
}

// A project file its owner protected is not replaced by the window's save, which names the reason.
TEST_F(Befehle, geschuetzteProjektdateiBleibt) {
    WaehleDatei(QStringLiteral("p.ZAV"));
    fenster->Ausfuehren(Befehl::SpeichernUnter);
    const std::string datei = Pfad(QStringLiteral("p.ZAV")).toStdString();
    const std::string vorher = DateiInhalt(datei);
    ASSERT_FALSE(vorher.empty());
    std::filesystem::permissions(datei, std::filesystem::perms::owner_read);
    Benenne(QStringLiteral("umbenannt"));
    fenster->Ausfuehren(Befehl::Speichern);
    ASSERT_EQ(Hinweise().size(), 1);
    EXPECT_TRUE(Hinweise().front().endsWith(
        QStringLiteral("p.ZAV kann nicht gespeichert werden: die Datei ist schreibgeschützt")))
        << Hinweise().front().toStdString();
    EXPECT_EQ(DateiInhalt(datei), vorher);
}

TEST_F(Befehle, positionenHinzufuegenLoeschenUndWaehlen) {
    DreiPositionen();
    EXPECT_EQ(Positionsbaum(), (QStringList{"#1: A", "#2: B", "#3: C"}));
    auto* auswahl = Kind<QSpinBox>("sEditAktAnwendung");
    EXPECT_EQ(auswahl->maximum(), 3);
    EXPECT_EQ(auswahl->value(), 3);

    // Selecting 5 of 3 lands on the last one.
    fenster->PositionWaehlen(1);
    EXPECT_EQ(Kind<QLineEdit>("EditPosition")->text(), QStringLiteral("A"));
    auswahl->setValue(2);
    EXPECT_EQ(fenster->Modell().GetAktAnwendung(), 2);
    fenster->PositionWaehlen(5);
    EXPECT_EQ(fenster->Modell().GetAktAnwendung(), 3);
    EXPECT_EQ(auswahl->value(), 3);

    // Deleting asks first, naming the position; No keeps it.
    fenster->PositionWaehlen(2);
    dialoge.antworten = {false};
    fenster->Ausfuehren(Befehl::PositionLoeschen);
    EXPECT_EQ(dialoge.Texte(DialogSkript::Art::Frage),
              QStringList{QStringLiteral("Soll die Position 2 \"B\" gelöscht werden?")});
    EXPECT_EQ(Positionsbaum(), (QStringList{"#1: A", "#2: B", "#3: C"}));

    // Deleting the middle of three: the former third moves up and is current.
    dialoge.antworten = {true};
    fenster->Ausfuehren(Befehl::PositionLoeschen);
    EXPECT_EQ(Positionsbaum(), (QStringList{"#1: A", "#2: C"}));
    EXPECT_EQ(Kind<QLineEdit>("EditPosition")->text(), QStringLiteral("C"));
    EXPECT_EQ(auswahl->maximum(), 2);

    dialoge.antworten = {true};
    fenster->Ausfuehren(Befehl::PositionLoeschen);
    fenster->Ausfuehren(Befehl::PositionLoeschen);  // the only one stays
    EXPECT_EQ(Positionsbaum(), QStringList{"#1: A"});
    EXPECT_EQ(Hinweise(),
              QStringList{QStringLiteral(
                  "Es ist nur eine Position im Projekt vorhanden.\n\nDie letzte Position kann nicht "
                  "entfernt werden!")});
}

// Typing a name renames the tree entry at once; the model keeps the old name until the field is left.
TEST_F(Befehle, namenFolgenImBaum) {
    auto* name = Kind<QLineEdit>("EditPosition");
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Achse 7"));
    EXPECT_EQ(Positionsbaum(), QStringList{"#1: Achse 7"});
    EXPECT_EQ(A().GetPosition(), "1");
    QTest::keyClicks(Kind<QLineEdit>("EditBauvorhaben"), QStringLiteral("Halle"));
    EXPECT_TRUE(fenster->Baum().findItems(QStringLiteral("Bauvorhaben: Halle"), Qt::MatchExactly).size() ==
                1);
}

TEST_F(Befehle, baumFuehrtBlaetterAusUndGruppenNicht) {
    Navigationsbaum& baum = fenster->Baum();
    const auto oben = [&](const char* text) {
        return baum.findItems(QString::fromUtf8(text), Qt::MatchExactly).value(0);
    };
    QStringList gruppen;
    for (int i = 0; i < baum.topLevelItemCount(); ++i) gruppen << baum.topLevelItem(i)->text(0);
    EXPECT_EQ(gruppen, (QStringList{"Datei", "Projektverwaltung", "Bauvorhaben: ", "Eingaben", "Bedarfsliste",
                                    "Optionen", "Hilfe", "Programm beenden"}));
    EXPECT_TRUE(oben("Bauvorhaben: ")->isExpanded());
    emit baum.itemPressed(oben("Bedarfsliste"), 0);
    emit baum.itemPressed(oben("Datei"), 0);
    EXPECT_TRUE(dialoge.aufrufe.empty());
    emit baum.itemPressed(baum.Befehlsblatt(Befehl::PositionHinzufuegen), 0);
    EXPECT_EQ(fenster->Modell().GetAnzAnwendung(), 2);
    emit baum.itemPressed(baum.Positionsblatt(1), 0);
    EXPECT_EQ(fenster->Modell().GetAktAnwendung(), 1);
    emit baum.itemPressed(baum.Befehlsblatt(Befehl::Katalog), 0);
    EXPECT_EQ(Hinweise().value(0),
              QStringLiteral("Die Datei - ZAVR - Katalog.pdf - wurde nicht gefunden. Die "
                             "erforderliche Datei kann nur von der CD Version installiert "
                             "werden!"));
}

// Each command is enabled in exactly the view modes its function allows.
TEST_F(Befehle, befehleJeAnsicht) {
    struct Regel {
        Befehl befehl;
        bool eingabe, vorschau, uebersicht;
    };
    const std::vector<Regel> regeln{
        {Befehl::Systemeingaben, false, true, false}, {Befehl::DxfBewehrung, false, true, true},
        {Befehl::DxfDorn, false, true, true},         {Befehl::Neu, true, true, true},
        {Befehl::Berechnen, true, true, true},        {Befehl::PositionLoeschen, true, true, true},
    };
    Klick("btnBerechnen");
    for (const auto& [ansicht, spalte] :
         {std::pair{TsAnsicht::anEingabe, 0}, std::pair{TsAnsicht::anVorschau, 1},
          std::pair{TsAnsicht::anUebersicht, 2}}) {
        fenster->AnsichtEingabeEinstellen(ansicht);
        for (const Regel& r : regeln) {
            const bool soll = std::array{r.eingabe, r.vorschau, r.uebersicht}[spalte];
            EXPECT_EQ(fenster->Aktion(r.befehl)->isEnabled(), soll)
                << static_cast<int>(r.befehl) << " in " << spalte;
        }
        EXPECT_EQ(fenster->Baum().Befehlsblatt(Befehl::Systemeingaben)->isHidden(), spalte != 1);
    }
    // The bill of quantities can be shown in every mode.
    EXPECT_TRUE(fenster->Aktion(Befehl::BedarfslisteAnzeigen)->isEnabled());
    EXPECT_FALSE(fenster->Baum().Befehlsblatt(Befehl::BedarfslisteAnzeigen)->isHidden());
}

TEST_F(Befehle, menueTexteUndKurztasten) {
    std::map<QString, QString> gefunden;
    for (QAction* menue : fenster->menuBar()->actions())
        for (QAction* a : menue->menu()->actions())
            if (!a->isSeparator()) gefunden[a->text()] = a->shortcut().toString();
    for (const auto& [text, kurz] :
         std::vector<std::pair<QString, QString>>{{"&Neu...", "Ctrl+N"},
                                                  {"&Öffnen...", "Ctrl+O"},
                                                  {"&Speichern", "Ctrl+S"},
                                                  {"Speichern &unter ...", "Ctrl+U"},
                                                  {"&Drucken", "Ctrl+D"},
                                                  {"&Beenden", "Alt+F4"},
                                                  {"&Projektverwaltung", "Ctrl+V"},
                                                  {"DXF Export - &Bewehrung", ""},
                                                  {"DXF Export - D&orn", ""},
                                                  {"Eingabe&baum", ""}}) {
        ASSERT_TRUE(gefunden.count(text)) << text.toStdString();
        EXPECT_EQ(gefunden[text], kurz) << text.toStdString();
    }
}

TEST_F(Befehle, eingabebaumEinUndAus) {
    auto* aktion = fenster->Aktion(Befehl::Eingabebaum);
    fenster->show();
    EXPECT_TRUE(aktion->isChecked());
    aktion->trigger();
    EXPECT_FALSE(Sichtbar(&fenster->Baum()));
    EXPECT_FALSE(aktion->isChecked());
    aktion->trigger();
    EXPECT_TRUE(Sichtbar(&fenster->Baum()));
}

// Enter moves to the next field, Shift+Enter back; a number too large for millimetres is no number.
TEST_F(Befehle, tastaturUndUeberlauf) {
    fenster->show();
    QApplication::setActiveWindow(fenster.get());
    F(Feld::BetondeckungOben)->setFocus();
    Sende(F(Feld::BetondeckungOben), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), F(Feld::BetondeckungUnten));
    Sende(F(Feld::BetondeckungUnten), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), F(Feld::BetondeckungOben));

    Eingeben(Feld::PlatteDicke, QStringLiteral("1e308"));
    EXPECT_EQ(Hinweise().size(), 1);
    EXPECT_TRUE(Hinweise().value(0).startsWith(
        QStringLiteral("Fehler bei der Eingabe: Es sind nur Zahlen erlaubt!")));
    EXPECT_DOUBLE_EQ(A().cGeometrie.GetPlatteDicke(), 240);
}

// The hints of failed checks go away with any switch to input mode, even in input mode already.
TEST_F(Befehle, hinweiseVerschwindenBeimEingeben) {
    A().cGeometrie.SetPlatteDicke(120);
    Klick("btnBerechnen");
    auto* memo = Kind<QPlainTextEdit>("memoHinweise");
    ASSERT_TRUE(Sichtbar(memo));
    ASSERT_EQ(fenster->Ansicht(), TsAnsicht::anEingabe);
    QTest::keyClick(F(Feld::PlatteDicke), Qt::Key_4);
    EXPECT_FALSE(Sichtbar(memo));
}

// After opening, the pressed sketch button and the drawn sketch follow the position's stored sketch.
TEST_F(Befehle, skizzeNachDemOeffnen) {
    Klick("btnBerechnen");
    Klick("tbSchnitt");
    WaehleDatei(QStringLiteral("schnitt.ZAV"));
    fenster->Ausfuehren(Befehl::SpeichernUnter);
    Klick("tbAnsicht");
    dialoge.dreiAntworten = {Antwort::Nein};
    fenster->Ausfuehren(Befehl::Neu);
    ASSERT_TRUE(fenster->ProjektOeffnen(Pfad(QStringLiteral("schnitt.ZAV"))));
    EXPECT_TRUE(Kind<QAbstractButton>("tbSchnitt")->isChecked());
    EXPECT_EQ(fenster->Modell().GetSkizzeAnzeige(), TsSkizzeTyp::stSchnitt);
}

TEST_F(Befehle, fremdeDateiEineMeldung) {
    QFile fremd(Pfad(QStringLiteral("fremd.ZAV")));
    ASSERT_TRUE(fremd.open(QIODevice::WriteOnly));
    fremd.write("Das ist kein Projekt\r\n");
    fremd.close();
    A().SetPosition("bleibt");
    EXPECT_FALSE(fenster->ProjektOeffnen(fremd.fileName()));
    EXPECT_EQ(Hinweise().size(), 1);
    EXPECT_EQ(A().GetPosition(), "bleibt");
}

TEST_F(Befehle, hilfeOhneHilfedateien) {
    fenster->Ausfuehren(Befehl::HilfeInhalt);
    EXPECT_EQ(Hinweise(), QStringList{QStringLiteral("Für dieses Programm ist keine Hilfe installiert.")});
}

// The proof: the preview shows its pages, print and PDF write them, the result pages go to a picture file
// with the extension of the chosen type and to the clipboard.
TEST_F(Befehle, nachweisVorschauDruckPdfUndExport) {
    Klick("btnVorschau");
    ASSERT_EQ(fenster->Ansicht(), TsAnsicht::anVorschau);
    const auto& seiten = Kind<Ergebnisseiten>("bereichVorschau")->Seiten();
    ASSERT_EQ(seiten.size(), 2u);  // first page, sketch page
    EXPECT_GT(seiten.front().height(), seiten.front().width());

    fenster->Drucker().setOutputFormat(QPrinter::PdfFormat);
    fenster->Drucker().setOutputFileName(Pfad(QStringLiteral("druck.pdf")));
    fenster->Ausfuehren(Befehl::Drucken);
    EXPECT_TRUE(Inhalt(QStringLiteral("druck.pdf")).startsWith(QStringLiteral("%PDF")));

    WaehleDatei(QStringLiteral("nachweis"));
    fenster->Ausfuehren(Befehl::AlsPdf);
    EXPECT_TRUE(Inhalt(QStringLiteral("nachweis.pdf")).startsWith(QStringLiteral("%PDF")));

    WaehleDatei(QStringLiteral("seite.png"), 1);
    fenster->Ausfuehren(Befehl::ExportDatei);
    EXPECT_TRUE(QFile::exists(Pfad(QStringLiteral("seite.bmp"))));
    QApplication::clipboard()->clear();
    fenster->Ausfuehren(Befehl::ExportZwischenablage);
    EXPECT_EQ(QApplication::clipboard()->image().size(), seiten.front().size());
    EXPECT_TRUE(Hinweise().isEmpty());

    // Outside the preview the pages cannot be exported; printing stays possible with results.
    Klick("btnRueckkehr");
    EXPECT_FALSE(fenster->Aktion(Befehl::ExportDatei)->isEnabled());
    EXPECT_TRUE(fenster->Aktion(Befehl::Drucken)->isEnabled());
}

// While the pages are shown, the window's scroll keys move them wherever the focus is.
TEST_F(Befehle, blaetternInDenErgebnisseiten) {
    fenster->resize(900, 600);
    fenster->show();
    Klick("btnVorschau");
    auto* seiten = Kind<Ergebnisseiten>("bereichVorschau");
    auto* leiste = seiten->verticalScrollBar();
    ASSERT_GT(leiste->maximum(), 0);
    Sende(fenster.get(), Qt::Key_PageDown);
    EXPECT_EQ(leiste->value(), std::min(leiste->maximum(), seiten->viewport()->height() * 2 / 3));
}

}  // namespace
