#pragma once

#include <QString>
#include <optional>

#include "datei/Ausgabeformat.h"

class Dialogdienst;
class QWidget;

// The file chosen in an export dialog and its format, one of those the table offers for the export
// (datei/Ausgabeformat.h).
struct Exportwahl {
    QString datei;
    Ausgabeformat format;
};

// Sketch and result pages: vector (SVG in place of the metafile), bitmap or JPEG; the name carries the
// extension of the chosen type in place of its own.
std::optional<Exportwahl> ExportdateiWaehlen(QWidget* parent, Dialogdienst& dienst);

// The bill of quantities: the pictures and the text. The text after the first dot of the chosen file name
// becomes the extension of the chosen type; a name without a dot gets it appended.
std::optional<Exportwahl> BedarfsexportWaehlen(QWidget* parent, Dialogdienst& dienst);

// "Die Datei ... konnte nicht geschrieben werden: <reason>.", the reason of a file error translated.
QString DateifehlerText(const QString& datei, const QString& grund);
