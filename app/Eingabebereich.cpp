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

double LeseLastwert(const TKBelastung& last, Eingabebereich::Lastwert wert) {
    switch (wert) {
        case Eingabebereich::Lastwert::Punkt:
            return last.GetPunktLast();
        case Eingabebereich::Lastwert::Links:
            return last.GetLinienLastLinks();
        case Eingabebereich::Lastwert::Rechts:
            break;
    }
    return last.GetLinienLastRechts();
}

void SetzeLastwert(TKBelastung& last, Eingabebereich::Lastwert wert, double v) {
    switch (wert) {
        case Eingabebereich::Lastwert::Punkt:
            last.SetPunktLast(v);
            return;
        case Eingabebereich::Lastwert::Links:
            last.SetLinienLastLinks(v);
            return;
        case Eingabebereich::Lastwert::Rechts:
            last.SetLinienLastRechts(v);
            return;
    }
}

::Feld FeldVon(Eingabebereich::Lastwert wert) {
    switch (wert) {
        case Eingabebereich::Lastwert::Punkt:
            return Feld::Punktlast;
        case Eingabebereich::Lastwert::Links:
            return Feld::LinienlastLinks;
        case Eingabebereich::Lastwert::Rechts:
            break;
    }
    return Feld::LinienlastRechts;
}

}  // namespace

