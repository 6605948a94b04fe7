#include "app/TfrmHilfe.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString ThemaInhalt = QStringLiteral("Inhalt");
const QString ThemaSuchen = QStringLiteral("Suchen");
constexpr int ThemaRolle = Qt::UserRole;

}  // namespace

TfrmHilfe::TfrmHilfe(Hilfe hilfe, QWidget* parent) : QDialog(parent), hilfe_(std::move(hilfe)) {
    setObjectName(QStringLiteral("frmHilfe"));
    setWindowTitle(tr("Hilfe - QUORVEL® Doppelschubdorn ZAVR / ZAVRQ"));
    setWindowModality(Qt::ApplicationModal);
    resize(900, 640);

    inhalt_ = new QTreeWidget;
    inhalt_->setObjectName(QStringLiteral("tvInhalt"));
    inhalt_->setHeaderHidden(true);
    for (const Hilfe::Thema& thema : hilfe_.Inhalt()) {
        auto* eintrag = new QTreeWidgetItem(inhalt_, {thema.titel});
        eintrag->setData(0, ThemaRolle, thema.name);
    }
    connect(inhalt_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* e) { SeiteOeffnen(e->data(0, ThemaRolle).toString()); });
    connect(inhalt_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* e) { SeiteOeffnen(e->data(0, ThemaRolle).toString()); });

    auto* suche = new QWidget;
    suchfeld_ = new QLineEdit;
    suchfeld_->setObjectName(QStringLiteral("editSuchen"));
    suchfeld_->setPlaceholderText(tr("Suchbegriff eingeben"));
    treffer_ = new QListWidget;
    treffer_->setObjectName(QStringLiteral("lbTreffer"));
    auto* suchspalte = new QVBoxLayout(suche);
    suchspalte->addWidget(new QLabel(tr("&Stichwort:"), suche));
    suchspalte->addWidget(suchfeld_);
    suchspalte->addWidget(treffer_);
    qobject_cast<QLabel*>(suchspalte->itemAt(0)->widget())->setBuddy(suchfeld_);
    connect(suchfeld_, &QLineEdit::textChanged, this, &TfrmHilfe::SucheAktualisieren);
    connect(suchfeld_, &QLineEdit::returnPressed, this, [this] {
        if (treffer_->count() > 0) SeiteOeffnen(treffer_->item(0)->data(ThemaRolle).toString());
    });
    connect(treffer_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* e) { SeiteOeffnen(e->data(ThemaRolle).toString()); });
    connect(treffer_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* e) { SeiteOeffnen(e->data(ThemaRolle).toString()); });

    reiter_ = new QTabWidget;
    reiter_->addTab(inhalt_, tr("&Inhalt"));
    reiter_->addTab(suche, tr("S&uchen"));

    seite_ = new QTextBrowser;
    seite_->setObjectName(QStringLiteral("tbSeite"));
    seite_->setOpenExternalLinks(true);
    seite_->setSearchPaths({hilfe_.Ordner()});

    auto* teiler = new QSplitter;
    teiler->addWidget(reiter_);
    teiler->addWidget(seite_);
    teiler->setStretchFactor(1, 3);
    // The contents as wide as their longest title, so no topic is cut short.
    const int inhaltsbreite =
        static_cast<const QAbstractItemView*>(inhalt_)->sizeHintForColumn(0) + 2 * inhalt_->frameWidth() + 24;
    teiler->setSizes({std::max(260, inhaltsbreite), 640});

    auto* zurueck = new QPushButton(tr("&Zurück"));
    zurueck->setObjectName(QStringLiteral("btnZurueck"));
    auto* vor = new QPushButton(tr("&Vorwärts"));
    vor->setObjectName(QStringLiteral("btnVor"));
    auto* schliessen = new QPushButton(tr("&Schließen"));
    schliessen->setObjectName(QStringLiteral("btnSchliessen"));
    // Enter belongs to the search field, never to a button.
    for (QPushButton* knopf : {zurueck, vor, schliessen}) knopf->setAutoDefault(false);
    zurueck->setEnabled(false);
    vor->setEnabled(false);
    connect(zurueck, &QPushButton::clicked, seite_, &QTextBrowser::backward);
    connect(vor, &QPushButton::clicked, seite_, &QTextBrowser::forward);
    connect(seite_, &QTextBrowser::backwardAvailable, zurueck, &QPushButton::setEnabled);
    connect(seite_, &QTextBrowser::forwardAvailable, vor, &QPushButton::setEnabled);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(zurueck);
    knoepfe->addWidget(vor);
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(teiler);
    spalte->addLayout(knoepfe);
    SucheAktualisieren({});
}

void TfrmHilfe::Zeigen(const QString& thema) {
    reiter_->setCurrentIndex(thema == ThemaSuchen ? 1 : 0);
    SeiteOeffnen(thema == ThemaSuchen || hilfe_.Seite(thema).isEmpty() ? ThemaInhalt : thema);
    show();
    raise();
    activateWindow();
    if (thema == ThemaSuchen) suchfeld_->setFocus();
}

QString TfrmHilfe::AktuellesThema() const {
    return QFileInfo(seite_->source().toLocalFile()).completeBaseName();
}

void TfrmHilfe::SeiteOeffnen(const QString& thema) {
    const QString datei = hilfe_.Seite(thema);
    if (!datei.isEmpty()) seite_->setSource(QUrl::fromLocalFile(datei));
}

void TfrmHilfe::SucheAktualisieren(const QString& text) {
    treffer_->clear();
    for (const Hilfe::Treffer& t : hilfe_.Suchen(text)) {
        auto* eintrag = new QListWidgetItem(t.wort + QStringLiteral(" – ") + t.thema.titel, treffer_);
        eintrag->setData(ThemaRolle, t.thema.name);
    }
}
