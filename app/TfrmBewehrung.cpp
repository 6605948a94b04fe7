#include "app/TfrmBewehrung.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/DesktopUmgebung.h"
#include "app/Dialogdienst.h"
#include "app/TBST500.h"
#include "model/Katalog.h"
#include "output/Berechnungsnachweis.h"
#include "output/Skizzenzeichner.h"
#include "sitzung/Projektsitzung.h"

namespace {

constexpr int Bildbreite = 190;
constexpr int Bildhoehe = 80;
constexpr int Skizzenbreite = 360;
constexpr int Skizzenhoehe = 210;
// The joint face is laid out for the main window's sketch area: drawn on a larger canvas and scaled down,
// its title and dimension labels keep the room they need.
constexpr double Skizzenmassstab = 1.6;

struct Reihentext {
    const char* position;  // the mark after the word "Pos."
    const char* index;
    const char* text;
    int von, bis, schritt;
    bool aenderbar;
    TsPosTyp posTyp;
};
constexpr std::array<Reihentext, 5> reihentexte{{
    {"A", "sx1", QT_TRANSLATE_NOOP("TfrmBewehrung", "Steckbügel beidseitig als vertikale Aufhängebewehrung"),
     2, 8, 2, true, TsPosTyp::ptD},
    {"A", "sx2", QT_TRANSLATE_NOOP("TfrmBewehrung", "Steckbügel beidseitig im Durchstanzbereich"), 0, 20, 2,
     true, TsPosTyp::ptA},
    {"A", "sy1", QT_TRANSLATE_NOOP("TfrmBewehrung", "Horizontale Randbewehrung, oben und unten"), 2, 20, 2,
     false, TsPosTyp::ptB},
    {"A", "sy2",
     QT_TRANSLATE_NOOP("TfrmBewehrung", "Horizontale Bewehrung parallel zum Rand, oben und unten"), 0, 20, 2,
     true, TsPosTyp::ptB},
    {"1", "", QT_TRANSLATE_NOOP("TfrmBewehrung", "Innenliegender geschlossener Bügel"), 1, 20, 1, false,
     TsPosTyp::ptNone},
}};
constexpr const char* Namen[5] = {"PosD", "PosA", "PosB1", "PosB2", "PosC"};

}  // namespace

TfrmBewehrung::TfrmBewehrung(Projektsitzung& sitzung, DesktopUmgebung& umgebung, const TKFarbe& farbe,
                             std::function<void()> uebersicht, std::function<void(const QString&)> hilfe,
                             QWidget* parent)
    : Enterdialog(parent),
      sitzung_(sitzung),
      umgebung_(umgebung),
      farbe_(farbe),
      auswahl_(sitzung),
      uebersicht_(std::move(uebersicht)) {
    setObjectName(QStringLiteral("frmBewehrung"));
    setProperty("Hilfethema", QStringLiteral("MaskeBewehrung"));
    setWindowTitle(tr("Bewehrung"));
    setMinimumSize(550, 435);
    setMaximumSize(735, 580);
    lblAktDorn_ = new QLabel(this);
    lblAktDorn_->setObjectName(QStringLiteral("lblAktDorn"));
    QFont fett = lblAktDorn_->font();
    fett.setBold(true);
    lblAktDorn_->setFont(fett);
    imgBewehrungAnzeige_ = new QLabel(this);
    imgBewehrungAnzeige_->setObjectName(QStringLiteral("imgBewehrungAnzeige"));
    imgBewehrungAnzeige_->setFixedSize(Bildbreite, Bildhoehe);
    imgBewehrungAnzeige_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    imgDornKlein_ = new QLabel(this);
    imgDornKlein_->setObjectName(QStringLiteral("imgDornKlein"));
    imgDornKlein_->setFixedSize(Skizzenbreite, Skizzenhoehe);

    auto* raster = new QGridLayout;
    BaueReihen(raster);

    auto* ok = Dialogknopf("OKBtn", tr("&OK"), tr("Eingaben übernehmen und Fenster schließen"), this);
    auto* abbrechen =
        Dialogknopf("CancelBtn", tr("&Abbrechen"), tr("Eingaben verwerfen und Fenster schließen"), this);
    auto* standard = Dialogknopf("btnStandard", tr("Bewehrung - &Standard"),
                                 tr("Bewehrung nach Zulassung als Standard setzen"), this);
    auto* hilfeKnopf = Dialogknopf("BitBtnHilfe", tr("&Hilfe"), QString(), this);
    connect(ok, &QPushButton::clicked, this, &TfrmBewehrung::Ok);
    connect(abbrechen, &QPushButton::clicked, this, &TfrmBewehrung::reject);
    connect(standard, &QPushButton::clicked, this, &TfrmBewehrung::Standard);
    connect(hilfeKnopf, &QPushButton::clicked, this, [hilfe] { hilfe(QStringLiteral("MaskeBewehrung")); });

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(standard);
    knoepfe->addStretch(1);
    for (auto* knopf : {ok, abbrechen, hilfeKnopf}) knoepfe->addWidget(knopf);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(lblAktDorn_);
    spalte->addLayout(raster);
    auto* bilder = new QHBoxLayout;
    bilder->addWidget(imgBewehrungAnzeige_, 0, Qt::AlignTop);
    bilder->addStretch(1);
    bilder->addWidget(imgDornKlein_);
    spalte->addLayout(bilder);
    spalte->addStretch(1);
    spalte->addLayout(knoepfe);
    spalte->addWidget(Hinweisleiste());
    // The longest row captions of a language may need more than the sizes the window keeps to.
    ensurePolished();
    setMinimumSize(minimumSize().expandedTo(minimumSizeHint()));
    setMaximumSize(maximumSize().expandedTo(minimumSize()));
    EnterWeiterschalten();
}

