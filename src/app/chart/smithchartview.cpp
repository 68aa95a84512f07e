#include "app/chart/smithchartview.h"

#include "chart/smithgeometry.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace app {

namespace geom = chart::geom;

namespace {

constexpr double kGridValues[] = {0.2, 0.5, 1.0, 2.0, 5.0};
constexpr double kMarkerRadius = 4.5;  // pixels
constexpr double kMarkerPickRange = 7; // pixels

// The disc of the unit circle inside a rectangle, with room around it for the reactance labels.
struct Disc {
    QPointF centre;
    double radius;
    QPointF at(Complex gamma) const {
        return {centre.x() + radius * gamma.real(), centre.y() - radius * gamma.imag()};
    }
    QRectF box(const geom::Circle& c) const {
        return {centre.x() + radius * (c.centre.real() - c.radius),
                centre.y() - radius * (c.centre.imag() + c.radius), 2 * radius * c.radius,
                2 * radius * c.radius};
    }
};

Disc discIn(const QRectF& rect, const QFont& font) {
    const double margin = QFontMetricsF(font).height() * 1.6 + 4;
    const double radius = std::max(10.0, std::min(rect.width(), rect.height()) / 2 - margin);
    return {rect.center(), radius};
}

bool darkPalette(const QPalette& palette) {
    return palette.color(QPalette::Base).lightness() < 128;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t),
                            float(a.greenF() * (1 - t) + b.greenF() * t),
                            float(a.blueF() * (1 - t) + b.blueF() * t));
}

// A hue in a lightness that reads well on the palette's background: lighter on a dark one.
QColor hue(int h, const QPalette& palette) {
    return QColor::fromHsl(h, 200, darkPalette(palette) ? 175 : 85);
}

struct MarkerStyle {
    const char* name;
    int hue;
    const char* caption;
};
constexpr MarkerStyle kMarkerStyles[] = {
    {"point", 210, QT_TRANSLATE_NOOP("app::SmithChartView", "Punto")},
    {"line.measured", 30, QT_TRANSLATE_NOOP("app::SmithChartView", "Linea: punto misurato")},
    {"line.far", 0, QT_TRANSLATE_NOOP("app::SmithChartView", "Linea: punto lontano")},
    {"tuner.antenna", 120, QT_TRANSLATE_NOOP("app::SmithChartView", "Tuner: antenna")},
    {"tuner.input", 55, QT_TRANSLATE_NOOP("app::SmithChartView", "Tuner: ingresso RTX")},
};
constexpr int kLineHue = 15, kMeasuredSweepHue = 180, kMovedSweepHue = 330, kMatchHue = 285;

const MarkerStyle* styleOf(const std::string& name) {
    for (const MarkerStyle& s : kMarkerStyles)
        if (name == s.name)
            return &s;
    return nullptr;
}

QColor markerColour(const std::string& name, const QPalette& palette) {
    const MarkerStyle* s = styleOf(name);
    return s ? hue(s->hue, palette) : palette.color(QPalette::Text);
}

QPen pen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen p(colour, width, style);
    p.setCosmetic(true); // the same thickness at any scale of the drawing
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

QString numberText(double v) {
    // Grid labels: the shortest form of 0.2, 0.5, 1, 2, 5.
    return QString::number(v, 'g', 3);
}

void drawPolyline(QPainter& p, const Disc& d, const std::vector<Complex>& zs, double z0) {
    if (zs.size() < 2)
        return;
    QPolygonF poly;
    poly.reserve(int(zs.size()));
    for (const Complex& z : zs)
        poly << d.at(num::reflection(z, z0));
    p.drawPolyline(poly);
}

} // namespace

QString markerCaption(const std::string& name) {
    const MarkerStyle* s = styleOf(name);
    return s ? SmithChartView::tr(s->caption) : QString::fromStdString(name);
}

SmithChartView::SmithChartView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Carta di Smith"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SmithChartView::setContent(ChartContent content) {
    content_ = std::move(content);
    update();
}

