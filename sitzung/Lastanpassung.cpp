#include "sitzung/Lastanpassung.h"

#include <algorithm>

#include "model/TKBelastung.h"

namespace {

// Lengths come from typed metres; a point "at" the joint end may differ from it in the last bits.
constexpr double Toleranz = 1e-6;  // mm

}  // namespace

std::vector<Lastpunktaenderung> LastAnFugenlaengeAnpassen(TKBelastung& last, double alteLaenge,
                                                          double neueLaenge) {
    std::vector<TrFloatPoint> punkte;
    for (int i = 0; i < last.GetAnzLastPunkte(); ++i) punkte.push_back(last.GetbeliebigeLast(i));
    std::vector<Lastpunktaenderung> aenderungen;
    const auto erster = std::find_if(punkte.begin(), punkte.end(),
                                     [neueLaenge](const TrFloatPoint& p) { return p.x >= neueLaenge; });
    if (erster != punkte.end()) {
        if (erster->x != neueLaenge) aenderungen.push_back({*erster, neueLaenge});
        erster->x = neueLaenge;
        for (auto p = erster + 1; p != punkte.end(); ++p) aenderungen.push_back({*p, std::nullopt});
        punkte.erase(erster + 1, punkte.end());
    } else if (!punkte.empty() && neueLaenge > alteLaenge && punkte.back().x >= alteLaenge - Toleranz) {
        aenderungen.push_back({punkte.back(), neueLaenge});
        punkte.back().x = neueLaenge;
    }
    if (!aenderungen.empty()) last.SetbeliebigeLast(std::move(punkte));
    last.SetLastLaenge(neueLaenge);
    return aenderungen;
}
