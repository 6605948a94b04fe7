#include "app/TfrmFarbeinstellung.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using E = TKFarbe::Element;

struct Feld {
    E element;
    const char* name;
    const char* zeile;
    const char* hinweis;
};

// Row caption, swatch name and hint of every colour.
const Feld Felder[] = {
    {E::Hintergrund, "sTextHintergrund", QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Skizze"),
     QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Farbdarstellung des Skizzen Hintergrundes")},
    {E::Bemassung, "sTextBemassung", QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Bemassung"),
     QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Farbdarstellung der Bemassung (Linien + Text)")},
    {E::BetonPen, "sTextBetonPen", QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Umrandung"),
     QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Farbdarstellung der Betonumrandung")},
    {E::BetonBrush, "stextBetonBrush", QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Fläche"),
     QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Farbdarstellung der Betonflächen")},
    {E::Brandschutz, "stextBrandschutz", QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Brandschutz"),
     QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Farbdarstellung der Brandschutzmanschette")},
    {E::PosA, "sTextPosA", QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Position A"),
     QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Farbdarstellung der Steckbügel (Pos A)")},
    {E::PosB, "sTextPosB", QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Position B"),
     QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Farbdarstellung der horizontalen Bewehrung (Pos B)")},
    {E::PosC, "sTextPosC", QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Position C"),
     QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Farbdarstellung des geschlossenen Bügels (Pos C)")},
    {E::PosD, "sTextPosD", QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Position D"),
     QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Farbdarstellung der Aufhängebewehrung (Pos D)")},
    {E::DornPen, "sTextDornPen", QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Umrandung"),
     QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Farbdarstellung der Schubdornumrandung")},
    {E::DornBrush, "sTextDornBrush", QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Fläche"),
     QT_TRANSLATE_NOOP("TfrmFarbeinstellung", "Farbdarstellung der Schubdornfächen")},
};

const Feld& FeldVon(E element) {
    for (const Feld& f : Felder)
        if (f.element == element) return f;
    return Felder[0];
}

std::optional<QColor> PlattformFarbwahl(QWidget* parent, const QColor& vorgabe) {
    const QColor farbe = QColorDialog::getColor(vorgabe, parent);
    return farbe.isValid() ? std::optional<QColor>(farbe) : std::nullopt;
}

}  // namespace

TfrmFarbeinstellung::TfrmFarbeinstellung(TKFarbe& farbe, QWidget* parent)
    : QDialog(parent), farbe_(farbe), farbwahl_(PlattformFarbwahl) {
    setObjectName(QStringLiteral("frmFarbeinstellung"));
    setWindowTitle(tr("ZAVR - Farbeinstellung"));
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(8);
    setFont(schrift);

    auto* gruppen = new QGridLayout;
    gruppen->setContentsMargins(0, 0, 0, 0);
    gruppen->addWidget(BaueGruppe(tr("Hintergrund"), {E::Hintergrund, E::Bemassung}), 0, 0, Qt::AlignTop);
    gruppen->addWidget(BaueGruppe(tr("Beton"), {E::BetonPen, E::BetonBrush, E::Brandschutz}), 1, 0,
                       Qt::AlignTop);
    gruppen->addWidget(BaueGruppe(tr("Bewehrung"), {E::PosA, E::PosB, E::PosC, E::PosD}), 0, 1, Qt::AlignTop);
    gruppen->addWidget(BaueGruppe(tr("Schubdorn"), {E::DornPen, E::DornBrush}), 1, 1, Qt::AlignTop);

    auto* knoepfe = new QHBoxLayout;
    struct Knopf {
        const char* name;
        QString text;
        QString hinweis;
        void (TfrmFarbeinstellung::*aktion)();
    };
    const Knopf liste[] = {
        {"btnStandard", tr("&Standard"), tr("Farbeinstellung auf Standardwerte zurücksetzen!"),
         &TfrmFarbeinstellung::Standard},
        {"btnGraustufen", tr("&Graustufen"), tr("Farbeinstellung auf Graustufen einstellen! "),
         &TfrmFarbeinstellung::Graustufen},
        {"btnOK", tr("&OK"), tr("Eingabemaske verlassen und Eingaben übernehmen!"),
         &TfrmFarbeinstellung::accept},
        {"btnAbbrechen", tr("&Abbrechen"), tr("Eingabemaske verlassen und Eingaben verwerfen!"),
         &TfrmFarbeinstellung::reject},
    };
    for (const Knopf& k : liste) {
        auto* knopf = new QPushButton(k.text, this);
        knopf->setObjectName(QString::fromLatin1(k.name));
        knopf->setToolTip(k.hinweis);
        knopf->setStatusTip(k.hinweis);
        knopf->setAutoDefault(false);
        connect(knopf, &QPushButton::clicked, this, k.aktion);
        knoepfe->addWidget(knopf);
    }

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(6, 6, 6, 6);
    spalte->addLayout(gruppen);
    spalte->addStretch(1);
    spalte->addLayout(knoepfe);
    setFixedSize(336, 208);
}

// A captioned group: navy, underlined 9 pt caption over rows of caption and swatch.
QWidget* TfrmFarbeinstellung::BaueGruppe(const QString& titel, std::initializer_list<E> elemente) {
    auto* gruppe = new QWidget(this);
    auto* raster = new QGridLayout(gruppe);
    raster->setContentsMargins(2, 0, 2, 0);
    raster->setVerticalSpacing(2);
    auto* kopf = new QLabel(titel, gruppe);
    QFont kopfschrift = font();
    kopfschrift.setPointSize(9);
    kopfschrift.setUnderline(true);
    kopf->setFont(kopfschrift);
    kopf->setStyleSheet(QStringLiteral("color: navy"));
    raster->addWidget(kopf, 0, 0, 1, 2);
    int zeile = 1;
    for (E element : elemente) {
        const Feld& feld = FeldVon(element);
        raster->addWidget(new QLabel(tr(feld.zeile), gruppe), zeile, 0);
        auto* muster = new QPushButton(gruppe);
        muster->setObjectName(QString::fromLatin1(feld.name));
        muster->setFixedSize(52, 17);
        muster->setToolTip(tr(feld.hinweis));
        muster->setStatusTip(tr(feld.hinweis));
        muster->setAutoDefault(false);
        connect(muster, &QPushButton::clicked, this, [this, element] { FarbeWaehlen(element); });
        felder_[static_cast<int>(element)] = muster;
        raster->addWidget(muster, zeile++, 1);
    }
    return gruppe;
}

QColor TfrmFarbeinstellung::GetFeldfarbe(E element) const {
    return feldfarben_[static_cast<int>(element)];
}

void TfrmFarbeinstellung::SetFeldfarbe(E element, const QColor& farbe) {
    feldfarben_[static_cast<int>(element)] = farbe;
    felder_[static_cast<int>(element)]->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 2px inset gray; }").arg(farbe.name()));
}

void TfrmFarbeinstellung::WerteAnzeigen(const TKFarbe::Werte& werte) {
    for (int i = 0; i < TKFarbe::AnzahlFarben; ++i) SetFeldfarbe(static_cast<E>(i), AlsQColor(werte[i]));
}

void TfrmFarbeinstellung::FarbeWaehlen(E element) {
    if (const auto gewaehlt = farbwahl_(this, GetFeldfarbe(element))) SetFeldfarbe(element, *gewaehlt);
}

void TfrmFarbeinstellung::Standard() {
    WerteAnzeigen(TKFarbe::StandardWerte());
}

void TfrmFarbeinstellung::Graustufen() {
    WerteAnzeigen(TKFarbe::GrauWerte());
}

// Each time the dialog opens, the swatches show the current scheme.
void TfrmFarbeinstellung::showEvent(QShowEvent* event) {
    WerteAnzeigen(farbe_.GetWerte());
    QDialog::showEvent(event);
}

void TfrmFarbeinstellung::accept() {
    for (int i = 0; i < TKFarbe::AnzahlFarben; ++i) farbe_.SetFarbe(static_cast<E>(i), feldfarben_[i]);
    QDialog::accept();
}
