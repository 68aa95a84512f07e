// The Touchstone import in the real window: the menu entry, the dialog (summary, start frequency, the
// targets that fit, preselection from the panel the file was dropped on), OK and Cancel.
#include "app/import/touchstoneimport.h"
#include "harness.h"
#include "touchstone/touchstone.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QUrl>

#include <fstream>
#include <functional>

using harness::Started;
using wiring::ImportTarget;

namespace {

// Runs `act` on the import dialog as soon as it is shown.
void onDialog(std::function<void(app::TouchstoneImportDialog&)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* d = qobject_cast<app::TouchstoneImportDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(*d);
    });
    timer->start();
}

void press(app::TouchstoneImportDialog& d, QDialogButtonBox::StandardButton b) {
    d.findChild<QDialogButtonBox*>()->button(b)->click();
}

} // namespace

class TouchstoneImportTest : public QObject {
    Q_OBJECT
  private slots:
    void menuEntryWithCtrlO() {
        Started s;
        const QList<QAction*> actions = s.mainWindow->fileMenu()->actions();
        QVERIFY(!actions.isEmpty());
        QCOMPARE(actions.front()->text(), QStringLiteral("Importa misura Touchstone..."));
        QCOMPARE(actions.front()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    }

    // A one-port file dropped on the line panel: the dialog starts at the line's frequency, which the file
    // covers, with the line preselected and the tuner not offered; OK writes R, X and the frequency.
    // A second import picks another point of the file and is cancelled: nothing changes.
    void dropOnLinePanelThenOkThenCancel() {
        QTemporaryDir dir;
        const QString path = dir.filePath("dipole.S1P");
        std::ofstream(path.toStdString()) << "! dipole\n# MHz S RI R 50\n14.0 0.2 0.1\n14.4 0.0 -0.2\n";
        Started s;
        QVERIFY(s.active());
        s.form.setText("Text28", "14.2");

        bool seen = false;
        onDialog([&](app::TouchstoneImportDialog& d) {
            seen = true;
            QVERIFY(d.summary()->text().contains("1 porta, 2 punti, da 14 MHz a 14.4 MHz"));
            QVERIFY(d.summary()->text().contains("Riferimento 50 ohm"));
            QCOMPARE(d.frequency()->currentText(), QStringLiteral("14.2"));
            QCOMPARE(d.frequency()->count(), 2);
            QCOMPARE(d.frequency()->itemText(1), QStringLiteral("14.4"));
            QVERIFY(d.targetButton(ImportTarget::Line)->isChecked());
            QVERIFY(!d.targetButton(ImportTarget::Tuner)->isEnabled());
            QVERIFY(d.targetButton(ImportTarget::Antenna)->isEnabled());
            press(d, QDialogButtonBox::Ok);
        });
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QWidget* field = s.w("Text23"); // an input field of the line panel: the drop is not text for it
        const QPointF at(field->width() / 2.0, field->height() / 2.0);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &drop);
        QTRY_VERIFY(seen);
        // Half-way: S11 = 0.1 - j0.05, Z = 50 (1.1 - j0.05) / (0.9 + j0.05) = 60.7692 - j6.15385.
        QTRY_COMPARE(s.form.text("Text23"), std::string("60.7692"));
        QCOMPARE(s.form.text("Text24"), std::string("-6.15385"));
        QCOMPARE(s.form.text("Text28"), std::string("14.2"));
        QCOMPARE(s.as<QLineEdit>("Text23")->text(), QStringLiteral("60.7692"));

        seen = false;
        onDialog([&](app::TouchstoneImportDialog& d) {
            seen = true;
            d.frequency()->setCurrentIndex(1);
            d.targetButton(ImportTarget::Point)->setChecked(true);
            press(d, QDialogButtonBox::Cancel);
        });
        const std::string before7 = s.form.text("Text7");
        app::importTouchstoneFile(*s.mainWindow, path);
        QVERIFY(seen);
        QCOMPARE(s.form.text("Text7"), before7);
        QCOMPARE(s.form.text("Text23"), std::string("60.7692"));
    }

    // The six significant digits an import writes stand whole in the narrow S-parameter fields, from their
    // first character (a minus sign, a leading zero), at every zoom: the tuner's four parameters from a
    // two-port file, then the antenna's S11 from a one-port file dropped on the tuner panel, which offers
    // neither the tuner nor preselects it.
    void importedValuesShowWholeFromTheirFirstCharacter() {
        QTemporaryDir dir;
        const QString twoPort = dir.filePath("ntwk.s2p");
        std::ofstream(twoPort.toStdString()) << "# MHz S RI R 50\n"
                                                "1000 -0.151514 0.0234769 0.0234769 -0.151514 "
                                                "-0.0834769 -0.941514 -0.151514 -0.0234769\n";
        const QString onePort = dir.filePath("ant.s1p");
        std::ofstream(onePort.toStdString()) << "# MHz S RI R 50\n14 -0.151514 0.0234769\n";
        Started s;
        QVERIFY(s.active());
        const auto shownWhole = [&](const char* name) {
            auto* e = s.as<QLineEdit>(name);
            QStyleOptionFrame opt;
            opt.initFrom(e);
            opt.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e);
            const QRect room = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
            return e->cursorPosition() == 0 &&
                   e->fontMetrics().horizontalAdvance(e->text()) <= room.width() - 4;
        };

