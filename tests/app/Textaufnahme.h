#pragma once

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QSize>
#include <QTextItem>
#include <QTransform>
#include <vector>

// A text as a painter drew it: where it stands on the device, how large it is.
struct Gezeichneter {
    QString text;
    QRectF box;  // device pixels
    double punkte;
};

// A paint device that draws nothing and keeps every text drawn on it with its box, so a test can measure
// texts against the page column, the picture or each other.
class Textaufnahme : public QPaintDevice {
public:
    Textaufnahme(QSize groesse, int dpi = 96) : groesse_(groesse), dpi_(dpi), maschine_(*this) {}
    QPaintEngine* paintEngine() const override { return &maschine_; }
    const std::vector<Gezeichneter>& Texte() const { return maschine_.texte; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return groesse_.width();
            case PdmHeight:
                return groesse_.height();
            case PdmWidthMM:
                return qRound(groesse_.width() * 25.4 / dpi_);
            case PdmHeightMM:
                return qRound(groesse_.height() * 25.4 / dpi_);
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return dpi_;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return QPaintDevice::metric(m);
        }
    }

private:
    class Maschine : public QPaintEngine {
    public:
        explicit Maschine(QPaintDevice& geraet) : QPaintEngine(AllFeatures), geraet_(geraet) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& zustand) override {
            if (zustand.state() & DirtyTransform) transform_ = zustand.transform();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawLines(const QLineF*, int) override {}
        void drawRects(const QRectF*, int) override {}
        void drawEllipse(const QRectF&) override {}
        void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
        void drawTextItem(const QPointF& punkt, const QTextItem& text) override {
            const QFontMetricsF masse(text.font(), &geraet_);
            const QRectF box(punkt.x(), punkt.y() - masse.ascent(), masse.horizontalAdvance(text.text()),
                             masse.ascent() + masse.descent());
            texte.push_back({text.text(), transform_.mapRect(box), text.font().pointSizeF()});
        }
        Type type() const override { return User; }

        std::vector<Gezeichneter> texte;

    private:
        QPaintDevice& geraet_;
        QTransform transform_;
    };

    QSize groesse_;
    int dpi_;
    mutable Maschine maschine_;
};
