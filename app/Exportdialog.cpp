#include "app/Exportdialog.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "app/Dialogdienst.h"
#include "output/Ausgabe.h"

namespace {

QString Text(const char* text) {
    return QCoreApplication::translate("Exportdialog", text);
}

std::optional<Dialogdienst::Dateiwahl> Waehlen(QWidget* parent, Dialogdienst& dienst, const QString& titel,
                                               Ausgabe ausgabe) {
    const QString vorschlag = QStringLiteral("*.") + Format(Formate(ausgabe).front()).endung;
    const auto wahl = dienst.DateiSpeichern(parent, titel, vorschlag, Dateifilter(ausgabe), 0);
    if (!wahl || wahl->datei.isEmpty()) return std::nullopt;
    return wahl;
}

// The format of the chosen filter; any other index counts as the bitmap, the fallback of a picture export.
Ausgabeformat GewaehltesFormat(Ausgabe ausgabe, int filter) {
    const std::vector<Ausgabeformat>& formate = Formate(ausgabe);
    return filter >= 0 && filter < static_cast<int>(formate.size())
               ? formate[static_cast<std::size_t>(filter)]
               : Ausgabeformat::Bmp;
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
                Ausgabe::Bildexport);
    if (!wahl) return std::nullopt;
    const Ausgabeformat format = GewaehltesFormat(Ausgabe::Bildexport, wahl->filter);
    return Exportwahl{MitEndung(wahl->datei, format), format};
}

std::optional<Exportwahl> BedarfsexportWaehlen(QWidget* parent, Dialogdienst& dienst) {
    const auto wahl = Waehlen(
        parent, dienst, Text(QT_TRANSLATE_NOOP("Exportdialog", "QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ")),
        Ausgabe::Bedarfsexport);
    if (!wahl) return std::nullopt;
    const Ausgabeformat format = GewaehltesFormat(Ausgabe::Bedarfsexport, wahl->filter);
    return Exportwahl{NachErstemPunkt(wahl->datei, QLatin1String(Format(format).endung)), format};
}

QString DateifehlerText(const QString& datei, const QString& grund) {
    return QCoreApplication::translate("Exportdialog", "Die Datei %1 konnte nicht geschrieben werden: %2.")
        .arg(datei, QCoreApplication::translate("Dateifehler", grund.toUtf8().constData()));
}
