#include "app/TfrmProjektverwaltung.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileIconProvider>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "app/Sanduhr.h"
#include "files/Ordnerliste.h"
#include "model/Umgebung.h"
#include "sitzung/Projektsitzung.h"

namespace {

const QString SchluesselVerzeichnis = QStringLiteral("Version");
constexpr int Pfadrolle = Qt::UserRole;

struct Spalte {
    const char* titel;
    int breite;  // 0: as wide as its title
};
// The first column carries the row caption "Nr: " and the number; it is hidden.
constexpr std::array<Spalte, 7> spalten{{
    {QT_TRANSLATE_NOOP("TfrmProjektverwaltung", "lfd Nr."), 0},
    {QT_TRANSLATE_NOOP("TfrmProjektverwaltung", "Position"), 70},
    {QT_TRANSLATE_NOOP("TfrmProjektverwaltung", "Prog"), 0},
    {QT_TRANSLATE_NOOP("TfrmProjektverwaltung", "Bauvorhaben"), 155},
    {QT_TRANSLATE_NOOP("TfrmProjektverwaltung", "Anschlusstyp"), 170},
    {QT_TRANSLATE_NOOP("TfrmProjektverwaltung", "Fugenlänge"), 90},
    {QT_TRANSLATE_NOOP("TfrmProjektverwaltung", "Datum"), 70},
}};

QLabel* Beschriftung(const QString& text, QWidget* fuer, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(fuer);
    return label;
}

// A hint in two parts: the short one as tool tip, the long one in the status bar.
void Hinweis(QWidget* control, const QString& kurz, const QString& lang) {
    control->setToolTip(kurz);
    control->setStatusTip(lang);
}

namespace fs = std::filesystem;

// Paths ride in the items as their bytes, so a name that is no UTF-8 is opened as it stands.
QVariant Pfaddaten(const fs::path& pfad) {
    return QByteArray::fromStdString(pfad.native());
}
fs::path Pfad(const QVariant& daten) {
    return daten.toByteArray().toStdString();
}
fs::path Pfad(const QTreeWidgetItem* eintrag) {
    return Pfad(eintrag->data(0, Pfadrolle));
}
QString Anzeige(const fs::path& pfad) {
    return Dateiname(pfad.native()).Anzeige();
}

// The folder as Qt's file dialogs name it: absolute, without "." or "..", no trailing "/".
fs::path Ordnerpfad(const fs::path& ordner) {
    std::error_code fehler;
    const fs::path pfad = fs::absolute(ordner, fehler).lexically_normal();
    return pfad.has_relative_path() && !pfad.has_filename() ? pfad.parent_path() : pfad;
}

}  // namespace

