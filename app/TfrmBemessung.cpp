#include "app/TfrmBemessung.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/Zahleingabe.h"
#include "output/Textlisten.h"
#include "sitzung/Projektsitzung.h"

namespace {

const QString SchluesselBemessung = QStringLiteral("Bemessung");
const QString SchluesselHinweis = QStringLiteral("InfoHinweis5d");

}  // namespace

TfrmBemessung::TfrmBemessung(Projektsitzung& sitzung, Anwendereinstellungen einstellungen,
                             std::function<void(const QString&)> hilfe, QWidget* parent)
    : QDialog(parent), sitzung_(sitzung), einstellungen_(std::move(einstellungen)) {
    setObjectName(QStringLiteral("frmBemessung"));
    setProperty("Hilfethema", QStringLiteral("MaskeBemessung"));
    setWindowTitle(tr("Einstellung zur Bemessung"));
    auto* gruppe = new QGroupBox(tr("Maximaler Dornabstand"), this);
    gruppe->setObjectName(QStringLiteral("rgMaxDornabstand"));
    auto* optionen = new QVBoxLayout(gruppe);
    rgMaxDornabstand_ = new QButtonGroup(gruppe);
    const QStringList texte = Textliste(TextListe::MaxDornabstand);
    for (int i = 0; i < texte.size(); ++i) {
        auto* knopf = new QRadioButton(texte[i], gruppe);
        rgMaxDornabstand_->addButton(knopf, i);
        optionen->addWidget(knopf);
    }
    cbInfoHinweis5d_ = new QCheckBox(tr("Hinweis bei Überschreitung des"), this);
    cbInfoHinweis5d_->setObjectName(QStringLiteral("cbInfoHinweis5d"));
    cbInfoHinweis5d_->setChecked(true);
    auto* fortsetzung = new QLabel(tr("maximalen Dornabstandes anzeigen"), this);
    fortsetzung->setBuddy(cbInfoHinweis5d_);
    fortsetzung->setIndent(cbInfoHinweis5d_->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 6);

    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(tr("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    knoepfe->addButton(tr("&Abbrechen"), QDialogButtonBox::RejectRole);
    auto* hilfeKnopf = knoepfe->addButton(tr("&Hilfe"), QDialogButtonBox::HelpRole);
    hilfeKnopf->setObjectName(QStringLiteral("BitBtnHilfe"));
    connect(hilfeKnopf, &QPushButton::clicked, this,
            [this, hilfe = std::move(hilfe)] { hilfe(property("Hilfethema").toString()); });
    connect(knoepfe, &QDialogButtonBox::accepted, this, &TfrmBemessung::Uebernehmen);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Cancel leaves the box as it was, which matters while the setting is absent from the file.
    connect(this, &QDialog::rejected, this, [this] { cbInfoHinweis5d_->setChecked(beimOeffnen_); });

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(gruppe);
    spalte->addWidget(cbInfoHinweis5d_);
    spalte->addWidget(fortsetzung);
    spalte->addWidget(knoepfe);
}

void TfrmBemessung::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    rgMaxDornabstand_->button(Ord(sitzung_.Arbeitskopie().GetMaxDornabstand()))->setChecked(true);
    const int stand = cbInfoHinweis5d_->isChecked() ? 1 : 0;
    cbInfoHinweis5d_->setChecked(IstEins(einstellungen_.LeseZahl(SchluesselHinweis, stand)));
    beimOeffnen_ = cbInfoHinweis5d_->isChecked();
}

void TfrmBemessung::Uebernehmen() {
    const int wahl = rgMaxDornabstand_->checkedId();
    sitzung_.MaxDornabstandSetzen(AusOrdinal(wahl, TsMaxDornabstand::daOhne));
    einstellungen_.SchreibeZahl(SchluesselBemessung, wahl);
    einstellungen_.SchreibeZahl(SchluesselHinweis, cbInfoHinweis5d_->isChecked() ? 1 : 0);
    accept();
}
