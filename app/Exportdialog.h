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

// The file chosen in the export dialog of the bill of quantities: a picture type, or none for the text
// export. The text after the first dot of the chosen file name becomes the extension of the chosen type; a
// name without a dot gets it appended.
struct Bedarfsexportwahl {
    QString datei;
    std::optional<Bildtyp> bild;
};

std::optional<Bedarfsexportwahl> BedarfsexportWaehlen(QWidget* parent, Dialogdienst& dienst);

// "Die Datei ... konnte nicht geschrieben werden: <reason>.", the reason of a file error translated.
QString DateifehlerText(const QString& datei, const QString& grund);
