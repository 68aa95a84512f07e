#include "app/form/qtwindow.h"

#include "app/form/widgets.h"
#include "app/i18n/language.h"
#include "ui/controlset.h"
#include "ui/entry.h"
#include "ui/panels.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <utility>
#include <vector>

namespace app {

namespace {

// Gives a variable a value for the lifetime of a scope and restores what it was.
template <class T> class Scoped {
  public:
    Scoped(T& variable, T value) : variable_(variable), was_(std::move(variable)) {
        variable_ = std::move(value);
    }
    ~Scoped() { variable_ = std::move(was_); }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;

  private:
    T& variable_;
    T was_;
};

// Sets a flag for the lifetime of a scope.
class ScopedSet : public Scoped<bool> {
  public:
    explicit ScopedSet(bool& flag) : Scoped<bool>(flag, true) {}
};

// Twips to pixels at a zoom in percent, rounded to the nearest pixel.
int toPixels(int twips, int zoom) {
    const long long scaled = static_cast<long long>(twips) * zoom;
    const long long per = 100LL * kTwipsPerPixel;
    return static_cast<int>((scaled + per / 2) / per);
}

bool isButton(const ui::Control& c) {
    return c.kind == ui::Kind::CommandButton || c.kind == ui::Kind::OptionButton;
}

// Controls that take input; they lie above labels and frames where the layout overlaps them.
bool isInput(const ui::Control& c) {
    return c.kind == ui::Kind::TextBox || c.kind == ui::Kind::ComboBox || c.kind == ui::Kind::HScrollBar ||
           isButton(c);
}

// A multi-line text as the widget shows it: lines end at each carriage return and line feed pair.
QString shownText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

std::string modelText(const QString& shown) {
    QString s = shown;
    s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return s.toStdString();
}

} // namespace

QString wrapToolTip(const QString& text) {
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString out, line;
    for (const QString& word : words) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > kToolTipColumns) {
            out += line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return out + line;
}

QtWindow::QtWindow(ui::Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    setWindowTitle(QString::fromStdString(form_.caption()));
    QFont base = font();
    base.setPointSizeF(kFontPoints);
    setFont(base);
    setFixedSize(sizeAt(zoom_));

    for (const ui::Control& c : form_.controls()) {
        if (c.kind == ui::Kind::ListBox)
            continue; // the catalog's hidden lists are never shown
        QWidget* holder = c.container.empty() ? this : widgets_.at(c.container);
        QWidget* w = create(c, holder);
        w->setGeometry(pixelRect(c));
        if (c.bold || c.fontSize > 0)
            w->setFont(fontOf(c)); // the others take the window's font
        if (!c.toolTip.empty())
            w->setToolTip(wrapToolTip(windowText(c.toolTip)));
        describe(c, w);
        if (c.result)
            showAsResult(c, w);
        else
            w->setEnabled(c.enabled);
        if (!c.visible)
            w->hide();
        widgets_.emplace(c.name, w);
        owners_.emplace(w, c.name);
        if (c.back != ui::BackColor::Window)
            push(c, ui::Property::Back);
        w->installEventFilter(this);
        if (isInput(c)) {
            for (QWidget* part : w->findChildren<QWidget*>()) { // an edit part, a viewport, scroll bars
                if (part->isWindow())
                    continue; // a drop-down list is a window of its own
                owners_.emplace(part, c.name);
                part->installEventFilter(this);
            }
        }
    }
    stack(this);
    for (const ui::Control& c : form_.controls()) {
        if (c.kind == ui::Kind::Frame)
            stack(widgets_.at(c.name));
        if (!c.labelledBy.empty()) // the label a screen reader reads as the control's caption
            if (auto* label = qobject_cast<QLabel*>(widget(c.labelledBy)))
                label->setBuddy(widget(c.name));
    }
    fitTexts();
    keepLabelsClear();
    fitLabels();
    maskBorderless();

    form_.propertyChanged = [this](const ui::Control& c, ui::Property p) {
        push(c, p);
        emit modelChanged();
    };
    syncFocus();
}

QtWindow::~QtWindow() {
    form_.propertyChanged = nullptr;
}

QWidget* QtWindow::widget(std::string_view name) const {
    auto it = widgets_.find(std::string(name));
    return it == widgets_.end() ? nullptr : it->second;
}

std::string QtWindow::controlOf(const QObject* object) const {
    auto it = owners_.find(object);
    return it == owners_.end() ? std::string() : it->second;
}

QSize QtWindow::sizeAt(int percent) {
    return QSize(toPixels(ui::kFormWidth, percent), toPixels(ui::kFormHeight, percent));
}

void QtWindow::setZoom(int percent) {
    if (percent == zoom_ || percent <= 0)
        return;
    zoom_ = percent;
    layOut();
}

// Every control at its place and every text at its size for the zoom; the labels' free parts and the
// borderless frames' masks follow.
void QtWindow::layOut() {
    QFont base = font();
    base.setPointSizeF(kFontPoints * zoom_ / 100.0);
    setFont(base); // reaches every control that has no font of its own
    for (const ui::Control& c : form_.controls()) {
        QWidget* w = widget(c.name);
        if (!w)
            continue;
        w->setGeometry(pixelRect(c));
        if (c.bold || c.fontSize > 0 || c.kind != ui::Kind::Frame)
            w->setFont(fontOf(c)); // a frame's caption may take a smaller face; its controls keep theirs
        else
            w->setFont(base);
        if (c.kind == ui::Kind::Label)
            w->setContentsMargins(0, 0, 0, 0);
        else if (c.kind == ui::Kind::Frame)
            w->clearMask();
    }
    fitTexts();
    keepLabelsClear();
    fitLabels();
    maskBorderless();
    setFixedSize(sizeAt(zoom_));
}

// What the faces and the style make of the layout at a zoom: a numeric input too narrow for the widest
// number it must show (six characters of a typed number, "-12.35"; the nine of an imported S-parameter,
// "-0.151514") grows to the right: into the free room beside it, or where that is too little, moving the
// controls on its right along while its container has room; what is still missing, a smaller face.
void QtWindow::fitTexts() {
    const auto widest = [](const QLineEdit* e, const std::vector<std::string>& texts) {
        int most = 0;
        for (const std::string& t : texts)
            most = std::max(most, e->fontMetrics().horizontalAdvance(QString::fromStdString(t)));
        return most;
    };
    for (const ui::Control& c : form_.controls()) {
        auto* e = qobject_cast<QLineEdit*>(widget(c.name));
        if (!e || c.result)
            continue;
        const ui::InputField* field = ui::inputField(c.name);
        const std::vector<std::string> texts =
            field ? ui::widestTexts(*field) : std::vector<std::string>{"-12.35", "123.45"};
        QStyleOptionFrame opt;
        opt.initFrom(e);
        opt.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e);
        const int room = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e).width() - 4;
        int need = widest(e, texts);
        if (need <= room)
            continue;
        // The controls beside it on the right, and the room up to the nearest of them.
        QWidget* holder = e->parentWidget();
        const QRect at = e->geometry();
        std::vector<QWidget*> beside;
        int free = holder->width() - at.right() - 3;
        for (QWidget* other : holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect r = other->geometry();
            if (other != e && owners_.count(other) && r.left() > at.right() && r.top() < at.bottom() &&
                r.bottom() > at.top()) {
                beside.push_back(other);
                free = std::min(free, r.left() - at.right() - 3);
            }
        }
        free = std::max(0, free);
        if (need - room > free && !beside.empty()) {
            int last = 0;
            for (QWidget* other : beside)
                last = std::max(last, other->geometry().right());
            const int spare = holder->contentsRect().right() - 2 - last;
            // The controls move by all the field grows, so that the gap before them stays as drawn.
            const int shift = std::clamp(need - room, 0, std::max(0, spare));
            for (QWidget* other : beside)
                other->move(other->x() + shift, other->y());
            free += shift;
        }
        e->resize(e->width() + std::clamp(need - room, 0, free), e->height());
        for (int step = 0; step < 12 && need > room + free; ++step) {
            QFont smaller = e->font();
            smaller.setPointSizeF(smaller.pointSizeF() - 0.25);
            e->setFont(smaller);
            need = widest(e, texts);
        }
    }
    for (const ui::Control& c : form_.controls()) {
        auto* g = qobject_cast<QGroupBox*>(widget(c.name));
        if (!g)
            continue;
        for (int step = 0; step < 8; ++step) {
            QStyleOptionGroupBox opt;
            opt.initFrom(g);
            opt.text = g->title();
            opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect title =
                g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
            if (g->rect().contains(title) && title.width() >= g->fontMetrics().horizontalAdvance(g->title()))
                break;
            for (QWidget* inside : g->findChildren<QWidget*>())
                if (owners_.count(inside) && !inside->testAttribute(Qt::WA_SetFont))
                    inside->setFont(inside->font()); // the controls inside keep their face
            QFont smaller = g->font();
            smaller.setPointSizeF(smaller.pointSizeF() - 0.25);
            g->setFont(smaller);
        }
    }
}

