#include "app/TfrmTragfaehigkeitstabellen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Dialogdienst.h"
#include "app/Exportdialog.h"
#include "app/Sanduhr.h"
#include "calc/Tragfaehigkeitstabelle.h"
#include "model/Katalog.h"
#include "model/TKModell.h"
#include "model/Zahlentext.h"
#include "output/Dateiname.h"
#include "output/Seitenkopf.h"
#include "output/Tabellenseiten.h"
#include "output/Textlisten.h"
#include "sitzung/Projektsitzung.h"
#include "sitzung/Tragfaehigkeitstabellen.h"

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString T(const char* text) {
    return QCoreApplication::translate("Tragfaehigkeitstabelle", text);
}

constexpr int Gueten = 7;  // grades offered per country, as in the input window

}  // namespace

TfrmTragfaehigkeitstabellen::TfrmTragfaehigkeitstabellen(Projektsitzung& sitzung, Dialogdienst& dialoge,
                                                         QPrinter& drucker, QWidget* parent)
    : Enterdialog(parent), sitzung_(sitzung), dialoge_(dialoge), drucker_(drucker) {
    setObjectName(QStringLiteral("frmTragfaehigkeitstabellen"));
    setWindowTitle(tr("Tragfähigkeitstabellen"));
    resize(1100, 720);

    bezug_ = new QLabel(this);
    bezug_->setObjectName(QStringLiteral("lblBezug"));
    bezug_->setWordWrap(true);
    tabelle_ = new QTableWidget(this);
    tabelle_->setObjectName(QStringLiteral("tblTragfaehigkeit"));
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(tabelle_, &QTableWidget::cellDoubleClicked, this, &TfrmTragfaehigkeitstabellen::ZelleGewaehlt);
    auto* hinweis =
        new QLabel(tr("Doppelklick auf einen Wert: neue Position mit diesem Dorn und dieser Last"), this);

    auto* knoepfe = new QHBoxLayout;
    const auto knopf = [&](const char* name, const QString& text, const QString& tipp,
                           void (TfrmTragfaehigkeitstabellen::*aktion)()) {
        QPushButton* k = Dialogknopf(name, text, tipp, this);
        connect(k, &QPushButton::clicked, this, aktion);
        knoepfe->addWidget(k);
    };
    knopf("btnBerechnen", tr("&Berechnen"), tr("Tabelle mit der Auswahl neu berechnen"),
          &TfrmTragfaehigkeitstabellen::Berechnen);
    knoepfe->addStretch();
    knopf("btnDrucken", tr("&Drucken"), tr("Tabellen der angekreuzten Dorntypen drucken"),
          &TfrmTragfaehigkeitstabellen::Drucken);
    knopf("btnPdf", tr("Als &PDF speichern..."), tr("Tabellen der angekreuzten Dorntypen als PDF speichern"),
          &TfrmTragfaehigkeitstabellen::AlsPdf);
    knopf("btnCsv", tr("Als &CSV speichern..."),
          tr("Werte der angekreuzten Dorntypen als CSV-Datei speichern"),
          &TfrmTragfaehigkeitstabellen::AlsCsv);
    knopf("btnSchliessen", tr("&Schließen"), tr("Dialog schließen"), &QDialog::reject);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(bezug_);
    rechts->addWidget(tabelle_, 1);
    rechts->addWidget(hinweis);
    auto* oben = new QHBoxLayout;
    oben->addWidget(BaueAuswahl());
    oben->addLayout(rechts, 1);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben, 1);
    spalte->addLayout(knoepfe);
    EnterWeiterschalten();
    Berechnen();
}

QListWidget* TfrmTragfaehigkeitstabellen::Ankreuzliste(const char* name, const QStringList& texte) {
    auto* liste = new QListWidget(this);
    liste->setObjectName(QLatin1String(name));
    for (const QString& text : texte) {
        auto* eintrag = new QListWidgetItem(text, liste);
        eintrag->setFlags(eintrag->flags() | Qt::ItemIsUserCheckable);
        eintrag->setCheckState(Qt::Checked);
    }
    liste->setCurrentRow(0);
    return liste;
}