TfrmProjektverwaltung::TfrmProjektverwaltung(Projektsitzung& sitzung, Anwendereinstellungen einstellungen,
                                             Hauptfenster hauptfenster, QWidget* parent)
    : Enterdialog(parent),
      sitzung_(sitzung),
      einstellungen_(std::move(einstellungen)),
      hauptfenster_(std::move(hauptfenster)) {
    setObjectName(QStringLiteral("frmProjektverwaltung"));
    setProperty("Hilfethema", QStringLiteral("MaskeProjektverwaltung"));
    setWindowTitle(tr("QUORVEL® - Projektverwaltung"));

    lvProjektinhalte_ = new QTreeWidget(this);
    lvProjektinhalte_->setObjectName(QStringLiteral("lvProjektinhalte"));
    lvProjektinhalte_->setRootIsDecorated(false);
    lvProjektinhalte_->setUniformRowHeights(true);
    lvProjektinhalte_->setSelectionMode(QAbstractItemView::SingleSelection);
    lvProjektinhalte_->setSelectionBehavior(QAbstractItemView::SelectRows);
    QStringList titel;
    for (const Spalte& s : spalten) titel << tr(s.titel);
    lvProjektinhalte_->setHeaderLabels(titel);
    // Each column at least as wide as its title in the language of the run.
    for (int i = 0; i < static_cast<int>(spalten.size()); ++i)
        if (spalten[static_cast<std::size_t>(i)].breite > 0)
            lvProjektinhalte_->setColumnWidth(i, std::max(spalten[static_cast<std::size_t>(i)].breite,
                                                          lvProjektinhalte_->header()->sectionSizeHint(i)));
    lvProjektinhalte_->setColumnHidden(0, true);
    lvProjektinhalte_->setMinimumSize(620, 160);
    connect(lvProjektinhalte_, &QTreeWidget::itemSelectionChanged, this,
            &TfrmProjektverwaltung::KnoepfeSetzen);
    connect(lvProjektinhalte_, &QTreeWidget::itemDoubleClicked, this, &TfrmProjektverwaltung::Uebernehmen);

    btnUebernehmen_ = new QPushButton(tr("Position &übernehmen"), this);
    btnUebernehmen_->setObjectName(QStringLiteral("OKBtn"));
    Hinweis(btnUebernehmen_, tr("ausgewählte Position öffnen"),
            tr("ausgewählte Position zum bestehenden Projekt hinzufügen"));
    btnOeffnen_ = new QPushButton(tr("Projekt &öffnen"), this);
    btnOeffnen_->setObjectName(QStringLiteral("Button1"));
    Hinweis(btnOeffnen_, tr("ausgewähltes Projekt öffnen"), tr("ausgewähltes Projekt öffnen"));
    auto* abbrechen = new QPushButton(tr("&Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("CancelBtn"));
    auto* hilfe = new QPushButton(tr("&Hilfe"), this);
    hilfe->setObjectName(QStringLiteral("BitBtnHilfe"));
    connect(btnUebernehmen_, &QPushButton::clicked, this, &TfrmProjektverwaltung::Uebernehmen);
    connect(btnOeffnen_, &QPushButton::clicked, this, &TfrmProjektverwaltung::Oeffnen);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(hilfe, &QPushButton::clicked, this,
            [this] { hauptfenster_.hilfe(QStringLiteral("MaskeProjektverwaltung")); });
    auto* knoepfe = new QDialogButtonBox(this);
    for (auto* knopf : {btnUebernehmen_, btnOeffnen_, abbrechen, hilfe}) {
        knopf->setAutoDefault(false);
        knoepfe->addButton(knopf, QDialogButtonBox::ActionRole);
    }

    sbInfo_ = new QStatusBar(this);
    sbInfo_->setObjectName(QStringLiteral("sbInfo"));
    sbInfo_->setSizeGripEnabled(false);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(BaueOrdnerwahl(), 1);
    spalte->addWidget(Beschriftung(tr("Projekt&inhalte"), lvProjektinhalte_, this));
    spalte->addWidget(lvProjektinhalte_, 1);
    spalte->addWidget(knoepfe);
    spalte->addWidget(sbInfo_);

    const fs::path gespeichert = Dateiname(einstellungen_.LeseText(SchluesselVerzeichnis, QString())).Bytes();
    std::error_code fehler;
    verzeichnis_ = Ordnerpfad(fs::is_directory(gespeichert, fehler) ? gespeichert : fs::current_path(fehler));
    EnterWeiterschalten();
}

QWidget* TfrmProjektverwaltung::BaueOrdnerwahl() {
    auto* bereich = new QWidget(this);
    cbLaufwerk_ = new QComboBox(bereich);
    cbLaufwerk_->setObjectName(QStringLiteral("DriveComboBox"));
    lblVerzeichnis_ = new QLabel(bereich);
    lblVerzeichnis_->setObjectName(QStringLiteral("lblVerzeichnis"));
    lbVerzeichnis_ = new QTreeWidget(bereich);
    lbVerzeichnis_->setObjectName(QStringLiteral("DirectoryListBox"));
    lbVerzeichnis_->setHeaderHidden(true);
    lbVerzeichnis_->setIndentation(12);
    lbVerzeichnis_->setRootIsDecorated(false);
    lbProjekt_ = new QListWidget(bereich);
    lbProjekt_->setObjectName(QStringLiteral("FileListBox"));
    Hinweis(lbProjekt_, tr("Projektdatei auswählen"), tr("bestehende Projektdatei auswählen"));
    connect(cbLaufwerk_, &QComboBox::activated, this,
            [this](int index) { OrdnerWechseln(Pfad(cbLaufwerk_->itemData(index))); });
    // One click opens a folder, as in the desktop's file managers; Enter does it from the keyboard.
    for (const auto signal : {&QTreeWidget::itemActivated, &QTreeWidget::itemClicked})
        connect(lbVerzeichnis_, signal, this,
                [this](QTreeWidgetItem* eintrag) { OrdnerWechseln(Pfad(eintrag)); });
    connect(lbProjekt_, &QListWidget::itemSelectionChanged, this, &TfrmProjektverwaltung::DateiGewaehlt);

    auto* raster = new QGridLayout(bereich);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->addWidget(Beschriftung(tr("&Laufwerk"), cbLaufwerk_, bereich), 0, 0);
    raster->addWidget(cbLaufwerk_, 1, 0);
    raster->addWidget(Beschriftung(tr("&Verzeichnis"), lbVerzeichnis_, bereich), 2, 0);
    raster->addWidget(lblVerzeichnis_, 3, 0, 1, 2);
    raster->addWidget(lbVerzeichnis_, 4, 0);
    raster->addWidget(Beschriftung(tr("&Projekt"), lbProjekt_, bereich), 2, 1);
    raster->addWidget(lbProjekt_, 4, 1);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(4, 1);
    return bereich;
}

// The hint of the control under the mouse, indented by two spaces.
bool TfrmProjektverwaltung::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        sbInfo_->showMessage(tip.isEmpty() ? tip : QStringLiteral("  ") + tip);
        return true;
    }
    return Enterdialog::event(event);
}

