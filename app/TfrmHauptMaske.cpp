#include "app/TfrmHauptMaske.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>
#include <filesystem>
#include <system_error>

#include "app/DesktopUmgebung.h"
#include "app/Dialogdienst.h"
#include "app/Eingabebereich.h"
#include "app/Ergebnisliste.h"
#include "app/Ergebnisseiten.h"
#include "app/Navigationsbaum.h"
#include "app/Sanduhr.h"
#include "app/Sicherung.h"
#include "app/Skizzenbereich.h"
#include "app/TfrmAbout.h"
#include "app/TfrmBemessung.h"
#include "app/TfrmBewehrung.h"
#include "app/TfrmCharakteristischeLast.h"
#include "app/TfrmFarbeinstellung.h"
#include "app/TfrmHilfe.h"
#include "app/TfrmHinweis5d.h"
#include "app/TfrmOptimalerDorn.h"
#include "app/TfrmProjektdaten.h"
#include "app/TfrmProjektverwaltung.h"
#include "app/TfrmStueckliste.h"
#include "app/TfrmbeliebigeLast.h"
#include "app/Zahleingabe.h"
#include "model/Katalog.h"
#include "model/TKModell.h"
#include "model/Version.h"

namespace {

const QString Webadresse = QStringLiteral("www.quorvel.example");

struct Skizzenknopf {
    const char* name;
    const char* text;
    TsSkizzeTyp typ;
};
constexpr std::array<Skizzenknopf, 4> skizzenknoepfe{{
    {"tbAnsicht", QT_TRANSLATE_NOOP("TfrmHauptMaske", "Ansicht"), TsSkizzeTyp::stAnsicht},
    {"tbDraufsicht", QT_TRANSLATE_NOOP("TfrmHauptMaske", "Draufsicht"), TsSkizzeTyp::stDraufsicht},
    {"tbSchnitt", QT_TRANSLATE_NOOP("TfrmHauptMaske", "Schnitt"), TsSkizzeTyp::stSchnitt},
    {"tbReihenAnsicht", QT_TRANSLATE_NOOP("TfrmHauptMaske", "Dornreihe"), TsSkizzeTyp::stDornReihe},
}};

QString Befehlstext(const char* text) {
    return QCoreApplication::translate("Befehle", text);
}

QIcon Symbol(QStyle::StandardPixmap bild) {
    return QApplication::style()->standardIcon(bild);
}

const std::map<Befehl, QStyle::StandardPixmap>& Werkzeugleiste() {
    static const std::map<Befehl, QStyle::StandardPixmap> leiste{
        {Befehl::Neu, QStyle::SP_FileIcon},
        {Befehl::Oeffnen, QStyle::SP_DialogOpenButton},
        {Befehl::Speichern, QStyle::SP_DialogSaveButton},
        {Befehl::Drucken, QStyle::SP_FileDialogDetailedView},
        {Befehl::Eingabebaum, QStyle::SP_FileDialogListView},
    };
    return leiste;
}

}  // namespace

TfrmHauptMaske::TfrmHauptMaske(DesktopUmgebung& umgebung, QWidget* parent)
    : QMainWindow(parent),
      umgebung_(umgebung),
      adapter_(umgebung),
      drucker_(std::make_unique<QPrinter>()),
      zuletzt_(umgebung.Einstellungen()) {
    setObjectName(QStringLiteral("frmHauptMaske"));
    farbe_.Lesen(*umgebung_.Einstellungen().Oeffnen());
    BaueDialoge();
    BaueFenster();
    BaueBefehle();
    BaueStatusleiste();
    VerbindeEingaben();
    eingabe_->BetongueteFuellen(Arbeitskopie().GetAktLand());
    Sitzung().FallregelnAnwenden();
    baum_->Positionen(Modell());
    TitelAktualisieren();
    EingabenAktualisieren();
    AnsichtEingabeEinstellen(TsAnsicht::anEingabe);
    GeometrieLaden();
    sicherung_ = new Sicherung(Sitzung(), umgebung_.Einstellungen(), this);
    ZuletztAktualisieren();
    qApp->installEventFilter(this);
}

// The colours are saved on every exit, changed or not, so the file always holds a complete scheme.
TfrmHauptMaske::~TfrmHauptMaske() {
    qApp->removeEventFilter(this);
    farbe_.Schreiben(*umgebung_.Einstellungen().Oeffnen());
    GeometrieSpeichern();
    // The input fields go before the session they write to: a field losing the focus as it is deleted
    // still reports that it was left.
    disconnect(&adapter_, nullptr, this, nullptr);
    delete takeCentralWidget();
}

