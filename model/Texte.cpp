#include "model/Texte.h"

#include "model/Uebersetzung.h"
#include "model/Umgebung.h"

std::string_view ReferenzEintrag(TextListe liste) {
    switch (liste) {
        case TextListe::StatusKurz:
            return QT_TRANSLATE_NOOP(
                "Textliste",
                R"(OK\h < h min\VEd > VRd\e < e min\ar < ar min\e < e krit\ar < ar krit\hw < hw krit\)"
                R"(c < c min\e < e erf\)");
        case TextListe::StatusLang:
            return QT_TRANSLATE_NOOP(
                "Textliste",
                R"(Berechnung OK\Bauteildicke zu klein!\Belastung zu hoch!\Dornabstand kleiner zulässig!\)"
                R"(Randabstand kleiner zulässig!\Dornabstand für Standardbewehrung nach Zulassung zu klein\)"
                R"(Randabstand für erforderliche Bewehrung zu klein\)"
                R"(Die angegebene Wanddicke ist für den ausgewählten Dorn kleiner als erforderlich\)"
                R"(Die vorhandene Bauteildicke ist für die gewählte Bewehrung zu klein!\)"
                R"(Der erforderlichen Bereich der Aufhängebewehrung ist größer als der vorhandene Dornabstand\)");
        case TextListe::Warnung:
            return QT_TRANSLATE_NOOP(
                "Textliste",
                R"(Der maximale Dornabstand ist größer als 5 * Plattendicke\)"
                R"(Der maximale Dornabstand konnte auf Grund der Querkrafteingabe nicht eingehalten werden!\)");
        case TextListe::Anwendungsfall:
            return QT_TRANSLATE_NOOP(
                "Textliste", R"(einzelner Doppelschubdorn\Dornpaar Platte an Platte\Dornpaar Platte an Wand\)"
                             R"(Dornreihe Platte an Platte\Dornreihe Platte an Wand\)");
        case TextListe::Nachweistitel:
            return QT_TRANSLATE_NOOP(
                "Textliste", R"(Nachweis für einen mit Punktlast belasteten einzelnen Doppelschubdorn\)"
                             R"(Nachweis für ein Paar aus Doppelschubdornen - Anschluß Platte an Platte\)"
                             R"(Nachweis für ein Paar aus Doppelschubdornen - Anschluß Platte an Wand\)"
                             R"(Nachweis für eine Reihe aus Doppelschubdornen - Anschluß Platte an Platte\)"
                             R"(Nachweis für eine Reihe aus Doppelschubdornen - Anschluß Platte an Wand\)");
        case TextListe::Feuerwiderstand:
            return QT_TRANSLATE_NOOP("Textliste", R"(ohne\F90\)");
        case TextListe::FeuerwiderstandLang:
            return QT_TRANSLATE_NOOP("Textliste", R"(keine Anforderungen\F90 Manschette\)");
        case TextListe::Fugenbreite:
            return QT_TRANSLATE_NOOP("Textliste", R"(20 mm\30 mm\40 mm\50 mm\60 mm\)");
        case TextListe::BewehrungCalc:
            return QT_TRANSLATE_NOOP("Textliste", R"(Standard\Optimal\)");
        case TextListe::MaxDornabstand:
            return QT_TRANSLATE_NOOP("Textliste",
                                     R"(unbegrenzt\5 * Plattendicke - gleiche Belastung aller Dorne\)"
                                     R"(5 * Plattendicke - einfügen konstruktiver Dorne\)");
        case TextListe::Betonguete:
            return QT_TRANSLATE_NOOP("Textliste", R"(C20/25\C25/30\C30/37\C35/45\C40/50\C45/55\C50/60\)"
                                                  R"(C20/25\C25/30\C30/37\C35/45\C40/50\C45/55\C50/60\)");
        case TextListe::ErgebnisSpalten:
            return QT_TRANSLATE_NOOP("Textliste", R"(Dorn\S\ct\ce\D\Bemerkungen\)");
    }
    return {};
}

std::vector<std::string> TeileEintrag(std::string_view eintrag) {
    std::vector<std::string> items;
    for (std::size_t ende = eintrag.find('\\'); ende != std::string_view::npos; ende = eintrag.find('\\')) {
        items.emplace_back(eintrag.substr(0, ende));
        eintrag.remove_prefix(ende + 1);
    }
    return items;
}

namespace {

std::string Item(const std::vector<std::string>& items, int index) {
    return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : std::string();
}

}  // namespace

std::string Text(TextListe liste, int index) {
    return Item(TeileEintrag(ReferenzEintrag(liste)), index);
}

std::vector<std::string> Textliste(TextListe liste, const Umgebung& umgebung) {
    // The catalogue translates the whole entry, so a language keeps the items in the same order.
    return TeileEintrag(umgebung.translate("Textliste", std::string(ReferenzEintrag(liste)).c_str()));
}

std::string Text(TextListe liste, int index, const Umgebung& umgebung) {
    return Item(Textliste(liste, umgebung), index);
}
