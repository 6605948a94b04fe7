#include "app/Skizzenbereich.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>

#include "app/Dialogdienst.h"
#include "app/TfrmZoom.h"
#include "model/TKAnwendung.h"
#include "model/TKModell.h"
#include "output/Skizzenbild.h"
#include "output/Skizzenzeichner.h"
#include "output/TKFarbe.h"

Skizzenbereich::Skizzenbereich(QWidget* parent) : QWidget(parent), menue_(new QMenu(this)) {
    menue_->setObjectName(QStringLiteral("popmnuSkizze"));
    menue_->addAction(tr("Skizze in &Zwischenablage"), this, &Skizzenbereich::InZwischenablage)
        ->setObjectName(QStringLiteral("popmnuInZwischenablage"));
    menue_->addAction(tr("Skizze in &Datei speichern"), this, &Skizzenbereich::InDateiSpeichern)
        ->setObjectName(QStringLiteral("popmnuInDatei"));
    menue_->addAction(tr("Skizze als &Vollbild darstellen"), this, &Skizzenbereich::AlsVollbild)
        ->setObjectName(QStringLiteral("popmnuVollbild"));
}

void Skizzenbereich::SetDaten(const TKModell* modell, const TKAnwendung* arbeitskopie, const TKFarbe* farbe) {
    modell_ = modell;
    arbeitskopie_ = arbeitskopie;
    farbe_ = farbe;
    Neuzeichnen();
}

void Skizzenbereich::SetDezimaltrenner(char trenner) {
    dezimaltrenner_ = trenner;
    Neuzeichnen();
}

void Skizzenbereich::Neuzeichnen() {
    bild_ = QImage();
    update();
    if (zoom_) zoom_->Neuzeichnen();
}

QImage Skizzenbereich::Skizzenbild() {
    if (bild_.isNull() || bild_.size() != size())
        bild_ = SkizzeAlsBild(size(), modell_, arbeitskopie_, farbe_, dezimaltrenner_);
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
    if (!modell_ || !arbeitskopie_ || !farbe_) return;
    SkizzeExportieren(this, DialogdienstOderQt(dienst_), *modell_, *arbeitskopie_, *farbe_, size(),
                      dezimaltrenner_);
}

void Skizzenbereich::AlsVollbild() {
    if (!modell_ || !arbeitskopie_ || !farbe_) return;
    TfrmZoom zoom(this, dienst_);
    zoom.SetDaten(modell_, arbeitskopie_, farbe_, dezimaltrenner_);
    zoom_ = &zoom;
    zoom.exec();
    zoom_ = nullptr;
}

Dialogdienst& DialogdienstOderQt(Dialogdienst* dienst) {
    static QtDialogdienst qt;
    return dienst ? *dienst : qt;
}

QImage SkizzeAlsBild(QSize groesse, const TKModell* modell, const TKAnwendung* anwendung,
                     const TKFarbe* farbe, char dezimaltrenner) {
    QImage bild(groesse.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    const TKFarbe standard;
    const TKFarbe& schema = farbe ? *farbe : standard;
    bild.fill(schema.GetFarbe(TKFarbe::Element::Hintergrund));
    if (!modell || !anwendung) return bild;
    QPainter canvas(&bild);
    Skizzenzeichner zeichner(canvas, schema, dezimaltrenner);
    SkizzeZeichnen(zeichner, modell->GetSkizzeAnzeige(), {0, 0, bild.width(), bild.height()}, *modell,
                   *anwendung);
    return bild;
}

void SkizzeExportieren(QWidget* parent, Dialogdienst& dienst, const TKModell& modell,
                       const TKAnwendung& anwendung, const TKFarbe& farbe, QSize vektorgroesse,
                       char dezimaltrenner) {
    const QStringList filter{QObject::tr("Exportieren in SVG Format (*.svg)"),
                             QObject::tr("Exportieren in Bitmap Format (*.bmp)"),
                             QObject::tr("Exportieren in JPeg Format (*.jpg)")};
    const auto wahl = dienst.DateiSpeichern(
        parent, QObject::tr("QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ - Ergebnisse Exportieren"),
        "*." + Endung(Bildtyp::Vektor), filter, 0);
    if (!wahl || wahl->datei.isEmpty()) return;
    const Bildtyp typ = BildtypAusFilter(wahl->filter);
    const QString datei = ExportDateiname(wahl->datei, typ);
    const bool eingabe = modell.GetSkizzeAnzeige() == TsSkizzeTyp::stEingabe;
    const QSize groesse = !eingabe                 ? QSize(1000, 1000)
                          : typ == Bildtyp::Vektor ? vektorgroesse
                                                   : QSize(500, 500);
    const Bildauftrag auftrag{modell,   anwendung, farbe,         TsSkizzeTyp::stEingabe,
                              !eingabe, groesse,   dezimaltrenner};
    if (const std::string fehler = SkizzeSpeichern(datei, auftrag); !fehler.empty())
        dienst.Hinweis(parent, QObject::tr("Die Datei %1 konnte nicht geschrieben werden: %2.")
                                   .arg(datei, QString::fromStdString(fehler)));
}
