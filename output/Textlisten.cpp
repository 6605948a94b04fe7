#include "output/Textlisten.h"

#include <QCoreApplication>
#include <string>

QStringList Textliste(TextListe liste) {
    const std::string eintrag(ReferenzEintrag(liste));
    const QString uebersetzt = QCoreApplication::translate("Textliste", eintrag.c_str());
    QStringList teile;
    for (const auto& teil : TeileEintrag(uebersetzt.toStdString())) teile << QString::fromStdString(teil);
    return teile;
}

QString ListenText(TextListe liste, int index) {
    const QStringList teile = Textliste(liste);
    return index >= 0 && index < teile.size() ? teile[index] : QString();
}
