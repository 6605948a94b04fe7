#include "app/Anwendereinstellungen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "datei/Schreibprobe.h"

namespace {

const QString Abschnitt = QStringLiteral("Anwenderdaten/");

}  // namespace

QString EinstellungsDatei(const QString& programmdatei, bool ordnerBeschreibbar,
                          const QString& benutzerOrdner) {
    const QFileInfo programm(programmdatei);
    const QString name = programm.completeBaseName() + QStringLiteral(".INI");
    return QDir(ordnerBeschreibbar ? programm.absolutePath() : benutzerOrdner).filePath(name);
}

Anwendereinstellungen Anwendereinstellungen::FuerProgramm() {
    const QString programm = QCoreApplication::applicationFilePath();
    const QString benutzer = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const bool beschreibbar =
        OrdnerBeschreibbar(QFile::encodeName(QFileInfo(programm).absolutePath()).toStdString());
    if (!beschreibbar) QDir().mkpath(benutzer);
    return Anwendereinstellungen(EinstellungsDatei(programm, beschreibbar, benutzer));
}

std::unique_ptr<QSettings> Anwendereinstellungen::Oeffnen() const {
    return std::make_unique<QSettings>(datei_, QSettings::IniFormat);
}

int Anwendereinstellungen::LeseZahl(const QString& schluessel, int standard) const {
    bool ok = false;
    const int wert = Oeffnen()->value(Abschnitt + schluessel).toString().trimmed().toInt(&ok);
    return ok ? wert : standard;
}

void Anwendereinstellungen::SchreibeZahl(const QString& schluessel, int wert) const {
    Oeffnen()->setValue(Abschnitt + schluessel, wert);
}

QString Anwendereinstellungen::LeseText(const QString& schluessel, const QString& standard) const {
    return Oeffnen()->value(Abschnitt + schluessel, standard).toString();
}

void Anwendereinstellungen::SchreibeText(const QString& schluessel, const QString& wert) const {
    Oeffnen()->setValue(Abschnitt + schluessel, wert);
}
