// The user's cables in the real window: the "Cavi" menu, a cable entered from a datasheet (the fit shown
// as it is typed, both units), refused values, an edit and a rename, a removal, a cable measured from a
// sweep file with its plot, import and export, and the line panel's list following every change. Each
// test has a cable file of its own in a fresh XDG_DATA_HOME.
#include "app/cables/cablemanager.h"
#include "app/cables/measuredialog.h"
#include "app/chart/chartwindow.h"
#include "cables/file.h"
#include "cables/fit.h"
#include "harness.h"
#include "line/line.h"
#include "touchstone/touchstone.h"
#include "wiring/cables.h"
#include "wiring/import.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <fstream>

using harness::Started;

namespace {

void typeInto(QLineEdit* e, const QString& text) {
    e->clear();
    QTest::keyClicks(e, text);
}

void setPoint(QTableWidget* t, int row, const QString& mhz, const QString& loss) {
    t->item(row, 0) ? t->item(row, 0)->setText(mhz) : t->setItem(row, 0, new QTableWidgetItem(mhz));
    t->item(row, 1) ? t->item(row, 1)->setText(loss) : t->setItem(row, 1, new QTableWidgetItem(loss));
}

QStringList comboItems(QComboBox* b) {
    QStringList out;
    for (int i = 0; i < b->count(); ++i)
        out << b->itemText(i);
    return out;
}

} // namespace

class CableManagerTest : public QObject {
    Q_OBJECT
    QTemporaryDir data_;

  private slots:
    void init() {
        QVERIFY(data_.isValid());
        QDir(data_.path()).removeRecursively();
        QDir().mkpath(data_.path());
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
    }

    void menuBeforeHelp() {
        Started s;
        const QList<QAction*> menus = s.mainWindow->menuBar()->actions();
        const auto cables = std::find_if(menus.begin(), menus.end(), [](QAction* a) {
            return a->menu() && a->menu()->title() == QStringLiteral("Cavi");
        });
        QVERIFY(cables != menus.end());
        QVERIFY(cables - menus.begin() < menus.indexOf(s.mainWindow->helpMenu()->menuAction()));
        QVERIFY(cables - menus.begin() > menus.indexOf(s.mainWindow->viewMenu()->menuAction()));
        QCOMPARE((*cables)->menu()->actions().at(0)->text(), QStringLiteral("Gestione cavi..."));
        QCOMPARE((*cables)->menu()->actions().at(1)->text(), QStringLiteral("Misura da sweep..."));
    }

    // Entered as from a datasheet: the fit follows the typing, in both units; saved, the cable is in the
    // file and at the end of the line panel's list, and "Auto" loads it.
    void datasheetCableReachesTheLinePanel() {
        Started s;
        harness::Operator op;
        app::CableManagerDialog d(*s.mainWindow, s.mainWindow.get());
        d.show();
        typeInto(d.nameEdit(), "Il mio RG-58");
        typeInto(d.z0Edit(), "50");
        typeInto(d.vfEdit(), "0.66");
        d.unitBox()->setCurrentIndex(1); // dB/100 ft
        setPoint(d.pointsTable(), 0, "1", "0.495730");
        setPoint(d.pointsTable(), 1, "10", "1.43503");
        setPoint(d.pointsTable(), 2, "100", "4.81304");
        QVERIFY2(d.fitLabel()->text().startsWith("K0 = 0.0822762, K1 = 0.406829, K2 = 0.00662473"),
                 qPrintable(d.fitLabel()->text()));
        QVERIFY(d.lossLabel()->text().contains("14 MHz: 5.57 dB/100 m (1.7 dB/100 ft)"));
        // The other unit beside each point.
        QCOMPARE(d.pointsTable()->item(2, 2)->text(), QStringLiteral("15.79"));
        QVERIFY(d.saveEdited());
        QVERIFY(op.seen().empty());

        const auto& all = wiring::userCables(s.form);
        QCOMPARE(all.size(), std::size_t(1));
        QCOMPARE(all[0].line.name, std::string("Il mio RG-58"));
        const auto onDisk = cables::readCableFile(data_.filePath("hamlinecalc/cables.txt").toStdString());
        QCOMPARE(onDisk.size(), std::size_t(1));
        QCOMPARE(onDisk[0].datasheet->points.size(), std::size_t(3));
        QCOMPARE(d.list()->count(), 1);

        auto* combo = s.as<QComboBox>("Combo2");
        QCOMPARE(combo->count(), 74);
        QCOMPARE(combo->itemText(73), QStringLiteral("Il mio RG-58"));
        QCOMPARE(combo->itemText(0), QStringLiteral("Messi e Paoloni Pota-Flex 6"));
        d.close();
        s.form.userPick("Combo2", "Il mio RG-58");
        s.form.userFocus("Text28"); // leaving the list loads the cable
        QCOMPARE(s.as<QLineEdit>("Text27")->text(), QStringLiteral("0.660"));
        QCOMPARE(s.form.vars<line::LineVars>().IND, 73);
    }

