#include "model/Uebersetzung.h"

#include <vector>

std::string Einsetzen(std::string muster, std::initializer_list<std::string> werte) {
    const std::vector<std::string> wert(werte);
    std::string text;
    for (std::size_t i = 0; i < muster.size(); ++i) {
        const bool marke = muster[i] == '%' && i + 1 < muster.size() && muster[i + 1] >= '1' &&
                           muster[i + 1] <= '9' &&
                           static_cast<std::size_t>(muster[i + 1] - '1') < wert.size();
        if (!marke) {
            text += muster[i];
            continue;
        }
        text += wert[static_cast<std::size_t>(muster[i + 1] - '1')];
        ++i;
    }
    return text;
}