// The dialogs live as long as the window and are reused.
void TfrmHauptMaske::BaueDialoge() {
    const auto hilfe = [this](const QString& thema) { HilfeZeigen(thema); };
    frmProjektdaten_ = new TfrmProjektdaten(Sitzung(), hilfe, this);
    frmProjektverwaltung_ =
        new TfrmProjektverwaltung(Sitzung(), umgebung_.Einstellungen(),
                                  {[this] { return Speicherfrage(); },
                                   [this](const Dateiname& datei) { return ProjektOeffnen(datei); }, hilfe},
                                  this);
    frmAbout_ = new TfrmAbout(DieseVersion, this);
    frmFarbeinstellung_ = new TfrmFarbeinstellung(farbe_, this);
    frmOptimalerDorn_ = new TfrmOptimalerDorn(Sitzung(), this);
    frmBemessung_ = new TfrmBemessung(Sitzung(), umgebung_.Einstellungen(), hilfe, this);
    frmCharakteristischeLast_ = new TfrmCharakteristischeLast(umgebung_.Dezimaltrenner(), this);
    frmHinweis5d_ = new TfrmHinweis5d(umgebung_.Einstellungen(), this);
    frmStueckliste_ = new TfrmStueckliste(Sitzung(), umgebung_.Dialoge(), *drucker_, hilfe, this);
    frmHilfe_ = new TfrmHilfe(
        Hilfe::FuerProgramm(QCoreApplication::applicationFilePath(), umgebung_.IDSprache()), this);
    frmbeliebigeLast_ = new TfrmbeliebigeLast(Sitzung(), umgebung_, farbe_, hilfe, this);
    frmBewehrung_ = new TfrmBewehrung(
        Sitzung(), umgebung_, farbe_, [this] { ErgebnisUebersichtAnzeigen(); }, hilfe, this);
}

void TfrmHauptMaske::BaueFenster() {
    eingabe_ = new Eingabebereich(Sitzung(), umgebung_, *frmCharakteristischeLast_);
    auto* rollbereich = new QScrollArea;
    rollbereich->setWidget(eingabe_);
    rollbereich->setWidgetResizable(true);
    rollbereich->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rollbereich->setMinimumWidth(eingabe_->sizeHint().width() + 24);

    baum_ = new Navigationsbaum;
    baumPanel_ = baum_;
    baum_->setMinimumWidth(200);
    teilung_ = new QSplitter(Qt::Horizontal);
    teilung_->setObjectName(QStringLiteral("Splitter"));
    teilung_->addWidget(baum_);
    teilung_->addWidget(rollbereich);
    teilung_->addWidget(BaueSkizzenseite());
    teilung_->setStretchFactor(2, 1);
    teilung_->setChildrenCollapsible(false);

    ergebnisseiten_ = new Ergebnisseiten;
    ergebnisseiten_->setObjectName(QStringLiteral("bereichVorschau"));
    seiten_ = new QStackedWidget;
    seiten_->addWidget(teilung_);
    seiten_->addWidget(ergebnisseiten_);

    auto* mitte = new QWidget;
    auto* spalte = new QVBoxLayout(mitte);
    spalte->setContentsMargins(4, 4, 4, 4);
    spalte->addWidget(seiten_, 1);
    spalte->addLayout(BaueKnoepfe());
    setCentralWidget(mitte);
}

QPushButton* TfrmHauptMaske::Knopf(const char* name, const QString& text, Befehl befehl) {
    auto* knopf = new QPushButton(text);
    knopf->setObjectName(QString::fromLatin1(name));
    connect(knopf, &QPushButton::clicked, this, [this, befehl] { Ausfuehren(befehl); });
    knoepfe_[befehl] = knopf;
    return knopf;
}

QLayout* TfrmHauptMaske::BaueKnoepfe() {
    auto* befehle = new QHBoxLayout;
    befehle->addStretch();
    for (auto* knopf :
         {Knopf("btnBedarfsliste", tr("zu Bedarfsliste &hinzufügen"), Befehl::BedarfslisteAufnehmen),
          Knopf("btnExportieren", tr("E&xportieren"), Befehl::ExportDatei),
          Knopf("btnZwischenablage", tr("In &Zwischenablage"), Befehl::ExportZwischenablage),
          Knopf("btnBerechnen", tr("&Berechnen"), Befehl::Berechnen),
          Knopf("btnVorschau", tr("Ergebnis&vorschau"), Befehl::Vorschau),
          Knopf("btnRueckkehr", tr("Rückkehr zur Ein&gabe"), Befehl::Systemeingaben)})
        befehle->addWidget(knopf);
    return befehle;
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
        knopf->setText(tr(k.text));
        knopf->setCheckable(true);
        skizzenknoepfe_->addButton(knopf, Ord(k.typ));
        knopfreihe->addWidget(knopf);
        if (k.typ == TsSkizzeTyp::stDornReihe) tbReihenAnsicht_ = knopf;
    }
    knopfreihe->addStretch();
    connect(skizzenknoepfe_, &QButtonGroup::idClicked, this,
            [this](int id) { SkizzeWaehlen(AusOrdinal(id, TsSkizzeTyp::stAnsicht)); });

    skizze_ = new Skizzenbereich(Sitzung(), farbe_, umgebung_.Dialoge(), seite);
    skizze_->setObjectName(QStringLiteral("imgAnsicht"));
    skizze_->setMinimumSize(400, 220);
    memoHinweise_ = new QPlainTextEdit(seite);
    memoHinweise_->setObjectName(QStringLiteral("memoHinweise"));
    memoHinweise_->setReadOnly(true);
    memoHinweise_->setMaximumHeight(140);

    spalte->addLayout(knopfreihe);
    spalte->addWidget(skizze_, 3);
    spalte->addWidget(memoHinweise_);
    spalte->addWidget(BaueErgebnisbereich(seite), 2);
    return seite;
}

