#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// The system's text lists in German, the reference language. Each list is one string-table entry whose
// items are each terminated by a backslash; the text of code or ordinal c is item c. A translation
// supplies the same entries in another language.
enum class TextListe {
    StatusKurz,           // status codes 0 to 9, results list
    StatusLang,           // status codes 0 to 9, calculation report
    Warnung,              // warning codes 0 and 1
    Anwendungsfall,       // TsAnwendungsfall, short names
    Nachweistitel,        // TsAnwendungsfall, title of the calculation proof
    Feuerwiderstand,      // TsFeuerwiderstand, input choice
    FeuerwiderstandLang,  // TsFeuerwiderstand, report wording
    Fugenbreite,          // TsFugenbreite
    BewehrungCalc,        // TsBewehrungCalc
    MaxDornabstand,       // TsMaxDornabstand
    Betonguete,           // TsBetonguete: seven German grade names, then the seven standing for PB25 … PB60
    ErgebnisSpalten,      // column captions of the results list
};

// The German string-table entry of a list, backslashes included.
std::string_view ReferenzEintrag(TextListe liste);

// The items of a string-table entry; text after the last backslash is not an item.
std::vector<std::string> TeileEintrag(std::string_view eintrag);

struct Umgebung;

// Item `index` of the German list; empty for an index outside the list.
std::string Text(TextListe liste, int index);

// The items of a list, and item `index` of it, in the user-interface language of `umgebung`.
std::vector<std::string> Textliste(TextListe liste, const Umgebung& umgebung);
std::string Text(TextListe liste, int index, const Umgebung& umgebung);

template <typename E, typename = std::enable_if_t<std::is_enum_v<E>>>
std::string Text(TextListe liste, E wert) {
    return Text(liste, static_cast<int>(wert));
}
template <typename E, typename = std::enable_if_t<std::is_enum_v<E>>>
std::string Text(TextListe liste, E wert, const Umgebung& umgebung) {
    return Text(liste, static_cast<int>(wert), umgebung);
}
