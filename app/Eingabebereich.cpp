#include "app/Eingabebereich.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Bildquellen.h"
#include "app/DesktopUmgebung.h"
#include "app/Dialogdienst.h"
#include "app/TfrmCharakteristischeLast.h"
#include "app/Zahleingabe.h"
#include "app/Zahlenfeld.h"
#include "model/TKModell.h"
#include "output/Textlisten.h"
#include "sitzung/Projektsitzung.h"

namespace {

constexpr int BreiteBeschriftung = 140;
constexpr int BreiteSymbol = 34;
constexpr int BreiteFeld = 72;
constexpr int BreiteEinheit = 44;

struct Fallknopf {
    const char* name;
    const char* hinweis;
};
constexpr std::array<Fallknopf, 5> anwendungsfaelle{{
    {"tbEinzel", QT_TRANSLATE_NOOP("Eingabebereich", "einzelner Doppelschubdorn")},
    {"tbPaarPlatte", QT_TRANSLATE_NOOP("Eingabebereich", "Dornpaar Platte an Platte")},
    {"tbPaarWand", QT_TRANSLATE_NOOP("Eingabebereich", "Dornpaar Platte an Wand")},
    {"tbReihePlatte", QT_TRANSLATE_NOOP("Eingabebereich", "Dornreihe Platte an Platte")},
    {"tbReiheWand", QT_TRANSLATE_NOOP("Eingabebereich", "Dornreihe Platte an Wand")},
}};
constexpr std::array<Fallknopf, 4> lastfaelle{{
    {"tbPunktlast", QT_TRANSLATE_NOOP("Eingabebereich", "&Einzellast")},
    {"tbKonstanteLast", QT_TRANSLATE_NOOP("Eingabebereich", "&konstante Last")},
    {"tbLinienlast", QT_TRANSLATE_NOOP("Eingabebereich", "&gleichförmig")},
    {"tbbeliebigeLast", QT_TRANSLATE_NOOP("Eingabebereich", "&beliebig")},
}};

const char* const Beschriftungsspalte = "beschriftungsspalte";

QLabel* Beschriftung(const QString& text, int breite, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFixedWidth(breite);
    label->setProperty(Beschriftungsspalte, breite == BreiteBeschriftung);
    return label;
}

// The captions of all rows share one column, as wide as the longest caption of the language needs.
void BeschriftungsspalteAnpassen(QWidget& bereich) {
    const QList<QLabel*> labels = bereich.findChildren<QLabel*>();
    int breite = BreiteBeschriftung;
    for (const QLabel* label : labels)
        if (label->property(Beschriftungsspalte).toBool())
            breite = std::max(breite, label->sizeHint().width());
    for (QLabel* label : labels)
        if (label->property(Beschriftungsspalte).toBool()) label->setFixedWidth(breite);
}

QComboBox* Auswahl(const char* name, const QStringList& eintraege, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(eintraege);
    box->setFixedWidth(BreiteFeld + BreiteEinheit);
    return box;
}

QWidget* Auswahlzeile(const QString& text, const QString& symbol, QComboBox* box, QWidget* parent) {
    auto* zeile = new QWidget(parent);
    auto* reihe = new QHBoxLayout(zeile);
    reihe->setContentsMargins(0, 0, 0, 0);
    reihe->addWidget(Beschriftung(text, BreiteBeschriftung, zeile));
    reihe->addWidget(Beschriftung(symbol, BreiteSymbol, zeile));
    reihe->addWidget(box);
    reihe->addStretch();
    return zeile;
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Fields whose visibility follows the position; the front cover and the load ratio stay hidden.
constexpr std::array<Feld, 9> positionsfelder{
    Feld::Wanddicke,   Feld::BauteilrandLinks, Feld::BauteilrandRechts,
    Feld::Fugenlaenge, Feld::DornPaarAbstand,  Feld::konstDornabstand,
    Feld::Punktlast,   Feld::LinienlastLinks,  Feld::LinienlastRechts};

}  // namespace

Eingabebereich::Eingabebereich(Projektsitzung& sitzung, DesktopUmgebung& umgebung,
                               TfrmCharakteristischeLast& bemessungswerte, QWidget* parent)
    : QWidget(parent),
      sitzung_(sitzung),
      umgebung_(umgebung),
      bemessungswerte_(bemessungswerte),
      modell_(sitzung.Modell()),
      a_(sitzung.Arbeitskopie()) {
    setObjectName(QStringLiteral("Eingabebereich"));
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(4, 4, 4, 4);
    spalte->addWidget(BaueKopf());
    spalte->addWidget(BaueAnwendungsfall());
    spalte->addWidget(BaueBauteil());
    spalte->addWidget(BaueFuge());
    spalte->addWidget(BaueBewehrung());
    spalte->addWidget(BaueBelastung());
    spalte->addStretch();
    BeschriftungsspalteAnpassen(*this);
    VerbindeFelder();
    // The front cover and the load ratio exist for stored projects but are not offered for input.
    Zeigen(Feld::BetondeckungVorn, false);
    Zeigen(Feld::Lastverteilung, false);
}

QWidget* Eingabebereich::Feldzeile(::Feld feld, QWidget* parent, QToolButton* knopf) {
    const auto& b = Beschreibung(feld);
    auto* zeile = new QWidget(parent);
    zeile->setObjectName(QStringLiteral("pnl") + QString::fromLatin1(b.name).mid(5));
    auto* reihe = new QHBoxLayout(zeile);
    reihe->setContentsMargins(0, 0, 0, 0);
    reihe->addWidget(Beschriftung(tr(b.beschriftung), BreiteBeschriftung, zeile));
    reihe->addWidget(Beschriftung(QString::fromUtf8(b.symbol), BreiteSymbol, zeile));
    auto* eingabe = new Zahlenfeld(zeile, b.bereich, b.faktor);
    eingabe->setObjectName(QString::fromLatin1(b.name));
    eingabe->setFixedWidth(BreiteFeld);
    eingabe->setAlignment(Qt::AlignRight);
    reihe->addWidget(eingabe);
    reihe->addWidget(Beschriftung(QString::fromUtf8(b.einheit), BreiteEinheit, zeile));
    if (knopf) reihe->addWidget(knopf);
    reihe->addStretch();
    felder_[static_cast<std::size_t>(feld)] = eingabe;
    zeilen_[static_cast<std::size_t>(feld)] = zeile;
    return zeile;
}

QWidget* Eingabebereich::BaueKopf() {
    auto* kopf = new QWidget(this);
    auto* raster = new QGridLayout(kopf);
    raster->setContentsMargins(0, 0, 0, 0);
    editBauvorhaben_ = new QLineEdit(kopf);
    editBauvorhaben_->setObjectName(QStringLiteral("EditBauvorhaben"));
    editBauvorhaben_->setMaxLength(80);
    editPosition_ = new QLineEdit(kopf);
    editPosition_->setObjectName(QStringLiteral("EditPosition"));
    editPosition_->setMaxLength(80);
    sEditAktAnwendung_ = new QSpinBox(kopf);
    sEditAktAnwendung_->setObjectName(QStringLiteral("sEditAktAnwendung"));
    sEditAktAnwendung_->setRange(1, 1);
    sEditAktAnwendung_->setKeyboardTracking(false);
    raster->addWidget(new QLabel(tr("Bauvorhaben:"), kopf), 0, 0);
    raster->addWidget(editBauvorhaben_, 0, 1, 1, 3);
    raster->addWidget(new QLabel(tr("lfd Nr.:"), kopf), 1, 0);
    raster->addWidget(sEditAktAnwendung_, 1, 1);
    raster->addWidget(new QLabel(tr("Position"), kopf), 1, 2);
    raster->addWidget(editPosition_, 1, 3);
    raster->setColumnStretch(3, 1);
    connect(editBauvorhaben_, &QLineEdit::textChanged, this,
            [this](const QString& text) { sitzung_.ProjektBenennen(text.toStdString()); });
    connect(editPosition_, &QLineEdit::textEdited, this, &Eingabebereich::positionBenannt);
    connect(editPosition_, &QLineEdit::editingFinished, this,
            [this] { sitzung_.PositionBenennen(editPosition_->text().toStdString()); });
    connect(sEditAktAnwendung_, &QSpinBox::valueChanged, this, &Eingabebereich::positionGewaehlt);
    return kopf;
}

QWidget* Eingabebereich::BaueAnwendungsfall() {
    auto* gruppe = new QGroupBox(tr("Anwendungsfall"), this);
    auto* reihe = new QHBoxLayout(gruppe);
    tbarAnwendungsfall_ = new QButtonGroup(gruppe);
    for (int i = 0; i < static_cast<int>(anwendungsfaelle.size()); ++i) {
        auto* knopf = new QToolButton(gruppe);
        knopf->setObjectName(QString::fromLatin1(anwendungsfaelle[static_cast<std::size_t>(i)].name));
        knopf->setCheckable(true);
        knopf->setIcon(AnwendungsfallSymbol(i));
        knopf->setIconSize(QSize(44, 40));
        knopf->setToolTip(tr(anwendungsfaelle[static_cast<std::size_t>(i)].hinweis));
        knopf->setStatusTip(knopf->toolTip());
        tbarAnwendungsfall_->addButton(knopf, i);
        reihe->addWidget(knopf);
    }
    reihe->addStretch();
    connect(tbarAnwendungsfall_, &QButtonGroup::idClicked, this,
            [this](int id) { AnwendungsfallKlick(static_cast<TsAnwendungsfall>(id)); });
    return gruppe;
}

QWidget* Eingabebereich::BaueBauteil() {
    auto* gruppe = new QGroupBox(tr("Bauteil"), this);
    auto* spalte = new QVBoxLayout(gruppe);
    for (auto feld : {Feld::Wanddicke, Feld::PlatteDicke, Feld::BetondeckungOben, Feld::BetondeckungUnten,
                      Feld::BetondeckungVorn})
        spalte->addWidget(Feldzeile(feld, gruppe));
    cboxBetonguete_ = Auswahl("cboxBetonguete", {}, gruppe);
    cboxFeuerwiderstand_ = Auswahl("cboxFeuerwiderstand", Textliste(TextListe::Feuerwiderstand), gruppe);
    spalte->addWidget(Auswahlzeile(tr("Betongüte"), QString(), cboxBetonguete_, gruppe));
    spalte->addWidget(Auswahlzeile(tr("Feuerwiderstandsdauer"), QString(), cboxFeuerwiderstand_, gruppe));
    connect(cboxBetonguete_, &QComboBox::activated, this,
            [this](int index) { sitzung_.BetongueteSetzen(index); });
    connect(cboxFeuerwiderstand_, &QComboBox::activated, this,
            [this](int index) { sitzung_.FeuerwiderstandSetzen(AusOrdinal(index, TsFeuerwiderstand::F0)); });
    return gruppe;
}

QWidget* Eingabebereich::BaueFuge() {
    auto* gruppe = new QGroupBox(tr("Fuge"), this);
    auto* spalte = new QVBoxLayout(gruppe);
    cBoxFugenbreite_ = Auswahl("cBoxFugenbreite", Textliste(TextListe::Fugenbreite), gruppe);
    spalte->addWidget(Auswahlzeile(tr("max. Fugenbreite"), QStringLiteral("f"), cBoxFugenbreite_, gruppe));
    for (auto feld : {Feld::Fugenlaenge, Feld::BauteilrandLinks, Feld::BauteilrandRechts})
        spalte->addWidget(Feldzeile(feld, gruppe));

    grpDornPaarAbstand_ = new QWidget(gruppe);
    grpDornPaarAbstand_->setObjectName(QStringLiteral("grpDornPaarAbstand"));
    auto* paar = new QVBoxLayout(grpDornPaarAbstand_);
    paar->setContentsMargins(0, 0, 0, 0);
    cbDornPaarAbstand_ = new QCheckBox(tr("Dornabstand berechnen"), grpDornPaarAbstand_);
    cbDornPaarAbstand_->setObjectName(QStringLiteral("cbDornPaarAbstand"));
    paar->addWidget(cbDornPaarAbstand_);
    paar->addWidget(Feldzeile(Feld::DornPaarAbstand, grpDornPaarAbstand_));
    spalte->addWidget(grpDornPaarAbstand_);

    grpkonstDornabstand_ = new QWidget(gruppe);
    grpkonstDornabstand_->setObjectName(QStringLiteral("grpkonstDornabstand"));
    auto* konstant = new QVBoxLayout(grpkonstDornabstand_);
    konstant->setContentsMargins(0, 0, 0, 0);
    cbkonstDornabstand_ = new QCheckBox(tr("konstanter Dornabstand"), grpkonstDornabstand_);
    cbkonstDornabstand_->setObjectName(QStringLiteral("cbkonstDornabstand"));
    konstant->addWidget(cbkonstDornabstand_);
    konstant->addWidget(Feldzeile(Feld::konstDornabstand, grpkonstDornabstand_));
    spalte->addWidget(grpkonstDornabstand_);

    connect(cBoxFugenbreite_, &QComboBox::activated, this,
            [this](int index) { sitzung_.FugenbreiteSetzen(AusOrdinal(index, TsFugenbreite::fb20bis30)); });
    connect(cbDornPaarAbstand_, &QCheckBox::clicked, this,
            [this](bool berechnen) { sitzung_.DornPaarAbstandBerechnen(berechnen); });
    connect(cbkonstDornabstand_, &QCheckBox::clicked, this, [this](bool konstant) {
        if (cbkonstDornabstand_->hasFocus()) emit eingabeModus();
        sitzung_.KonstanterDornabstand(konstant);
    });
    return gruppe;
}

QWidget* Eingabebereich::BaueBewehrung() {
    auto* gruppe = new QGroupBox(tr("Ermittlung der Bewehrung"), this);
    gruppe->setObjectName(QStringLiteral("rgBewehrungCalc"));
    auto* reihe = new QHBoxLayout(gruppe);
    rgBewehrungCalc_ = new QButtonGroup(gruppe);
    const QStringList verfahren = Textliste(TextListe::BewehrungCalc);
    for (int i = 0; i < verfahren.size(); ++i) {
        auto* knopf = new QRadioButton(verfahren[i], gruppe);
        rgBewehrungCalc_->addButton(knopf, i);
        reihe->addWidget(knopf);
    }
    connect(rgBewehrungCalc_, &QButtonGroup::idClicked, this, [this](int id) {
        emit eingabeModus();
        sitzung_.BewehrungCalcSetzen(AusOrdinal(id, TsBewehrungCalc::bcOptimal));
    });
    return gruppe;
}

QToolButton* Eingabebereich::BemessungswertKnopf(Lastwert wert, const char* name) {
    auto* knopf = new QToolButton(this);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setText(QStringLiteral("γ…"));
    knopf->setToolTip(tr("Eingabe der Bemessungswerte"));
    knopf->setStatusTip(knopf->toolTip());
    connect(knopf, &QToolButton::clicked, this, [this, wert] { Bemessungswerte(wert); });
    bemessungsknoepfe_[static_cast<std::size_t>(wert)] = knopf;
    return knopf;
}

QWidget* Eingabebereich::BaueBelastung() {
    auto* gruppe =
        new QGroupBox(tr("Bemessungswerte der Einwirkung") + QLatin1Char(' ') + tr("(Design-Lasten):"), this);
    auto* spalte = new QVBoxLayout(gruppe);
    pnlBelastungsfall_ = new QWidget(gruppe);
    pnlBelastungsfall_->setObjectName(QStringLiteral("tbarBelastungsfall"));
    auto* reihe = new QHBoxLayout(pnlBelastungsfall_);
    reihe->setContentsMargins(0, 0, 0, 0);
    tbarBelastungsfall_ = new QButtonGroup(gruppe);
    for (int i = 0; i < static_cast<int>(lastfaelle.size()); ++i) {
        auto* knopf = new QToolButton(pnlBelastungsfall_);
        knopf->setObjectName(QString::fromLatin1(lastfaelle[static_cast<std::size_t>(i)].name));
        knopf->setText(tr(lastfaelle[static_cast<std::size_t>(i)].hinweis));
        knopf->setCheckable(true);
        knopf->setVisible(i != 0);  // the point load is chosen by the application case only
        tbarBelastungsfall_->addButton(knopf, i);
        reihe->addWidget(knopf);
    }
    reihe->addStretch();
    spalte->addWidget(pnlBelastungsfall_);
    spalte->addWidget(
        Feldzeile(Feld::Punktlast, gruppe, BemessungswertKnopf(Lastwert::Punkt, "BitBtnPunktlast")));
    lblQuerkraftverlauf_ = new QLabel(tr("Querkraftverlauf"), gruppe);
    spalte->addWidget(lblQuerkraftverlauf_);
    spalte->addWidget(Feldzeile(Feld::LinienlastLinks, gruppe,
                                BemessungswertKnopf(Lastwert::Links, "BitBtnLinienlastLinks")));
    spalte->addWidget(Feldzeile(Feld::LinienlastRechts, gruppe,
                                BemessungswertKnopf(Lastwert::Rechts, "BitBtnLinienlastRechts")));
    spalte->addWidget(Feldzeile(Feld::Lastverteilung, gruppe));

    for (auto fall :
         {TsBelastungsfall::bfPunktlast, TsBelastungsfall::bfKonstanteLast, TsBelastungsfall::bfLinienlast})
        connect(tbarBelastungsfall_->button(Ord(fall)), &QToolButton::clicked, this,
                [this, fall] { LastfallKlick(fall); });
    connect(tbarBelastungsfall_->button(Ord(TsBelastungsfall::bfbeliebigeLast)), &QToolButton::clicked, this,
            [this] { BeliebigeLastKlick(); });
    return gruppe;
}

void Eingabebereich::VerbindeFelder() {
    for (auto feld : AlleFelder()) {
        auto* eingabe = Eingabefeld(feld);
        connect(eingabe, &Zahlenfeld::verlassen, this, [this, feld] { FeldVerlassen(feld); });
        connect(eingabe, &QLineEdit::textEdited, this, [this, feld](const QString& text) {
            emit eingabeModus();
            if (feld == Feld::LinienlastLinks &&
                a_.cBelastungDesign.GetBelastungsfall() == TsBelastungsfall::bfKonstanteLast)
                Eingabefeld(Feld::LinienlastRechts)->setText(text);
        });
    }
    for (auto wert : {Lastwert::Punkt, Lastwert::Links, Lastwert::Rechts})
        connect(Eingabefeld(FeldVon(wert)), &Zahlenfeld::doppelklick, this,
                [this, wert] { Bemessungswerte(wert); });
    for (auto* box : {cBoxFugenbreite_, cboxBetonguete_, cboxFeuerwiderstand_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { emit eingabeModus(); });
}

// A field keeps what the user typed as long as it says the stored value ("24,0" for 240 mm; "0" for a load
// of 0, whose zero text would read 50); otherwise it shows the stored value.
void Eingabebereich::FeldAnzeigen(::Feld feld, bool nurGelesene) {
    const auto& b = Beschreibung(feld);
    const double wert = b.lesen(a_);
    Zahlenfeld* eingabe = Eingabefeld(feld);
    if (nurGelesene && eingabe->isModified()) return;
    const char trenner = umgebung_.Dezimaltrenner();
    if (const auto gezeigt = ZahlAusText(eingabe->text().toStdString(), trenner);
        gezeigt && *gezeigt * b.faktor == wert)
        return;
    const QString text = ZahlText(wert / b.faktor, QString::fromUtf8(b.nulltext), trenner);
    if (text != eingabe->text()) eingabe->setText(text);
}

void Eingabebereich::Zeigen(::Feld feld, bool sichtbar) {
    zeilen_[static_cast<std::size_t>(feld)]->setVisible(sichtbar);
}

bool Eingabebereich::Angenommen(const Eingabeergebnis& ergebnis, QWidget* feld) {
    if (ergebnis) return true;
    umgebung_.Dialoge().Hinweis(feld ? feld : this, Q(ergebnis.meldung));
    if (feld) feld->setFocus(Qt::OtherFocusReason);
    return false;
}

void Eingabebereich::FeldVerlassen(::Feld feld) {
    Zahlenfeld* eingabe = Eingabefeld(feld);
    const Eingabeergebnis ergebnis = sitzung_.FeldSetzen(feld, eingabe->text().toStdString());
    gueltig_ = Angenommen(ergebnis, eingabe);
    if (gueltig_) eingabe->setModified(false);
    if (!ergebnis.hinweis.empty()) umgebung_.Dialoge().Hinweis(this, Q(ergebnis.hinweis));
    emit neuzeichnen();
}

bool Eingabebereich::OffenesFeldUebernehmen() {
    for (auto feld : AlleFelder()) {
        if (!Eingabefeld(feld)->isModified()) continue;
        FeldVerlassen(feld);
        if (!gueltig_) return false;
    }
    return true;
}

void Eingabebereich::AnwendungsfallKlick(TsAnwendungsfall fall) {
    if (!OffenesFeldUebernehmen()) {
        AnwendungsfallRegeln();
        return;
    }
    sitzung_.AnwendungsfallSetzen(fall);
    AnwendungsfallRegeln();
    emit eingabeModus();
    emit neuzeichnen();
}

// What the controls show follows the position; the session has applied the rules to it.
void Eingabebereich::AnwendungsfallRegeln() {
    const auto fall = a_.GetAnwendungsfall();
    const bool einzel = fall == TsAnwendungsfall::afEinzel;
    tbarAnwendungsfall_->button(Ord(fall))->setChecked(true);
    for (auto feld : positionsfelder) Zeigen(feld, FeldRelevant(feld, a_));
    grpDornPaarAbstand_->setVisible(IstPaar(fall));
    grpkonstDornabstand_->setVisible(IstReihe(fall));
    emit reihenSkizzeVerfuegbar(!einzel);
    pnlBelastungsfall_->setVisible(!einzel);
    tbarBelastungsfall_->button(Ord(TsBelastungsfall::bfbeliebigeLast))->setVisible(IstReihe(fall));
    LastpanelRegeln(a_.cBelastungDesign.GetBelastungsfall());
}

void Eingabebereich::LastfallKlick(TsBelastungsfall fall) {
    if (OffenesFeldUebernehmen()) Angenommen(sitzung_.LastfallSetzen(fall));
    AnwendungsfallRegeln();
    emit eingabeModus();
    emit neuzeichnen();
}

void Eingabebereich::LastpanelRegeln(TsBelastungsfall fall) {
    tbarBelastungsfall_->button(Ord(fall))->setChecked(true);
    lblQuerkraftverlauf_->setVisible(fall != TsBelastungsfall::bfPunktlast);
    for (auto wert : {Lastwert::Links, Lastwert::Rechts}) {
        const bool frei = FeldEingebbar(FeldVon(wert), a_);
        Eingabefeld(FeldVon(wert))->setEnabled(frei);
        bemessungsknoepfe_[static_cast<std::size_t>(wert)]->setEnabled(frei);
    }
}

// Choosing the arbitrary load and editing its points in the dialog is one change.
void Eingabebereich::BeliebigeLastKlick() {
    if (!OffenesFeldUebernehmen()) {
        AnwendungsfallRegeln();
        return;
    }
    sitzung_.BearbeitungBeginnen();
    sitzung_.LastfallSetzen(TsBelastungsfall::bfbeliebigeLast);
    emit eingabeModus();
    emit beliebigeLastBearbeiten();
    sitzung_.BearbeitungAbschliessen(tr("beliebige Last").toStdString());
    Aktualisieren();
    emit neuzeichnen();
}

// The dialog opens with the design value the field holds; a value typed into it is taken first.
void Eingabebereich::Bemessungswerte(Lastwert wert) {
    if (!OffenesFeldUebernehmen()) return;
    if (wert == Lastwert::Punkt) {
        bemessungswerte_.SetPunktlast();
    } else {
        bemessungswerte_.SetLinielast();
    }
    bemessungswerte_.SetLast(sitzung_.BemessungswerteVorschlag(wert));
    if (bemessungswerte_.exec() != QDialog::Accepted) return;
    emit eingabeModus();
    gueltig_ = Angenommen(sitzung_.BemessungswerteSetzen(wert, bemessungswerte_.GetLast()),
                          Eingabefeld(FeldVon(wert)));
    emit neuzeichnen();
}

void Eingabebereich::BetongueteFuellen(TsLand land) {
    const bool polnisch = land == TsLand::plk;
    const QStringList alle = Textliste(TextListe::Betonguete);
    int index = std::max(cboxBetonguete_->currentIndex(), 0);
    const QSignalBlocker sperre(cboxBetonguete_);
    cboxBetonguete_->clear();
    cboxBetonguete_->addItems(alle.mid(polnisch ? 7 : 0, 7));
    if (polnisch && index < 1) index = 1;
    cboxBetonguete_->setCurrentIndex(std::min(index, cboxBetonguete_->count() - 1));
}

void Eingabebereich::Aktualisieren(bool nurGelesene) {
    {
        const QSignalBlocker sperre(sEditAktAnwendung_);
        sEditAktAnwendung_->setMaximum(modell_.GetAnzAnwendung());
        sEditAktAnwendung_->setValue(modell_.GetAktAnwendung());
    }
    if (const QString name = Q(a_.GetPosition()); name != editPosition_->text()) editPosition_->setText(name);
    if (const QString name = Q(modell_.cProjektdaten.GetBauvorhaben()); name != editBauvorhaben_->text()) {
        const QSignalBlocker sperre(editBauvorhaben_);
        editBauvorhaben_->setText(name);
    }
    for (auto feld : AlleFelder()) FeldAnzeigen(feld, nurGelesene);
    cbDornPaarAbstand_->setChecked(a_.cGeometrie.GetDornPaarAbstandCalc());
    cbkonstDornabstand_->setChecked(a_.cGeometrie.GetDornAbstandCalc());
    rgBewehrungCalc_->button(Ord(a_.GetBewehrungCalc()))->setChecked(true);
    for (auto [box, index] : {std::pair{cBoxFugenbreite_, Ord(a_.cGeometrie.GetFugenbreite())},
                              std::pair{cboxFeuerwiderstand_, Ord(a_.GetFeuerwiderstand())},
                              std::pair{cboxBetonguete_, a_.GetBetongueteAuswahl(a_.GetAktLand())}}) {
        const QSignalBlocker sperre(box);
        box->setCurrentIndex(std::clamp(index, 0, box->count() - 1));
    }
    AnwendungsfallRegeln();
}

QString Eingabebereich::PositionsText() const {
    return sEditAktAnwendung_->text();
}
