#include <gtest/gtest.h>

#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <set>
#include <utility>

#include "app/Katalogdatei.h"
#include "app/QtUmgebung.h"

// The catalogues under resources/uebersetzungen must hold every text the sources mark for translation, so a
// new text cannot slip past them. After adding texts: cmake --build <dir> --target zavr_lupdate.

namespace {

using Text = std::pair<QString, QString>;  // context, German source text

std::set<Text> Quelltexte(const QString& ts) {
    std::set<Text> texte;
    for (const Katalogeintrag& e : KatalogLesen(ts)) texte.insert({e.kontext, e.quelle});
    return texte;
}

// What the catalogue tool finds in the sources now, with the options the build uses.
std::set<Text> MarkierteTexte() {
    const QDir quellen(QStringLiteral(ZAVR_SOURCE_DIR));
    QTemporaryDir ordner;
    const QString ts = ordner.filePath(QStringLiteral("frisch.ts"));
    QStringList argumente{QStringLiteral("-silent"),
                          QStringLiteral("-I"),
                          quellen.path(),
                          QStringLiteral("-source-language"),
                          QStringLiteral("de_DE"),
                          QStringLiteral("-locations"),
                          QStringLiteral("none")};
    for (const QString& teil : QStringLiteral(ZAVR_UEBERSETZTE_ORDNER).split(QLatin1Char(',')))
        argumente << quellen.filePath(teil);
    argumente << QStringLiteral("-ts") << ts;
    const QString lupdate = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate");
    EXPECT_EQ(QProcess::execute(lupdate, argumente), 0);
    return Quelltexte(ts);
}

}  // namespace

TEST(Kataloge, enthaltenJedenMarkiertenText) {
    const std::set<Text> markiert = MarkierteTexte();
    // Texts of every kind reach the tool: menus and tree, labels, list captions, text lists, the checks
    // before a design, notices of the core and of the session, drawing words.
    for (const Text& beispiel :
         {Text{"Befehle", "DXF Export - &Bewehrung"}, Text{"Befehle", "Programm beenden"},
          Text{"Eingabebereich", "Plattendicke"}, Text{"Ergebnisliste", "Anzahl der Dorne"},
          Text{"Textliste", "ohne\\F90\\"},
          Text{"Vorpruefung", "Der eingegebene Dornabstand ist größer als die Fugenlänge!"},
          Text{"Bemessung", "Fehler in Modul Teilu     ---> d = 0!"},
          Text{"Projektsitzung", "Soll der aktuelle Zustand gespeichert werden?"},
          Text{"Bewehrungsplan", "Draufsicht"},
          Text{"Zahleingabe", "Der eingegebene Wert ist kleiner als erlaubt!"}})
        EXPECT_TRUE(markiert.count(beispiel))
            << beispiel.first.toStdString() << ": " << beispiel.second.toStdString();

    for (const char* katalog : {"zavr_de.ts", "zavr_en.ts", "zavr_pl.ts"}) {
        const std::set<Text> vorhanden =
            Quelltexte(QStringLiteral(ZAVR_SOURCE_DIR "/resources/uebersetzungen/") + QLatin1String(katalog));
        for (const Text& text : markiert)
            EXPECT_TRUE(vorhanden.count(text))
                << katalog << " lacks " << text.first.toStdString() << ": " << text.second.toStdString();
    }
}