        onDialog([](app::TouchstoneImportDialog& d) {
            QVERIFY(d.targetButton(ImportTarget::Tuner)->isChecked());
            press(d, QDialogButtonBox::Ok);
        });
        app::importTouchstoneFile(*s.mainWindow, twoPort);
        const std::pair<const char*, const char*> tuner[] = {
            {"Text36", "-0.151514"}, {"Text37", "0.0234769"},  {"Text33", "0.0234769"},
            {"Text32", "-0.151514"}, {"Text38", "-0.0834769"}, {"Text39", "-0.941514"},
            {"Text31", "-0.151514"}, {"Text35", "-0.0234769"}};
        for (const auto& [name, text] : tuner)
            QCOMPARE(s.as<QLineEdit>(name)->text(), QString::fromLatin1(text));

        bool seen = false;
        onDialog([&](app::TouchstoneImportDialog& d) {
            seen = true;
            QVERIFY(!d.targetButton(ImportTarget::Tuner)->isEnabled());
            QVERIFY(!d.targetButton(ImportTarget::Tuner)->isChecked());
            d.targetButton(ImportTarget::Antenna)->setChecked(true);
            press(d, QDialogButtonBox::Ok);
        });
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(onePort)});
        QWidget* field = s.w("Text36"); // S 11 of the tuner
        const QPointF at(field->width() / 2.0, field->height() / 2.0);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &drop);
        QTRY_VERIFY(seen);
        QTRY_COMPARE(s.as<QLineEdit>("Text30")->text(), QStringLiteral("-0.151514"));
        QCOMPARE(s.as<QLineEdit>("Text34")->text(), QStringLiteral("0.0234769"));

        for (int zoom : app::kZoomSteps) {
            s.mainWindow->setZoom(zoom);
            for (const char* name : {"Text30", "Text34", "Text36", "Text37", "Text33", "Text32", "Text31",
                                     "Text35", "Text38", "Text39"}) {
                const QString text = s.as<QLineEdit>(name)->text();
                if (text.size() <= 9)
                    QVERIFY2(shownWhole(name), qPrintable(QStringLiteral("%1 at %2 %").arg(name).arg(zoom)));
                else
                    QVERIFY2(s.as<QLineEdit>(name)->cursorPosition() == 0, name);
            }
        }
    }

    // Above the cable data's range the dialog says, for the line panel only, that the line's results are
    // not guaranteed; the note follows the frequency picked and the target chosen.
    void noteBeyondTheCableDataFollowsFrequencyAndTarget() {
        Started s;
        const touchstone::Network sweep =
            touchstone::parse("# MHz S RI R 50\n144 0.1 0\n200 0.2 0\n", "vhf.s1p");
        app::TouchstoneImportDialog d(sweep, 200, ImportTarget::Line);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(d.targetButton(ImportTarget::Line)->isChecked());
        QVERIFY(d.note()->isVisible());
        QVERIFY2(d.note()->text().contains(QStringLiteral("200 MHz")) &&
                     d.note()->text().contains(QStringLiteral("150 MHz")),
                 qPrintable(d.note()->text()));
        d.targetButton(ImportTarget::Point)->setChecked(true);
        QVERIFY(!d.note()->isVisible());
        d.targetButton(ImportTarget::Line)->setChecked(true);
        QVERIFY(d.note()->isVisible());
        d.frequency()->setCurrentText(QStringLiteral("144"));
        QVERIFY(!d.note()->isVisible());

        // Shown for the point, then switched to the line: the dialog grows to hold the note whole above
        // its buttons.
        app::TouchstoneImportDialog point(sweep, 200, ImportTarget::Point);
        point.show();
        QVERIFY(QTest::qWaitForWindowExposed(&point));
        QVERIFY(!point.note()->isVisible());
        point.targetButton(ImportTarget::Line)->setChecked(true);
        QApplication::processEvents();
        QLabel* note = point.note();
        QVERIFY(note->isVisible());
        QVERIFY2(note->height() >= note->heightForWidth(note->width()),
                 qPrintable(
                     QStringLiteral("%1 < %2").arg(note->height()).arg(note->heightForWidth(note->width()))));
        QVERIFY(note->geometry().bottom() < point.findChild<QDialogButtonBox*>()->geometry().top());
    }

    // A refused file is a message box with the reader's text, and no dialog.
    void refusedFileIsAMessageBox() {
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.s1p");
        std::ofstream(path.toStdString()) << "# MHz S RI\n14.3 0 0\n14.2 0 0\n";
        Started s;
        harness::Operator op;
        app::importTouchstoneFile(*s.mainWindow, path);
        QCOMPARE(op.seen().size(), std::size_t(1));
        QCOMPARE(op.seen()[0].title, QStringLiteral("Touchstone File"));
        QCOMPARE(op.seen()[0].text,
                 QStringLiteral("bad.s1p, line 3: frequencies must increase: 14.2 MHz after 14.3 MHz"));
    }
};

QTEST_MAIN(TouchstoneImportTest)
#include "touchstone_import_test.moc"