QWidget* TfrmHauptMaske::BaueErgebnisbereich(QWidget* parent) {
    pnlErgebnis_ = new QWidget(parent);
    pnlErgebnis_->setObjectName(QStringLiteral("pnlErgebnis"));
    lvLastErgebnis_ = new Ergebnisliste(umgebung_, pnlErgebnis_);
    lvLastErgebnis_->setMinimumHeight(180);
    connect(lvLastErgebnis_, &Ergebnisliste::dornGewaehlt, this, &TfrmHauptMaske::DornGewaehlt);
    // Push buttons beside the list: they open dialogs and should look like it.
    auto* optimal = new QAction(tr("Ökonom. Dorn"), pnlErgebnis_);
    optimal->setObjectName(QStringLiteral("actOptimalerDorn"));
    optimal->setToolTip(tr("Ökonomischster Doppelschubdorn"));
    optimal->setStatusTip(tr("Ökonomischster Doppelschubdorn für Bewegungen in Längs- und Querrichtung"));
    connect(optimal, &QAction::triggered, this, &TfrmHauptMaske::OptimalerDorn);
    auto* bewehrung = new QAction(tr("Bewehrung"), pnlErgebnis_);
    bewehrung->setObjectName(QStringLiteral("actBewehrung"));
    bewehrung->setToolTip(tr("manuelle Änderung der Bewehrung"));
    bewehrung->setStatusTip(bewehrung->toolTip());
    connect(bewehrung, &QAction::triggered, frmBewehrung_, &QDialog::exec);
    auto* knoepfe = new QVBoxLayout;
    for (const auto& [aktion, name] :
         {std::pair{optimal, "btnOptimalerDorn"}, std::pair{bewehrung, "BitBtnBewehrung"}}) {
        auto* knopf = new QPushButton(aktion->text(), pnlErgebnis_);
        knopf->setObjectName(QString::fromLatin1(name));
        knopf->setToolTip(aktion->toolTip());
        knopf->setStatusTip(aktion->statusTip());
        connect(knopf, &QPushButton::clicked, aktion, &QAction::trigger);
        knoepfe->addWidget(knopf);
    }
    knoepfe->addStretch();
    auto* zeile = new QHBoxLayout(pnlErgebnis_);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->addWidget(lvLastErgebnis_, 1);
    zeile->addLayout(knoepfe);
    return pnlErgebnis_;
}

// Menus, toolbar, tree and the sketch menu's drawing exports, all from the command table.
void TfrmHauptMaske::BaueBefehle() {
    std::map<std::string, QMenu*> menues;
    for (const char* titel : Menues()) menues[titel] = menuBar()->addMenu(Befehlstext(titel));
    auto* leiste = addToolBar(tr("Werkzeugleiste"));
    leiste->setObjectName(QStringLiteral("tbMain"));
    for (const Befehlseintrag& e : Befehlstabelle()) {
        auto* aktion = new QAction(Befehlstext(e.text), this);
        aktion->setObjectName(QString::fromLatin1(e.name));
        if (*e.kurz) aktion->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(e.kurz)));
        if (!e.ausfuehren)
            aktion->setStatusTip(tr("Diese Funktion ist in dieser Programmversion nicht enthalten."));
        connect(aktion, &QAction::triggered, this, [this, befehl = e.befehl] { Ausfuehren(befehl); });
        QMenu* menue = menues.at(e.menue);
        if (e.trenner) menue->addSeparator();
        menue->addAction(aktion);
        if (const auto bild = Werkzeugleiste().find(e.befehl); bild != Werkzeugleiste().end()) {
            aktion->setIcon(Symbol(bild->second));
            leiste->addAction(aktion);
        }
        aktionen_[e.befehl] = aktion;
    }
    zuletztMenue_ = new QMenu(tr("&Zuletzt geöffnet"), this);
    zuletztMenue_->setObjectName(QStringLiteral("mnuZuletzt"));
    QMenu* datei = menues.at(Menues().front());
    datei->insertMenu(Aktion(Befehl::Beenden), zuletztMenue_);
    datei->insertSeparator(Aktion(Befehl::Beenden));
    Aktion(Befehl::Eingabebaum)->setCheckable(true);
    Aktion(Befehl::Eingabebaum)->setChecked(true);

    QMenu* skizzenmenue = skizze_->Kontextmenue();
    skizzenmenue->addSeparator();
    for (const auto& [befehl, text, name] :
         {std::tuple{Befehl::DxfDorn, tr("DXF-Export - D&orn"), "popmnuDxfDorn"},
          std::tuple{Befehl::DxfBewehrung, tr("DXF-Export - &Bewehrung"), "popmnuDXFExport"}}) {
        auto* aktion = skizzenmenue->addAction(text);
        aktion->setObjectName(QString::fromLatin1(name));
        connect(aktion, &QAction::triggered, this, [this, befehl = befehl] {
            if (befehl != Befehl::DxfBewehrung)
                Ausfuehren(befehl);
            else if (Aktiv(Eintrag(befehl), Ansicht()))
                DxfBewehrungVorschau();
        });
        skizzenaktionen_[befehl] = aktion;
    }
    connect(baum_, &Navigationsbaum::befehl, this, &TfrmHauptMaske::Ausfuehren);
    connect(baum_, &Navigationsbaum::positionGewaehlt, this, &TfrmHauptMaske::PositionWaehlen);
    connect(baum_, &Navigationsbaum::dateiGewaehlt, this, &TfrmHauptMaske::ZuletztOeffnen);
}

