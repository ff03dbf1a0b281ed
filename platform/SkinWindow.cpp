#include "SkinWindow.h"

#include "ClickRegion.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>

namespace crescendar {

namespace {
// The program window that was active last; returning to it from another application is
// not an activation of the program's window.
SkinWindow* lastActive = nullptr;
} // namespace

SkinWindow::SkinWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    // A window of another window (the main one): closing it never ends the program.
    if (parent) setAttribute(Qt::WA_QuitOnClose, false);
    canvas_.SetDevice(&canvasImage_);
    canvas_.SetChangedHandler([this] {
        if (!inPaint_) update();
    });
    qApp->installEventFilter(this);
}

SkinWindow::~SkinWindow() {
    if (lastActive == this) lastActive = nullptr;
}

void SkinWindow::CreateForm() {
    if (created_) return;
    created_ = true;
    FormCreate();
}

void SkinWindow::SetClientSize(int width, int height) {
    setFixedSize(width, height);
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!canvasImage_.isNull()) {
        QPainter p(&image);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, canvasImage_);
    }
    canvasImage_ = image; // same object: the canvas keeps drawing on it
    update();
}

void SkinWindow::SetBackground(const QImage& picture) {
    background_ = picture;
    update();
}

void SkinWindow::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void SkinWindow::ClearCanvas() {
    canvasImage_.fill(Qt::transparent);
    update();
}

// ----- dragging -------------------------------------------------------------------------

void SkinWindow::DragMouseDown(QPoint pos) {
    dragOrigin_ = pos;
    dragging_ = true;
}

void SkinWindow::DragMouseMove(QPoint pos) {
    if (dragging_) move(x() + pos.x() - dragOrigin_.x(), y() + pos.y() - dragOrigin_.y());
}

void SkinWindow::DragMouseUp() {
    dragging_ = false;
}

void SkinWindow::SetTitleRegion(ClickRegion* title) {
    connect(title, &ClickRegion::MouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint pos) { DragMouseDown(pos); });
    connect(title, &ClickRegion::MouseMove, this,
            [this](Qt::MouseButtons, QPoint pos) { DragMouseMove(pos); });
    connect(title, &ClickRegion::MouseUp, this, [this](Qt::MouseButton, QPoint) { DragMouseUp(); });
}

ClickRegion* SkinWindow::AddTitleRegion(const char* name, int left, int top, int width,
                                        int height) {
    auto* title = new ClickRegion(this, left, top, width, height);
    title->setObjectName(QString::fromLatin1(name));
    SetTitleRegion(title);
    return title;
}

ClickRegion* SkinWindow::AddExitRegion(int left, int top, int width, int height,
                                       const QString& hint) {
    auto* exit = new ClickRegion(this, left, top, width, height, hint);
    exit->setObjectName(QStringLiteral("lblExit"));
    SetExitRegion(exit);
    return exit;
}

void SkinWindow::SetExitRegion(ClickRegion* exit) {
    connect(exit, &ClickRegion::Clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) close();
    });
}

void SkinWindow::SetMinimiseRegion(ClickRegion* minimise) {
    connect(minimise, &ClickRegion::Clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) showMinimized();
    });
}

// ----- placement ------------------------------------------------------------------------

QSize SkinWindow::ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(640, 480);
}

void SkinWindow::CentreOnScreen() {
    const QSize s = ScreenSize();
    move((s.width() - width()) / 2, (s.height() - height()) / 2);
}

void SkinWindow::CentreOver(const QWidget& other) {
    move(other.x() + (other.width() - width()) / 2, other.y() + (other.height() - height()) / 2);
}

void SkinWindow::KeepOnScreen() {
    const QSize s = ScreenSize();
    int left = x(), top = y();
    if (left + width() > s.width()) left = s.width() - width();
    if (top + height() > s.height()) top = s.height() - height();
    if (left < 0) left = 0;
    if (top < 0) top = 0;
    move(left, top);
}

// ----- events ---------------------------------------------------------------------------

void SkinWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void SkinWindow::paintEvent(QPaintEvent* /*e*/) {
    // Drawing on the window canvas from FormPaint must not schedule another repaint.
    inPaint_ = true;
    FormPaint();
    inPaint_ = false;
    QPainter p(this);
    if (background_.isNull() || background_.size() != size()) p.fillRect(rect(), color_);
    if (!background_.isNull()) p.drawImage(0, 0, background_);
    if (!canvasImage_.isNull()) p.drawImage(0, 0, canvasImage_);
}

bool SkinWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && lastActive != this) {
        lastActive = this;
        const bool result = QWidget::event(e);
        FormActivate();
        return result;
    }
    return QWidget::event(e);
}

// Key preview: a key press for this window or any of its children reaches FormKeyPress
// first; unless swallowed it is then delivered as usual (from the original receiver up to
// this window) and its delivery ends there.
bool SkinWindow::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress || previewing_ || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this)
        return false;
    auto* key = static_cast<QKeyEvent*>(e);
    if (FormKeyPress(key)) {
        key->accept();
        return true;
    }
    previewing_ = true;
    QCoreApplication::sendEvent(watched, e);
    previewing_ = false;
    key->accept();
    return true;
}

} // namespace crescendar
