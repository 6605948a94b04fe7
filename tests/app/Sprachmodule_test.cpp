#include "app/Sprachmodule.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

#include "app/DialogSkript.h"
#include "app/QtUmgebung.h"
#include "app/Zahleingabe.h"
#include "app/Zahlenfeld.h"

namespace {

// Builds a real translation catalogue with one English text, as a language module would carry it.
bool BaueModul(const QString& ziel) {
    const QString lrelease = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lrelease");
    if (!QFile::exists(lrelease)) return false;
    const QString quelle = ziel + QStringLiteral(".ts");
    QFile ts(quelle);
    if (!ts.open(QIODevice::WriteOnly)) return false;
    ts.write(R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context><name>Zahleingabe</name>
<message><source>Der eingegebene Wert ist kleiner als erlaubt!</source>
<translation>The value entered is smaller than allowed!</translation></message>
</context>
</TS>
)");
    ts.close();
    return QProcess::execute(lrelease, {QStringLiteral("-silent"), quelle, QStringLiteral("-qm"), ziel}) == 0;
}

QString MeldungBeiZuKleinemWert() {
    Zahlenfeld feld(nullptr, -1);
    feld.setText(QStringLiteral("1"));
    DialogSkript dialoge;
    PruefeEingabe(&feld, 0, 16, ',', dialoge);
    return dialoge.Texte(DialogSkript::Art::Hinweis).value(0);
}

class Sprachmodul : public ::testing::TestWithParam<const char*> {};

// The module is found under the three-letter abbreviation and, failing that, under its first two letters.
TEST_P(Sprachmodul, ersetztDieDeutschenTexte) {
    QTemporaryDir ordner;
    if (!BaueModul(ordner.filePath(QStringLiteral("zavr.") + QLatin1String(GetParam()))))
        GTEST_SKIP() << "lrelease not available";
    QTranslator modul;
    ASSERT_TRUE(LadeSprachmodul(modul, ordner.filePath(QStringLiteral("zavr")), 2057));
    QCoreApplication::installTranslator(&modul);
    EXPECT_EQ(MeldungBeiZuKleinemWert(), QStringLiteral("The value entered is smaller than allowed!"));
    QCoreApplication::removeTranslator(&modul);
    EXPECT_EQ(MeldungBeiZuKleinemWert(), QStringLiteral("Der eingegebene Wert ist kleiner als erlaubt!"));
    QTranslator polnisch;
    EXPECT_FALSE(LadeSprachmodul(polnisch, ordner.filePath(QStringLiteral("zavr")), 21));
}

INSTANTIATE_TEST_SUITE_P(Kuerzel, Sprachmodul, ::testing::Values("eng", "en"));

}  // namespace
