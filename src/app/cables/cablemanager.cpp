#include "app/cables/cablemanager.h"

#include "app/cables/cabletext.h"
#include "app/cables/measuredialog.h"
#include "app/shell/mainwindow.h"
#include "cables/fit.h"
#include "numeric/numtext.h"
#include "wiring/cables.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace app {

namespace {

using cabletext::digits;
using cabletext::q;

// The loss of a cable at a few frequencies of the amateur bands, per 100 m and per 100 ft.
QString lossTable(double k0, double k1, double k2) {
    QStringList rows;
    for (double mhz : {1.8, 3.5, 7.0, 14.0, 28.0, 50.0, 144.0, 432.0}) {
        const double ft = cables::modelLoss(k0, k1, k2, mhz);
        rows << CableManagerDialog::tr("%1 MHz: %2 dB/100 m (%3 dB/100 ft)")
                    .arg(q(num::Shortest(mhz)), digits(ft / cables::kFeet, 3), digits(ft, 3));
    }
    return CableManagerDialog::tr("Perdita adattata:") + QLatin1Char('\n') + rows.join(QLatin1Char('\n'));
}

// A number typed into a field of the editor.
double numberIn(const QLineEdit* e, const std::string& field) {
    const std::string t = e->text().trimmed().toStdString();
    const auto v = cables::number(t);
    if (!v)
        throw cables::Refusal(field, field + ": \"" + t + "\" is not a number (use the dot).");
    return *v;
}

} // namespace

CableManagerDialog::CableManagerDialog(MainWindow& w, QWidget* parent) : QDialog(parent), w_(w) {
    setWindowTitle(tr("Cavi"));
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);

    // The list and what acts on it.
    auto* left = new QVBoxLayout;
    auto* listLabel = new QLabel(tr("I &tuoi cavi:"), this);
    list_ = new QListWidget(this);
    list_->setAccessibleName(tr("I tuoi cavi"));
    listLabel->setBuddy(list_);
    left->addWidget(listLabel);
    left->addWidget(list_, 1);
    new_ = new QPushButton(tr("&Nuovo"), this);
    remove_ = new QPushButton(tr("&Elimina"), this);
    measure_ = new QPushButton(tr("&Misura da sweep..."), this);
    import_ = new QPushButton(tr("&Importa..."), this);
    export_ = new QPushButton(tr("Es&porta..."), this);
    import_->setToolTip(tr("Aggiunge i cavi di un file di cavi (un cavo con lo stesso nome è sostituito)."));
    export_->setToolTip(tr("Salva i tuoi cavi in un file da condividere."));
    for (QPushButton* b : {new_, remove_, measure_, import_, export_}) {
        b->setAutoDefault(false);
        left->addWidget(b);
    }
    columns->addLayout(left);

    // The cable in the editor.
    auto* right = new QVBoxLayout;
    auto* form = new QFormLayout;
    name_ = new QLineEdit(this);
    name_->setMaxLength(static_cast<int>(cables::kMaxNameLength) * 4);
    z0_ = new QLineEdit(this);
    vf_ = new QLineEdit(this);
    unit_ = new QComboBox(this);
    unit_->addItems({tr("dB/100 m"), tr("dB/100 ft")});
    form->addRow(tr("N&ome:"), name_);
    form->addRow(tr("&Z0 (ohm):"), z0_);
    form->addRow(tr("&V.F.:"), vf_);
    form->addRow(tr("Perdite della scheda tecnica in:"), unit_);
    name_->setAccessibleName(tr("Nome del cavo"));
    z0_->setAccessibleName(tr("Impedenza Z0 (ohm)"));
    vf_->setAccessibleName(tr("Fattore di velocità"));
    unit_->setAccessibleName(tr("Unità delle perdite"));
    right->addLayout(form);

    points_ = new QTableWidget(static_cast<int>(cables::kMaxPoints), 3, this);
    points_->setAccessibleName(tr("Punti della scheda tecnica"));
    points_->verticalHeader()->setVisible(false);
    points_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int r = 0; r < points_->rowCount(); ++r) {
        auto* other = new QTableWidgetItem;
        other->setFlags(Qt::ItemIsEnabled); // the other unit: shown, not typed
        points_->setItem(r, 2, other);
    }
    auto* pointsRow = new QHBoxLayout;
    pointsRow->addWidget(points_, 3);
    right->addLayout(pointsRow, 1);
    measuredNote_ = new QLabel(this);
    measuredNote_->setWordWrap(true);
    right->addWidget(measuredNote_);
    fit_ = new QLabel(this);
    fit_->setWordWrap(true);
    fit_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    right->addWidget(fit_);
    loss_ = new QLabel(this);
    loss_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    loss_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pointsRow->addWidget(loss_, 2);
    save_ = new QPushButton(tr("&Salva cavo"), this);
    save_->setDefault(true); // Enter in a field saves
    right->addWidget(save_, 0, Qt::AlignRight);
    columns->addLayout(right, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (filling_ || row < 0)
            return;
        const auto& all = wiring::userCables(w_.form());
        if (row < static_cast<int>(all.size()))
            load(all[static_cast<std::size_t>(row)]);
    });
    connect(new_, &QPushButton::clicked, this, &CableManagerDialog::startNew);
    connect(save_, &QPushButton::clicked, this, &CableManagerDialog::saveEdited);
    connect(remove_, &QPushButton::clicked, this, [this] {
        QListWidgetItem* item = list_->currentItem();
        if (!item)
            return;
        if (QMessageBox::question(this, tr("Elimina"), tr("Eliminare il cavo \"%1\"?").arg(item->text())) ==
            QMessageBox::Yes)
            removeSelected();
    });
    connect(import_, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Importa cavi"), QString(),
                                                          tr("File di cavi (*.txt);;Tutti i file (*)"));
        if (!path.isEmpty())
            importFrom(path);
    });
    connect(export_, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, tr("Esporta cavi"), tr("cavi.txt"),
                                                          tr("File di cavi (*.txt);;Tutti i file (*)"));
        if (!path.isEmpty())
            exportTo(path);
    });
    connect(measure_, &QPushButton::clicked, this, [this] {
        MeasureDialog d(w_, this);
        if (d.exec() == QDialog::Accepted)
            fillList(d.savedName());
    });
    connect(unit_, &QComboBox::currentIndexChanged, this, [this] {
        const QString unit = unit_->currentIndex() == 1 ? tr("dB/100 ft") : tr("dB/100 m");
        const QString other = unit_->currentIndex() == 1 ? tr("dB/100 m") : tr("dB/100 ft");
        points_->setHorizontalHeaderLabels({tr("MHz"), tr("Perdita (%1)").arg(unit), tr("= %1").arg(other)});
        updateFit();
    });
    connect(points_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!filling_ && item->column() < 2)
            updateFit();
    });
    points_->setHorizontalHeaderLabels(
        {tr("MHz"), tr("Perdita (%1)").arg(tr("dB/100 m")), tr("= dB/100 ft")});

    fillList({});
    if (list_->count() == 0)
        startNew();
    resize(960, 560);
}

