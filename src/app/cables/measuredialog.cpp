#include "app/cables/measuredialog.h"

#include "app/cables/cabletext.h"
#include "app/shell/mainwindow.h"
#include "cables/fit.h"
#include "numeric/numtext.h"
#include "wiring/cables.h"
#include "wiring/import.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace app {

namespace {

using cabletext::digits;
using cabletext::q;

// A residual can be as small as the sweep's own rounding: "4.05e-10", not a row of zeros.
QString residual(double v) {
    return q(num::Significant(v, 3, '.', num::Notation::General));
}

} // namespace

// ---- the plot ------------------------------------------------------------------------------------------

SweepPlot::SweepPlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 180);
    setAccessibleName(tr("Sweep e modello"));
}

void SweepPlot::setCurves(std::vector<double> mhz, std::vector<std::complex<double>> measured,
                          std::vector<std::complex<double>> model) {
    mhz_ = std::move(mhz);
    measured_ = std::move(measured);
    model_ = std::move(model);
    update();
}

void SweepPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Base));
    const QColor text = pal.color(QPalette::Text);
    const QFontMetrics fm(font());
    const QRectF area(fm.horizontalAdvance(QStringLiteral("-1.0")) + 10, fm.height() + 6,
                      width() - fm.horizontalAdvance(QStringLiteral("-1.0")) - 20,
                      height() - 2 * fm.height() - 16);
    // The frame, the axis at 0 and the scale: the reflection coefficient lies between -1 and 1.
    p.setPen(QPen(text, 1));
    p.drawRect(area);
    auto y = [&](double v) { return area.top() + (1 - v) / 2 * area.height(); };
    p.setPen(QPen(text, 1, Qt::DotLine));
    p.drawLine(QPointF(area.left(), y(0)), QPointF(area.right(), y(0)));
    p.setPen(text);
    for (double v : {1.0, 0.0, -1.0})
        p.drawText(QRectF(0, y(v) - fm.height() / 2.0, area.left() - 4, fm.height()), Qt::AlignRight,
                   q(num::Significant(v, 2)));
    if (mhz_.size() < 2) {
        p.drawText(area, Qt::AlignCenter, tr("Nessuna misura"));
        return;
    }
    const double lo = mhz_.front(), hi = mhz_.back();
    auto x = [&](double f) { return area.left() + (f - lo) / (hi - lo) * area.width(); };
    p.drawText(QRectF(area.left(), area.bottom() + 2, 200, fm.height()), Qt::AlignLeft,
               tr("%1 MHz").arg(q(num::Significant(lo, 6))));
    p.drawText(QRectF(area.right() - 200, area.bottom() + 2, 200, fm.height()), Qt::AlignRight,
               tr("%1 MHz").arg(q(num::Significant(hi, 6))));

    const QColor re = QColor::fromHsv(210, 200, pal.color(QPalette::Base).lightness() > 128 ? 180 : 240);
    const QColor im = QColor::fromHsv(20, 220, pal.color(QPalette::Base).lightness() > 128 ? 200 : 250);
    auto curve = [&](const std::vector<std::complex<double>>& c, bool imag) {
        QPainterPath path;
        for (std::size_t i = 0; i < c.size(); ++i) {
            const QPointF pt(x(mhz_[i]), y(std::clamp(imag ? c[i].imag() : c[i].real(), -1.0, 1.0)));
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        return path;
    };
    p.save();
    p.setClipRect(area);
    p.setPen(QPen(re, 1));
    p.drawPath(curve(measured_, false));
    p.setPen(QPen(im, 1));
    p.drawPath(curve(measured_, true));
    p.setPen(QPen(text, 1.5, Qt::DashLine));
    p.drawPath(curve(model_, false));
    p.drawPath(curve(model_, true));
    p.restore();

    // The legend above the plot.
    const QString labels[] = {tr("Re S11 misurato"), tr("Im S11 misurato"), tr("modello (tratteggiato)")};
    const QColor colours[] = {re, im, text};
    double at = area.left();
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(colours[i], 2, i == 2 ? Qt::DashLine : Qt::SolidLine));
        p.drawLine(QPointF(at, fm.height() / 2.0 + 2), QPointF(at + 18, fm.height() / 2.0 + 2));
        p.setPen(text);
        p.drawText(QPointF(at + 22, fm.ascent() + 2), labels[i]);
        at += 22 + fm.horizontalAdvance(labels[i]) + 16;
    }
}

// ---- the dialog ----------------------------------------------------------------------------------------

