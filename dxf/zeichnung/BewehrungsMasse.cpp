#include "dxf/zeichnung/BewehrungsMasse.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <initializer_list>
#include <numeric>

#include "model/Ergebnisgrenzen.h"
#include "model/TKAnwendung.h"
#include "model/Uebersetzung.h"

double TrBewehrungsMasse::Summe(const std::vector<double>& liste, int anzahl) {
    const auto n = std::min<std::size_t>(liste.size(), anzahl < 0 ? 0 : static_cast<std::size_t>(anzahl));
    return std::accumulate(liste.begin(), liste.begin() + static_cast<std::ptrdiff_t>(n), 0.0);
}

namespace {

void UebernimmDorn(const TKDornDaten& dd, TrBewehrungsMasse& m) {
    m.bE = dd.GetEinflussBereich(), m.BA = dd.GetBereichPosA();
    m.dA = dd.GetPosAd(), m.dB1 = dd.GetPosB1d(), m.dB2 = dd.GetPosB2d(), m.dC = dd.GetPosCd();
    m.dD = dd.GetPosDd();
    m.nA = dd.GetAnzPosA(), m.nB1 = dd.GetAnzPosB1(), m.nB2 = dd.GetAnzPosB2(), m.nC = dd.GetAnzPosC();
    m.nD = dd.GetAnzPosD();
    m.DA = dd.GetDistPosA(), m.DB1 = dd.GetDistPosB1(), m.DB2 = dd.GetDistPosB2(), m.DD = dd.GetDistPosD();
    m.rB = dd.GetDistPosB1Rand(), m.rC = dd.GetDistPosCRand();
    m.bD = dd.GetDornBreite(), m.hD = dd.GetDornHoehe(), m.dS = dd.GetDornDurchmesser();
    m.aD = dd.GetDornAbstand(), m.L = dd.GetDornLaenge(), m.rb = dd.GetDornRERohrb();
    m.rh = dd.GetDornRERohrh();
    m.l1 = dd.GetDornStab1l(), m.l2 = dd.GetDornStab2l(), m.d1 = dd.GetDornStab1d(),
    m.d2 = dd.GetDornStab2d();
    m.a1 = dd.GetDornStab1a(), m.a2 = dd.GetDornStab2a(), m.lp = dd.GetDornPlattel();
}

bool AllesEndlich(const TrBewehrungsMasse& m) {
    for (double v : {m.h,  m.co, m.cu, m.cv, m.by, m.bE, m.BA, m.rB, m.rC, m.bD, m.hD, m.dS,
                     m.aD, m.L,  m.rb, m.rh, m.l1, m.l2, m.d1, m.d2, m.a1, m.a2, m.lp})
        if (!std::isfinite(v)) return false;
    for (const auto* liste : {&m.DA, &m.DB1, &m.DB2, &m.DD})
        for (double v : *liste)
            if (!std::isfinite(v)) return false;
    return true;
}

bool ListenVollstaendig(const TrBewehrungsMasse& m) {
    const auto reicht = [](const std::vector<double>& liste, int noetig) {
        return static_cast<int>(liste.size()) >= noetig;
    };
    return reicht(m.DA, m.nA / 2) && reicht(m.DD, m.nD / 2 - 1) && reicht(m.DB1, m.nB1 >= 3 ? m.k - 1 : 0) &&
           reicht(m.DB1, m.nB1 >= 3 ? 1 : 0) && (m.nB2 <= 0 || reicht(m.DB2, m.m2 + 1));
}

}  // namespace

bool LeseBewehrungsMasse(const TKAnwendung& anw, TsDorn dorn, TrBewehrungsMasse& m, std::string& fehler) {
    const TKErgebnisse& erg = anw.cErgebnisse;
    if (!erg.GetBerechnet()) {
        fehler = QT_TRANSLATE_NOOP(
            "Bewehrungsplan",
            "Die Position ist nicht berechnet; der Bewehrungsplan braucht die Ergebnisse einer Berechnung.");
        return false;
    }
    // Reading discards results beyond these bounds; the drawing loops over the counts.
    assert(!ErsteGrenzverletzung(erg, dorn) && "results beyond their bounds reach the drawing");
    m = {};
    m.h = anw.cGeometrie.GetPlatteDicke();
    m.co = anw.cGeometrie.GetBetondeckungOben();
    m.cu = anw.cGeometrie.GetBetondeckungUnten();
    m.cv = anw.cGeometrie.GetBetondeckungVorn();
    m.by = erg.cDornErgebnis[Ord(dorn)].Getby();
    UebernimmDorn(erg.cDornDaten[Ord(dorn)], m);
    if (!AllesEndlich(m)) {
        fehler = QT_TRANSLATE_NOOP(
            "Bewehrungsplan",
            "Die Bewehrungsdaten enthalten ungültige Zahlen; bitte die Position neu berechnen.");
        return false;
    }
    if (m.h <= 0 || m.by <= 0) {
        fehler = QT_TRANSLATE_NOOP(
            "Bewehrungsplan",
            "Plattendicke oder Bewehrungsbreite by ist nicht berechnet; bitte die Position neu berechnen.");
        return false;
    }
    if (m.nA < 0 || m.nB1 < 0 || m.nB2 < 0 || m.nC < 0 || m.nD < 0 || (m.nB2 > 0 && m.nB1 < 2)) {
        fehler = QT_TRANSLATE_NOOP(
            "Bewehrungsplan",
            "Die Stabanzahlen der Bewehrung passen nicht zusammen; bitte die Position neu berechnen.");
        return false;
    }
    m.k = m.nB1 / 2;
    m.m2 = m.nB2 > 0 ? (m.nB2 / 2 - 1) / m.k : 0;
    if (!ListenVollstaendig(m)) {
        fehler = QT_TRANSLATE_NOOP(
            "Bewehrungsplan",
            "Die Stababstände der Bewehrung sind unvollständig; bitte die Position neu berechnen.");
        return false;
    }
    m.SD = 2 * TrBewehrungsMasse::Summe(m.DD, static_cast<int>(m.DD.size()));
    m.W = 2 * m.cv + m.rB + TrBewehrungsMasse::Summe(m.DB2, static_cast<int>(m.DB2.size()));
    return true;
}