// ---- the window's language ----------------------------------------------------------------------------

// Captions, tool tips and accessible names again in the language now chosen; the layout pass runs again,
// so that the labels' free parts and the faces fitted to the texts follow the new texts. The model and
// what the fields hold are untouched.
void QtWindow::retranslate() {
    for (const ui::Control& c : form_.controls()) {
        QWidget* w = widget(c.name);
        if (!w)
            continue;
        const QString caption = windowText(c.text);
        if (auto* l = qobject_cast<QLabel*>(w)) {
            l->setText(caption);
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            g->setTitle(caption);
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            b->setText(caption); // and its access key with it
        }
        if (!c.toolTip.empty())
            w->setToolTip(wrapToolTip(windowText(c.toolTip)));
        describe(c, w);
    }
    layOut();
}

void QtWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

// ---- building --------------------------------------------------------------------------------------

QWidget* QtWindow::create(const ui::Control& c, QWidget* holder) {
    switch (c.kind) {
    case ui::Kind::TextBox:
        return c.multiLine ? createMultiLine(c, holder) : createLineEdit(c, holder);
    case ui::Kind::Label:
        return createLabel(c, holder);
    case ui::Kind::Frame:
        return createFrame(c, holder);
    case ui::Kind::CommandButton:
        return createCommandButton(c, holder);
    case ui::Kind::OptionButton:
        return createOptionButton(c, holder);
    case ui::Kind::ComboBox:
        return createComboBox(c, holder);
    case ui::Kind::HScrollBar:
        return createScrollBar(c, holder);
    case ui::Kind::ListBox:
        break;
    }
    return new QWidget(holder);
}

