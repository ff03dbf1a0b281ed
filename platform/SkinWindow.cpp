#include "SkinWindow.h"

#include "Access.h"
#include "ClickRegion.h"
#include "Command.h"
#include "ImageControl.h"
#include "Picture.h"

#include <QApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace crescendar {

namespace {
// The program window that was active last; returning to it from another application is
// not an activation of the program's window.
SkinWindow* lastActive = nullptr;
// Windows shown so far: a window shown after another closed takes the activation itself.
unsigned windowsShown = 0;

// The available area of the screen a widget is on (the primary screen's when it has none).
QRect AvailableAreaOf(const QWidget& widget) {
    const QScreen* screen = widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(QPoint(0, 0), QSize(640, 480));
}
} // namespace

QImage PagingArrowPicture(bool next, const QColor& fill, const QColor& shadow, int width,
                          int height) {
    const int scale = PictureScale();
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // The triangle fills the picture but for the shadow's pixel at the right and bottom.
    const double w = width - 1.0, h = height - 1.0;
    const auto triangle = [next, w, h](double dx, double dy) {
        QPolygonF t;
        if (next)
            t << QPointF(dx + 1, dy + 1) << QPointF(dx + w - 1, dy + h / 2)
              << QPointF(dx + 1, dy + h - 1);
        else
            t << QPointF(dx + w - 1, dy + 1) << QPointF(dx + 1, dy + h / 2)
              << QPointF(dx + w - 1, dy + h - 1);
        return t;
    };
    p.setBrush(shadow);
    p.drawPolygon(triangle(1, 1));
    p.setBrush(fill);
    p.drawPolygon(triangle(0, 0));
    return image;
}

SkinWindow::SkinWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    // A window of another window (the main one): closing it never ends the program.
    if (parent) setAttribute(Qt::WA_QuitOnClose, false);
    canvas_.SetDevice(&canvasImage_);
    canvas_.SetChangedHandler([this](const QRect& area) {
        if (!inPaint_) update(area);
    });
    qApp->installEventFilter(this);
    InstallAccessibility();
}

SkinWindow::~SkinWindow() {
    if (lastActive == this) lastActive = nullptr;
}

void SkinWindow::CreateForm() {
    if (created_) return;
    created_ = true;
    FormCreate();
    if (EscapeCloses() && !CommandForKey(this, QKeySequence(Qt::Key_Escape)))
        MakeCommand(this, "actClose", tr("Close"), {QKeySequence(Qt::Key_Escape)},
                    tr("Close this window"), [this] { close(); });
}

void SkinWindow::SetClientSize(int width, int height) {
    setFixedSize(width, height);
    // At the screen's scale, so that text and shapes drawn on the canvas are sharp.
    const int scale = PictureScale(this);
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
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
    skin_ = QImage();
    update();
}

void SkinWindow::AddCaption(const Caption& caption, const char* accessibleName) {
    captions_ << caption;
    paintedCaptions_ << caption;
    skin_ = QImage();
    if (accessibleName) ExposeText(this, accessibleName, caption.Room, caption.Text);
    update();
}

void SkinWindow::ListCaption(const Caption& caption) {
    captions_ << caption;
}

void SkinWindow::SetColor(const QColor& color) {
    color_ = color;
    skin_ = QImage();
    update();
}

void SkinWindow::ClearCanvas() {
    canvasImage_.fill(Qt::transparent);
    update();
}

// ----- dragging -------------------------------------------------------------------------

void SkinWindow::DragMouseDown(QPoint pos, Qt::MouseButton button) {
    if (drag_ == Drag::System) EndSystemMove();
    dragOrigin_ = pos;
    dragStart_ = this->pos();
    dragButton_ = button;
    drag_ = Drag::Pressed;
}

void SkinWindow::DragMouseMove(QPoint pos) {
    if (drag_ == Drag::Pressed && pos != dragOrigin_) {
        // Only the left button: X11 desktops end the move when button 1 is released.
        if (dragButton_ == Qt::LeftButton && StartSystemMove()) {
            drag_ = Drag::System;
            return;
        }
        drag_ = Drag::Manual;
    }
    if (drag_ == Drag::Manual)
        move(x() + pos.x() - dragOrigin_.x(), y() + pos.y() - dragOrigin_.y());
}

void SkinWindow::DragMouseUp() {
    // Qt on X11 reports a release as the desktop's move begins: the move goes on past it.
    if (drag_ == Drag::System) return;
    // A click on the title that did not move the window keeps it to its own placement.
    const bool moved = drag_ == Drag::Manual && pos() != dragStart_;
    drag_ = Drag::None;
    if (moved) StorePosition();
}

bool SkinWindow::StartSystemMove() {
    QWindow* window = windowHandle();
    return window && window->startSystemMove();
}

