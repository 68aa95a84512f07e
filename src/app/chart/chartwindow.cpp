#include "app/chart/chartwindow.h"

#include "numeric/numtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

namespace app {

namespace {

// A number typed into one of this window's fields, with the dot; nullopt when it is none.
std::optional<double> number(const QLineEdit* edit) {
    return num::parseNumber(edit->text().trimmed().toStdString()); // always the dot, whatever the locale
}

QString plain(double v) {
    return QString::number(v, 'g', 10);
}

// Schematic symbols between two points of a horizontal or vertical wire.
void inductor(QPainter& p, QPointF a, QPointF b) {
    const QPointF d = (b - a) / 4.0;
    const bool horizontal = std::abs(d.x()) > std::abs(d.y());
    QPainterPath path(a);
    for (int i = 0; i < 4; ++i) {
        const QPointF from = a + d * i, to = a + d * (i + 1);
        const QPointF bulge =
            horizontal ? QPointF(0, -std::abs(d.x()) * 1.2) : QPointF(std::abs(d.y()) * 1.2, 0);
        path.cubicTo(from + bulge, to + bulge, to);
    }
    p.drawPath(path);
}

void capacitor(QPainter& p, QPointF a, QPointF b) {
    const QPointF mid = (a + b) / 2.0;
    const bool horizontal = std::abs(b.x() - a.x()) > std::abs(b.y() - a.y());
    const QPointF gap = horizontal ? QPointF(2.5, 0) : QPointF(0, 2.5);
    const QPointF plate = horizontal ? QPointF(0, 7) : QPointF(7, 0);
    p.drawLine(a, mid - gap);
    p.drawLine(mid + gap, b);
    p.drawLine(mid - gap - plate, mid - gap + plate);
    p.drawLine(mid + gap - plate, mid + gap + plate);
}

void element(QPainter& p, QPointF a, QPointF b, double x) {
    if (x > 0)
        inductor(p, a, b);
    else
        capacitor(p, a, b);
}

} // namespace

QPixmap schematic(const DesignRow& d, const QPalette& palette, double dpr) {
    const QSize size(110, 44);
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(palette.color(QPalette::Text), 1.3);
    pen.setCosmetic(true);
    p.setPen(pen);
    QFont f = p.font();
    f.setPointSizeF(7);
    p.setFont(f);
    const double top = 12, ground = 40, left = 18, right = 92;
    // The source on the left, the load on the right, the common ground below.
    p.drawText(QRectF(0, top - 11, left, 10), Qt::AlignCenter, QStringLiteral("Rs"));
    p.drawText(QRectF(right, top - 11, 18, 10), Qt::AlignCenter, QStringLiteral("Z"));
    p.drawLine(QPointF(left - 6, ground), QPointF(right + 6, ground));
    p.drawLine(QPointF(left, top), QPointF(left, ground));
    p.drawLine(QPointF(right, top), QPointF(right, ground));
    p.setBrush(palette.color(QPalette::Text));
    p.drawEllipse(QPointF(left, top), 2, 2);
    p.drawEllipse(QPointF(right, top), 2, 2);
    p.setBrush(Qt::NoBrush);
    const double node = d.shuntAtLoad ? 72 : 38; // where the shunt element hangs
    const double s0 = d.shuntAtLoad ? 30 : 50, s1 = d.shuntAtLoad ? 60 : 80;
    p.drawLine(QPointF(left, top), QPointF(s0, top));
    p.drawLine(QPointF(s1, top), QPointF(right, top));
    if (d.seriesX != 0 && std::isfinite(d.seriesX))
        element(p, QPointF(s0, top), QPointF(s1, top), d.seriesX);
    else
        p.drawLine(QPointF(s0, top), QPointF(s1, top));
    if (std::isfinite(d.shuntX)) {
        p.drawLine(QPointF(node, top), QPointF(node, top + 5));
        p.drawLine(QPointF(node, ground - 5), QPointF(node, ground));
        element(p, QPointF(node, top + 5), QPointF(node, ground - 5), d.shuntX);
    }
    return pm;
}

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    chart_ = new SmithChartView;
    readout_ = new QLabel;
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readout_->setMinimumHeight(readout_->fontMetrics().height() * 2 + 4);
    connect(chart_, &SmithChartView::readoutChanged, readout_, &QLabel::setText);