MeasureDialog::MeasureDialog(MainWindow& w, QWidget* parent) : QDialog(parent), w_(w) {
    setWindowTitle(tr("Misura da sweep"));
    auto* layout = new QVBoxLayout(this);
    auto* intro =
        new QLabel(tr("Uno sweep a una porta dell'ingresso del cavo, con l'altro estremo aperto o in "
                      "corto, e la lunghezza fisica del cavo. Lo sweep deve mostrare almeno due "
                      "risonanze."),
                   this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* form = new QFormLayout;
    auto* fileRow = new QHBoxLayout;
    file_ = new QLineEdit(this);
    file_->setAccessibleName(tr("File dello sweep"));
    auto* browse = new QPushButton(tr("Sf&oglia..."), this);
    browse->setAutoDefault(false);
    fromAnalyser_ = new QPushButton(tr("Dall'anali&zzatore"), this);
    fromAnalyser_->setAutoDefault(false);
    fromAnalyser_->setToolTip(tr("L'ultimo sweep finito dell'analizzatore (Misura > Analizzatore...)"));
    fromAnalyser_->setEnabled(wiring::analyserSweep(w_.form()) != nullptr);
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(browse);
    fileRow->addWidget(fromAnalyser_);
    auto* fileLabel = new QLabel(tr("&File Touchstone:"), this);
    fileLabel->setBuddy(file_);
    form->addRow(fileLabel, fileRow);

    auto* lengthRow = new QHBoxLayout;
    length_ = new QLineEdit(this);
    length_->setAccessibleName(tr("Lunghezza del cavo"));
    unit_ = new QComboBox(this);
    unit_->addItems({tr("m"), tr("ft")});
    unit_->setAccessibleName(tr("Unità della lunghezza"));
    other_ = new QLabel(this);
    lengthRow->addWidget(length_);
    lengthRow->addWidget(unit_);
    lengthRow->addWidget(other_, 1);
    auto* lengthLabel = new QLabel(tr("&Lunghezza:"), this);
    lengthLabel->setBuddy(length_);
    form->addRow(lengthLabel, lengthRow);

    auto* endRow = new QHBoxLayout;
    open_ = new QRadioButton(tr("&aperto"), this);
    short_ = new QRadioButton(tr("in &corto"), this);
    open_->setChecked(true);
    auto* ends = new QButtonGroup(this);
    ends->addButton(open_);
    ends->addButton(short_);
    endRow->addWidget(open_);
    endRow->addWidget(short_);
    endRow->addStretch(1);
    form->addRow(tr("Altro estremo:"), endRow);
    layout->addLayout(form);

    measure_ = new QPushButton(tr("&Misura"), this);
    measure_->setDefault(true); // Enter in a field measures
    layout->addWidget(measure_, 0, Qt::AlignLeft);
    result_ = new QLabel(this);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    result_->setWordWrap(true);
    layout->addWidget(result_);
    plot_ = new SweepPlot(this);
    layout->addWidget(plot_, 1);

    auto* saveRow = new QHBoxLayout;
    name_ = new QLineEdit(this);
    name_->setAccessibleName(tr("Nome del cavo"));
    auto* nameLabel = new QLabel(tr("&Nome:"), this);
    nameLabel->setBuddy(name_);
    save_ = new QPushButton(tr("&Salva cavo"), this);
    save_->setEnabled(false);
    saveRow->addWidget(nameLabel);
    saveRow->addWidget(name_, 1);
    saveRow->addWidget(save_);
    layout->addLayout(saveRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, tr("Sweep del cavo"), QString(), tr("File Touchstone (*.s1p *.S1P);;Tutti i file (*)"));
        if (!path.isEmpty())
            file_->setText(path);
    });
    connect(fromAnalyser_, &QPushButton::clicked, this, [this] {
        const touchstone::Network* sweep = wiring::analyserSweep(w_.form());
        if (!sweep)
            return;
        const std::size_t points = sweep->samples.size();
        file_->setText(tr("(sweep dell'analizzatore, %1 punti)").arg(points));
        liveSweep_ = *sweep; // after the text: a new text otherwise forgets the sweep
    });
    connect(file_, &QLineEdit::textChanged, this, [this] { liveSweep_.reset(); });
    connect(length_, &QLineEdit::textEdited, this, &MeasureDialog::lengthEdited);
    connect(unit_, &QComboBox::currentIndexChanged, this, &MeasureDialog::lengthEdited);
    connect(measure_, &QPushButton::clicked, this, &MeasureDialog::measure);
    connect(save_, &QPushButton::clicked, this, &MeasureDialog::save);
    // A changed input makes the result stale: it is measured again before it is saved.
    auto stale = [this] {
        save_->setEnabled(false);
        measure_->setDefault(true);
    };
    for (QLineEdit* e : {file_, length_})
        connect(e, &QLineEdit::textChanged, this, stale);
    connect(unit_, &QComboBox::currentIndexChanged, this, stale);
    connect(open_, &QRadioButton::toggled, this, stale);
    resize(640, 560);
}

