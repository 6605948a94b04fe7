#include "app/Exportdialog.h"

#include <QCoreApplication>

#include "app/Dialogdienst.h"

std::optional<Exportwahl> ExportdateiWaehlen(QWidget* parent, Dialogdienst& dienst) {
    const auto text = [](const char* t) { return QCoreApplication::translate("Exportdialog", t); };
    const QStringList filter{text(QT_TRANSLATE_NOOP("Exportdialog", "Exportieren in SVG Format (*.svg)")),
                             text(QT_TRANSLATE_NOOP("Exportdialog", "Exportieren in Bitmap Format (*.bmp)")),
                             text(QT_TRANSLATE_NOOP("Exportdialog", "Exportieren in JPeg Format (*.jpg)"))};
    const auto wahl = dienst.DateiSpeichern(
        parent,
        text(QT_TRANSLATE_NOOP("Exportdialog",
                               "QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ - Ergebnisse Exportieren")),
        "*." + Endung(Bildtyp::Vektor), filter, 0);
    if (!wahl || wahl->datei.isEmpty()) return std::nullopt;
    const Bildtyp typ = BildtypAusFilter(wahl->filter);
    return Exportwahl{ExportDateiname(wahl->datei, typ), typ};
}

QString DateifehlerText(const QString& datei, const QString& grund) {
    return QCoreApplication::translate("Exportdialog", "Die Datei %1 konnte nicht geschrieben werden: %2.")
        .arg(datei, QCoreApplication::translate("Dateifehler", grund.toUtf8().constData()));
}