    reference_ = new QLineEdit(QStringLiteral("50"));
    connect(reference_, &QLineEdit::textEdited, this, [this] {
        if (auto v = number(reference_); v && *v > 0)
            chart_->setReference(*v);
    });
    admittance_ = new QCheckBox;
    connect(admittance_, &QCheckBox::toggled, chart_, &SmithChartView::setAdmittanceGrid);
    swrCircles_ = new QCheckBox;
    connect(swrCircles_, &QCheckBox::toggled, chart_, &SmithChartView::setSwrCircles);
    png_ = new QPushButton;
    connect(png_, &QPushButton::clicked, this, [this] { exportChart(false); });
    svg_ = new QPushButton;
    connect(svg_, &QPushButton::clicked, this, [this] { exportChart(true); });

    lineModel_ = new QComboBox;
    lineModel_->addItem(QString());
    lineModel_->addItem(QString());
    connect(lineModel_, &QComboBox::currentIndexChanged, this, [this] {
        showLineModel();
        emit lineModelChanged();
    });

    // The controls above the chart in three short rows, so that the window stays narrow enough to stand
    // beside the calculator on a laptop's screen.
    referenceLabel_ = new QLabel;
    referenceLabel_->setBuddy(reference_);
    lineModelLabel_ = new QLabel;
    lineModelLabel_->setBuddy(lineModel_);
    auto* referenceRow = new QHBoxLayout;
    referenceRow->addWidget(referenceLabel_);
    referenceRow->addWidget(reference_);
    referenceRow->addStretch();
    referenceRow->addWidget(png_);
    referenceRow->addWidget(svg_);
    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(admittance_);
    gridRow->addWidget(swrCircles_);
    gridRow->addStretch();
    auto* modelRow = new QHBoxLayout;
    modelRow->addWidget(lineModelLabel_);
    modelRow->addWidget(lineModel_);
    modelRow->addStretch();

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addLayout(referenceRow);
    leftLayout->addLayout(gridRow);
    leftLayout->addLayout(modelRow);
    leftLayout->addWidget(chart_, 1);
    leftLayout->addWidget(readout_);
    lineLength_ = new QLabel;
    lineLength_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lineLength_->hide();
    leftLayout->addWidget(lineLength_);

    tabs_ = new QTabWidget;
    tabs_->addTab(buildMatchPage(), QString());
    tabs_->addTab(buildBandPage(), QString());
    tabs_->setTabEnabled(1, false);

    split_ = new QSplitter(Qt::Horizontal);
    split_->addWidget(left);
    split_->addWidget(tabs_);
    split_->setStretchFactor(0, 1);
    split_->setStretchFactor(1, 0);
    split_->setChildrenCollapsible(false);
    split_->setSizes({560, 420});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(split_);
    retranslate();
    resize(1000, 620);
}

// Shown the first time: the pages take about two fifths of the width, at least what they need, and the
// chart the rest.
void ChartWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    const int total = split_->width() - split_->handleWidth();
    const int pages = std::max(tabs_->minimumSizeHint().width(), total * 2 / 5);
    split_->setSizes({total - pages, pages});
}

void ChartWindow::setLineLength(std::optional<double> metres, char decimalSign) {
    lineMetres_ = metres;
    lineSign_ = decimalSign;
    showLineLength();
}

void ChartWindow::showLineLength() {
    lineLength_->setVisible(lineMetres_.has_value());
    if (!lineMetres_)
        return;
    // Metres with 2 decimals as the panel shows them, and feet, with the results' decimal sign.
    lineLength_->setText(
        tr("Linea: %1 m (%2 ft) dal punto misurato al punto lontano")
            .arg(QString::fromStdString(num::Format(*lineMetres_, "0.00", lineSign_)),
                 QString::fromStdString(num::Format(*lineMetres_ / 0.3048, "0.00", lineSign_))));
}

void ChartWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    else if (event->type() == QEvent::FontChange)
        fitMinimumWidths();
}

