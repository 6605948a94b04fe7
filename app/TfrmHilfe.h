#pragma once

#include <QDialog>

#include "app/Hilfe.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

// The help window: the contents and the keyword search on the left, the page on the right, with back and
// forward through the pages seen. It stays open beside the program's windows and stays modal over them, so
// it can be read from inside a dialog that opened it.
class TfrmHilfe : public QDialog {
    Q_OBJECT
public:
    TfrmHilfe(Hilfe hilfe, QWidget* parent = nullptr);

    // Shows the page of the topic. "Inhalt" shows the contents, "Suchen" the keyword search, "Hilfe" the page
    // on how to use the help; an unknown topic shows the contents.
    void Zeigen(const QString& thema);

    const Hilfe& Daten() const { return hilfe_; }
    QString AktuellesThema() const;

private:
    void SeiteOeffnen(const QString& thema);
    void SucheAktualisieren(const QString& text);

    Hilfe hilfe_;
    QTabWidget* reiter_;
    QTreeWidget* inhalt_;
    QLineEdit* suchfeld_;
    QListWidget* treffer_;
    QTextBrowser* seite_;
};