QWidget* TfrmTragfaehigkeitstabellen::BaueAuswahl() {
    const TKAnwendung& position = sitzung_.Arbeitskopie();
    QStringList namen;
    for (const TsDorn dorn : Katalog().Typen()) namen << Q(DornName(dorn));
    dorne_ = Ankreuzliste("lstDorne", namen);
    connect(dorne_, &QListWidget::currentRowChanged, this, &TfrmTragfaehigkeitstabellen::Anzeigen);

    const int erste = position.GetAktLand() == TsLand::plk ? Gueten : 0;
    QStringList gueten;
    for (int g = erste; g < erste + Gueten; ++g) {
        gueten_.push_back(static_cast<TsBetonguete>(g));
        gueten << ListenText(TextListe::Betonguete, g);
    }
    gueteListe_ = Ankreuzliste("lstGueten", gueten);

    abMindestdicke_ = new QCheckBox(tr("ab Mindestdicke des Dorns"), this);
    abMindestdicke_->setObjectName(QStringLiteral("chkAbMindestdicke"));
    abMindestdicke_->setChecked(true);
    const auto feld = [this](const char* name, double min, double wert) {
        auto* f = new QDoubleSpinBox(this);
        f->setObjectName(QLatin1String(name));
        f->setDecimals(1);
        f->setRange(min, 200);
        f->setValue(wert);
        f->setSuffix(QStringLiteral(" cm"));
        return f;
    };
    von_ = feld("edtVon", 16, 16);
    von_->setEnabled(false);
    connect(abMindestdicke_, &QCheckBox::toggled, von_, [this](bool an) { von_->setEnabled(!an); });
    bis_ = feld("edtBis", 16, 50);
    schritt_ = feld("edtSchritt", 0.5, 1);
    const auto auswahl = [this](const char* name, TextListe liste, int index) {
        auto* box = new QComboBox(this);
        box->setObjectName(QLatin1String(name));
        box->addItems(Textliste(liste));
        box->setCurrentIndex(index);
        return box;
    };
    fuge_ = auswahl("cboFuge", TextListe::Fugenbreite, Ord(position.cGeometrie.GetFugenbreite()));
    brandschutz_ = auswahl("cboBrandschutz", TextListe::Feuerwiderstand, Ord(position.GetFeuerwiderstand()));
    methode_ = auswahl("cboBewehrung", TextListe::BewehrungCalc, Ord(position.GetBewehrungCalc()));

    auto* gruppe = new QGroupBox(tr("Auswahl"), this);
    auto* form = new QFormLayout(gruppe);
    form->addRow(tr("Dorntypen"), dorne_);
    form->addRow(tr("Betongüten"), gueteListe_);
    form->addRow(QString(), abMindestdicke_);
    form->addRow(tr("Plattendicke von"), von_);
    form->addRow(tr("bis"), bis_);
    form->addRow(tr("Schritt"), schritt_);
    form->addRow(T(Tabellentexte::Fugenbreite), fuge_);
    form->addRow(T(Tabellentexte::Brandschutz), brandschutz_);
    form->addRow(T(Tabellentexte::Bewehrung), methode_);
    // Narrow beside the table, but never narrower than the words of its language.
    gruppe->setMaximumWidth(std::max(320, gruppe->minimumSizeHint().width()));
    return gruppe;
}

// All types, so that the view can show any of them; the exports take the checked ones.
Tabellenauswahl TfrmTragfaehigkeitstabellen::Auswahl() const {
    Tabellenauswahl a;
    for (const TsDorn dorn : Katalog().Typen()) a.dorne.push_back(dorn);
    for (int g = 0; g < gueteListe_->count(); ++g)
        if (gueteListe_->item(g)->checkState() == Qt::Checked) a.gueten.push_back(gueten_[g]);
    if (!abMindestdicke_->isChecked()) a.hVon = von_->value() * 10;
    a.hBis = bis_->value() * 10;
    a.hSchritt = schritt_->value() * 10;
    a.fugen = {static_cast<TsFugenbreite>(fuge_->currentIndex())};
    a.brandschutz = {static_cast<TsFeuerwiderstand>(brandschutz_->currentIndex())};
    a.methoden = {static_cast<TsBewehrungCalc>(methode_->currentIndex())};
    return a;
}