void ChartWindow::retranslate() {
    setWindowTitle(tr("Carta di Smith"));
    setAccessibleName(tr("Carta di Smith"));
    readout_->setAccessibleName(tr("Lettura al cursore"));
    lineLength_->setAccessibleName(tr("Lunghezza della linea"));
    showLineLength();
    referenceLabel_->setText(tr("&Rif. (ohm):"));
    reference_->setAccessibleName(tr("Impedenza di riferimento della carta (ohm)"));
    admittance_->setText(tr("Griglia &ammettenze"));
    swrCircles_->setText(tr("Cerchi S&WR"));
    png_->setText(tr("&PNG..."));
    png_->setToolTip(tr("Esporta la carta come immagine PNG."));
    svg_->setText(tr("S&VG..."));
    svg_->setToolTip(tr("Esporta la carta come disegno SVG."));
    tabs_->setTabText(0, tr("Ada&ttamento"));
    tabs_->setTabText(1, tr("&Banda"));
    bandTip();
    lineModelLabel_->setText(tr("M&odello della linea:"));
    lineModel_->setItemText(0, tr("calcolatore"));
    lineModel_->setItemText(1, tr("linea fisica"));
    lineModel_->setAccessibleName(tr("Modello della linea"));
    lineModel_->setToolTip(
        tr("calcolatore: i punti spostati come li calcola il pannello della linea (la potenza riflessa "
           "attenuata dalla perdita totale). linea fisica: le equazioni della linea con perdite (il "
           "coefficiente di riflessione attenuato dalla sola perdita in adattamento)."));
    showLineModel();
    fitMinimumWidths();

    saveSweep_->setText(tr("Sa&lva sweep spostato..."));
    saveSweep_->setToolTip(tr("Salva lo sweep spostato lungo la linea come file Touchstone (.s1p)."));

    // The order of MatchSource; renaming the items keeps the chosen one.
    const QString sources[] = {tr("Punto"), tr("Linea: punto lontano"), tr("Linea: punto misurato"),
                               tr("Tuner: antenna"), tr("Digitata")};
    for (int i = 0; i < int(std::size(sources)); ++i)
        source_->setItemText(i, sources[i]);
    source_->setAccessibleName(tr("Sorgente di Z"));
    sourceLabel_->setText(tr("&Z da:"));
    typedLabel_->setText(tr("Z (ohm):"));
    typedR_->setAccessibleName(tr("R digitata (ohm)"));
    typedX_->setAccessibleName(tr("X digitata (ohm)"));
    mhzLabel_->setText(tr("&MHz:"));
    mhz_->setAccessibleName(tr("Frequenza (MHz)"));
    lineFrequency_->setText(tr("dalla l&inea"));
    rsLabel_->setText(tr("R&s (ohm):"));
    rs_->setAccessibleName(tr("Rs (ohm)"));
    designList_->setAccessibleName(tr("Reti L"));
    for (int i = 0; i < designList_->count() && i < int(designs_.size()); ++i)
        designList_->item(i)->setToolTip(designToolTip(designs_[size_t(i)]));
}

QString ChartWindow::designToolTip(const DesignRow& design) const {
    return design.shuntAtLoad ? tr("Elemento in parallelo dal lato del carico")
                              : tr("Elemento in parallelo dal lato della sorgente");
}

QString ChartWindow::lineModelName() const {
    return lineModel_->currentText();
}

bool ChartWindow::physicalLine() const {
    return lineModel_->currentIndex() == 1;
}

void ChartWindow::setPhysicalLine(bool physical) {
    lineModel_->setCurrentIndex(physical ? 1 : 0);
}

// The chosen model, named where its figures are shown: the chart's legend and the band's page.
void ChartWindow::showLineModel() {
    ChartContent c = chart_->content();
    c.lineModel = lineModelName();
    chart_->setContent(std::move(c));
    bandModel_->setText(tr("Modello della linea: %1").arg(lineModelName()));
}

// The fields and buttons keep room for what they show at any width of the window: a frequency of ten
// characters, the captions of the export buttons; the list of designs keeps its schematic and a column
// of text beside it.
void ChartWindow::fitMinimumWidths() {
    const QFontMetrics fm(font());
    const int field = fm.horizontalAdvance(QStringLiteral("0000.00000")) + 16;
    for (QLineEdit* e : {mhz_, rs_, typedR_, typedX_})
        e->setMinimumWidth(field);
    reference_->setFixedWidth(field);
    for (QPushButton* b : {png_, svg_})
        b->setMinimumWidth(fm.horizontalAdvance(b->text().remove(QLatin1Char('&'))) + 24);
    const int bar = designList_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, designList_);
    designList_->setMinimumWidth(designList_->iconSize().width() +
                                 fm.horizontalAdvance(QStringLiteral("Shunt -1234.56 ohm:")) + bar +
                                 2 * designList_->frameWidth() + 16);
}

