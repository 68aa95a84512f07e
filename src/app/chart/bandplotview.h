// The band beside the Smith chart: the SWR against frequency at both ends of the line, and the line's
// total loss against frequency, with the line panel's own frequency marked. Drawn with QPainter.
#pragma once

#include <QWidget>

#include <vector>

namespace app {

struct BandSample {
    double mhz;
    double swrMeasured; // at the measured point
    double swrMoved;    // at the far point
    double totalLossDb; // of the line's length at this frequency
};

class BandPlotView : public QWidget {
    Q_OBJECT
  public:
    explicit BandPlotView(QWidget* parent = nullptr);

    // The samples in order of frequency; panelMhz is marked with a vertical line.
    void setBand(std::vector<BandSample> samples, double panelMhz);
    const std::vector<BandSample>& samples() const { return samples_; }
    double panelMhz() const { return panelMhz_; }

    void render(QPainter& painter, const QRectF& rect, const QPalette& palette) const;

    // Each text of the last picture drawn (titles, captions, axis labels) and where it stands.
    struct DrawnText {
        QString text;
        QRectF bounds;
    };
    const std::vector<DrawnText>& drawnTexts() const { return drawn_; }

    QSize sizeHint() const override { return {340, 420}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    std::vector<BandSample> samples_;
    double panelMhz_ = 0;
    mutable std::vector<DrawnText> drawn_;
};

// Tick values for an axis from lo to hi: steps of 1, 2 or 5 times a power of ten, about `count` of them.
std::vector<double> axisTicks(double lo, double hi, int count);

} // namespace app
