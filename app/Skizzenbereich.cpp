#include "app/Skizzenbereich.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>

#include "app/Dialogdienst.h"
#include "app/Exportdialog.h"
#include "app/TfrmZoom.h"
#include "model/TKAnwendung.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"
#include "output/Skizzenbild.h"
#include "output/Skizzenzeichner.h"
#include "output/TKFarbe.h"
#include "sitzung/Projektsitzung.h"

Skizzenbereich::Skizzenbereich(const Projektsitzung& sitzung, const TKFarbe& farbe, Dialogdienst& dienst,
                               QWidget* parent)
    : QWidget(parent), sitzung_(sitzung), farbe_(farbe), dienst_(dienst), menue_(new QMenu(this)) {
    menue_->setObjectName(QStringLiteral("popmnuSkizze"));
    menue_->addAction(tr("Skizze in &Zwischenablage"), this, &Skizzenbereich::InZwischenablage)
        ->setObjectName(QStringLiteral("popmnuInZwischenablage"));
    menue_->addAction(tr("Skizze in &Datei speichern"), this, &Skizzenbereich::InDateiSpeichern)
        ->setObjectName(QStringLiteral("popmnuInDatei"));
    menue_->addAction(tr("Skizze als &Vollbild darstellen"), this, &Skizzenbereich::AlsVollbild)
        ->setObjectName(QStringLiteral("popmnuVollbild"));
}

void Skizzenbereich::Neuzeichnen() {
    bild_ = QImage();
    update();
    if (zoom_) zoom_->Neuzeichnen();
}

QImage Skizzenbereich::Skizzenbild() {
    if (bild_.isNull() || bild_.size() != size())
        bild_ = SkizzeAlsBild(size(), sitzung_.Modell(), sitzung_.Arbeitskopie(), farbe_,
                              sitzung_.GetUmgebung().Dezimaltrenner());
    return bild_;
}

void Skizzenbereich::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, Skizzenbild());
}

void Skizzenbereich::resizeEvent(QResizeEvent*) {
    bild_ = QImage();
}

// Any button opens the sketch menu: the right one through the context menu event, the others here.
void Skizzenbereich::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) menue_->popup(event->globalPosition().toPoint());
}

void Skizzenbereich::contextMenuEvent(QContextMenuEvent* event) {
    menue_->popup(event->globalPos());
}

void Skizzenbereich::InZwischenablage() {
    QGuiApplication::clipboard()->setImage(Skizzenbild());
}

void Skizzenbereich::InDateiSpeichern() {
    SkizzeExportieren(this, dienst_, sitzung_.Modell(), sitzung_.Arbeitskopie(), farbe_, size(),
                      sitzung_.GetUmgebung().Dezimaltrenner());
}

void Skizzenbereich::AlsVollbild() {
    TfrmZoom zoom(sitzung_, farbe_, dienst_, this);
    zoom_ = &zoom;
    zoom.exec();
    zoom_ = nullptr;
}

QImage SkizzeAlsBild(QSize groesse, const TKModell& modell, const TKAnwendung& anwendung,
                     const TKFarbe& farbe, char dezimaltrenner) {
    QImage bild(groesse.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    bild.fill(farbe.GetFarbe(TKFarbe::Element::Hintergrund));
    QPainter canvas(&bild);
    Skizzenzeichner zeichner(canvas, farbe, dezimaltrenner);
    SkizzeZeichnen(zeichner, modell.GetSkizzeAnzeige(), {0, 0, bild.width(), bild.height()}, modell,
                   anwendung);
    return bild;
}

void SkizzeExportieren(QWidget* parent, Dialogdienst& dienst, const TKModell& modell,
                       const TKAnwendung& anwendung, const TKFarbe& farbe, QSize vektorgroesse,
                       char dezimaltrenner) {
    const auto wahl = ExportdateiWaehlen(parent, dienst);
    if (!wahl) return;
    const QString& datei = wahl->datei;
    const bool eingabe = modell.GetSkizzeAnzeige() == TsSkizzeTyp::stEingabe;
    const bool vektor = Format(wahl->format).art == Schreibart::Vektorbild;
    const QSize groesse = !eingabe ? QSize(1000, 1000) : vektor ? vektorgroesse : QSize(500, 500);
    const Bildauftrag auftrag{modell,   anwendung, farbe,         TsSkizzeTyp::stEingabe,
                              !eingabe, groesse,   dezimaltrenner};
    if (const QString fehler = SkizzeSpeichern(datei, wahl->format, auftrag); !fehler.isEmpty())
        dienst.Hinweis(parent, DateifehlerText(datei, fehler));
}
