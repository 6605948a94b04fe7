#pragma once

#include <QHeaderView>
#include <QTreeWidget>
#include <array>

#include "model/Katalog.h"
#include "model/Typen.h"

class TKAnwendung;
struct Umgebung;

int ZeileVon(TsDorn dorn);
TsDorn DornInZeile(int zeile);

// Header of the results list: the utilisation columns show a Greek letter with its subscript.
class Ergebniskopf : public QHeaderView {
    Q_OBJECT
public:
    explicit Ergebniskopf(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

// `lvLastErgebnis`: one row per dowel type with the three utilisations, the number of dowels and the status.
class Ergebnisliste : public QTreeWidget {
    Q_OBJECT
public:
    explicit Ergebnisliste(const Umgebung& umgebung, QWidget* parent = nullptr);

    // Refills all rows from the position's results and selects the row of the selected type.
    void ErgebnisUebersichtAnzeigen(const TKAnwendung& anwendung);

signals:
    // The user (or the fill) selected the row of a type; deselections are not reported.
    void dornGewaehlt(TsDorn dorn);

private:
    void BegrenzeSpalte(int spalte, int breite);

    const Umgebung& umgebung_;
};
