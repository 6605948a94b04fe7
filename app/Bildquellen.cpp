#include "app/Bildquellen.h"

#include <QPainter>
#include <QSvgRenderer>
#include <array>

#include "output/Bildbeschriftung.h"

// The pictures are compiled into the static library; without this reference the linker would drop them.
static void RessourcenLaden() {
    static const bool geladen = [] {
        Q_INIT_RESOURCE(zavr);
        return true;
    }();
    (void)geladen;
}

namespace {

QPixmap Zeichne(const QString& datei, const QSize& groesse) {
    RessourcenLaden();
    QSvgRenderer svg(datei);
    QPixmap bild(groesse);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    svg.render(&maler);
    return bild;
}

QIcon Symbol(const QString& datei, const QSize& groesse) {
    QIcon icon;
    icon.addPixmap(Zeichne(datei, groesse));
    icon.addPixmap(Zeichne(datei, groesse * 2));
    return icon;
}

}  // namespace

QPixmap Titelbild(const QSize& groesse) {
    RessourcenLaden();
    QPixmap bild(groesse);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    BildMitWorten(maler, QStringLiteral(":/Titelbild.svg"), QRectF(QPointF(0, 0), QSizeF(groesse)),
                  TitelbildWorte());
    return bild;
}

QIcon StatusSymbol(int status) {
    if (status < 0 || status > 9) status = 1;
    return Symbol(QStringLiteral(":/status%1.svg").arg(status), QSize(16, 16));
}

QIcon AnwendungsfallSymbol(int anwendungsfall) {
    static const std::array<const char*, 5> dateien{":/einzel.svg", ":/paarplatte.svg", ":/paarwand.svg",
                                                    ":/reiheplatte.svg", ":/reihewand.svg"};
    const auto index = static_cast<std::size_t>(anwendungsfall) % dateien.size();
    RessourcenLaden();
    QSvgRenderer svg{QString::fromLatin1(dateien[index])};
    return Symbol(QString::fromLatin1(dateien[index]), svg.defaultSize());
}
