// A borderless window painted from a picture skin, with a persistent window canvas.
//
// Painting, bottom to top: the background picture at (0, 0), the window's captions (the
// texts of the artwork, Caption.h), then the window canvas (an
// image the size of the client area, transparent until drawn on; text and pictures drawn
// on it stay until overwritten), then the child controls (regions, images). FormPaint runs
// at the start of every repaint and may draw on the window canvas.
//
// Hooks, named as the windows' handlers: FormCreate (run by Create/CreateForm right after
// construction), FormShow (each time the window is shown), FormActivate (each time it
// becomes the program's active window, coming from another window of the program or shown
// first; not when the user returns from another application), FormPaint, FormKeyPress (key
// preview: every key press for the window or any of its children that is not one of the
// window's commands reaches it first).
//
// Closed while it is the active window, a window gives the activation and the focus back to
// the window that was active when it was shown (a window manager may not).
//
// Commands are the window's QActions (Command.h). The window hands a key press to its own
// action with that shortcut before any of its controls sees the key, and whether or not the
// desktop has activated the window (without a window manager it may never be).
#pragma once

#include "Canvas.h"
#include "Caption.h"
#include "Palette.h"
#include "Placement.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QAction;
class QKeyEvent;
class QTimer;

namespace crescendar {

class ClickRegion;

// The picture of a previous (left-pointing) or next (right-pointing) paging arrow, drawn as
// the skins draw their raised titles: a solid triangle with a one-pixel light shadow below
// and to the right, on a transparent ground; width x height pixels, at the screens' picture
// scale.
QImage PagingArrowPicture(bool next, const QColor& fill, const QColor& shadow, int width = 11,
                          int height = 15);

class SkinWindow : public QWidget {
    Q_OBJECT
  public:
    explicit SkinWindow(QWidget* parent = nullptr);
    ~SkinWindow() override;

    // Constructs a window and runs its FormCreate.
    template <class T, class... Args> static T* Create(Args&&... args) {
        T* w = new T(std::forward<Args>(args)...);
        w->CreateForm();
        return w;
    }
    // Runs FormCreate once (later calls do nothing).
    void CreateForm();

    // Fixed client size; the window canvas keeps its content at the top-left.
    void SetClientSize(int width, int height);
    void SetBackground(const QImage& picture);
    const QImage& Background() const { return background_; }
    // The texts of the window's artwork. AddCaption paints one over the background (rooms in
    // the window's pixels); with an object name it is also exposed to screen readers as a
    // static text (for a caption no control or command names already). ListCaption lists a
    // caption that the window paints into one of its own pictures. Captions() has them all,
    // so that a test can see that each fits its room.
    void AddCaption(const Caption& caption, const char* accessibleName = nullptr);
    void ListCaption(const Caption& caption);
    const QList<Caption>& Captions() const { return captions_; }
    // Colour of the client area where the background picture does not reach (the screen black).
    void SetColor(const QColor& color);

    // The window canvas (drawing on it repaints the window).
    Canvas& WindowCanvas() { return canvas_; }
    const QImage& CanvasImage() const { return canvasImage_; }
    // Makes the whole window canvas transparent again.
    void ClearCanvas();

    // Title dragging with any mouse button. Positions are in the title control's coordinates.
    // A left-button drag hands the move to the desktop (StartSystemMove), which is the only
    // way to move a window on Wayland; where the desktop refuses (no window manager, the
    // offscreen platform) and for the other buttons the window follows the mouse itself,
    // with no bounds. SetTitleRegion wires a region's mouse down/move/up to these.
    void DragMouseDown(QPoint pos, Qt::MouseButton button = Qt::LeftButton);
    void DragMouseMove(QPoint pos);
    void DragMouseUp();
    bool Dragging() const { return drag_ != Drag::None; }
    void SetTitleRegion(ClickRegion* title);
    // A left click on the region closes / minimises the window.
    void SetExitRegion(ClickRegion* exit);
    // A title region (named as given) and an exit region "lblExit" at a rectangle, wired as
    // above.
    ClickRegion* AddTitleRegion(const char* name, int left, int top, int width, int height);
    ClickRegion* AddExitRegion(int left, int top, int width, int height, const QString& hint);
    void SetMinimiseRegion(ClickRegion* minimise);