    // Refused values name their field and save nothing.
    void refusalsSaveNothing() {
        Started s;
        harness::Operator op;
        app::CableManagerDialog d(*s.mainWindow, s.mainWindow.get());
        d.show();
        setPoint(d.pointsTable(), 0, "14", "5.5");
        struct Case {
            const char* name;
            const char* z0;
            const char* vf;
            const char* title;
        };
        const Case cases[] = {{"", "50", "0.66", "Cable Name"},
                              {"RG-58 (generic)", "50", "0.66", "Cable Name"},
                              {"Mio", "0", "0.66", "Cable Z0"},
                              {"Mio", "50", "1.5", "Cable VF"},
                              {"Mio", "50,5", "0.66", "Cable Z0"}};
        for (const Case& c : cases) {
            typeInto(d.nameEdit(), c.name);
            typeInto(d.z0Edit(), c.z0);
            typeInto(d.vfEdit(), c.vf);
            op.forget();
            QVERIFY(!d.saveEdited());
            QCOMPARE(op.seen().size(), std::size_t(1));
            QCOMPARE(op.seen()[0].title, QString::fromLatin1(c.title));
        }
        typeInto(d.nameEdit(), "Mio");
        typeInto(d.z0Edit(), "50");
        typeInto(d.vfEdit(), "0.66");
        setPoint(d.pointsTable(), 1, "14", "6");
        QVERIFY(d.fitLabel()->text().contains("same frequency"));
        op.forget();
        QVERIFY(!d.saveEdited());
        QCOMPARE(op.seen().at(0).title, QStringLiteral("Cable Points"));
        QVERIFY(wiring::userCables(s.form).empty());
        QCOMPARE(s.as<QComboBox>("Combo2")->count(), 73);
    }

    // An edit replaces the cable, a new name renames it, a removal takes it out of the list; the panel's
    // list follows.
    void editRenameRemove() {
        Started s;
        harness::Operator op;
        app::CableManagerDialog d(*s.mainWindow, s.mainWindow.get());
        d.show();
        typeInto(d.nameEdit(), "Scala");
        typeInto(d.z0Edit(), "450");
        typeInto(d.vfEdit(), "0.91");
        setPoint(d.pointsTable(), 0, "14", "0.3");
        QVERIFY(d.saveEdited());
        d.startNew();
        typeInto(d.nameEdit(), "Coassiale");
        setPoint(d.pointsTable(), 0, "14", "2");
        QVERIFY(d.saveEdited());
        QCOMPARE(d.list()->count(), 2);

        d.list()->setCurrentRow(0); // loads "Scala"
        QCOMPARE(d.nameEdit()->text(), QStringLiteral("Scala"));
        QCOMPARE(d.z0Edit()->text(), QStringLiteral("450"));
        typeInto(d.nameEdit(), "Scala 450");
        typeInto(d.vfEdit(), "0.9");
        QVERIFY(d.saveEdited());
        QCOMPARE(comboItems(s.as<QComboBox>("Combo2")).mid(73), (QStringList{"Scala 450", "Coassiale"}));
        QCOMPARE(wiring::userCables(s.form)[0].line.VF, 0.9);

        d.list()->setCurrentRow(1);
        QVERIFY(d.removeSelected());
        QCOMPARE(comboItems(s.as<QComboBox>("Combo2")).mid(73), QStringList{"Scala 450"});
        QCOMPARE(cables::readCableFile(data_.filePath("hamlinecalc/cables.txt").toStdString()).size(),
                 std::size_t(1));
        QVERIFY(op.seen().empty());
    }

