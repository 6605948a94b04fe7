#include "model/TKDornErgebnis.h"

#include <algorithm>
#include <utility>

#include "model/Katalog.h"

TKDornErgebnis::TKDornErgebnis(TsDorn pDorn) {
    Anfangswerte(pDorn);
}

void TKDornErgebnis::Erneuern(TsDorn pDorn) {
    std::vector<double> abstand = std::move(TDornAbstand);
    std::vector<bool> notwendig = std::move(TDornNotwendig);
    TKMeldungen fehler = std::move(cFehler);
    TKMeldungen warnungen = std::move(cWarnungen);
    *this = TKDornErgebnis();
    abstand.clear();
    notwendig.clear();
    fehler.Reset();
    warnungen.Reset();
    TDornAbstand = std::move(abstand);
    TDornNotwendig = std::move(notwendig);
    cFehler = std::move(fehler);
    cWarnungen = std::move(warnungen);
    Anfangswerte(pDorn);
}

void TKDornErgebnis::Anfangswerte(TsDorn pDorn) {
    const TrDornKennung& katalog = Katalog()[pDorn].Kennung;
    AddDornAbstand(katalog.MinAchsabstand, true);
    TDornPaarAbstand = katalog.MinAchsabstand;
    TAbstandLinks = katalog.MinRandSeite;
    TAbstandRechts = katalog.MinRandSeite;
    TKritAchs = katalog.MinAchsabstand;
    TIstMinAchs = katalog.MinAchsabstand;
}

void TKDornErgebnis::ResetDornAbstand() {
    TDornAbstand.clear();
    TDornNotwendig.clear();
}

void TKDornErgebnis::AddDornAbstand(double pDornAbstand, bool pDornNotwendig) {
    TDornAbstand.push_back(pDornAbstand);
    TDornNotwendig.push_back(pDornNotwendig);
}

double TKDornErgebnis::GetDornAbstand(int pAbstand) const {
    return pAbstand >= 0 && pAbstand < GetAnzDornAbstand() ? TDornAbstand[pAbstand] : 0;
}

bool TKDornErgebnis::GetDornNotwendig(int pAbstand) const {
    return pAbstand >= 0 && pAbstand < GetAnzDornAbstand() && TDornNotwendig[pAbstand];
}

double TKDornErgebnis::GetMaxDornAbstand() const {
    double maximum = 0;
    for (int i = 1; i < GetAnzDornAbstand() - 1; ++i)
        if (TDornNotwendig[i]) maximum = std::max(maximum, TDornAbstand[i]);
    return maximum;
}

void TKDornErgebnis::SetVRds(double v) {
    TVRds = v;
    BestimmeVRdzul();
}

void TKDornErgebnis::SetVRdce(double v) {
    TVRdce = v;
    BestimmeVRdzul();
}

void TKDornErgebnis::SetVRDct(double v) {
    TVRdct = v;
    BestimmeVRdzul();
}

void TKDornErgebnis::BestimmeVRdzul() {
    TVRdzul = std::min({TVRds, TVRdce, TVRdct});
}
