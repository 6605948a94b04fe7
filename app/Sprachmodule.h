#pragma once

#include <QString>
#include <vector>

class QTranslator;

// Language modules are Qt translation catalogues beside the program, named like the program file with the
// extension ".deu", ".eng" or ".plk". German is built in; a module replaces its texts as a whole.
struct Sprache {
    QString name;     // entry of the language choice: "Deutsch", "English", "Polski"
    int kennung;      // IDSprache: 1031, 2057, 21
    QString kuerzel;  // three-letter language abbreviation and module extension
    QString qt;       // the language of Qt's own catalogues (dialog buttons, file and print dialogs)
};

const std::vector<Sprache>& BekannteSprachen();

// The module file for `kuerzel` beside the program: the part after the last dot of the program's file name
// is replaced (or, without one, the abbreviation appended).
QString Moduldatei(const QString& programmdatei, const QString& kuerzel);

// The languages whose module exists beside the program, in the order Deutsch, English, Polski.
std::vector<Sprache> VorhandeneSprachen(const QString& programmdatei);

// Loads the module of the locale `kennung` into `uebersetzer`: first the three-letter abbreviation, then its
// first two letters. False (German stays) when the locale has no abbreviation or no module loads.
bool LadeSprachmodul(QTranslator& uebersetzer, const QString& programmdatei, int kennung);

// Loads Qt's own texts in the language of the locale `kennung` (German for any locale without a module of
// its own, as the program's texts then are German too).
bool LadeQtTexte(QTranslator& uebersetzer, int kennung);
