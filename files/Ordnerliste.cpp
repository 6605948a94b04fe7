#include "files/Ordnerliste.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <system_error>

namespace {

namespace fs = std::filesystem;

unsigned char Klein(unsigned char c) {
    return static_cast<unsigned char>(std::tolower(c));
}

// Only ASCII letters are folded: the other bytes may belong to any encoding.
bool VorOhneGrossKlein(const fs::path& a, const fs::path& b) {
    const std::string x = a.filename().native();
    const std::string y = b.filename().native();
    const auto kleiner = [](char p, char q) {
        return Klein(static_cast<unsigned char>(p)) < Klein(static_cast<unsigned char>(q));
    };
    if (std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), kleiner)) return true;
    if (std::lexicographical_compare(y.begin(), y.end(), x.begin(), x.end(), kleiner)) return false;
    return x < y;
}

bool IstProjektname(const std::string& name) {
    constexpr std::string_view endung = ".zav";
    return name.size() > endung.size() &&
           std::equal(endung.rbegin(), endung.rend(), name.rbegin(), [](char e, char c) {
               return e == static_cast<char>(Klein(static_cast<unsigned char>(c)));
           });
}

}  // namespace

Ordnerliste OrdnerLesen(const fs::path& ordner) {
    Ordnerliste liste;
    std::error_code fehler;
    fs::directory_iterator eintraege(ordner, fs::directory_options::skip_permission_denied, fehler);
    for (const fs::directory_iterator ende; !fehler && eintraege != ende; eintraege.increment(fehler)) {
        const fs::path& pfad = eintraege->path();
        const std::string name = pfad.filename().native();
        if (name.empty() || name.front() == '.') continue;
        std::error_code art;  // a link follows to its target; a dangling one is neither
        if (eintraege->is_directory(art))
            liste.ordner.push_back(pfad);
        else if (IstProjektname(name) && eintraege->is_regular_file(art))
            liste.projekte.push_back(pfad);
    }
    std::sort(liste.ordner.begin(), liste.ordner.end(), VorOhneGrossKlein);
    std::sort(liste.projekte.begin(), liste.projekte.end(), VorOhneGrossKlein);
    return liste;
}
