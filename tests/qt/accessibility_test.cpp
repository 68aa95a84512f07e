// The window as a screen reader finds it, walking the accessibility tree from the window down: every field,
// list and slider has a name of its own, the numeric inputs are told apart by their names, every result
// field says that it cannot be edited, frames are named by their own caption, and no "&" of an access key
// is read out.
#include "harness.h"

#include "app/chart/chartwindow.h"
#include "app/chart/smithchart.h"
#include "ui/controlset.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

#include <map>
#include <vector>

using harness::Started;

namespace {

// One element of the tree, with the control it belongs to and the captions of the frames around it.
struct Node {
    QAccessibleInterface* iface;
    std::string control; // empty for the window and for items of a list
    QStringList frames;  // captions of the enclosing frames, outermost first
    QString name() const { return iface->text(QAccessible::Name); }
};

void walk(QAccessibleInterface* iface, QStringList frames, const app::QtWindow& window,
          std::vector<Node>& out) {
    if (!iface)
        return;
    out.push_back({iface, window.controlOf(iface->object()), frames});
    if (auto* g = qobject_cast<QGroupBox*>(iface->object()); g && !g->title().isEmpty())
        frames.append(g->title());
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), frames, window, out);
}

std::vector<Node> tree(const Started& s) {
    std::vector<Node> nodes;
    walk(QAccessible::queryAccessibleInterface(s.window), {}, *s.window, nodes);
    return nodes;
}

// The element of a control itself (not one of its parts).
const Node* find(const std::vector<Node>& nodes, const Started& s, const std::string& control) {
    for (const Node& n : nodes)
        if (n.control == control && n.iface->object() == s.window->widget(control))
            return &n;
    return nullptr;
}

// A caption of the model as the window shows it, in its language, without the access key's "&".
QString caption(const std::string& text) {
    return app::windowText(text).remove(QLatin1Char('&'));
}

// A text of the model (Italian) in the language of the window.
QString shown(const char* italian) {
    return app::windowText(italian);
}

// A text of the chart window (Italian) in the language of the window.
QString chartText(const char* italian) {
    return QCoreApplication::translate("app::ChartWindow", italian);
}

