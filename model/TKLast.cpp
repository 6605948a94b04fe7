#include "model/TKLast.h"

void TKLast::SetGk(double v) {
    TGk = v;
    BerechneFd();
}

void TKLast::SetQk(double v) {
    TQk = v;
    BerechneFd();
}

void TKLast::Setgg(double v) {
    Tgg = v;
    BerechneFd();
}

void TKLast::Setgq(double v) {
    Tgq = v;
    BerechneFd();
}

void TKLast::BerechneFd() {
    TFd = TGk * Tgg + TQk * Tgq;
}
