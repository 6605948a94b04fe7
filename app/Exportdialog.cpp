#include "app/Exportdialog.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "app/Dialogdienst.h"

namespace {

QString Text(const char* text) {
    return QCoreApplication::translate("Exportdialog", text);
}

QStringList Bildfilter() {
    return {Text(QT_TRANSLATE_NOOP("Exportdialog", "Exportieren in SVG Format (*.svg)")),
            Text(QT_TRANSLATE_NOOP("Exportdialog", "Exportieren in Bitmap Format (*.bmp)")),
            Text(QT_TRANSLATE_NOOP("Exportdialog", "Exportieren in JPeg Format (*.jpg)"))};
}

std::optional<Dialogdienst::Dateiwahl> Waehlen(QWidget* parent, Dialogdienst& dienst, const QString& titel,
                                               const QStringList& filter) {
    const auto wahl = dienst.DateiSpeichern(parent, titel, "*." + Endung(Bildtyp::Vektor), filter, 0);
    if (!wahl || wahl->datei.isEmpty()) return std::nullopt;
    return wahl;
}

// Only the file's own name counts: a dot in a folder name is no extension.
QString NachErstemPunkt(const QString& datei, const QString& endung) {
    const QString name = QFileInfo(datei).fileName();
    const QString ordner = datei.left(datei.size() - name.size());
    const qsizetype punkt = name.indexOf(QLatin1Char('.'));
    return ordner + (punkt < 0 ? name : name.left(punkt)) + QLatin1Char('.') + endung;
}

}  // namespace

std::optional<Exportwahl> ExportdateiWaehlen(QWidget* parent, Dialogdienst& dienst) {
    const auto wahl =
        Waehlen(parent, dienst,
                Text(QT_TRANSLATE_NOOP("Exportdialog",
                                       "QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ - Ergebnisse Exportieren")),
                Bildfilter());
    if (!wahl) return std::nullopt;
    const Bildtyp typ = BildtypAusFilter(wahl->filter);
    return Exportwahl{ExportDateiname(wahl->datei, typ), typ};
}

std::optional<Bedarfsexportwahl> BedarfsexportWaehlen(QWidget* parent, Dialogdienst& dienst) {
    constexpr int TextFilter = 3;
    const auto wahl = Waehlen(
        parent, dienst, Text(QT_TRANSLATE_NOOP("Exportdialog", "QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ")),
        Bildfilter() << Text(QT_TRANSLATE_NOOP("Exportdialog", "Exportieren in Text Format (*.txt)")));
    if (!wahl) return std::nullopt;
    if (wahl->filter == TextFilter)
        return Bedarfsexportwahl{NachErstemPunkt(wahl->datei, QStringLiteral("txt")), {}};
    const Bildtyp typ = BildtypAusFilter(wahl->filter);
    return Bedarfsexportwahl{NachErstemPunkt(wahl->datei, Endung(typ)), typ};
}

QString DateifehlerText(const QString& datei, const QString& grund) {
    return QCoreApplication::translate("Exportdialog", "Die Datei %1 konnte nicht geschrieben werden: %2.")
        .arg(datei, QCoreApplication::translate("Dateifehler", grund.toUtf8().constData()));
}