void CableManagerDialog::fillList(const std::string& select) {
    filling_ = true;
    list_->clear();
    int row = -1;
    const auto& all = wiring::userCables(w_.form());
    for (std::size_t i = 0; i < all.size(); ++i) {
        const cables::Cable& c = all[i];
        auto* item = new QListWidgetItem(q(c.line.name), list_);
        item->setToolTip(tr("Z0 %1 ohm, V.F. %2").arg(digits(c.line.Z0), digits(c.line.VF)));
        if (c.line.name == select)
            row = static_cast<int>(i);
    }
    filling_ = false;
    remove_->setEnabled(!all.empty());
    export_->setEnabled(!all.empty());
    if (row >= 0)
        list_->setCurrentRow(row); // loads it
    else if (!all.empty() && !loadedName_.empty())
        startNew(); // the cable in the editor is gone
}

void CableManagerDialog::startNew() {
    filling_ = true;
    loadedName_.clear();
    kept_.reset();
    list_->setCurrentRow(-1);
    name_->clear();
    shownZ0_ = {QStringLiteral("50"), 50};
    shownVF_ = {QStringLiteral("0.66"), 0.66};
    z0_->setText(shownZ0_.first);
    vf_->setText(shownVF_.first);
    for (int r = 0; r < points_->rowCount(); ++r)
        for (int c = 0; c < 3; ++c)
            if (QTableWidgetItem* item = points_->item(r, c))
                item->setText({});
    points_->setEnabled(true);
    unit_->setEnabled(true);
    measuredNote_->clear();
    measuredNote_->hide();
    filling_ = false;
    updateFit();
    name_->setFocus();
}