QWidget* ChartWindow::buildBandPage() {
    bandPage_ = new QWidget;
    bandModel_ = new QLabel;
    plots_ = new BandPlotView;
    saveSweep_ = new QPushButton;
    connect(saveSweep_, &QPushButton::clicked, this, &ChartWindow::saveMovedSweepRequested);
    auto* l = new QVBoxLayout(bandPage_);
    l->addWidget(bandModel_);
    l->addWidget(plots_, 1);
    l->addWidget(saveSweep_, 0, Qt::AlignRight);
    return bandPage_;
}

QWidget* ChartWindow::buildMatchPage() {
    auto* page = new QWidget;
    source_ = new QComboBox;
    for (int i = 0; i <= int(MatchSource::Typed); ++i)
        source_->addItem(QString());
    typedR_ = new QLineEdit(QStringLiteral("50"));
    typedX_ = new QLineEdit(QStringLiteral("0"));
    lineFrequency_ = new QCheckBox;
    lineFrequency_->setChecked(true);
    mhz_ = new QLineEdit(QStringLiteral("14"));
    rs_ = new QLineEdit(QStringLiteral("50"));

    auto* zRow = new QHBoxLayout;
    zRow->addWidget(new QLabel(QStringLiteral("R")));
    zRow->addWidget(typedR_);
    zRow->addWidget(new QLabel(QStringLiteral("X")));
    zRow->addWidget(typedX_);
    auto* fRow = new QHBoxLayout;
    fRow->addWidget(mhz_);
    fRow->addWidget(lineFrequency_);
    // Each caption takes its field's focus with the access key.
    const auto caption = [](QWidget* buddy) {
        auto* l = new QLabel;
        l->setBuddy(buddy);
        return l;
    };
    sourceLabel_ = caption(source_);
    typedLabel_ = caption(typedR_);
    mhzLabel_ = caption(mhz_);
    rsLabel_ = caption(rs_);
    auto* form = new QFormLayout;
    form->addRow(sourceLabel_, source_);
    form->addRow(typedLabel_, zRow);
    form->addRow(mhzLabel_, fRow);
    form->addRow(rsLabel_, rs_);

    designList_ = new QListWidget;
    designList_->setIconSize(QSize(110, 44));
    designList_->setWordWrap(true);
    // The text wraps beside the schematic at the list's width, which never scrolls sideways.
    designList_->setResizeMode(QListView::Adjust);
    designList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stub_ = new QLabel;
    stub_->setWordWrap(true);
    stub_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    matchMessage_ = new QLabel;
    matchMessage_->setWordWrap(true);

    auto* l = new QVBoxLayout(page);
    l->addLayout(form);
    l->addWidget(matchMessage_);
    l->addWidget(designList_, 1);
    l->addWidget(stub_);

    const auto edited = [this] { matchInputsEdited(); };
    connect(source_, &QComboBox::currentIndexChanged, this, edited);
    connect(typedR_, &QLineEdit::textEdited, this, edited);
    connect(typedX_, &QLineEdit::textEdited, this, edited);
    connect(lineFrequency_, &QCheckBox::toggled, this, edited);
    connect(mhz_, &QLineEdit::textEdited, this, edited);
    connect(rs_, &QLineEdit::textEdited, this, [this] {
        rsTyped_ = true;
        matchInputsEdited();
    });
    connect(designList_, &QListWidget::currentRowChanged, this, [this] { designSelected(); });
    matchInputsEdited();
    return page;
}

void ChartWindow::matchInputsEdited() {
    if (filling_)
        return;
    const bool typed = source_->currentIndex() == int(MatchSource::Typed);
    typedR_->setReadOnly(!typed);
    typedX_->setReadOnly(!typed);
    mhz_->setReadOnly(lineFrequency_->isChecked());
    emit matchInputsChanged();
}

void ChartWindow::setMatchSource(MatchSource source) {
    source_->setCurrentIndex(int(source));
}

void ChartWindow::showSourceImpedance(std::optional<Complex> z) {
    if (source_->currentIndex() == int(MatchSource::Typed))
        return;
    filling_ = true;
    typedR_->setText(z ? plain(z->real()) : QString());
    typedX_->setText(z ? plain(z->imag()) : QString());
    filling_ = false;
}

void ChartWindow::setLineValues(double mhz, double rtxOhm) {
    lineMhz_ = mhz;
    lineRtxOhm_ = rtxOhm;
    filling_ = true;
    if (lineFrequency_->isChecked())
        mhz_->setText(plain(mhz));
    if (!rsTyped_)
        rs_->setText(plain(rtxOhm));
    filling_ = false;
}

