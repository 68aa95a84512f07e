// Measurements in: "File" > "Importa misura Touchstone..." (Ctrl+O) and a file dropped onto the window
// open a Touchstone file, and one small dialog picks the frequency and the panel to fill.
#pragma once

#include "touchstone/touchstone.h"
#include "wiring/import.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QRadioButton;

namespace app {

class MainWindow;

// The file's summary, the frequency (the file's points to pick from, or typed), and the target; only the
// targets that fit the file are enabled.
class TouchstoneImportDialog : public QDialog {
    Q_OBJECT
  public:
    TouchstoneImportDialog(const touchstone::Network& n, double startMhz,
                           std::optional<wiring::ImportTarget> preselect, QWidget* parent = nullptr);

    QLabel* summary() const { return summary_; }
    QComboBox* frequency() const { return frequency_; }
    QRadioButton* targetButton(wiring::ImportTarget t) const { return targets_[static_cast<int>(t)]; }
    wiring::ImportTarget target() const;
    // The frequency typed or picked, in MHz; nullopt when the text is no positive number.
    std::optional<double> mhz() const;
    // What the dialog says of the frequency for the chosen target (beyond the cable data's range for the
    // line panel); hidden when there is nothing to say.
    QLabel* note() const { return note_; }

  private:
    void showNote();

    QLabel* summary_ = nullptr;
    QLabel* note_ = nullptr;
    QComboBox* frequency_ = nullptr;
    QRadioButton* targets_[4] = {};
};

// Reads the file (a refusal is shown in a message box), shows the dialog, and on OK writes the fields.
// The dialog stays open when the frequency or a value is refused, so that another can be chosen.
void importTouchstoneFile(MainWindow& w, const QString& path,
                          std::optional<wiring::ImportTarget> preselect = std::nullopt);

// The menu entry and the drop of a file onto the window.
void installTouchstoneImport(MainWindow& w);

} // namespace app
