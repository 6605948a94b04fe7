#include "app/TfrmProjektdaten.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>

#include "model/TKModell.h"
#include "model/Umgebung.h"
#include "sitzung/Projektsitzung.h"

namespace {

constexpr int GrenzeBauvorhaben = 80;
constexpr int GrenzeFirma = 100;
constexpr int GrenzeBearbeiter = 20;
constexpr int GrenzeDatum = 15;
constexpr int GrenzeProjektNr = 15;

QLineEdit* Textfeld(const char* name, int grenze, QWidget* parent) {
    auto* feld = new QLineEdit(parent);
    feld->setObjectName(QString::fromLatin1(name));
    feld->setMaxLength(grenze);
    return feld;
}

// The limits hold for typing; a longer text from a project file is shown and kept whole.
void Zeigen(QLineEdit* feld, const std::string& text, int grenze) {
    const QString wert = QString::fromStdString(text);
    feld->setMaxLength(std::max(grenze, static_cast<int>(wert.size())));
    feld->setText(wert);
}

std::string Wert(const QLineEdit* feld) {
    return feld->text().toStdString();
}

}  // namespace

TfrmProjektdaten::TfrmProjektdaten(Projektsitzung& sitzung, std::function<void(const QString&)> hilfe,
                                   QWidget* parent)
    : Enterdialog(parent), sitzung_(sitzung), hilfe_(std::move(hilfe)), firmaGrenze_(GrenzeFirma) {
    setObjectName(QStringLiteral("frmProjektdaten"));
    setProperty("Hilfethema", QStringLiteral("MaskeProjektdaten"));
    setWindowTitle(tr("Projektdaten"));
    editBauvorhaben_ = Textfeld("pdBauvorhaben", GrenzeBauvorhaben, this);
    memoFirma_ = new QPlainTextEdit(this);
    memoFirma_->setObjectName(QStringLiteral("pdFirma"));
    memoFirma_->setTabChangesFocus(true);
    memoFirma_->setFixedHeight(memoFirma_->fontMetrics().lineSpacing() * 5 + 12);
    editBearbeiter_ = Textfeld("pdBearbeiter", GrenzeBearbeiter, this);
    editDatum_ = Textfeld("pdDatum", GrenzeDatum, this);
    editProjektNr_ = Textfeld("pdProjektNr", GrenzeProjektNr, this);
    editBauvorhaben_->setMinimumWidth(editBauvorhaben_->fontMetrics().horizontalAdvance(QString(50, 'x')));
    connect(memoFirma_, &QPlainTextEdit::textChanged, this, &TfrmProjektdaten::FirmaBegrenzen);

    auto* heute = new QPushButton(tr("he&ute"), this);
    heute->setObjectName(QStringLiteral("pdHeute"));
    heute->setAutoDefault(false);
    connect(heute, &QPushButton::clicked, this, &TfrmProjektdaten::Heute);
    auto* datumszeile = new QHBoxLayout;
    datumszeile->addWidget(editDatum_);
    datumszeile->addWidget(heute);
    datumszeile->addStretch();

    auto* formular = new QFormLayout;
    formular->addRow(tr("Bauvorhaben:"), editBauvorhaben_);
    formular->addRow(tr("Büro / Firma:"), memoFirma_);
    formular->addRow(tr("Bearbeiter:"), editBearbeiter_);
    formular->addRow(tr("Datum:"), datumszeile);
    formular->addRow(tr("Projekt Nr.:"), editProjektNr_);

    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    knoepfe->addButton(tr("&Abbrechen"), QDialogButtonBox::RejectRole);
    auto* hilfeKnopf = knoepfe->addButton(tr("&Hilfe"), QDialogButtonBox::HelpRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &TfrmProjektdaten::Uebernehmen);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(hilfeKnopf, &QPushButton::clicked, this, [this] { hilfe_(QStringLiteral("MaskeProjektdaten")); });

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(formular);
    spalte->addWidget(knoepfe);
    EnterWeiterschalten();
}

void TfrmProjektdaten::showEvent(QShowEvent* event) {
    Enterdialog::showEvent(event);
    const TKProjektdaten& daten = sitzung_.Modell().cProjektdaten;
    Zeigen(editBauvorhaben_, daten.GetBauvorhaben(), GrenzeBauvorhaben);
    QStringList firma;
    for (const std::string& zeile : daten.GetFirma()) firma << QString::fromStdString(zeile);
    const QString text = firma.join(QLatin1Char('\n'));
    firmaGrenze_ = std::max(GrenzeFirma, static_cast<int>(text.size()));
    memoFirma_->setPlainText(text);
    Zeigen(editBearbeiter_, daten.GetBearbeiter(), GrenzeBearbeiter);
    Zeigen(editDatum_, daten.GetDatum(), GrenzeDatum);
    Zeigen(editProjektNr_, daten.GetProjektNr(), GrenzeProjektNr);
    editBauvorhaben_->setFocus();
}

// What is typed or pasted beyond the limit is dropped where it was inserted.
void TfrmProjektdaten::FirmaBegrenzen() {
    const int zuviel = static_cast<int>(memoFirma_->toPlainText().size()) - firmaGrenze_;
    if (zuviel <= 0) return;
    QTextCursor cursor = memoFirma_->textCursor();
    cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, zuviel);
    cursor.removeSelectedText();
    memoFirma_->setTextCursor(cursor);
}

void TfrmProjektdaten::Heute() {
    editDatum_->setText(QString::fromStdString(sitzung_.GetUmgebung().HeuteKurz()));
    editProjektNr_->setFocus(Qt::TabFocusReason);
}

void TfrmProjektdaten::Uebernehmen() {
    TKProjektdaten daten = sitzung_.Modell().cProjektdaten;
    daten.SetBauvorhaben(Wert(editBauvorhaben_));
    std::vector<std::string> firma;
    for (QTextBlock zeile = memoFirma_->document()->begin(); zeile.isValid(); zeile = zeile.next())
        firma.push_back(zeile.text().toStdString());
    if (firma.size() == 1 && firma.front().empty()) firma.clear();
    daten.SetFirma(firma);
    daten.SetBearbeiter(Wert(editBearbeiter_));
    daten.SetDatum(Wert(editDatum_));
    daten.SetProjektNr(Wert(editProjektNr_));
    sitzung_.ProjektdatenSetzen(daten);
    accept();
}