// A whole new text the operator made in a field (typing, paste, cut, delete, undo): handed to the model,
// and the model's text shown again (a refused edit puts the old text back).
void QtWindow::edited(const std::string& name, std::string text) {
    if (pushing_)
        return;
    const Scoped<std::string> editing(editing_, name); // the text being edited keeps its caret
    form_.userEdit(name, std::move(text));
    pushText(form_.control(name));
    syncFocus();
}

QWidget* QtWindow::createMultiLine(const ui::Control& c, QWidget* holder) {
    auto* e = new QPlainTextEdit(holder);
    e->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    e->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    e->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    e->setTabChangesFocus(true);
    e->setPlainText(shownText(c.text));
    if (c.locked) { // scrolled and selected, never edited
        e->setReadOnly(true);
        e->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    connect(e, &QPlainTextEdit::textChanged, this,
            [this, e, name = c.name] { edited(name, modelText(e->toPlainText())); });
    return e;
}

QWidget* QtWindow::createLineEdit(const ui::Control& c, QWidget* holder) {
    auto* e = new QLineEdit(QString::fromStdString(c.text), holder); // a field's text: never translated
    e->setReadOnly(c.locked);
    e->setCursorPosition(0);
    // textEdited comes only from the user (typing, paste, cut, delete, undo), never from setText.
    connect(e, &QLineEdit::textEdited, this,
            [this, name = c.name](const QString& now) { edited(name, now.toStdString()); });
    return e;
}

QWidget* QtWindow::createLabel(const ui::Control& c, QWidget* holder) {
    auto* l = new QLabel(windowText(c.text), holder); // a caption: shown in the window's language
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QWidget* QtWindow::createFrame(const ui::Control& c, QWidget* holder) {
    if (c.text.empty()) { // a frame without caption only groups its option buttons: no border
        auto* f = new QFrame(holder);
        f->setFrameShape(QFrame::NoFrame);
        return f;
    }
    return new QGroupBox(windowText(c.text), holder);
}

QWidget* QtWindow::createCommandButton(const ui::Control& c, QWidget* holder) {
    auto* b = new WrapButton(windowText(c.text), holder); // "&" marks the access key
    b->setAutoDefault(true);
    b->setFocusPolicy(Qt::TabFocus); // a mouse click moves the focus through the model, on release
    return b;
}

QWidget* QtWindow::createOptionButton(const ui::Control& c, QWidget* holder) {
    auto* b = new OptionButton(windowText(c.text), c.captionLeft, holder);
    // Exclusive among the buttons of its frame, as the model's groups are: a screen reader then
    // announces a radio button. The model still decides every selection.
    b->setChecked(c.value != 0);
    b->setAutoExclusive(true);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QWidget* QtWindow::createComboBox(const ui::Control& c, QWidget* holder) {
    const std::string name = c.name;
    const QString text = QString::fromStdString(c.text);
    auto* b = new QComboBox(holder);
    b->setFocusPolicy(Qt::StrongFocus);
    // The geometry is fixed: no need to measure every item for a size hint.
    b->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    QStringList items;
    items.reserve(static_cast<qsizetype>(c.items.size()));
    for (const auto& item : c.items)
        items.append(QString::fromStdString(item));
    b->addItems(items);
    if (c.pickOnly) {
        b->setCurrentIndex(b->findText(text));
    } else {
        b->setEditable(true);
        b->setInsertPolicy(QComboBox::NoInsert); // typed text never joins the list
        b->setCompleter(nullptr);                // nor is it completed from the list
        b->setEditText(text);
        connect(b->lineEdit(), &QLineEdit::textEdited, this,
                [this, name](const QString& now) { edited(name, now.toStdString()); });
    }
    // A pick from the list (mouse, keys or wheel) is no edit of the text: no Change.
    // An editable combo also reports as "activated" a typed text that matches an item, when it loses
    // the focus; that is neither a pick nor a focus move.
    connect(b, &QComboBox::activated, this, [this, b, name](int index) {
        if (pushing_ || index < 0 || b->itemText(index).toStdString() == form_.text(name))
            return;
        form_.userPick(name, b->itemText(index).toStdString());
        pushText(form_.control(name));
        syncFocus();
    });
    return b;
}

QWidget* QtWindow::createScrollBar(const ui::Control& c, QWidget* holder) {
    const std::string name = c.name;
    auto* s = new FocusScrollBar(Qt::Horizontal, holder);
    s->setRange(c.minimum, c.maximum);
    s->setSingleStep(c.smallChange);
    s->setPageStep(c.largeChange);
    s->setValue(c.value);
    s->setTracking(false);              // a dragged thumb changes the value once, on release
    s->setFocusPolicy(Qt::StrongFocus); // takes the focus when clicked or tabbed to
    connect(s, &QScrollBar::valueChanged, this, [this, s, name](int v) {
        if (pushing_)
            return;
        form_.userScroll(name, v);
        if (s->value() != form_.value(name)) {
            ScopedSet f(pushing_);
            s->setValue(form_.value(name));
        }
        syncFocus();
    });
    return s;
}

// A result field: the model keeps it disabled (no Tab stop, no typing), but its widget stays enabled and
// read-only, so that its text can be selected and copied, with the background of a field that shows a
// result (the window's colour of the palette in use).
void QtWindow::showAsResult(const ui::Control& c, QWidget* w) {
    w->setFocusPolicy(c.enabled ? Qt::StrongFocus : Qt::ClickFocus);
    if (!c.enabled) {
        QPalette pal = w->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            pal.setColor(group, QPalette::Base, pal.color(group, QPalette::Window));
        w->setPalette(pal);
    }
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(w, &QWidget::customContextMenuRequested, this,
            [this, w](const QPoint& at) { resultMenu(w)->popup(w->mapToGlobal(at)); });
}

QMenu* QtWindow::resultMenu(QWidget* w) {
    auto* menu = new QMenu(w);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto* line = qobject_cast<QLineEdit*>(w);
    auto* plain = qobject_cast<QPlainTextEdit*>(w);
    const bool selected = line ? line->hasSelectedText() : plain && plain->textCursor().hasSelection();
    QAction* copy = menu->addAction(tr("Copia"), w, [line, plain] {
        if (line)
            line->copy();
        else if (plain)
            plain->copy();
    });
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(selected);
    QAction* all = menu->addAction(tr("Seleziona tutto"), w, [line, plain] {
        if (line)
            line->selectAll();
        else if (plain)
            plain->selectAll();
    });
    all->setShortcut(QKeySequence::SelectAll);
    return menu;
}

// What a screen reader says of the control: the model's name for it and, for a result field, that it is a
// result and cannot be edited. The parts of a control (the edit line of the cable list, the scroll bars of
// a multi-line field) carry the control's name. A frame is named by its caption: left unnamed, the toolkit
// would give a frame inside another the outer frame's caption.
void QtWindow::describe(const ui::Control& c, QWidget* w) {
    QString name = windowText(c.accessibleName);
    if (name.isEmpty() && c.kind == ui::Kind::Frame)
        name = windowText(c.text);
    if (!name.isEmpty()) {
        w->setAccessibleName(name);
        if (auto* b = qobject_cast<QComboBox*>(w); b && b->lineEdit())
            b->lineEdit()->setAccessibleName(name);
        if (auto* a = qobject_cast<QAbstractScrollArea*>(w)) {
            a->verticalScrollBar()->setAccessibleName(name);
            a->horizontalScrollBar()->setAccessibleName(name);
        }
    }
    if (c.result)
        w->setAccessibleDescription(windowText(ui::kResultDescription));
}

// Inside one container: labels at the bottom, frames above them, inputs on top, so that no label or frame
// covers an input where the layout overlaps them.
void QtWindow::stack(QWidget* holder) {
    const std::string holderName = holder == this ? std::string() : controlOf(holder);
    for (int pass = 0; pass < 2; ++pass) {
        for (const ui::Control& c : form_.controls()) {
            if (c.container != holderName || !widgets_.count(c.name))
                continue;
            if ((pass == 0 && c.kind == ui::Kind::Frame) || (pass == 1 && isInput(c)))
                widgets_.at(c.name)->raise();
        }
    }
}

// A caption that the face at this zoom wraps onto more lines than its label holds takes a slightly smaller
// face (text does not scale exactly with the zoom).
void QtWindow::fitLabels() {
    for (const ui::Control& c : form_.controls()) {
        auto* l = qobject_cast<QLabel*>(widget(c.name));
        if (!l)
            continue;
        for (int step = 0; step < 6; ++step) {
            const QRect room = l->contentsRect();
            if (room.contains(l->fontMetrics().boundingRect(room, Qt::TextWordWrap, l->text())))
                break;
            QFont smaller = l->font();
            smaller.setPointSizeF(smaller.pointSizeF() - 0.25);
            l->setFont(smaller);
        }
    }
}

// Where an input lies over part of a label, the label's text wraps in the part left free, so that no word
// of it runs under the input.
void QtWindow::keepLabelsClear() {
    constexpr int gap = 2;
    for (const ui::Control& c : form_.controls()) {
        if (c.kind != ui::Kind::Label)
            continue;
        QWidget* label = widgets_.at(c.name);
        QRect area(label->mapTo(this, QPoint(0, 0)), label->size());
        std::vector<QRect> inputs; // the inputs lying over the label, if any
        for (const ui::Control& o : form_.controls()) {
            if (!isInput(o) || !widgets_.count(o.name))
                continue;
            QWidget* input = widgets_.at(o.name);
            const QRect over(input->mapTo(this, QPoint(0, 0)), input->size());
            if (over.intersects(area))
                inputs.push_back(over);
        }
        if (inputs.empty())
            continue;
        // Only the band where its lines are drawn matters.
        const QRect text = label->fontMetrics().boundingRect(
            QRect(0, 0, area.width(), area.height()), Qt::TextWordWrap, static_cast<QLabel*>(label)->text());
        area.setHeight(std::min(area.height(), text.height()));
        int left = 0, right = 0;
        for (const QRect& over : inputs) {
            if (!over.intersects(area))
                continue;
            if (over.center().x() > area.center().x())
                right = std::max(right, area.right() - over.left() + 1 + gap);
            else
                left = std::max(left, over.right() - area.left() + 1 + gap);
        }
        label->setContentsMargins(left, 0, right, 0);
    }
}

// A frame without caption or border shows nothing of its own: it takes the mouse only where its buttons are,
// and never from an input of another container that it overlaps.
void QtWindow::maskBorderless() {
    for (const ui::Control& c : form_.controls()) {
        if (c.kind != ui::Kind::Frame || !c.text.empty())
            continue;
        QWidget* frame = widgets_.at(c.name);
        QRegion used;
        for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            used += child->geometry();
        frame->setMask(used);
    }
}

// The control's rectangle in its container. Both edges are rounded from the window's own corner, so that
// controls that line up in twips line up in pixels.
QRect QtWindow::pixelRect(const ui::Control& c) const {
    auto origin = [this](const ui::Control& of) {
        const ui::Point p = ui::windowOrigin(form_, of);
        return QPoint(p.left, p.top);
    };
    const QPoint at = origin(c);
    const QPoint holder = c.container.empty() ? QPoint(0, 0) : origin(form_.control(c.container));
    auto px = [this](int twips) { return toPixels(twips, zoom_); };
    const int left = px(at.x()) - px(holder.x());
    const int top = px(at.y()) - px(holder.y());
    const int right = px(at.x() + c.geom.width) - px(holder.x());
    const int bottom = px(at.y() + c.geom.height) - px(holder.y());
    return QRect(left, top, right - left, bottom - top);
}

QFont QtWindow::fontOf(const ui::Control& c) const {
    QFont f = font();
    if (c.fontSize > 0)
        f.setPointSizeF(c.fontSize * zoom_ / 100.0);
    f.setBold(c.bold);
    return f;
}

// ---- the model's changes, shown -------------------------------------------------------------------------

void QtWindow::push(const ui::Control& c, ui::Property p) {
    QWidget* w = widget(c.name);
    if (!w)
        return;
    ScopedSet f(pushing_);
    switch (p) {
    case ui::Property::Text:
        pushText(c);
        break;
    case ui::Property::Enabled:
        if (c.result)
            w->setFocusPolicy(c.enabled ? Qt::StrongFocus : Qt::ClickFocus);
        else
            w->setEnabled(c.enabled);
        break;
    case ui::Property::Visible:
        w->setVisible(c.visible);
        break;
    case ui::Property::Bold:
    case ui::Property::FontSize:
        w->setFont(fontOf(c));
        break;
    case ui::Property::Value:
        if (auto* b = qobject_cast<QRadioButton*>(w)) {
            // The toolkit keeps an exclusive group's checked button checked; the model may clear it.
            b->setAutoExclusive(c.value != 0);
            b->setChecked(c.value != 0);
            b->setAutoExclusive(true);
        } else if (auto* s = qobject_cast<QScrollBar*>(w))
            s->setValue(c.value);
        break;
    case ui::Property::Items:
        // The list anew (the user's cables after the catalog); the text typed or picked stays.
        if (auto* b = qobject_cast<QComboBox*>(w)) {
            const QSignalBlocker quiet(b);
            QStringList items;
            items.reserve(static_cast<qsizetype>(c.items.size()));
            for (const auto& item : c.items)
                items.append(QString::fromStdString(item));
            b->clear();
            b->addItems(items);
            if (b->isEditable())
                b->setEditText(QString::fromStdString(c.text));
            else
                b->setCurrentIndex(b->findText(QString::fromStdString(c.text)));
        }
        break;
    case ui::Property::Back: {
        const QPalette system = QApplication::palette(w);
        const QColor back = c.back == ui::BackColor::Highlight
                                ? system.color(QPalette::Active, QPalette::Highlight)
                                : system.color(QPalette::Active, QPalette::Base);
        QPalette pal = w->palette();
        pal.setColor(QPalette::Active, QPalette::Base, back);
        pal.setColor(QPalette::Inactive, QPalette::Base, back);
        w->setPalette(pal);
        break;
    }
    }
}

void QtWindow::pushText(const ui::Control& c) {
    QWidget* w = widget(c.name);
    ScopedSet f(pushing_);
    const QString text = QString::fromStdString(c.text);
    // A text the program writes shows from its first character, as after loading the window; a text the
    // operator is editing keeps its caret.
    const bool written = c.name != editing_;
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->text() != text) {
            e->setText(text);
            if (written)
                e->setCursorPosition(0);
        }
    } else if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
        const QString shown = shownText(c.text);
        if (e->toPlainText() != shown)
            e->setPlainText(shown);
    } else if (auto* b = qobject_cast<QComboBox*>(w)) {
        if (b->isEditable()) {
            if (b->currentText() != text) {
                b->setEditText(text);
                if (written)
                    b->lineEdit()->setCursorPosition(0);
            }
        } else if (b->currentText() != text) {
            b->setCurrentIndex(b->findText(text));
        }
    }
}

