#include "cli/Argumente.h"

#include "cli/Kommandozeile.h"

std::optional<std::string> Argumente::Wert(const std::string& name) const {
    const auto it = werte.find(name);
    if (it == werte.end()) return std::nullopt;
    return it->second;
}

Option OptionTeilen(const std::string& argument) {
    const auto gleich = argument.find('=');
    if (!argument.starts_with("--") || gleich == std::string::npos) return {argument, std::nullopt};
    return {argument.substr(0, gleich), argument.substr(gleich + 1)};
}

Argumente LeseArgumente(const std::vector<std::string>& argumente, const std::set<std::string>& mitWert,
                        const std::set<std::string>& ohneWert,
                        const std::map<std::string, std::string>& aliase) {
    Argumente a;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        auto [name, wert] = OptionTeilen(argumente[i]);
        if (const auto alias = aliase.find(name); alias != aliase.end()) name = alias->second;
        if (ohneWert.contains(name) && !wert) {
            a.schalter.insert(name);
        } else if (mitWert.contains(name)) {
            if (!wert && i + 1 < argumente.size()) wert = argumente[++i];
            if (!wert || wert->empty()) {
                a.fehler = Einsetzen(translate("Kommandozeile", "%1 braucht einen Wert"), {name});
                return a;
            }
            a.werte[name] = *wert;
        } else if (name.starts_with("-") && name != "-") {
            a.fehler = Einsetzen(translate("Kommandozeile", "unbekannte Option \"%1\""), {name});
            return a;
        } else {
            a.worte.push_back(name);
        }
    }
    return a;
}

std::optional<int> Positionsnummer(const std::string& text) {
    try {
        std::size_t ende = 0;
        const int nummer = std::stoi(text, &ende);
        if (ende == text.size() && nummer >= 1) return nummer;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

std::optional<int> PositionsOption(const Argumente& argumente) {
    const auto text = argumente.Wert("--position");
    return text ? Positionsnummer(*text) : 0;
}
