#pragma once

#include <functional>

#include "app/Enterdialog.h"

class QLineEdit;
class QPlainTextEdit;
class Projektsitzung;

// "Projektdaten": the header of every printed page (project, company, engineer, date, project number).
// The fields show the project's data each time the dialog opens; OK gives them to the project.
class TfrmProjektdaten : public Enterdialog {
    Q_OBJECT
public:
    // `hilfe` opens a help topic by name.
    TfrmProjektdaten(Projektsitzung& sitzung, std::function<void(const QString&)> hilfe,
                     QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Heute();
    void Uebernehmen();
    void FirmaBegrenzen();

    Projektsitzung& sitzung_;
    std::function<void(const QString&)> hilfe_;
    QLineEdit* editBauvorhaben_;
    QPlainTextEdit* memoFirma_;
    QLineEdit* editBearbeiter_;
    QLineEdit* editDatum_;
    QLineEdit* editProjektNr_;
    int firmaGrenze_;
};
