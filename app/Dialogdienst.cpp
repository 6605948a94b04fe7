#include "app/Dialogdienst.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QUrl>

namespace {

QString Titel() {
    return Anwendungstitel();
}

std::optional<Dialogdienst::Dateiwahl> Gewaehlt(const QString& datei, const QStringList& filter,
                                                const QString& gewaehlter_filter) {
    if (datei.isEmpty()) return std::nullopt;
    const auto index = filter.indexOf(gewaehlter_filter);
    return Dialogdienst::Dateiwahl{datei, index < 0 ? 0 : static_cast<int>(index)};
}

QString Vorauswahl(const QStringList& filter, int filter_index) {
    return filter_index >= 0 && filter_index < filter.size() ? filter[filter_index] : QString();
}

}  // namespace

QString Anwendungstitel() {
    return QCoreApplication::translate("Dialogdienst", "QUORVEL® Schubdorn ZAVR / ZAVRQ");
}

void QtDialogdienst::Hinweis(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, Titel(), text, QMessageBox::Ok);
}

bool QtDialogdienst::Frage(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, Titel(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

Antwort QtDialogdienst::FrageMitAbbrechen(QWidget* parent, const QString& text) {
    switch (QMessageBox::question(parent, Titel(), text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return Antwort::Ja;
        case QMessageBox::No:
            return Antwort::Nein;
        default:
            return Antwort::Abbrechen;
    }
}

bool QtDialogdienst::Bestaetigung(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, Titel(), text, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

std::optional<Dialogdienst::Dateiwahl> QtDialogdienst::DateiOeffnen(QWidget* parent, const QString& titel,
                                                                    const QString& vorschlag,
                                                                    const QStringList& filter,
                                                                    int filter_index) {
    QString gewaehlt = Vorauswahl(filter, filter_index);
    const auto datei = QFileDialog::getOpenFileName(parent, titel, vorschlag, filter.join(";;"), &gewaehlt);
    return Gewaehlt(datei, filter, gewaehlt);
}

std::optional<Dialogdienst::Dateiwahl> QtDialogdienst::DateiSpeichern(QWidget* parent, const QString& titel,
                                                                      const QString& vorschlag,
                                                                      const QStringList& filter,
                                                                      int filter_index) {
    QString gewaehlt = Vorauswahl(filter, filter_index);
    const auto datei = QFileDialog::getSaveFileName(parent, titel, vorschlag, filter.join(";;"), &gewaehlt);
    return Gewaehlt(datei, filter, gewaehlt);
}

bool QtDialogdienst::DruckerEinrichten(QWidget* parent, QPrinter& drucker) {
    QPrintDialog dialog(&drucker, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogdienst::DokumentOeffnen(const QString& pfad) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(pfad));
}
