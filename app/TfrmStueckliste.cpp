#include "app/TfrmStueckliste.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "app/Anzahlfeld.h"
#include "app/Dialogdienst.h"
#include "app/Ergebnisseiten.h"
#include "app/Exportdialog.h"
#include "app/Sanduhr.h"
#include "model/TKModell.h"
#include "output/Bedarfsseiten.h"
#include "output/Dateiname.h"
#include "output/Nachweisausgabe.h"
#include "sitzung/Projektsitzung.h"

namespace {

// The header: "aktiv", then one column per entry line; only the first five lines are shown.
struct Spalte {
    const char* titel;
    int minimum, maximum;
};
constexpr int AktivSpalte = 0;
constexpr int SichtbareZeilen = 5;
constexpr std::array<Spalte, 11> Spalten{{
    {QT_TRANSLATE_NOOP("TfrmStueckliste", "aktiv"), 20, 50},
    {QT_TRANSLATE_NOOP("TfrmStueckliste", "Position                          "), 30, 600},
    {QT_TRANSLATE_NOOP("TfrmStueckliste", "Anz. Pos."), 30, 600},
    {QT_TRANSLATE_NOOP("TfrmStueckliste", "Anz. Dorne"), 30, 600},
    {QT_TRANSLATE_NOOP("TfrmStueckliste", "Bezeichnung                                                  "),
     30, 600},
    {QT_TRANSLATE_NOOP("TfrmStueckliste", "Sum. Dorne"), 30, 600},
    {QT_TRANSLATE_NOOP("TfrmStueckliste", "Status"), 0, 0},
    {QT_TRANSLATE_NOOP("TfrmStueckliste", "lfdNr"), 0, 0},
    {QT_TRANSLATE_NOOP("TfrmStueckliste", "Deckenstärke"), 0, 0},
    {QT_TRANSLATE_NOOP("TfrmStueckliste", "statische Nutzhöhe"), 0, 0},
    {QT_TRANSLATE_NOOP("TfrmStueckliste", "Stützentyp"), 0, 0},
}};
constexpr int AktivBreite = 40;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The dowel type with its sleeve, as list and selection text show it.
QString Bezeichnung(const TKStueckliste::Eintrag& e) {
    QString text = Q(Zeile(e, Bedarfszeile::Bezeichnung));
    if (MitManschette(e)) text += QStringLiteral("  +  ") + Q(Zeile(e, Bedarfszeile::Manschette));
    return text;
}

}  // namespace

TfrmStueckliste::TfrmStueckliste(Projektsitzung& sitzung, Dialogdienst& dialoge, QPrinter& drucker,
                                 std::function<void(const QString&)> hilfe, QWidget* parent)
    : Enterdialog(parent), sitzung_(sitzung), dialoge_(dialoge), drucker_(drucker), hilfe_(std::move(hilfe)) {
    setObjectName(QStringLiteral("frmStueckliste"));
    setProperty("Hilfethema", QStringLiteral("MaskeStueckliste"));
    setMinimumWidth(640);
    resize(900, 640);
    seiten_ = new QStackedWidget(this);
    seiten_->addWidget(BaueListenseite());
    seiten_->addWidget(BaueVorschauseite());

    btnStueckliste_ = Knopf("btnStueckliste", tr("&Stückliste"), &TfrmStueckliste::StuecklisteZeigen);
    btnAusschreibung_ =
        Knopf("btnAusschreibung", tr("&Ausschreibungstext"), &TfrmStueckliste::AusschreibungZeigen);
    btnListe_ = Knopf("btnListe", tr("&Liste"), &TfrmStueckliste::ListenModus);
    btnExport_ = Knopf("btnExport", tr("&Export"), &TfrmStueckliste::Exportieren);
    btnZwischenablage_ = Knopf("btnZwAblage", tr("&ZW Ablage"), &TfrmStueckliste::Zwischenablage);
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* k : {btnStueckliste_, btnAusschreibung_, btnListe_, btnExport_, btnZwischenablage_})
        knoepfe->addWidget(k);
    knoepfe->addStretch();
    knoepfe->addWidget(Knopf("btnDrucken", tr("&Drucken"), &TfrmStueckliste::Drucken));
    knoepfe->addWidget(Knopf("btnZurueck", tr("&Zurück"), &TfrmStueckliste::Zurueck));
    knoepfe->addWidget(Knopf("btnHilfe", tr("&Hilfe"), &TfrmStueckliste::Hilfe));

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(seiten_, 1);
    spalte->addLayout(knoepfe);
    EnterWeiterschalten();
}