void TfrmBewehrung::BaueReihen(QGridLayout* raster) {
    for (std::size_t i = 0; i < reihen_.size(); ++i) {
        const Reihentext& t = reihentexte[i];
        const int r = static_cast<int>(i);
        auto* position =
            new QLabel(QStringLiteral("%1 %2<sub>%3</sub>")
                           .arg(tr("Pos."), QString::fromLatin1(t.position), QString::fromLatin1(t.index)),
                       this);
        raster->addWidget(position, r, 0);
        raster->addWidget(new QLabel(tr(t.text), this), r, 1);
        auto* anzahl = new QSpinBox(this);
        anzahl->setObjectName(QStringLiteral("ud%1Anzahl").arg(QString::fromLatin1(Namen[i])));
        anzahl->setRange(t.von, t.bis);
        anzahl->setSingleStep(t.schritt);
        anzahl->setEnabled(t.aenderbar);
        auto* durchmesser = new TBST500(this);
        durchmesser->setObjectName(QStringLiteral("ud%1Durchmesser").arg(QString::fromLatin1(Namen[i])));
        durchmesser->setEnabled(t.posTyp != TsPosTyp::ptNone);
        durchmesser->setPrefix(QStringLiteral("Ø "));
        raster->addWidget(anzahl, r, 2);
        raster->addWidget(durchmesser, r, 3);
        reihen_[i] = {anzahl, durchmesser, t.posTyp};
        connect(anzahl, &QSpinBox::valueChanged, this, [this, posTyp = t.posTyp] {
            if (auswahl_.AnzahlenAendern(Anzahlen(), posTyp)) Geaendert();
        });
        connect(durchmesser, &QSpinBox::valueChanged, this, [this, posTyp = t.posTyp] {
            if (auswahl_.DurchmesserAendern(Durchmesser(), posTyp)) Geaendert();
        });
    }
    raster->setColumnStretch(1, 1);
}

// Opens on the current type: its heading, counts and diameters, and the spacing rule of the open window.
void TfrmBewehrung::showEvent(QShowEvent* event) {
    auswahl_.Beginnen();
    Zeigen();
    ZwischenergebnisZeigen();
    DornZeichnen();
    Enterdialog::showEvent(event);
}

// The record's values in the controls, without taking them for a change. The selectors of D, A, B1 and B2
// offer the diameters the slab allows.
void TfrmBewehrung::Zeigen() {
    lblAktDorn_->setText(tr("Bewehrung zum aktuellen Dorn: ") +
                         QString::fromStdString(DornName(auswahl_.Dorn())));
    const QString liste = QString::fromStdString(auswahl_.Durchmesserliste());
    const Bewehrungsauswahl::Staebe n = auswahl_.Anzahlen(), d = auswahl_.Durchmesser();
    const std::array<std::pair<int, int>, 5> werte{
        {{n.D, d.D}, {n.A, d.A}, {n.B1, d.B1}, {n.B2, d.B2}, {n.C, d.C}}};
    for (std::size_t i = 0; i < reihen_.size(); ++i) {
        const Reihe& r = reihen_[i];
        const QSignalBlocker sperreAnzahl(r.anzahl), sperreDurchmesser(r.durchmesser);
        if (r.posTyp != TsPosTyp::ptNone) r.durchmesser->SetStabListe(liste);
        r.anzahl->setValue(werte[i].first);
        r.durchmesser->setValue(werte[i].second);
    }
}

