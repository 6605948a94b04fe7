#include "app/TfrmCharakteristischeLast.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "app/Zahleingabe.h"
#include "app/Zahlenfeld.h"

namespace {

QString Symbol(const QString& buchstabe, const QString& index) {
    return QStringLiteral("%1<sub>%2</sub>").arg(buchstabe, index);
}

QLabel* Ergebnisfeld(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(80);
    return label;
}

}  // namespace

TfrmCharakteristischeLast::TfrmCharakteristischeLast(char dezimaltrenner, QWidget* parent)
    : QDialog(parent), trenner_(dezimaltrenner) {
    setObjectName(QStringLiteral("frmCharakteristischeLast"));
    setWindowTitle(tr("Eingabe der Bemessungswerte"));
    editGk_ = new Zahlenfeld(this);
    editQk_ = new Zahlenfeld(this);
    editGammaG_ = new Zahlenfeld(this);
    editGammaQ_ = new Zahlenfeld(this);
    editGk_->setObjectName(QStringLiteral("editGk"));
    editQk_->setObjectName(QStringLiteral("editQk"));
    editGammaG_->setObjectName(QStringLiteral("editGammaG"));
    editGammaQ_->setObjectName(QStringLiteral("editGammaQ"));
    lblGk_ = new QLabel(this);
    lblQk_ = new QLabel(this);
    lblEd_ = new QLabel(this);
    lblGdesign_ = Ergebnisfeld(this);
    lblQdesign_ = Ergebnisfeld(this);
    lblFd_ = Ergebnisfeld(this);
    lblGdesign_->setObjectName(QStringLiteral("lblGdesign"));
    lblQdesign_->setObjectName(QStringLiteral("lblQdesign"));
    lblFd_->setObjectName(QStringLiteral("lblFd"));

    auto* raster = new QGridLayout(this);
    const auto zeile = [&](int r, QLabel* symbol, Zahlenfeld* wert, const QString& gamma, Zahlenfeld* faktor,
                           QLabel* ergebnis) {
        raster->addWidget(symbol, r, 0);
        raster->addWidget(wert, r, 1);
        einheiten_ << new QLabel(this);
        raster->addWidget(einheiten_.back(), r, 2);
        raster->addWidget(new QLabel(QStringLiteral("×  ") + gamma + QStringLiteral(" ="), this), r, 3);
        raster->addWidget(faktor, r, 4);
        raster->addWidget(ergebnis, r, 5);
        einheiten_ << new QLabel(this);
        raster->addWidget(einheiten_.back(), r, 6);
    };
    zeile(0, lblGk_, editGk_, Symbol(QStringLiteral("γ"), QStringLiteral("g")), editGammaG_, lblGdesign_);
    zeile(1, lblQk_, editQk_, Symbol(QStringLiteral("γ"), QStringLiteral("q")), editGammaQ_, lblQdesign_);
    raster->addWidget(lblEd_, 2, 4, Qt::AlignRight);
    raster->addWidget(lblFd_, 2, 5);
    einheiten_ << new QLabel(this);
    raster->addWidget(einheiten_.back(), 2, 6);

    auto* knoepfe = new QDialogButtonBox(this);
    auto* ok = knoepfe->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    knoepfe->addButton(tr("&Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    raster->addWidget(knoepfe, 3, 0, 1, 7);
    connect(knoepfe, &QDialogButtonBox::accepted, this, [this] {
        FelderLesen();
        accept();
    });
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (auto* feld : {editGk_, editQk_, editGammaG_, editGammaQ_})
        connect(feld, &Zahlenfeld::verlassen, this, [this] {
            FelderLesen();
            ErgebnisseZeigen();
        });
    SetPunktlast();
}

void TfrmCharakteristischeLast::Beschriften(const QString& g, const QString& gIndex, const QString& q,
                                            const QString& qIndex, const QString& ed, const QString& edIndex,
                                            const QString& einheit) {
    lblGk_->setText(Symbol(g, gIndex));
    lblQk_->setText(Symbol(q, qIndex));
    lblEd_->setText(Symbol(ed, edIndex));
    for (auto* label : einheiten_) label->setText(einheit);
}

void TfrmCharakteristischeLast::SetPunktlast() {
    Beschriften(QStringLiteral("G"), QStringLiteral("k"), QStringLiteral("Q"), QStringLiteral("k"),
                QStringLiteral("V"), QStringLiteral("Ed"), QStringLiteral("kN"));
}

void TfrmCharakteristischeLast::SetLinielast() {
    Beschriften(QStringLiteral("q"), QStringLiteral("Gk"), QStringLiteral("q"), QStringLiteral("Qk"),
                QStringLiteral("q"), QStringLiteral("Ed"), QStringLiteral("kN/m"));
}

QString TfrmCharakteristischeLast::Text(double wert) const {
    return ZahlText(wert, QStringLiteral("0"), trenner_);
}

void TfrmCharakteristischeLast::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FelderFuellen();
    ErgebnisseZeigen();
}

void TfrmCharakteristischeLast::FelderFuellen() {
    editGk_->setText(Text(std::round(last_.GetGk() * 100) / 100));
    editQk_->setText(Text(std::round(last_.GetQk() * 100) / 100));
    editGammaG_->setText(Text(last_.Getgg()));
    editGammaQ_->setText(Text(last_.Getgq()));
    gezeigt_ = {editGk_->text(), editQk_->text(), editGammaG_->text(), editGammaQ_->text()};
}

// The fields are plain text: anything that is not a number counts as 0, without a message. A field left as
// it was filled keeps the value it was filled from, which the text shows rounded.
void TfrmCharakteristischeLast::FelderLesen() {
    const std::array<std::pair<Zahlenfeld*, void (TKLast::*)(double)>, 4> felder{
        {{editGk_, &TKLast::SetGk},
         {editQk_, &TKLast::SetQk},
         {editGammaG_, &TKLast::Setgg},
         {editGammaQ_, &TKLast::Setgq}}};
    for (std::size_t i = 0; i < felder.size(); ++i)
        if (felder[i].first->text() != gezeigt_[i])
            (last_.*felder[i].second)(LeseZahl(felder[i].first->text(), 0, trenner_));
}

void TfrmCharakteristischeLast::ErgebnisseZeigen() {
    lblGdesign_->setText(Text(RundeZehntel(last_.Getgg() * last_.GetGk())));
    lblQdesign_->setText(Text(RundeZehntel(last_.Getgq() * last_.GetQk())));
    lblFd_->setText(Text(RundeZehntel(last_.GetFd())));
}
