#include "app/import/touchstoneimport.h"

#include "app/shell/mainwindow.h"
#include "line/line.h"
#include "numeric/numtext.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <string>

namespace app {

using wiring::ImportTarget;

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QString summaryText(const touchstone::Network& n) {
    const auto& s = n.samples;
    const QString ohm = q(num::Significant(n.reference[0], 6));
    QString ref = TouchstoneImportDialog::tr("%1 ohm").arg(ohm);
    if (n.ports == 2)
        ref = n.reference[0] == n.reference[1] ? TouchstoneImportDialog::tr("%1 ohm per porta").arg(ohm)
                                               : TouchstoneImportDialog::tr("porta 1 %1 ohm, porta 2 %2 ohm")
                                                     .arg(ohm, q(num::Significant(n.reference[1], 6)));
    const QString points = s.size() == 1 ? TouchstoneImportDialog::tr("1 punto")
                                         : TouchstoneImportDialog::tr("%1 punti").arg(s.size());
    return q(n.name) + QLatin1Char('\n') +
           (n.ports == 1 ? TouchstoneImportDialog::tr("1 porta") : TouchstoneImportDialog::tr("2 porte")) +
           QStringLiteral(", ") + points +
           TouchstoneImportDialog::tr(", da %1 a %2")
               .arg(q(num::Shortest(s.front().hz / 1e6) + " MHz"),
                    q(num::Shortest(s.back().hz / 1e6) + " MHz")) +
           QLatin1Char('\n') + TouchstoneImportDialog::tr("Riferimento %1").arg(ref) + QLatin1Char('\n') +
           TouchstoneImportDialog::tr("Formato %1 %2 in %3, Touchstone %4")
               .arg(q(n.parameter), q(n.format), q(n.unit), q(n.version));
}

// The panel the file was dropped on, from the frame under the drop point.
std::optional<ImportTarget> panelAt(MainWindow& w, QPoint globalPos) {
    for (const auto& [frame, target] : wiring::importPanels()) {
        const QWidget* c = w.formWindow()->widget(frame);
        if (c && c->isVisible() && c->rect().contains(c->mapFromGlobal(globalPos)))
            return target;
    }
    return std::nullopt;
}

} // namespace

TouchstoneImportDialog::TouchstoneImportDialog(const touchstone::Network& n, double startMhz,
                                               std::optional<ImportTarget> preselect, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Importa misura Touchstone"));
    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel(summaryText(n), this);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(summary_);

    auto* form = new QFormLayout;
    frequency_ = new QComboBox(this);
    frequency_->setEditable(true);
    frequency_->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& s : n.samples)
        frequency_->addItem(q(num::Shortest(s.hz / 1e6))); // 199.999646, not 200: the file's own
    frequency_->setEditText(q(num::Shortest(startMhz)));
    form->addRow(tr("Frequenza (MHz):"), frequency_);
    layout->addLayout(form);

    auto* group = new QButtonGroup(this);
    const char* captions[] = {
        QT_TR_NOOP("Punto: R e X da S11"), QT_TR_NOOP("Linea: R e X da S11, e la frequenza"),
        QT_TR_NOOP("Antenna: S11 su 50 ohm"), QT_TR_NOOP("Tuner: S11, S21, S12, S22 su 50 ohm")};
    for (int i = 0; i < 4; ++i) {
        targets_[i] = new QRadioButton(tr(captions[i]), this);
        targets_[i]->setEnabled(wiring::importFits(static_cast<ImportTarget>(i), n));
        group->addButton(targets_[i], i);
        layout->addWidget(targets_[i]);
    }
    ImportTarget first = n.ports == 2 ? ImportTarget::Tuner : ImportTarget::Point;
    if (preselect && wiring::importFits(*preselect, n))
        first = *preselect;
    targetButton(first)->setChecked(true);

    note_ = new QLabel(this);
    note_->setWordWrap(true);
    note_->setTextFormat(Qt::PlainText);
    layout->addWidget(note_);
    connect(frequency_, &QComboBox::currentTextChanged, this, &TouchstoneImportDialog::showNote);
    connect(group, &QButtonGroup::idToggled, this, &TouchstoneImportDialog::showNote);
    showNote();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