// A focus moved by a key (Tab, an access key, an arrow in an option group) is shown as the style shows a
// keyboard focus: the window then draws focus frames, also on option buttons, drop-downs and the slider.
// (The model moves the focus, so the toolkit does not see a Tab of its own that would mark it.)
void QtWindow::syncFocusByKey() {
    keyboardFocus_ = true;
    syncFocus();
    showKeyboardFocus();
}

// The window loses the mark of a keyboard focus when another window (a message box) comes and goes; the
// focus the keys moved is marked again.
void QtWindow::showKeyboardFocus() {
    if (QWidget* top = window(); keyboardFocus_ && !top->testAttribute(Qt::WA_KeyboardFocusChange)) {
        top->setAttribute(Qt::WA_KeyboardFocusChange);
        if (QWidget* now = QApplication::focusWidget(); now && isAncestorOf(now))
            now->update();
    }
}

void QtWindow::syncFocus() {
    QWidget* target = widget(form_.focused());
    if (!target || !target->isEnabled() || target->isHidden())
        return;
    if (QWidget* now = focusWidget(); now && (now == target || target->isAncestorOf(now)))
        return;
    ScopedSet f(movingFocus_);
    target->setFocus(Qt::OtherFocusReason);
}

// ---- the operator's input, handed to the model
// -------------------------------------------------------------

