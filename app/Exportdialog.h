#pragma once

#include <QString>
#include <optional>

#include "output/Skizzenbild.h"

class Dialogdienst;
class QWidget;

// The picture file chosen in the export dialog of sketches and result pages: vector (SVG in place of the
// metafile), bitmap or JPEG; the name carries the extension of the chosen type in place of its own.
struct Exportwahl {
    QString datei;
    Bildtyp typ;
};

std::optional<Exportwahl> ExportdateiWaehlen(QWidget* parent, Dialogdienst& dienst);

// "Die Datei ... konnte nicht geschrieben werden: <reason>.", the reason of a file error translated.
QString DateifehlerText(const QString& datei, const QString& grund);
