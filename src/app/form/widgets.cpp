#include "app/form/widgets.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace app {

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString caption = opt.text;
    opt.text.clear();
    p.drawControl(QStyle::CE_PushButton, opt); // bevel and focus frame, no text
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this);
    int flags = Qt::AlignCenter | Qt::TextWordWrap;
    flags |= style()->styleHint(QStyle::SH_UnderlineShortcut, &opt, this) ? Qt::TextShowMnemonic
                                                                          : Qt::TextHideMnemonic;
    p.drawItemText(area, flags, palette(), isEnabled(), caption, QPalette::ButtonText);
}

OptionButton::OptionButton(const QString& text, bool captionLeft, QWidget* parent)
    : QRadioButton(text, parent), captionLeft_(captionLeft) {}

void OptionButton::paintEvent(QPaintEvent* event) {
    if (!captionLeft_) {
        QRadioButton::paintEvent(event);
        return;
    }
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    // The style lays the button out on the left; mirror that layout so the button sits on the right edge
    // and the caption starts at the left.
    QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, this);
    indicator.moveRight(rect().right() - indicator.left());
    const int gap = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &opt, this);
    const QRect label(0, 0, indicator.left() - gap, height());

    QStyleOptionButton ind = opt;
    ind.rect = indicator;
    p.drawPrimitive(QStyle::PE_IndicatorRadioButton, ind);
    p.drawItemText(label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                   opt.text, QPalette::WindowText);
    if (opt.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(opt);
        focus.rect = fontMetrics()
                         .boundingRect(label, Qt::AlignLeft | Qt::AlignVCenter, opt.text)
                         .adjusted(-1, 0, 1, 0);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void FocusScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // A plain outline in the colour of a selection, as the styles draw a focused field's frame.
    QPainter p(this);
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight));
    pen.setWidth(std::max(1, height() / 14));
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const int half = pen.width() / 2;
    p.drawRect(rect().adjusted(half, half, -half - (pen.width() % 2), -half - (pen.width() % 2)));
}

} // namespace app