void SmithChartView::setReference(double ohm) {
    if (!(ohm > 0) || !std::isfinite(ohm) || ohm == reference_)
        return;
    reference_ = ohm;
    setReadout({});
    update();
}

void SmithChartView::setAdmittanceGrid(bool on) {
    admittance_ = on;
    update();
}

void SmithChartView::setSwrCircles(bool on) {
    swrCircles_ = on;
    update();
}

QPointF SmithChartView::toWidget(Complex z) const {
    return discIn(QRectF(rect()), font()).at(num::reflection(z, reference_));
}

Complex SmithChartView::reflectionAt(QPointF position) const {
    const Disc d = discIn(QRectF(rect()), font());
    return {(position.x() - d.centre.x()) / d.radius, (d.centre.y() - position.y()) / d.radius};
}

int SmithChartView::markerAt(QPointF position) const {
    int found = -1;
    double best = kMarkerPickRange;
    for (int i = 0; i < int(content_.markers.size()); ++i) {
        const QPointF m = toWidget(content_.markers[size_t(i)].z);
        const double dist = std::hypot(m.x() - position.x(), m.y() - position.y());
        if (dist <= best) {
            best = dist;
            found = i;
        }
    }
    return found;
}

QString SmithChartView::markerToolTip(int index) const {
    if (index < 0 || index >= int(content_.markers.size()))
        return {};
    const ChartMarker& m = content_.markers[size_t(index)];
    const geom::Readout r = geom::readout(num::reflection(m.z, reference_), reference_);
    return markerCaption(m.name) + QLatin1Char('\n') + QString::fromStdString(geom::impedanceText(r)) +
           QLatin1Char('\n') + QString::fromStdString(geom::reflectionText(r)) + QLatin1Char('\n') +
           tr("(Rif. %1 ohm)").arg(reference_);
}

void SmithChartView::setReadout(const QString& text) {
    if (text == readout_)
        return;
    readout_ = text;
    emit readoutChanged(readout_);
}

void SmithChartView::mouseMoveEvent(QMouseEvent* event) {
    const Complex g = reflectionAt(event->position());
    if (std::abs(g) > 1.0) {
        setReadout({});
    } else {
        const geom::Readout r = geom::readout(g, reference_);
        setReadout(QString::fromStdString(geom::impedanceText(r)) + QLatin1Char('\n') +
                   QString::fromStdString(geom::reflectionText(r)));
    }
    QWidget::mouseMoveEvent(event);
}

void SmithChartView::leaveEvent(QEvent* event) {
    setReadout({});
    QWidget::leaveEvent(event);
}

// The legend and the tool tips are made in the language of the moment; the picture is drawn again.
void SmithChartView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(tr("Carta di Smith"));
        update();
    }
}

bool SmithChartView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int i = markerAt(help->pos());
        if (i >= 0)
            QToolTip::showText(help->globalPos(), markerToolTip(i), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void SmithChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    render(p, QRectF(rect()), palette());
}

