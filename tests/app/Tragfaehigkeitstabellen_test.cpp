// The capacity tables dialog: the view of one type, a new position from a cell, and the exports.
#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QTableWidget>
#include <algorithm>

#include "Dateiinhalt.h"
#include "HauptmaskeTest.h"
#include "app/TfrmTragfaehigkeitstabellen.h"
#include "model/Katalog.h"

namespace {

class Tabellendialog : public Hauptmaske {
protected:
    void SetUp() override {
        Hauptmaske::SetUp();
        dialog = std::make_unique<TfrmTragfaehigkeitstabellen>(fenster->Sitzung(), dialoge,
                                                               fenster->Drucker(), fenster.get());
    }
    template <typename T>
    T* D(const char* name) const {
        auto* kind = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(kind, nullptr) << name;
        return kind;
    }
    // Only the grade with this index stays checked.
    void NurGuete(int index) const {
        QListWidget* gueten = D<QListWidget>("lstGueten");
        for (int i = 0; i < gueten->count(); ++i)
            gueten->item(i)->setCheckState(i == index ? Qt::Checked : Qt::Unchecked);
    }
    QTableWidget* Tabelle() const { return D<QTableWidget>("tblTragfaehigkeit"); }

    std::unique_ptr<TfrmTragfaehigkeitstabellen> dialog;
};

// The view shows the type chosen in the list: a row per thickness from its minimum thickness to 50 cm, a
// column per checked grade and the two distance columns; each cell the value of the computed table.
TEST_F(Tabellendialog, zeigtDenGewaehltenDorn) {
    EXPECT_NE(Kind<QAction>("actTragfaehigkeitstabellen"), nullptr);
    D<QListWidget>("lstDorne")->setCurrentRow(Ord(TsDorn::ZAVR60HF));
    QTableWidget* t = Tabelle();
    ASSERT_EQ(t->rowCount(), 27);  // 24 to 50 cm
    ASSERT_EQ(t->columnCount(), 7 + 2);
    EXPECT_EQ(t->horizontalHeaderItem(2)->text(), QStringLiteral("C30/37"));
    EXPECT_EQ(t->verticalHeaderItem(0)->text(), QStringLiteral("h = 24 cm"));
    const Tabellenzelle* z = dialog->Zelle(0, 2);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->punkt.dorn, TsDorn::ZAVR60HF);
    EXPECT_EQ(z->punkt.h, 240);
    EXPECT_EQ(z->punkt.guete, TsBetonguete::C30_37);
    EXPECT_TRUE(t->item(0, 2)->text().startsWith(QString::number(z->VRd, 'f', 2).replace('.', ',')));
    EXPECT_EQ(dialog->Zelle(0, 7), nullptr);  // a distance column

    // Unchecking grades changes the view only with the next calculation.
    NurGuete(4);
    D<QListWidget>("lstDorne")->setCurrentRow(Ord(TsDorn::ZAVR45HF));
    EXPECT_EQ(t->columnCount(), 7 + 2);
    EXPECT_EQ(dialog->Zelle(0, 6)->punkt.guete, TsBetonguete::C50_60);
    D<QListWidget>("lstDorne")->setCurrentRow(Ord(TsDorn::ZAVR60HF));
    D<QCheckBox>("chkAbMindestdicke")->setChecked(false);
    D<QDoubleSpinBox>("edtVon")->setValue(22);
    D<QDoubleSpinBox>("edtBis")->setValue(26);
    Druecke(*dialog, QStringLiteral("&Berechnen"));
    ASSERT_EQ(t->rowCount(), 5);
    ASSERT_EQ(t->columnCount(), 1 + 2);
    EXPECT_EQ(t->item(0, 0)->text(), QStringLiteral("h < h min"));
    EXPECT_EQ(t->item(0, 1), nullptr);  // no distances where no grade has a value
}

// A double click on a value makes a new current position from it and closes the dialog; on a cell without
// value it says why and makes none.
TEST_F(Tabellendialog, doppelklickMachtNeuePosition) {
    D<QListWidget>("lstDorne")->setCurrentRow(Ord(TsDorn::ZAVR60HF));
    D<QCheckBox>("chkAbMindestdicke")->setChecked(false);
    D<QDoubleSpinBox>("edtVon")->setValue(22);
    Druecke(*dialog, QStringLiteral("&Berechnen"));
    dialog->ZelleGewaehlt(0, 0);
    ASSERT_EQ(Hinweise().size(), 1);
    EXPECT_TRUE(
        Hinweise().front().startsWith(QStringLiteral("Der Dorn ist hier nicht zulässig: Bauteildicke")));
    EXPECT_EQ(fenster->Modell().GetAnzAnwendung(), 1);

    const Tabellenzelle zelle = *dialog->Zelle(4, 2);  // 26 cm, C30/37
    dialog->ZelleGewaehlt(4, 2);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(fenster->Modell().GetAnzAnwendung(), 2);
    EXPECT_EQ(fenster->Modell().GetAktAnwendung(), 2);
    EXPECT_EQ(A().GetAnwendungsfall(), TsAnwendungsfall::afEinzel);
    EXPECT_EQ(A().cGeometrie.GetPlatteDicke(), 260);
    EXPECT_EQ(A().cBelastungDesign.GetPunktLast(), zelle.VRd);
}

// Print, PDF and CSV cover the checked types only; a selection without any gives a notice.
TEST_F(Tabellendialog, exporteDerAngekreuztenDorntypen) {
    QListWidget* dorne = D<QListWidget>("lstDorne");
    for (int i = 0; i < dorne->count(); ++i)
        dorne->item(i)->setCheckState(i == Ord(TsDorn::ZAVR20HF) ? Qt::Checked : Qt::Unchecked);
    const QString csv = ordner.filePath(QStringLiteral("t"));
    const QString pdf = ordner.filePath(QStringLiteral("t.pdf"));
    dialoge.dateien = {Dialogdienst::Dateiwahl{csv, 0}, Dialogdienst::Dateiwahl{pdf, 0}};
    Druecke(*dialog, QStringLiteral("Als &CSV speichern..."));
    Druecke(*dialog, QStringLiteral("Als &PDF speichern..."));
    const std::string text = DateiInhalt((csv + QStringLiteral(".csv")).toStdString());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 35 * 7);
    EXPECT_EQ(text.find("ZAVR 25 HF"), std::string::npos);
    EXPECT_EQ(DateiInhalt(pdf.toStdString()).substr(0, 4), "%PDF");
    EXPECT_TRUE(Hinweise().isEmpty());

    dorne->item(Ord(TsDorn::ZAVR20HF))->setCheckState(Qt::Unchecked);
    Druecke(*dialog, QStringLiteral("Als &CSV speichern..."));
    EXPECT_EQ(Hinweise(), QStringList{QStringLiteral("Die Auswahl enthält keine Tabellenwerte.")});
}

}  // namespace
