#include "ClickRegion.h"

#include "Access.h"

#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace crescendar {

// Not a child of its owner: a member that is also a child would announce its own removal to
// the owner while the owner is being destroyed.
HintTimer::HintTimer(QWidget* owner) : owner_(owner) {
    timer_.setSingleShot(true);
    timer_.setInterval(kHintDelayMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!hint_.isEmpty() && owner_->isVisible())
            QToolTip::showText(QCursor::pos(), hint_, owner_);
    });
}

bool HintTimer::HandleEvent(QEvent* e) {
    switch (e->type()) {
    case QEvent::Enter:
        if (!hint_.isEmpty()) timer_.start();
        return false;
    case QEvent::Leave:
    case QEvent::Hide:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        timer_.stop();
        return false;
    case QEvent::ToolTip:
        return true; // the hint keeps its own pause, not the style's
    default:
        return false;
    }
}

ClickRegion::ClickRegion(QWidget* parent) : QWidget(parent), hint_(this) {
    setMouseTracking(true);
    font_.setFamily(QStringLiteral("Arial"));
    font_.setPixelSize(11);
}

ClickRegion::ClickRegion(QWidget* parent, int left, int top, int width, int height,
                         const QString& hint)
    : ClickRegion(parent) {
    setGeometry(left, top, width, height);
    SetHint(hint);
}

void ClickRegion::SetText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    FitText();
    update();
    AnnounceChange(this);
}

void ClickRegion::SetFontName(const QString& family) {
    font_.setFamily(family);
    FitText();
    update();
}

void ClickRegion::SetFontHeight(int pixels) {
    font_.setPixelSize(std::max(1, pixels));
    FitText();
    update();
}

void ClickRegion::SetFontSize(int points) {
    const int dpi = logicalDpiY() > 0 ? logicalDpiY() : 96;
    SetFontHeight(static_cast<int>(std::lround(points * dpi / 72.0)));
}

void ClickRegion::SetFontBold(bool bold) {
    font_.setBold(bold);
    FitText();
    update();
}

void ClickRegion::SetFontItalic(bool italic) {
    font_.setItalic(italic);
    FitText();
    update();
}

void ClickRegion::SetFontColor(const QColor& c) {
    fontColor_ = c;
    update();
}

void ClickRegion::SetAlignment(Qt::Alignment horizontal) {
    alignment_ = horizontal & Qt::AlignHorizontal_Mask;
    update();
}

void ClickRegion::SetTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void ClickRegion::SetColor(const QColor& background) {
    background_ = background;
    update();
}

void ClickRegion::SetAutoSize(bool on) {
    autoSize_ = on;
    FitText();
}

int ClickRegion::TextWidth() const {
    return QFontMetrics(font_).horizontalAdvance(text_);
}

int ClickRegion::TextHeight() const {
    return QFontMetrics(font_).height();
}

ClickRegion* ClickRegion::TextLabel(QWidget* parent, int left, int top, const QString& text,
                                    const QColor& colour, int pixelHeight, bool bold) {
    auto* label = new ClickRegion(parent);
    label->move(left, top);
    label->SetFontName(QStringLiteral("Arial"));
    label->SetFontHeight(pixelHeight);
    label->SetFontBold(bold);
    label->SetFontColor(colour);
    label->SetAutoSize(true);
    label->SetText(text);
    return label;
}

void ClickRegion::FitText() {
    if (autoSize_) resize(TextWidth(), TextHeight());
}

bool ClickRegion::event(QEvent* e) {
    if (hint_.HandleEvent(e)) return true;
    return QWidget::event(e);
}

void ClickRegion::paintEvent(QPaintEvent* /*e*/) {
    const bool ring = KeyboardFocused(this);
    if (transparent_ && text_.isEmpty() && !ring) return;
    QPainter p(this);
    if (!transparent_) p.fillRect(rect(), background_);
    if (!text_.isEmpty()) {
        p.setFont(font_);
        p.setPen(fontColor_);
        p.drawText(rect(), static_cast<int>(alignment_ | Qt::AlignTop | Qt::TextSingleLine),
                   text_);
    }
    if (ring) PaintFocusRing(p, rect());
}

void ClickRegion::Activate() {
    const QPoint middle = rect().center();
    emit MouseDown(Qt::LeftButton, Qt::NoModifier, middle);
    emit MouseUp(Qt::LeftButton, middle);
    emit Clicked(Qt::LeftButton);
}

void ClickRegion::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    if ((focusPolicy() & Qt::TabFocus) && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        e->accept();
        Activate();
        return;
    }
    QWidget::keyPressEvent(e);
}

void ClickRegion::focusInEvent(QFocusEvent* e) {
    NoteFocus(this, e);
    QWidget::focusInEvent(e);
    update();
}

void ClickRegion::focusOutEvent(QFocusEvent* e) {
    NoteFocus(this, e);
    QWidget::focusOutEvent(e);
    update();
}

// Press and release inside make a click. A double click reports the second press as a
// mouse down (whether or not the platform sends it as a press first) and is not also a click.
void ClickRegion::mousePressEvent(QMouseEvent* e) {
    pressed_ |= e->button();
    lastWasPress_ = true;
    doubleClick_ = false;
    emit MouseDown(e->button(), e->modifiers(), e->position().toPoint());
}

void ClickRegion::mouseDoubleClickEvent(QMouseEvent* e) {
    if (!lastWasPress_) {
        pressed_ |= e->button();
        emit MouseDown(e->button(), e->modifiers(), e->position().toPoint());
    }
    lastWasPress_ = false;
    doubleClick_ = true;
    emit DoubleClicked(e->button());
}

void ClickRegion::mouseMoveEvent(QMouseEvent* e) {
    emit MouseMove(e->buttons(), e->position().toPoint());
}

void ClickRegion::mouseReleaseEvent(QMouseEvent* e) {
    const Qt::MouseButton button = e->button();
    const QPoint pos = e->position().toPoint();
    const bool click = (pressed_ & button) && !doubleClick_ && rect().contains(pos);
    pressed_ &= ~button;
    lastWasPress_ = false;
    doubleClick_ = false;
    emit MouseUp(button, pos);
    if (click) emit Clicked(button);
}

} // namespace crescendar
