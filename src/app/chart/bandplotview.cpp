#include "app/chart/bandplotview.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace app {

namespace {

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t),
                            float(a.greenF() * (1 - t) + b.greenF() * t),
                            float(a.blueF() * (1 - t) + b.blueF() * t));
}

QColor hue(int h, const QPalette& palette) {
    return QColor::fromHsl(h, 200, palette.color(QPalette::Base).lightness() < 128 ? 175 : 85);
}

QPen pen(const QColor& c, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen p(c, width, style);
    p.setCosmetic(true);
    return p;
}

// The SWR axis stops here: an SWR above it is drawn at the top edge.
constexpr double kSwrCeiling = 25.0;

struct Series {
    std::function<double(const BandSample&)> value;
    QColor colour;
    QString caption;
};

using DrawnTexts = std::vector<BandPlotView::DrawnText>;

// Draws a text and keeps where it stands.
void drawKept(QPainter& p, const QRectF& rect, int flags, const QString& s, DrawnTexts& drawn) {
    QRectF bounds;
    p.drawText(rect, flags, s, &bounds);
    drawn.push_back({s, bounds});
}

void plot(QPainter& p, const QRectF& box, const QPalette& pal, const QString& title,
          const std::vector<BandSample>& s, double panelMhz, const std::vector<Series>& series, double yFloor,
          double yCeiling, DrawnTexts& drawn) {
    const QColor text = pal.color(QPalette::Text);
    const QColor base = pal.color(QPalette::Base);
    const QFontMetricsF fm(p.font());
    const double h = fm.height();
    // The captions of the curves at the top right, beside the title where they fit, else on a line below.
    double captions = 0;
    for (const Series& ser : series)
        captions += fm.horizontalAdvance(ser.caption) + 4 + 8;
    const bool captionsBelow = fm.horizontalAdvance(title) + 12 + captions > box.width();
    const double captionTop = captionsBelow ? box.top() + h : box.top();
    const double f0 = s.front().mhz, f1 = std::max(s.back().mhz, s.front().mhz + 1e-9);
    double lo = yFloor, hi = yFloor;
    for (const BandSample& b : s)
        for (const Series& ser : series) {
            const double v = ser.value(b);
            if (std::isfinite(v))
                hi = std::max(hi, std::min(v, yCeiling));
        }
    if (hi <= lo)
        hi = lo + 1;
    hi += (hi - lo) * 0.05;
    // The values' labels left of the plot, as wide as the widest of them.
    const std::vector<double> valueTicks = axisTicks(lo, hi, 5);
    double labelWidth = fm.horizontalAdvance(QStringLiteral("00.00"));
    for (double t : valueTicks)
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(QString::number(t, 'g', 4)));
    const QRectF plotArea(QPointF(box.left() + labelWidth + 8, captionTop + h * 1.3),
                          QPointF(box.right() - 6, box.bottom() - h * 1.4));
    if (plotArea.width() < 20 || plotArea.height() < 20)
        return;
    p.setPen(text);
    drawKept(p, QRectF(box.left(), box.top(), box.width(), h), Qt::AlignLeft | Qt::AlignTop, title, drawn);

    const auto X = [&](double f) { return plotArea.left() + (f - f0) / (f1 - f0) * plotArea.width(); };
    const auto Y = [&](double v) {
        v = std::isfinite(v) ? std::clamp(v, lo, hi) : hi;
        return plotArea.bottom() - (v - lo) / (hi - lo) * plotArea.height();
    };

    // Grid and tick labels.
    const QColor grid = mix(base, text, 0.25);
    for (double t : valueTicks) {
        p.setPen(pen(grid, 1.0));
        p.drawLine(QPointF(plotArea.left(), Y(t)), QPointF(plotArea.right(), Y(t)));
        p.setPen(text);
        drawKept(p, QRectF(box.left(), Y(t) - h / 2, plotArea.left() - box.left() - 4, h),
                 Qt::AlignRight | Qt::AlignVCenter, QString::number(t, 'g', 4), drawn);
    }
    // Frequency labels centred under their lines, kept right of the values' labels and inside the box; one
    // that would run into the label before it is left out.
    double labelsEnd = box.left() - 1e9;
    for (double t : axisTicks(f0, f1, 4)) {
        p.setPen(pen(grid, 1.0));
        p.drawLine(QPointF(X(t), plotArea.top()), QPointF(X(t), plotArea.bottom()));
        const QString label = QString::number(t, 'g', 6);
        const double w = fm.horizontalAdvance(label) + 4;
        const double x = std::clamp(X(t) - w / 2, plotArea.left() - 3, std::max(box.left(), box.right() - w));
        if (x < labelsEnd + fm.horizontalAdvance(QLatin1Char(' ')))
            continue;
        p.setPen(text);
        drawKept(p, QRectF(x, plotArea.bottom() + 2, w, h), Qt::AlignCenter, label, drawn);
        labelsEnd = x + w;
    }
    p.setPen(pen(mix(base, text, 0.6), 1.0));
    p.drawRect(plotArea);

    // The panel's frequency.
    if (panelMhz >= f0 && panelMhz <= f1) {
        p.setPen(pen(text, 1.0, Qt::DashLine));
        p.drawLine(QPointF(X(panelMhz), plotArea.top()), QPointF(X(panelMhz), plotArea.bottom()));
    }

    // The curves, clipped to the plot, and their captions at the top right.
    p.save();
    p.setClipRect(plotArea.adjusted(-1, -1, 1, 1));
    for (const Series& ser : series) {
        QPolygonF poly;
        poly.reserve(int(s.size()));
        for (const BandSample& b : s)
            poly << QPointF(X(b.mhz), Y(ser.value(b)));
        p.setPen(pen(ser.colour, 1.5));
        if (poly.size() == 1)
            p.drawEllipse(poly.front(), 2, 2);
        else
            p.drawPolyline(poly);
    }
    p.restore();
    double right = box.right() - 4;
    for (auto it = series.rbegin(); it != series.rend(); ++it) {
        const double w = fm.horizontalAdvance(it->caption) + 4;
        p.setPen(it->colour);
        drawKept(p, QRectF(right - w, captionTop, w, h), Qt::AlignRight | Qt::AlignTop, it->caption, drawn);
        right -= w + 8;
    }
}

} // namespace

