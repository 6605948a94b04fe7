#include "app/Fenstergeometrie.h"

#include <algorithm>

namespace {

// The client rectangle whose frame lies inside `verfuegbar` as far as its size allows (top left first, so
// the title bar stays reachable).
QRect Einpassen(QRect client, const QRect& verfuegbar, const QMargins& rahmen) {
    const QRect aussen = client.marginsAdded(rahmen);
    const int x =
        std::max(verfuegbar.left(), std::min(aussen.left(), verfuegbar.right() + 1 - aussen.width()));
    const int y =
        std::max(verfuegbar.top(), std::min(aussen.top(), verfuegbar.bottom() + 1 - aussen.height()));
    client.moveTopLeft({x + rahmen.left(), y + rahmen.top()});
    return client;
}

}  // namespace

QRect Startgeometrie(QSize bevorzugt, QSize minimum, const QRect& verfuegbar, const QMargins& rahmen) {
    const QSize platz = verfuegbar.size().shrunkBy(rahmen);
    const QSize groesse = bevorzugt.boundedTo(platz).expandedTo(minimum);
    QRect client({}, groesse);
    client.moveCenter(verfuegbar.marginsRemoved(rahmen).center());
    return Einpassen(client, verfuegbar, rahmen);
}

QRect Zentriert(QSize groesse, const QRect& ueber, const QRect& verfuegbar, const QMargins& rahmen) {
    QRect client({}, groesse);
    client.moveCenter(ueber.center());
    return Einpassen(client, verfuegbar, rahmen);
}
