// The few widgets whose look the standard ones do not give: a command button whose caption wraps onto
// more lines, and an option button whose caption may stand left of its button.
#pragma once

#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace app {

// A push button that word-wraps its caption inside its fixed size, with the access key underlined.
class WrapButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A radio button that can draw its caption on the left and its button on the right edge.
class OptionButton : public QRadioButton {
  public:
    OptionButton(const QString& text, bool captionLeft, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool captionLeft_;
};

// A scroll bar that shows its focus with an outline in the selection colour (some styles show none, or a
// faint tint).
class FocusScrollBar : public QScrollBar {
  public:
    using QScrollBar::QScrollBar;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace app
