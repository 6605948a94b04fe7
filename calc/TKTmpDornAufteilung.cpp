#include "calc/TKTmpDornAufteilung.h"

#include <cmath>

#include "calc/Ganzzahl.h"
#include "model/Umgebung.h"

TKTmpDornAufteilung::TKTmpDornAufteilung(double pMaxAbstand)
    : TMaxAbstand(pMaxAbstand), TIstMaxAbstand(true) {}

void TKTmpDornAufteilung::SetTmpLast(const TKBelastung& last, double fugenlaenge, Umgebung& umgebung) {
    const int n = last.GetAnzLastPunkte();
    TtmpLast.clear();
    for (int i = 0; i < n; ++i) {
        const TrFloatPoint punkt = last.GetbeliebigeLast(n - 1 - i);
        const double x = fugenlaenge - punkt.x;
        if (x < 0) {
            umgebung.Meldung(umgebung.translate(
                "Bemessung",
                "SetTmpLast: Fataler Fehler im Berechnungsablauf! Das Ergebnis der Berechnung ist ungültig!"
                "\n\rVersuchen Sie die Berechnung mit neuen Eingabedaten und wenden Sie sich an den "
                "Hersteller des Programms"));
            TtmpLast.push_back(punkt);
        } else {
            TtmpLast.push_back({x, punkt.y});
        }
    }
}

void TKTmpDornAufteilung::Neu(double pMaxAbstand) {
    NeuOhneMaxAbstand();
    TMaxAbstand = pMaxAbstand;
    TIstMaxAbstand = true;
}

void TKTmpDornAufteilung::NeuOhneMaxAbstand() {
    ResetDist(0);
    ResetDist(1);
    TMaxAbstand = 0;
    TIstMaxAbstand = false;
}

bool TKTmpDornAufteilung::Unterteile(double wert) {
    if (!TIstMaxAbstand) {
        werte.push_back(wert);
        notwendig.push_back(true);
        return true;
    }
    if (!(TMaxAbstand > 0) || !std::isfinite(wert)) return false;
    // Smallest q ≥ 1 with wert / q ≤ M: start at the rounded-up quotient and settle the last digit.
    long long q = std::max(1LL, Ganzzahl(std::ceil(wert / TMaxAbstand)));
    if (q > MaxDorne) return false;
    while (q > 1 && wert / static_cast<double>(q - 1) <= TMaxAbstand) --q;
    while (wert / static_cast<double>(q) > TMaxAbstand) ++q;
    const double teil = wert / static_cast<double>(q);
    werte.insert(werte.end(), static_cast<std::size_t>(q), teil);
    notwendig.insert(notwendig.end(), static_cast<std::size_t>(q - 1), false);
    notwendig.push_back(true);
    return werte.size() <= MaxDorne;
}

bool TKTmpDornAufteilung::SetDornAbstand(TKErgebnisse& ergebnisse, TsDorn pDorn, double fugenlaenge) {
    const std::vector<double>& links = TDist[0];
    const std::vector<double>& rechts = TDist[1];
    if (links.size() < 2) return false;
    const std::size_t kA = links.size() - 1;
    if (rechts.size() < kA) return false;

    // Prefix sums in list order: summeRechts[j] is the sum of the first j entries of the right list.
    summeRechts.assign(kA, 0.0);
    for (std::size_t j = 1; j < kA; ++j) summeRechts[j] = summeRechts[j - 1] + rechts[j - 1];

    double luecke = 0;
    std::size_t kBest = 0;
    double summeLinks = 0;
    for (std::size_t k = 1; k < kA; ++k) {
        summeLinks += links[k - 1];
        const double spalt = fugenlaenge - summeLinks - summeRechts[kA - k];
        if (spalt > luecke) {
            luecke = spalt;
            kBest = k;
        }
    }

    werte.clear();
    notwendig.clear();
    bool ok = Unterteile(links[0]);
    for (std::size_t i = 1; i < kBest; ++i) ok = ok && Unterteile(links[i]);
    if (kA > 1) ok = ok && Unterteile(luecke);
    for (std::size_t i = kA - 1 - kBest; i >= 1; --i) ok = ok && Unterteile(rechts[i]);
    ok = ok && Unterteile(rechts[0]);
    if (!ok) return false;

    TKDornErgebnis& ergebnis = ergebnisse.cDornErgebnis[Ord(pDorn)];
    ergebnis.ResetDornAbstand();
    for (std::size_t i = 0; i < werte.size(); ++i) ergebnis.AddDornAbstand(werte[i], notwendig[i]);
    ergebnisse.SetAnzDorn(pDorn, static_cast<std::uint16_t>(werte.size() - 1));
    return true;
}