void CableManagerDialog::load(const cables::Cable& c) {
    filling_ = true;
    loadedName_ = c.line.name;
    name_->setText(q(c.line.name));
    // A measured value with all its digits would be unreadable: 6 are shown, and the value is kept whole
    // for as long as its text is not changed.
    shownZ0_ = {q(num::Significant(c.line.Z0, 6)), c.line.Z0};
    shownVF_ = {q(num::Significant(c.line.VF, 6)), c.line.VF};
    z0_->setText(shownZ0_.first);
    vf_->setText(shownVF_.first);
    for (int r = 0; r < points_->rowCount(); ++r)
        for (int col = 0; col < 2; ++col) {
            if (!points_->item(r, col))
                points_->setItem(r, col, new QTableWidgetItem);
            points_->item(r, col)->setText({});
        }
    kept_.reset();
    if (c.datasheet) {
        unit_->setCurrentIndex(c.datasheet->unit == cables::LossUnit::PerHundredFeet ? 1 : 0);
        for (std::size_t i = 0; i < c.datasheet->points.size(); ++i) {
            points_->item(static_cast<int>(i), 0)->setText(q(num::Shortest(c.datasheet->points[i].mhz)));
            points_->item(static_cast<int>(i), 1)->setText(q(num::Shortest(c.datasheet->points[i].loss)));
        }
        measuredNote_->hide();
    } else {
        kept_ = c; // its loss stays as measured (or as written in the file)
        if (c.measured)
            measuredNote_->setText(
                tr("Misurato: %1 m (%2 ft), estremo %3%4")
                    .arg(digits(c.measured->metres, 5), digits(c.measured->metres / cables::kFeet, 5),
                         c.measured->end == cables::LineEnd::Open ? tr("aperto") : tr("in corto"),
                         c.measured->sweep.empty() ? QString()
                                                   : QStringLiteral(", ") + q(c.measured->sweep)));
        else
            measuredNote_->setText(tr("Perdita dal file dei cavi, senza punti della scheda tecnica."));
        measuredNote_->show();
    }
    points_->setEnabled(!kept_);
    unit_->setEnabled(!kept_);
    filling_ = false;
    updateFit();
}

std::optional<cables::Refusal> CableManagerDialog::refusal() const {
    try {
        edited();
    } catch (const cables::Refusal& r) {
        return r;
    }
    return std::nullopt;
}

cables::Datasheet CableManagerDialog::datasheet() const {
    cables::Datasheet d{unit_->currentIndex() == 1 ? cables::LossUnit::PerHundredFeet
                                                   : cables::LossUnit::PerHundredMetres,
                        {}};
    for (int r = 0; r < points_->rowCount(); ++r) {
        const QString f = points_->item(r, 0) ? points_->item(r, 0)->text().trimmed() : QString();
        const QString l = points_->item(r, 1) ? points_->item(r, 1)->text().trimmed() : QString();
        if (f.isEmpty() && l.isEmpty())
            continue;
        const std::string n = std::to_string(r + 1);
        auto read = [&](const QString& t, const char* what) {
            const auto v = cables::number(t.toStdString());
            if (!v)
                throw cables::Refusal("Points", "Row " + n + ", " + what + ": \"" + t.toStdString() +
                                                    "\" is not a number (use the dot).");
            return *v;
        };
        d.points.push_back({read(f, "the frequency"), read(l, "the loss")});
    }
    return d;
}

cables::Cable CableManagerDialog::edited() const {
    cables::Cable c;
    if (kept_)
        c = *kept_;
    c.line.Z0 = z0_->text() == shownZ0_.first ? shownZ0_.second : numberIn(z0_, "Z0");
    c.line.VF = vf_->text() == shownVF_.first ? shownVF_.second : numberIn(vf_, "VF");
    cables::checkLine(c.line.Z0, c.line.VF);
    if (!kept_) {
        const cables::Datasheet d = datasheet();
        const cables::DatasheetFit fit = cables::fitDatasheet(d); // checks the points
        c.datasheet = d;
        c.measured.reset();
        c.line.k = cables::fromDbPer100ft(fit.k0, fit.k1, fit.k2);
    }
    c.line.name = cables::checkedName(name_->text().toStdString());
    return c;
}