std::optional<double> MeasureDialog::metres() const {
    const auto v = cables::number(length_->text().trimmed().toStdString());
    if (!v || !(*v > 0))
        return std::nullopt;
    return unit_->currentIndex() == 1 ? *v * cables::kFeet : *v;
}

void MeasureDialog::lengthEdited() {
    const auto m = metres();
    if (!m)
        other_->clear();
    else if (unit_->currentIndex() == 1)
        other_->setText(tr("= %1 m").arg(digits(*m, 5)));
    else
        other_->setText(tr("= %1 ft").arg(digits(*m / cables::kFeet, 5)));
}

bool MeasureDialog::measure() {
    measurement_.reset();
    save_->setEnabled(false);
    plot_->setCurves({}, {}, {});
    const auto m = metres();
    if (!m) {
        QMessageBox::warning(
            this, QStringLiteral("Cable Length"),
            QStringLiteral("The cable's length must be a number greater than 0 (use the dot)."));
        return false;
    }
    touchstone::Network sweep;
    try {
        sweep = liveSweep_ ? *liveSweep_ : touchstone::readFile(file_->text().toStdString());
    } catch (const touchstone::Error& e) {
        QMessageBox::warning(this, QStringLiteral("Touchstone File"), q(e.what()));
        return false;
    }
    const cables::LineEnd end = open_->isChecked() ? cables::LineEnd::Open : cables::LineEnd::Short;
    try {
        measurement_ = cables::measureCable(sweep, *m, end);
    } catch (const cables::Refusal& r) {
        result_->setText(q(r.what()));
        QMessageBox::warning(this, q("Cable " + r.field), q(r.what()));
        return false;
    }
    measuredMetres_ = *m;
    measuredEnd_ = end;
    measuredFile_ = liveSweep_ ? std::string() : QFileInfo(file_->text()).fileName().toStdString();
    const cables::Measurement& r = *measurement_;
    QString text = tr("Z0 = %1 ohm, V.F. = %2, K1 = %3, K2 = %4 (dB/100 ft; K0 = 0)")
                       .arg(digits(r.z0, 5), digits(r.vf, 4), digits(r.k1, 4), digits(r.k2, 4));
    QStringList losses;
    for (double mhz : {3.5, 14.0, 28.0, 144.0}) {
        const double ft = cables::modelLoss(0, r.k1, r.k2, mhz);
        losses << tr("%1 MHz %2 dB/100 m (%3 dB/100 ft)")
                      .arg(q(num::Shortest(mhz)), digits(ft / cables::kFeet, 3), digits(ft, 3));
    }
    text += QLatin1Char('\n') + tr("Perdita adattata: %1").arg(losses.join(QStringLiteral("; ")));
    text +=
        QLatin1Char('\n') + tr("%1 risonanze; scarto dal modello del coefficiente di riflessione: RMS %2, "
                               "massimo %3")
                                .arg(r.resonances)
                                .arg(residual(r.rms), residual(r.max));
    result_->setText(text);
    std::vector<double> mhz;
    std::vector<std::complex<double>> measured, model;
    for (const auto& s : sweep.samples) {
        if (!(s.hz > 0))
            continue;
        mhz.push_back(s.hz / 1e6);
        measured.push_back(s.s[0]);
        model.push_back(cables::lineReflection(r.z0, r.vf, r.k1, r.k2, *m, end, s.hz, sweep.reference[0]));
    }
    plot_->setCurves(std::move(mhz), std::move(measured), std::move(model));
    save_->setEnabled(true);
    save_->setDefault(true); // now Enter in the name saves
    return true;
}

bool MeasureDialog::save() {
    if (!measurement_)
        return false;
    cables::Cable c;
    try {
        c.line.name = cables::checkedName(name_->text().toStdString());
    } catch (const cables::Refusal& r) {
        QMessageBox::warning(this, q("Cable " + r.field), q(r.what()));
        return false;
    }
    const auto& all = wiring::userCables(w_.form());
    if (std::any_of(all.begin(), all.end(),
                    [&](const cables::Cable& x) { return x.line.name == c.line.name; }) &&
        QMessageBox::question(this, tr("Salva cavo"),
                              tr("Hai già un cavo \"%1\": sostituirlo?").arg(q(c.line.name))) !=
            QMessageBox::Yes)
        return false;
    c.line.Z0 = measurement_->z0;
    c.line.VF = measurement_->vf;
    c.line.k = cables::fromDbPer100ft(0, measurement_->k1, measurement_->k2);
    c.measured = cables::MeasuredWith{measuredMetres_, measuredEnd_, measuredFile_};
    if (!wiring::saveCables(w_.form(), {{c}, {}, {}}))
        return false;
    savedName_ = c.line.name;
    accept();
    return true;
}

} // namespace app
