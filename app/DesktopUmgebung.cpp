#include "app/DesktopUmgebung.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include "app/Dialogdienst.h"

int LocaleKennung(const QLocale& locale) {
    switch (locale.language()) {
        case QLocale::German:
            return 1031;
        case QLocale::English:
            return locale.territory() == QLocale::UnitedKingdom ? 2057 : 1033;
        case QLocale::Polish:
            return 21;  // the number under which the settings file and the positions know Polish
        default:
            return 0;
    }
}

DesktopUmgebung::DesktopUmgebung(Anwendereinstellungen einstellungen, Dialogdienst& dialoge)
    : einstellungen_(std::move(einstellungen)),
      dialoge_(dialoge),
      dezimaltrenner_(QLocale::system().decimalPoint().at(0).toLatin1()) {
    if (dezimaltrenner_ == 0) dezimaltrenner_ = '.';
}

int DesktopUmgebung::IDSprache() const {
    return einstellungen_.LeseZahl(QStringLiteral("IDSprache"), LocaleKennung(QLocale::system()));
}

int DesktopUmgebung::Bemessung() const {
    return einstellungen_.LeseZahl(QStringLiteral("Bemessung"), 0);
}

std::string DesktopUmgebung::HeuteKurz() const {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

void DesktopUmgebung::Meldung(const std::string& text) {
    dialoge_.Hinweis(nullptr, QString::fromStdString(text));
}

Antwort DesktopUmgebung::Frage(const std::string& text, bool mitAbbrechen) {
    const QString frage = QString::fromStdString(text);
    if (!mitAbbrechen) return dialoge_.Frage(nullptr, frage) ? Antwort::Ja : Antwort::Nein;
    return dialoge_.FrageMitAbbrechen(nullptr, frage);
}

std::string DesktopUmgebung::translate(const char* kontext, const char* text) const {
    return QCoreApplication::translate(kontext, text).toStdString();
}

std::string DesktopUmgebung::translate(const char* kontext, const char* text, const char* unterscheidung,
                                       int anzahl) const {
    return QCoreApplication::translate(kontext, text, unterscheidung, anzahl).toStdString();
}