// Every element under an accessible element, depth first; a list box as one element, without its list.
void collect(QAccessibleInterface* iface, std::vector<QAccessibleInterface*>& out) {
    if (!iface)
        return;
    out.push_back(iface);
    if (iface->role() == QAccessible::ComboBox)
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        collect(iface->child(i), out);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    // A field, list or slider with no name, or with only the caption of the frame it lies in (what the
    // toolkit falls back to), is read out as nothing or as the whole panel.
    void fieldsListsAndSlidersHaveNamesOfTheirOwn() {
        Started s;
        const std::vector<Node> nodes = tree(s);
        int checked = 0;
        for (const Node& n : nodes) {
            const QAccessible::Role role = n.iface->role();
            if (role != QAccessible::EditableText && role != QAccessible::ComboBox &&
                role != QAccessible::ScrollBar)
                continue;
            ++checked;
            const QByteArray who = QByteArray::fromStdString(n.control) + " (" + n.name().toUtf8() + ")";
            QString name = n.name();
            if (role == QAccessible::ComboBox) {
                auto* box = qobject_cast<QComboBox*>(n.iface->object());
                QVERIFY2(box, who);
                // Some desktops name a list by its current item and read its caption from the label
                // beside it.
                if (name == box->currentText()) {
                    name.clear();
                    for (const auto& relation : n.iface->relations(QAccessible::Label)) {
                        name = relation.first->text(QAccessible::Name);
                        if (qobject_cast<QLabel*>(relation.first->object()))
                            break; // a label of its own rather than the caption of its frame
                    }
                }
            }
            QVERIFY2(!name.trimmed().isEmpty(), who);
            if (role != QAccessible::ComboBox)
                QVERIFY2(!n.frames.contains(name), who);
        }
        QVERIFY(checked >= 34 + 7 + 3);
    }

    // The numeric inputs, each named by its label and unit, and no two alike; none says read-only.
    void inputNamesAreUnique() {
        Started s;
        const std::vector<Node> nodes = tree(s);
        std::map<QString, std::string> seen;
        for (const ui::Control& c : s.form.controls()) {
            if (c.kind != ui::Kind::TextBox || c.result)
                continue;
            const Node* n = find(nodes, s, c.name);
            QVERIFY2(n, c.name.c_str());
            QCOMPARE(n->iface->role(), QAccessible::EditableText);
            QVERIFY2(!n->iface->state().readOnly, c.name.c_str());
            const auto [at, fresh] = seen.emplace(n->name(), c.name);
            QVERIFY2(fresh,
                     qPrintable(QString::fromStdString(c.name + " and " + at->second + ": ") + n->name()));
        }
        QCOMPARE(seen.size(), std::size_t{34});
    }

    void namesSayLabelAndUnit() {
        Started s;
        const std::vector<Node> nodes = tree(s);
        const std::map<std::string, QString> expected = {
            {"Text7", shown("R ohm")},
            {"Text6", shown("POT. DIR W")},
            {"Text33", shown("S 21 parte reale")},
            {"Text32", shown("S 21 parte immaginaria")},
            {"Text15", shown("Input Z R ohm")},
            {"Text23", shown("Linea R ohm")},
            {"Text2", shown("Potenza e corrente dalla tensione")},
            {"HScroll1", shown("Spostamento lungo la linea")},
        };
        for (const auto& [control, name] : expected) {
            const Node* n = find(nodes, s, control);
            QVERIFY2(n, control.c_str());
            QCOMPARE(n->name(), name);
        }
        // The cycle list: by its name, or by the label beside it where the list is named by its item.
        const Node* cycles = find(nodes, s, "Combo1");
        QVERIFY(cycles);
        QStringList labels;
        for (const auto& relation : cycles->iface->relations(QAccessible::Label))
            labels << relation.first->text(QAccessible::Name);
        QVERIFY2(cycles->name() == shown("Numero di cicli lambda/2") ||
                     labels.contains(shown("Numero di cicli lambda/2 cycles:")),
                 qPrintable(cycles->name() + QStringLiteral(" / ") + labels.join(QStringLiteral(", "))));
    }

    // Every result field says that it is read-only, before and after it shows a result.
    void resultsSayReadOnly() {
        Started s;
        QVERIFY(s.active());
        s.form.setText("Text7", "25");
        s.form.setText("Text8", "-50");
        s.clickOn("Command4");
        QVERIFY(!s.form.text("Text4").empty());
        const std::vector<Node> nodes = tree(s);
        int results = 0;
        for (const ui::Control& c : s.form.controls()) {
            if (!c.result)
                continue;
            ++results;
            const Node* n = find(nodes, s, c.name);
            QVERIFY2(n, c.name.c_str());
            QVERIFY2(!n->name().isEmpty(), c.name.c_str());
            const QString description = n->iface->text(QAccessible::Description);
            QCOMPARE(description, shown(ui::kResultDescription));
            QVERIFY2(n->iface->state().readOnly || !description.isEmpty(), c.name.c_str());
        }
        QCOMPARE(results, 7);
    }

    // Buttons and options are read by their captions, without the "&" that marks the access key; a frame
    // by its own caption, not by the caption of the panel around it.
    void captionsAreReadWithoutAccessKeyMarks() {
        Started s;
        const std::vector<Node> nodes = tree(s);
        int buttons = 0, frames = 0;
        for (const ui::Control& c : s.form.controls()) {
            const Node* n = find(nodes, s, c.name);
            if (c.kind == ui::Kind::CommandButton || c.kind == ui::Kind::OptionButton) {
                ++buttons;
                QVERIFY2(n, c.name.c_str());
                QCOMPARE(n->name(), caption(c.text));
            } else if (c.kind == ui::Kind::Frame && !c.text.empty()) {
                ++frames;
                QVERIFY2(n, c.name.c_str());
                QCOMPARE(n->name(), app::windowText(c.text));
            }
        }
        QCOMPARE(buttons, 9 + 15); // command buttons and option buttons
        QCOMPARE(frames, 15);
        QCOMPARE(find(nodes, s, "Command7")->name(), QStringLiteral("?"));
        QCOMPARE(find(nodes, s, "Frame15")->name(), shown("S 21 parte reale ed immag."));
    }

    // The chart window's fields and lists are named, each by a name of its own in the window's language
    // (the list of sources by the caption beside it where the desktop names a list by its item); the
    // chart itself and the readout under it are named too.
    void chartWindowIsNamedInTheWindowsLanguage() {
        Started s;
        app::ChartWindow* c = app::openSmithChart(*s.mainWindow);
        QVERIFY(c && QTest::qWaitForWindowExposed(c));
        std::vector<QAccessibleInterface*> all;
        collect(QAccessible::queryAccessibleInterface(c), all);
        QStringList names;
        for (QAccessibleInterface* iface : all) {
            const QAccessible::Role role = iface->role();
            if (role != QAccessible::EditableText && role != QAccessible::ComboBox &&
                role != QAccessible::List)
                continue;
            QString name = iface->text(QAccessible::Name);
            if (auto* box = qobject_cast<QComboBox*>(iface->object()); box && name == box->currentText())
                for (const auto& relation : iface->relations(QAccessible::Label))
                    name = relation.first->text(QAccessible::Name);
            QVERIFY2(!name.contains(QLatin1Char('&')), qPrintable(name));
            names << name;
        }
        const QStringList expected = {chartText("Impedenza di riferimento della carta (ohm)"),
                                      chartText("R digitata (ohm)"),
                                      chartText("X digitata (ohm)"),
                                      chartText("Frequenza (MHz)"),
                                      chartText("Rs (ohm)"),
                                      chartText("Reti L")};
        for (const QString& name : expected)
            QVERIFY2(names.count(name) == 1, qPrintable(name + QStringLiteral(" in ") + names.join(", ")));
        QVERIFY2(names.contains(chartText("Sorgente di Z")) ||
                     names.contains(chartText("&Z da:").remove('&')),
                 qPrintable(names.join(", ")));
        QVERIFY2(names.contains(chartText("Modello della linea")) ||
                     names.contains(chartText("M&odello della linea:").remove('&')),
                 qPrintable(names.join(", ")));
        QCOMPARE(names.size(), expected.size() + 2);
        const auto nameOf = [](QObject* o) {
            return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
        };
        QCOMPARE(nameOf(c->chart()), QCoreApplication::translate("app::SmithChartView", "Carta di Smith"));
        QCOMPARE(nameOf(c->readoutLabel()), chartText("Lettura al cursore"));
        QCOMPARE(nameOf(c->plots()),
                 QCoreApplication::translate("app::BandPlotView", "SWR e perdita nella banda"));
        if (harness::testLanguage() == app::Language::English)
            QCOMPARE(nameOf(c->designList()), QStringLiteral("L-networks"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
