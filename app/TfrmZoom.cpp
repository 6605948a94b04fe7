#include "app/TfrmZoom.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "app/Dialogdienst.h"
#include "app/Skizzenbereich.h"
#include "model/Umgebung.h"
#include "sitzung/Projektsitzung.h"

namespace {

// Shows the zoom window's picture at its own size, top left.
class Bildflaeche : public QWidget {
public:
    Bildflaeche(const QImage& bild, QWidget* parent) : QWidget(parent), bild_(bild) {}

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, bild_); }

private:
    const QImage& bild_;
};

}  // namespace

TfrmZoom::TfrmZoom(const Projektsitzung& sitzung, const TKFarbe& farbe, Dialogdienst& dienst, QWidget* parent)
    : QDialog(parent),
      sitzung_(sitzung),
      farbe_(farbe),
      dienst_(dienst),
      bereich_(new QScrollArea(this)),
      menue_(new QMenu(this)) {
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(tr("Zoom"));
    resize(444, 421);
    imgZoom_ = new Bildflaeche(bild_, bereich_);
    imgZoom_->setObjectName(QStringLiteral("imgZoom"));
    imgZoom_->setContextMenuPolicy(Qt::CustomContextMenu);
    bereich_->setWidget(imgZoom_);
    bereich_->setWidgetResizable(false);
    bereich_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(bereich_, 1);
    BaueSchalter();
    spalte->addWidget(pnlSchalter_);

    menue_->addAction(tr("Skizze in &Zwischenablage"), this, &TfrmZoom::Kopieren)
        ->setObjectName(QStringLiteral("popmnuInZwischenablage"));
    menue_->addAction(tr("Skizze in &Datei speichern"), this, &TfrmZoom::Exportieren)
        ->setObjectName(QStringLiteral("popmnuInDatei"));
    menue_->addAction(tr("Fenster &schliessen"), this, &QDialog::accept)
        ->setObjectName(QStringLiteral("popmnuSchliessen"));
    connect(imgZoom_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& punkt) { menue_->popup(imgZoom_->mapToGlobal(punkt)); });

    // The window sees the keys before its buttons and its picture do.
    for (QWidget* kind : findChildren<QWidget*>()) kind->installEventFilter(this);
}

// The mouse wheel over the picture zooms about the cursor: away from the user in, towards the user out.
bool TfrmZoom::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyPress && Taste(static_cast<QKeyEvent*>(ereignis))) return true;
    if (objekt == bereich_->viewport() && ereignis->type() == QEvent::Wheel) {
        const auto* rad = static_cast<QWheelEvent*>(ereignis);
        if (const int drehung = rad->angleDelta().y(); drehung != 0)
            UmPunktSkalieren(drehung > 0 ? 1.25 : 0.8, rad->position().toPoint());
        return true;
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void TfrmZoom::keyPressEvent(QKeyEvent* ereignis) {
    if (!Taste(ereignis)) QDialog::keyPressEvent(ereignis);
}

// Plus zooms in, minus zooms out, on the main keyboard and on the keypad alike.
bool TfrmZoom::Taste(const QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Plus) {
        ZoomIn();
        return true;
    }
    if (ereignis->key() == Qt::Key_Minus) {
        ZoomOut();
        return true;
    }
    return false;
}

void TfrmZoom::BaueSchalter() {
    pnlSchalter_ = new QWidget(this);
    pnlSchalter_->setObjectName(QStringLiteral("pnlSchalter"));
    auto* zeile = new QHBoxLayout(pnlSchalter_);
    const QString kopierHinweis = tr("Ergebnisausdruck in Zwischenablage kopieren");
    struct Schalter {
        const char* name;
        QString text;
        QString hinweis;
        void (TfrmZoom::*aktion)();
    };
    const Schalter schalter[] = {
        {"btnInZwischenablage", tr("&Kopieren"), kopierHinweis, &TfrmZoom::Kopieren},
        {"btnInDatei", tr("&Exportieren"), tr("Ergebnisausdruck in Datei exportieren"),
         &TfrmZoom::Exportieren},
        {"bntSchliessen", tr("&Schliessen"), tr("Fenster schliessen"), nullptr},
        {"btnZoomIn", tr("Zoom &in (+)"), kopierHinweis, &TfrmZoom::ZoomIn},
        {"btnZoomOut", tr("Zoom out (-)"), kopierHinweis, &TfrmZoom::ZoomOut},
    };
    for (const Schalter& s : schalter) {
        auto* knopf = new QPushButton(s.text, pnlSchalter_);
        knopf->setObjectName(QString::fromLatin1(s.name));
        knopf->setToolTip(s.hinweis);
        knopf->setStatusTip(s.hinweis);
        knopf->setAutoDefault(false);
        if (s.aktion)
            connect(knopf, &QPushButton::clicked, this, s.aktion);
        else
            connect(knopf, &QPushButton::clicked, this, &QDialog::accept);
        zeile->addWidget(knopf);
    }
    zeile->addStretch(1);
}

void TfrmZoom::Neuzeichnen() {
    bild_ = SkizzeAlsBild(bild_.size().expandedTo(QSize(1, 1)), sitzung_.Modell(), sitzung_.Arbeitskopie(),
                          farbe_, sitzung_.GetUmgebung().Dezimaltrenner());
    imgZoom_->resize(bild_.size());
    imgZoom_->update();
}

void TfrmZoom::SetBildgroesse(QSize groesse) {
    bild_ = QImage(groesse.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    Neuzeichnen();
}

// The picture starts at the client size.
void TfrmZoom::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    SetBildgroesse(bereich_->viewport()->size());
}

// A larger window enlarges the picture to the client size; it never shrinks on resize.
void TfrmZoom::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const QSize client = bereich_->viewport()->size();
    if (bild_.width() < client.width() || bild_.height() < client.height())
        SetBildgroesse(bild_.size().expandedTo(client));
}

void TfrmZoom::Skalieren(double faktor) {
    const QSize neu(static_cast<int>(std::lround(bild_.width() * faktor)),
                    static_cast<int>(std::lround(bild_.height() * faktor)));
    if (neu.width() > MaxSeite || neu.height() > MaxSeite) return;
    SetBildgroesse(neu);
}

void TfrmZoom::UmPunktSkalieren(double faktor, QPoint punkt) {
    QScrollBar* h = bereich_->horizontalScrollBar();
    QScrollBar* v = bereich_->verticalScrollBar();
    const QPointF imBild(h->value() + punkt.x(), v->value() + punkt.y());
    const QSize vorher = bild_.size();
    Skalieren(faktor);
    h->setValue(qRound(imBild.x() * bild_.width() / vorher.width() - punkt.x()));
    v->setValue(qRound(imBild.y() * bild_.height() / vorher.height() - punkt.y()));
}

void TfrmZoom::ZoomIn() {
    Skalieren(1.25);
}

void TfrmZoom::ZoomOut() {
    Skalieren(0.8);
}

void TfrmZoom::Kopieren() {
    QGuiApplication::clipboard()->setImage(bild_);
}

void TfrmZoom::Exportieren() {
    SkizzeExportieren(this, dienst_, sitzung_.Modell(), sitzung_.Arbeitskopie(), farbe_, bild_.size(),
                      sitzung_.GetUmgebung().Dezimaltrenner());
}
