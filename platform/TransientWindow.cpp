#include "TransientWindow.h"

#include <QEvent>

namespace crescendar {

TransientWindow::TransientWindow(QWidget& owner, Ownership ownership)
    : SkinWindow(ownership == Ownership::Child ? &owner : nullptr), owner_(owner) {
    if (ownership == Ownership::Separate)
        connect(&owner, &QObject::destroyed, this, [this] { delete this; });
}

void TransientWindow::FormDeactivate() {
    close();
}

void TransientWindow::lblExitClick() {
    close();
}

void TransientWindow::FormShow() {
    CentreOver(owner_);
    KeepOnScreen();
}

void TransientWindow::ShowActive() {
    if (isVisible())
        raise();
    else
        show();
    activateWindow();
}

bool TransientWindow::event(QEvent* e) {
    const bool result = SkinWindow::event(e);
    // A hidden window has nothing left to close.
    if (e->type() == QEvent::WindowDeactivate && isVisible()) FormDeactivate();
    return result;
}

} // namespace crescendar
