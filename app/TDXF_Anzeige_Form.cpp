#include "app/TDXF_Anzeige_Form.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include "app/Dialogdienst.h"
#include "app/Enterdialog.h"
#include "app/Zoom_panel.h"
#include "dxf/DXF_Messages.h"
#include "output/Dateiname.h"
#include "output/DxfLeinwand.h"
#include "sitzung/Projektsitzung.h"

namespace {

// The reader's questions and notices as the program's message boxes.
class DxfMeldungen : public DXF_Messages {
public:
    DxfMeldungen(Dialogdienst& dialoge, QWidget* fenster) : dialoge_(dialoge), fenster_(fenster) {}
    bool ask_continue(const std::string& caption, const std::string& text) override {
        return dialoge_.Bestaetigung(fenster_, Text(caption, text));
    }
    void show(const std::string& caption, const std::string& text) override {
        dialoge_.Hinweis(fenster_, Text(caption, text));
    }

private:
    static QString Text(const std::string& caption, const std::string& text) {
        const QString zeile = QString::fromStdString(text);
        return caption.empty() ? zeile : QString::fromStdString(caption) + QStringLiteral("\n\n") + zeile;
    }
    Dialogdienst& dialoge_;
    QWidget* fenster_;
};

}  // namespace

TDXF_Anzeige_Form::TDXF_Anzeige_Form(const Projektsitzung& sitzung, Dialogdienst& dialoge,
                                     char dezimaltrenner, QWidget* parent)
    : QDialog(parent), sitzung_(sitzung), dialoge_(dialoge), DXF_main_("Untitled") {
    setObjectName(QStringLiteral("DXF_Anzeige_Form"));
    setWindowTitle(tr("DXF Vorschau"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* speichern = Dialogknopf("SaveButton", tr("als DXF &speichern"), QString(), this);
    auto* zurueck = Dialogknopf("Button1", tr("&zurück"), QString(), this);
    connect(speichern, &QPushButton::clicked, this, &TDXF_Anzeige_Form::SaveButtonClick);
    connect(zurueck, &QPushButton::clicked, this, &QDialog::reject);
    Zoombox_ = new Zoom_panel(dezimaltrenner, this);
    Zoombox_->FOnPaint = [this](QPainter& painter, const Zoom_view& ansicht) {
        DxfZeichnen(painter, DXF_main_, ansicht);
    };
    nichtDargestellt_ = new QLabel(this);
    nichtDargestellt_->setObjectName(QStringLiteral("lblNichtDargestellt"));
    nichtDargestellt_->setStyleSheet(QStringLiteral("color: darkred"));
    nichtDargestellt_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    nichtDargestellt_->hide();
    auto* leiste = new QHBoxLayout;
    leiste->addWidget(speichern);
    leiste->addWidget(zurueck);
    leiste->addSpacing(12);
    leiste->addWidget(nichtDargestellt_, 100);
    leiste->addStretch(1);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 4, 0, 0);
    spalte->addLayout(leiste);
    spalte->addWidget(Zoombox_, 1);
    resize(1000, 700);
    setWindowState(Qt::WindowMaximized);
}

void TDXF_Anzeige_Form::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!database_loaded) FormActivate();
}

void TDXF_Anzeige_Form::FormActivate() {
    database_loaded = true;
    Zoombox_->Anzeigen(entity_extents(DXF_main_));
}

void TDXF_Anzeige_Form::SaveButtonClick() {
    const auto wahl = dialoge_.DateiSpeichern(this, tr("QUORVEL® - DXF-Export"), QString(),
                                              {tr("Exportieren in DXF Format (*.dxf)")}, 0);
    if (!wahl || wahl->datei.isEmpty() || wahl->filter != 0) return;
    const Dateiergebnis ergebnis = sitzung_.DxfSpeichern(DXF_main_, Dateiname(wahl->datei).Bytes());
    if (!ergebnis && !ergebnis.grund.empty()) dialoge_.Hinweis(this, QString::fromStdString(ergebnis.grund));
}

bool TDXF_Anzeige_Form::LoadButtonClick() {
    const auto wahl = dialoge_.DateiOeffnen(this, tr("QUORVEL® - DXF-Import"), QString(),
                                            {tr("Importieren in DXF Format (*.dxf)")}, 0);
    if (!wahl || wahl->datei.isEmpty() || wahl->filter != 0) return false;
    return read_dxf_file(wahl->datei);
}

bool TDXF_Anzeige_Form::read_dxf_file(const QString& name) {
    DxfMeldungen meldungen(dialoge_, this);
    DXF_Object gelesen;
    const Dateiergebnis ergebnis = sitzung_.DxfLesen(Dateiname(name).Bytes(), meldungen, gelesen);
    if (!ergebnis) {
        dialoge_.Hinweis(this, QString::fromStdString(ergebnis.grund));
        return false;
    }
    DXF_main_ = std::move(gelesen);
    database_loaded = true;
    NichtDargestelltZeigen();
    Zoombox_->Anzeigen(stored_extents(DXF_main_));
    return true;
}

void TDXF_Anzeige_Form::NichtDargestelltZeigen() {
    const QStringList zeilen = DxfNichtDargestellt(DXF_main_.omissions);
    nichtDargestellt_->setText(zeilen.join(QStringLiteral("; ")));
    nichtDargestellt_->setToolTip(zeilen.join(QLatin1Char('\n')));
    nichtDargestellt_->setVisible(!zeilen.isEmpty());
}

void TDXF_Anzeige_Form::CopyClipButtonClick() {
    const Zoom_view& ansicht = Zoombox_->Ansicht();
    const QSize groesse(ansicht.area_width(), ansicht.area_height());
    QByteArray bild;
    QBuffer puffer(&bild);
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    QPainter painter(&svg);
    try {
        DxfZeichnen(painter, DXF_main_, ansicht);
    } catch (const Screen_range_error&) {
        return;
    }
    painter.end();
    auto* daten = new QMimeData;
    daten->setData(QStringLiteral("image/svg+xml"), bild);
    QApplication::clipboard()->setMimeData(daten);
}