// Above the cable data's range the line panel warns ("FREQ. > 150 MHZ") and its results are not
// guaranteed: the dialog says so before the import.
void TouchstoneImportDialog::showNote() {
    const std::optional<double> f = mhz();
    const bool beyond = f && !wiring::importNote(target(), *f).empty();
    note_->setText(beyond ? tr("%1 MHz è oltre il campo dei dati dei cavi (fino a %2 MHz): i risultati "
                               "della linea non sono garantiti.")
                                .arg(q(num::Shortest(*f)), q(num::Shortest(line::kCableDataMaxMhz)))
                          : QString());
    note_->setVisible(beyond);
    // A shown dialog grows (or shrinks back) to hold the note's lines whole.
    if (isVisible())
        adjustSize();
}

ImportTarget TouchstoneImportDialog::target() const {
    for (int i = 0; i < 4; ++i)
        if (targets_[i]->isChecked())
            return static_cast<ImportTarget>(i);
    return ImportTarget::Point;
}

std::optional<double> TouchstoneImportDialog::mhz() const {
    const auto v = num::parseNumber(frequency_->currentText().trimmed().toStdString());
    if (!v || !(*v > 0))
        return std::nullopt;
    return v;
}

void importTouchstoneFile(MainWindow& w, const QString& path, std::optional<ImportTarget> preselect) {
    ui::Form& f = w.form();
    touchstone::Network n;
    try {
        n = touchstone::readFile(path.toStdString());
    } catch (const touchstone::Error& e) {
        wiring::showRefusedFile(f, e);
        return;
    }
    const double start = wiring::importStartMhz(f, n);
    TouchstoneImportDialog dialog(n, start, preselect, &w);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return; // Cancel changes nothing
        const auto mhz = dialog.mhz();
        if (!mhz) {
            f.messageBox("Touchstone Frequency",
                         "'" + dialog.frequency()->currentText().toStdString() +
                             "' is no frequency: type the MHz with the dot, or pick one of the file's.");
            continue;
        }
        if (wiring::importNetwork(f, dialog.target(), *mhz, n))
            return;
    }
}

// The feature: "Importa misura Touchstone..." (Ctrl+O) in the "File" menu, and a file dropped anywhere on
// the window, also on an input field, which would otherwise insert the file's name as text.
class TouchstoneImport : public QObject {
    Q_OBJECT
  public:
    explicit TouchstoneImport(MainWindow& w) : QObject(&w), w_(w) {
        setObjectName(QStringLiteral("touchstoneImport"));
        QMenu* file = w.fileMenu();
        open_ = new QAction(file);
        open_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
        open_->setShortcutContext(Qt::ApplicationShortcut);
        connect(open_, &QAction::triggered, this, [this] {
            const QString path = QFileDialog::getOpenFileName(
                &w_, tr("Importa misura Touchstone"), QString(),
                tr("File Touchstone (*.s1p *.s2p *.S1P *.S2P *.ts);;Tutti i file (*)"));
            if (!path.isEmpty())
                importTouchstoneFile(w_, path);
        });
        file->insertAction(file->actions().isEmpty() ? nullptr : file->actions().front(), open_);
        if (file->actions().size() > 1)
            file->insertSeparator(file->actions().at(1));
        retranslate();
        w.setAcceptDrops(true);
        qApp->installEventFilter(this);
    }

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        return QObject::event(event);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != &w_)
            return false;
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = localFile(drop->mimeData());
        if (path.isEmpty())
            return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (type == QEvent::Drop) {
            const auto target = panelAt(w_, widget->mapToGlobal(drop->position().toPoint()));
            // After the drop is finished: the dialog is modal.
            QMetaObject::invokeMethod(
                &w_, [this, path, target] { importTouchstoneFile(w_, path, target); }, Qt::QueuedConnection);
        }
        return true;
    }

  private:
    void retranslate() { open_->setText(tr("Importa misura Touchstone...")); }

    static QString localFile(const QMimeData* m) {
        if (!m || !m->hasUrls() || m->urls().size() != 1 || !m->urls().front().isLocalFile())
            return {};
        return m->urls().front().toLocalFile();
    }

    MainWindow& w_;
    QAction* open_ = nullptr;
};

void installTouchstoneImport(MainWindow& w) {
    if (!w.findChild<TouchstoneImport*>(QString(), Qt::FindDirectChildrenOnly))
        new TouchstoneImport(w);
}

} // namespace app

#include "touchstoneimport.moc"
