#include "app/Sicherung.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

#include "app/Dialogdienst.h"
#include "sitzung/Projektsitzung.h"

namespace {

const QString SchluesselMinuten = QStringLiteral("Sicherungsminuten");
const QString SchluesselZeit = QStringLiteral("SicherungZeit");
const QString SchluesselProjekt = QStringLiteral("SicherungProjekt");
constexpr int StandardMinuten = 5;

}  // namespace

Sicherung::Sicherung(Projektsitzung& sitzung, Anwendereinstellungen einstellungen, QObject* parent)
    : QObject(parent), sitzung_(sitzung), einstellungen_(std::move(einstellungen)) {
    const int minuten = std::max(1, einstellungen_.LeseZahl(SchluesselMinuten, StandardMinuten));
    zeitgeber_.setInterval(minuten * 60 * 1000);
    connect(&zeitgeber_, &QTimer::timeout, this, &Sicherung::Schreiben);
    zeitgeber_.start();
}

QString Sicherung::Datei() const {
    return QFileInfo(einstellungen_.Datei()).dir().filePath(QStringLiteral("zavr-sicherung.ZAV"));
}

// A dialog that edits the working copy refuses the copy; the next tick takes it.
void Sicherung::Schreiben() {
    if (!sitzung_.Geaendert()) {
        Entfernen();
        return;
    }
    if (!sitzung_.SicherungSchreiben(Datei().toStdString())) return;
    einstellungen_.SchreibeText(SchluesselZeit, QDateTime::currentDateTime().toString(Qt::ISODate));
    einstellungen_.SchreibeText(SchluesselProjekt, QString::fromStdString(sitzung_.Datei()));
}

bool Sicherung::Anbieten(QWidget* parent, Dialogdienst& dialoge) {
    if (!QFileInfo::exists(Datei())) return false;
    const QDateTime zeit =
        QDateTime::fromString(einstellungen_.LeseText(SchluesselZeit, QString()), Qt::ISODate);
    const QString projekt = einstellungen_.LeseText(SchluesselProjekt, QString());
    const QString frage =
        tr("Das Programm wurde nicht ordnungsgemäß beendet. Es gibt eine automatische Sicherung vom %1 "
           "des Projekts %2.")
            .arg(QLocale().toString(zeit, QLocale::ShortFormat),
                 projekt.isEmpty() ? tr("unbenannt") : QDir::toNativeSeparators(projekt)) +
        QStringLiteral("\n\n") + tr("Soll die Sicherung wiederhergestellt werden?");
    bool wiederhergestellt = false;
    if (dialoge.Frage(parent, frage)) {
        const Dateiergebnis ergebnis =
            sitzung_.SicherungOeffnen(Datei().toStdString(), projekt.toStdString());
        if (!ergebnis && !ergebnis.grund.empty())
            dialoge.Hinweis(parent, QString::fromStdString(ergebnis.grund));
        wiederhergestellt = static_cast<bool>(ergebnis);
    }
    // A restored project keeps its copy until it is saved or the program ends normally.
    if (!wiederhergestellt) Entfernen();
    return wiederhergestellt;
}

void Sicherung::Entfernen() {
    QFile::remove(Datei());
}
