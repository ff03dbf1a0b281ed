// A small window that lives only while it is the program's active window: it closes as soon
// as another window is activated, and its exit region closes it. Shown, it stands centred over
// its owner and on the screen.
#pragma once

#include "SkinWindow.h"

namespace crescendar {

class TransientWindow : public SkinWindow {
    Q_OBJECT
  public:
    // Closes the window: another window became the active one.
    void FormDeactivate();
    // Closes the window: its exit region was clicked.
    void lblExitClick();
    // Centres the window over its owner, then keeps it on the screen.
    void FormShow() override;
    // Escape closes it, whether it is a child or a separate window (a popup).
    bool EscapeCloses() const override { return true; }

  protected:
    // How the window belongs to its owner. A child window goes with its owner and never ends
    // the program. A separate window (a popup, which must lose the focus to its owner) is a
    // window of its own that is deleted with its owner.
    enum class Ownership { Child, Separate };
    explicit TransientWindow(QWidget& owner, Ownership ownership = Ownership::Child);

    // Shows the window (one already open comes to the front) and makes it the active window,
    // so that activating another window closes it again.
    void ShowActive();

    // Closes a shown window on its deactivation (FormDeactivate).
    bool event(QEvent* e) override;

    QWidget& owner_;
};

} // namespace crescendar