Eingabebereich::Eingabebereich(Projektsitzung& sitzung, DesktopUmgebung& umgebung,
                               TfrmCharakteristischeLast& bemessungswerte, QWidget* parent)
    : QWidget(parent),
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
    connect(editBauvorhaben_, &QLineEdit::textChanged, this, [this](const QString& text) {
        modell_.cProjektdaten.SetBauvorhaben(text.toStdString());
        emit projektBenannt(text);
    });
    connect(editPosition_, &QLineEdit::textEdited, this, &Eingabebereich::positionBenannt);
    connect(editPosition_, &QLineEdit::editingFinished, this,
            [this] { a_.SetPosition(editPosition_->text().toStdString()); });
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
            [this](int index) { a_.SetBetongueteAuswahl(index, a_.GetAktLand()); });
    connect(cboxFeuerwiderstand_, &QComboBox::activated, this,
            [this](int index) { a_.SetFeuerwiderstand(AusOrdinal(index, TsFeuerwiderstand::F0)); });
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
            [this](int index) { a_.cGeometrie.SetFugenbreite(AusOrdinal(index, TsFugenbreite::fb20bis30)); });
    connect(cbDornPaarAbstand_, &QCheckBox::clicked, this, [this](bool berechnen) {
        Zeigen(Feld::DornPaarAbstand, !berechnen);
        a_.cGeometrie.SetDornPaarAbstandCalc(berechnen);
    });
    connect(cbkonstDornabstand_, &QCheckBox::clicked, this, [this](bool konstant) {
        if (cbkonstDornabstand_->hasFocus()) emit eingabeModus();
        Zeigen(Feld::konstDornabstand, konstant);
        a_.cGeometrie.SetDornAbstandCalc(konstant);
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
        const auto verfahren = AusOrdinal(id, TsBewehrungCalc::bcOptimal);
        if (a_.GetBewehrungCalc() != verfahren) a_.SetBewehrungCalc(verfahren);
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

    connect(tbarBelastungsfall_->button(Ord(TsBelastungsfall::bfKonstanteLast)), &QToolButton::clicked, this,
            [this] { KonstanteLastKlick(); });
    connect(tbarBelastungsfall_->button(Ord(TsBelastungsfall::bfLinienlast)), &QToolButton::clicked, this,
            [this] { LinienlastKlick(); });
    connect(tbarBelastungsfall_->button(Ord(TsBelastungsfall::bfbeliebigeLast)), &QToolButton::clicked, this,
            [this] { BeliebigeLastKlick(); });
    connect(tbarBelastungsfall_->button(Ord(TsBelastungsfall::bfPunktlast)), &QToolButton::clicked, this,
            [this] { LastfallKlick(TsBelastungsfall::bfPunktlast, true); });
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

double Eingabebereich::FeldWert(::Feld feld, double ersatz) const {
    return LeseZahl(Eingabefeld(feld)->text(), ersatz, umgebung_.Dezimaltrenner()) *
           Beschreibung(feld).faktor;
}

void Eingabebereich::FeldSchreiben(::Feld feld, double wert) {
    Beschreibung(feld).schreiben(a_, wert);
}

void Eingabebereich::FeldAnzeigen(::Feld feld) {
    const auto& b = Beschreibung(feld);
    Eingabefeld(feld)->setText(
        ZahlText(b.lesen(a_) / b.faktor, QString::fromUtf8(b.nulltext), umgebung_.Dezimaltrenner()));
}

void Eingabebereich::Zeigen(::Feld feld, bool sichtbar) {
    zeilen_[static_cast<std::size_t>(feld)]->setVisible(sichtbar);
}

void Eingabebereich::FeldVerlassen(::Feld feld) {
    const auto& b = Beschreibung(feld);
    gueltig_ = PruefeEingabe(Eingabefeld(feld), b.maximum, b.minimum, umgebung_.Dezimaltrenner(),
                             umgebung_.Dialoge());
    if (gueltig_) {
        FeldSchreiben(feld, FeldWert(feld, b.ersatz));
        if (feld == Feld::LinienlastLinks &&
            a_.cBelastungDesign.GetBelastungsfall() == TsBelastungsfall::bfKonstanteLast)
            FeldSchreiben(Feld::LinienlastRechts, FeldWert(Feld::LinienlastLinks, b.ersatz));
    }
    if (feld == Feld::Fugenlaenge) a_.cBelastungDesign.SetLastLaenge(a_.cGeometrie.GetFugenlaenge());
    emit neuzeichnen();
}

void Eingabebereich::AnwendungsfallKlick(TsAnwendungsfall fall) {
    a_.SetAnwendungsfall(fall);
    AnwendungsfallRegeln(true);
    emit eingabeModus();
    emit neuzeichnen();
}

void Eingabebereich::AnwendungsfallRegeln(bool ansichtWechseln) {
    const auto fall = a_.GetAnwendungsfall();
    const bool einzel = fall == TsAnwendungsfall::afEinzel;
    tbarAnwendungsfall_->button(Ord(fall))->setChecked(true);
    Zeigen(Feld::BauteilrandLinks, einzel);
    Zeigen(Feld::BauteilrandRechts, einzel);
    Zeigen(Feld::Fugenlaenge, !einzel);
    Zeigen(Feld::Wanddicke, IstWand(fall));
    grpDornPaarAbstand_->setVisible(IstPaar(fall));
    Zeigen(Feld::DornPaarAbstand, !cbDornPaarAbstand_->isChecked());
    grpkonstDornabstand_->setVisible(IstReihe(fall));
    Zeigen(Feld::konstDornabstand, cbkonstDornabstand_->isChecked());
    a_.cGeometrie.SetRandLinks(einzel);
    a_.cGeometrie.SetRandRechts(einzel);
    emit reihenSkizzeVerfuegbar(!einzel);

    const auto lastfall = a_.cBelastungDesign.GetBelastungsfall();
    pnlBelastungsfall_->setVisible(!einzel);
    tbarBelastungsfall_->button(Ord(TsBelastungsfall::bfbeliebigeLast))->setVisible(IstReihe(fall));
    if (einzel) {
        if (modell_.GetSkizzeAnzeige() == TsSkizzeTyp::stDornReihe)
            modell_.SetSkizzeAnzeige(TsSkizzeTyp::stAnsicht);
        if (a_.cErgebnisse.GetErgebnisAnzeige() == TsSkizzeTyp::stDornReihe)
            a_.cErgebnisse.SetErgebnisAnzeige(TsSkizzeTyp::stAnsicht);
        LastfallKlick(TsBelastungsfall::bfPunktlast, ansichtWechseln);
    } else if (IstPaar(fall) && lastfall != TsBelastungsfall::bfKonstanteLast &&
               lastfall != TsBelastungsfall::bfLinienlast) {
        LastfallKlick(TsBelastungsfall::bfLinienlast, ansichtWechseln);
    } else if (IstReihe(fall) && lastfall == TsBelastungsfall::bfPunktlast) {
        LastfallKlick(TsBelastungsfall::bfLinienlast, ansichtWechseln);
    } else {
        LastfallKlick(lastfall, false);
    }
}

void Eingabebereich::LastfallKlick(TsBelastungsfall fall, bool ansichtWechseln) {
    a_.cBelastungDesign.SetBelastungsfall(fall);
    tbarBelastungsfall_->button(Ord(fall))->setChecked(true);
    LastpanelRegeln(fall);
    if (!ansichtWechseln) return;
    emit eingabeModus();
    emit neuzeichnen();
}

void Eingabebereich::LastpanelRegeln(TsBelastungsfall fall) {
    const bool punkt = fall == TsBelastungsfall::bfPunktlast;
    Zeigen(Feld::Punktlast, punkt);
    lblQuerkraftverlauf_->setVisible(!punkt);
    Zeigen(Feld::LinienlastLinks, !punkt);
    Zeigen(Feld::LinienlastRechts, !punkt);
    const bool beliebig = fall == TsBelastungsfall::bfbeliebigeLast;
    const bool anfangFrei = !beliebig;
    const bool endeFrei = fall == TsBelastungsfall::bfLinienlast;
    for (auto [wert, frei] :
         {std::pair{Lastwert::Links, anfangFrei}, std::pair{Lastwert::Rechts, endeFrei}}) {
        Eingabefeld(FeldVon(wert))->setEnabled(frei);
        bemessungsknoepfe_[static_cast<std::size_t>(wert)]->setEnabled(frei);
    }
    if (beliebig) {
        FeldAnzeigen(Feld::LinienlastLinks);
        FeldAnzeigen(Feld::LinienlastRechts);
    }
}

void Eingabebereich::KonstanteLastKlick() {
    Eingabefeld(Feld::LinienlastRechts)->setText(Eingabefeld(Feld::LinienlastLinks)->text());
    const double wert = FeldWert(Feld::LinienlastLinks, 0);
    FeldSchreiben(Feld::LinienlastLinks, wert);
    FeldSchreiben(Feld::LinienlastRechts, wert);
    LastfallKlick(TsBelastungsfall::bfKonstanteLast, true);
}

void Eingabebereich::LinienlastKlick() {
    FeldSchreiben(Feld::LinienlastLinks, FeldWert(Feld::LinienlastLinks, 0));
    FeldSchreiben(Feld::LinienlastRechts, FeldWert(Feld::LinienlastRechts, 0));
    LastfallKlick(TsBelastungsfall::bfLinienlast, true);
}

void Eingabebereich::BeliebigeLastKlick() {
    LastfallKlick(TsBelastungsfall::bfbeliebigeLast, true);
    emit beliebigeLastBearbeiten();
    LastfallKlick(TsBelastungsfall::bfbeliebigeLast, true);
    Aktualisieren();
}

// The dialog works on a filled copy of the scratch record, which replaces the record only on OK.
void Eingabebereich::Bemessungswerte(Lastwert wert) {
    TKLast last = a_.ctmpLast;
    if (a_.cBelastungCharg.GetGammaf() != 0) last.Setgg(a_.cBelastungCharg.GetGammaf());
    if (a_.cBelastungCharq.GetGammaf() != 0) last.Setgq(a_.cBelastungCharq.GetGammaf());
    last.SetGk(LeseLastwert(a_.cBelastungCharg, wert));
    last.SetQk(LeseLastwert(a_.cBelastungCharq, wert));
    // A design value equal to one of the characteristic values was typed directly: all of it counts as
    // variable. The record keeps its design value tied to the characteristic values, so the dialog always
    // opens with the value OK would store.
    const double fd = LeseLastwert(a_.cBelastungDesign, wert);
    if (last.GetGk() == fd || fd == last.GetQk()) {
        last.SetGk(0);
        last.SetQk(fd / last.Getgq());
    }
    if (wert == Lastwert::Punkt) {
        bemessungswerte_.SetPunktlast();
    } else {
        bemessungswerte_.SetLinielast();
    }
    bemessungswerte_.SetLast(last);
    if (bemessungswerte_.exec() != QDialog::Accepted) return;
    a_.ctmpLast = last = bemessungswerte_.GetLast();
    emit eingabeModus();
    SetzeLastwert(a_.cBelastungCharg, wert, last.GetGk());
    SetzeLastwert(a_.cBelastungCharq, wert, last.GetQk());
    const double bemessungswert = RundeZehntel(last.GetFd());
    SetzeLastwert(a_.cBelastungDesign, wert, bemessungswert);
    a_.cBelastungCharg.SetGammaf(last.Getgg());
    a_.cBelastungCharq.SetGammaf(last.Getgq());
    auto* eingabe = Eingabefeld(FeldVon(wert));
    eingabe->setText(ZahlText(bemessungswert, eingabe->text(), umgebung_.Dezimaltrenner()));
    FeldVerlassen(FeldVon(wert));
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

void Eingabebereich::Aktualisieren() {
    {
        const QSignalBlocker sperre(sEditAktAnwendung_);
        sEditAktAnwendung_->setMaximum(modell_.GetAnzAnwendung());
        sEditAktAnwendung_->setValue(modell_.GetAktAnwendung());
    }
    editPosition_->setText(QString::fromStdString(a_.GetPosition()));
    {
        const QSignalBlocker sperre(editBauvorhaben_);
        editBauvorhaben_->setText(QString::fromStdString(modell_.cProjektdaten.GetBauvorhaben()));
    }
    for (auto feld : AlleFelder()) FeldAnzeigen(feld);
    cbDornPaarAbstand_->setChecked(a_.cGeometrie.GetDornPaarAbstandCalc());
    cbkonstDornabstand_->setChecked(a_.cGeometrie.GetDornAbstandCalc());
    rgBewehrungCalc_->button(Ord(a_.GetBewehrungCalc()))->setChecked(true);
    for (auto [box, index] : {std::pair{cBoxFugenbreite_, Ord(a_.cGeometrie.GetFugenbreite())},
                              std::pair{cboxFeuerwiderstand_, Ord(a_.GetFeuerwiderstand())},
                              std::pair{cboxBetonguete_, a_.GetBetongueteAuswahl(a_.GetAktLand())}}) {
        const QSignalBlocker sperre(box);
        box->setCurrentIndex(std::clamp(index, 0, box->count() - 1));
    }
    AnwendungsfallRegeln(false);
}

QString Eingabebereich::PositionsText() const {
    return sEditAktAnwendung_->text();
}
