#pragma once

#include <QTreeWidget>

#include "app/Befehle.h"

class TKModell;

// `tvMain`, the navigation tree beside the inputs: the commands of the command table in their groups, and
// under the project the list of positions. A click on a command leaf runs it, on a position selects it; a
// group does nothing.
class Navigationsbaum : public QTreeWidget {
    Q_OBJECT
public:
    explicit Navigationsbaum(QWidget* parent = nullptr);

    // The project entry's name and the position list, from the model.
    void Positionen(const TKModell& modell);
    // Renames one entry of the position list (1-based) while its name is typed.
    void PositionBenennen(int nummer, const QString& name);
    void ProjektBenennen(const QString& name);
    // The projects opened last, under "Datei"; a click on one asks to open it.
    void ZuletztGeoeffnet(const QStringList& dateien);
    // Command leaves exist only in the view modes in which their command is enabled.
    void AnsichtEinstellen(TsAnsicht ansicht);

    QTreeWidgetItem* Befehlsblatt(Befehl befehl) const;
    QTreeWidgetItem* Positionsblatt(int nummer) const;

signals:
    void befehl(Befehl befehl);
    void positionGewaehlt(int nummer);
    void dateiGewaehlt(const QString& datei);

private:
    void Klick(QTreeWidgetItem* eintrag);

    QTreeWidgetItem* projekt_ = nullptr;
    QTreeWidgetItem* positionen_ = nullptr;
    QTreeWidgetItem* zuletzt_ = nullptr;
};

// The text of a position entry: "#", the number, ": " and the name.
QString Positionstext(int nummer, const QString& name);
