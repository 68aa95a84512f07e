#include "app/analyser/analyserdialog.h"

#include "app/i18n/language.h"
#include "app/shell/mainwindow.h"
#include "numeric/numtext.h"
#include "wiring/import.h"
#include "wiring/measure.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

#include <cmath>

namespace app {

namespace {

constexpr const char* kFeatureName = "analyserFeature";

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// A whole text as a finite number with the dot, as the import dialog reads a frequency.
std::optional<double> number(const QString& text) {
    return num::parseNumber(text.trimmed().toStdString());
}

QPushButton* button(QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setAutoDefault(false);
    return b;
}

} // namespace

// The session lives in a thread of its own: every call to the device runs there, and what comes back is
// handed to the dialog in the window's thread.
class AnalyserWorker : public QObject {
  public:
    std::unique_ptr<analyser::Session> session;
};

AnalyserDialog::AnalyserDialog(MainWindow& w) : QDialog(&w), main_(w) {
    setObjectName(QStringLiteral("analyserDialog"));
    setModal(false);

    thread_ = new QThread(this);
    worker_ = new AnalyserWorker;
    worker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_->start();

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    auto* portRow = new QHBoxLayout;
    port_ = new QComboBox(this);
    port_->setEditable(true);
    port_->setInsertPolicy(QComboBox::NoInsert);
    port_->setMinimumContentsLength(28);
    auto* refresh = button(this);
    texts_.push_back({refresh, QT_TR_NOOP("Aggiorna")});
    connect_ = button(this);
    texts_.push_back({connect_, QT_TR_NOOP("Conn&etti")});
    portRow->addWidget(port_, 1);
    portRow->addWidget(refresh);
    portRow->addWidget(connect_);
    form->addRow(caption(QT_TR_NOOP("&Porta:"), port_), portRow);

    status_ = new QLabel(this);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setMinimumWidth(420);
    // Room for the longer messages (a port not permitted, a port busy) without the dialog jumping.
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    status_->setMinimumHeight(3 * status_->fontMetrics().lineSpacing());
    form->addRow(status_);

    start_ = new QLineEdit(QStringLiteral("1"), this);
    stop_ = new QLineEdit(QStringLiteral("30"), this);
    points_ = new QSpinBox(this);
    points_->setRange(2, 10001);
    points_->setValue(201);
    form->addRow(caption(QT_TR_NOOP("&Da MHz:"), start_), start_);
    form->addRow(caption(QT_TR_NOOP("&A MHz:"), stop_), stop_);
    form->addRow(caption(QT_TR_NOOP("P&unti:"), points_), points_);

    target_ = new QComboBox(this);
    target_->addItems({QString(), QString(), QString()});
    target_->setCurrentIndex(1);
    fieldsMhz_ = new QLineEdit(this);
    form->addRow(caption(QT_TR_NOOP("Pa&nnello:"), target_), target_);
    form->addRow(caption(QT_TR_NOOP("&MHz per i campi:"), fieldsMhz_), fieldsMhz_);
    // The line panel's frequency when it lies in the sweep, else the middle of the sweep.
    const auto line = number(q(w.form().text("Text28")));
    fieldsMhz_->setText(line && *line >= 1 && *line <= 30 ? q(num::Significant(*line, 6))
                                                          : QStringLiteral("15.5"));

    progress_ = new QProgressBar(this);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setTextVisible(false); // no "0 of 1" before the first sweep
    layout->addWidget(progress_);

    auto* buttons = new QHBoxLayout;
    single_ = button(this);
    texts_.push_back({single_, QT_TR_NOOP("&Singola")});
    continuous_ = button(this);
    texts_.push_back({continuous_, QT_TR_NOOP("&Continua")});
    stopButton_ = button(this);
    texts_.push_back({stopButton_, QT_TR_NOOP("S&top")});
    save_ = button(this);
    texts_.push_back({save_, QT_TR_NOOP("Sal&va misura...")});
    auto* close = button(this);
    texts_.push_back({close, QT_TR_NOOP("Chiudi")});
    buttons->addWidget(single_);
    buttons->addWidget(continuous_);
    buttons->addWidget(stopButton_);
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    QObject::connect(refresh, &QPushButton::clicked, this, &AnalyserDialog::refreshPorts);
    QObject::connect(connect_, &QPushButton::clicked, this, &AnalyserDialog::connectDevice);
    // Enter in a typed port connects, as the button does.
    QObject::connect(port_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (connect_->isEnabled())
            connectDevice();
    });
    QObject::connect(single_, &QPushButton::clicked, this, [this] { startSweeps(false); });
    QObject::connect(continuous_, &QPushButton::clicked, this, [this] { startSweeps(true); });
    QObject::connect(stopButton_, &QPushButton::clicked, this, &AnalyserDialog::requestStop);
    QObject::connect(save_, &QPushButton::clicked, this, &AnalyserDialog::saveSweep);
    QObject::connect(close, &QPushButton::clicked, this, &QDialog::close);