Bewehrungsauswahl::Staebe TfrmBewehrung::Anzahlen() const {
    return {reihen_[1].anzahl->value(), reihen_[2].anzahl->value(), reihen_[3].anzahl->value(),
            reihen_[4].anzahl->value(), reihen_[0].anzahl->value()};
}

Bewehrungsauswahl::Staebe TfrmBewehrung::Durchmesser() const {
    return {reihen_[1].durchmesser->value(), reihen_[2].durchmesser->value(), reihen_[3].durchmesser->value(),
            reihen_[4].durchmesser->value(), reihen_[0].durchmesser->value()};
}

void TfrmBewehrung::Geaendert() {
    ZwischenergebnisZeigen();
    DornZeichnen();
    uebersicht_();
}

void TfrmBewehrung::ZwischenergebnisZeigen() {
    QImage bild(imgBewehrungAnzeige_->size(), QImage::Format_RGB32);
    bild.fill(palette().color(QPalette::Window));
    QPainter painter(&bild);
    ZwischenergebnisBewehrung(painter, auswahl_.Ergebnis(), umgebung_.Dezimaltrenner());
    painter.end();
    imgBewehrungAnzeige_->setPixmap(QPixmap::fromImage(bild));
}

// In place of a fixed picture, the joint face of the type as the main window draws it: it names the
// positions and follows every change.
void TfrmBewehrung::DornZeichnen() {
    QImage bild(imgDornKlein_->size(), QImage::Format_RGB32);
    QPainter painter(&bild);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(1 / Skizzenmassstab, 1 / Skizzenmassstab);
    Skizzenzeichner(painter, farbe_, umgebung_.Dezimaltrenner())
        .SkizzeAnsicht(
            {0, 0, qRound(bild.width() * Skizzenmassstab), qRound(bild.height() * Skizzenmassstab)},
            sitzung_.Arbeitskopie());
    painter.end();
    imgDornKlein_->setPixmap(QPixmap::fromImage(bild));
}

void TfrmBewehrung::Standard() {
    switch (auswahl_.StandardSetzen()) {
        case Bewehrungsauswahl::Standard::RandabstandZuKlein:
            umgebung_.Dialoge().Hinweis(
                this, tr("Bewehrung nach Zulassung nicht möglich, da Randabstand zu klein!"));
            return;
        case Bewehrungsauswahl::Standard::DornabstandZuKlein:
            umgebung_.Dialoge().Hinweis(
                this, tr("Bewehrung nach Zulassung nicht möglich, da Dornabstand zu klein!"));
            return;
        case Bewehrungsauswahl::Standard::Gesetzt:
            Zeigen();
            Geaendert();
            return;
    }
}

void TfrmBewehrung::Ok() {
    Dialogdienst& dialoge = umgebung_.Dialoge();
    if (auswahl_.LaengsbewehrungDuennerAlsAufhaengung() &&
        dialoge.Frage(this,
                      tr("Die Zulassung fordert das der Durchmesser der Längsbewehrung (Asy) mindestens so "
                         "groß sein muß wie der Durchmesser der Steckbügel (Asx1)") +
                          QStringLiteral("\n\n") +
                          tr("Möchten Sie die manuell ausgewählte Bewehrung nochmals ändern?")))
        return;
    if (!auswahl_.Uebernehmen() &&
        !dialoge.Frage(this, tr("Die Betondicke ist für die manuell ausgewählte Bewehrung zu klein. Soll die "
                                "Bewehrung so übernommen werden?"))) {
        auswahl_.Weiterbearbeiten();
        return;
    }
    auswahl_.Abschliessen();
    uebersicht_();
    accept();
}

// Cancel and Escape: the type's record, result and the position's spacing rule as they were at opening.
void TfrmBewehrung::reject() {
    auswahl_.Verwerfen();
    uebersicht_();
    Enterdialog::reject();
}