bool QtWindow::eventFilter(QObject* watched, QEvent* event) {
    auto it = owners_.find(watched);
    if (it == owners_.end())
        return QWidget::eventFilter(watched, event);
    const std::string name = it->second;
    const ui::Control& c = form_.control(name);
    switch (event->type()) {
    case QEvent::FocusIn:
        return focusIn(name, event);
    case QEvent::KeyPress:
        return keyPress(name, static_cast<QKeyEvent*>(event));
    case QEvent::Wheel:
        // A drop-down or the slider turns with the wheel only when it has the focus; else the wheel
        // scrolls the window.
        if (c.kind == ui::Kind::ComboBox || c.kind == ui::Kind::HScrollBar) {
            // Inside the open list of a drop-down (a window of its own) the wheel scrolls the list.
            if (auto* part = qobject_cast<QWidget*>(watched); part && part->window() != window())
                return false;
            QWidget* w = widget(name);
            QWidget* focus = QApplication::focusWidget();
            if (focus != w && !(focus && w->isAncestorOf(focus))) {
                event->ignore();
                return true;
            }
        }
        return false;
    case QEvent::KeyRelease: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        return isButton(c) && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
    }
    case QEvent::Shortcut:
        // The access key clicks through the model, which moves the focus first; the button's own delayed
        // click never runs.
        if (c.kind == ui::Kind::CommandButton) {
            form_.userAccel(c.accessKey);
            syncFocusByKey();
            return true;
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (dropPress_ == name) { // a message box took this press while the focus moved
            dropPress_.clear();
            return true;
        }
        dropPress_.clear();
        return isButton(c) && buttonMouse(c, static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return isButton(c) && buttonMouse(c, static_cast<QMouseEvent*>(event));
    default:
        return false;
    }
}

// A focus move of the user inside the window. Activation of the window (a message box or another window
// coming and going) and drop-down lists opening and closing are no focus moves of the window's controls.
bool QtWindow::focusIn(const std::string& name, QEvent* event) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason)
        showKeyboardFocus();
    if (pushing_ || movingFocus_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    if (reason == Qt::MouseFocusReason)
        keyboardFocus_ = false; // a click moves the focus: the style shows it as it shows a click's
    if (!form_.canFocus(name))
        return false; // a click into a result to select its text: the model's focus stays where it was
    const int shown = form_.messageCount();
    form_.userFocus(name);
    if (reason == Qt::MouseFocusReason && form_.messageCount() != shown)
        dropPress_ = name;
    syncFocus();
    return false;
}

