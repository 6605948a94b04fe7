#include "app/TfrmFarbeinstellung.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include "app/QtUmgebung.h"

namespace {

using E = TKFarbe::Element;

class Farbdialog : public ::testing::Test {
protected:
    TKFarbe farbe;
    TfrmFarbeinstellung dialog{farbe};

    void Klick(const char* name) {
        auto* knopf = dialog.findChild<QPushButton*>(name);
        ASSERT_NE(knopf, nullptr) << name;
        knopf->click();
    }
    void TearDown() override { dialog.close(); }
};

}  // namespace

TEST_F(Farbdialog, zeigtBeimOeffnenDasAktuelleSchema) {
    farbe.SetWert(E::PosB, 0x123456);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "ZAVR - Farbeinstellung");
    EXPECT_EQ(dialog.size(), QSize(336, 208));
    EXPECT_EQ(dialog.GetFeldfarbe(E::PosB), AlsQColor(0x123456));
    EXPECT_EQ(dialog.GetFeldfarbe(E::DornBrush), QColor(0, 255, 255));
    EXPECT_EQ(dialog.findChild<QPushButton*>("stextBrandschutz")->toolTip(),
              "Farbdarstellung der Brandschutzmanschette");
}

TEST_F(Farbdialog, graustufenUndAbbrechenLassenDasSchemaUnveraendert) {
    dialog.show();
    Klick("btnGraustufen");
    EXPECT_EQ(dialog.GetFeldfarbe(E::PosD), QColor(0, 0, 0));
    Klick("btnAbbrechen");
    EXPECT_EQ(farbe, TKFarbe());
}

TEST_F(Farbdialog, graustufenUndOkUebernehmenDasGrauschema) {
    dialog.show();
    Klick("btnGraustufen");
    Klick("btnOK");
    EXPECT_EQ(farbe.GetWerte(), TKFarbe::GrauWerte());
    dialog.show();
    Klick("btnStandard");
    Klick("btnOK");
    EXPECT_EQ(farbe, TKFarbe());
}

TEST_F(Farbdialog, klickAufEinFeldOeffnetDieFarbwahlMitDessenFarbe) {
    QColor vorgabe;
    std::optional<QColor> antwort = QColor(10, 20, 30);
    dialog.SetFarbwahl([&](QWidget*, const QColor& farbe) {
        vorgabe = farbe;
        return antwort;
    });
    dialog.show();
    Klick("sTextPosC");
    EXPECT_EQ(vorgabe, QColor(0, 66, 221));
    EXPECT_EQ(dialog.GetFeldfarbe(E::PosC), QColor(10, 20, 30));
    EXPECT_EQ(farbe.GetPosC(), 14500352u);
    antwort.reset();
    Klick("sTextHintergrund");
    EXPECT_EQ(dialog.GetFeldfarbe(E::Hintergrund), QColor(255, 255, 255));
    Klick("btnOK");
    EXPECT_EQ(farbe.GetPosC(), 10u + 256u * 20u + 65536u * 30u);
}
