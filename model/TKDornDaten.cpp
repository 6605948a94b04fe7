#include "model/TKDornDaten.h"

TKDornDaten::TKDornDaten() : TKDornDaten(TsLand::deu) {}

TKDornDaten::TKDornDaten(TsLand land) : TVRds_Data(land) {
    SetDorn(TsDorn::ZAVR45HF, TsFugenbreite::fb30bis40, 160);
}

void TKDornDaten::SetDorn(TsDorn pDorn, TsFugenbreite, double) {
    TDorn = pDorn;
}
