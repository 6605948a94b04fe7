#include "app/Textlisten.h"

QStringList Listentexte(TextListe liste, const Umgebung& umgebung) {
    QStringList texte;
    for (const std::string& text : ::Textliste(liste, umgebung)) texte << QString::fromStdString(text);
    return texte;
}
