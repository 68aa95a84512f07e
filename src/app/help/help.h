// The "Aiuto" menu: the user guide built into the program, in a window of its own (F1), searchable, and the
// "Informazioni" box (version, licence, the guide's address). The "?" button of the form still hands the
// guide's web address to the desktop; where the desktop cannot open it, the built-in guide is offered.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;
class QUrl;

namespace app {

class MainWindow;

// The guide's Markdown text and pictures as built into the program.
inline constexpr const char* kBuiltInGuide = "qrc:/guide/guide.md";

class GuideWindow : public QWidget {
    Q_OBJECT
  public:
    explicit GuideWindow(QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }
    QLineEdit* findField() const { return findField_; }
    QWidget* findBar() const { return findBar_; }
    // Whether the last search found nothing (the find field is marked, no message is shown).
    bool notFound() const { return notFound_; }

    // Shows the find bar with the focus in its field (Ctrl+F).
    void startFind();
    // The next or previous place the find field's text stands, from the cursor on, round the end; the
    // whole guide is shown when the text is empty.
    void findNext(bool backwards = false);
    // Scrolls to the heading a link inside the guide names ("#12-the-smith-chart-window"); false when no
    // heading has that name.
    bool goToHeading(const QString& fragment);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void followLink(const QUrl& link);
    void markNotFound(bool notFound);
    void retranslate();

    QTextBrowser* browser_ = nullptr;
    QWidget* findBar_ = nullptr;
    QLineEdit* findField_ = nullptr;
    QToolButton* previous_ = nullptr;
    QToolButton* next_ = nullptr;
    QToolButton* closeFind_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* findLabel_ = nullptr;
    bool notFound_ = false;
};

// Adds "Guida" (F1) and "Informazioni" to the window's "Aiuto" menu, and the built-in guide to what the
// "?" button offers when the desktop cannot open the guide's address.
void installHelp(MainWindow& window);

// The guide window of an application window: opened (made on first use, shown and raised) by openGuide,
// null from guideOf before it was first opened.
GuideWindow* openGuide(MainWindow& window);
GuideWindow* guideOf(MainWindow& window);

// The "Informazioni" box: the program, its version, its licence and the guide's address; modal.
void showAbout(QWidget* parent);

} // namespace app
