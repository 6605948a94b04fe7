#include "app/TfrmHauptMaske.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <system_error>

#include "app/DesktopUmgebung.h"
#include "app/Dialogdienst.h"
#include "app/Eingabebereich.h"
#include "app/Ergebnisliste.h"
#include "app/Skizzenbereich.h"
#include "app/TfrmCharakteristischeLast.h"
#include "app/TfrmHinweis5d.h"
#include "app/Zahleingabe.h"
#include "calc/TKZAVRBemessung.h"
#include "files/ProjektDatei.h"
#include "model/TKModell.h"
#include "model/Vorpruefung.h"

namespace {

const QString Versionstext = QStringLiteral("ZAVR - 3.1.2");
const QString Webadresse = QStringLiteral("www.quorvel.example");

struct Skizzenknopf {
    const char* name;
    const char* text;
    TsSkizzeTyp typ;
};
constexpr std::array<Skizzenknopf, 4> skizzenknoepfe{{
    {"tbAnsicht", "Ansicht", TsSkizzeTyp::stAnsicht},
    {"tbDraufsicht", "Draufsicht", TsSkizzeTyp::stDraufsicht},
    {"tbSchnitt", "Schnitt", TsSkizzeTyp::stSchnitt},
    {"tbReihenAnsicht", "Dornreihe", TsSkizzeTyp::stDornReihe},
}};

QString Uebersetzt(const char* text) {
    return QCoreApplication::translate("TfrmHauptMaske", text);
}

}  // namespace

TfrmHauptMaske::TfrmHauptMaske(DesktopUmgebung& umgebung, QWidget* parent)
    : QMainWindow(parent), umgebung_(umgebung), modell_(std::make_unique<TKModell>(umgebung)) {
    setObjectName(QStringLiteral("frmHauptMaske"));
    QApplication::setApplicationDisplayName(QStringLiteral("QUORVEL® Schubdorn ZAVR / ZAVRQ"));
    farbe_.Lesen(*umgebung_.Einstellungen().Oeffnen());
    frmCharakteristischeLast_ = new TfrmCharakteristischeLast(umgebung_.Dezimaltrenner(), this);
    frmHinweis5d_ = new TfrmHinweis5d(umgebung_.Einstellungen(), this);
    ArbeitskopieAnlegen();
    BaueFenster();
    BaueBefehle();
    BaueStatusleiste();
    eingabe_->SetDaten(modell_.get(), arbeitskopie_.get());
    eingabe_->BetongueteFuellen(arbeitskopie_->GetAktLand());
    skizze_->SetDaten(modell_.get(), arbeitskopie_.get(), &farbe_);
    EingabenAktualisieren();
    AnsichtEingabeEinstellen(TsAnsicht::anEingabe);
}

// The colours are saved on every exit, changed or not, so the file always holds a complete scheme.
TfrmHauptMaske::~TfrmHauptMaske() {
    farbe_.Schreiben(*umgebung_.Einstellungen().Oeffnen());
}

void TfrmHauptMaske::ArbeitskopieAnlegen() {
    arbeitskopie_ = std::make_unique<TKAnwendung>(modell_->cAnwendung.at(modell_->GetAktAnwendung() - 1));
}

