#include "model/TKGeometrie.h"

#include <algorithm>

void TKGeometrie::SetBetondeckungUnten(double v) {
    TBetondeckungUnten = v;
    FrontdeckungAnpassen();
}

void TKGeometrie::SetBetondeckungOben(double v) {
    TBetondeckungOben = v;
    FrontdeckungAnpassen();
}

// The front cover has no field of its own in the main window; it follows the smaller face cover.
void TKGeometrie::FrontdeckungAnpassen() {
    TBetondeckungVorn = std::min(TBetondeckungUnten, TBetondeckungOben);
}