// In the folder list Enter opens the highlighted folder, the only way there without a mouse.
bool TfrmProjektverwaltung::eventFilter(QObject* objekt, QEvent* event) {
    if (objekt == lbVerzeichnis_ && IstEnter(event)) {
        if (auto* eintrag = lbVerzeichnis_->currentItem()) OrdnerWechseln(Pfad(eintrag));
        return true;
    }
    return Enterdialog::eventFilter(objekt, event);
}

void TfrmProjektverwaltung::showEvent(QShowEvent* event) {
    Enterdialog::showEvent(event);
    Zeigen();
    {
        const QSignalBlocker sperre(lbProjekt_);
        if (lbProjekt_->count() > 0) lbProjekt_->setCurrentRow(0);
    }
    DateiGewaehlt();
    lbProjekt_->setFocus();
}

QString TfrmProjektverwaltung::Verzeichnis() const {
    return Anzeige(verzeichnis_);
}

void TfrmProjektverwaltung::VerzeichnisWechseln(const QString& pfad) {
    OrdnerWechseln(Dateiname(pfad).Bytes());
}

void TfrmProjektverwaltung::OrdnerWechseln(const fs::path& ordner) {
    std::error_code fehler;
    if (!fs::is_directory(ordner, fehler)) return;
    verzeichnis_ = Ordnerpfad(ordner);
    Zeigen();
    einstellungen_.SchreibeText(SchluesselVerzeichnis, Verzeichnis());
    DateiGewaehlt();
}

void TfrmProjektverwaltung::Zeigen() {
    lblVerzeichnis_->setText(QDir::toNativeSeparators(Verzeichnis()));
    LaufwerkeFuellen();
    const Ordnerliste inhalt = OrdnerLesen(verzeichnis_);
    VerzeichnisseFuellen(inhalt.ordner);
    DateienFuellen(inhalt.projekte);
}

void TfrmProjektverwaltung::LaufwerkeFuellen() {
    const QSignalBlocker sperre(cbLaufwerk_);
    cbLaufwerk_->clear();
    for (const QFileInfo& laufwerk : QDir::drives()) {
        cbLaufwerk_->addItem(QDir::toNativeSeparators(laufwerk.absolutePath()),
                             Pfaddaten(Dateiname(laufwerk.absolutePath()).Bytes()));
        if (Verzeichnis().startsWith(laufwerk.absolutePath(), Qt::CaseInsensitive))
            cbLaufwerk_->setCurrentIndex(cbLaufwerk_->count() - 1);
    }
}