void TfrmHauptMaske::BaueFenster() {
    eingabe_ = new Eingabebereich(umgebung_, *frmCharakteristischeLast_);
    auto* rollbereich = new QScrollArea;
    rollbereich->setWidget(eingabe_);
    rollbereich->setWidgetResizable(true);
    rollbereich->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rollbereich->setMinimumWidth(eingabe_->sizeHint().width() + 24);

    auto* teilung = new QSplitter(Qt::Horizontal);
    teilung->addWidget(rollbereich);
    teilung->addWidget(BaueSkizzenseite());
    teilung->setStretchFactor(1, 1);
    teilung->setChildrenCollapsible(false);

    auto* vorschau = new QScrollArea;
    vorschau->setObjectName(QStringLiteral("bereichVorschau"));
    seiten_ = new QStackedWidget;
    seiten_->addWidget(teilung);
    seiten_->addWidget(vorschau);

    btnBerechnen_ = new QPushButton(tr("&Berechnen"));
    btnBerechnen_->setObjectName(QStringLiteral("btnBerechnen"));
    btnVorschau_ = new QPushButton(tr("Ergebnis&vorschau"));
    btnVorschau_->setObjectName(QStringLiteral("btnVorschau"));
    btnRueckkehr_ = new QPushButton(tr("Rückkehr zur Ein&gabe"));
    btnRueckkehr_->setObjectName(QStringLiteral("btnRueckkehr"));
    connect(btnBerechnen_, &QPushButton::clicked, this, &TfrmHauptMaske::Berechnen);
    connect(btnVorschau_, &QPushButton::clicked, this, &TfrmHauptMaske::Vorschau);
    connect(btnRueckkehr_, &QPushButton::clicked, this,
            [this] { AnsichtEingabeEinstellen(TsAnsicht::anEingabe); });
    auto* befehle = new QHBoxLayout;
    befehle->addStretch();
    for (auto* knopf : {btnBerechnen_, btnVorschau_, btnRueckkehr_}) befehle->addWidget(knopf);

    auto* mitte = new QWidget;
    auto* spalte = new QVBoxLayout(mitte);
    spalte->setContentsMargins(4, 4, 4, 4);
    spalte->addWidget(seiten_, 1);
    spalte->addLayout(befehle);
    setCentralWidget(mitte);

    connect(eingabe_, &Eingabebereich::eingabeModus, this, [this] {
        if (ansicht_ != TsAnsicht::anEingabe) AnsichtEingabeEinstellen(TsAnsicht::anEingabe);
    });
    connect(eingabe_, &Eingabebereich::neuzeichnen, this, &TfrmHauptMaske::Neuzeichnen);
    connect(eingabe_, &Eingabebereich::reihenSkizzeVerfuegbar, tbReihenAnsicht_, &QWidget::setVisible);
    resize(1360, 940);
}

QWidget* TfrmHauptMaske::BaueSkizzenseite() {
    auto* seite = new QWidget;
    auto* spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);
    auto* knopfreihe = new QHBoxLayout;
    skizzenknoepfe_ = new QButtonGroup(seite);
    for (const auto& k : skizzenknoepfe) {
        auto* knopf = new QToolButton(seite);
        knopf->setObjectName(QString::fromLatin1(k.name));
        knopf->setText(Uebersetzt(k.text));
        knopf->setCheckable(true);
        skizzenknoepfe_->addButton(knopf, Ord(k.typ));
        knopfreihe->addWidget(knopf);
        if (k.typ == TsSkizzeTyp::stDornReihe) tbReihenAnsicht_ = knopf;
    }
    knopfreihe->addStretch();
    connect(skizzenknoepfe_, &QButtonGroup::idClicked, this,
            [this](int id) { SkizzeWaehlen(AusOrdinal(id, TsSkizzeTyp::stAnsicht)); });

    skizze_ = new Skizzenbereich(seite);
    skizze_->setObjectName(QStringLiteral("imgAnsicht"));
    skizze_->setMinimumSize(400, 300);
    skizze_->SetDialogdienst(&umgebung_.Dialoge());
    skizze_->SetDezimaltrenner(umgebung_.Dezimaltrenner());
    memoHinweise_ = new QPlainTextEdit(seite);
    memoHinweise_->setObjectName(QStringLiteral("memoHinweise"));
    memoHinweise_->setReadOnly(true);
    memoHinweise_->setMaximumHeight(140);
    lvLastErgebnis_ = new Ergebnisliste(umgebung_.Dezimaltrenner(), seite);
    lvLastErgebnis_->setMinimumHeight(240);
    connect(lvLastErgebnis_, &Ergebnisliste::dornGewaehlt, this, &TfrmHauptMaske::DornGewaehlt);

    spalte->addLayout(knopfreihe);
    spalte->addWidget(skizze_, 3);
    spalte->addWidget(memoHinweise_);
    spalte->addWidget(lvLastErgebnis_, 2);
    return seite;
}

