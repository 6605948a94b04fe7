#include "app/Zoom_panel.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>

namespace {

constexpr int Rand = 20;
constexpr int ErsteWiederholung = 500;  // ms until a held zoom button repeats
constexpr int Wiederholung = 25;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

Screen_Point Punkt(QPoint p) {
    return {p.x(), p.y()};
}

QLabel* Beschriftung(const QColor& farbe, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFont(QFont(QStringLiteral("Arial")));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, farbe);
    label->setPalette(palette);
    return label;
}

}  // namespace

Zoom_panel::Zoom_panel(char dezimaltrenner, QWidget* parent) : QWidget(parent), trenner_(dezimaltrenner) {
    setObjectName(QStringLiteral("Zoombox"));
    ClientArea_ = new QWidget(this);
    ClientArea_->setObjectName(QStringLiteral("ClientArea"));
    ClientArea_->setCursor(Qt::CrossCursor);
    ClientArea_->setMouseTracking(true);
    ClientArea_->setAttribute(Qt::WA_OpaquePaintEvent);
    ClientArea_->installEventFilter(this);
    hBar_ = new QScrollBar(Qt::Horizontal, this);
    vBar_ = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar* bar : {hBar_, vBar_}) {
        bar->setTracking(false);
        connect(bar, &QScrollBar::valueChanged, this,
                [this, bar](int wert) { ScrollBars_Scroll(bar, wert); });
    }
    btnZoomOut_ = Knopf("btnZoomOut", QStringLiteral("−"), tr("Verkleinern"));
    btnZoomIn_ = Knopf("btnZoomIn", QStringLiteral("+"), tr("Vergrößern"));
    btnZoomLast_ = Knopf("btnZoomLast", QStringLiteral("◄"), tr("Letzte Ansicht"));
    btnZoomReset_ = Knopf("btnZoomReset", QStringLiteral("□"), tr("Gesamtansicht"));
    for (QToolButton* knopf : {btnZoomOut_, btnZoomIn_}) {
        connect(knopf, &QToolButton::pressed, this, [this, knopf] { Zoom_mousedown(knopf); });
        connect(knopf, &QToolButton::released, this, &Zoom_panel::Zoom_mouseup);
    }
    connect(btnZoomLast_, &QToolButton::clicked, this, &Zoom_panel::Zoom_last);
    connect(btnZoomReset_, &QToolButton::clicked, this, [this] { Zoom_in_out(btnZoomReset_); });
    Coords_ = Beschriftung(Qt::darkBlue, this);
    Coords_->setObjectName(QStringLiteral("Coords"));
    Coords_->setText(QStringLiteral("X= 0.000  Y= 0.000"));
    Zoomtext_ = Beschriftung(Qt::darkRed, this);
    Zoomtext_->setObjectName(QStringLiteral("Zoomtext"));
    Zoomtext_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Zoomtext_->setText(Text(view_.zoom_text(trenner_)));
    zoomtimer_ = new QTimer(this);
    connect(zoomtimer_, &QTimer::timeout, this, &Zoom_panel::Zoom_timer_event);
    ScrollBarsAktualisieren();
}

QToolButton* Zoom_panel::Knopf(const char* name, const QString& text, const QString& hinweis) {
    auto* knopf = new QToolButton(this);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setText(text);
    knopf->setToolTip(hinweis);
    return knopf;
}

QString Zoom_panel::Zoomtext() const {
    return Zoomtext_->text();
}

QString Zoom_panel::Koordinatentext() const {
    return Coords_->text();
}

void Zoom_panel::Anzeigen(const View_extents& extents) {
    gesamt_ = extents;
    view_.set_area(ClientArea_->width(), ClientArea_->height());
    view_.set_parameters(extents.emin.x, extents.emax.x, extents.emin.y, extents.emax.y, Rand, Rand);
    Ansichtgeaendert();
}

// The strip along the bottom holds the horizontal bar, the four buttons and the labels; the strip on the
// right the vertical bar; the paint area fills the rest.
void Zoom_panel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int sbh = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int sbw = sbh;
    const int unten = height() - 2 * sbh;
    const int knopfBreite = 2 * sbw;
    const int balken = std::max(width() - 8 * sbw, 0);
    hBar_->setGeometry(0, unten, balken, sbh);
    int x = balken;
    for (QToolButton* knopf : {btnZoomOut_, btnZoomIn_, btnZoomLast_, btnZoomReset_}) {
        knopf->setGeometry(x, unten, knopfBreite, 2 * sbh);
        x += knopfBreite;
    }
    Coords_->setGeometry(8, unten + sbh, std::max(balken - 8 - 3 * knopfBreite, 0), sbh);
    Zoomtext_->setGeometry(balken - 3 * knopfBreite, unten + sbh, 2 * knopfBreite, sbh);
    vBar_->setGeometry(width() - sbw, 0, sbw, std::max(unten, 0));
    ClientArea_->setGeometry(0, 0, std::max(width() - sbw, 0), std::max(unten, 0));
}

void Zoom_panel::Ansichtgeaendert() {
    Zoomtext_->setText(Text(view_.zoom_text(trenner_)));
    ScrollBarsAktualisieren();
    bildGueltig_ = false;
    ClientArea_->update();
}

