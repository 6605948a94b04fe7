#include "output/TKFarbe.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

using E = TKFarbe::Element;

struct Farbzeile {
    E element;
    const char* schluessel;
    QColor standard;
    QColor grau;
};

// The colours as red, green, blue triples; the stored value is red + 256 green + 65536 blue.
const Farbzeile Tabelle[] = {
    {E::Hintergrund, "Hintergrund", QColor(255, 255, 255), QColor(255, 255, 255)},
    {E::BetonPen, "BetonPen", QColor(0, 0, 0), QColor(0, 0, 0)},
    {E::BetonBrush, "BetonBrush", QColor(224, 224, 224), QColor(192, 192, 192)},
    {E::PosA, "PosA", QColor(102, 102, 102), QColor(0, 0, 0)},
    {E::PosB, "PosB", QColor(248, 146, 7), QColor(0, 0, 0)},
    {E::PosC, "PosC", QColor(0, 66, 221), QColor(0, 0, 0)},
    {E::PosD, "PosD", QColor(204, 0, 0), QColor(0, 0, 0)},
    {E::DornPen, "DornPen", QColor(0, 0, 0), QColor(0, 0, 0)},
    {E::DornBrush, "DornBrush", QColor(0, 255, 255), QColor(128, 128, 128)},
    {E::Bemassung, "Bemassung", QColor(0, 0, 0), QColor(0, 0, 0)},
    {E::Brandschutz, "Brandschutz", QColor(255, 255, 0), QColor(128, 128, 128)},
};

class FarbDatei : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    QString datei = ordner.filePath("ZAVR.INI");

    void Schreiben(const QByteArray& inhalt) {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    QString Inhalt() {
        QFile f(datei);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
};

}  // namespace

TEST(TKFarbe, standardUndGraustufenEntsprechenDerTabelle) {
    TKFarbe farbe;
    TKFarbe grau;
    grau.SetWerte(TKFarbe::GrauWerte());
    for (const Farbzeile& z : Tabelle) {
        SCOPED_TRACE(z.schluessel);
        EXPECT_STREQ(TKFarbe::Schluessel(z.element), z.schluessel);
        EXPECT_EQ(farbe.GetFarbe(z.element), z.standard);
        EXPECT_EQ(grau.GetFarbe(z.element), z.grau);
    }
    EXPECT_EQ(farbe.GetPosB(), 496376u);
    EXPECT_EQ(farbe.GetPosC(), 14500352u);
    EXPECT_EQ(grau.GetBetonBrush(), 12632256u);
}

TEST(TKFarbe, grauschemaMachtAlleVierPositionenSchwarz) {
    TKFarbe grau;
    grau.SetWerte(TKFarbe::GrauWerte());
    for (E e : {E::PosA, E::PosB, E::PosC, E::PosD}) EXPECT_EQ(grau.GetWert(e), 0u);
}

TEST(TKFarbe, farbwertUndQColorSindUmkehrbar) {
    for (std::uint32_t wert : {0u, 1u, 256u, 65536u, 496376u, 0xFFFFFFu})
        EXPECT_EQ(AlsFarbwert(AlsQColor(wert)), wert);
    EXPECT_EQ(AlsQColor(204), QColor(204, 0, 0));
}

TEST_F(FarbDatei, ohneDateiGeltenDieStandardwerteUndSchreibenLegtAlleElfSchluesselAn) {
    TKFarbe farbe;
    farbe.SetWert(E::PosA, 123);
    {
        QSettings einstellungen(datei, QSettings::IniFormat);
        farbe.Lesen(einstellungen);
    }
    EXPECT_EQ(farbe, TKFarbe());
    {
        QSettings einstellungen(datei, QSettings::IniFormat);
        farbe.Schreiben(einstellungen);
    }
    const QString inhalt = Inhalt();
    EXPECT_TRUE(inhalt.contains("[Farbeinstellung]"));
    for (const Farbzeile& z : Tabelle)
        EXPECT_TRUE(inhalt.contains(QString("%1=%2").arg(z.schluessel).arg(AlsFarbwert(z.standard))))
            << z.schluessel;
}

TEST_F(FarbDatei, einUngueltigerWertFaelltNurFuerSeinenSchluesselZurueck) {
    Schreiben(
        "[Farbeinstellung]\nPosA=rot\nPosB=123\nPosC=-5\nPosD=16777216\nDornBrush= 4711 \nBemassung=12x\n"
        "[Anwenderdaten]\nPosE=1\n");
    TKFarbe farbe;
    QSettings einstellungen(datei, QSettings::IniFormat);
    farbe.Lesen(einstellungen);
    EXPECT_EQ(farbe.GetPosA(), 6710886u);
    EXPECT_EQ(farbe.GetPosB(), 123u);
    EXPECT_EQ(farbe.GetPosC(), 14500352u);
    EXPECT_EQ(farbe.GetPosD(), 204u);
    EXPECT_EQ(farbe.GetDornBrush(), 4711u);
    EXPECT_EQ(farbe.GetBemassung(), 0u);
    EXPECT_EQ(farbe.GetHintergrund(), 16777215u);
}

TEST_F(FarbDatei, geschriebeneFarbenWerdenUnveraendertGelesen) {
    TKFarbe farbe;
    for (int i = 0; i < TKFarbe::AnzahlFarben; ++i) farbe.SetWert(static_cast<E>(i), 1000u * (i + 1) + 7);
    {
        QSettings einstellungen(datei, QSettings::IniFormat);
        farbe.Schreiben(einstellungen);
    }
    TKFarbe gelesen;
    QSettings einstellungen(datei, QSettings::IniFormat);
    gelesen.Lesen(einstellungen);
    EXPECT_EQ(gelesen, farbe);
}
