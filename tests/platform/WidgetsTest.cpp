#include "ClickRegion.h"
#include "ImageControl.h"
#include "SkinWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace crescendar {
namespace {

void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
               QPoint pos) {
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// ----- regions --------------------------------------------------------------------------

TEST(ClickRegionMouse, ClickReportsTheButtonOnlyWhenReleasedInside) {
    QWidget parent;
    ClickRegion region(&parent, 10, 10, 30, 20, "Exit");
    QSignalSpy clicks(&region, &ClickRegion::Clicked);
    QSignalSpy downs(&region, &ClickRegion::MouseDown);

    QTest::mouseClick(&region, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(&region, Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(clicks[1][0].value<Qt::MouseButton>(), Qt::RightButton);
    ASSERT_EQ(downs.count(), 2);
    EXPECT_EQ(downs[0][2].toPoint(), QPoint(5, 5)); // in the region's own coordinates

    SendMouse(&region, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {5, 5});
    SendMouse(&region, QEvent::MouseButtonRelease, Qt::LeftButton, {}, {50, 5});
    EXPECT_EQ(clicks.count(), 2); // released outside
}

TEST(ClickRegionMouse, DoubleClickIsReportedOnceAndIsNotASecondClick) {
    QWidget parent;
    parent.resize(100, 100);
    ClickRegion region(&parent, 20, 20, 30, 20);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy clicks(&region, &ClickRegion::Clicked);
    QSignalSpy doubles(&region, &ClickRegion::DoubleClicked);
    QSignalSpy downs(&region, &ClickRegion::MouseDown);
    QSignalSpy ups(&region, &ClickRegion::MouseUp);
    // Through the window system, as the platform delivers it.
    QTest::mouseDClick(parent.windowHandle(), Qt::LeftButton, {}, QPoint(25, 25));
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_EQ(clicks.count(), 1); // the first click only
    EXPECT_EQ(downs.count(), 2);
    EXPECT_EQ(ups.count(), 2);

    // A platform that replaces the second press by the double click.
    SendMouse(&region, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {3, 3});
    SendMouse(&region, QEvent::MouseButtonRelease, Qt::LeftButton, {}, {3, 3});
    SendMouse(&region, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, {3, 3});
    SendMouse(&region, QEvent::MouseButtonRelease, Qt::LeftButton, {}, {3, 3});
    EXPECT_EQ(doubles.count(), 2);
    EXPECT_EQ(downs.count(), 4);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(ClickRegionHint, HintWaitsThreeSecondsAndStopsOnLeave) {
    QWidget parent;
    ClickRegion region(&parent, 0, 0, 30, 20, "Display online help");
    EXPECT_EQ(region.HintDelay(), 3000);
    QEvent enter(QEvent::Enter), leave(QEvent::Leave);
    QApplication::sendEvent(&region, &enter);
    EXPECT_TRUE(region.HintPending());
    QApplication::sendEvent(&region, &leave);
    EXPECT_FALSE(region.HintPending());

    ClickRegion silent(&parent, 0, 0, 30, 20);
    QApplication::sendEvent(&silent, &enter);
    EXPECT_FALSE(silent.HintPending());

    ImageControl image(&parent, 0, 0, QImage(4, 4, QImage::Format_RGB32));
    image.SetHint("Switch");
    QApplication::sendEvent(&image, &enter);
    EXPECT_TRUE(image.HintPending());
    EXPECT_EQ(image.HintDelay(), 3000);
}

TEST(ClickRegionText, AutoSizeFollowsTheTextAndLabelsPaintIt) {
    QWidget parent;
    parent.resize(200, 50);
    ClickRegion label(&parent, 0, 0, 10, 10);
    label.SetFontHeight(15);
    label.SetFontBold(true);
    label.SetFontColor(Qt::white);
    label.SetAutoSize(true);
    label.SetText("Total Eclipse");
    EXPECT_EQ(label.width(), label.TextWidth());
    EXPECT_EQ(label.height(), label.TextHeight());
    EXPECT_GT(label.width(), 40);

    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, Qt::black);
    parent.setPalette(pal);
    parent.setAutoFillBackground(true);
    const QImage shot = parent.grab().toImage();
    int white = 0;
    for (int y = 0; y < label.height(); ++y)
        for (int x = 0; x < label.width(); ++x) white += shot.pixelColor(x, y).lightness() > 200;
    EXPECT_GT(white, 20); // the text shows on the parent's black
}

TEST(ImageControlPicture, TakesThePictureSizeAndRepaintsFromItsCanvas) {
    QWidget parent;
    QImage pic(33, 24, QImage::Format_RGB32);
    pic.fill(Qt::red);
    ImageControl img(&parent, 44, 13, pic);
    EXPECT_EQ(img.geometry(), QRect(44, 13, 33, 24));
    img.GetCanvas().FillRect(Rect(0, 0, 5, 5), Qt::blue);
    EXPECT_EQ(img.Image().pixelColor(2, 2), QColor(Qt::blue));
    EXPECT_EQ(img.grab().toImage().pixelColor(2, 2), QColor(Qt::blue));
    EXPECT_EQ(pic.pixelColor(2, 2), QColor(Qt::red)); // the control keeps its own copy
}

// ----- windows --------------------------------------------------------------------------

class ProbeWindow : public SkinWindow {
  public:
    int created = 0, shows = 0, activations = 0, paints = 0;
    std::vector<int> previewed;
    int swallow = 0;

  protected:
    void FormCreate() override {
        ++created;
        SetClientSize(200, 100);
    }
    void FormShow() override { ++shows; }
    void FormActivate() override { ++activations; }
    void FormPaint() override {
        ++paints;
        WindowCanvas().FillRect(Rect(0, 0, 2, 2), Qt::green); // must not repaint endlessly
    }
    bool FormKeyPress(QKeyEvent* e) override {
        previewed.push_back(e->key());
        return e->key() == swallow;
    }
};

TEST(SkinWindowDrag, AnyButtonDragsByTheMouseDeltaWithoutBounds) {
    std::unique_ptr<ProbeWindow> w(SkinWindow::Create<ProbeWindow>());
    auto* title = new ClickRegion(w.get(), 50, 0, 100, 20);
    w->SetTitleRegion(title);
    w->move(100, 100);
    SendMouse(title, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {10, 5});
    EXPECT_TRUE(w->Dragging());
    SendMouse(title, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, {40, 25});
    EXPECT_EQ(w->pos(), QPoint(130, 120));
    // The title moved with the window, so the pointer is again reported near the grab point.
    SendMouse(title, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, {-500, -400});
    EXPECT_EQ(w->pos(), QPoint(-380, -285)); // off screen is allowed
    SendMouse(title, QEvent::MouseButtonRelease, Qt::RightButton, {}, {-500, -400});
    EXPECT_FALSE(w->Dragging());
    SendMouse(title, QEvent::MouseMove, Qt::NoButton, {}, {60, 60});
    EXPECT_EQ(w->pos(), QPoint(-380, -285));

    SendMouse(title, QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, {0, 0});
    SendMouse(title, QEvent::MouseMove, Qt::NoButton, Qt::MiddleButton, {1, 2});
    EXPECT_EQ(w->pos(), QPoint(-379, -283));
}

// A window whose desktop takes over title drags (as Wayland's and X11 window managers do).
class DesktopMovedWindow : public SkinWindow {
  public:
    DesktopMovedWindow() {
        SetClientSize(200, 100);
        title = AddTitleRegion("lblTitle", 50, 0, 100, 20);
        auto memory = std::make_shared<PositionMemory>();
        memory->Write = [this](const QString&, QPoint p) { written.push_back(p); };
        RememberPosition("Probe", memory);
    }
    ClickRegion* title;
    int systemMoves = 0;
    std::vector<QPoint> written;

  protected:
    bool StartSystemMove() override {
        ++systemMoves;
        return true;
    }
};

TEST(SkinWindowDrag, APositionTheDesktopMovedTheWindowToIsKeptOnceTheMoveEnds) {
    DesktopMovedWindow w;
    w.move(100, 100);
    w.show();
    ClickRegion* title = w.title;
    // A click moves nothing and asks nothing of the desktop.
    SendMouse(title, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {10, 5});
    SendMouse(title, QEvent::MouseButtonRelease, Qt::LeftButton, {}, {10, 5});
    EXPECT_EQ(w.systemMoves, 0);

    // The desktop moves the window. Qt reports a release as the move begins; the move ends
    // when the mouse moves over the window with no button held.
    SendMouse(title, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {10, 5});
    SendMouse(title, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {14, 5});
    EXPECT_EQ(w.systemMoves, 1);
    EXPECT_EQ(w.pos(), QPoint(100, 100)); // the program does not move it itself
    SendMouse(title, QEvent::MouseButtonRelease, Qt::LeftButton, {}, {14, 5});
    EXPECT_TRUE(w.Dragging());
    w.move(300, 200);
    EXPECT_TRUE(w.written.empty());
    SendMouse(title, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {30, 5});
    EXPECT_EQ(w.written, (std::vector<QPoint>{{300, 200}}));
    EXPECT_FALSE(w.Dragging());

    // The program may never hear the end: the position is kept each time the moves pause.
    SendMouse(title, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {10, 5});
    SendMouse(title, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {20, 5});
    w.move(320, 240);
    QTest::qWait(800);
    EXPECT_EQ(w.written.back(), QPoint(320, 240));
    w.move(330, 250);
    SendMouse(title, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {30, 5});
    EXPECT_EQ(w.written.back(), QPoint(330, 250));
}

TEST(SkinWindowPlacement, CentresAndKeepsOnScreen) {
    std::unique_ptr<ProbeWindow> w(SkinWindow::Create<ProbeWindow>());
    EXPECT_EQ(w->created, 1);
    w->CreateForm(); // only once
    EXPECT_EQ(w->created, 1);
    const QSize screen = SkinWindow::ScreenSize();

    w->move(-10, -20);
    w->KeepOnScreen();
    EXPECT_EQ(w->pos(), QPoint(0, 0));
    w->move(screen.width() - 50, screen.height() - 10);
    w->KeepOnScreen();
    EXPECT_EQ(w->pos(), QPoint(screen.width() - 200, screen.height() - 100));

    QWidget main;
    main.setGeometry(101, 50, 640, 480);
    w->CentreOver(main);
    EXPECT_EQ(w->pos(), QPoint(101 + 220, 50 + 190));
    w->CentreOnScreen();
    EXPECT_EQ(w->pos(), QPoint((screen.width() - 200) / 2, (screen.height() - 100) / 2));
}

TEST(SkinWindowEvents, ShowActivateAndPaintHooksRun) {
    std::unique_ptr<ProbeWindow> a(SkinWindow::Create<ProbeWindow>());
    std::unique_ptr<ProbeWindow> b(SkinWindow::Create<ProbeWindow>());
    a->show();
    EXPECT_EQ(a->shows, 1);
    a->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(a.get()));
    EXPECT_EQ(a->activations, 1);
    b->show();
    b->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(b.get()));
    a->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(a.get()));
    EXPECT_EQ(a->activations, 2);
    EXPECT_EQ(b->activations, 1);

    const int paints = a->paints;
    a->update();
    QTest::qWait(50);
    EXPECT_GE(a->paints, paints + 1);
    EXPECT_LE(a->paints, paints + 2); // drawing in FormPaint does not repaint again
}