bool QtWindow::keyPress(const std::string& name, QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        form_.userTab(key == Qt::Key_Backtab || (mods & Qt::ShiftModifier));
        syncFocusByKey();
        return true;
    }
    const ui::Control& c = form_.control(name);
    if (isButton(c))
        return buttonKey(c, event);
    if (c.kind == ui::Kind::HScrollBar)
        return sliderKey(c, event);
    if (!form_.acceptsText(name))
        return false; // a read-only field or the pick-only list handles its keys itself
    const QString text = event->text();
    if (text.isEmpty())
        return false; // arrows, Home, End, function keys: no character
    if (mods & (Qt::ControlModifier | Qt::MetaModifier))
        return false; // copy, cut, paste, undo: the widget edits and the model receives the whole new text
    const QList<uint> codes = text.toUcs4();
    if (codes.size() == 1 && codes.front() == 127)
        return false; // Delete is an edit, not a character
    if (mods & Qt::AltModifier)
        return true; // Alt with a key that is no access key types nothing

    QString reaching;
    bool unchanged = true;
    for (uint code : codes) {
        const int passed = form_.keyPress(name, static_cast<char32_t>(code));
        unchanged = unchanged && passed == static_cast<int>(code);
        if (passed != 0) {
            const char32_t out = static_cast<char32_t>(passed);
            reaching += QString::fromUcs4(&out, 1);
        }
    }
    syncFocus();
    if (unchanged)
        return false; // the widget inserts the character where its caret is
    if (!reaching.isEmpty()) {
        QWidget* w = widget(name);
        if (auto* e = qobject_cast<QLineEdit*>(w))
            e->insert(reaching);
        else if (auto* b = qobject_cast<QComboBox*>(w); b && b->lineEdit())
            b->lineEdit()->insert(reaching);
        else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
            p->insertPlainText(reaching);
    }
    return true;
}

