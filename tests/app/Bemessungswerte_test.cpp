#include <QLabel>
#include <QPushButton>

#include "app/HauptmaskeTest.h"
#include "app/QtUmgebung.h"
#include "app/TfrmCharakteristischeLast.h"
#include "model/TKLast.h"

namespace {

QString Feldtext(QDialog& d, const char* name) {
    return d.findChild<Zahlenfeld*>(QString::fromLatin1(name))->text();
}

void Setze(QDialog& d, const char* name, const char* text) {
    auto* feld = d.findChild<Zahlenfeld*>(QString::fromLatin1(name));
    feld->setText(QString::fromUtf8(text));
    Verlassen(feld);
}

QString Ergebnis(const QWidget& d, const char* name) {
    return d.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

TEST(TfrmCharakteristischeLast, zeigtDieBemessungsanteile) {
    TKLast last;
    last.SetGk(20);
    last.SetQk(10);
    TfrmCharakteristischeLast dialog(',');
    dialog.SetLast(last);
    dialog.show();
    EXPECT_EQ(Ergebnis(dialog, "lblGdesign"), QStringLiteral("27"));
    EXPECT_EQ(Ergebnis(dialog, "lblQdesign"), QStringLiteral("15"));
    EXPECT_EQ(Ergebnis(dialog, "lblFd"), QStringLiteral("42"));
    Setze(dialog, "editGammaQ", "1,6");
    EXPECT_EQ(Ergebnis(dialog, "lblQdesign"), QStringLiteral("16"));
    EXPECT_EQ(Ergebnis(dialog, "lblFd"), QStringLiteral("43"));
    EXPECT_DOUBLE_EQ(dialog.GetLast().Getgq(), 1.6);
    EXPECT_DOUBLE_EQ(last.Getgq(), 1.5);  // the dialog edits its own copy
    // Not a number counts as 0, without a message.
    Setze(dialog, "editGk", "zwanzig");
    EXPECT_EQ(Ergebnis(dialog, "lblGdesign"), QStringLiteral("0"));
    EXPECT_EQ(Ergebnis(dialog, "lblFd"), QStringLiteral("16"));
}

TEST(RundeZehntel, haelftenZurGeradenZehntel) {
    EXPECT_DOUBLE_EQ(RundeZehntel(12.25), 12.2);
    EXPECT_DOUBLE_EQ(RundeZehntel(12.75), 12.8);
    EXPECT_DOUBLE_EQ(RundeZehntel(12.345), 12.3);
    EXPECT_DOUBLE_EQ(RundeZehntel(12.35 + 1e-9), 12.4);
    EXPECT_DOUBLE_EQ(RundeZehntel(0.05), 0.0);
}

struct Rundung {
    const char* qk;
    double gespeichert;
    const char* feldtext;
};

class Bemessungswert : public Hauptmaske, public ::testing::WithParamInterface<Rundung> {};

// The design value from the dialog reaches the model rounded to a tenth, halves to the even tenth.
TEST_P(Bemessungswert, wirdAufZehntelGerundetGespeichert) {
    const auto& fall = GetParam();
    Klick("tbEinzel");
    DialogBeantworter beantworter([&](QDialog& d) {
        Setze(d, "editGk", "0");
        Setze(d, "editGammaQ", "1");
        Setze(d, "editQk", fall.qk);
        Druecke(d, QStringLiteral("&OK"));
    });
    Klick("BitBtnPunktlast");
    EXPECT_EQ(beantworter.geoeffnet, QStringList{QStringLiteral("frmCharakteristischeLast")});
    EXPECT_DOUBLE_EQ(A().cBelastungDesign.GetPunktLast(), fall.gespeichert);
    EXPECT_EQ(F(Feld::Punktlast)->text(), QString::fromUtf8(fall.feldtext));
    EXPECT_DOUBLE_EQ(A().cBelastungCharq.GetPunktLast(),
                     QString::fromUtf8(fall.qk).replace(',', '.').toDouble());
    EXPECT_DOUBLE_EQ(A().cBelastungCharg.GetPunktLast(), 0);
    EXPECT_DOUBLE_EQ(A().cBelastungCharq.GetGammaf(), 1);
    EXPECT_DOUBLE_EQ(A().cBelastungCharg.GetGammaf(), 1.35);
}

INSTANTIATE_TEST_SUITE_P(Haelften, Bemessungswert,
                         ::testing::Values(Rundung{"12,25", 12.2, "12,2"}, Rundung{"12,75", 12.8, "12,8"},
                                           Rundung{"12,345", 12.3, "12,3"}));

TEST_F(Hauptmaske, bemessungswertGleichEinerCharakteristischenLastIstGanzVeraenderlich) {
    Klick("tbLinienlast");
    Eingeben(Feld::LinienlastRechts, QStringLiteral("50"));  // equals the characteristic defaults
    QString gk, qk, fd;
    DialogBeantworter beantworter([&](QDialog& d) {
        gk = Feldtext(d, "editGk");
        qk = Feldtext(d, "editQk");
        fd = Ergebnis(d, "lblFd");
        Druecke(d, QStringLiteral("&Abbrechen"));
    });
    QTest::mouseDClick(F(Feld::LinienlastRechts), Qt::LeftButton);
    EXPECT_EQ(beantworter.geoeffnet.size(), 1);
    EXPECT_EQ(gk, QStringLiteral("0"));
    EXPECT_EQ(qk, QStringLiteral("33,33"));
    EXPECT_EQ(fd, QStringLiteral("50"));
    EXPECT_DOUBLE_EQ(A().cBelastungDesign.GetLinienLastRechts(), 50);  // cancelled: nothing stored
}

TEST_F(Hauptmaske, gespeicherteTeilsicherheitsbeiwerteWerdenAngeboten) {
    A().cBelastungCharg.SetGammaf(1.2);
    A().cBelastungCharq.SetGammaf(1.4);
    A().cBelastungCharg.SetLinienLastLinks(10);
    A().cBelastungCharq.SetLinienLastLinks(20);
    A().cBelastungDesign.SetLinienLastLinks(40);  // 10 × 1.2 + 20 × 1.4
    QString gammaG, gammaQ, fd;
    DialogBeantworter beantworter([&](QDialog& d) {
        gammaG = Feldtext(d, "editGammaG");
        gammaQ = Feldtext(d, "editGammaQ");
        fd = Ergebnis(d, "lblFd");
        Druecke(d, QStringLiteral("&OK"));
    });
    Klick("BitBtnLinienlastLinks");
    EXPECT_EQ(gammaG, QStringLiteral("1,2"));
    EXPECT_EQ(gammaQ, QStringLiteral("1,4"));
    EXPECT_EQ(fd, QStringLiteral("40"));
    EXPECT_DOUBLE_EQ(A().cBelastungDesign.GetLinienLastLinks(), 40);
    EXPECT_EQ(fenster->Ansicht(), TsAnsicht::anEingabe);
}

// Cancel after edits in every field leaves the scratch record, the loads and the field as they were.
TEST_F(Hauptmaske, abbrechenStelltAllesWiederHer) {
    Klick("tbEinzel");
    Eingeben(Feld::Punktlast, QStringLiteral("42"));
    A().ctmpLast.SetGk(3);
    A().ctmpLast.SetQk(4);
    A().ctmpLast.Setgg(1.1);
    A().ctmpLast.Setgq(1.2);
    const TKLast vorher = A().ctmpLast;
    const TKAnwendung lastenVorher = A();
    DialogBeantworter beantworter([&](QDialog& d) {
        Setze(d, "editGk", "11");
        Setze(d, "editQk", "22");
        Setze(d, "editGammaG", "1,7");
        Setze(d, "editGammaQ", "1,9");
        Druecke(d, QStringLiteral("&Abbrechen"));
    });
    Klick("BitBtnPunktlast");
    ASSERT_EQ(beantworter.geoeffnet.size(), 1);
    const TKLast& nachher = A().ctmpLast;
    for (const auto& [jetzt, davor] : {std::pair{nachher.GetGk(), vorher.GetGk()},
                                       {nachher.GetQk(), vorher.GetQk()},
                                       {nachher.GetFd(), vorher.GetFd()},
                                       {nachher.Getgg(), vorher.Getgg()},
                                       {nachher.Getgq(), vorher.Getgq()}})
        EXPECT_EQ(jetzt, davor);
    for (const auto& [b, davor] : {std::pair{&A().cBelastungDesign, &lastenVorher.cBelastungDesign},
                                   {&A().cBelastungCharg, &lastenVorher.cBelastungCharg},
                                   {&A().cBelastungCharq, &lastenVorher.cBelastungCharq}}) {
        EXPECT_EQ(b->GetPunktLast(), davor->GetPunktLast());
        EXPECT_EQ(b->GetGammaf(), davor->GetGammaf());
    }
    EXPECT_EQ(F(Feld::Punktlast)->text(), QStringLiteral("42"));
}

}  // namespace
