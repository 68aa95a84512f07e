// The real window driven as an operator drives it: mouse clicks, typed keys, Tab, access keys, the
// clipboard, the drop-down list and the slider. Every check reads what the widgets show, or what the window
// raised in the model.
#include "harness.h"

#include "line/line.h"
#include "ui/entry.h"
#include "ui/window.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QUrl>

#include <clocale>

using harness::Operator;
using harness::Started;

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Types into a field the way an operator does: a click into it, then the keys.
void typeInto(Started& s, const char* name, const char* keys) {
    s.clickOn(name);
    QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(keys));
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, mods);
}

QRect sliderThumb(QScrollBar* bar) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.orientation = bar->orientation();
    opt.state |= QStyle::State_Horizontal;
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

  public slots:
    void openRequested(const QUrl& url) { opened_.push_back(url); }

  private:
    std::vector<QUrl> opened_;

  private slots:
    void startsAsDesigned() {
        Started s;
        QVERIFY(s.active());
        QCOMPARE(s.mainWindow->windowTitle(), QString::fromUtf8(ui::kWindowTitle));
        // The application window can be resized; the form inside it keeps its layout at the zoom.
        QVERIFY(s.mainWindow->minimumSize() != s.mainWindow->maximumSize());
        QCOMPARE(s.window->minimumSize(), s.window->maximumSize());
        QCOMPARE(s.focusedControl(), std::string("Text7"));

        for (const char* on : {"Option1", "Option8", "Option4", "Option5", "Option10", "Option16"})
            QVERIFY2(s.as<QRadioButton>(on)->isChecked(), on);
        for (const char* off : {"Option2", "Option13", "Option7", "Option14", "Option3", "Option15",
                                "Option6", "Option9", "Option11"})
            QVERIFY2(!s.as<QRadioButton>(off)->isChecked(), off);

        QVERIFY(!s.w("Label36")->isVisible());
        QVERIFY(s.w("Label36")->font().bold());
        QCOMPARE(s.as<QComboBox>("Combo1")->currentText(), QStringLiteral("1"));
        QCOMPARE(s.as<QLineEdit>("Text41")->text(), QStringLiteral("0.00 - 7.18 mt"));
        QCOMPARE(s.as<QComboBox>("Combo2")->currentText(), QStringLiteral("Messi e Paoloni Pota-Flex 6"));
        for (const char* off : {"Text40", "Text25", "Text27"})
            QVERIFY2(!s.w(off)->isEnabled(), off);
        // The results are disabled in the model; their widgets stay enabled so that their text can be
        // selected, but only the program writes them and Tab passes them by.
        for (const char* result : {"Text2", "Text3", "Text19", "Text4", "Text5", "Text41"}) {
            QVERIFY2(!s.form.control(result).enabled, result);
            QVERIFY2(s.w(result)->isEnabled(), result);
            QVERIFY2(s.w(result)->focusPolicy() == Qt::ClickFocus, result);
            auto* line = s.as<QLineEdit>(result);
            QVERIFY2(line ? line->isReadOnly() : s.as<QPlainTextEdit>(result)->isReadOnly(), result);
        }
        QCOMPARE(s.as<QLineEdit>("Text28")->text(), QStringLiteral("14.000"));
        QCOMPARE(s.as<QLineEdit>("Text6")->text(), QStringLiteral("100"));

        auto* guide = s.as<QPushButton>("Command7");
        QCOMPARE(guide->text(), QStringLiteral("&?"));
        QVERIFY(guide->font().bold());
        QCOMPARE(guide->font().pointSize(), 24);
    }

    // Captions, titles and tool tips as the model holds them, Italian accents and typographic quotes
    // included.
    void showsTextsExactly() {
        Started s;
        for (const ui::Control& c : s.form.controls()) {
            QWidget* w = s.w(c.name.c_str());
            if (!w)
                continue;
            const QByteArray who = QByteArray::fromStdString(c.name);
            QString shown;
            if (auto* l = qobject_cast<QLabel*>(w))
                shown = l->text();
            else if (auto* g = qobject_cast<QGroupBox*>(w))
                shown = g->title();
            else if (auto* b = qobject_cast<QAbstractButton*>(w))
                shown = b->text();
            else if (auto* e = qobject_cast<QLineEdit*>(w))
                shown = e->text();
            else
                continue;
            QVERIFY2(shown == QString::fromUtf8(c.text.c_str()), who);
            // The tool tip says the model's text, in lines of a readable width.
            QString tip = w->toolTip();
            for (const QString& line : tip.split(QLatin1Char('\n')))
                QVERIFY2(line.size() <= app::kToolTipColumns, who);
            QVERIFY2(tip.replace(QLatin1Char('\n'), QLatin1Char(' ')) == QString::fromUtf8(c.toolTip.c_str()),
                     who);
        }
        QVERIFY(s.as<QLabel>("Label9")->text().contains(QString::fromUtf8("può")));
        QVERIFY(s.w("Text27")->toolTip().endsWith(QString::fromUtf8("velocità della linea.")));
        QVERIFY(s.w("Text36")->toolTip().contains(QString::fromUtf8("Leggere l’S11")));
    }

    void swrFromTypedValuesAndMouseClick() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        typeInto(s, "Text7", "25");
        typeInto(s, "Text8", "-50");
        QCOMPARE(s.as<QLineEdit>("Text8")->text(), QStringLiteral("-50"));
        s.clickOn("Command4");
        QCOMPARE(s.as<QPlainTextEdit>("Text4")->toPlainText(),
                 QString::fromUtf8("SWR = 4.266 Ret.Loss = 4.150 Refl.Pwr. = 38.462\n"
                                   "Reflection Coeff. (Gamma or S11) = +0.0769 - i0.6154\n"
                                   "Reflection Coefficent Magnitude (rho) = 0.6202\n"
                                   "Angle of Reflection Coeff. (Gamma Phase) = -82.9°\n"
                                   "Admittance = 0.008 + J0.016 S"));
        QVERIFY(s.w("Text4")->font().bold());
        QCOMPARE(s.focusedControl(), std::string("Command4"));
        QVERIFY(op.seen().empty());

        // A change of an input empties the result on screen.
        typeInto(s, "Text7", "0");
        QCOMPARE(s.as<QLineEdit>("Text7")->text(), QStringLiteral("250"));
        QCOMPARE(s.as<QPlainTextEdit>("Text4")->toPlainText(), QString());
    }

    void enterAndSpaceClickTheFocusedButton() {
        Started s;
        QVERIFY(s.active());
        typeInto(s, "Text7", "100");
        typeInto(s, "Text6", "0"); // Text6 comes right before Command4 in the focus order
        pressKey(Qt::Key_Tab);
        QCOMPARE(s.focusedControl(), std::string("Command4"));
        QVERIFY(s.as<QPlainTextEdit>("Text4")->toPlainText().isEmpty());
        pressKey(Qt::Key_Return);
        QVERIFY(s.as<QPlainTextEdit>("Text4")->toPlainText().startsWith(QStringLiteral("SWR = 2.000")));

        typeInto(s, "Text6", "0");
        QVERIFY(s.as<QPlainTextEdit>("Text4")->toPlainText().isEmpty());
        pressKey(Qt::Key_Tab);
        pressKey(Qt::Key_Space);
        QVERIFY(s.as<QPlainTextEdit>("Text4")->toPlainText().startsWith(QStringLiteral("SWR = 2.000")));
    }

    void typedCommaIsAnsweredAndDropped() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        typeInto(s, "Text9", "1,5");
        QCOMPARE(s.as<QLineEdit>("Text9")->text(), QStringLiteral("15"));
        QCOMPARE(s.form.text("Text9"), std::string("15"));
        QCOMPARE(op.seen().size(), std::size_t(1));
        const auto& box = op.seen().front();
        QCOMPARE(box.title, QStringLiteral("Decimal Separation"));
        QCOMPARE(box.text, QStringLiteral("Use Dot as Decimal Separator!"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(box.modal);
        QCOMPARE(s.focusAfterBox(), std::string("Text9"));

        // Other characters the field does not take are dropped silently; a minus only in a signed field.
        typeInto(s, "Text9", "a +-");
        typeInto(s, "Text10", "-3");
        QCOMPARE(s.as<QLineEdit>("Text9")->text(), QStringLiteral("15"));
        QCOMPARE(s.as<QLineEdit>("Text10")->text(), QStringLiteral("-3"));
        QCOMPARE(op.seen().size(), std::size_t(1));
    }

    void editingKeysAndClipboardAreWholeTextEdits() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        typeInto(s, "Text7", "100");
        s.clickOn("Command4");
        QVERIFY(!s.as<QPlainTextEdit>("Text4")->toPlainText().isEmpty());

        // A paste holding a comma is answered with the warning and refused: the field shows what it held,
        // and the result computed from it stands.
        typeInto(s, "Text8", "-7");
        s.clickOn("Command4");
        const QString result = s.as<QPlainTextEdit>("Text4")->toPlainText();
        s.clickOn("Text8");
        QApplication::clipboard()->setText(QStringLiteral("2,5"));
        pressKey(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(op.seen().size(), std::size_t(1));
        QCOMPARE(op.seen()[0].title, QStringLiteral("Decimal Separation"));
        QCOMPARE(op.seen()[0].text, QStringLiteral("Use Dot as Decimal Separator!"));
        QCOMPARE(s.as<QLineEdit>("Text8")->text(), QStringLiteral("-7"));
        QCOMPARE(s.form.text("Text8"), std::string("-7"));
        QCOMPARE(s.as<QPlainTextEdit>("Text4")->toPlainText(), result);
        op.forget();

        // A paste without a comma goes in, and the change empties the result.
        pressKey(Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setText(QStringLiteral("2.5"));
        pressKey(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(s.form.text("Text8"), std::string("2.5"));
        QVERIFY(s.as<QPlainTextEdit>("Text4")->toPlainText().isEmpty());

        pressKey(Qt::Key_A, Qt::ControlModifier);
        pressKey(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(s.form.text("Text8"), std::string());
        pressKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.form.text("Text8"), std::string("2.5"));

        // Backspace and Delete edit where the caret is; Delete is no typed character.
        pressKey(Qt::Key_End);
        pressKey(Qt::Key_Backspace);
        QCOMPARE(s.form.text("Text8"), std::string("2."));
        pressKey(Qt::Key_Home);
        pressKey(Qt::Key_Delete);
        QCOMPARE(s.form.text("Text8"), std::string("."));
        QCOMPARE(s.as<QLineEdit>("Text8")->text(), QStringLiteral("."));
        QVERIFY(op.seen().empty());
    }

    // Delete as the keyboard really sends it, with the text "\x7f": an edit where the caret is, never a
    // character for the entry filter (which would drop it, and the Delete with it).
    void deleteWithItsKeyTextIsNoKeyPress() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        std::vector<int> filtered;
        s.form.onKeyPress("Text8", [&](ui::Form& f, int& code) {
            filtered.push_back(code);
            ui::filterKey(f, true, code);
        });
        typeInto(s, "Text8", "25");
        QCOMPARE(filtered, (std::vector<int>{'2', '5'}));
        pressKey(Qt::Key_Home);
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_Delete, QStringLiteral("\x7f"),
                            Qt::NoModifier);
        QCOMPARE(filtered.size(), std::size_t(2));
        QCOMPARE(s.form.text("Text8"), std::string("5"));
        QCOMPARE(s.as<QLineEdit>("Text8")->text(), QStringLiteral("5"));
        QVERIFY(op.seen().empty());
    }

    void oneChangePerEditOfTheText() {
        Started s;
        QVERIFY(s.active());
        int changes = 0;
        s.form.on("Text9", ui::Event::Change, [&](ui::Form&) { ++changes; });
        typeInto(s, "Text9", "12");
        QCOMPARE(changes, 2);
        QApplication::clipboard()->setText(QStringLiteral("34"));
        pressKey(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(changes, 3);
        pressKey(Qt::Key_Backspace);
        QCOMPARE(changes, 4);
        pressKey(Qt::Key_A, Qt::ControlModifier);
        pressKey(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(changes, 5);
        pressKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(changes, 6);
        QCOMPARE(s.form.text("Text9"), std::string("123"));
        pressKey(Qt::Key_Left); // moving the caret changes nothing
        QCOMPARE(changes, 6);
        s.form.setText("Text9", "5"); // the program's change is shown, and raised once, by the model
        QCOMPARE(changes, 7);
        QCOMPARE(s.as<QLineEdit>("Text9")->text(), QStringLiteral("5"));
    }

    void comboPickRaisesNoChangeTypingDoes() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        int changes = 0;
        s.form.on("Combo2", ui::Event::Change, [&](ui::Form&) { ++changes; });

        auto* combo = s.as<QComboBox>("Combo2");
        QVERIFY(combo->isEditable());
        QVERIFY(!combo->completer());
        QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
        QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 6, combo->height() / 2));
        QAbstractItemView* list = combo->view();
        QTRY_VERIFY(list->isVisible());
        QCOMPARE(s.form.focused(), std::string("Combo2"));
        QTest::qWait(QApplication::doubleClickInterval() +
                     50); // the list ignores a release right after opening
        const QModelIndex third = list->model()->index(2, 0);
        const QString picked = third.data().toString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          QPoint(list->viewport()->width() / 2, list->visualRect(third).center().y()));
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(combo->currentText(), picked);
        QCOMPARE(q(s.form.text("Combo2")), picked);
        QCOMPARE(changes, 0);

        QTest::keyClicks(combo, QStringLiteral("xy"));
        QCOMPARE(changes, 2);
        QCOMPARE(q(s.form.text("Combo2")), picked + QStringLiteral("xy"));
        QCOMPARE(combo->count(), int(s.form.items("Combo2").size())); // typed text never joins the list
    }

    void pickOnlyListTakesPicksOnly() {
        Started s;
        QVERIFY(s.active());
        auto* combo = s.as<QComboBox>("Combo1");
        QVERIFY(!combo->isEditable());
        s.clickOn("Text23");
        QTest::mouseClick(combo, Qt::LeftButton);
        QAbstractItemView* list = combo->view();
        QTRY_VERIFY(list->isVisible());
        QTest::qWait(QApplication::doubleClickInterval() +
                     50); // the list ignores a release right after opening
        const QModelIndex fourth = list->model()->index(3, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          QPoint(list->viewport()->width() / 2, list->visualRect(fourth).center().y()));
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(combo->currentText(), QStringLiteral("4"));
        QCOMPARE(s.form.text("Combo1"), std::string("4"));
        QCOMPARE(s.form.focused(), std::string("Combo1"));
    }

    void sliderDragChangesOnceOnRelease() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        s.form.setText("Text23", "50"); // a measured point, so that the focus move shows no message box
        int changes = 0;
        s.form.on("HScroll1", ui::Event::Change, [&](ui::Form&) { ++changes; });
        auto* bar = s.as<QScrollBar>("HScroll1");
        const int start = bar->value();
        const QPoint grip = sliderThumb(bar).center();
        QTest::mousePress(bar, Qt::LeftButton, {}, grip);
        for (int dx : {40, 80, 120, 160}) {
            QTest::mouseMove(bar, grip + QPoint(dx, 0));
            QCOMPARE(changes, 0);
        }
        QVERIFY(bar->sliderPosition() > start); // the thumb follows the mouse
        QCOMPARE(s.form.value("HScroll1"), start);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + QPoint(160, 0));
        QCOMPARE(changes, 1);
        QVERIFY(bar->value() > start);
        QCOMPARE(s.form.value("HScroll1"), bar->value());

        // A value the program sets is shown, and raises its one Change in the model only.
        s.form.setValue("HScroll1", 700);
        QCOMPARE(bar->value(), 700);
        QCOMPARE(changes, 2);
    }

    // The program moves the slider (a direction button, or a value set by a handler) while another
    // control has the focus: one Change, and the focus stays where it was, with no focus event.
    void programMovesTheSliderWithoutTakingTheFocus() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        int changes = 0, slider = 0, text = 0;
        s.form.on("HScroll1", ui::Event::Change, [&](ui::Form&) { ++changes; });
        for (ui::Event e : {ui::Event::GotFocus, ui::Event::LostFocus}) {
            s.form.on("HScroll1", e, [&](ui::Form&) { ++slider; });
            s.form.on("Text7", e, [&](ui::Form&) { ++text; });
        }
        s.clickOn("Text7");
        text = 0;
        s.form.setValue("HScroll1", 700);
        QCOMPARE(s.as<QScrollBar>("HScroll1")->value(), 700);
        QCOMPARE(changes, 1);
        QCOMPARE(slider, 0);
        QCOMPARE(text, 0);
        QCOMPARE(s.form.focused(), std::string("Text7"));
        QCOMPARE(s.focusedControl(), std::string("Text7"));

        // "all' RTX --->" clicked with the mouse parks the slider at 1; the focus is on the button.
        s.clickOn("Option10");
        QCOMPARE(s.form.value("HScroll1"), 1);
        QCOMPARE(s.as<QScrollBar>("HScroll1")->value(), 1);
        QCOMPARE(changes, 2);
        QCOMPARE(slider, 0);
        QCOMPARE(s.form.focused(), std::string("Option10"));
        QCOMPARE(s.focusedControl(), std::string("Option10"));
        QVERIFY(op.seen().empty());
    }

    // The operator's way to a line result: a cable typed into the list, the measured point typed, then
    // the slider moved with the mouse and the keyboard. Text22 shows the four lines for 90 degrees.
    void lineResultFromTheRealWidgets() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        s.clickOn("Combo2");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("RG-58 (generic)"));
        // The first click after the typed name reaches the next field (the list's own completion of a
        // matching name on leaving is no pick).
        typeInto(s, "Text23", "100");
        QCOMPARE(s.form.text("Text23"), std::string("100"));
        typeInto(s, "Text24", "50");
        auto* bar = s.as<QScrollBar>("HScroll1");
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() * 3 / 4, bar->height() / 2));
        QCOMPARE(s.form.value("HScroll1"), 20); // a click in the track moves one large step
        for (int i = 0; i < 17; ++i)
            pressKey(Qt::Key_PageDown);
        QCOMPARE(s.form.value("HScroll1"), 360);
        QCOMPARE(s.as<QLineEdit>("Text25")->text(), QStringLiteral("50.0"));
        const QString expected =
            QStringLiteral("R = 21.45 ohm  X = -9.73 ohm  SWR = 2.44\n"
                           "V = 52.58Vrms 74.36Vp 148.71Vpp I = 2.23A PWR = 106.90W\n"
                           "Shift=+90.00\u00b0 +0.250 lambda 3.53m loss=0.20(ML)+0.09(SWRL)=0.29dB\n"
                           "Rp = 25.86 ohm Xp = -57.01 ohm open-end stub: 5.45m shorted: 1.91m");
        QCOMPARE(s.as<QPlainTextEdit>("Text22")->toPlainText(), expected);
        QVERIFY(op.seen().empty());
    }

    void sliderTakesFocusWhenClickedOrTabbedTo() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        auto* bar = s.as<QScrollBar>("HScroll1");
        s.form.setText("Text23", "50"); // a measured point, so that the focus move shows no message box
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() * 3 / 4, bar->height() / 2));
        QCOMPARE(s.focusedControl(), std::string("HScroll1"));
        QCOMPARE(s.form.focused(), std::string("HScroll1"));

        s.clickOn("Text7");
        QCOMPARE(s.form.focused(), std::string("Text7"));
        auto* combo = s.as<QComboBox>("Combo1");
        QTest::mouseClick(combo, Qt::LeftButton);
        QTRY_VERIFY(combo->view()->isVisible());
        QTest::keyClick(combo->view(), Qt::Key_Escape);
        QTRY_VERIFY(!combo->view()->isVisible());
        QCOMPARE(s.form.focused(), std::string("Combo1"));
        pressKey(Qt::Key_Tab);
        QCOMPARE(s.focusedControl(), std::string("HScroll1"));
        QCOMPARE(s.form.focused(), std::string("HScroll1"));
    }

    void tabFollowsTheFocusOrder() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        // From Text7: the disabled fields are skipped and each option group is one stop, its selected button.
        const std::vector<std::string> expected = {
            "Text8",    "Option1", "Text9",  "Command1", "Option8",  "Text10",   "Command2", "Text18",
            "Command5", "Text12",  "Text11", "Text6",    "Command4", "Text15",   "Text1",    "Option4",
            "Text13",   "Text20",  "Text16", "Text17",   "Option5",  "Text14",   "Text21",   "Command3",
            "Command6", "Text30",  "Text34", "Text36",   "Text37",   "Text33",   "Text32",   "Text31",
            "Text35",   "Text38",  "Text39", "Command8", "Option10", "Text23",   "Text24",   "Text28",
            "Text29",   "Text26",  "Combo2", "Option16", "Combo1",   "HScroll1", "Command9", "Command7",
            "Text22",   "Text7"};
        QCOMPARE(s.focusedControl(), std::string("Text7"));
        std::vector<std::string> seen;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            pressKey(Qt::Key_Tab);
            seen.push_back(s.focusedControl());
            QCOMPARE(s.form.focused(), seen.back());
        }
        QCOMPARE(seen, expected);

        pressKey(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(s.focusedControl(), std::string("Text22"));
        pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(s.focusedControl(), std::string("Command7"));
    }

    void optionButtonsByMouseAndArrowKeys() {
        Started s;
        QVERIFY(s.active());
        int clicks = 0;
        s.form.on("Option13", ui::Event::Click, [&](ui::Form&) { ++clicks; });
        s.clickOn("Option2");
        QVERIFY(s.as<QRadioButton>("Option2")->isChecked());
        QVERIFY(!s.as<QRadioButton>("Option1")->isChecked());
        QVERIFY(s.as<QRadioButton>("Option8")->isChecked()); // another group keeps its choice
        QCOMPARE(s.focusedControl(), std::string("Option2"));
        pressKey(Qt::Key_Down); // Vrms and Vpp side by side, Vp under Vrms: the one below is Vp
        QVERIFY(s.as<QRadioButton>("Option13")->isChecked());
        QVERIFY(!s.as<QRadioButton>("Option2")->isChecked());
        QCOMPARE(s.focusedControl(), std::string("Option13"));
        QCOMPARE(clicks, 1);
        s.clickOn("Option13"); // a click on the selected button is a click again
        QCOMPARE(clicks, 2);
        QVERIFY(s.as<QRadioButton>("Option13")->isChecked());
        // The arrows follow the layout: Up from Vp is Vrms above it, Down from Vrms is Vp again (not Vpp,
        // the next in the group's order), Right from Vp is Vpp, Left from Vpp is Vrms.
        const std::pair<Qt::Key, const char*> moves[] = {{Qt::Key_Up, "Option1"},
                                                         {Qt::Key_Down, "Option13"},
                                                         {Qt::Key_Right, "Option2"},
                                                         {Qt::Key_Left, "Option1"}};
        for (const auto& [key, to] : moves) {
            pressKey(key);
            QVERIFY2(s.as<QRadioButton>(to)->isChecked(), to);
            QCOMPARE(s.focusedControl(), std::string(to));
        }
    }

    // Leaving Text30 holding 1.5 by a click on Command8: the S Ant. range check shows its message box
    // while the focus moves, and the box takes the click.
    void clickLostWhenItsFocusMoveShowsAMessageBox() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        int clicks = 0;
        s.form.on("Command8", ui::Event::Click, [&](ui::Form&) { ++clicks; });

        typeInto(s, "Text30", "1.5");
        s.clickOn("Command8");
        QCOMPARE(op.seen().size(), std::size_t(1));
        QCOMPARE(op.seen().back().text, QStringLiteral("R is a number > -1 and < 1"));
        QCOMPARE(s.form.text("Text30"), std::string());
        QCOMPARE(clicks, 0);
        QCOMPARE(s.focusAfterBox(), std::string("Command8"));
        QVERIFY(!s.as<QPushButton>("Command8")->isDown());
        s.clickOn("Command8"); // nothing in the way now
        QCOMPARE(clicks, 1);

        // The same with the access key: no Click now, nor later from a delayed click of the button.
        typeInto(s, "Text30", "1.5");
        QCOMPARE(s.form.focused(), std::string("Text30"));
        pressKey(Qt::Key_L, Qt::AltModifier);
        QCOMPARE(op.seen().size(), std::size_t(2));
        QCOMPARE(s.focusAfterBox(), std::string("Command8"));
        QTest::qWait(300);
        QCOMPARE(clicks, 1);
        pressKey(Qt::Key_L, Qt::AltModifier);
        QCOMPARE(clicks, 2);
    }

    void accessKeysClickTheirButtons() {
        Started s;
        QVERIFY(s.active());
        std::string clicked;
        for (const char* b :
             {"Command1", "Command2", "Command5", "Command4", "Command3", "Command6", "Command8", "Command9"})
            s.form.on(b, ui::Event::Click, [&clicked, b](ui::Form&) { clicked = b; });
        const std::pair<Qt::Key, const char*> keys[] = {{Qt::Key_P, "Command1"}, {Qt::Key_T, "Command2"},
                                                        {Qt::Key_A, "Command5"}, {Qt::Key_S, "Command4"},
                                                        {Qt::Key_C, "Command3"}, {Qt::Key_O, "Command6"},
                                                        {Qt::Key_L, "Command8"}, {Qt::Key_Z, "Command9"}};
        for (const auto& [key, button] : keys) {
            s.clickOn("Text7");
            clicked.clear();
            pressKey(key, Qt::AltModifier);
            QCOMPARE(clicked, std::string(button));
            QCOMPARE(s.focusedControl(), std::string(button));
        }
    }

    void messageBoxIsNoFocusMove() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        int got = 0, lost = 0;
        for (const char* name : {"Text9", "Text7"}) {
            s.form.on(name, ui::Event::GotFocus, [&](ui::Form&) { ++got; });
            s.form.on(name, ui::Event::LostFocus, [&](ui::Form&) { ++lost; });
        }
        s.clickOn("Text9");
        QCOMPARE(got, 1);
        QCOMPARE(lost, 1); // Text7 had the focus
        typeInto(s, "Text9", ",");
        QCOMPARE(op.seen().size(), std::size_t(1));
        QCOMPARE(s.focusAfterBox(), std::string("Text9"));
        QCOMPARE(got, 1);
        QCOMPARE(lost, 1);
        QCOMPARE(s.focusedControl(), std::string("Text9"));

        // Another window of the desktop taking the activation and giving it back is no focus move either.
        QWidget other;
        other.resize(200, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        s.window->activateWindow();
        QVERIFY(s.active());
        QCOMPARE(got, 1);
        QCOMPARE(lost, 1);
        QCOMPARE(s.focusedControl(), std::string("Text9"));
    }

    void disabledResultsTakeNoFocusText22IsReadOnly() {
        Started s;
        QVERIFY(s.active());
        s.clickOn("Text4");
        s.clickOn("Text2");
        // A click into a result selects in it; the model's focus stays, and Tab goes on from there.
        QCOMPARE(s.form.focused(), std::string("Text7"));
        QCOMPARE(s.focusedControl(), std::string("Text2"));
        pressKey(Qt::Key_Tab);
        QCOMPARE(s.form.focused(), std::string("Text8"));
        QCOMPARE(s.focusedControl(), std::string("Text8"));

        s.form.setText("Text22", "R = 50.00 ohm\r\nV = 70.71 Vrms");
        auto* line = s.as<QPlainTextEdit>("Text22");
        QCOMPARE(line->toPlainText(), QStringLiteral("R = 50.00 ohm\nV = 70.71 Vrms"));
        s.clickOn("Text22");
        QCOMPARE(s.form.focused(), std::string("Text22"));
        pressKey(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(line->textCursor().selectedText().size(), line->toPlainText().size());
        QTest::keyClicks(line, QStringLiteral("5"));
        pressKey(Qt::Key_Delete);
        QCOMPARE(line->toPlainText(), QStringLiteral("R = 50.00 ohm\nV = 70.71 Vrms"));
        QCOMPARE(s.form.text("Text22"), std::string("R = 50.00 ohm\r\nV = 70.71 Vrms"));
    }

    // Every result field: selected with the mouse and Ctrl+A or its context menu, copied with Ctrl+C or
    // "Copia"; typing and pasting change nothing.
    void everyResultCanBeSelectedAndCopied() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        const char* results[] = {"Text2", "Text3", "Text19", "Text4", "Text5", "Text41", "Text22"};
        for (const char* name : results) {
            const std::string text = std::string("12.5 W ") + name + "\r\nV = 3.00 Vrms";
            const bool multi = s.as<QPlainTextEdit>(name) != nullptr;
            s.form.setText(name, multi ? text : text.substr(0, text.find('\r')));
            const QString shown =
                multi ? s.as<QPlainTextEdit>(name)->toPlainText() : s.as<QLineEdit>(name)->text();
            QVERIFY2(shown.contains(QLatin1String(name)), name);

            QApplication::clipboard()->clear();
            s.clickOn(name);
            pressKey(Qt::Key_A, Qt::ControlModifier);
            pressKey(Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QApplication::clipboard()->text(), shown);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9"));
            pressKey(Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(s.form.text(name), multi ? text : text.substr(0, text.find('\r')));

            // The context menu: "Copia" (only with a selection) and "Seleziona tutto".
            QApplication::clipboard()->clear();
            if (auto* l = s.as<QLineEdit>(name))
                l->deselect();
            else
                s.as<QPlainTextEdit>(name)->moveCursor(QTextCursor::Start);
            QMenu* menu = s.window->resultMenu(s.w(name));
            const QList<QAction*> actions = menu->actions();
            QCOMPARE(actions.size(), 2);
            QCOMPARE(actions[0]->text(), QStringLiteral("Copia"));
            QCOMPARE(actions[1]->text(), QStringLiteral("Seleziona tutto"));
            QVERIFY(!actions[0]->isEnabled());
            actions[1]->trigger();
            delete menu;
            menu = s.window->resultMenu(s.w(name));
            QVERIFY(menu->actions()[0]->isEnabled());
            menu->actions()[0]->trigger();
            delete menu;
            QCOMPARE(QApplication::clipboard()->text(), shown);
        }
        QVERIFY(op.seen().empty());
    }

    // Ctrl+Shift+C: every result that stands, after its panel's caption and the inputs it was computed
    // from, as plain text; the line panel without a result of its own is left out.
    void allResultsCopiedAsText() {
        Started s;
        QVERIFY(s.active());
        s.form.setText("Text7", "25");
        s.form.setText("Text8", "-50");
        s.clickOn("Command4"); // SWR 4.266 for 25 - j50 ohm on 50 ohm
        s.form.setText("Text15", "50");
        s.form.setText("Text16", "50");
        s.form.setText("Text13", "10");
        s.form.setText("Text14", "5");
        s.clickOn("Command3");
        s.clickOn("Text7");
        QApplication::clipboard()->clear();
        pressKey(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString copied = QApplication::clipboard()->text();
        const QStringList lines = copied.split(QLatin1Char('\n'));
        const QStringList point = {QStringLiteral("Calcolo di tensione, potenza, corrente, SWR"),
                                   QStringLiteral("R ohm: 25"),
                                   QStringLiteral("X ohm: -50"),
                                   QStringLiteral("R0 ohm: 50"),
                                   QStringLiteral("X0 ohm: 0"),
                                   QStringLiteral("POT. DIR W: 100"),
                                   QStringLiteral("SWR e dati ausiliari:")};
        QCOMPARE(lines.mid(0, point.size()), point);
        QVERIFY2(lines.value(point.size()).startsWith(QStringLiteral("SWR = 4.266 ")), qPrintable(copied));
        const qsizetype right = lines.indexOf(QStringLiteral("Comparazione Input - Output"));
        QVERIFY2(right > point.size(), qPrintable(copied));
        QCOMPARE(lines.value(right + 5), QStringLiteral("Input V: 10 IN Vrms"));
        QCOMPARE(lines.value(right + 6), QStringLiteral("Output V: 5 OUT Vrms"));
        QCOMPARE(lines.value(right + 7),
                 QStringLiteral("Confronto input-output e perdite dell'accordatore:"));
        QCOMPARE(lines.value(right + 8), s.as<QPlainTextEdit>("Text5")->toPlainText().section('\n', 0, 0));
        QVERIFY2(!copied.contains(QStringLiteral("Tratto di linea")), qPrintable(copied));
        QCOMPARE(s.form.focused(), std::string("Text7"));
    }

    // The slider's keys the way they point, one Change (and one line calculation) per key.
    void sliderKeysTheNaturalWayRound() {
        Started s;
        Operator op;
        QVERIFY(s.active());
        // A measured point off the line impedance: each position of the slider computes a new result.
        s.form.setText("Text23", "100");
        s.form.setText("Text24", "30");
        int changes = 0;
        s.form.on(
            "HScroll1", ui::Event::Change,
            [&](ui::Form& f) {
                ++changes;
                line::hScroll1Change(f);
            },
            "Text22");
        auto* bar = s.as<QScrollBar>("HScroll1");
        s.clickOn("HScroll1"); // the focus; a click on the middle of the track may move it
        s.form.setValue("HScroll1", 0);
        changes = 0;
        QCOMPARE(s.focusedControl(), std::string("HScroll1"));
        QString before = s.as<QPlainTextEdit>("Text22")->toPlainText();
        for (int i = 0; i < 20; ++i) {
            pressKey(Qt::Key_Right);
            const QString now = s.as<QPlainTextEdit>("Text22")->toPlainText();
            QVERIFY2(now != before && now.contains(QStringLiteral("SWR")), qPrintable(now));
            before = now;
        }
        QCOMPARE(s.form.value("HScroll1"), 20);
        QCOMPARE(bar->value(), 20);
        QCOMPARE(changes, 20);
        pressKey(Qt::Key_Left);
        QCOMPARE(s.form.value("HScroll1"), 19);
        pressKey(Qt::Key_PageDown);
        QCOMPARE(s.form.value("HScroll1"), 19 + bar->pageStep());
        pressKey(Qt::Key_PageUp);
        pressKey(Qt::Key_PageUp);
        QCOMPARE(s.form.value("HScroll1"), std::max(0, 19 - bar->pageStep()));
        pressKey(Qt::Key_End);
        QCOMPARE(s.form.value("HScroll1"), 720);
        pressKey(Qt::Key_Home);
        QCOMPARE(s.form.value("HScroll1"), 0);
        QCOMPARE(changes, 26);
        QCOMPARE(s.focusedControl(), std::string("HScroll1"));
    }

    void backColourFollowsThePalette() {
        Started s;
        QWidget* power = s.w("Text29");
        const QPalette system = QApplication::palette(power);
        QCOMPARE(power->palette().color(QPalette::Active, QPalette::Base),
                 system.color(QPalette::Active, QPalette::Base));
        s.form.setBack("Text29", ui::BackColor::Highlight);
        QCOMPARE(power->palette().color(QPalette::Active, QPalette::Base),
                 system.color(QPalette::Active, QPalette::Highlight));
        s.form.setBack("Text29", ui::BackColor::Window);
        QCOMPARE(power->palette().color(QPalette::Active, QPalette::Base),
                 system.color(QPalette::Active, QPalette::Base));
    }

    void guideButtonHandsTheAddressToTheDesktop() {
        Started s;
        QVERIFY(s.active());
        opened_.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openRequested");
        typeInto(s, "Text7", "100");
        s.clickOn("Command4");
        const QString result = s.as<QPlainTextEdit>("Text4")->toPlainText();
        QVERIFY(!result.isEmpty());

        s.clickOn("Command7");
        QCOMPARE(opened_.size(), std::size_t(1));
        s.clickOn("Command7");
        s.clickOn("Text8");
        QTest::keyClick(QApplication::focusWidget(), '?', Qt::AltModifier);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(opened_.size(), std::size_t(3));
        for (const QUrl& url : opened_) {
            QCOMPARE(url.toString(), QString::fromUtf8(ui::kGuideAddress));
            QCOMPARE(url.path(), QStringLiteral("/Kolv31itaguide.pdf"));
        }
        QCOMPARE(s.as<QPlainTextEdit>("Text4")->toPlainText(), result); // nothing in the window changes
    }

    // Run with a comma locale (LC_ALL=it_IT.UTF-8): results show the comma, typed numbers keep the dot.
    void decimalSignFromLocale() {
        const QByteArray all = qgetenv("LC_ALL");
        if (!all.startsWith("it_IT"))
            QSKIP("needs LC_ALL set to a comma locale");
        if (!std::setlocale(LC_NUMERIC, all.constData()))
            QSKIP("the comma locale is not installed");
        Started s;
        QVERIFY(s.active());
        typeInto(s, "Text7", "25.0");
        typeInto(s, "Text8", "-50");
        s.clickOn("Command4");
        QVERIFY2(s.as<QPlainTextEdit>("Text4")->toPlainText().startsWith(QStringLiteral("SWR = 4,266")),
                 qPrintable(s.as<QPlainTextEdit>("Text4")->toPlainText()));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