namespace {

// The colours of the grid, on the palette's base.
struct GridColours {
    QColor base, text, major, minor;
    explicit GridColours(const QPalette& palette)
        : base(palette.color(QPalette::Base)), text(palette.color(QPalette::Text)),
          major(mix(base, text, 0.45)), minor(mix(base, text, 0.3)) {}
};

// The admittance grid, under the impedance grid, in a tint of its own and dashed.
void drawAdmittanceGrid(QPainter& p, const Disc& d, const GridColours& c, const QPalette& palette) {
    p.setPen(pen(mix(c.base, hue(200, palette), 0.55), 1.0, Qt::DashLine));
    for (double g : kGridValues)
        p.drawEllipse(d.box(geom::conductanceCircle(g)));
    for (double b : kGridValues)
        for (double sign : {1.0, -1.0}) {
            const geom::Arc a = geom::susceptanceArc(sign * b);
            p.drawArc(d.box(geom::susceptanceCircle(sign * b)), int(std::lround(a.startDeg * 16)),
                      int(std::lround(a.sweepDeg * 16)));
        }
}

// The impedance grid: resistance circles, reactance arcs, the real axis and the rim.
void drawImpedanceGrid(QPainter& p, const Disc& d, const GridColours& c) {
    p.setPen(pen(c.minor, 1.0));
    for (double r : kGridValues)
        p.drawEllipse(d.box(geom::resistanceCircle(r)));
    for (double x : kGridValues)
        for (double sign : {1.0, -1.0}) {
            const geom::Arc a = geom::reactanceArc(sign * x);
            p.drawArc(d.box(geom::reactanceCircle(sign * x)), int(std::lround(a.startDeg * 16)),
                      int(std::lround(a.sweepDeg * 16)));
        }
    p.setPen(pen(c.major, 1.0));
    p.drawLine(d.at({-1, 0}), d.at({1, 0}));
    p.drawEllipse(d.box(geom::resistanceCircle(1.0)));
    p.setPen(pen(c.text, 1.5));
    p.drawEllipse(d.centre, d.radius, d.radius); // the unit circle: r = 0, |gamma| = 1
}

// Labels: resistances along the real axis, reactances outside the rim, the reference in the corner.
void drawGridLabels(QPainter& p, const Disc& d, const QRectF& rect, const GridColours& c, double z0) {
    const QFontMetricsF fm(p.font());
    p.setPen(c.text);
    p.drawText(QRectF(d.at({-1, 0}).x() + 2, d.centre.y() - fm.height() - 1, fm.height() * 2, fm.height()),
               Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("0"));
    for (double r : kGridValues) {
        const QPointF at = d.at(num::reflection(Complex(r, 0), 1.0));
        p.drawText(QRectF(at.x() + 2, at.y() - fm.height() - 1, fm.height() * 3, fm.height()),
                   Qt::AlignLeft | Qt::AlignBottom, numberText(r));
    }
    for (double x : kGridValues)
        for (double sign : {1.0, -1.0}) {
            const Complex rim = num::reflection(Complex(0, sign * x), 1.0);
            const double out = fm.height() * 1.1;
            const QPointF at = d.at(rim * ((d.radius + out) / d.radius));
            const QString label = (sign > 0 ? QStringLiteral("+j") : QStringLiteral("-j")) + numberText(x);
            const double w = fm.horizontalAdvance(label) + 4;
            p.drawText(QRectF(at.x() - w / 2, at.y() - fm.height() / 2, w, fm.height()), Qt::AlignCenter,
                       label);
        }
    p.drawText(QRectF(rect.left() + 4, rect.top() + 2, rect.width() - 8, fm.height()),
               Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Z0 = %1 ohm").arg(z0));
}

// The band (measured and moved sweeps, a dot at each one's first frequency), the line's path from the
// measured point to the far point, and the matching network's path from the load to the centre.
void drawCurves(QPainter& p, const Disc& d, const ChartContent& content, const QPalette& palette, double z0) {
    const auto sweep = [&](const std::vector<Complex>& zs, const QColor& c) {
        if (zs.empty())
            return;
        p.setPen(pen(c, 1.0));
        drawPolyline(p, d, zs, z0);
        p.setBrush(c);
        p.drawEllipse(d.at(num::reflection(zs.front(), z0)), 2.5, 2.5);
        p.setBrush(Qt::NoBrush);
    };
    sweep(content.measuredSweep, hue(kMeasuredSweepHue, palette));
    sweep(content.movedSweep, hue(kMovedSweepHue, palette));
    p.setPen(pen(hue(kLineHue, palette), 2.0));
    drawPolyline(p, d, content.linePath, z0);
    if (content.matchPath.size() >= 2) {
        p.setPen(pen(hue(kMatchHue, palette), 2.5));
        drawPolyline(p, d, content.matchPath, z0);
    }
}

// The markers, each with its SWR circle on request.
void drawMarkers(QPainter& p, const Disc& d, const ChartContent& content, const GridColours& c,
                 const QPalette& palette, double z0, bool swrCircles) {
    for (const ChartMarker& m : content.markers) {
        const Complex g = num::reflection(m.z, z0);
        const QColor colour = markerColour(m.name, palette);
        if (swrCircles) {
            p.setPen(pen(colour, 1.0, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(d.centre, d.radius * std::abs(g), d.radius * std::abs(g));
        }
        p.setPen(pen(c.text, 1.0));
        p.setBrush(colour);
        p.drawEllipse(d.at(g), kMarkerRadius, kMarkerRadius);
    }
    p.setBrush(Qt::NoBrush);
}

// The legend in the lower left corner: one line per marker, then the sweeps and the match when drawn.
void drawLegend(QPainter& p, const QRectF& rect, const ChartContent& content, const GridColours& c,
                const QPalette& palette) {
    struct Entry {
        QColor colour;
        QString caption;
    };
    std::vector<Entry> legend;
    for (const ChartMarker& m : content.markers)
        legend.push_back({markerColour(m.name, palette), markerCaption(m.name)});
    if (!content.lineModel.isEmpty() && (!content.linePath.empty() || !content.movedSweep.empty()))
        legend.push_back(
            {hue(kLineHue, palette), SmithChartView::tr("Modello della linea: %1").arg(content.lineModel)});
    if (!content.measuredSweep.empty())
        legend.push_back({hue(kMeasuredSweepHue, palette), SmithChartView::tr("Sweep misurato")});
    if (!content.movedSweep.empty())
        legend.push_back({hue(kMovedSweepHue, palette), SmithChartView::tr("Sweep spostato")});
    if (content.matchPath.size() >= 2)
        legend.push_back({hue(kMatchHue, palette), SmithChartView::tr("Adattamento")});
    const QFontMetricsF fm(p.font());
    double y = rect.bottom() - 2 - fm.height() * double(legend.size());
    if (!legend.empty()) { // on a veil of the background, so that grid labels under it do not mix in
        double width = 0;
        for (const Entry& e : legend)
            width = std::max(width, fm.horizontalAdvance(e.caption));
        QColor veil = c.base;
        veil.setAlphaF(0.85f);
        p.fillRect(QRectF(rect.left(), y - 2, width + 14 + 2 * kMarkerRadius, rect.bottom() - y + 2), veil);
    }
    for (const Entry& e : legend) {
        p.setPen(pen(c.text, 1.0));
        p.setBrush(e.colour);
        p.drawEllipse(QPointF(rect.left() + 4 + kMarkerRadius, y + fm.height() / 2), kMarkerRadius,
                      kMarkerRadius);
        p.setBrush(Qt::NoBrush);
        p.setPen(c.text);
        p.drawText(QRectF(rect.left() + 8 + 2 * kMarkerRadius, y, rect.width(), fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, e.caption);
        y += fm.height();
    }
}

} // namespace

// The picture layer by layer, from the grids to the legend.
void SmithChartView::render(QPainter& p, const QRectF& rect, const QPalette& palette) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(font());
    const GridColours colours(palette);
    p.fillRect(rect, colours.base);
    const Disc d = discIn(rect, font());
    p.setBrush(Qt::NoBrush);
    if (admittance_)
        drawAdmittanceGrid(p, d, colours, palette);
    drawImpedanceGrid(p, d, colours);
    drawGridLabels(p, d, rect, colours, reference_);
    drawCurves(p, d, content_, palette, reference_);
    drawMarkers(p, d, content_, colours, palette, reference_, swrCircles_);
    drawLegend(p, rect, content_, colours, palette);
    p.restore();
}

QImage SmithChartView::image(double scale) const {
    QImage img((QSizeF(size()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scale);
    QPainter p(&img);
    render(p, QRectF(QPointF(0, 0), QSizeF(size())), palette());
    p.end();
    return img;
}

bool SmithChartView::savePng(const QString& path) const {
    return image(2.0).save(path, "PNG");
}

bool SmithChartView::saveSvg(const QString& path) const {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size());
    svg.setResolution(96);
    svg.setViewBox(QRect(QPoint(0, 0), size()));
    svg.setTitle(tr("Carta di Smith"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    render(p, QRectF(QPointF(0, 0), QSizeF(size())), palette());
    return p.end();
}

} // namespace app
