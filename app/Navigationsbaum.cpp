#include "app/Navigationsbaum.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <map>

#include "model/TKModell.h"

namespace {

enum Rolle { RolleBefehl = Qt::UserRole, RolleArt };
enum Art { ArtGruppe, ArtBefehl, ArtPosition, ArtDatei };

QString Text(const char* text) {
    return QCoreApplication::translate("Befehle", text);
}

QTreeWidgetItem* Eintrag(QTreeWidgetItem* eltern, QTreeWidget* baum, const QString& text, Art art) {
    auto* eintrag = eltern ? new QTreeWidgetItem(eltern) : new QTreeWidgetItem(baum);
    eintrag->setText(0, text);
    eintrag->setData(0, RolleArt, art);
    return eintrag;
}

}  // namespace

QString Positionstext(int nummer, const QString& name) {
    return QStringLiteral("#%1: %2").arg(nummer).arg(name);
}

Navigationsbaum::Navigationsbaum(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("tvMain"));
    setToolTip(Text(QT_TRANSLATE_NOOP("Befehle", "Eingabebaum")));
    setStatusTip(toolTip());
    setHeaderHidden(true);
    setColumnCount(1);
    std::map<std::string, QTreeWidgetItem*> gruppen;
    for (const Befehlseintrag& e : Befehlstabelle()) {
        if (!e.baum) continue;
        QTreeWidgetItem* eltern = nullptr;
        if (*e.gruppe) {
            auto& gruppe = gruppen[e.gruppe];
            if (!gruppe) gruppe = Eintrag(nullptr, this, Text(e.gruppe), ArtGruppe);
            eltern = gruppe;
            if (e.gruppe == std::string(ProjektGruppe)) projekt_ = gruppe;
        }
        QTreeWidgetItem* blatt = Eintrag(eltern, this, Text(e.baum), ArtBefehl);
        blatt->setData(0, RolleBefehl, static_cast<int>(e.befehl));
    }
    positionen_ = Eintrag(projekt_, this, Text(PositionsGruppe), ArtGruppe);
    if (QTreeWidgetItem* neu = Befehlsblatt(Befehl::Neu))
        zuletzt_ = Eintrag(neu->parent(), this, Text(ZuletztGruppe), ArtGruppe);
    for (QTreeWidgetItem* offen : {projekt_, positionen_, gruppen[EingabenGruppe]})
        if (offen) offen->setExpanded(true);
    connect(this, &QTreeWidget::itemPressed, this, [this](QTreeWidgetItem* eintrag) { Klick(eintrag); });
}

void Navigationsbaum::Klick(QTreeWidgetItem* eintrag) {
    if (!eintrag || eintrag->childCount() > 0) return;
    switch (eintrag->data(0, RolleArt).toInt()) {
        case ArtBefehl:
            emit befehl(static_cast<Befehl>(eintrag->data(0, RolleBefehl).toInt()));
            break;
        case ArtPosition:
            emit positionGewaehlt(positionen_->indexOfChild(eintrag) + 1);
            break;
        case ArtDatei:
            emit dateiGewaehlt(eintrag->data(0, RolleBefehl).toString());
            break;
        default:
            break;
    }
}

void Navigationsbaum::ProjektBenennen(const QString& name) {
    projekt_->setText(0, Text(ProjektGruppe) + name);
}

void Navigationsbaum::Positionen(const TKModell& modell) {
    ProjektBenennen(QString::fromStdString(modell.cProjektdaten.GetBauvorhaben()));
    qDeleteAll(positionen_->takeChildren());
    int nummer = 0;
    for (const TKAnwendung& a : modell.cAnwendung)
        Eintrag(positionen_, this, Positionstext(++nummer, QString::fromStdString(a.GetPosition())),
                ArtPosition);
    if (auto* aktuell = Positionsblatt(modell.GetAktAnwendung())) setCurrentItem(aktuell);
}

// The file name shows; the path is the entry's hint.
void Navigationsbaum::ZuletztGeoeffnet(const QStringList& dateien) {
    if (!zuletzt_) return;
    qDeleteAll(zuletzt_->takeChildren());
    for (const QString& datei : dateien) {
        QTreeWidgetItem* blatt = Eintrag(zuletzt_, this, QFileInfo(datei).fileName(), ArtDatei);
        blatt->setData(0, RolleBefehl, datei);
        blatt->setToolTip(0, QDir::toNativeSeparators(datei));
    }
    zuletzt_->setHidden(dateien.isEmpty());
}

void Navigationsbaum::PositionBenennen(int nummer, const QString& name) {
    if (auto* eintrag = Positionsblatt(nummer)) eintrag->setText(0, Positionstext(nummer, name));
}

void Navigationsbaum::AnsichtEinstellen(TsAnsicht ansicht) {
    for (const Befehlseintrag& e : Befehlstabelle())
        if (auto* blatt = Befehlsblatt(e.befehl)) blatt->setHidden(!Aktiv(e, ansicht));
}

QTreeWidgetItem* Navigationsbaum::Befehlsblatt(Befehl befehl) const {
    for (QTreeWidgetItemIterator it(const_cast<Navigationsbaum*>(this)); *it; ++it)
        if ((*it)->data(0, RolleArt).toInt() == ArtBefehl &&
            (*it)->data(0, RolleBefehl).toInt() == static_cast<int>(befehl))
            return *it;
    return nullptr;
}

QTreeWidgetItem* Navigationsbaum::Positionsblatt(int nummer) const {
    return nummer >= 1 && nummer <= positionen_->childCount() ? positionen_->child(nummer - 1) : nullptr;
}
