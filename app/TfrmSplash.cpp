#include "app/TfrmSplash.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/Bildquellen.h"
#include "app/DesktopUmgebung.h"

namespace {
const QString SchluesselSprache = QStringLiteral("IDSprache");
}

TfrmSplash::TfrmSplash(QString programmdatei, Anwendereinstellungen einstellungen, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      programmdatei_(std::move(programmdatei)),
      einstellungen_(std::move(einstellungen)),
      sprachen_(VorhandeneSprachen(programmdatei_)) {
    setObjectName(QStringLiteral("frmSplash"));
    auto* rahmen = new QFrame(this);
    rahmen->setFrameShape(QFrame::Box);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->addWidget(rahmen);
    auto* spalte = new QVBoxLayout(rahmen);

    imgTitelbild_ = new QLabel(rahmen);
    imgTitelbild_->setObjectName(QStringLiteral("imgTitelbild"));
    lblPrgName_ = new QLabel(rahmen);
    lblPrgName_->setObjectName(QStringLiteral("lblPrgName"));
    QFont gross = lblPrgName_->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.6);
    gross.setBold(true);
    lblPrgName_->setFont(gross);
    lblNormen_ = new QLabel(rahmen);

    rgSprache_ = new QGroupBox(rahmen);
    rgSprache_->setObjectName(QStringLiteral("rgSprache"));
    auto* sprachspalte = new QVBoxLayout(rgSprache_);
    knoepfe_ = new QButtonGroup(rgSprache_);
    for (int i = 0; i < static_cast<int>(sprachen_.size()); ++i) {
        auto* knopf = new QRadioButton(sprachen_[static_cast<std::size_t>(i)].name, rgSprache_);
        knoepfe_->addButton(knopf, i);
        sprachspalte->addWidget(knopf);
    }
    rgSprache_->setVisible(!sprachen_.empty());
    connect(knoepfe_, &QButtonGroup::idClicked, this, &TfrmSplash::SpracheWaehlen);

    btnWeiter_ = new QPushButton(rahmen);
    btnWeiter_->setObjectName(QStringLiteral("btnWeiter"));
    btnWeiter_->setDefault(true);
    connect(btnWeiter_, &QPushButton::clicked, this, &QDialog::accept);
    Beschriften();

    spalte->addWidget(imgTitelbild_, 0, Qt::AlignHCenter);
    spalte->addWidget(lblPrgName_, 0, Qt::AlignHCenter);
    spalte->addWidget(lblNormen_, 0, Qt::AlignHCenter);
    spalte->addSpacing(10);
    spalte->addWidget(rgSprache_, 0, Qt::AlignHCenter);
    spalte->addSpacing(10);
    spalte->addWidget(btnWeiter_, 0, Qt::AlignHCenter);

    if (sprachen_.empty()) {
        einstellungen_.SchreibeZahl(SchluesselSprache, 1031);
    } else {
        const int gespeichert = einstellungen_.LeseZahl(SchluesselSprache, LocaleKennung(QLocale::system()));
        const int gesucht = gespeichert == 21 || gespeichert == 2057 ? gespeichert : 1031;
        for (int i = 0; i < static_cast<int>(sprachen_.size()); ++i) {
            if (sprachen_[static_cast<std::size_t>(i)].kennung != gesucht) continue;
            knoepfe_->button(i)->setChecked(true);
            SpracheWaehlen(i);
        }
    }
    adjustSize();
    if (const QScreen* bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

void TfrmSplash::SpracheWaehlen(int index) {
    kennung_ = sprachen_.at(static_cast<std::size_t>(index)).kennung;
    einstellungen_.SchreibeZahl(SchluesselSprache, kennung_);
    QCoreApplication::removeTranslator(&vorschau_);
    if (LadeSprachmodul(vorschau_, programmdatei_, kennung_)) QCoreApplication::installTranslator(&vorschau_);
    Beschriften();
}

void TfrmSplash::Beschriften() {
    imgTitelbild_->setPixmap(Titelbild(QSize(520, 200)));  // its words are in the language chosen
    lblPrgName_->setText(tr("QUORVEL®   Doppelschubdorn ZAVR / ZAVRQ"));
    lblNormen_->setText(tr("Bemessung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2)"));
    btnWeiter_->setText(tr("ZAVR Programm &starten"));
}
