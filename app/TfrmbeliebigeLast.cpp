#include "app/TfrmbeliebigeLast.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyleOptionHeader>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include "app/DesktopUmgebung.h"
#include "app/Dialogdienst.h"
#include "app/Zahleingabe.h"
#include "app/Zahlenfeld.h"
#include "model/TKAnwendung.h"
#include "output/Skizzenzeichner.h"
#include "sitzung/Projektsitzung.h"

namespace {

constexpr int Bildbreite = 520;
constexpr int Bildhoehe = 180;

// The column titles carry a subscript ("q" with "Ed"), which a plain header cannot show.
class Spaltenkopf : public QHeaderView {
public:
    explicit Spaltenkopf(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        setObjectName(QStringLiteral("hcSpaltenKopf"));
        setSectionsClickable(false);
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        QStyleOptionHeader feld;
        initStyleOption(&feld);
        feld.rect = rect;
        feld.section = section;
        style()->drawControl(QStyle::CE_HeaderSection, &feld, painter, this);
        QTextDocument text;
        text.setDefaultFont(font());
        text.setHtml(model()->headerData(section, orientation(), Qt::DisplayRole).toString());
        painter->save();
        painter->translate(rect.left() + 4, rect.top() + (rect.height() - text.size().height()) / 2);
        text.drawContents(painter);
        painter->restore();
    }
};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TfrmbeliebigeLast::TfrmbeliebigeLast(Projektsitzung& sitzung, DesktopUmgebung& umgebung, const TKFarbe& farbe,
                                     std::function<void(const QString&)> hilfe, QWidget* parent)
    : Enterdialog(parent), sitzung_(sitzung), umgebung_(umgebung), farbe_(farbe) {
    setObjectName(QStringLiteral("frmbeliebigeLast"));
    setProperty("Hilfethema", QStringLiteral("MaskeQuerkraft"));
    setWindowTitle(tr("Eingabe einer beliebig verlaufenden Streckenlast"));
    imgQuerlastverlauf_ = new QLabel(this);
    imgQuerlastverlauf_->setObjectName(QStringLiteral("imgQuerlastverlauf"));
    imgQuerlastverlauf_->setFixedSize(Bildbreite, Bildhoehe);
    sgQuerlastverlauf_ = new QTableWidget(1, 3, this);
    sgQuerlastverlauf_->setObjectName(QStringLiteral("sgQuerlastverlauf"));
    sgQuerlastverlauf_->setHorizontalHeader(new Spaltenkopf(sgQuerlastverlauf_));
    sgQuerlastverlauf_->setHorizontalHeaderLabels({tr("x [m]"), tr("q<sub>Ed</sub>(x) [kN/m]"), QString()});
    sgQuerlastverlauf_->verticalHeader()->hide();
    sgQuerlastverlauf_->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgQuerlastverlauf_->setSelectionMode(QAbstractItemView::SingleSelection);
    sgQuerlastverlauf_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgQuerlastverlauf_->setColumnWidth(1, 140);
    connect(sgQuerlastverlauf_, &QTableWidget::cellClicked, this,
            [this](int zeile, int) { ZeileGewaehlt(zeile); });
    sgQuerlastverlauf_->installEventFilter(this);

    auto* ok = Dialogknopf("OKBtn", tr("&OK"), tr("Eingaben übernehmen und Fenster schließen"), this);
    auto* abbrechen =
        Dialogknopf("CancelBtn", tr("&Abbrechen"), tr("Eingaben verwerfen und Fenster schließen"), this);
    auto* hilfeKnopf = Dialogknopf("BitBtnHilfe", tr("&Hilfe"),
                                   tr("Hilfe zum Eingabefenster|Hilfe zu den Eingaben in der Maske"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(hilfeKnopf, &QPushButton::clicked, this, [hilfe] { hilfe(QStringLiteral("MaskeQuerkraft")); });

    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    for (auto* knopf : {ok, abbrechen, hilfeKnopf}) unten->addWidget(knopf);
    auto* mitte = new QHBoxLayout;
    mitte->addWidget(sgQuerlastverlauf_, 1);
    mitte->addWidget(BaueEingaben());
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(imgQuerlastverlauf_);
    spalte->addLayout(mitte, 1);
    spalte->addLayout(unten);
    spalte->addWidget(Hinweisleiste());
    EnterWeiterschalten();
}

QWidget* TfrmbeliebigeLast::BaueEingaben() {
    auto* bereich = new QWidget(this);
    meditxKoordinate_ = new Zahlenfeld(bereich, XGrenze(0).bereich);
    meditxKoordinate_->setObjectName(QStringLiteral("meditxKoordinate"));
    HinweisSetzen(meditxKoordinate_, tr("Koordinate für die Lasteingabe von links gemessen"));
    meditLastwert_ = new Zahlenfeld(bereich, QGrenze().bereich);
    meditLastwert_->setObjectName(QStringLiteral("meditLastwert"));
    HinweisSetzen(meditLastwert_, tr("Wert der Belastung an der Stelle der Koordinate x"));
    const char trenner = umgebung_.Dezimaltrenner();
    connect(meditxKoordinate_, &Zahlenfeld::verlassen, this, [this, trenner] {
        const Lastpaargrenze g = XGrenze(sitzung_.Arbeitskopie().cGeometrie.GetFugenlaenge());
        PruefeEingabe(meditxKoordinate_, g.maximum, g.minimum, trenner, umgebung_.Dialoge());
    });
    connect(meditLastwert_, &Zahlenfeld::verlassen, this, [this, trenner] {
        const Lastpaargrenze g = QGrenze();
        PruefeEingabe(meditLastwert_, g.maximum, g.minimum, trenner, umgebung_.Dialoge());
    });

    auto* hinzufuegen = Dialogknopf("BitBtnHinzufuegen", tr("&Hinzufügen"),
                                    tr("Wertepaar hinzufügen|Wertepaar (x,q) zur Liste hinzufügen"), bereich);
    auto* aendern = Dialogknopf(
        "BitBtnAendern", tr("&Ändern"),
        tr("Änderungen in Liste übertragen|Änderungen des Werepaares (x,q) in Liste übertragen"), bereich);
    auto* loeschen = Dialogknopf(
        "BitBtnLoeschen", tr("&Löschen"),
        tr("aktuelles Wertepaar löschen|aktuelles Wertepaar (x,q) aus der Liste löschen"), bereich);
    connect(hinzufuegen, &QPushButton::clicked, this, &TfrmbeliebigeLast::Hinzufuegen);
    connect(aendern, &QPushButton::clicked, this, &TfrmbeliebigeLast::Aendern);
    connect(loeschen, &QPushButton::clicked, this, &TfrmbeliebigeLast::Loeschen);
    auto* einfuegen = Dialogknopf(
        "BitBtnEinfuegen", tr("&Einfügen"),
        tr("Tabelle einfügen|Wertepaare (x in m, q in kN/m) aus der Zwischenablage übernehmen"), bereich);
    auto* importieren = Dialogknopf(
        "BitBtnImportieren", tr("&Importieren…"),
        tr("Tabelle importieren|Wertepaare (x in m, q in kN/m) aus einer CSV- oder Textdatei übernehmen"),
        bereich);
    connect(einfuegen, &QPushButton::clicked, this, &TfrmbeliebigeLast::Einfuegen);
    connect(importieren, &QPushButton::clicked, this, &TfrmbeliebigeLast::Importieren);

    auto* raster = new QGridLayout(bereich);
    raster->addWidget(new QLabel(tr("x ="), bereich), 0, 0);
    raster->addWidget(meditxKoordinate_, 0, 1);
    raster->addWidget(new QLabel(tr("m"), bereich), 0, 2);
    raster->addWidget(new QLabel(QStringLiteral("q<sub>Ed</sub> ="), bereich), 1, 0);
    raster->addWidget(meditLastwert_, 1, 1);
    raster->addWidget(new QLabel(tr("kN/m"), bereich), 1, 2);
    raster->addWidget(hinzufuegen, 2, 0, 1, 3);
    raster->addWidget(aendern, 3, 0, 1, 3);
    raster->addWidget(loeschen, 4, 0, 1, 3);
    raster->setRowStretch(5, 1);
    raster->addWidget(einfuegen, 6, 0, 1, 3);
    raster->addWidget(importieren, 7, 0, 1, 3);
    return bereich;
}

void TfrmbeliebigeLast::showEvent(QShowEvent* event) {
    // Shown again without being closed: what was done so far is kept as a change of its own.
    if (offen_) sitzung_.BearbeitungAbschliessen(tr("beliebige Last").toStdString());
    sitzung_.BearbeitungBeginnen();
    offen_ = true;
    tabelle_.emplace(sitzung_.Arbeitskopie().cBelastungDesign, umgebung_.Dezimaltrenner());
    TabelleZeigen(0);
    NeuAufbauen();
    Enterdialog::showEvent(event);
}

// OK keeps the edited points; Cancel and Escape put back the load as it was.
void TfrmbeliebigeLast::done(int ergebnis) {
    if (offen_ && ergebnis == QDialog::Accepted)
        sitzung_.BearbeitungAbschliessen(tr("beliebige Last").toStdString());
    else if (offen_)
        sitzung_.BearbeitungVerwerfen();
    offen_ = false;
    Enterdialog::done(ergebnis);
}

void TfrmbeliebigeLast::TabelleZeigen(int auswahl) {
    const auto& zeilen = tabelle_->Zeilen();
    sgQuerlastverlauf_->setRowCount(static_cast<int>(zeilen.size()));
    for (int i = 0; i < static_cast<int>(zeilen.size()); ++i) {
        const auto& z = zeilen[static_cast<std::size_t>(i)];
        sgQuerlastverlauf_->setItem(i, 0, new QTableWidgetItem(Text(z.x)));
        sgQuerlastverlauf_->setItem(i, 1, new QTableWidgetItem(Text(z.q)));
        sgQuerlastverlauf_->setItem(i, 2, new QTableWidgetItem);
    }
    sgQuerlastverlauf_->selectRow(auswahl);
}

// The load follows the table: its points are rebuilt from the rows, kept sorted by x by the load itself.
void TfrmbeliebigeLast::NeuAufbauen() {
    sitzung_.BeliebigeLastSetzen(tabelle_->Punkte());
    Zeichnen();
}

void TfrmbeliebigeLast::Zeichnen() {
    QImage bild(imgQuerlastverlauf_->size(), QImage::Format_RGB32);
    QPainter painter(&bild);
    Skizzenzeichner(painter, farbe_, umgebung_.Dezimaltrenner())
        .SkizzeLastverlauf({0, 0, bild.width(), bild.height()}, sitzung_.Arbeitskopie());
    painter.end();
    imgQuerlastverlauf_->setPixmap(QPixmap::fromImage(bild));
}

Lasttabelle::Zeile TfrmbeliebigeLast::Felder() const {
    return {meditxKoordinate_->text().trimmed().toStdString(),
            meditLastwert_->text().trimmed().toStdString()};
}

// A pair without a load value would end the load at that row, so it is not taken into the table.
void TfrmbeliebigeLast::Hinzufuegen() {
    const Lasttabelle::Zeile zeile = Felder();
    if (zeile.x.empty() || zeile.q.empty()) return;
    int index = tabelle_->Suche(zeile.x);
    if (index < 0) {
        index = tabelle_->Anhaengen(zeile);
    } else if (umgebung_.Dialoge().Frage(
                   this, tr("Für die eingegebene Koordinate ist schon ein Wert vorhanden!") +
                             QStringLiteral("\n\n") + tr("Soll der Wert überschrieben werden?"))) {
        tabelle_->Setzen(index, zeile);
    }
    TabelleZeigen(index);
    NeuAufbauen();
}

void TfrmbeliebigeLast::Aendern() {
    const int index = sgQuerlastverlauf_->currentRow();
    const Lasttabelle::Zeile zeile = Felder();
    if (index < 0 || zeile.x.empty() || zeile.q.empty()) return;
    tabelle_->Setzen(index, zeile);
    TabelleZeigen(index);
    NeuAufbauen();
}

void TfrmbeliebigeLast::Loeschen() {
    const int index = tabelle_->Loeschen(sgQuerlastverlauf_->currentRow());
    TabelleZeigen(index);
    ZeileGewaehlt(index);
    NeuAufbauen();
}

void TfrmbeliebigeLast::ZeileGewaehlt(int zeile) {
    if (zeile < 0 || zeile >= static_cast<int>(tabelle_->Zeilen().size())) return;
    const auto& z = tabelle_->Zeilen()[static_cast<std::size_t>(zeile)];
    meditxKoordinate_->setText(Text(z.x));
    meditLastwert_->setText(Text(z.q));
}

// Ctrl+V in the table pastes a table, as in a spreadsheet.
bool TfrmbeliebigeLast::eventFilter(QObject* objekt, QEvent* event) {
    if (objekt == sgQuerlastverlauf_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        Einfuegen();
        return true;
    }
    return Enterdialog::eventFilter(objekt, event);
}

void TfrmbeliebigeLast::Einfuegen() {
    Uebernehmen(LasttabelleLesen(QGuiApplication::clipboard()->text().toStdString(),
                                 sitzung_.Arbeitskopie().cGeometrie.GetFugenlaenge(), umgebung_));
}

void TfrmbeliebigeLast::Importieren() {
    const auto wahl =
        umgebung_.Dialoge().DateiOeffnen(this, tr("Streckenlast importieren"), QString(),
                                         {tr("Tabellen (*.csv *.txt)"), tr("Alle Dateien (*)")}, 0);
    if (!wahl) return;
    Uebernehmen(LastdateiLesen(wahl->datei.toStdString(), sitzung_.Arbeitskopie().cGeometrie.GetFugenlaenge(),
                               umgebung_));
}

void TfrmbeliebigeLast::Uebernehmen(const Lastimport& tabelle) {
    if (!tabelle) {
        umgebung_.Dialoge().Hinweis(this, Text(tabelle.fehler));
        return;
    }
    tabelle_->Ersetzen(tabelle.punkte, umgebung_.Dezimaltrenner());
    TabelleZeigen(0);
    ZeileGewaehlt(0);
    NeuAufbauen();
}
