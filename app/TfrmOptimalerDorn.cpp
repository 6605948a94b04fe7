#include "app/TfrmOptimalerDorn.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "sitzung/Projektsitzung.h"

namespace {

QLabel* Dornfeld(const char* name, QWidget* parent) {
    auto* feld = new QLabel(parent);
    feld->setObjectName(QString::fromLatin1(name));
    QFont fett = feld->font();
    fett.setBold(true);
    feld->setFont(fett);
    return feld;
}

}  // namespace

TfrmOptimalerDorn::TfrmOptimalerDorn(Projektsitzung& sitzung, QWidget* parent)
    : QDialog(parent), sitzung_(sitzung) {
    setObjectName(QStringLiteral("frmOptimalerDorn"));
    setWindowTitle(tr("QUORVEL® - Doppelschubdorne ZAVR / ZAVRQ"));
    auto* gruppe = new QGroupBox(tr("Ökonomischster Doppelschubdorn"), this);
    lblZAVR_ = Dornfeld("lblZAVR", gruppe);
    lblZAVRQ_ = Dornfeld("lblZAVRQ", gruppe);
    auto* formular = new QFormLayout(gruppe);
    formular->setHorizontalSpacing(24);
    formular->addRow(tr("für Bewegungen in Längsrichtung"), lblZAVR_);
    formular->addRow(tr("für Bewegungen in Längs- und Querrichtung"), lblZAVRQ_);
    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(gruppe);
    spalte->addWidget(knoepfe);
}

void TfrmOptimalerDorn::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const OptimaleDorne dorne = sitzung_.OptimaleDorneAnzeigen();
    lblZAVR_->setText(QString::fromStdString(dorne.zavr));
    lblZAVRQ_->setText(QString::fromStdString(dorne.zavrq));
}
