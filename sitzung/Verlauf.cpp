#include "sitzung/Verlauf.h"

#include <algorithm>
#include <utility>

#include "model/TKModell.h"

namespace {

template <typename... F>
struct Faelle : F... {
    using F::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang before 17, which the fuzz build uses).
template <typename... F>
Faelle(F...) -> Faelle<F...>;

void AnzahlAbgleichen(TKModell& modell) {
    modell.SetAnzAnwendung(static_cast<std::uint16_t>(modell.cAnwendung.size()));
}

// Puts the part into the project and gives back what the project held there.
Verlauf::Teil Tauschen(TKModell& modell, Verlauf::Teil teil) {
    auto& positionen = modell.cAnwendung;
    return std::visit(Faelle{[&](Verlauf::Position& p) -> Verlauf::Teil {
                                 std::swap(positionen.at(static_cast<std::size_t>(p.nummer - 1)), p.inhalt);
                                 return std::move(p);
                             },
                             [&](Verlauf::Eingefuegt& e) -> Verlauf::Teil {
                                 const auto stelle = positionen.begin() + (e.nummer - 1);
                                 Verlauf::Entfernt entfernt{e.nummer, std::move(*stelle)};
                                 positionen.erase(stelle);
                                 AnzahlAbgleichen(modell);
                                 return entfernt;
                             },
                             [&](Verlauf::Entfernt& e) -> Verlauf::Teil {
                                 positionen.insert(positionen.begin() + (e.nummer - 1), std::move(e.inhalt));
                                 AnzahlAbgleichen(modell);
                                 return Verlauf::Eingefuegt{e.nummer};
                             },
                             [&](Verlauf::Projektdaten& d) -> Verlauf::Teil {
                                 std::swap(modell.cProjektdaten, d.daten);
                                 return std::move(d);
                             },
                             [&](Verlauf::Bedarfsliste& b) -> Verlauf::Teil {
                                 std::swap(modell.cStueckliste, b.liste);
                                 return std::move(b);
                             }},
                      teil);
}

}  // namespace

void Verlauf::Aufnehmen(Schritt schritt) {
    if (gespeichert_ && *gespeichert_ > jetzt_) gespeichert_.reset();
    schritte_.erase(schritte_.begin() + static_cast<std::ptrdiff_t>(jetzt_), schritte_.end());
    // Merged, the first step's record still holds the state before all of them.
    if (!schritt.zusammenfassen.empty() && jetzt_ > 0 && gespeichert_ != jetzt_ &&
        schritte_.back().zusammenfassen == schritt.zusammenfassen) {
        schritte_.back().aktuellNachher = schritt.aktuellNachher;
        return;
    }
    schritte_.push_back(std::move(schritt));
    ++jetzt_;
    if (schritte_.size() <= MaxSchritte) return;
    schritte_.erase(schritte_.begin());
    --jetzt_;
    if (gespeichert_ && *gespeichert_ == 0)
        gespeichert_.reset();
    else if (gespeichert_)
        --*gespeichert_;
}

std::string Verlauf::NameRueckgaengig() const {
    return KannRueckgaengig() ? schritte_[jetzt_ - 1].name : std::string();
}

std::string Verlauf::NameWiederherstellen() const {
    return KannWiederherstellen() ? schritte_[jetzt_].name : std::string();
}

std::optional<int> Verlauf::Rueckgaengig(TKModell& modell) {
    if (!KannRueckgaengig()) return std::nullopt;
    Schritt& schritt = schritte_[--jetzt_];
    for (auto teil = schritt.teile.rbegin(); teil != schritt.teile.rend(); ++teil)
        *teil = Tauschen(modell, std::move(*teil));
    return schritt.aktuellVorher;
}

std::optional<int> Verlauf::Wiederherstellen(TKModell& modell) {
    if (!KannWiederherstellen()) return std::nullopt;
    Schritt& schritt = schritte_[jetzt_++];
    for (Teil& teil : schritt.teile) teil = Tauschen(modell, std::move(teil));
    return schritt.aktuellNachher;
}

void Verlauf::Gespeichert() {
    gespeichert_ = jetzt_;
}

bool Verlauf::Geaendert() const {
    if (!gespeichert_) return true;
    const auto [von, bis] = std::minmax(*gespeichert_, jetzt_);
    return std::any_of(schritte_.begin() + static_cast<std::ptrdiff_t>(von),
                       schritte_.begin() + static_cast<std::ptrdiff_t>(bis),
                       [](const Schritt& s) { return s.aendertDatei; });
}

void Verlauf::Leeren() {
    schritte_.clear();
    jetzt_ = 0;
    gespeichert_ = 0;
}
