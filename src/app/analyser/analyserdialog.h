// Measuring live: "Misura" > "Analizzatore..." opens a dialog that connects to a NanoVNA on a serial port
// and sweeps it, once or again and again, in a worker thread: the window never waits for the device. Each
// finished sweep is written into the chosen panel as a one-port import writes it, and the panel's result
// is computed again when one stood, so that the chart, the band and the far end of the line follow the
// antenna while it is trimmed. The last sweep can be saved as a Touchstone file.
#pragma once

#include "analyser/analyser.h"
#include "touchstone/touchstone.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QThread;

namespace app {

class MainWindow;
class AnalyserWorker;

class AnalyserDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AnalyserDialog(MainWindow& w);
    ~AnalyserDialog() override; // stops a sweep and waits for the worker

    // The controls, for the tests.
    QComboBox* port() const { return port_; }
    QPushButton* connectButton() const { return connect_; }
    QLabel* status() const { return status_; }
    QLineEdit* startMhz() const { return start_; }
    QLineEdit* stopMhz() const { return stop_; }
    QSpinBox* points() const { return points_; }
    QComboBox* target() const { return target_; }
    QLineEdit* fieldsMhz() const { return fieldsMhz_; }
    QPushButton* singleButton() const { return single_; }
    QPushButton* continuousButton() const { return continuous_; }
    QPushButton* stopButton() const { return stopButton_; }
    QPushButton* saveButton() const { return save_; }
    QProgressBar* progress() const { return progress_; }

    bool connected() const { return device_.has_value(); }
    bool sweeping() const { return sweeping_; }
    int sweepsImported() const { return imported_; }
    const touchstone::Network* lastSweep() const { return last_.get(); }
    // The ports with an analyser's USB identifiers, listed again.
    void refreshPorts();

  signals:
    void connectionChanged();
    // A sweep was written into the panel.
    void sweepImported();
    // A sweep ended without being written (stopped, refused).
    void sweepEnded();

  public slots:
    void done(int result) override;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void connectDevice();
    void startSweeps(bool continuous);
    void sweepOnce();
    void requestStop();
    void saveSweep();
    void finished(std::shared_ptr<touchstone::Network> sweep, std::optional<analyser::Error> error,
                  bool usable);
    void updateButtons();
    void endSweeps();
    QLabel* caption(const char* italian, QWidget* buddy);
    void retranslate();
    // The status line's text, made again in the language of the window after a switch.
    void setStatus(std::function<QString()> text);
    std::optional<analyser::SweepRequest> request(double& mhz);

    MainWindow& main_;
    QThread* thread_ = nullptr;
    AnalyserWorker* worker_ = nullptr;
    std::atomic<bool> cancel_{false};

    QComboBox* port_ = nullptr;
    QPushButton* connect_ = nullptr;
    QLabel* status_ = nullptr;
    QLineEdit* start_ = nullptr;
    QLineEdit* stop_ = nullptr;
    QSpinBox* points_ = nullptr;
    QComboBox* target_ = nullptr;
    QLineEdit* fieldsMhz_ = nullptr;
    QPushButton* single_ = nullptr;
    QPushButton* continuous_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QPushButton* save_ = nullptr;
    QProgressBar* progress_ = nullptr;
    std::vector<std::pair<QWidget*, const char*>> texts_; // labels and buttons with their Italian source
    std::function<QString()> statusText_;

    std::optional<analyser::DeviceInfo> device_;
    bool connecting_ = false;
    bool sweeping_ = false;
    bool continuousMode_ = false;
    bool startedContinuous_ = false;
    analyser::SweepRequest running_;
    double runningMhz_ = 0;
    int runningTarget_ = 0;
    std::unique_ptr<touchstone::Network> last_;
    analyser::DeviceInfo lastDevice_;
    int imported_ = 0;
};

// The menu "Misura" with "Analizzatore...".
void installAnalyser(MainWindow& w);
// Opens the dialog (made on first use) and returns it.
AnalyserDialog* openAnalyser(MainWindow& w);

} // namespace app
