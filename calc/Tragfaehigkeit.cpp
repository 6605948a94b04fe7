#include "calc/Tragfaehigkeit.h"

#include <algorithm>

#include "calc/Bewehrung.h"
#include "calc/Ganzzahl.h"
#include "calc/Widerstaende.h"

double Tragfaehigkeit(const Dornkontext& k, TsBewehrungCalc methode, bool& abgebrochen) {
    const double vs = VRds(k);
    double vct = VRdct(k);
    const double vctMax = VRdctMax(k);
    if (methode != TsBewehrungCalc::bcOptimal) return std::min({vs, VRdce(k), vct});

    const double vce = OptimiereAufhaengebewehrung(k);
    if (vct < vs && vct < vctMax && vct < vce) {
        int schritte = 0;
        // The stop test sees the punching resistance from before the step just made, so the step that
        // reaches a limit is kept.
        while (ErhoeheBewehrung(k) && !(vct >= vs || vct >= vctMax || vct >= vce)) {
            vct = VRdct(k);
            if (++schritte >= MaxSchritte) {
                abgebrochen = true;
                break;
            }
        }
    }
    return std::min({vs, vce, vct});
}