void TfrmHauptMaske::BaueBefehle() {
    const auto aktion = [this](const char* text, const char* name) {
        auto* a = new QAction(Uebersetzt(text), this);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    actBerechnen_ = aktion("&Berechnung durchführen", "actBerechnen");
    actVorschau_ = aktion("&Vorschau anzeigen", "actVorschau");
    actSystemeingaben_ = aktion("Systemein&gaben", "actSystemeingaben");
    actBedarfsliste_ = aktion("zu Bedarfsliste &hinzufügen", "actBedarfsliste");
    actDrucken_ = aktion("&Drucken", "actDrucken");
    actExportDatei_ = aktion("Ergebnisse in &Datei exportieren", "actExportDatei");
    actExportZwischenablage_ = aktion("Ergebnisse in &Zwischenablage exportieren", "actExportZwischenablage");
    actDxfBewehrung_ = aktion("Bewehrung als DXF", "actDxfBewehrung");
    actDxfDorn_ = aktion("Dorn als DXF", "actDxfDorn");
    connect(actBerechnen_, &QAction::triggered, this, &TfrmHauptMaske::Berechnen);
    connect(actVorschau_, &QAction::triggered, this, &TfrmHauptMaske::Vorschau);
    connect(actSystemeingaben_, &QAction::triggered, this,
            [this] { AnsichtEingabeEinstellen(TsAnsicht::anEingabe); });
    auto* menue = menuBar()->addMenu(Uebersetzt("&Berechnung"));
    menue->addAction(actBerechnen_);
    menue->addAction(actVorschau_);
    menue->addAction(actSystemeingaben_);
}

void TfrmHauptMaske::BaueStatusleiste() {
    auto* version = new QLabel(Versionstext, this);
    version->setObjectName(QStringLiteral("pnlVersion"));
    version->setMinimumWidth(
        version->fontMetrics().horizontalAdvance(Versionstext + QStringLiteral("      ")));
    auto* adresse = new QLabel(Webadresse, this);
    statusBar()->addPermanentWidget(version);
    statusBar()->addPermanentWidget(adresse);
}

// Hints of the controls appear in the first status bar panel, indented by two spaces.
bool TfrmHauptMaske::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        statusBar()->showMessage(tip.isEmpty() ? tip : QStringLiteral("  ") + tip);
        return true;
    }
    return QMainWindow::event(event);
}

void TfrmHauptMaske::AnsichtEingabeEinstellen(TsAnsicht pAnsicht) {
    ansicht_ = pAnsicht;
    const bool p = pAnsicht == TsAnsicht::anVorschau;
    const bool r = pAnsicht != TsAnsicht::anEingabe;
    actSystemeingaben_->setEnabled(p);
    actBedarfsliste_->setEnabled(r);
    actDrucken_->setEnabled(r);
    actExportDatei_->setEnabled(p);
    actExportZwischenablage_->setEnabled(p);
    actDxfBewehrung_->setEnabled(r);
    actDxfDorn_->setEnabled(r);
    seiten_->setCurrentIndex(p ? 1 : 0);
    btnBerechnen_->setVisible(!p);
    btnVorschau_->setVisible(!p);
    btnRueckkehr_->setVisible(p);
    lvLastErgebnis_->setVisible(pAnsicht == TsAnsicht::anUebersicht);
    if (r) {
        modell_->SetSkizzeAnzeige(arbeitskopie_->cErgebnisse.GetErgebnisAnzeige());
    } else {
        modell_->SetSkizzeAnzeige(TsSkizzeTyp::stEingabe);
        modell_->cEingabeDornDaten.SetDorn(modell_->GetEingabeDorn(), modell_->GetEingabeFugenbreite(),
                                           modell_->cEingabeGeometrie.GetPlatteDicke());
    }
    memoHinweise_->hide();
    Neuzeichnen();
}

void TfrmHauptMaske::EingabenAktualisieren() {
    eingabe_->Aktualisieren();
    const auto typ = modell_->GetSkizzeAnzeige();
    const bool bekannt =
        typ == TsSkizzeTyp::stDraufsicht || typ == TsSkizzeTyp::stSchnitt || typ == TsSkizzeTyp::stDornReihe;
    skizzenknoepfe_->button(bekannt ? Ord(typ) : Ord(TsSkizzeTyp::stAnsicht))->setChecked(true);
}

void TfrmHauptMaske::Neuzeichnen() {
    skizze_->Neuzeichnen();
}

void TfrmHauptMaske::SkizzeWaehlen(TsSkizzeTyp typ) {
    modell_->SetSkizzeAnzeige(typ);
    arbeitskopie_->cErgebnisse.SetErgebnisAnzeige(typ);
    Neuzeichnen();
}

bool TfrmHauptMaske::Vorpruefen() {
    const Vorpruefung pruefung = PruefeVorBerechnung(*arbeitskopie_, umgebung_);
    memoHinweise_->clear();
    for (const auto& hinweis : pruefung.Hinweise)
        memoHinweise_->appendPlainText(QCoreApplication::translate("Vorpruefung", hinweis.c_str()));
    bool bestanden = pruefung.Bestanden();
    if (pruefung.KonstanterAbstandFrage &&
        !umgebung_.Dialoge().Frage(this,
                                   QCoreApplication::translate("Vorpruefung", FrageKonstanterAbstand))) {
        memoHinweise_->appendPlainText(QCoreApplication::translate("Vorpruefung", HinweisKonstanterAbstand));
        bestanden = false;
        AnsichtEingabeEinstellen(TsAnsicht::anEingabe);
    }
    modell_->SetCalcFlag(bestanden);
    return bestanden;
}

