#pragma once

#include <optional>
#include <string>

struct Argumente;

// A wrong argument on standard error under the command's name ("zavr-cli report: …"); returns
// ExitDateiFehler.
int Befehlsfehler(const std::string& befehl, const std::string& text);

// The opening every command on one project file shares: wrong arguments and anything but one input file are
// errors, --help prints `hilfe` (a text marked for the catalogue context "Kommandozeile"). Returns the exit
// status when the command ends here, nothing to go on.
std::optional<int> Befehlsanfang(const Argumente& argumente, const std::string& befehl, const char* hilfe);