    // Placement (frame position = client position: the window has no border). Every
    // placement keeps the window reachable: see FitOnScreens (Placement.h), with the window's
    // title regions and its close region "lblExit" as its grip, over the screens' available
    // areas.
    // Centred on the available area of the window's screen, then kept on the screen.
    void CentreOnScreen();
    // Left = other.Left + (other.Width - Width) div 2, top likewise.
    void CentreOver(const QWidget& other);
    // Moves the window to FitOnScreens' position for where it stands.
    void KeepOnScreen();
    // Below the title bar of its owner, at the left of the owner's region anchor (a window of
    // the owner's children); then kept on the screen.
    void PlaceBelow(const QWidget& owner, const QWidget& anchor);
    // Width and height of the primary screen (640 x 480 when there is none).
    static QSize ScreenSize();
    // The available areas of the current screens, the primary one first.
    static QList<QRect> AvailableAreas();
    // The title regions and the close region, in the window's coordinates.
    WindowGrip Grip() const;
    // Beside another window: to its right when the window fits there on the available area
    // of the other window's screen, else to its left, else centred over it; level with its
    // top; then kept on the screen.
    void PlaceBeside(const QWidget& other);
    // Whether the whole rectangle (screen pixels) lies on one of the current screens.
    static bool OnSomeScreen(const QRect& rect);
    // Whether the platform lets the program place its windows (Wayland does not: there a
    // window's position is the compositor's, and the program neither restores nor stores it).
    static bool PlatformPlacesWindows();

    // Remembered placement. A window given a name and a memory is put where the user last
    // moved it (when that rectangle is on one of the current screens; otherwise its own
    // placement stands) each time it is shown, after FormShow, and then kept on the screen;
    // its position is handed to the memory only when a title drag has moved it, whether the
    // window followed the mouse or the desktop moved it. Neither happens where the platform
    // does not place windows.
    struct PositionMemory {
        std::function<std::optional<QPoint>(const QString& name)> Read;
        std::function<void(const QString& name, QPoint position)> Write;
    };
    void RememberPosition(const QString& name, std::shared_ptr<PositionMemory> memory);
    void StorePosition();

    // A previous and a next month arrow at the given left edges of a row at `top` (the
    // title bar), drawn for the dark title bars of the skins, offering the commands
    // "actPreviousMonth" (Page Up) and "actNextMonth" (Page Down), which run page(-1) and
    // page(1). The two controls are returned.
    std::pair<ClickRegion*, ClickRegion*> AddMonthArrows(int previousLeft, int nextLeft, int top,
                                                         std::function<void(int)> page);

    // Whether the window has the command "actClose" (Escape) that closes it, made after
    // FormCreate unless the window gave Escape a command of its own: true for a window that
    // belongs to another one, false for the program's own main window.
    virtual bool EscapeCloses() const { return parentWidget() != nullptr; }

  protected:
    virtual void FormCreate() {}
    virtual void FormShow() {}
    virtual void FormActivate() {}
    virtual void FormPaint() {}
    // Return true to swallow the key (children then do not get it).
    virtual bool FormKeyPress(QKeyEvent* /*event*/) { return false; }
    // Whether a command's key runs it now; a key refused goes on to FormKeyPress and the
    // controls (the command itself, clicked, still runs).
    virtual bool CommandKeyAllowed(const QAction* /*action*/) const { return true; }
    // Asks the desktop to move the window with the mouse (QWindow::startSystemMove); false
    // where it cannot.
    virtual bool StartSystemMove();

    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    QImage background_;
    QList<Caption> captions_;
    QList<Caption> paintedCaptions_;
    QImage skin_; // the background with its captions, as painted last
    QColor color_ = palette::Screen;
    QImage canvasImage_;
    Canvas canvas_;
    // A title drag: pressed (not moved yet), the window following the mouse, or the desktop
    // moving it.
    enum class Drag { None, Pressed, Manual, System };
    void EndSystemMove();
    QPoint dragOrigin_;
    QPoint dragStart_; // the window's position when the drag began
    Drag drag_ = Drag::None;
    Qt::MouseButton dragButton_ = Qt::NoButton;
    // While the desktop moves the window: runs a moment after the last move, to keep the
    // position reached even when the program never hears that the move ended.
    QTimer* systemMoveSettled_ = nullptr;
    QList<QPointer<QWidget>> titles_;
    bool created_ = false;
    bool inPaint_ = false;
    bool previewing_ = false;
    QString positionName_;
    std::shared_ptr<PositionMemory> positionMemory_;
    QPointer<QWidget> opener_; // the active window when this one was shown
};

} // namespace crescendar
