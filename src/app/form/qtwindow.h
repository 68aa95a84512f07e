// The real window: every control of the window model as a Qt widget at its place, kept in step with the
// model. The model is the only state: the widgets show it, and what the operator does with them is handed
// to the model as its own events (focus moves, typed characters, whole-text edits, clicks, picks, slider
// moves, Tab, access keys). What the program changes in the model is pushed back to the widgets without
// raising a second event.
#pragma once

#include "ui/form.h"

#include <QWidget>

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

class QEvent;
class QMenu;
class QKeyEvent;
class QMouseEvent;

namespace app {

// One pixel of the window for this many twips at 100 % zoom. The layout was drawn for a small 8 pt face at
// 15 twips a pixel; the toolkit's faces are wider, so the whole window is drawn a quarter larger (860 x 848
// pixels) and its text a little smaller, and every caption and result keeps the room it was drawn with.
inline constexpr int kTwipsPerPixel = 12;
// The point size of every control's text, unless the model gives a control its own.
inline constexpr double kFontPoints = 7.5;

// Tool tips are broken into lines of at most this many characters.
inline constexpr int kToolTipColumns = 60;
// A tool tip's text in lines of at most kToolTipColumns characters, broken between words.
QString wrapToolTip(const QString& text);

class QtWindow : public QWidget {
    Q_OBJECT
  public:
    // Builds the widgets from the model as it stands (after Load) and puts the focus where the model has it.
    explicit QtWindow(ui::Form& form, QWidget* parent = nullptr);
    ~QtWindow() override;

    ui::Form& form() { return form_; }
    // The zoom in percent: geometry and text scale together; the model knows nothing of it.
    int zoom() const { return zoom_; }
    void setZoom(int percent);
    // The size of the form at a zoom.
    static QSize sizeAt(int percent);
    // The context menu of a result field: "Copia", "Seleziona tutto".
    QMenu* resultMenu(QWidget* resultField);

    // Moves the toolkit's focus to the model's (also after the form is put into another widget).
    void syncFocus();
    // The same after a key moved the model's focus: the focus is then drawn as a keyboard focus.
    void syncFocusByKey();
    void showKeyboardFocus();
    // The widget that shows a control; null for the hidden lists.
    QWidget* widget(std::string_view name) const;
    // The control a widget (or one of its parts) shows; empty when it shows none.
    std::string controlOf(const QObject* object) const;

    // Shows the captions, tool tips and accessible names in the current language (see app/language.h).
    void retranslate();

  signals:
    // The model changed a property (once per property).
    void modelChanged();

  protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    // One widget for a control, one factory per kind.
    QWidget* create(const ui::Control& c, QWidget* parent);
    QWidget* createMultiLine(const ui::Control& c, QWidget* parent);
    QWidget* createLineEdit(const ui::Control& c, QWidget* parent);
    QWidget* createLabel(const ui::Control& c, QWidget* parent);
    QWidget* createFrame(const ui::Control& c, QWidget* parent);
    QWidget* createCommandButton(const ui::Control& c, QWidget* parent);
    QWidget* createOptionButton(const ui::Control& c, QWidget* parent);
    QWidget* createComboBox(const ui::Control& c, QWidget* parent);
    QWidget* createScrollBar(const ui::Control& c, QWidget* parent);
    void edited(const std::string& name, std::string text); // a whole new text of the operator's
    void describe(const ui::Control& c, QWidget* w);
    void stack(QWidget* parent);
    void fitTexts();
    void keepLabelsClear();
    void fitLabels();
    void maskBorderless();
    void layOut(); // geometry and fonts at the zoom
    QRect pixelRect(const ui::Control& c) const;
    QFont fontOf(const ui::Control& c) const;

    void push(const ui::Control& c, ui::Property p); // a property the program changed
    void pushText(const ui::Control& c);

    bool focusIn(const std::string& name, QEvent* event);
    bool keyPress(const std::string& name, QKeyEvent* event);
    bool buttonKey(const ui::Control& c, QKeyEvent* event);
    bool buttonMouse(const ui::Control& c, QMouseEvent* event);
    bool sliderKey(const ui::Control& c, QKeyEvent* event);
    void showAsResult(const ui::Control& c, QWidget* w);
    void arrowInGroup(const ui::Control& c, ui::Form::Arrow key);

    ui::Form& form_;
    int zoom_ = 100;
    std::unordered_map<std::string, QWidget*> widgets_;
    std::unordered_map<const QObject*, std::string> owners_; // widget or part of it -> control name
    bool pushing_ = false;       // a model change is being shown: the widgets' signals are not user input
    bool movingFocus_ = false;   // the toolkit's focus follows the model's: not a focus move of the user
    std::string dropPress_;      // control whose next mouse press is lost to a message box
    std::string pressed_;        // button under a mouse press, clicked on release
    std::string editing_;        // field whose text the operator is changing now
    bool keyboardFocus_ = false; // the last focus move of the operator was made with a key
};

} // namespace app
