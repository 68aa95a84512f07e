// The "Carta di Smith" window: the chart with its reference, grids and export; beside it the band of an
// imported sweep ("Banda") and the L-network designs for an impedance of the window ("Adattamento").
// It only shows what it is given; installSmithChart (smithchart.h) feeds it from the window model.
#pragma once

#include "app/chart/bandplotview.h"
#include "app/chart/smithchartview.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSplitter;
class QTabWidget;

namespace app {

// One L-network as the "Adattamento" list shows it.
struct DesignRow {
    bool shuntAtLoad;          // the shunt element on the load side (else on the source side)
    double seriesX;            // ohm; 0 when there is no series element
    double shuntX;             // ohm; infinite when there is no shunt element
    QString text;              // values and the rounded parts' SWR
    std::vector<Complex> path; // impedances in ohm from the load to the source resistance
};

// Where the impedance to be matched comes from.
enum class MatchSource { Point, LineFar, LineMeasured, TunerAntenna, Typed };

struct MatchInputs {
    MatchSource source;
    Complex typedZ;     // ohm, for MatchSource::Typed
    bool lineFrequency; // mhz is the line panel's frequency (else the operator's)
    double mhz;
    double rs; // ohm: the line panel's transceiver impedance until the operator types one
};

// The small schematic of a design: source, series element, shunt element to ground, load.
QPixmap schematic(const DesignRow& design, const QPalette& palette, double devicePixelRatio);

class ChartWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ChartWindow(QWidget* parent = nullptr);

    SmithChartView* chart() const { return chart_; }
    BandPlotView* plots() const { return plots_; }
    QLabel* readoutLabel() const { return readout_; }
    // The length of line of the result standing in the line panel, in metres and feet under the chart;
    // hidden while none stands.
    void setLineLength(std::optional<double> metres, char decimalSign = '.');
    QLabel* lineLengthLabel() const { return lineLength_; }
    QLineEdit* referenceEdit() const { return reference_; }
    QTabWidget* tabs() const { return tabs_; }

    // What the window computed: markers and the line's path.
    void setPicture(std::vector<ChartMarker> markers, std::vector<Complex> linePath);

    // "Modello della linea": the calculator's own figures (false, the start) or the physical line (true),
    // for the line's far point and path, the band and matching. The owner recomputes on lineModelChanged.
    bool physicalLine() const;
    void setPhysicalLine(bool physical);
    QComboBox* lineModelBox() const { return lineModel_; }
    // The band of an imported sweep; an empty band hides the sweeps and disables its page.
    void setBand(std::vector<Complex> measured, std::vector<Complex> moved, std::vector<BandSample> samples,
                 double panelMhz);
    // Why there is no band, for the tool tip of the disabled page.
    enum class NoBand { NoSweep, SweepDropped, NoLineResult };
    void setNoBandReason(NoBand reason);

    // "Adattamento": the line panel's frequency and transceiver impedance as they stand now (the
    // source resistance follows the latter until the operator types one of their own).
    void setLineValues(double mhz, double rtxOhm);
    MatchInputs matchInputs() const;
    void setMatchSource(MatchSource source);
    // Shows the impedance of the chosen source in the Z fields (empty when it has none); only while the
    // source is not "Digitata", whose fields are the operator's.
    void showSourceImpedance(std::optional<Complex> z);
    // The designs for the inputs, the single-stub text, or a message in place of designs.
    void setDesigns(std::vector<DesignRow> designs, const QString& stub, const QString& message);
    const std::vector<DesignRow>& designs() const { return designs_; }
    void selectDesign(int index);
    QListWidget* designList() const { return designList_; }
    QLabel* matchMessage() const { return matchMessage_; }
    QLabel* stubLabel() const { return stub_; }

  signals:
    // An input of the matching part changed: the owner computes and sets the designs.
    void matchInputsChanged();
    // "Salva sweep spostato...": the owner asks for a file and writes the moved sweep.
    void saveMovedSweepRequested();
    // The operator chose another line model.
    void lineModelChanged();

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Every text of the window in the language now shown; again after each switch of language.
    void retranslate();
    void bandTip();
    QString lineModelName() const;
    void showLineModel();
    void fitMinimumWidths();
    QString designToolTip(const DesignRow& design) const;
    void showLineLength();
    QWidget* buildMatchPage();
    QWidget* buildBandPage();
    void designSelected();
    void matchInputsEdited();
    void exportChart(bool svg);

    SmithChartView* chart_;
    BandPlotView* plots_ = nullptr;
    QLabel* readout_;
    QLabel* lineLength_ = nullptr;
    std::optional<double> lineMetres_;
    char lineSign_ = '.';
    QLineEdit* reference_;
    QCheckBox* admittance_;
    QCheckBox* swrCircles_;
    QLabel* referenceLabel_;
    QPushButton* png_;
    QPushButton* svg_;
    QTabWidget* tabs_;
    QSplitter* split_ = nullptr;
    bool shownOnce_ = false;
    QWidget* bandPage_ = nullptr;
    QPushButton* saveSweep_ = nullptr;
    QLabel* bandModel_ = nullptr;
    NoBand noBand_ = NoBand::NoSweep;
    QComboBox* lineModel_ = nullptr;
    QLabel* lineModelLabel_ = nullptr;

    QComboBox* source_ = nullptr;
    QLabel* sourceLabel_ = nullptr;
    QLabel* typedLabel_ = nullptr;
    QLabel* mhzLabel_ = nullptr;
    QLabel* rsLabel_ = nullptr;
    QLineEdit* typedR_ = nullptr;
    QLineEdit* typedX_ = nullptr;
    QCheckBox* lineFrequency_ = nullptr;
    QLineEdit* mhz_ = nullptr;
    QLineEdit* rs_ = nullptr;
    bool rsTyped_ = false;
    // The line panel's frequency and transceiver impedance, as last set (the fields' first texts before).
    double lineMhz_ = 14;
    double lineRtxOhm_ = 50;
    QListWidget* designList_ = nullptr;
    QLabel* stub_ = nullptr;
    QLabel* matchMessage_ = nullptr;
    std::vector<DesignRow> designs_;
    bool filling_ = false; // the program fills the matching inputs: no edit of the operator
};

} // namespace app
