// The Smith chart as a widget: the impedance grid (and on request the admittance grid) on a reference
// resistance, and on it what it is given as plain numbers: named markers, the path of the line, the
// measured and the moved sweep of a band, the path of a matching network. Hovering reads out the point
// under the cursor; a marker's tool tip gives its own values. The same drawing goes to the screen, to a
// PNG image and to an SVG file.
#pragma once

#include <QWidget>

#include <complex>
#include <functional>
#include <string>
#include <vector>

namespace app {

using Complex = std::complex<double>;

// A marker: an impedance in ohm under one of the names point, line.measured, line.far, tuner.antenna,
// tuner.input (each has its colour and caption); any other name is drawn in the text colour.
struct ChartMarker {
    std::string name;
    Complex z;
};

// Everything the chart draws besides its grid; impedances in ohm.
struct ChartContent {
    std::vector<ChartMarker> markers;
    std::vector<Complex> linePath;      // measured point first, far point last
    std::vector<Complex> measuredSweep; // a band as measured, in order of frequency
    std::vector<Complex> movedSweep;    // the same band moved along the line
    std::vector<Complex> matchPath;     // the selected matching network, load first, source last
    // The line model that moved the line's path and the moved sweep ("calcolatore", "linea fisica"), named
    // in the legend while either is drawn.
    QString lineModel;
};

// The caption of a marker name, as the legend and the tool tips show it, in the language of the window.
QString markerCaption(const std::string& name);

class SmithChartView : public QWidget {
    Q_OBJECT
  public:
    explicit SmithChartView(QWidget* parent = nullptr);

    void setContent(ChartContent content);
    const ChartContent& content() const { return content_; }
    // The chart's reference resistance in ohm (positive); the grid and the readout are on it.
    void setReference(double ohm);
    double reference() const { return reference_; }
    void setAdmittanceGrid(bool on);
    bool admittanceGrid() const { return admittance_; }
    void setSwrCircles(bool on);
    bool swrCircles() const { return swrCircles_; }

    // Where impedance z (ohm) is drawn in this widget, and the reflection coefficient under a point.
    QPointF toWidget(Complex z) const;
    Complex reflectionAt(QPointF position) const;
    // The readout of the point under the cursor, two lines; empty while the cursor is off the chart.
    QString readout() const { return readout_; }
    // The index of the marker drawn under a point (within a few pixels), or -1; and its tool tip text.
    int markerAt(QPointF position) const;
    QString markerToolTip(int index) const;

    // Draws the whole chart into a rectangle of a painter, with the given palette.
    void render(QPainter& painter, const QRectF& rect, const QPalette& palette) const;
    // The chart as the window shows it, at twice its size for a PNG and as drawn lines for an SVG.
    QImage image(double scale = 2.0) const;
    bool savePng(const QString& path) const;
    bool saveSvg(const QString& path) const;

    QSize sizeHint() const override { return {560, 560}; }
    QSize minimumSizeHint() const override { return {240, 240}; }

  signals:
    // The readout changed (empty when the cursor left the chart).
    void readoutChanged(const QString& readout);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void setReadout(const QString& text);

    ChartContent content_;
    double reference_ = 50.0;
    bool admittance_ = false;
    bool swrCircles_ = false;
    QString readout_;
};

} // namespace app