    // Measured from a sweep file: both units of the length, the result, the plot of sweep and model, saved.
    void measuredFromASweep() {
        Started s;
        harness::Operator op;
        app::MeasureDialog d(*s.mainWindow, s.mainWindow.get());
        d.show();
        d.fileEdit()->setText(QStringLiteral(HLC_TOUCHSTONE_DIR "/cable-rg58-open-20m.s1p"));
        d.lengthUnit()->setCurrentIndex(1);
        typeInto(d.lengthEdit(), "65.6168");
        QCOMPARE(d.lengthOther()->text(), QStringLiteral("= 20 m"));
        d.lengthUnit()->setCurrentIndex(0);
        typeInto(d.lengthEdit(), "20");
        QCOMPARE(d.lengthOther()->text(), QStringLiteral("= 65.617 ft"));
        QVERIFY(!d.saveButton()->isEnabled());
        QVERIFY(d.measure());
        QVERIFY2(d.resultLabel()->text().startsWith("Z0 = 50.013 ohm, V.F. = 0.66"),
                 qPrintable(d.resultLabel()->text()));
        QCOMPARE(d.plot()->points(), 401);
        QVERIFY(d.saveButton()->isEnabled());
        typeInto(d.nameEdit(), "RG-58 misurato");
        QVERIFY(d.save());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const auto& all = wiring::userCables(s.form);
        QCOMPARE(all.size(), std::size_t(1));
        QVERIFY(all[0].measured);
        QCOMPARE(all[0].measured->metres, 20.0);
        QCOMPARE(s.as<QComboBox>("Combo2")->itemText(73), QStringLiteral("RG-58 misurato"));

        // The far end given wrong: refused with its reason, nothing to save.
        app::MeasureDialog wrong(*s.mainWindow, s.mainWindow.get());
        wrong.fileEdit()->setText(QStringLiteral(HLC_TOUCHSTONE_DIR "/cable-rg58-open-20m.s1p"));
        typeInto(wrong.lengthEdit(), "20");
        wrong.shortButton()->setChecked(true);
        op.forget();
        QVERIFY(!wrong.measure());
        QCOMPARE(op.seen().at(0).title, QStringLiteral("Cable Sweep"));
        QVERIFY(!wrong.saveButton()->isEnabled());
    }

    // The analyser's last sweep taken instead of a file: the same cable as from the file it would save;
    // a file typed afterwards is read instead.
    void measuredFromTheAnalysersSweep() {
        Started s;
        harness::Operator op;
        {
            app::MeasureDialog none(*s.mainWindow, s.mainWindow.get());
            QVERIFY(!none.fromAnalyserButton()->isEnabled());
        }
        wiring::keepAnalyserSweep(s.form,
                                  touchstone::readFile(HLC_TOUCHSTONE_DIR "/cable-rg58-open-20m.s1p"));
        app::MeasureDialog d(*s.mainWindow, s.mainWindow.get());
        d.show();
        QVERIFY(d.fromAnalyserButton()->isEnabled());
        d.fromAnalyserButton()->click();
        QVERIFY2(d.fileEdit()->text().contains("401"), qPrintable(d.fileEdit()->text()));
        typeInto(d.lengthEdit(), "20");
        QVERIFY(d.measure());
        QVERIFY2(d.resultLabel()->text().startsWith("Z0 = 50.013 ohm, V.F. = 0.66"),
                 qPrintable(d.resultLabel()->text()));
        typeInto(d.nameEdit(), "RG-58 dal vivo");
        QVERIFY(d.save());
        const auto& all = wiring::userCables(s.form);
        QCOMPARE(all.size(), std::size_t(1));
        QVERIFY(all[0].measured);
        QCOMPARE(all[0].measured->sweep, std::string());

        app::MeasureDialog typed(*s.mainWindow, s.mainWindow.get());
        typed.fromAnalyserButton()->click();
        typed.fileEdit()->setText(QStringLiteral("/no/such/sweep.s1p"));
        typeInto(typed.lengthEdit(), "20");
        op.forget();
        QVERIFY(!typed.measure());
        QCOMPARE(op.seen().at(0).title, QStringLiteral("Touchstone File"));
    }