QPushButton* TfrmStueckliste::Knopf(const char* name, const QString& text,
                                    void (TfrmStueckliste::*aktion)()) {
    auto* knopf = new QPushButton(text, this);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setAutoDefault(false);
    connect(knopf, &QPushButton::clicked, this, aktion);
    return knopf;
}

void TfrmStueckliste::BaueListe() {
    liste_ = new QTreeWidget;
    liste_->setObjectName(QStringLiteral("lvStueckliste"));
    liste_->setRootIsDecorated(false);
    liste_->setColumnCount(static_cast<int>(Spalten.size()));
    QStringList titel;
    for (const Spalte& s : Spalten) titel << tr(s.titel);
    liste_->setHeaderLabels(titel);
    QHeaderView* kopf = liste_->header();
    kopf->setStretchLastSection(false);
    kopf->setMinimumSectionSize(0);
    liste_->setColumnWidth(AktivSpalte, std::max(AktivBreite, kopf->sectionSizeHint(AktivSpalte)));
    for (int i = 1; i < static_cast<int>(Spalten.size()); ++i) {
        if (i <= SichtbareZeilen)
            liste_->setColumnWidth(i, kopf->fontMetrics().horizontalAdvance(titel[i]) + 25);
        else
            liste_->setColumnHidden(i, true);
    }
    // Each row under a separator line, as the printed list.
    liste_->setStyleSheet(QStringLiteral(
        "QTreeWidget::item { border-bottom: 1px solid #c0c0c0; }"
        "QTreeWidget::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
    connect(kopf, &QHeaderView::sectionResized, this, &TfrmStueckliste::SpalteGeaendert);
    connect(liste_, &QTreeWidget::itemSelectionChanged, this, &TfrmStueckliste::ZeileGewaehlt);
    connect(liste_, &QTreeWidget::itemChanged, this, &TfrmStueckliste::Angehakt);
}

QWidget* TfrmStueckliste::BaueListenseite() {
    auto* seite = new QWidget;
    BaueListe();
    anzahl_ = new Anzahlfeld(seite);
    anzahl_->setObjectName(QStringLiteral("sEditAnzahl"));
    anzahl_->setRange(1, 99999);
    connect(anzahl_, &QSpinBox::valueChanged, this, &TfrmStueckliste::AnzahlGeaendert);
    connect(anzahl_, &Anzahlfeld::korrigiert, this, [this](const QString& eingabe, int wert) {
        dialoge_.Hinweis(this, tr("Die Anzahl %1 ist nicht möglich (1 bis %2); sie wurde auf %3 gesetzt.")
                                   .arg(eingabe)
                                   .arg(anzahl_->maximum())
                                   .arg(wert));
    });
    auswahl_ = new QLabel(seite);
    auswahl_->setObjectName(QStringLiteral("lblAuswahl"));
    btnLoeschen_ = Knopf("btnLoeschen", tr("Position &löschen"), &TfrmStueckliste::Loeschen);
    memoBemerkung_ = new QPlainTextEdit(seite);
    memoBemerkung_->setObjectName(QStringLiteral("memoBemerkung"));
    memoBemerkung_->setMaximumHeight(memoBemerkung_->fontMetrics().lineSpacing() * 6 + 12);

    auto* auswahlzeile = new QHBoxLayout;
    auswahlzeile->addWidget(new QLabel(tr("Aktuelle Auswahl:"), seite));
    auswahlzeile->addWidget(auswahl_, 1);
    auto* anzahlzeile = new QHBoxLayout;
    anzahlzeile->addWidget(new QLabel(tr("Anzahl gleicher Position "), seite));
    anzahlzeile->addWidget(anzahl_);
    anzahlzeile->addStretch();
    anzahlzeile->addWidget(btnLoeschen_);
    auto* spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(liste_, 1);
    spalte->addLayout(auswahlzeile);
    spalte->addLayout(anzahlzeile);
    spalte->addWidget(new QLabel(tr("zusätzliche Informationen zur Bedarfsliste"), seite));
    spalte->addWidget(memoBemerkung_);
    return seite;
}

QWidget* TfrmStueckliste::BaueVorschauseite() {
    auto* seite = new QWidget;
    vorschau_ = new Ergebnisseiten(seite);
    vorschau_->setObjectName(QStringLiteral("imgVorschau"));
    auto* hinweis = new QPlainTextEdit(seite);
    hinweis->setObjectName(QStringLiteral("memoHinweis"));
    hinweis->setReadOnly(true);
    hinweis->setFocusPolicy(Qt::NoFocus);
    for (const QString& zeile :
         {tr("Beim Export einer langen Bedarfsliste als Grafik ist zu berücksichtigen, "),
          tr("daß in der Grafik keine Seitenumbrüche vorhanden sind."),
          tr("Bei langen Bedarfslisten kann durch Deaktivieren einzelner Positionen "),
          tr("die Bedarfsliste in 2 oder mehrere Exportdateien aufgeteilt werden.")})
        hinweis->appendPlainText(zeile);
    hinweis->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hinweis->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hinweis->setFixedHeight(hinweis->fontMetrics().lineSpacing() * 4 + 2 * hinweis->frameWidth() +
                            2 * static_cast<int>(hinweis->document()->documentMargin()) + 4);
    auto* spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(vorschau_, 1);
    spalte->addWidget(hinweis);
    return seite;
}

// Every opening starts from the project's list.
void TfrmStueckliste::showEvent(QShowEvent* event) {
    arbeitsliste_ = sitzung_.Modell().cStueckliste;
    ListenModus();
    ListeFuellen();
    if (liste_->topLevelItemCount() > 0) {
        const QSignalBlocker stumm(liste_);
        liste_->setCurrentItem(liste_->topLevelItem(0));
        AuswahlZeigen(true);
    }
    QStringList bemerkung;
    for (const std::string& zeile : arbeitsliste_.GetBemerkung()) bemerkung << Q(zeile);
    memoBemerkung_->setPlainText(bemerkung.join(QLatin1Char('\n')));
    Enterdialog::showEvent(event);
}

void TfrmStueckliste::ListeFuellen() {
    const QSignalBlocker stumm(liste_);
    liste_->clear();
    for (int nr = 1; nr <= arbeitsliste_.GetCountEintraege(); ++nr) {
        const TKStueckliste::Eintrag e = arbeitsliste_.GetEintrag(nr);
        auto* zeile = new QTreeWidgetItem(liste_);
        zeile->setFlags(zeile->flags() | Qt::ItemIsUserCheckable);
        zeile->setCheckState(AktivSpalte, IstAktiv(e) ? Qt::Checked : Qt::Unchecked);
        zeile->setText(1, Q(Zeile(e, Bedarfszeile::Position)));
        zeile->setText(2, Q(Zeile(e, Bedarfszeile::AnzPos)));
        zeile->setText(3, Q(Zeile(e, Bedarfszeile::AnzDorne)));
        zeile->setText(4, Bezeichnung(e));
        zeile->setText(5, Q(Zeile(e, Bedarfszeile::SumDorne)));
        for (int spalte : {2, 3, 5}) zeile->setTextAlignment(spalte, Qt::AlignCenter);
    }
}

int TfrmStueckliste::GewaehlteZeile() const {
    QTreeWidgetItem* zeile = liste_->currentItem();
    return zeile && zeile->isSelected() ? liste_->indexOfTopLevelItem(zeile) : -1;
}

// On opening the sleeve is named; a row the user selects ends with " ...".
void TfrmStueckliste::AuswahlZeigen(bool beimOeffnen) {
    const int zeile = GewaehlteZeile();
    if (zeile < 0) return;
    const TKStueckliste::Eintrag e = arbeitsliste_.GetEintrag(zeile + 1);
    {
        const QSignalBlocker stumm(anzahl_);
        anzahl_->setValue(Q(Zeile(e, Bedarfszeile::AnzPos)).toInt());
    }
    const QString kopf =
        tr("Position") + QStringLiteral(": ") + Q(Zeile(e, Bedarfszeile::Position)) + QStringLiteral("  /  ");
    auswahl_->setText(beimOeffnen ? kopf + Bezeichnung(e)
                                  : kopf + Q(Zeile(e, Bedarfszeile::Bezeichnung)) + QStringLiteral(" ..."));
}

void TfrmStueckliste::ZeileGewaehlt() {
    AuswahlZeigen(false);
}

void TfrmStueckliste::Angehakt(QTreeWidgetItem* zeile, int spalte) {
    if (spalte != AktivSpalte) return;
    const int nr = liste_->indexOfTopLevelItem(zeile) + 1;
    TKStueckliste::Eintrag e = arbeitsliste_.GetEintrag(nr);
    AktivSetzen(e, zeile->checkState(AktivSpalte) == Qt::Checked);
    arbeitsliste_.ChangeEintrag(e, nr);
}

// Only the user's changes arrive here: the dialog's own updates are silenced.
void TfrmStueckliste::AnzahlGeaendert(int anzahl) {
    const int zeile = GewaehlteZeile();
    if (anzahl <= 0 || zeile < 0) return;
    TKStueckliste::Eintrag e = arbeitsliste_.GetEintrag(zeile + 1);
    AnzahlGleicherPositionSetzen(e, anzahl);
    arbeitsliste_.ChangeEintrag(e, zeile + 1);
    QTreeWidgetItem* eintrag = liste_->topLevelItem(zeile);
    const QSignalBlocker stumm(liste_);
    eintrag->setText(2, Q(Zeile(e, Bedarfszeile::AnzPos)));
    eintrag->setText(5, Q(Zeile(e, Bedarfszeile::SumDorne)));
}

void TfrmStueckliste::SpalteGeaendert(int spalte, int, int neu) {
    if (spalte > SichtbareZeilen || neu == 0) return;
    const Spalte& s = Spalten[static_cast<std::size_t>(spalte)];
    // A title longer than the German one ("aktiv") widens the column's limit with it.
    const int breite =
        std::clamp(neu, s.minimum, std::max(s.maximum, liste_->header()->sectionSizeHint(spalte)));
    if (breite != neu) liste_->setColumnWidth(spalte, breite);
}

bool TfrmStueckliste::Vorschaumodus() const {
    return seiten_->currentIndex() == 1;
}

void TfrmStueckliste::Modus(bool vorschau) {
    seiten_->setCurrentIndex(vorschau ? 1 : 0);
    for (QPushButton* k : {btnStueckliste_, btnAusschreibung_}) k->setVisible(!vorschau);
    for (QPushButton* k : {btnListe_, btnExport_, btnZwischenablage_}) k->setVisible(vorschau);
    const char* titel = !vorschau ? QT_TR_NOOP("QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ: Bedarfsliste")
                        : art_ == Bedarfsdokument::Stueckliste
                            ? QT_TR_NOOP("QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ: Stückliste")
                            : QT_TR_NOOP("QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ: Ausschreibungstext");
    setWindowTitle(tr(titel));
}

void TfrmStueckliste::ListenModus() {
    Modus(false);
}

void TfrmStueckliste::Zurueckschreiben() {
    std::vector<std::string> bemerkung;
    const QString text = memoBemerkung_->toPlainText();
    if (!text.isEmpty())
        for (const QString& zeile : text.split(QLatin1Char('\n'))) bemerkung.push_back(zeile.toStdString());
    arbeitsliste_.SetBemerkung(bemerkung);
    sitzung_.BedarfslisteSetzen(arbeitsliste_);
}

void TfrmStueckliste::Zurueck() {
    Zurueckschreiben();
    accept();
}

void TfrmStueckliste::Loeschen() {
    const int zeile = GewaehlteZeile();
    if (zeile < 0) return;
    arbeitsliste_.RemoveEintrag(zeile + 1);
    const QSignalBlocker stumm(liste_);
    delete liste_->takeTopLevelItem(zeile);
}

void TfrmStueckliste::StuecklisteZeigen() {
    VorschauZeigen(Bedarfsdokument::Stueckliste);
}

void TfrmStueckliste::AusschreibungZeigen() {
    VorschauZeigen(Bedarfsdokument::Ausschreibungstext);
}

void TfrmStueckliste::VorschauZeigen(Bedarfsdokument art) {
    Zurueckschreiben();
    art_ = art;
    Modus(true);
    const Sanduhr sanduhr;
    vorschau_->SetSeiten(
        {BedarfslisteVorschau(sitzung_.Modell(), art_, drucker_.pageLayout(), logicalDpiX())});
    vorschau_->setFocus();
}

void TfrmStueckliste::Drucken() {
    Zurueckschreiben();
    const Sanduhr sanduhr;
    if (!BedarfslisteDrucken(drucker_, sitzung_.Modell(), art_))
        dialoge_.Hinweis(this, tr("Die Bedarfsliste konnte nicht gedruckt werden."));
}

void TfrmStueckliste::Exportieren() {
    const auto wahl = BedarfsexportWaehlen(this, dialoge_);
    if (!wahl) return;
    const QString fehler = BedarfslisteSpeichern(wahl->datei, wahl->format, sitzung_.Modell(), art_,
                                                 drucker_.pageLayout(), logicalDpiX());
    if (fehler.isEmpty()) return;
    // The text export names its failure in words of its own.
    dialoge_.Hinweis(
        this, Format(wahl->format).art == Schreibart::Text ? fehler : DateifehlerText(wahl->datei, fehler));
}

void TfrmStueckliste::Hilfe() {
    hilfe_(QStringLiteral("MaskeStueckliste"));
}

void TfrmStueckliste::Zwischenablage() {
    if (!vorschau_->Seiten().empty()) ErgebnisseInZwischenablage(vorschau_->Seiten().front());
}

// The preview scrolls by the keys of the result pages wherever the focus is.
void TfrmStueckliste::keyPressEvent(QKeyEvent* event) {
    if (Vorschaumodus() && vorschau_->Blaettern(event->key())) return;
    Enterdialog::keyPressEvent(event);
}
