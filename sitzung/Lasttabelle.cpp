#include "sitzung/Lasttabelle.h"

#include <algorithm>

#include "model/TKBelastung.h"
#include "model/Zahlentext.h"

Lasttabelle::Lasttabelle(const TKBelastung& last, char dezimaltrenner) {
    std::vector<TrFloatPoint> punkte;
    for (int i = 0; i < last.GetAnzLastPunkte(); ++i) punkte.push_back(last.GetbeliebigeLast(i));
    Ersetzen(punkte, dezimaltrenner);
}

void Lasttabelle::Ersetzen(const std::vector<TrFloatPoint>& punkte, char dezimaltrenner) {
    zeilen_.clear();
    for (const TrFloatPoint& p : punkte)
        zeilen_.push_back({FloatText(p.x / 1000, dezimaltrenner), FloatText(p.y, dezimaltrenner)});
    if (zeilen_.empty()) zeilen_.emplace_back();
}

int Lasttabelle::Suche(const std::string& x) const {
    const auto gefunden =
        std::find_if(zeilen_.begin(), zeilen_.end(), [&](const Zeile& z) { return z.x == x; });
    return gefunden == zeilen_.end() ? -1 : static_cast<int>(gefunden - zeilen_.begin());
}

int Lasttabelle::Anhaengen(const Zeile& zeile) {
    if (!zeilen_.front().x.empty()) zeilen_.emplace_back();
    zeilen_.back() = zeile;
    return static_cast<int>(zeilen_.size()) - 1;
}

void Lasttabelle::Setzen(int index, const Zeile& zeile) {
    zeilen_.at(static_cast<std::size_t>(index)) = zeile;
}

int Lasttabelle::Loeschen(int index) {
    if (index < 0 || index >= static_cast<int>(zeilen_.size())) return index;
    if (zeilen_.size() == 1) {
        zeilen_.front() = {};
        return 0;
    }
    zeilen_.erase(zeilen_.begin() + index);
    return std::min(index, static_cast<int>(zeilen_.size()) - 1);
}

std::vector<TrFloatPoint> Lasttabelle::Punkte() const {
    std::vector<TrFloatPoint> punkte;
    for (const Zeile& z : zeilen_) {
        const auto x = LeseFloat(z.x), q = LeseFloat(z.q);
        if (!x || !q) break;
        punkte.push_back({*x * 1000, *q});
    }
    return punkte;
}