void SkinWindow::EndSystemMove() {
    if (systemMoveSettled_) systemMoveSettled_->stop();
    drag_ = Drag::None;
    if (pos() != dragStart_) StorePosition();
}

void SkinWindow::SetTitleRegion(ClickRegion* title) {
    titles_ << title;
    connect(title, &ClickRegion::MouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint pos) {
                DragMouseDown(pos, button);
            });
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

std::pair<ClickRegion*, ClickRegion*>
SkinWindow::AddMonthArrows(int previousLeft, int nextLeft, int top, std::function<void(int)> page) {
    // Pale on the dark blue of the title bars, with a dark shadow.
    const QColor fill(214, 222, 240);
    const QColor shadow(8, 14, 40);
    auto* previous =
        new ImageControl(this, previousLeft, top, PagingArrowPicture(false, fill, shadow));
    previous->setObjectName(QStringLiteral("imgPrevMonth"));
    auto* next = new ImageControl(this, nextLeft, top, PagingArrowPicture(true, fill, shadow));
    next->setObjectName(QStringLiteral("imgNextMonth"));
    OfferCommand(previous, MakeCommand(this, "actPreviousMonth", tr("Previous month"),
                                       {QKeySequence(Qt::Key_PageUp)},
                                       tr("Show the previous month"), [page] { page(-1); }));
    OfferCommand(next, MakeCommand(this, "actNextMonth", tr("Next month"),
                                   {QKeySequence(Qt::Key_PageDown)}, tr("Show the next month"),
                                   [page] { page(1); }));
    return {previous, next};
}

// ----- placement ------------------------------------------------------------------------

QSize SkinWindow::ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(640, 480);
}

QList<QRect> SkinWindow::AvailableAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) areas << screen->availableGeometry();
    return areas;
}

WindowGrip SkinWindow::Grip() const {
    WindowGrip grip;
    for (const QWidget* title : titles_)
        if (title) grip.Title |= title->geometry();
    const QString closeName = QStringLiteral("lblExit"); // not user text
    if (const auto* close = findChild<QWidget*>(closeName, Qt::FindDirectChildrenOnly))
        grip.Close = close->geometry();
    return grip;
}

void SkinWindow::CentreOnScreen() {
    const QRect area = AvailableAreaOf(*this);
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    KeepOnScreen();
}

void SkinWindow::CentreOver(const QWidget& other) {
    move(other.x() + (other.width() - width()) / 2, other.y() + (other.height() - height()) / 2);
}

void SkinWindow::KeepOnScreen() {
    move(FitOnScreens(pos(), size(), Grip(), AvailableAreas()));
}

void SkinWindow::PlaceBelow(const QWidget& owner, const QWidget& anchor) {
    move(owner.x() + anchor.x(), owner.y() + 40);
    KeepOnScreen();
}

void SkinWindow::PlaceBeside(const QWidget& other) {
    const QRect area = AvailableAreaOf(other);
    const int right = other.x() + other.width();
    if (right + width() <= area.x() + area.width())
        move(right, other.y());
    else if (other.x() - width() >= area.x())
        move(other.x() - width(), other.y());
    else
        CentreOver(other);
    KeepOnScreen();
}

bool SkinWindow::OnSomeScreen(const QRect& rect) {
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&rect](const QScreen* screen) {
        return screen->geometry().contains(rect);
    });
}

void SkinWindow::RememberPosition(const QString& name, std::shared_ptr<PositionMemory> memory) {
    positionName_ = name;
    positionMemory_ = std::move(memory);
}

bool SkinWindow::PlatformPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); // not user text
}

void SkinWindow::StorePosition() {
    if (positionMemory_ && positionMemory_->Write && PlatformPlacesWindows())
        positionMemory_->Write(positionName_, pos());
}

// ----- events ---------------------------------------------------------------------------

void SkinWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    ++windowsShown;
    QWidget* active = QApplication::activeWindow();
    // Opened just as the program's last active window went (a menu picks, then closes): the
    // opener is the window this one belongs to.
    if (!active && lastActive && lastActive != this && !lastActive->isVisible() && parentWidget())
        active = parentWidget()->window();
    opener_ = active != this ? active : nullptr;
    FormShow();
    if (!PlatformPlacesWindows()) return;
    // Where the user put the window last, if that is still on a screen; then, wherever it
    // stands, with its title bar and close region on the screen.
    if (positionMemory_ && positionMemory_->Read) {
        const std::optional<QPoint> last = positionMemory_->Read(positionName_);
        if (last && OnSomeScreen(QRect(*last, size()))) move(*last);
    }
    KeepOnScreen();
}