void CableManagerDialog::updateFit() {
    if (filling_)
        return;
    // The other unit of each point, beside it.
    const bool feet = unit_->currentIndex() == 1;
    for (int r = 0; r < points_->rowCount(); ++r) {
        QTableWidgetItem* l = points_->item(r, 1);
        const auto v = l ? cables::number(l->text().trimmed().toStdString()) : std::nullopt;
        filling_ = true;
        points_->item(r, 2)->setText(v ? digits(feet ? *v / cables::kFeet : *v * cables::kFeet) : QString());
        filling_ = false;
    }
    if (kept_) {
        const auto& k = kept_->line.k;
        fit_->setText(tr("K0 = %1, K1 = %2, K2 = %3 (dB/100 ft)")
                          .arg(digits(cables::dbPer100ft(k.K0), 6), digits(cables::dbPer100ft(k.K1), 6),
                               digits(cables::dbPer100ft(k.K2), 6)));
        loss_->setText(
            lossTable(cables::dbPer100ft(k.K0), cables::dbPer100ft(k.K1), cables::dbPer100ft(k.K2)));
        return;
    }
    try {
        const cables::Datasheet d = datasheet();
        const cables::DatasheetFit fit = cables::fitDatasheet(d);
        QString text = tr("K0 = %1, K1 = %2, K2 = %3 (dB/100 ft)")
                           .arg(digits(fit.k0, 6), digits(fit.k1, 6), digits(fit.k2, 6));
        text += QLatin1Char('\n') + tr("Scarto dalla scheda tecnica: RMS %1 dB/100 m (%2 dB/100 ft), massimo "
                                       "%3 dB/100 m (%4 dB/100 ft)")
                                        .arg(digits(fit.rms, 3), digits(fit.rms * cables::kFeet, 3),
                                             digits(fit.max, 3), digits(fit.max * cables::kFeet, 3));
        if (fit.withoutK0)
            text += QLatin1Char('\n') + tr("Con K0 la perdita sarebbe negativa: adattati solo K1 e K2.");
        fit_->setText(text);
        loss_->setText(lossTable(fit.k0, fit.k1, fit.k2));
    } catch (const cables::Refusal& r) {
        fit_->setText(q(r.what()));
        loss_->clear();
    }
}

bool CableManagerDialog::saveEdited() {
    cables::Cable c;
    try {
        c = edited();
    } catch (const cables::Refusal& r) {
        QMessageBox::warning(this, q("Cable " + r.field), q(r.what()));
        return false;
    }
    const auto& all = wiring::userCables(w_.form());
    const bool other = std::any_of(all.begin(), all.end(), [&](const cables::Cable& x) {
        return x.line.name == c.line.name && x.line.name != loadedName_;
    });
    if (other && QMessageBox::question(this, tr("Salva cavo"),
                                       tr("Hai già un cavo \"%1\": sostituirlo?").arg(q(c.line.name))) !=
                     QMessageBox::Yes)
        return false;
    cables::Change change;
    if (!loadedName_.empty() && loadedName_ != c.line.name)
        change.rename.push_back({loadedName_, c}); // in its place in the list
    else
        change.put.push_back(c);
    if (!wiring::saveCables(w_.form(), change))
        return false;
    loadedName_ = c.line.name;
    fillList(c.line.name);
    return true;
}

bool CableManagerDialog::removeSelected() {
    QListWidgetItem* item = list_->currentItem();
    if (!item)
        return false;
    const std::string name = item->text().toStdString();
    if (!wiring::saveCables(w_.form(), {{}, {name}, {}}))
        return false;
    if (loadedName_ == name)
        loadedName_.clear();
    fillList({});
    if (list_->count() == 0 || loadedName_.empty())
        startNew();
    return true;
}

bool CableManagerDialog::importFrom(const QString& path) {
    if (!wiring::importCables(w_.form(), path.toStdString()))
        return false;
    fillList(loadedName_);
    return true;
}

bool CableManagerDialog::exportTo(const QString& path) {
    return wiring::exportCables(w_.form(), path.toStdString());
}

namespace {

// The "Cavi" menu: the manager and the measurement. A menu is a widget, so it hears of a switch of
// language itself.
class CablesMenu : public QMenu {
    Q_OBJECT
  public:
    explicit CablesMenu(MainWindow& w) : QMenu(&w), w_(w) {
        setObjectName(QStringLiteral("cablesMenu"));
        manage_ = addAction(QString());
        manage_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
        manage_->setShortcutContext(Qt::ApplicationShortcut);
        measure_ = addAction(QString());
        connect(manage_, &QAction::triggered, this, [this] {
            CableManagerDialog d(w_, &w_);
            d.exec();
        });
        connect(measure_, &QAction::triggered, this, [this] {
            MeasureDialog d(w_, &w_);
            d.exec();
        });
        retranslate();
    }

  protected:
    void changeEvent(QEvent* event) override {
        QMenu::changeEvent(event);
        if (event->type() == QEvent::LanguageChange)
            retranslate();
    }

  private:
    void retranslate() {
        setTitle(tr("Cavi")); // no access key: every letter of it opens something of the window already
        manage_->setText(tr("Gestione cavi..."));
        measure_->setText(tr("Misura da sweep..."));
    }

    MainWindow& w_;
    QAction* manage_ = nullptr;
    QAction* measure_ = nullptr;
};

} // namespace

void installCableManager(MainWindow& w) {
    if (w.findChild<CablesMenu*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    auto* menu = new CablesMenu(w);
    w.menuBar()->insertMenu(w.helpMenu()->menuAction(), menu);
}

} // namespace app

#include "cablemanager.moc"
