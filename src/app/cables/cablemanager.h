// "Cavi": the user's own cables in the window. The menu opens the cable manager: the list of the user's
// cables, a cable's name, Z0, V.F. and datasheet points (per 100 m or per 100 ft) with the fit's
// coefficients and residual shown as they are typed, add / edit / remove, "Misura da sweep...", and the
// import and export of a cable file. Every change is saved to the user's cable file at once and the line
// panel's list follows it (wiring/cables.h).
#pragma once

#include "cables/cable.h"

#include <QDialog>
#include <QString>

#include <optional>
#include <string>
#include <utility>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace app {

class MainWindow;

class CableManagerDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CableManagerDialog(MainWindow& w, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* z0Edit() const { return z0_; }
    QLineEdit* vfEdit() const { return vf_; }
    QComboBox* unitBox() const { return unit_; }
    QTableWidget* pointsTable() const { return points_; }
    QLabel* fitLabel() const { return fit_; }
    QLabel* lossLabel() const { return loss_; }
    QPushButton* newButton() const { return new_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* measureButton() const { return measure_; }
    QPushButton* importButton() const { return import_; }
    QPushButton* exportButton() const { return export_; }

    // What the buttons do after their file dialog (tests call them with a path).
    bool importFrom(const QString& path);
    bool exportTo(const QString& path);
    // Saves the cable in the editor; false after a message when it cannot be one or cannot be saved.
    bool saveEdited();
    // Removes the cable selected in the list, without asking.
    bool removeSelected();
    // An empty editor for a new cable.
    void startNew();

    // The refusal the editor's values give now, or nothing when they make a cable.
    std::optional<cables::Refusal> refusal() const;

  private:
    void fillList(const std::string& select);
    void load(const cables::Cable& c);
    void updateFit();
    // The datasheet points of the table, in its unit; throws cables::Refusal for a text that is no number.
    cables::Datasheet datasheet() const;
    // The cable the editor holds; throws cables::Refusal.
    cables::Cable edited() const;

    MainWindow& w_;
    QListWidget* list_;
    QLineEdit* name_;
    QLineEdit* z0_;
    QLineEdit* vf_;
    QComboBox* unit_;
    QTableWidget* points_;
    QLabel* measuredNote_;
    QLabel* fit_;
    QLabel* loss_;
    QPushButton* new_;
    QPushButton* save_;
    QPushButton* remove_;
    QPushButton* measure_;
    QPushButton* import_;
    QPushButton* export_;
    std::string loadedName_;            // the name of the cable being edited; "" for a new one
    std::optional<cables::Cable> kept_; // a measured cable or one without points: its loss as it is
    bool filling_ = false;
    // The texts Z0 and V.F. were shown with, and the values they stand for.
    std::pair<QString, double> shownZ0_, shownVF_;
};

// The "Cavi" menu before "Aiuto": "Gestione cavi..." opens the manager.
void installCableManager(MainWindow& w);

} // namespace app