// The folders from the drive down to the one shown, each opened, then the folders in it.
void TfrmProjektverwaltung::VerzeichnisseFuellen(const std::vector<fs::path>& unterordner) {
    lbVerzeichnis_->clear();
    std::vector<fs::path> kette{verzeichnis_};
    while (kette.back().has_relative_path()) kette.push_back(kette.back().parent_path());
    const QIcon offen = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon zu = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem* eltern = nullptr;
    for (auto pfad = kette.rbegin(); pfad != kette.rend(); ++pfad) {
        auto* eintrag = eltern ? new QTreeWidgetItem(eltern) : new QTreeWidgetItem(lbVerzeichnis_);
        eintrag->setText(
            0, QDir::toNativeSeparators(Anzeige(pfad->has_relative_path() ? pfad->filename() : *pfad)));
        eintrag->setIcon(0, offen);
        eintrag->setData(0, Pfadrolle, Pfaddaten(*pfad));
        eintrag->setExpanded(true);
        eltern = eintrag;
    }
    for (const fs::path& ordner : unterordner) {
        auto* eintrag = new QTreeWidgetItem(eltern);
        eintrag->setText(0, Anzeige(ordner.filename()));
        eintrag->setIcon(0, zu);
        eintrag->setData(0, Pfadrolle, Pfaddaten(ordner));
    }
    lbVerzeichnis_->setCurrentItem(eltern);
}

void TfrmProjektverwaltung::DateienFuellen(const std::vector<fs::path>& projekte) {
    const QSignalBlocker sperre(lbProjekt_);
    lbProjekt_->clear();
    const QFileIconProvider symbole;
    for (const fs::path& datei : projekte) {
        // A name Qt cannot hold names no file for it; such a project gets the plain file icon.
        const QFileInfo info(Anzeige(datei));
        auto* eintrag =
            new QListWidgetItem(info.exists() ? symbole.icon(info) : symbole.icon(QFileIconProvider::File),
                                Anzeige(datei.filename()), lbProjekt_);
        eintrag->setData(Pfadrolle, Pfaddaten(datei));
    }
}

std::string TfrmProjektverwaltung::GewaehlteDatei() const {
    const auto gewaehlt = lbProjekt_->selectedItems();
    return gewaehlt.isEmpty() ? std::string() : Pfad(gewaehlt.front()->data(Pfadrolle)).native();
}

void TfrmProjektverwaltung::DateiGewaehlt() {
    lvProjektinhalte_->clear();
    const std::string datei = GewaehlteDatei();
    if (!datei.empty()) {
        const Projektinhalt inhalt = sitzung_.ProjektinhaltLesen(datei);
        int nummer = 0;
        for (const TKExplorer::Projekt& position : inhalt.positionen) {
            auto* zeile = new QTreeWidgetItem(lvProjektinhalte_);
            zeile->setText(0, tr("Nr: ") + QString::number(++nummer));
            for (int i = 0; i < static_cast<int>(position.size()); ++i)
                zeile->setText(i + 1, QString::fromStdString(position[static_cast<std::size_t>(i)]));
        }
        if (!inhalt.ergebnis.grund.empty()) sitzung_.GetUmgebung().Meldung(inhalt.ergebnis.grund);
    }
    KnoepfeSetzen();
}

void TfrmProjektverwaltung::KnoepfeSetzen() {
    btnOeffnen_->setEnabled(!GewaehlteDatei().empty());
    btnUebernehmen_->setEnabled(!lvProjektinhalte_->selectedItems().isEmpty());
}

// The row is the position's place in its file. When it cannot be taken over the browser stays open.
void TfrmProjektverwaltung::Uebernehmen() {
    const auto gewaehlt = lvProjektinhalte_->selectedItems();
    if (gewaehlt.isEmpty()) {
        reject();
        return;
    }
    Dateiergebnis ergebnis;
    {
        const Sanduhr sanduhr;
        ergebnis = sitzung_.PositionUebernehmen(GewaehlteDatei(),
                                                lvProjektinhalte_->indexOfTopLevelItem(gewaehlt.front()));
    }
    if (ergebnis) {
        accept();
    } else if (!ergebnis.grund.empty()) {
        sitzung_.GetUmgebung().Meldung(ergebnis.grund);
    }
}

// A cancelled save question leaves the browser open, as does a file that could not be read.
void TfrmProjektverwaltung::Oeffnen() {
    const std::string datei = GewaehlteDatei();
    if (datei.empty() || !hauptfenster_.speicherfrage()) return;
    if (hauptfenster_.projektOeffnen(datei)) done(ProjektGeoeffnet);
}