MatchInputs ChartWindow::matchInputs() const {
    MatchInputs in{};
    in.source = MatchSource(source_->currentIndex());
    in.typedZ = {number(typedR_).value_or(NAN), number(typedX_).value_or(NAN)};
    in.lineFrequency = lineFrequency_->isChecked();
    // The line's values as numbers; the fields only show them until the operator types their own.
    in.mhz = in.lineFrequency ? lineMhz_ : number(mhz_).value_or(NAN);
    in.rs = rsTyped_ ? number(rs_).value_or(NAN) : lineRtxOhm_;
    return in;
}

void ChartWindow::setDesigns(std::vector<DesignRow> designs, const QString& stub, const QString& message) {
    // Keep the operator's choice of topology when the designs are recomputed for new inputs.
    const int keep = designList_->currentRow();
    designs_ = std::move(designs);
    filling_ = true;
    designList_->clear();
    const double dpr = devicePixelRatioF();
    for (const DesignRow& d : designs_) {
        auto* item = new QListWidgetItem(QIcon(schematic(d, palette(), dpr)), d.text);
        item->setToolTip(designToolTip(d));
        designList_->addItem(item);
    }
    filling_ = false;
    stub_->setText(stub);
    matchMessage_->setText(message);
    matchMessage_->setVisible(!message.isEmpty());
    if (keep >= 0 && keep < int(designs_.size()))
        designList_->setCurrentRow(keep);
    designSelected();
}

void ChartWindow::selectDesign(int index) {
    designList_->setCurrentRow(index);
}

void ChartWindow::designSelected() {
    if (filling_)
        return;
    ChartContent c = chart_->content();
    const int row = designList_->currentRow();
    c.matchPath =
        row >= 0 && row < int(designs_.size()) ? designs_[size_t(row)].path : std::vector<Complex>{};
    chart_->setContent(std::move(c));
}

void ChartWindow::setPicture(std::vector<ChartMarker> markers, std::vector<Complex> linePath) {
    ChartContent c = chart_->content();
    c.markers = std::move(markers);
    c.linePath = std::move(linePath);
    chart_->setContent(std::move(c));
}

void ChartWindow::setBand(std::vector<Complex> measured, std::vector<Complex> moved,
                          std::vector<BandSample> samples, double panelMhz) {
    ChartContent c = chart_->content();
    c.measuredSweep = std::move(measured);
    c.movedSweep = std::move(moved);
    chart_->setContent(std::move(c));
    const bool any = !samples.empty();
    plots_->setBand(std::move(samples), panelMhz);
    tabs_->setTabEnabled(1, any);
    saveSweep_->setEnabled(any);
    bandTip();
}

void ChartWindow::setNoBandReason(NoBand reason) {
    noBand_ = reason;
    bandTip();
}

// A disabled "Banda" says why, in the language now shown.
void ChartWindow::bandTip() {
    QString why;
    if (!tabs_->isTabEnabled(1)) {
        switch (noBand_) {
        case NoBand::NoSweep:
            why = tr("Nessuno sweep nel pannello della linea: importa un file Touchstone (File > Importa "
                     "misura Touchstone).");
            break;
        case NoBand::SweepDropped:
            why = tr("Lo sweep importato non vale più: nel pannello della linea sono stati digitati R, X o "
                     "la frequenza. Importa di nuovo il file per vederne la banda.");
            break;
        case NoBand::NoLineResult:
            why = tr("Calcola la linea nel suo pannello per vedere la banda dello sweep importato.");
            break;
        }
    }
    tabs_->setTabToolTip(1, why);
}

void ChartWindow::exportChart(bool svg) {
    const QString path =
        QFileDialog::getSaveFileName(this, svg ? tr("Esporta SVG") : tr("Esporta PNG"),
                                     svg ? tr("carta-smith.svg") : tr("carta-smith.png"),
                                     svg ? QStringLiteral("SVG (*.svg)") : QStringLiteral("PNG (*.png)"));
    if (path.isEmpty())
        return;
    if (!(svg ? chart_->saveSvg(path) : chart_->savePng(path)))
        QMessageBox::warning(this, QStringLiteral("Export"), QStringLiteral("Cannot write %1.").arg(path));
}

} // namespace app
