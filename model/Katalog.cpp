#include "model/Katalog.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <stdexcept>

namespace {

// Name without blanks, in capitals: the key under which a typed name finds its type.
std::string Namensschluessel(std::string_view text) {
    std::string schluessel;
    for (const char c : text)
        if (c != ' ') schluessel += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return schluessel;
}

const TrDornTyp& Typ(TsDorn dorn) {
    return Katalog()[dorn];
}

}  // namespace

Dornkatalog::Dornkatalog(std::vector<TrDornTyp> typen) : typen_(std::move(typen)) {
    std::set<int> nummern;
    std::set<std::string> namen;
    for (const TrDornTyp& t : typen_) {
        if (t.Name == nullptr || *t.Name == '\0') throw std::invalid_argument("a dowel type without a name");
        if (t.Dateinummer < 0 || !nummern.insert(t.Dateinummer).second)
            throw std::invalid_argument(std::string("file number of ") + t.Name + " negative or taken");
        if (!namen.insert(Namensschluessel(t.Name)).second)
            throw std::invalid_argument(std::string("name ") + t.Name + " taken");
    }
    for (int i = 0; i < Anzahl(); ++i) designfolge_.push_back(static_cast<TsDorn>(i));
    zeilenfolge_ = designfolge_;
    std::stable_sort(zeilenfolge_.begin(), zeilenfolge_.end(), [this](TsDorn a, TsDorn b) {
        return (*this)[a].Anzeigefolge < (*this)[b].Anzeigefolge;
    });
}

std::optional<TsDorn> Dornkatalog::AusDateinummer(long long nummer) const {
    for (const TsDorn dorn : Typen())
        if ((*this)[dorn].Dateinummer == nummer) return dorn;
    return std::nullopt;
}

int Dornkatalog::NaechsteDateinummer() const {
    int naechste = 0;
    for (const TrDornTyp& t : typen_) naechste = std::max(naechste, t.Dateinummer + 1);
    return naechste;
}

std::optional<TsDorn> Dornkatalog::AusName(std::string_view name) const {
    const std::string gesucht = Namensschluessel(name);
    for (const TsDorn dorn : Typen())
        if (Namensschluessel((*this)[dorn].Name) == gesucht) return dorn;
    return std::nullopt;
}

const Dornkatalog* katalog_intern::aktiv = nullptr;

const Dornkatalog& katalog_intern::Standard() {
    static const Dornkatalog standard(StandardDorntypen());
    aktiv = &standard;
    return standard;
}

KatalogErsatz::KatalogErsatz(const Dornkatalog& katalog) : vorher_(katalog_intern::aktiv) {
    katalog_intern::aktiv = &katalog;
}

KatalogErsatz::~KatalogErsatz() {
    katalog_intern::aktiv = vorher_;
}

std::string DornName(TsDorn dorn) {
    return Typ(dorn).Name;
}
std::optional<TsDorn> DornAusName(std::string_view name) {
    return Katalog().AusName(name);
}
int Dateinummer(TsDorn dorn) {
    return Typ(dorn).Dateinummer;
}
std::optional<TsDorn> DornAusDateinummer(long long nummer) {
    return Katalog().AusDateinummer(nummer);
}
std::string DornDxfDatei(TsDorn dorn) {
    return Typ(dorn).Kennung.DxfDatei;
}
int DornZeichnungNr(TsDorn dorn) {
    return Typ(dorn).Kennung.ZeichnungNr;
}
double DornPreis(TsDorn dorn) {
    return Typ(dorn).Kennung.Preis;
}
double ManschettenPreis(TsDorn dorn) {
    return Typ(dorn).Kennung.ManschettenPreis;
}
double StandardBereichPosA(TsDorn dorn) {
    return Typ(dorn).Kennung.BereichPosA;
}

std::string ManschettenName(TsFugenbreite fugenbreite) {
    static constexpr std::array<const char*, 5> namen{"PRYL-20", "PRYL-20", "PRYL-40", "PRYL-40", "PRYL-60"};
    return namen[Ord(fugenbreite)];
}