void TfrmTragfaehigkeitstabellen::Berechnen() {
    const Sanduhr sanduhr;
    const Tabellenauswahl auswahl = Auswahl();
    zellen_ = BerechneTabelle(auswahl, sitzung_.GetUmgebung());
    berechneteGueten_ = auswahl.gueten;
    const Tabellenpunkt p{TsDorn::ZAVR20HF,      TsBetonguete::C20_25,        0,
                          auswahl.fugen.front(), auswahl.brandschutz.front(), auswahl.methoden.front()};
    const char trenner = sitzung_.GetUmgebung().Dezimaltrenner();
    bezug_->setText(T(Tabellentexte::Bezug) + QLatin1Char('\n') +
                    T(Tabellentexte::Randbedingungen)
                        .arg(ListenText(TextListe::Fugenbreite, Ord(p.fuge)),
                             ListenText(TextListe::Feuerwiderstand, Ord(p.brandschutz)),
                             ListenText(TextListe::BewehrungCalc, Ord(p.methode)),
                             Q(ZentimeterText(ReferenzDeckung, trenner))) +
                    QLatin1Char('\n') + T(Tabellentexte::Abstaende) + QLatin1Char('\n') +
                    T(Tabellentexte::Werte));
    Anzeigen();
}

TsDorn TfrmTragfaehigkeitstabellen::AngezeigterDorn() const {
    return static_cast<TsDorn>(std::max(0, dorne_->currentRow()));
}

const Tabellenzelle* TfrmTragfaehigkeitstabellen::Zelle(int zeile, int spalte) const {
    const std::size_t spalten = berechneteGueten_.size();
    if (zeile < 0 || spalte < 0 || static_cast<std::size_t>(spalte) >= spalten) return nullptr;
    const auto erste =
        std::find_if(zellen_.begin(), zellen_.end(),
                     [d = AngezeigterDorn()](const Tabellenzelle& z) { return z.punkt.dorn == d; });
    const std::size_t index = static_cast<std::size_t>(zeile) * spalten + static_cast<std::size_t>(spalte);
    if (std::distance(erste, zellen_.end()) <= static_cast<std::ptrdiff_t>(index)) return nullptr;
    const Tabellenzelle* zelle = &*(erste + static_cast<std::ptrdiff_t>(index));
    return zelle->punkt.dorn == AngezeigterDorn() ? zelle : nullptr;
}

void TfrmTragfaehigkeitstabellen::Anzeigen() {
    const char trenner = sitzung_.GetUmgebung().Dezimaltrenner();
    const auto cm = [trenner](double mm) { return Q(ZentimeterText(mm, trenner)); };
    // The grades the table was computed for, whatever is checked since.
    QStringList spalten;
    for (TsBetonguete g : berechneteGueten_) spalten << ListenText(TextListe::Betonguete, Ord(g));
    const int gueten = static_cast<int>(spalten.size());
    spalten << T(Tabellentexte::MinRand) << T(Tabellentexte::MinAchs);
    const TsDorn dorn = AngezeigterDorn();
    std::vector<const Tabellenzelle*> zellen;
    for (const Tabellenzelle& z : zellen_)
        if (z.punkt.dorn == dorn) zellen.push_back(&z);
    const int zeilen = gueten > 0 ? static_cast<int>(zellen.size()) / gueten : 0;

    tabelle_->clear();
    tabelle_->setColumnCount(static_cast<int>(spalten.size()));
    tabelle_->setRowCount(zeilen);
    tabelle_->setHorizontalHeaderLabels(spalten);
    for (int r = 0; r < zeilen; ++r) {
        double minRand = 0, minAchs = 0;
        tabelle_->setVerticalHeaderItem(
            r, new QTableWidgetItem(QStringLiteral("h = ") + cm(zellen[r * gueten]->punkt.h) +
                                    QStringLiteral(" cm")));
        for (int g = 0; g < gueten; ++g) {
            const Tabellenzelle& z = *zellen[r * gueten + g];
            auto* eintrag = new QTableWidgetItem;
            eintrag->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (z.Zulaessig()) {
                eintrag->setText(Q(FestkommaText(z.VRd, 2, trenner)) + QLatin1Char(' ') +
                                 QLatin1String(Tabellentexte::NachweisIndex[static_cast<int>(z.massgebend)]));
                eintrag->setToolTip(QStringLiteral("V_Rd,s = %1 kN\nV_Rd,ct = %2 kN\nV_Rd,ce = %3 kN")
                                        .arg(Q(FestkommaText(z.VRds, 2, trenner)),
                                             Q(FestkommaText(z.VRdct, 2, trenner)),
                                             Q(FestkommaText(z.VRdce, 2, trenner))));
                minRand = std::max(minRand, z.minRand);
                minAchs = std::max(minAchs, z.minAchs);
            } else {
                eintrag->setText(ListenText(TextListe::StatusKurz, z.fehler.back()));
                eintrag->setToolTip(Q(FehlerText(z, sitzung_.GetUmgebung())));
                eintrag->setForeground(Qt::gray);
            }
            tabelle_->setItem(r, g, eintrag);
        }
        if (minRand > 0) {
            tabelle_->setItem(r, gueten, new QTableWidgetItem(cm(minRand)));
            tabelle_->setItem(r, gueten + 1, new QTableWidgetItem(cm(minAchs)));
        }
    }
    tabelle_->resizeColumnsToContents();
}