// Space or Enter on a focused command button clicks it; Space selects a focused option button that is not
// selected; the arrow keys select the button of an option group that lies that way.
bool QtWindow::buttonKey(const ui::Control& c, QKeyEvent* event) {
    const int key = event->key();
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (press) {
        if (event->isAutoRepeat())
            return true;
        if (c.kind == ui::Kind::CommandButton || (key == Qt::Key_Space && !c.value)) {
            form_.userClick(c.name);
            syncFocus();
        }
        return true;
    }
    if (c.kind != ui::Kind::OptionButton)
        return false;
    const auto arrow = key == Qt::Key_Left    ? ui::Form::Arrow::Left
                       : key == Qt::Key_Right ? ui::Form::Arrow::Right
                       : key == Qt::Key_Up    ? ui::Form::Arrow::Up
                                              : ui::Form::Arrow::Down;
    if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
        arrowInGroup(c, arrow);
        return true;
    }
    return false;
}

// The slider's keys the way they point: Right, Down and PageDown move the thumb right (more), Left, Up
// and PageUp left (less), Home and End to the ends. Each move is one change of the value, as a click on
// the arrows or the track gives.
bool QtWindow::sliderKey(const ui::Control& c, QKeyEvent* event) {
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        action = QAbstractSlider::SliderSingleStepAdd;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        action = QAbstractSlider::SliderSingleStepSub;
        break;
    case Qt::Key_PageDown:
        action = QAbstractSlider::SliderPageStepAdd;
        break;
    case Qt::Key_PageUp:
        action = QAbstractSlider::SliderPageStepSub;
        break;
    case Qt::Key_Home:
        action = QAbstractSlider::SliderToMinimum;
        break;
    case Qt::Key_End:
        action = QAbstractSlider::SliderToMaximum;
        break;
    default:
        return false;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    static_cast<QScrollBar*>(widget(c.name))->triggerAction(action);
    return true;
}

