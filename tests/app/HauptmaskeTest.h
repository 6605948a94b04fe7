#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "Sitzungszugang.h"
#include "app/Anwendereinstellungen.h"
#include "app/DesktopUmgebung.h"
#include "app/DialogSkript.h"
#include "app/Eingabebereich.h"
#include "app/QtUmgebung.h"
#include "app/TfrmHauptMaske.h"
#include "app/Zahlenfeld.h"
#include "model/TKModell.h"

// Leaves a field as the Tab key would, which runs its check.
inline void Verlassen(QWidget* feld) {
    QFocusEvent ereignis(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(feld, &ereignis);
}

// The text of a PDF file without blanks, as pdftotext reads it.
inline QString PdfText(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).remove(QLatin1Char(' '));
}

// Clicks the dialog's button with this caption.
inline void Druecke(QWidget& dialog, const QString& text) {
    for (auto* knopf : dialog.findChildren<QAbstractButton*>())
        if (knopf->text() == text) knopf->click();
}

// A main window on German settings with a settings file of its own, scripted message boxes and every
// unanswered dialog closed.
class Hauptmaske : public ::testing::Test {
protected:
    void SetUp() override {
        einstellungen.SchreibeZahl(QStringLiteral("IDSprache"), 1031);
        umgebung.SetDezimaltrenner(',');
        fenster = std::make_unique<TfrmHauptMaske>(umgebung);
    }

    Zahlenfeld* F(Feld feld) const { return fenster->Eingaben().Eingabefeld(feld); }
    // The working copy and the model, to set up a project past the session's inputs.
    TKAnwendung& A() const { return Sitzungszugang::Arbeitskopie(fenster->Sitzung()); }
    TKModell& M() const { return Sitzungszugang::Modell(fenster->Sitzung()); }
    template <typename T>
    T* Kind(const char* name) const {
        auto* kind = fenster->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(kind, nullptr) << name;
        return kind;
    }
    bool Sichtbar(const QWidget* w) const { return w->isVisibleTo(fenster.get()); }

    // Types the text as the user would (which switches to input mode) and leaves the field.
    void Eingeben(Feld feld, const QString& text) const {
        F(feld)->selectAll();
        F(feld)->del();
        QTest::keyClicks(F(feld), text);
        Verlassen(F(feld));
    }
    void Klick(const char* name) const { QTest::mouseClick(Kind<QAbstractButton>(name), Qt::LeftButton); }
    QStringList Hinweise() const { return dialoge.Texte(DialogSkript::Art::Hinweis); }

    QTemporaryDir ordner;
    Anwendereinstellungen einstellungen{ordner.filePath(QStringLiteral("zavr.INI"))};
    DialogSkript dialoge;
    DesktopUmgebung umgebung{einstellungen, dialoge};
    // Closes any window dialog a test does not answer itself (the 5d information after a design run).
    DialogBeantworter offeneDialoge;
    std::unique_ptr<TfrmHauptMaske> fenster;
};

inline const QString Kleiner = QStringLiteral("Der eingegebene Wert ist kleiner als erlaubt!");
inline const QString Groesser = QStringLiteral("Der eingegebene Wert ist größer als erlaubt!");