// Leaving the field being edited runs its check, so a wrong value typed last blocks the design as well.
bool TfrmHauptMaske::Berechenbar() {
    focusNextChild();
    if (!eingabe_->LetzteEingabeGueltig()) return false;
    const bool bestanden = Vorpruefen();
    memoHinweise_->setVisible(!bestanden);
    if (!bestanden) Neuzeichnen();
    return bestanden;
}

void TfrmHauptMaske::Berechnen() {
    if (!Berechenbar()) return;
    Bemessen();
    modell_->SetSkizzeAnzeige(arbeitskopie_->cErgebnisse.GetErgebnisAnzeige());
    EingabenAktualisieren();
    AnsichtEingabeEinstellen(TsAnsicht::anUebersicht);
    centralWidget()->updateGeometry();
}

void TfrmHauptMaske::Bemessen() {
    BerechneErgebnis(*arbeitskopie_, umgebung_);
    ErgebnisUebersichtAnzeigen();
}

// The result pages themselves are drawn by the report; this command runs the checks and the design and
// switches the window to the page view.
void TfrmHauptMaske::Vorschau() {
    if (!Berechenbar()) return;
    if (!lvLastErgebnis_->isVisible()) Bemessen();
    AnsichtEingabeEinstellen(TsAnsicht::anVorschau);
    if (auto* fokus = focusWidget()) fokus->clearFocus();
}

void TfrmHauptMaske::ErgebnisUebersichtAnzeigen() {
    lvLastErgebnis_->ErgebnisUebersichtAnzeigen(arbeitskopie_->cErgebnisse);
    Neuzeichnen();
}

void TfrmHauptMaske::DornGewaehlt(TsDorn dorn) {
    modell_->cEingabeDornDaten.SetDorn(TsDorn::ZAVR45HF, modell_->GetEingabeFugenbreite(),
                                       modell_->cEingabeGeometrie.GetPlatteDicke());
    arbeitskopie_->cErgebnisse.SetAktDorn(dorn);
    auto& ergebnis = arbeitskopie_->cErgebnisse.cDornErgebnis[static_cast<std::size_t>(Ord(dorn))];
    if (ergebnis.GetAbstandMeldung()) {
        ergebnis.SetAbstandMeldung(false);
        if (IstEins(umgebung_.Einstellungen().LeseZahl(QStringLiteral("InfoHinweis5d"), 1)))
            frmHinweis5d_->exec();
    }
    Neuzeichnen();
}

void TfrmHauptMaske::Befehlszeile(const QStringList& argumente) {
    if (argumente.isEmpty()) {
        EingabenAktualisieren();
        return;
    }
    const QString datei = argumente.join(QLatin1Char(' ')).trimmed();
    if (!QFileInfo::exists(datei)) {
        umgebung_.Dialoge().Hinweis(this, tr("Kann angegebene Datei nicht öffnen!"));
        EingabenAktualisieren();
    } else if (QFileInfo(datei).fileName().endsWith(QStringLiteral(".ZAV"), Qt::CaseSensitive)) {
        ProjektOeffnen(datei);
    } else {
        Berechnen();
        EingabenAktualisieren();
    }
}

void TfrmHauptMaske::ProjektOeffnen(const QString& datei) {
    auto projekt = std::make_unique<TKModell>(umgebung_);
    bool gelesen = false;
    try {
        gelesen = ReadFromFile(*projekt, datei.toStdString());
    } catch (const std::system_error&) {
        umgebung_.Dialoge().Hinweis(this, tr("Kann angegebene Datei nicht öffnen!"));
    }
    if (gelesen) {
        modell_ = std::move(projekt);
        ArbeitskopieAnlegen();
        eingabe_->SetDaten(modell_.get(), arbeitskopie_.get());
        skizze_->SetDaten(modell_.get(), arbeitskopie_.get(), &farbe_);
    }
    EingabenAktualisieren();
    if (arbeitskopie_->cErgebnisse.GetBerechnet()) {
        ErgebnisUebersichtAnzeigen();
        AnsichtEingabeEinstellen(TsAnsicht::anUebersicht);
    } else {
        AnsichtEingabeEinstellen(TsAnsicht::anEingabe);
    }
}
