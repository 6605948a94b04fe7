// Compares renderings with the reference pictures in tests/output/referenz/. After an intended change of
// the drawings, regenerate them with
//   ZAVR_REFERENZ_NEU=1 ./zavr_output_tests --gtest_filter='*Referenz*'
// and look at every changed picture before committing it.
#include <gtest/gtest.h>

#include <QDir>

#include "SkizzenTestdaten.h"

namespace {

struct Referenzfall {
    const char* name;
    Ansicht ansicht;
    TsAnwendungsfall anwendung;
    TsBelastungsfall last;
};

class Referenz : public ::testing::TestWithParam<Referenzfall> {};

QString Referenzdatei(const char* name) {
    return QString(ZAVR_SOURCE_DIR "/tests/output/referenz/%1.png").arg(name);
}

// Pixels whose colour differs by more than a rendering detail (antialiased text edges may move slightly).
int Abweichungen(const QImage& a, const QImage& b) {
    return Zaehlen(a, a.rect(), [&](int x, int y, QRgb p) {
        const QRgb q = b.pixel(x, y);
        return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                         std::abs(qBlue(p) - qBlue(q))}) > 48;
    });
}

}  // namespace

TEST_P(Referenz, gleichtDemReferenzbild) {
    const Referenzfall& fall = GetParam();
    Testposition p(fall.anwendung, fall.last);
    const QImage bild = Skizze(fall.ansicht, p).convertToFormat(QImage::Format_RGB32);
    const QString datei = Referenzdatei(fall.name);
    if (qEnvironmentVariableIsSet("ZAVR_REFERENZ_NEU")) {
        QDir().mkpath(QFileInfo(datei).path());
        ASSERT_TRUE(bild.save(datei));
        return;
    }
    const QImage referenz = QImage(datei).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(referenz.isNull()) << "missing " << datei.toStdString();
    ASSERT_EQ(referenz.size(), bild.size());
    EXPECT_LE(Abweichungen(bild, referenz), bild.width() * bild.height() / 500) << fall.name;
}

INSTANTIATE_TEST_SUITE_P(
    Skizzen, Referenz,
    ::testing::Values(Referenzfall{"reihe_ansicht", Ansicht::Ansicht, TsAnwendungsfall::afReihePlatte,
                                   TsBelastungsfall::bfKonstanteLast},
                      Referenzfall{"reihe_draufsicht", Ansicht::Draufsicht, TsAnwendungsfall::afReihePlatte,
                                   TsBelastungsfall::bfKonstanteLast},
                      Referenzfall{"reihe_schnitt", Ansicht::Schnitt, TsAnwendungsfall::afReihePlatte,
                                   TsBelastungsfall::bfKonstanteLast},
                      Referenzfall{"reihe_dornreihe", Ansicht::DornReihe, TsAnwendungsfall::afReihePlatte,
                                   TsBelastungsfall::bfKonstanteLast},
                      Referenzfall{"paar_wand_eingabe", Ansicht::Eingabe, TsAnwendungsfall::afPaarWand,
                                   TsBelastungsfall::bfLinienlast},
                      Referenzfall{"einzel_eingabe", Ansicht::Eingabe, TsAnwendungsfall::afEinzel,
                                   TsBelastungsfall::bfPunktlast}),
    [](const auto& info) { return std::string(info.param.name); });
