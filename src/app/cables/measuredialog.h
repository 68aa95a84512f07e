// "Misura da sweep...": a cable measured from a one-port sweep of its input (a Touchstone file), with its
// far end open or shorted and its physical length in metres or feet. The result (Z0, V.F., K1, K2, the
// loss in both units, how far the sweep stays from the model) and a plot of the sweep against the fitted
// line are shown before the cable is saved under a name.
#pragma once

#include "cables/measure.h"
#include "touchstone/touchstone.h"

#include <QDialog>
#include <QWidget>

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace app {

class MainWindow;

// The sweep's reflection coefficient (real and imaginary part against the frequency) beside the model's.
class SweepPlot : public QWidget {
    Q_OBJECT
  public:
    explicit SweepPlot(QWidget* parent = nullptr);
    // The measured points and the model at the same frequencies; empty clears the plot.
    void setCurves(std::vector<double> mhz, std::vector<std::complex<double>> measured,
                   std::vector<std::complex<double>> model);
    QSize sizeHint() const override { return {560, 240}; }
    int points() const { return static_cast<int>(mhz_.size()); }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    std::vector<double> mhz_;
    std::vector<std::complex<double>> measured_, model_;
};

class MeasureDialog : public QDialog {
    Q_OBJECT
  public:
    explicit MeasureDialog(MainWindow& w, QWidget* parent = nullptr);

    QLineEdit* fileEdit() const { return file_; }
    QPushButton* fromAnalyserButton() const { return fromAnalyser_; }
    QLineEdit* lengthEdit() const { return length_; }
    QComboBox* lengthUnit() const { return unit_; }
    QLabel* lengthOther() const { return other_; }
    QRadioButton* openButton() const { return open_; }
    QRadioButton* shortButton() const { return short_; }
    QPushButton* measureButton() const { return measure_; }
    QLabel* resultLabel() const { return result_; }
    SweepPlot* plot() const { return plot_; }
    QLineEdit* nameEdit() const { return name_; }
    QPushButton* saveButton() const { return save_; }

    // Reads the file and fits the line; false after a message when it cannot.
    bool measure();
    // Saves the measured cable under the name typed; false after a message when it cannot.
    bool save();
    // The name the cable was saved under ("" before).
    const std::string& savedName() const { return savedName_; }

  private:
    // The length typed, in metres; nothing when it is no positive number.
    std::optional<double> metres() const;
    void lengthEdited();

    MainWindow& w_;
    QLineEdit* file_;
    QLineEdit* length_;
    QComboBox* unit_;
    QLabel* other_;
    QRadioButton* open_;
    QRadioButton* short_;
    QPushButton* measure_;
    QLabel* result_;
    SweepPlot* plot_;
    QLineEdit* name_;
    QPushButton* save_;
    std::optional<cables::Measurement> measurement_;
    double measuredMetres_ = 0;
    cables::LineEnd measuredEnd_ = cables::LineEnd::Open;
    std::string measuredFile_;
    std::string savedName_;
    QPushButton* fromAnalyser_;
    // The analyser's sweep taken instead of a file, until a file is typed or chosen.
    std::optional<touchstone::Network> liveSweep_;
};

} // namespace app
