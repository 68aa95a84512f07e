#include "app/chart/smithchart.h"

#include "app/chart/chartwindow.h"
#include "app/shell/mainwindow.h"
#include "chart/chart.h"
#include "chart/smithgeometry.h"
#include "match/match.h"
#include "numeric/numtext.h"
#include "wiring/import.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QLayout>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace app {

namespace {

constexpr const char* kFeatureName = "smithChart";
constexpr int kPathStepsPerElement = 40;

} // namespace

// The feature: its menu entry, the chart window made on first use, and what feeds it from the model.
class SmithChart : public QObject {
    Q_OBJECT
  public:
    explicit SmithChart(MainWindow& main) : QObject(&main), main_(main) {
        setObjectName(QString::fromLatin1(kFeatureName));
        connect(&main, &MainWindow::modelChanged, this, [this] {
            if (chart_ && chart_->isVisible())
                refresh();
        });
        action_ = main.viewMenu()->addAction(QString());
        action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
        action_->setShortcutContext(Qt::ApplicationShortcut);
        connect(action_, &QAction::triggered, this, [this] { open(); });
        retranslate();
    }

    ChartWindow* chart() const { return chart_; }

    ChartWindow* open() {
        const bool first = !chart_;
        if (first) {
            chart_ = new ChartWindow(&main_); // a window of its own, closed with the main window
            connect(chart_, &ChartWindow::matchInputsChanged, this, [this] { designs(); });
            connect(chart_, &ChartWindow::saveMovedSweepRequested, this, [this] { saveMovedSweep(); });
            chart_->setPhysicalLine(chart::lineModel(main_.form()) == line::LineModel::Physical);
            connect(chart_, &ChartWindow::lineModelChanged, this, [this] {
                chart::setLineModel(main_.form(), chart_->physicalLine() ? line::LineModel::Physical
                                                                         : line::LineModel::Calculator);
                refresh();
            });
        }
        refresh();
        if (first)
            placeBesideMain();
        chart_->show();
        chart_->raise();
        chart_->activateWindow();
        return chart_;
    }

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        return QObject::event(event);
    }

  private:
    void retranslate() { action_->setText(tr("Carta di Smith")); }

    // Beside the calculator on its screen, on the side with more room, where the chart fits there at least
    // at its smallest; where neither side has that room but the screen holds both side by side, the
    // calculator moves over to make it; else the chart stands at the screen's edge on the side with more
    // room, at its smallest, where it covers the least of the calculator.
    void placeBesideMain() {
        QScreen* screen = main_.screen();
        if (!screen)
            return;
        const QRect room = screen->availableGeometry();
        const QRect frame = main_.frameGeometry();
        // The chart's frame is not known before it is shown: the calculator's, from the same window manager.
        const QSize decoration = (frame.size() - main_.size()).expandedTo(QSize(0, 0));
        // Its smallest size as it will be shown: the parts a layout took in are shown by a queued call,
        // which is made now, so that the layout counts them; in the style's fonts.
        const QList<QWidget*> parts = chart_->findChildren<QWidget*>();
        for (QWidget* part : parts)
            QCoreApplication::sendPostedEvents(part, QEvent::MetaCall);
        chart_->ensurePolished();
        for (auto it = parts.crbegin(); it != parts.crend(); ++it) // the inner layouts first
            if (QLayout* l = (*it)->layout()) {
                l->invalidate();
                l->activate();
            }
        chart_->layout()->invalidate();
        chart_->layout()->activate();
        const QSize least = chart_->minimumSizeHint().expandedTo(chart_->minimumSize());
        const QSize wanted = chart_->size();
        const int right = room.right() - frame.right();
        const int left = frame.left() - room.left();
        const bool onRight = right >= left;
        const int side = std::max(left, right);
        const int height =
            std::max(least.height(), std::min(wanted.height(), room.height() - decoration.height()));
        int width = 0, x = 0;
        if (side >= least.width() + decoration.width()) {
            width = std::min(wanted.width(), side - decoration.width());
            x = onRight ? frame.right() + 1 : frame.left() - width - decoration.width();
        } else if (room.width() >= frame.width() + least.width() + decoration.width()) {
            width = std::min(wanted.width(), room.width() - frame.width() - decoration.width());
            const int chartFrame = width + decoration.width();
            const int mainLeft =
                onRight ? room.right() + 1 - chartFrame - frame.width() : room.left() + chartFrame;
            main_.move(mainLeft, frame.top());
            x = onRight ? mainLeft + frame.width() : room.left();
        } else {
            width = std::max(least.width(), std::min(wanted.width(), side - decoration.width()));
            x = onRight ? room.right() + 1 - width - decoration.width() : room.left();
        }
        chart_->resize(width, height);
        const int y = std::clamp(frame.top(), room.top(),
                                 std::max(room.top(), room.bottom() + 1 - height - decoration.height()));
        chart_->move(x, y);
    }

    void refresh() {
        const ui::Form& f = main_.form();
        picture_ = chart::picture(f);
        std::vector<ChartMarker> markers;
        for (const chart::Marker& m : picture_.markers)
            markers.push_back({m.name, m.z});
        chart_->setPicture(std::move(markers), picture_.linePath);

        // The band of a sweep imported into the line panel, moved along the line of the standing result.
        std::vector<chart::BandPoint> band;
        if (const touchstone::Network* sweep = wiring::lineSweep(f))
            band = chart::band(f, *sweep);
        std::vector<Complex> measured, moved;
        std::vector<BandSample> samples;
        for (const chart::BandPoint& b : band) {
            measured.push_back(b.measured);
            moved.push_back(b.moved);
            samples.push_back({b.mhz, b.swrMeasured, b.swrMoved, b.totalLossDb});
        }
        const chart::LineFields line = chart::lineFields(f);
        chart_->setNoBandReason(wiring::lineSweep(f)          ? ChartWindow::NoBand::NoLineResult
                                : wiring::lineSweepDropped(f) ? ChartWindow::NoBand::SweepDropped
                                                              : ChartWindow::NoBand::NoSweep);
        chart_->setBand(std::move(measured), std::move(moved), std::move(samples), line.mhz);
        chart_->setLineValues(line.mhz, line.transceiverOhm);
        chart_->setLineLength(chart::lineLengthMetres(f), f.decimalSign());
        designs();
    }

    // The impedance the matching part works on, from the chosen source; nothing when it has none now.
    std::optional<Complex> sourceImpedance(const MatchInputs& in) const {
        if (in.source == MatchSource::Typed)
            return in.typedZ;
        return chart::markerImpedance(picture_, chart::kMatchSources[static_cast<int>(in.source)].marker);
    }

    void designs() {
        if (!chart_)
            return;
        const ui::Form& f = main_.form();
        const char sign = f.decimalSign();
        const MatchInputs in = chart_->matchInputs();
        const std::optional<Complex> z = sourceImpedance(in);
        chart_->showSourceImpedance(z);
        if (!z) {
            chart_->setDesigns(
                {}, {}, QStringLiteral("No impedance from this source: compute it in the window first."));
            return;
        }
        const match::Result r = match::design(*z, in.mhz * 1e6, in.rs, chart::stubVelocityFactor(f));
        if (!r.none.empty()) {
            chart_->setDesigns({}, {}, QString::fromStdString(r.none));
            return;
        }
        std::vector<DesignRow> rows;
        for (const match::Design& d : r.designs)
            rows.push_back({d.topology == match::Topology::ShuntLoad, d.seriesX, d.shuntX,
                            QString::fromStdString(match::designText(d, sign)),
                            match::path(d, *z, in.rs, kPathStepsPerElement)});
        chart_->setDesigns(std::move(rows), QString::fromStdString(match::stubText(r.stub, in.rs, sign)), {});
    }

    // Writes the moved sweep as formscript's `export` does: Touchstone 1.1, S11 on 50 ohm.
    void saveMovedSweep() {
        // The band as the window stands now, not as last drawn: a sweep dropped since is not saved; nor is
        // one dropped while the file dialog was open (an analyser sweeping on).
        const auto bandNow = [this] {
            const ui::Form& f = main_.form();
            const touchstone::Network* sweep = wiring::lineSweep(f);
            return sweep ? chart::band(f, *sweep) : std::vector<chart::BandPoint>{};
        };
        if (bandNow().empty())
            return;
        const QString path = QFileDialog::getSaveFileName(
            chart_, tr("Salva sweep spostato"), tr("spostato.s1p"), QStringLiteral("Touchstone (*.s1p)"));
        if (path.isEmpty())
            return;
        const std::vector<chart::BandPoint> band = bandNow();
        const touchstone::Network* sweep = wiring::lineSweep(main_.form());
        if (band.empty() || !sweep) {
            QMessageBox::warning(
                chart_, tr("Salva sweep spostato"),
                tr("Lo sweep non vale più (sono stati digitati nuovi valori nel pannello della "
                   "linea): nulla è stato salvato."));
            return;
        }
        const std::string text = chart::movedTouchstone(band, chart::bandComments(main_.form(), *sweep));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(text.data(), qint64(text.size())) != qint64(text.size()))
            QMessageBox::warning(chart_, QStringLiteral("Export"),
                                 QStringLiteral("Cannot write %1.").arg(path));
    }

    MainWindow& main_;
    QAction* action_ = nullptr;
    ChartWindow* chart_ = nullptr;
    // What the window computed, as the chart shows it.
    chart::Picture picture_;
};

namespace {

SmithChart* featureOf(MainWindow& window) {
    return window.findChild<SmithChart*>(QString::fromLatin1(kFeatureName), Qt::FindDirectChildrenOnly);
}

} // namespace

void installSmithChart(MainWindow& window) {
    if (!featureOf(window))
        new SmithChart(window);
}

ChartWindow* openSmithChart(MainWindow& window) {
    SmithChart* f = featureOf(window);
    return f ? f->open() : nullptr;
}

ChartWindow* smithChartOf(MainWindow& window) {
    SmithChart* f = featureOf(window);
    return f ? f->chart() : nullptr;
}

} // namespace app

#include "smithchart.moc"
