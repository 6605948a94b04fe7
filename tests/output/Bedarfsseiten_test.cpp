// The printed parts list and tender text, read back from the PDF; the picture exports without breaks.
#include "output/Bedarfsseiten.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "Nachweistestdaten.h"
#include "output/Seitenfolge.h"

namespace {

std::size_t Anzahl(const std::string& text, const std::string& wort) {
    std::size_t n = 0;
    for (std::size_t i = text.find(wort); i != std::string::npos; i = text.find(wort, i + 1)) ++n;
    return n;
}

TKStueckliste::Eintrag Eintrag(const std::string& name, const std::string& dorne, const std::string& nummer,
                               const std::string& manschette = {}) {
    return {name, "1", dorne, "ZAVR 45 HF", dorne, StatusAktiv, nummer, manschette, "55,0", "4"};
}

class Bedarfsseiten : public ::testing::Test {
protected:
    void SetUp() override {
        BildAnwendung();
        u.heute = "2026-12-09";
        modell.cProjektdaten.SetBauvorhaben("Halle 3");
        modell.cStueckliste.SetBemerkung({"Anlieferung KW 12"});
    }
    void Eintraege(int anzahl) {
        for (int i = 1; i <= anzahl; ++i)
            modell.cStueckliste.AddEintrag(Eintrag("Achse " + std::to_string(i), std::to_string(i),
                                                   std::to_string(i), i % 2 ? "ZAVR 45 HF-PRYL-20" : ""));
    }
    // The pages of the PDF, each as its text.
    std::vector<std::string> Seiten(Bedarfsdokument art) {
        const QString datei = ordner.filePath("liste.pdf");
        EXPECT_EQ(BedarfslisteSpeichern(datei, Ausgabeformat::Pdf, modell, art).toStdString(), "");
        const QString text =
            QString::fromStdString(Ausgabe("pdftotext -layout '" + datei.toStdString() + "' -"));
        std::vector<std::string> seiten;
        for (const QString& seite : text.split('\f'))
            if (!seite.trimmed().isEmpty()) seiten.push_back(seite.simplified().toStdString());
        return seiten;
    }

    StandardUmgebung u;
    TKModell modell{u};
    QTemporaryDir ordner;
};

}  // namespace

TEST_F(Bedarfsseiten, stuecklisteMitSeitenumbruch) {
    Eintraege(40);
    TKStueckliste::Eintrag aus = Eintrag("Nicht bestellt", "9", "41");
    AktivSetzen(aus, false);
    modell.cStueckliste.AddEintrag(aus);
    const std::vector<std::string> seiten = Seiten(Bedarfsdokument::Stueckliste);
    ASSERT_GE(seiten.size(), 2u);
    for (const std::string& seite : seiten) {
        // Every page has the frame with the title.
        EXPECT_TRUE(Enthaelt(seite, "Stückliste"));
        EXPECT_TRUE(Enthaelt(seite, "Bauvorhaben:"));
        EXPECT_TRUE(Enthaelt(seite, "Halle 3"));
    }
    EXPECT_TRUE(Enthaelt(seiten[0], "Anlieferung KW 12"));
    EXPECT_TRUE(Enthaelt(seiten[0], "Nr. Position Anzahl Schubdorn Anzahl Brandschutzmanschette"));
    EXPECT_TRUE(Enthaelt(seiten[0], "1 Achse 1 1 ZAVR 45 HF 1 ZAVR 45 HF-PRYL-20"));
    EXPECT_TRUE(Enthaelt(seiten[0], "2 Achse 2 2 ZAVR 45 HF - _"));
    // Each entry once, on one page, in order; the inactive one on none.
    std::string alles;
    for (const std::string& s : seiten) alles += s + " ";
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(Anzahl(alles, "Achse " + std::to_string(i) + " "), 1u) << i;
    EXPECT_FALSE(Enthaelt(alles, "Nicht bestellt"));
    EXPECT_TRUE(Enthaelt(seiten.back(), "40 Achse 40 40"));
    EXPECT_FALSE(Enthaelt(seiten[0], "Achse 40"));
}

TEST_F(Bedarfsseiten, ausschreibungstextBeschreibtNurDenErsten) {
    Eintraege(12);
    const std::vector<std::string> seiten = Seiten(Bedarfsdokument::Ausschreibungstext);
    ASSERT_GE(seiten.size(), 2u);
    std::string alles;
    for (const std::string& s : seiten) alles += s + " ";
    EXPECT_EQ(Anzahl(alles, "Doppelschubdorne zur Querkraftübertragung"), 1u);
    EXPECT_EQ(Anzahl(alles, "wie vor, jedoch:"), 11u);
    EXPECT_TRUE(
        Enthaelt(seiten[0],
                 "Position: Achse 1 1 Typ: ZAVR 45 HF und Brandschutzmanschetten 1 Typ: ZAVR 45 HF-PRYL-20"));
    EXPECT_TRUE(Enthaelt(alles, "Position: Achse 12 12 Typ: ZAVR 45 HF"));
    // A page breaks between entries, never inside one: each page has the whole of its entries.
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        EXPECT_TRUE(Enthaelt(seiten[i], "Ausschreibungstext"));
        const std::size_t eintraege = Anzahl(seiten[i], "Position: ");
        EXPECT_EQ(Anzahl(seiten[i], "wie vor, jedoch:") + (i == 0 ? 1 : 0), eintraege) << i;
        EXPECT_EQ(Anzahl(seiten[i], "Typ: ZAVR 45 HF "), eintraege) << i;
    }
}

// Picture exports hold the whole list on one page of the preview's size: one header only.
TEST_F(Bedarfsseiten, bildexportOhneSeitenumbruch) {
    Eintraege(40);
    const QImage vorschau = BedarfslisteVorschau(modell, Bedarfsdokument::Stueckliste, StandardSeite(), 96);
    const QString datei = ordner.filePath("liste.bmp");
    ASSERT_EQ(
        BedarfslisteSpeichern(datei, Ausgabeformat::Bmp, modell, Bedarfsdokument::Stueckliste).toStdString(),
        "");
    const QImage bild(datei);
    // The preview: whole pages, each new one below a 2-pixel grey line.
    const int seite = Bildgroesse(SeitenmasseSetzen(StandardSeite()), 96).height();
    const int seiten = (vorschau.height() + 2) / (seite + 2);
    ASSERT_GE(seiten, 2);
    EXPECT_EQ(vorschau.height(), seiten * seite + (seiten - 1) * 2);
    EXPECT_EQ(vorschau.pixelColor(vorschau.width() / 2, seite), QColor(192, 192, 192));
    EXPECT_EQ(vorschau.pixelColor(vorschau.width() / 2, seite + 1), QColor(192, 192, 192));
    EXPECT_EQ(bild.size(), vorschau.size());
    const QString svg = ordner.filePath("liste.svg");
    ASSERT_EQ(
        BedarfslisteSpeichern(svg, Ausgabeformat::Svg, modell, Bedarfsdokument::Stueckliste).toStdString(),
        "");
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const std::string inhalt = f.readAll().toStdString();
    EXPECT_EQ(Anzahl(inhalt, ">Brandschutzmanschette<"), 1u);
    EXPECT_NE(inhalt.find(">Achse 40<"), std::string::npos);
}