    setStatus([] { return tr("Non connesso."); });
    retranslate();
    refreshPorts();
    updateButtons();
}

QLabel* AnalyserDialog::caption(const char* italian, QWidget* buddy) {
    auto* l = new QLabel(this);
    l->setBuddy(buddy);
    texts_.push_back({l, italian});
    return l;
}

// The texts in the language of the window, now and after every switch.
void AnalyserDialog::retranslate() {
    setWindowTitle(tr("Analizzatore"));
    for (const auto& [widget, italian] : texts_) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(tr(italian));
        else if (auto* b = qobject_cast<QPushButton*>(widget))
            b->setText(tr(italian));
    }
    target_->setItemText(0, tr("Punto: R e X"));
    target_->setItemText(1, tr("Linea: R, X e la frequenza"));
    target_->setItemText(2, tr("Antenna (tuner): S11"));
    progress_->setFormat(tr("scansione %v di %m"));
    status_->setText(statusText_());
}

void AnalyserDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void AnalyserDialog::setStatus(std::function<QString()> text) {
    statusText_ = std::move(text);
    status_->setText(statusText_());
    // A message longer than the room kept for it makes the dialog taller rather than being cut off.
    const int need = status_->heightForWidth(status_->width());
    if (isVisible() && need > status_->height())
        resize(width(), height() + need - status_->height());
}

AnalyserDialog::~AnalyserDialog() {
    cancel_ = true;
    // The session is closed in its own thread, then the thread ends.
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->session.reset(); }, Qt::QueuedConnection);
    thread_->quit();
    thread_->wait();
}

void AnalyserDialog::refreshPorts() {
    const QString typed = port_->currentText();
    port_->clear();
    for (const analyser::PortInfo& p : analyser::findPorts()) {
        const QString name = p.product.empty() ? QStringLiteral("0483:5740") : q(p.product);
        port_->addItem(q(p.path) + QStringLiteral(" \u2014 ") + name, q(p.path));
    }
    if (port_->count() == 0)
        port_->setEditText(typed.isEmpty() ? QStringLiteral("/dev/ttyACM0") : typed);
}

void AnalyserDialog::updateButtons() {
    const bool idle = !connecting_ && !sweeping_;
    connect_->setEnabled(idle);
    port_->setEnabled(idle);
    single_->setEnabled(idle && device_);
    continuous_->setEnabled(idle && device_);
    stopButton_->setEnabled(sweeping_);
    save_->setEnabled(last_ != nullptr);
    for (QWidget* input :
         {static_cast<QWidget*>(start_), static_cast<QWidget*>(stop_), static_cast<QWidget*>(points_),
          static_cast<QWidget*>(target_), static_cast<QWidget*>(fieldsMhz_)})
        input->setEnabled(!sweeping_);
}

