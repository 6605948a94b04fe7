#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The arguments of one command: options with a value ("--name value" or "--name=value"), switches and
// the remaining plain words in order.
struct Argumente {
    std::vector<std::string> worte;
    std::map<std::string, std::string> werte;
    std::set<std::string> schalter;
    std::string fehler;  // not empty: the arguments are wrong

    bool Hat(const std::string& name) const { return schalter.contains(name) || werte.contains(name); }
    std::optional<std::string> Wert(const std::string& name) const;
};

// One argument split at "=" when it is a long option written "--name=value".
struct Option {
    std::string name;
    std::optional<std::string> wert;
};
Option OptionTeilen(const std::string& argument);

// `mitWert` names the options that take a value, `ohneWert` the switches; aliases map short names such as
// "-o" to their long form. Anything else starting with "-" is an error.
Argumente LeseArgumente(const std::vector<std::string>& argumente, const std::set<std::string>& mitWert,
                        const std::set<std::string>& ohneWert,
                        const std::map<std::string, std::string>& aliase = {});

// A position number from 1 upwards, or nothing.
std::optional<int> Positionsnummer(const std::string& text);

// The value of "--position": 0 when the option is not given, nothing when its value is no position number.
std::optional<int> PositionsOption(const Argumente& argumente);