std::vector<double> axisTicks(double lo, double hi, int count) {
    std::vector<double> ticks;
    if (!(hi > lo) || count < 1 || !std::isfinite(lo) || !std::isfinite(hi))
        return ticks;
    const double raw = (hi - lo) / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw) {
            step = m * power;
            break;
        }
    for (double t = std::ceil(lo / step - 1e-9) * step; t <= hi + step * 1e-9; t += step)
        ticks.push_back(std::abs(t) < step * 1e-9 ? 0.0 : t);
    return ticks;
}

BandPlotView::BandPlotView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("SWR e perdita nella banda"));
}

void BandPlotView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(tr("SWR e perdita nella banda"));
        update(); // the titles and captions are drawn in the language of the moment
    }
}

void BandPlotView::setBand(std::vector<BandSample> samples, double panelMhz) {
    samples_ = std::move(samples);
    panelMhz_ = panelMhz;
    update();
}

void BandPlotView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    render(p, QRectF(rect()), palette());
}

void BandPlotView::render(QPainter& p, const QRectF& rect, const QPalette& pal) const {
    p.save();
    drawn_.clear();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(rect, pal.color(QPalette::Base));
    if (samples_.empty()) {
        p.setPen(pal.color(QPalette::Text));
        p.drawText(rect.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                   tr("Importare uno sweep a una porta nel pannello della linea per vedere la banda."));
        p.restore();
        return;
    }
    const QRectF top(rect.left() + 4, rect.top() + 4, rect.width() - 8, rect.height() / 2 - 6);
    const QRectF bottom(rect.left() + 4, rect.center().y() + 2, rect.width() - 8, rect.height() / 2 - 6);
    plot(p, top, pal, QStringLiteral("SWR - MHz"), samples_, panelMhz_,
         {{[](const BandSample& b) { return b.swrMeasured; }, hue(180, pal), tr("misurato")},
          {[](const BandSample& b) { return b.swrMoved; }, hue(330, pal), tr("lontano")}},
         1.0, kSwrCeiling, drawn_);
    plot(p, bottom, pal, tr("Perdita totale (dB) - MHz"), samples_, panelMhz_,
         {{[](const BandSample& b) { return b.totalLossDb; }, hue(30, pal), tr("perdita")}}, 0.0, 1e9,
         drawn_);
    p.restore();
}

} // namespace app
