#include "WindowKeys.h"

#include "Access.h"
#include "ClickRegion.h"
#include "Command.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>

namespace crescendar {

ClickRegion* AddCloseMark(QWidget* window, int left, int top, int width, int height, bool escape,
                          const QString& hint) {
    auto* mark = new ClickRegion(window, left, top, width, height);
    mark->setObjectName(QStringLiteral("lblExit"));
    auto* close =
        window->findChild<QAction*>(QStringLiteral("actClose"), Qt::FindDirectChildrenOnly);
    if (!close) {
        QList<QKeySequence> keys;
        if (escape) keys << QKeySequence(Qt::Key_Escape);
        close = MakeCommand(
            window, "actClose", QCoreApplication::translate("Command", "Close"), keys,
            hint.isEmpty() ? QCoreApplication::translate("Command", "Close this window") : hint,
            [window] { window->close(); });
    }
    OfferCommand(mark, close);
    return mark;
}

void OfferMinimise(QWidget* window, ClickRegion* region) {
    OfferCommand(region, MakeCommand(window, "actMinimise",
                                     QCoreApplication::translate("Command", "Minimise"), {},
                                     QCoreApplication::translate("Command", "Minimise this window"),
                                     [window] { window->showMinimized(); }));
}

bool DefaultKeyAllowed(const QWidget* window) {
    const QWidget* focus = window->focusWidget();
    if (!focus) return true;
    if (qobject_cast<const AccessibleTable*>(focus)) return false;
    const auto* region = qobject_cast<const ClickRegion*>(focus);
    return !(region && (region->focusPolicy() & Qt::TabFocus));
}

bool MoveEntryFocus(QWidget* popup, const QKeyEvent* key, QWidget** entry) {
    const int k = key->key();
    if (k != Qt::Key_Up && k != Qt::Key_Down && k != Qt::Key_Home && k != Qt::Key_End) return false;
    QList<QWidget*> entries;
    for (QObject* o : popup->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus))
            entries << w;
    }
    if (entries.isEmpty()) return false;
    const int count = static_cast<int>(entries.size());
    QWidget* focus = popup->focusWidget();
    // An entry that has the focus only from the popup's activation is not marked yet: the
    // first key marks it or its neighbour as a fresh menu would.
    const int at = focus && KeyboardFocused(focus) ? static_cast<int>(entries.indexOf(focus)) : -1;
    int next = 0;
    switch (k) {
    case Qt::Key_Home:
        next = 0;
        break;
    case Qt::Key_End:
        next = count - 1;
        break;
    case Qt::Key_Up:
        next = at < 0 ? count - 1 : (at + count - 1) % count;
        break;
    default:
        next = at < 0 ? 0 : (at + 1) % count;
        break;
    }
    QWidget* target = entries.at(next);
    if (target == focus) target->clearFocus(); // so that the focus comes again by key
    target->setFocus(Qt::TabFocusReason);
    if (entry) *entry = target;
    return true;
}

} // namespace crescendar
