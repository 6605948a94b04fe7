#include "app/Sprachmodule.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

const std::vector<Sprache>& BekannteSprachen() {
    static const std::vector<Sprache> sprachen{
        {QStringLiteral("Deutsch"), 1031, QStringLiteral("deu"), QStringLiteral("de")},
        {QStringLiteral("English"), 2057, QStringLiteral("eng"), QStringLiteral("en")},
        {QStringLiteral("Polski"), 21, QStringLiteral("plk"), QStringLiteral("pl")}};
    return sprachen;
}

QString Moduldatei(const QString& programmdatei, const QString& kuerzel) {
    const QFileInfo programm(programmdatei);
    const QString name = programm.fileName();
    const auto punkt = name.lastIndexOf(QLatin1Char('.'));
    const QString basis = punkt < 0 ? name : name.left(punkt);
    return programm.absolutePath() + QLatin1Char('/') + basis + QLatin1Char('.') + kuerzel;
}

std::vector<Sprache> VorhandeneSprachen(const QString& programmdatei) {
    std::vector<Sprache> vorhanden;
    for (const auto& sprache : BekannteSprachen())
        if (QFileInfo::exists(Moduldatei(programmdatei, sprache.kuerzel))) vorhanden.push_back(sprache);
    return vorhanden;
}

bool LadeSprachmodul(QTranslator& uebersetzer, const QString& programmdatei, int kennung) {
    for (const auto& sprache : BekannteSprachen()) {
        if (sprache.kennung != kennung) continue;
        return uebersetzer.load(Moduldatei(programmdatei, sprache.kuerzel)) ||
               uebersetzer.load(Moduldatei(programmdatei, sprache.kuerzel.left(2)));
    }
    return false;
}

bool LadeQtTexte(QTranslator& uebersetzer, int kennung) {
    QString sprache = QStringLiteral("de");
    for (const auto& s : BekannteSprachen())
        if (s.kennung == kennung) sprache = s.qt;
    return uebersetzer.load(QStringLiteral("qtbase_") + sprache,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