void TfrmHauptMaske::BaueStatusleiste() {
    const QString version = QString::fromLatin1(Versionstext);
    auto* panel = new QLabel(version, this);
    panel->setObjectName(QStringLiteral("pnlVersion"));
    panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance(version + QStringLiteral("      ")));
    auto* adresse = new QLabel(Webadresse, this);
    statusBar()->addPermanentWidget(panel);
    statusBar()->addPermanentWidget(adresse);
}

void TfrmHauptMaske::VerbindeEingaben() {
    connect(eingabe_, &Eingabebereich::eingabeModus, this,
            [this] { AnsichtEingabeEinstellen(TsAnsicht::anEingabe); });
    connect(eingabe_, &Eingabebereich::neuzeichnen, this, &TfrmHauptMaske::Neuzeichnen);
    connect(eingabe_, &Eingabebereich::beliebigeLastBearbeiten, frmbeliebigeLast_, &QDialog::exec);
    connect(eingabe_, &Eingabebereich::reihenSkizzeVerfuegbar, tbReihenAnsicht_, &QWidget::setVisible);
    connect(eingabe_, &Eingabebereich::positionGewaehlt, this, &TfrmHauptMaske::PositionWaehlen);
    connect(eingabe_, &Eingabebereich::positionBenannt, this,
            [this](const QString& name) { baum_->PositionBenennen(Modell().GetAktAnwendung(), name); });
    connect(&adapter_, &Sitzungsadapter::geaendert, this, &TfrmHauptMaske::SitzungGeaendert);
}

