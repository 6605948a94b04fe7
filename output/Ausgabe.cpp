#include "output/Ausgabe.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <string_view>

#include "datei/DateiErsetzen.h"
#include "datei/Dateifehler.h"
#include "output/Dateiausgabe.h"

namespace {

QString Text(const char* text) {
    return QCoreApplication::translate("Ausgabeformat", text);
}

QByteArray Bytes(Ausgabeformat format, const Ausgabeinhalt& inhalt) {
    const TrAusgabeformat& f = Format(format);
    switch (f.art) {
        case Schreibart::Seiten:
            return inhalt.seiten ? PdfDaten(inhalt.titel, inhalt.seite, inhalt.seiten, inhalt.pdfAufloesung)
                                 : QByteArray();
        case Schreibart::Vektorbild:
            return inhalt.vektor && !inhalt.vektorgroesse.isEmpty()
                       ? SvgDaten(inhalt.titel, inhalt.vektorgroesse, inhalt.dpi, inhalt.vektor)
                       : QByteArray();
        case Schreibart::Bitmap:
            return inhalt.bitmap ? Bilddaten(inhalt.bitmap(), f.bildformat) : QByteArray();
        case Schreibart::Text:
            return inhalt.text ? QByteArray::fromStdString(inhalt.text()) : QByteArray();
    }
    return {};
}

}  // namespace

QString AusgabeSchreiben(const Dateiname& datei, Ausgabeformat format, const Ausgabeinhalt& inhalt) {
    const QByteArray bytes = Bytes(format, inhalt);
    if (bytes.isEmpty())
        return Text(QT_TRANSLATE_NOOP("Ausgabeformat", "der Inhalt konnte nicht erzeugt werden"));
    try {
        DateiErsetzen(datei.Bytes(),
                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const std::exception& fehler) {
        return QCoreApplication::translate("Dateifehler", Fehlergrund(fehler).c_str());
    }
    return {};
}

std::optional<Ausgabeformat> FormatWaehlen(Ausgabe ausgabe, const Dateiname& datei, QString& fehler) {
    const std::optional<Ausgabeformat> format = FormatDerDatei(ausgabe, datei.Bytes());
    if (!format)
        fehler = Text(UnbekannteEndung()).arg(datei.Anzeige(), QString::fromStdString(Endungen(ausgabe)));
    return format;
}

QStringList Dateifilter(Ausgabe ausgabe) {
    QStringList filter;
    for (const Ausgabeformat format : Formate(ausgabe)) filter << Text(Format(format).auswahl);
    return filter;
}

QString MitPassenderEndung(const QString& datei, Ausgabe ausgabe) {
    if (FormatDerDatei(ausgabe, QFile::encodeName(datei).toStdString())) return datei;
    return datei + QLatin1Char('.') + QLatin1String(Format(Formate(ausgabe).front()).endung);
}

QString MitEndung(const QString& datei, Ausgabeformat format) {
    const QFileInfo info(datei);
    const QString basis = info.completeBaseName().isEmpty() ? info.fileName() : info.completeBaseName();
    const QString ordner = datei.left(datei.size() - info.fileName().size());
    return ordner + basis + "." + QLatin1String(Format(format).endung);
}