TEST(SkinWindowEvents, KeyPreviewSeesKeysFirstAndMaySwallowThem) {
    std::unique_ptr<ProbeWindow> w(SkinWindow::Create<ProbeWindow>());
    auto* edit = new QLineEdit(w.get());
    auto* plain = new QWidget(w.get()); // ignores keys: they travel up to the window
    w->swallow = Qt::Key_X;
    QTest::keyClick(edit, Qt::Key_A);
    QTest::keyClick(edit, Qt::Key_X);
    QTest::keyClick(plain, Qt::Key_5);
    QTest::keyClick(w.get(), Qt::Key_Return);
    EXPECT_EQ(edit->text(), "a");
    EXPECT_EQ(w->previewed, (std::vector<int>{Qt::Key_A, Qt::Key_X, Qt::Key_5, Qt::Key_Return}));

    ProbeWindow other; // keys for another window are not previewed here
    QTest::keyClick(&other, Qt::Key_B);
    EXPECT_EQ(w->previewed.size(), 4u);
}

TEST(SkinWindowCanvas, DrawingPersistsBetweenBackgroundAndControls) {
    std::unique_ptr<ProbeWindow> w(SkinWindow::Create<ProbeWindow>());
    QImage skin(200, 100, QImage::Format_RGB32);
    skin.fill(Qt::darkGray);
    w->SetBackground(skin);
    auto* over = new ImageControl(w.get(), 100, 0, QImage(20, 20, QImage::Format_RGB32));
    over->GetCanvas().FillRect(Rect(0, 0, 20, 20), Qt::red);
    Canvas& c = w->WindowCanvas();
    c.SetBrushColor(Qt::black);
    c.FillRect(Rect(90, 0, 110, 10));
    c.FillRect(Rect(10, 10, 20, 20), Qt::blue);
    const QImage shot = w->grab().toImage();
    EXPECT_EQ(shot.pixelColor(15, 15), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(50, 50), QColor(Qt::darkGray));
    EXPECT_EQ(shot.pixelColor(95, 5), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(105, 5), QColor(Qt::red)); // controls above the canvas
    w->ClearCanvas();
    EXPECT_EQ(w->grab().toImage().pixelColor(15, 15), QColor(Qt::darkGray));
}

TEST(SkinWindowRegions, ExitClosesAndMinimiseMinimises) {
    std::unique_ptr<ProbeWindow> w(SkinWindow::Create<ProbeWindow>());
    auto* exit = new ClickRegion(w.get(), 180, 0, 13, 15, "Exit Crescendar");
    auto* minimise = new ClickRegion(w.get(), 160, 0, 15, 15);
    w->SetExitRegion(exit);
    w->SetMinimiseRegion(minimise);
    w->show();
    QTest::mouseClick(exit, Qt::RightButton);
    EXPECT_TRUE(w->isVisible());
    QTest::mouseClick(minimise, Qt::LeftButton);
    EXPECT_TRUE(w->isMinimized());
    QTest::mouseClick(exit, Qt::LeftButton);
    EXPECT_FALSE(w->isVisible());
}

} // namespace
} // namespace crescendar