void SkinWindow::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (e->spontaneous()) return;
    if (drag_ == Drag::System) EndSystemMove();
    ForgetKeyboardFocus(focusWidget());
    // Closed as the program's active window: once Qt has finished hiding it, the opener gets
    // the activation back unless another window has been shown or taken it meanwhile.
    // An opener that has gone meanwhile (a menu) hands over to the window this one belongs to.
    QWidget* opener = opener_.data();
    if (opener && !opener->isVisible() && parentWidget()) opener = parentWidget()->window();
    opener_ = nullptr;
    if (lastActive != this || !opener) return;
    QTimer::singleShot(0, opener, [opener = QPointer<QWidget>(opener), shown = windowsShown] {
        if (!opener || !opener->isVisible() || windowsShown != shown) return;
        QWidget* active = QApplication::activeWindow();
        if (active && active->isVisible()) return;
        opener->activateWindow();
        // Without a window manager the activation may not arrive: it is given here.
        QApplication::setActiveWindow(opener);
    });
}

void SkinWindow::paintEvent(QPaintEvent* e) {
    // Drawing on the window canvas from FormPaint must not schedule another repaint.
    inPaint_ = true;
    FormPaint();
    inPaint_ = false;
    QPainter p(this);
    // The background and its captions change only with the window's looks: they are painted
    // once, at the resolution painted at (the screen's, or a picture's the window is rendered
    // into), into skin_, which repaints copy.
    const QPaintDevice* target = p.paintEngine() ? p.paintEngine()->paintDevice() : nullptr;
    const qreal ratio = target ? target->devicePixelRatioF() : devicePixelRatioF();
    if (skin_.isNull() || skin_.devicePixelRatio() != ratio || LogicalSize(skin_) != size()) {
        skin_ = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
        skin_.setDevicePixelRatio(ratio);
        QPainter s(&skin_);
        s.fillRect(rect(), palette().brush(backgroundRole()));
        if (background_.isNull() || LogicalSize(background_) != size()) s.fillRect(rect(), color_);
        if (!background_.isNull()) s.drawImage(0, 0, background_);
        for (const Caption& caption : paintedCaptions_) PaintCaption(s, caption);
    }
    // Rectangle by rectangle: Qt copies a rectangle at once, where it would blend a region
    // of many rectangles line by line (and on threads it starts for the purpose).
    for (const QRect& r : e->region()) {
        p.setClipRect(r);
        p.drawImage(0, 0, skin_);
        if (!canvasImage_.isNull()) p.drawImage(0, 0, canvasImage_);
    }
}

bool SkinWindow::event(QEvent* e) {
    // The desktop moving the window: the position is kept each time the moves pause (the
    // program may not hear when the move ends), and when the move ends.
    if (e->type() == QEvent::Move && drag_ == Drag::System) {
        if (!systemMoveSettled_) {
            systemMoveSettled_ = new QTimer(this);
            systemMoveSettled_->setSingleShot(true);
            systemMoveSettled_->setInterval(500);
            connect(systemMoveSettled_, &QTimer::timeout, this, [this] {
                if (drag_ == Drag::System && pos() != dragStart_) StorePosition();
            });
        }
        systemMoveSettled_->start();
    }
    if (e->type() == QEvent::WindowActivate && lastActive != this) {
        lastActive = this;
        const bool result = QWidget::event(e);
        FormActivate();
        return result;
    }
    return QWidget::event(e);
}

// Key preview. A key that is one of the window's commands is claimed when Qt asks whether
// a control overrides shortcuts (also for the key press handed on below, which Qt asks about
// again), so that Qt's shortcut map never runs it: it arrives as a key press here whichever
// window is active and whatever control has the focus. A key press for this window or any of
// its children then runs the window's command of that key, or reaches FormKeyPress; unless
// swallowed it is then delivered as usual (from the original receiver up to this window) and
// its delivery ends there.
bool SkinWindow::eventFilter(QObject* watched, QEvent* e) {
    // The end of a move by the desktop: the mouse moving over this window with no button held
    // (while the desktop moves the window, the mouse is the desktop's; the release itself goes
    // to the desktop).
    if (drag_ == Drag::System && e->type() == QEvent::MouseMove &&
        static_cast<QMouseEvent*>(e)->buttons() == Qt::NoButton &&
        (watched == windowHandle() ||
         (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this)))
        EndSystemMove();
    const bool claim = e->type() == QEvent::ShortcutOverride;
    if ((e->type() != QEvent::KeyPress && !claim) || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this)
        return false;
    auto* key = static_cast<QKeyEvent*>(e);
    QAction* command = CommandForKey(this, key);
    if (claim) {
        if (!command) return false;
        key->accept();
        return true;
    }
    if (previewing_) return false;
    if (command && CommandKeyAllowed(command)) {
        key->accept();
        command->trigger();
        return true;
    }
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