void TfrmTragfaehigkeitstabellen::ZelleGewaehlt(int zeile, int spalte) {
    const Tabellenzelle* zelle = Zelle(zeile, spalte);
    if (zelle == nullptr) return;
    if (!zelle->Zulaessig()) {
        dialoge_.Hinweis(
            this,
            tr("Der Dorn ist hier nicht zulässig: %1").arg(Q(FehlerText(*zelle, sitzung_.GetUmgebung()))));
        return;
    }
    if (sitzung_.PositionAusTabelle(*zelle)) accept();
}

// The cells of the checked types, for print and export; a notice when there are none.
std::vector<Tabellenzelle> TfrmTragfaehigkeitstabellen::Angekreuzte() {
    std::vector<Tabellenzelle> zellen;
    for (const Tabellenzelle& z : zellen_)
        if (dorne_->item(Ord(z.punkt.dorn))->checkState() == Qt::Checked) zellen.push_back(z);
    if (zellen.empty()) dialoge_.Hinweis(this, tr("Die Auswahl enthält keine Tabellenwerte."));
    return zellen;
}

void TfrmTragfaehigkeitstabellen::Drucken() {
    const std::vector<Tabellenzelle> zellen = Angekreuzte();
    if (zellen.empty()) return;
    const Sanduhr sanduhr;
    if (!TabellenDrucken(drucker_, zellen, ProjektKopf(sitzung_.Modell()),
                         sitzung_.GetUmgebung().Dezimaltrenner()))
        dialoge_.Hinweis(this, tr("Die Tragfähigkeitstabellen konnten nicht gedruckt werden."));
}

void TfrmTragfaehigkeitstabellen::AlsPdf() {
    const std::vector<Tabellenzelle> zellen = Angekreuzte();
    if (zellen.empty()) return;
    const auto wahl = dialoge_.DateiSpeichern(this, windowTitle(), tr("Tragfaehigkeitstabellen.pdf"),
                                              Dateifilter(Ausgabe::PdfExport), 0);
    if (!wahl || wahl->datei.isEmpty()) return;
    const QString datei = MitPassenderEndung(wahl->datei, Ausgabe::PdfExport);
    const QString fehler =
        AusgabeSchreiben(datei, Ausgabeformat::Pdf,
                         TabellenInhalt(zellen, ProjektKopf(sitzung_.Modell()),
                                        sitzung_.GetUmgebung().Dezimaltrenner(), drucker_.pageLayout()));
    if (!fehler.isEmpty()) dialoge_.Hinweis(this, DateifehlerText(datei, fehler));
}

void TfrmTragfaehigkeitstabellen::AlsCsv() {
    const std::vector<Tabellenzelle> zellen = Angekreuzte();
    if (zellen.empty()) return;
    const auto wahl = dialoge_.DateiSpeichern(this, windowTitle(), tr("Tragfaehigkeitstabellen.csv"),
                                              Dateifilter(Ausgabe::TabellenCsvExport), 0);
    if (!wahl || wahl->datei.isEmpty()) return;
    const QString datei = MitPassenderEndung(wahl->datei, Ausgabe::TabellenCsvExport);
    Ausgabeinhalt inhalt;
    inhalt.text = [&] { return TabellenCsvDatei(zellen, sitzung_.GetUmgebung()); };
    if (const QString fehler = AusgabeSchreiben(datei, Ausgabeformat::Csv, inhalt); !fehler.isEmpty())
        dialoge_.Hinweis(this, DateifehlerText(datei, fehler));
}
