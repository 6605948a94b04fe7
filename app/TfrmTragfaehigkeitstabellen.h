#pragma once

#include <vector>

#include "app/Enterdialog.h"
#include "model/Tabellenzelle.h"

class Dialogdienst;
class Projektsitzung;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPrinter;
class QTableWidget;

// "Tragfähigkeitstabellen": capacity tables for pre-design. The selections on the left (types, grades,
// thicknesses, joint width, fire protection, method) give the table; the view shows the type selected in
// the type list, rows the thicknesses, columns the grades. Print, PDF and CSV cover every checked type. A
// double click on a cell with a value makes a new position of the project from it, ready to calculate, and
// closes the dialog with Accepted.
class TfrmTragfaehigkeitstabellen : public Enterdialog {
    Q_OBJECT
public:
    TfrmTragfaehigkeitstabellen(Projektsitzung& sitzung, Dialogdienst& dialoge, QPrinter& drucker,
                                QWidget* parent = nullptr);

    const std::vector<Tabellenzelle>& Zellen() const { return zellen_; }
    // The cell shown at a row and column of the view; nothing outside the grade columns.
    const Tabellenzelle* Zelle(int zeile, int spalte) const;
    // Recomputes the table from the selections.
    void Berechnen();
    // What a double click on a cell of the view does.
    void ZelleGewaehlt(int zeile, int spalte);

private:
    QWidget* BaueAuswahl();
    QListWidget* Ankreuzliste(const char* name, const QStringList& texte);
    Tabellenauswahl Auswahl() const;
    TsDorn AngezeigterDorn() const;
    void Anzeigen();
    void Drucken();
    void AlsPdf();
    void AlsCsv();
    std::vector<Tabellenzelle> Angekreuzte();

    Projektsitzung& sitzung_;
    Dialogdienst& dialoge_;
    QPrinter& drucker_;
    std::vector<Tabellenzelle> zellen_;
    std::vector<TsBetonguete> gueten_;            // the grades the grade list offers, in its order
    std::vector<TsBetonguete> berechneteGueten_;  // the grades of the table computed last

    QListWidget* dorne_;
    QListWidget* gueteListe_;
    QCheckBox* abMindestdicke_;
    QDoubleSpinBox* von_;
    QDoubleSpinBox* bis_;
    QDoubleSpinBox* schritt_;
    QComboBox* fuge_;
    QComboBox* brandschutz_;
    QComboBox* methode_;
    QLabel* bezug_;
    QTableWidget* tabelle_;
};
