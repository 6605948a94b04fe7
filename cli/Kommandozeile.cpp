#include "cli/Kommandozeile.h"

#include "model/Umgebung.h"

#ifdef ZAVR_SKIZZEN
#include <QCoreApplication>
#include <QTranslator>

#include "output/Skizzenbild.h"
#endif

namespace {

Spracheinstellung gewaehlt;

// The catalogues are compiled into the tool (see cli/CMakeLists.txt), so it speaks wherever it is copied.
bool KatalogLaden(int kennung) {
#ifdef ZAVR_SKIZZEN
    // Qt translates only inside an application object; the offscreen one is the one the pictures need.
    BildAnwendungSicherstellen();
    static QTranslator katalog;
    const QString name = kennung == 2057 ? QStringLiteral("en") : QStringLiteral("pl");
    return katalog.load(QStringLiteral(":/sprachen/zavr_") + name + QStringLiteral(".qm")) &&
           QCoreApplication::installTranslator(&katalog);
#else
    (void)kennung;
    return false;
#endif
}

}  // namespace

bool SpracheFestlegen(const Spracheinstellung& sprache) {
    // The German source texts read right for every count, so German needs no catalogue.
    if (sprache.kennung != 1031 && !KatalogLaden(sprache.kennung)) return false;
    gewaehlt = sprache;
    return true;
}

const Spracheinstellung& Sprache() {
    return gewaehlt;
}

std::string translate(const char* kontext, const char* text, const char* unterscheidung, int anzahl) {
#ifdef ZAVR_SKIZZEN
    if (gewaehlt.kennung != 1031)
        return QCoreApplication::translate(kontext, text, unterscheidung, anzahl).toStdString();
#else
    (void)kontext;
    (void)unterscheidung;
#endif
    return MitAnzahl(text, anzahl);
}