void AnalyserDialog::connectDevice() {
    const int i = port_->currentIndex();
    const QString path = i >= 0 && port_->currentText() == port_->itemText(i)
                             ? port_->itemData(i).toString()
                             : port_->currentText().trimmed();
    if (path.isEmpty())
        return;
    connecting_ = true;
    device_.reset();
    setStatus([path] { return tr("Connessione a %1...").arg(path); });
    updateButtons();
    cancel_ = false;
    QMetaObject::invokeMethod(
        worker_,
        [this, w = worker_, p = path.toStdString()] {
            w->session.reset(); // the port before is closed first: it may be the same one
            std::optional<analyser::DeviceInfo> info;
            std::string message;
            try {
                auto s = std::make_unique<analyser::Session>(analyser::openSerial(p));
                info = s->connect(&cancel_);
                w->session = std::move(s);
            } catch (const analyser::Error& e) {
                message = e.what();
            }
            QMetaObject::invokeMethod(
                this,
                [this, info, message] {
                    connecting_ = false;
                    device_ = info;
                    if (info)
                        setStatus([d = *info] {
                            return tr("%1, firmware %2: %3 punti per scansione")
                                .arg(q(d.board), q(d.firmware))
                                .arg(d.maxPoints);
                        });
                    else
                        setStatus([m = q(message)] { return m; });
                    updateButtons();
                    // The port was disabled while connecting: the keyboard goes on where the user goes next,
                    // the sweep, or the path to correct.
                    if (info) {
                        single_->setFocus();
                    } else {
                        port_->setFocus();
                        port_->lineEdit()->selectAll();
                    }
                    emit connectionChanged();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

std::optional<analyser::SweepRequest> AnalyserDialog::request(double& mhz) {
    ui::Form& f = main_.form();
    const auto start = number(start_->text()), stop = number(stop_->text()), at = number(fieldsMhz_->text());
    for (const auto& [value, field] :
         {std::pair{start, start_}, std::pair{stop, stop_}, std::pair{at, fieldsMhz_}})
        if (!value) {
            f.messageBox("Analyser",
                         "'" + field->text().toStdString() + "' is no frequency: type the MHz with the dot.");
            field->setFocus();
            return std::nullopt;
        }
    const analyser::SweepRequest r = analyser::requestMhz(*start, *stop, points_->value());
    std::string wrong = analyser::checkRequest(r, *device_);
    if (wrong.empty())
        wrong = analyser::checkFieldsMhz(*at, r);
    if (!wrong.empty()) {
        f.messageBox("Analyser", wrong);
        return std::nullopt;
    }
    mhz = *at;
    return r;
}

void AnalyserDialog::startSweeps(bool continuous) {
    if (!device_ || sweeping_)
        return;
    double mhz = 0;
    const auto r = request(mhz);
    if (!r)
        return;
    running_ = *r;
    runningMhz_ = mhz;
    runningTarget_ = target_->currentIndex();
    continuousMode_ = continuous;
    startedContinuous_ = continuous;
    sweeping_ = true;
    cancel_ = false;
    updateButtons();
    stopButton_->setFocus();
    sweepOnce();
}

void AnalyserDialog::sweepOnce() {
    const int scans = (running_.points + device_->maxPoints - 1) / device_->maxPoints;
    progress_->setRange(0, std::max(scans, 1));
    progress_->setValue(0);
    progress_->setTextVisible(true);
    QMetaObject::invokeMethod(
        worker_,
        [this, w = worker_, r = running_] {
            std::shared_ptr<touchstone::Network> sweep;
            std::optional<analyser::Error> error;
            if (!w->session) {
                error =
                    analyser::Error(analyser::Fault::Request, "No analyser is connected: connect one first.");
            } else {
                try {
                    sweep = std::make_shared<touchstone::Network>(w->session->sweep(
                        r,
                        [this](const analyser::Progress& p) {
                            QMetaObject::invokeMethod(
                                this,
                                [this, p] {
                                    progress_->setRange(0, p.segments);
                                    progress_->setValue(p.segment);
                                },
                                Qt::QueuedConnection);
                        },
                        &cancel_));
                } catch (const analyser::Error& e) {
                    error = e;
                }
            }
            const bool usable = w->session && w->session->usable();
            if (!usable)
                w->session.reset();
            QMetaObject::invokeMethod(
                this, [this, sweep, error, usable] { finished(sweep, error, usable); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void AnalyserDialog::finished(std::shared_ptr<touchstone::Network> sweep,
                              std::optional<analyser::Error> error, bool usable) {
    if (!usable && device_) {
        device_.reset();
        emit connectionChanged();
    }
    if (error) {
        sweeping_ = false;
        progress_->setValue(0);
        if (error->fault == analyser::Fault::Cancelled) {
            // Stopped mid-sweep: the panel keeps the last finished sweep, if any.
            if (imported_ > 0)
                setStatus([n = imported_] { return tr("Fermato: nel pannello resta la misura %1.").arg(n); });
            else
                setStatus([] { return tr("Fermato."); });
        } else {
            setStatus([m = q(error->what())] { return m; });
            main_.form().messageBox("Analyser", error->what());
        }
        endSweeps();
        return;
    }
    // Written as an imported one-port; a refusal (a value a field takes not) is the import's message box.
    if (!wiring::importFollowing(main_.form(), static_cast<wiring::ImportTarget>(runningTarget_), runningMhz_,
                                 *sweep)) {
        sweeping_ = false;
        endSweeps();
        return;
    }
    last_ = std::make_unique<touchstone::Network>(*sweep);
    wiring::keepAnalyserSweep(main_.form(), *sweep);
    lastDevice_ = *device_;
    ++imported_;
    const auto measured = [n = imported_, points = sweep->samples.size(),
                           from = q(touchstone::mhzText(sweep->samples.front().hz)),
                           to = q(touchstone::mhzText(sweep->samples.back().hz))] {
        return tr("Misura %1: %2 punti da %3 a %4").arg(n).arg(points).arg(from, to);
    };
    setStatus(measured);
    emit sweepImported();
    if (continuousMode_ && !cancel_ && device_) {
        sweepOnce();
        return;
    }
    sweeping_ = false;
    if (cancel_)
        setStatus([measured] { return measured() + QLatin1Char(' ') + tr("Fermato."); });
    endSweeps();
}

// Stop is disabled now: the keyboard goes back to the button that started the sweeps, or to Connect when
// the device is gone.
void AnalyserDialog::endSweeps() {
    // Closed while sweeping: the port was let go, and the dialog opens again saying so.
    if (!device_ && !isVisible())
        setStatus([] { return tr("Non connesso."); });
    updateButtons();
    QPushButton* next = device_ ? (startedContinuous_ ? continuous_ : single_) : connect_;
    if (isActiveWindow())
        next->setFocus();
    emit sweepEnded();
}

void AnalyserDialog::requestStop() {
    cancel_ = true;
    continuousMode_ = false;
}

void AnalyserDialog::saveSweep() {
    if (!last_)
        return;
    QString path = QFileDialog::getSaveFileName(this, tr("Salva misura"), tr("misura.s1p"),
                                                QStringLiteral("Touchstone (*.s1p)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".s1p");
    const std::string failed =
        analyser::saveFile(path.toStdString(), analyser::touchstoneText(*last_, lastDevice_));
    if (!failed.empty())
        main_.form().messageBox("Save",
                                "The file " + path.toStdString() + " could not be written: " + failed + ".");
}

void AnalyserDialog::done(int result) {
    // Closing (the button, Esc, the window's frame) stops a sweep and frees the port for other programs.
    requestStop();
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->session.reset(); }, Qt::QueuedConnection);
    if (device_) {
        device_.reset();
        setStatus([] { return tr("Non connesso."); });
        emit connectionChanged();
    }
    updateButtons();
    QDialog::done(result);
}

// ---- the menu
// ----------------------------------------------------------------------------------------------

namespace {

// The menu "Misura" with its one entry, and the dialog made on first use.
class AnalyserFeature : public QObject {
  public:
    explicit AnalyserFeature(MainWindow& w) : QObject(&w), main_(w) {
        setObjectName(QString::fromLatin1(kFeatureName));
        menu_ = new QMenu(&w);
        w.menuBar()->insertMenu(w.helpMenu()->menuAction(), menu_);
        open_ = menu_->addAction(QString());
        connect(open_, &QAction::triggered, this, [this] { open(); });
        retranslate();
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        return QObject::event(event);
    }
    AnalyserDialog* open() {
        if (!dialog_)
            dialog_ = new AnalyserDialog(main_);
        dialog_->show();
        dialog_->raise();
        dialog_->activateWindow();
        return dialog_;
    }

  private:
    void retranslate() {
        menu_->setTitle(AnalyserDialog::tr("&Misura"));
        open_->setText(AnalyserDialog::tr("Analizzatore..."));
    }
    MainWindow& main_;
    QMenu* menu_ = nullptr;
    QAction* open_ = nullptr;
    AnalyserDialog* dialog_ = nullptr;
};

AnalyserFeature* featureOf(MainWindow& w) {
    return static_cast<AnalyserFeature*>(
        w.findChild<QObject*>(QString::fromLatin1(kFeatureName), Qt::FindDirectChildrenOnly));
}

} // namespace

void installAnalyser(MainWindow& w) {
    if (featureOf(w))
        return;
    new AnalyserFeature(w);
}

AnalyserDialog* openAnalyser(MainWindow& w) {
    AnalyserFeature* f = featureOf(w);
    return f ? f->open() : nullptr;
}

} // namespace app
