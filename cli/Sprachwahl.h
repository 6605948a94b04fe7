#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The language and the decimal separator of one run of zavr-cli.
struct Spracheinstellung {
    int kennung = 1031;  // as IDSprache: 1031 German, 2057 English, 21 Polish
    char dezimaltrenner = ',';
};

// The options --language de|en|pl and --decimal ,|. , taken out of the arguments wherever they stand, so
// that they may precede the command or follow it. `fehler` names a wrong value.
struct Sprachoptionen {
    std::optional<int> kennung;
    std::optional<char> dezimaltrenner;
    std::string fehler;
};
Sprachoptionen SprachoptionenEntnehmen(std::vector<std::string>& argumente);

// IDSprache in section Anwenderdaten of a settings file; nothing without the file or the key.
std::optional<int> IDSpracheAusEinstellungen(const std::filesystem::path& datei);

// Where the desktop program keeps its settings, seen from the folder of zavr-cli: beside the installed
// program (../lib/zavr/zavr.INI), or, where that folder cannot be written, in the user's configuration
// folder. The first that exists counts.
std::vector<std::filesystem::path> Einstellungsdateien(const std::filesystem::path& cliOrdner);

// The language of the user's locale (LC_ALL, LC_MESSAGES, LANG): 1031, 2057 or 21; nothing for another.
std::optional<int> LocaleSprache();

// Without --language the language the desktop program would choose: IDSprache of its settings, else the
// locale's language, else German; the decimal separator then is the locale's, as the program's. With
// --language the separator is that language's own (a point for English, a comma for German and Polish).
// --decimal decides over both.
Spracheinstellung SpracheBestimmen(const Sprachoptionen& optionen, const std::filesystem::path& cliOrdner);