// The bars show the centre of the view over the full view, in positions 0 … 1000 with the view's page.
void Zoom_panel::ScrollBarsAktualisieren() {
    const QSignalBlocker sperreH(hBar_), sperreV(vBar_);
    for (auto [bar, stand, wert] : {std::tuple{hBar_, view_.horizontal_bar(), &hWert_},
                                    std::tuple{vBar_, view_.vertical_bar(), &vWert_}}) {
        const int seite = std::clamp(stand.page, 1, 1000);
        bar->setRange(0, 1000 - seite);
        bar->setPageStep(seite);
        bar->setValue(std::clamp(stand.position - seite / 2, 0, 1000 - seite));
        *wert = bar->value();
    }
}

void Zoom_panel::ScrollBars_Scroll(QScrollBar* bar, int wert) {
    int& alt = bar == hBar_ ? hWert_ : vWert_;
    const int e = wert - alt;
    alt = wert;
    if (e == 0 || !view_.initialized()) return;
    gesamt_.reset();
    if (bar == hBar_)
        view_.scroll_horizontal(e, bar->pageStep());
    else
        view_.scroll_vertical(e, bar->pageStep());
    Ansichtgeaendert();
}

void Zoom_panel::Zoom_in_out(QToolButton* Sender) {
    if (!view_.initialized()) return;
    gesamt_.reset();
    if (Sender == btnZoomOut_)
        view_.zoom_out();
    else if (Sender == btnZoomIn_)
        view_.zoom_in();
    else
        view_.zoom_reset();
    Ansichtgeaendert();
}

// Away from the user zooms in, towards the user out, about the point under the cursor.
void Zoom_panel::Mouse_Wheel(QWheelEvent* event) {
    const int drehung = event->angleDelta().y();
    if (!view_.initialized() || drehung == 0) return;
    gesamt_.reset();
    const QPoint p = event->position().toPoint();
    view_.Zoom_about(drehung > 0 ? 1 / Zoom_view::zoom_factor : Zoom_view::zoom_factor, {p.x(), p.y()});
    Ansichtgeaendert();
}

void Zoom_panel::Zoom_last() {
    if (!view_.initialized()) return;
    gesamt_.reset();
    view_.Zoom_last();
    Ansichtgeaendert();
}

void Zoom_panel::ReCentre(int mx, int my) {
    if (!view_.initialized()) return;
    gesamt_.reset();
    view_.ReCentre(mx, my);
    Ansichtgeaendert();
}

void Zoom_panel::Zoom_mousedown(QToolButton* knopf) {
    Zooming_in = knopf == btnZoomIn_;
    Zooming_out = knopf == btnZoomOut_;
    zoomtimer_->start(ErsteWiederholung);
    Zoom_in_out(knopf);
}

void Zoom_panel::Zoom_mouseup() {
    Zooming_in = Zooming_out = false;
    zoomtimer_->stop();
}

void Zoom_panel::Zoom_timer_event() {
    zoomtimer_->setInterval(Wiederholung);
    if (Zooming_in) Zoom_in_out(btnZoomIn_);
    if (Zooming_out) Zoom_in_out(btnZoomOut_);
}

bool Zoom_panel::eventFilter(QObject* objekt, QEvent* event) {
    if (objekt != ClientArea_) return QWidget::eventFilter(objekt, event);
    switch (event->type()) {
        case QEvent::Paint:
            WMPaint();
            return true;
        case QEvent::Resize:
            view_.set_area(ClientArea_->width(), ClientArea_->height());
            if (gesamt_) Anzeigen(*gesamt_);
            bildGueltig_ = false;
            return false;
        case QEvent::MouseButtonPress:
            Mouse_Down(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseMove:
            Mouse_Move(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            Mouse_Up(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::Wheel:
            Mouse_Wheel(static_cast<QWheelEvent*>(event));
            return true;
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                ReCentre(Ini_Point.x(), Ini_Point.y());
            return true;
        default:
            return false;
    }
}

// A view that takes a point beyond the screen range is given up for the view before it.
void Zoom_panel::Zeichnen() {
    bild_ = QImage(ClientArea_->size(), QImage::Format_RGB32);
    bild_.fill(Qt::white);
    bildGueltig_ = true;
    if (!FOnPaint || !view_.initialized()) return;
    for (;;) {
        QPainter painter(&bild_);
        try {
            FOnPaint(painter, view_);
            return;
        } catch (const Screen_range_error&) {
            painter.end();
            if (!view_.restore_previous()) return;
            Zoomtext_->setText(Text(view_.zoom_text(trenner_)));
            ScrollBarsAktualisieren();
            bild_.fill(Qt::white);
        }
    }
}

void Zoom_panel::WMPaint() {
    if (!bildGueltig_ || bild_.size() != ClientArea_->size()) Zeichnen();
    QPainter painter(ClientArea_);
    painter.drawImage(0, 0, bild_);
    if (!zooming_rect) return;
    painter.setPen(QPen(Qt::red, 1, Qt::DashDotDotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(Ini_Point, Old_Point).normalized());
}

void Zoom_panel::Mouse_Down(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    zooming_rect = true;
    Ini_Point = Old_Point = event->position().toPoint();
    ClientArea_->update();
}

void Zoom_panel::Mouse_Move(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (view_.initialized()) Coords_->setText(Text(view_.coords_text(Punkt(p), trenner_)));
    if (!zooming_rect) return;
    Old_Point = p;
    ClientArea_->update();
}

void Zoom_panel::Mouse_Up(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !zooming_rect) return;
    zooming_rect = false;
    Old_Point = event->position().toPoint();
    if (view_.zoom_window(Punkt(Ini_Point), Punkt(Old_Point))) {
        gesamt_.reset();
        Ansichtgeaendert();
    }
    ClientArea_->update();
}