    // Exported and imported again: the same cables; a file that cannot be read adds nothing.
    void exportAndImport() {
        Started s;
        harness::Operator op;
        app::CableManagerDialog d(*s.mainWindow, s.mainWindow.get());
        for (const char* name : {"Uno", "Due"}) {
            d.startNew();
            typeInto(d.nameEdit(), name);
            setPoint(d.pointsTable(), 0, "14", "2");
            QVERIFY(d.saveEdited());
        }
        QTemporaryDir share;
        const QString path = share.filePath("cavi.txt");
        QVERIFY(d.exportTo(path));
        d.list()->setCurrentRow(0);
        QVERIFY(d.removeSelected());
        d.list()->setCurrentRow(0);
        QVERIFY(d.removeSelected());
        QCOMPARE(d.list()->count(), 0);
        QVERIFY(d.importFrom(path));
        QCOMPARE(d.list()->count(), 2);
        QCOMPARE(comboItems(s.as<QComboBox>("Combo2")).mid(73), (QStringList{"Uno", "Due"}));
        std::ofstream(share.filePath("bad.txt").toStdString()) << "not a cable file\n";
        op.forget();
        QVERIFY(!d.importFrom(share.filePath("bad.txt")));
        QCOMPARE(op.seen().size(), std::size_t(1));
        QVERIFY(op.seen()[0].text.contains("line 1"));
        QCOMPARE(d.list()->count(), 2);
    }

    // A cable file that cannot be read is said once, over the window that is up, and the catalog works.
    void unreadableFileIsSaidOverTheWindow() {
        QDir().mkpath(data_.filePath("hamlinecalc"));
        std::ofstream(data_.filePath("hamlinecalc/cables.txt").toStdString())
            << "hamlinecalc-cables 1\ncable X\nz0 ?\n";
        harness::Operator op;
        Started s;
        QVERIFY(s.active());
        QTRY_COMPARE(op.seen().size(), std::size_t(1));
        QCOMPARE(op.seen()[0].title, QStringLiteral("Cable File"));
        QVERIFY(op.seen()[0].text.contains("cables.txt, line 3"));
        QCOMPARE(s.as<QComboBox>("Combo2")->count(), 73);
        QTest::qWait(50);
        QCOMPARE(op.seen().size(), std::size_t(1));
    }

    // The chart window's line readout: the line's length in metres and feet while a result stands.
    void chartShowsTheLineLength() {
        app::ChartWindow chart;
        chart.setLineLength(std::nullopt);
        QVERIFY(chart.lineLengthLabel()->isHidden());
        chart.setLineLength(3.5306);
        QVERIFY(!chart.lineLengthLabel()->isHidden());
        QCOMPARE(chart.lineLengthLabel()->text(),
                 QStringLiteral("Linea: 3.53 m (11.58 ft) dal punto misurato al punto lontano"));
        chart.setLineLength(3.5306, ',');
        QVERIFY(chart.lineLengthLabel()->text().startsWith(QStringLiteral("Linea: 3,53 m (11,58 ft)")));
    }
};

QTEST_MAIN(CableManagerTest)
#include "cable_manager_test.moc"
