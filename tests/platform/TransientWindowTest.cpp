// The small windows that live while they are active: shown centred over their owner and on
// the screen, brought to the front when shown again, closed by activating another window,
// and deleted with their owner.
#include "TransientWindow.h"

#include <QApplication>
#include <QPointer>

#include <gtest/gtest.h>

namespace crescendar {
namespace {

class Note : public TransientWindow {
  public:
    using TransientWindow::Ownership;
    using TransientWindow::ShowActive;
    explicit Note(QWidget& owner, Ownership ownership = Ownership::Child)
        : TransientWindow(owner, ownership) {}

    int shows = 0;

  protected:
    void FormCreate() override { SetClientSize(120, 60); }
    void FormShow() override {
        ++shows;
        TransientWindow::FormShow();
    }
};

// Activation reaches the windows through the platform's event queue.
void Activate(QWidget& window) {
    window.activateWindow();
    QApplication::processEvents();
}

void ShowActive(Note& note) {
    note.ShowActive();
    QApplication::processEvents();
}

TEST(TransientWindow, OpensOverItsOwnerAndClosesWhenAnotherWindowIsActivated) {
    QWidget owner(nullptr, Qt::FramelessWindowHint);
    owner.setGeometry(100, 80, 400, 300);
    owner.show();
    Activate(owner);
    Note* note = SkinWindow::Create<Note>(owner);

    ShowActive(*note);
    ASSERT_TRUE(note->isActiveWindow());
    EXPECT_EQ(note->pos(), QPoint(100 + 140, 80 + 120));
    // Shown again while open, it comes to the front where it stands, not placed anew.
    note->move(10, 10);
    ShowActive(*note);
    EXPECT_EQ(note->shows, 1);
    EXPECT_EQ(note->pos(), QPoint(10, 10));

    Activate(owner);
    EXPECT_FALSE(note->isVisible());

    // Opened again over an owner at the screen's corner, it stays on the screen, active again
    // so that it closes again.
    const QSize screen = SkinWindow::ScreenSize();
    owner.move(screen.width() - 100, screen.height() - 50);
    ShowActive(*note);
    ASSERT_TRUE(note->isActiveWindow());
    EXPECT_EQ(note->shows, 2);
    EXPECT_EQ(note->pos(), QPoint(screen.width() - 120, screen.height() - 60));
    Activate(owner);
    EXPECT_FALSE(note->isVisible());
}

TEST(TransientWindow, GoesWithItsOwnerAsAChildOrAsASeparateWindow) {
    auto* owner = new QWidget;
    QPointer<Note> child = SkinWindow::Create<Note>(*owner);
    QPointer<Note> popup = SkinWindow::Create<Note>(*owner, Note::Ownership::Separate);
    EXPECT_EQ(child->parentWidget(), owner);
    EXPECT_TRUE(child->isWindow());
    EXPECT_FALSE(child->testAttribute(Qt::WA_QuitOnClose)); // closing it never ends the program
    EXPECT_EQ(popup->parentWidget(), nullptr);
    delete owner;
    EXPECT_TRUE(child.isNull());
    EXPECT_TRUE(popup.isNull());
}

} // namespace
} // namespace crescendar