void TfrmHauptMaske::Ausfuehren(Befehl befehl) {
    const Befehlseintrag& e = Eintrag(befehl);
    if (!Aktiv(e, Ansicht())) return;
    (this->*e.ausfuehren)();
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

// The window sees the keys before its controls: Enter moves on to the next control, Shift+Enter back
// while the last input was valid. Buttons and multi-line texts keep their own Enter.
bool TfrmHauptMaske::EnterTaste(QObject* objekt, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* taste = static_cast<QKeyEvent*>(event);
    if (taste->key() != Qt::Key_Return && taste->key() != Qt::Key_Enter) return false;
    auto* widget = qobject_cast<QWidget*>(objekt);
    if (!widget || widget->window() != this || qobject_cast<QAbstractButton*>(widget) ||
        qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QTextEdit*>(widget))
        return false;
    if (!(taste->modifiers() & Qt::ShiftModifier))
        focusNextChild();
    else if (eingabe_->LetzteEingabeGueltig())
        focusPreviousChild();
    return true;
}

// A text field keeps Ctrl+Z for its own typing as long as it has some; then the keys undo the project's
// changes like the menu does. Ignoring the override lets the window's shortcut take the key.
bool TfrmHauptMaske::VerlaufTaste(QObject* objekt, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* feld = qobject_cast<QLineEdit*>(objekt);
    if (!feld || feld->window() != this) return false;
    const QKeySequence taste(static_cast<QKeyEvent*>(event)->keyCombination());
    const auto trifft = [&](Befehl befehl) { return Aktion(befehl)->shortcuts().contains(taste); };
    if ((trifft(Befehl::Rueckgaengig) && !feld->isUndoAvailable()) ||
        (trifft(Befehl::Wiederherstellen) && !feld->isRedoAvailable())) {
        event->ignore();
        return true;
    }
    return false;
}

bool TfrmHauptMaske::eventFilter(QObject* objekt, QEvent* event) {
    if (EnterTaste(objekt, event) || VerlaufTaste(objekt, event) || Texttaste(objekt, event) ||
        HilfeTaste(objekt, event))
        return true;
    if (event->type() == QEvent::Show) DialogPlatzieren(qobject_cast<QWidget*>(objekt));
    // While the result pages are shown, the window's scroll keys act on them wherever the focus is.
    auto* widget = qobject_cast<QWidget*>(objekt);
    if (event->type() == QEvent::KeyPress && Ansicht() == TsAnsicht::anVorschau && widget &&
        widget->window() == this && ergebnisseiten_->Blaettern(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QMainWindow::eventFilter(objekt, event);
}

void TfrmHauptMaske::closeEvent(QCloseEvent* event) {
    if (Speicherfrage()) {
        sicherung_->Entfernen();
        event->accept();
    } else {
        event->ignore();
    }
}

void TfrmHauptMaske::SicherungAnbieten() {
    if (!sicherung_->Anbieten(this, umgebung_.Dialoge())) return;
    Sitzung().PositionZeigen();
    TitelAktualisieren();
    PositionAnzeigen();
}

void TfrmHauptMaske::SitzungGeaendert(unsigned geaendert) {
    if (geaendert & Geaendert::Positionen) BaumAktualisieren();
    if (geaendert & Geaendert::Projektdaten)
        baum_->ProjektBenennen(QString::fromStdString(Modell().cProjektdaten.GetBauvorhaben()));
    if (geaendert &
        (Geaendert::Eingaben | Geaendert::Positionen | Geaendert::Projektdaten | Geaendert::Ergebnisse))
        eingabe_->Aktualisieren(true);
    if (geaendert & (Geaendert::Skizze | Geaendert::Ergebnisse)) SkizzenknopfSetzen();
    // The views follow; choosing a type is for the user and the fill after a design run.
    if ((geaendert & Geaendert::Ergebnisse) && Ansicht() == TsAnsicht::anUebersicht) {
        const QSignalBlocker stumm(lvLastErgebnis_);
        lvLastErgebnis_->ErgebnisUebersichtAnzeigen(Arbeitskopie());
    }
    if (geaendert & Geaendert::Ansicht) AnsichtZeigen(Ansicht());
    TitelAktualisieren();
    VerlaufAktualisieren();
    skizze_->Neuzeichnen();
}

// An unsaved project carries a "*" before its file name.
void TfrmHauptMaske::TitelAktualisieren() {
    const QString datei = Dateiname(Sitzung().Datei()).Anzeige();
    setWindowTitle(
        tr("QUORVEL® Doppelschubdorn ZAVR/ZAVRQ: Zulassung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2)") +
        QStringLiteral(": ") + (Sitzung().Geaendert() ? QStringLiteral("*") : QString()) +
        (datei.isEmpty() ? tr("unbenannt") : datei));
}

void TfrmHauptMaske::VerlaufAktualisieren() {
    const auto setzen = [this](Befehl befehl, bool kann, const std::string& name, const QString& muster) {
        QAction* aktion = Aktion(befehl);
        aktion->setEnabled(kann);
        aktion->setText(
            kann ? muster.arg(QString::fromStdString(name).replace(QLatin1Char('&'), QStringLiteral("&&")))
                 : Befehlstext(Eintrag(befehl).text));
    };
    setzen(Befehl::Rueckgaengig, Sitzung().KannRueckgaengig(), Sitzung().NameRueckgaengig(),
           tr("&Rückgängig: %1"));
    setzen(Befehl::Wiederherstellen, Sitzung().KannWiederherstellen(), Sitzung().NameWiederherstellen(),
           tr("&Wiederherstellen: %1"));
}

void TfrmHauptMaske::Melden(const QString& text) {
    umgebung_.Dialoge().Hinweis(this, text);
}

void TfrmHauptMaske::DateifehlerMelden(const Dateiergebnis& ergebnis) {
    if (!ergebnis && !ergebnis.grund.empty()) Melden(QString::fromStdString(ergebnis.grund));
}

void TfrmHauptMaske::AnsichtEingabeEinstellen(TsAnsicht pAnsicht) {
    Sitzung().AnsichtEinstellen(pAnsicht);
    AnsichtZeigen(pAnsicht);
    adapter_.Melden(Geaendert::Skizze);
}

void TfrmHauptMaske::AnsichtZeigen(TsAnsicht pAnsicht) {
    const bool p = pAnsicht == TsAnsicht::anVorschau;
    for (const Befehlseintrag& e : Befehlstabelle()) Aktion(e.befehl)->setEnabled(Aktiv(e, pAnsicht));
    for (const auto& [befehl, aktion] : skizzenaktionen_)
        aktion->setEnabled(Aktiv(Eintrag(befehl), pAnsicht));
    baum_->AnsichtEinstellen(pAnsicht);
    seiten_->setCurrentIndex(p ? 1 : 0);
    knoepfe_[Befehl::Berechnen]->setVisible(!p);
    knoepfe_[Befehl::Vorschau]->setVisible(!p);
    for (Befehl befehl : {Befehl::Systemeingaben, Befehl::ExportDatei, Befehl::ExportZwischenablage})
        knoepfe_[befehl]->setVisible(p);
    for (Befehl befehl : {Befehl::ExportDatei, Befehl::ExportZwischenablage, Befehl::BedarfslisteAufnehmen})
        knoepfe_[befehl]->setEnabled(Aktiv(Eintrag(befehl), pAnsicht));
    pnlErgebnis_->setVisible(pAnsicht == TsAnsicht::anUebersicht);
    memoHinweise_->hide();
    VerlaufAktualisieren();
}

void TfrmHauptMaske::SkizzenknopfSetzen() {
    const auto typ = Arbeitskopie().cErgebnisse.GetErgebnisAnzeige();
    const bool bekannt =
        typ == TsSkizzeTyp::stDraufsicht || typ == TsSkizzeTyp::stSchnitt || typ == TsSkizzeTyp::stDornReihe;
    skizzenknoepfe_->button(bekannt ? Ord(typ) : Ord(TsSkizzeTyp::stAnsicht))->setChecked(true);
}

void TfrmHauptMaske::EingabenAktualisieren() {
    eingabe_->Aktualisieren();
    SkizzenknopfSetzen();
}

void TfrmHauptMaske::Neuzeichnen() {
    skizze_->Neuzeichnen();
}

void TfrmHauptMaske::SkizzeWaehlen(TsSkizzeTyp typ) {
    Sitzung().SkizzeWaehlen(typ);
}

void TfrmHauptMaske::ErgebnisUebersichtAnzeigen() {
    lvLastErgebnis_->ErgebnisUebersichtAnzeigen(Arbeitskopie());
    skizze_->Neuzeichnen();
}

void TfrmHauptMaske::DornGewaehlt(TsDorn dorn) {
    if (Sitzung().DornWaehlen(dorn).abstandMeldung &&
        IstEins(umgebung_.Einstellungen().LeseZahl(QStringLiteral("InfoHinweis5d"), 1)))
        frmHinweis5d_->exec();
}

void TfrmHauptMaske::OptimalerDorn() {
    frmOptimalerDorn_->exec();
}

// The inputs of the current position and the view its calculation state asks for.
// The stored positions with the current one as its working copy names it.
void TfrmHauptMaske::BaumAktualisieren() {
    baum_->Positionen(Modell());
    baum_->PositionBenennen(Modell().GetAktAnwendung(), QString::fromStdString(Arbeitskopie().GetPosition()));
}

void TfrmHauptMaske::PositionAnzeigen() {
    Sitzung().FallregelnAnwenden();
    BaumAktualisieren();
    EingabenAktualisieren();
    if (Ansicht() == TsAnsicht::anUebersicht) lvLastErgebnis_->ErgebnisUebersichtAnzeigen(Arbeitskopie());
    AnsichtEingabeEinstellen(Ansicht());
}

void TfrmHauptMaske::HinweiseAnzeigen(const Berechnung& berechnung) {
    memoHinweise_->clear();
    for (const std::string& hinweis : berechnung.pruefung.Hinweise)
        memoHinweise_->appendPlainText(QString::fromStdString(hinweis));
    memoHinweise_->setVisible(!berechnung.bemessen);
}

// Leaving the field being edited runs its check, so a wrong value typed last blocks the design as well.
void TfrmHauptMaske::Berechnen() {
    focusNextChild();
    if (!eingabe_->LetzteEingabeGueltig()) return;
    const Berechnung b = Sitzung().Berechnen();
    if (b.abgelehnt) AnsichtEingabeEinstellen(TsAnsicht::anEingabe);
    HinweiseAnzeigen(b);
    if (!b.bemessen) {
        Neuzeichnen();
        return;
    }
    lvLastErgebnis_->ErgebnisUebersichtAnzeigen(Arbeitskopie());
    EingabenAktualisieren();
    AnsichtEingabeEinstellen(TsAnsicht::anUebersicht);
    centralWidget()->updateGeometry();
}

// The result pages themselves are drawn by the report; this command runs the checks and, where no results
// are shown, the design, and switches the window to the page view.
void TfrmHauptMaske::Vorschau() {
    focusNextChild();
    if (!eingabe_->LetzteEingabeGueltig()) return;
    const Berechnung b = Sitzung().Vorschau();
    if (b.abgelehnt) AnsichtEingabeEinstellen(TsAnsicht::anEingabe);
    HinweiseAnzeigen(b);
    if (!b.bemessen) {
        Neuzeichnen();
        return;
    }
    memoHinweise_->hide();
    AnsichtEingabeEinstellen(TsAnsicht::anVorschau);
    SeitenZeichnen();
    if (auto* fokus = focusWidget()) fokus->clearFocus();
}

void TfrmHauptMaske::Systemeingaben() {
    lvLastErgebnis_->ErgebnisUebersichtAnzeigen(Arbeitskopie());
    AnsichtEingabeEinstellen(TsAnsicht::anUebersicht);
}

std::optional<std::string> TfrmHauptMaske::SpeicherdateiWaehlen() {
    const auto wahl =
        umgebung_.Dialoge().DateiSpeichern(this, tr("QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ"),
                                           QString::fromStdString(Sitzung().Dateivorschlag()),
                                           {tr("QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ (*.ZAV)")}, 0);
    if (!wahl || wahl->datei.isEmpty()) return std::nullopt;
    QString datei = wahl->datei;
    if (QFileInfo(datei).suffix().isEmpty()) datei += QStringLiteral(".ZAV");
    return Dateiname(datei).Bytes();
}

bool TfrmHauptMaske::Speicherfrage() {
    const bool weiter = Sitzung().Speicherfrage([this] { return SpeicherdateiWaehlen(); });
    TitelAktualisieren();
    return weiter;
}

void TfrmHauptMaske::Neu() {
    if (!Speicherfrage()) return;
    Sitzung().Neu();
    eingabe_->BetongueteFuellen(Arbeitskopie().GetAktLand());
    TitelAktualisieren();
    PositionAnzeigen();
}

void TfrmHauptMaske::Oeffnen() {
    if (!Speicherfrage()) return;
    const auto wahl = umgebung_.Dialoge().DateiOeffnen(
        this, tr("QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ"), QString(),
        {tr("QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ (*.ZAV)"), tr("Alle Dateien (*)")}, 0);
    if (wahl && !wahl->datei.isEmpty()) ProjektOeffnen(wahl->datei);
}

bool TfrmHauptMaske::ProjektOeffnen(const Dateiname& datei) {
    Dateiergebnis ergebnis;
    {
        const Sanduhr sanduhr;
        ergebnis = Sitzung().Oeffnen(datei.Bytes());
    }
    if (!ergebnis) {
        DateifehlerMelden(ergebnis);
        return false;
    }
    Sitzung().PositionZeigen();
    TitelAktualisieren();
    PositionAnzeigen();
    // The list holds names as text; one that text cannot hold would point to another file.
    if (Dateiname(datei.Anzeige()).Bytes() == datei.Bytes()) ZuletztAufnehmen(datei.Anzeige());
    return true;
}

void TfrmHauptMaske::ZuletztAufnehmen(const QString& datei) {
    zuletzt_.Aufnehmen(datei);
    ZuletztAktualisieren();
}

void TfrmHauptMaske::ZuletztAktualisieren() {
    const QStringList dateien = zuletzt_.Dateien();
    // One of these entries may be the one being triggered: it goes once its signal has returned.
    for (QAction* alt : zuletztMenue_->actions()) {
        zuletztMenue_->removeAction(alt);
        alt->deleteLater();
    }
    for (int i = 0; i < dateien.size(); ++i) {
        const QString& datei = dateien[i];
        auto* aktion = zuletztMenue_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(datei).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        aktion->setStatusTip(QDir::toNativeSeparators(datei));
        connect(aktion, &QAction::triggered, this, [this, datei] { ZuletztOeffnen(datei); });
    }
    zuletztMenue_->setEnabled(!dateien.isEmpty());
    baum_->ZuletztGeoeffnet(dateien);
}

void TfrmHauptMaske::ZuletztOeffnen(QString datei) {
    if (!QFileInfo::exists(datei)) {
        Melden(tr("Die Datei %1 wurde nicht gefunden. Sie wird aus der Liste der zuletzt geöffneten Projekte "
                  "entfernt.")
                   .arg(QDir::toNativeSeparators(datei)));
        zuletzt_.Entfernen(datei);
        ZuletztAktualisieren();
        return;
    }
    if (Speicherfrage()) ProjektOeffnen(datei);
}

void TfrmHauptMaske::Speichern() {
    if (Sitzung().Datei().empty()) {
        SpeichernUnter();
        return;
    }
    Dateiergebnis ergebnis;
    {
        const Sanduhr sanduhr;
        ergebnis = Sitzung().Speichern();
    }
    DateifehlerMelden(ergebnis);
    TitelAktualisieren();
}

void TfrmHauptMaske::SpeichernUnter() {
    const auto datei = SpeicherdateiWaehlen();
    if (!datei) return;
    Dateiergebnis ergebnis;
    {
        const Sanduhr sanduhr;
        ergebnis = Sitzung().SpeichernUnter(*datei);
    }
    DateifehlerMelden(ergebnis);
    TitelAktualisieren();
    if (ergebnis) ZuletztAufnehmen(QString::fromStdString(*datei));
}

void TfrmHauptMaske::DruckerEinrichten() {
    umgebung_.Dialoge().DruckerEinrichten(this, *drucker_);
}

void TfrmHauptMaske::Beenden() {
    close();
}

// A position taken over is already the current one; an opened project has shown itself.
void TfrmHauptMaske::Projektverwaltung() {
    if (frmProjektverwaltung_->exec() == QDialog::Accepted) PositionAnzeigen();
}

void TfrmHauptMaske::PositionWaehlen(int nummer) {
    const int anzahl = Modell().GetAnzAnwendung();
    if (!Sitzung().PositionWaehlen(std::clamp(nummer, 1, anzahl))) return;
    PositionAnzeigen();
}

void TfrmHauptMaske::PositionHinzufuegen() {
    if (!Sitzung().PositionHinzufuegen()) return;
    PositionAnzeigen();
    eingabe_->findChild<QWidget*>(QStringLiteral("EditPosition"))->setFocus();
}

// The session asks for the confirmation, naming the position, and about its entries in the bill.
void TfrmHauptMaske::PositionLoeschen() {
    if (Sitzung().PositionLoeschen()) PositionAnzeigen();
}

// The position the step concerns is shown, with the view its results ask for.
void TfrmHauptMaske::Rueckgaengig() {
    if (Sitzung().Rueckgaengig()) PositionAnzeigen();
}

void TfrmHauptMaske::Wiederherstellen() {
    if (Sitzung().Wiederherstellen()) PositionAnzeigen();
}

void TfrmHauptMaske::Projektdaten() {
    if (frmProjektdaten_->exec() != QDialog::Accepted) return;
    EingabenAktualisieren();
    baum_->ProjektBenennen(QString::fromStdString(Modell().cProjektdaten.GetBauvorhaben()));
}

void TfrmHauptMaske::EingabebaumUmschalten() {
    const bool sichtbar = !baumPanel_->isVisible();
    baumPanel_->setVisible(sichtbar);
    Aktion(Befehl::Eingabebaum)->setChecked(sichtbar);
    centralWidget()->updateGeometry();
}

// The new spacing rule asks for a new design run.
void TfrmHauptMaske::Bemessung() {
    if (frmBemessung_->exec() == QDialog::Accepted) AnsichtEingabeEinstellen(TsAnsicht::anEingabe);
}

void TfrmHauptMaske::Farbeinstellungen() {
    if (frmFarbeinstellung_->exec() == QDialog::Accepted) Neuzeichnen();
}

void TfrmHauptMaske::HilfeZeigen(const QString& thema) {
    if (!frmHilfe_->Daten().Gueltig()) {
        Melden(tr("Für dieses Programm ist keine Hilfe installiert."));
        return;
    }
    frmHilfe_->Zeigen(thema);
}

void TfrmHauptMaske::HilfeInhalt() {
    HilfeZeigen(QStringLiteral("Inhalt"));
}

void TfrmHauptMaske::HilfeSuchen() {
    HilfeZeigen(QStringLiteral("Suchen"));
}

void TfrmHauptMaske::HilfeUeberHilfe() {
    HilfeZeigen(QStringLiteral("Hilfe"));
}

void TfrmHauptMaske::Ueber() {
    frmAbout_->exec();
}

void TfrmHauptMaske::ReferenzDokument(const QString& name) {
    QString ordner = QCoreApplication::applicationDirPath();
    if (!ordner.endsWith(QLatin1Char('/'))) ordner += QLatin1Char('/');
    const QString pfad = ordner + name;
    if (!QFileInfo::exists(pfad)) {
        Melden(tr("Die Datei - ") + name +
               tr(" - wurde nicht gefunden. Die erforderliche Datei kann nur von der CD Version installiert "
                  "werden!"));
        return;
    }
    if (!umgebung_.Dialoge().DokumentOeffnen(pfad))
        Melden(tr("Die Anwendung zum Öffnen der ausgewählten Datei ist nicht installiert"));
}

void TfrmHauptMaske::Katalog() {
    ReferenzDokument(tr("ZAVR - Katalog.pdf"));
}

void TfrmHauptMaske::Zulassung() {
    ReferenzDokument(tr("ZAVR - Zulassung.pdf"));
}

void TfrmHauptMaske::Befehlszeile(const std::vector<std::string>& argumente) {
    if (argumente.empty()) {
        EingabenAktualisieren();
        return;
    }
    // A name with blanks may come split into several arguments.
    std::string datei;
    for (const std::string& teil : argumente) datei += (datei.empty() ? "" : " ") + teil;
    const auto anfang = datei.find_first_not_of(" \t");
    datei = anfang == std::string::npos ? std::string()
                                        : datei.substr(anfang, datei.find_last_not_of(" \t") - anfang + 1);
    std::error_code fehler;
    if (!std::filesystem::exists(datei, fehler)) {
        Melden(tr("Kann angegebene Datei nicht öffnen!"));
        EingabenAktualisieren();
    } else if (std::filesystem::path(datei).filename().string().ends_with(".ZAV")) {
        ProjektOeffnen(datei);
    } else {
        Berechnen();
        EingabenAktualisieren();
    }
}