void QtWindow::arrowInGroup(const ui::Control& c, ui::Form::Arrow key) {
    if (form_.userArrow(c.name, key))
        syncFocusByKey();
}

// A mouse click on a button: pressed down while the mouse is held, clicked through the model on release
// over the button. The model moves the focus first and drops the click when that showed a message box.
bool QtWindow::buttonMouse(const ui::Control& c, QMouseEvent* event) {
    auto* button = static_cast<QAbstractButton*>(widget(c.name));
    const bool over = button->rect().contains(event->position().toPoint());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (event->button() == Qt::LeftButton) {
            pressed_ = c.name;
            button->setDown(true);
        }
        break;
    case QEvent::MouseMove:
        if (pressed_ == c.name)
            button->setDown(over);
        break;
    case QEvent::MouseButtonRelease:
        if (event->button() == Qt::LeftButton && pressed_ == c.name) {
            pressed_.clear();
            button->setDown(false);
            if (over) {
                form_.userClick(c.name);
                syncFocus();
            }
        }
        break;
    default:
        break;
    }
    return true;
}

// Tab and Backtab that reach the window itself, and the toolkit's own focus moves (a focused control being
// disabled or hidden by the program): the model's focus order decides, or nothing moves.
bool QtWindow::focusNextPrevChild(bool next) {
    if (pushing_ || movingFocus_)
        return false;
    form_.userTab(!next);
    syncFocusByKey();
    return true;
}

} // namespace app
