#include "Command.h"

#include "Access.h"
#include "ClickRegion.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace crescendar {

QAction* MakeCommand(QWidget* window, const char* name, const QString& text,
                     const QList<QKeySequence>& keys, const QString& hint,
                     std::function<void()> handler) {
    auto* action = new QAction(text, window);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    // A skin window is one top-level window: its keys work wherever its focus is.
    action->setShortcutContext(Qt::WindowShortcut);
    action->setStatusTip(hint);
    action->setToolTip(CommandHint(action));
    QObject::connect(action, &QAction::triggered, window,
                     [handler = std::move(handler)] { handler(); });
    window->addAction(action);
    return action;
}

QString KeyText(const QKeySequence& key) {
    QStringList parts = key.toString(QKeySequence::NativeText).split(QLatin1Char('+'));
    for (QString& part : parts) {
        if (part == QLatin1String("PgUp"))
            part = QCoreApplication::translate("Command", "Page Up");
        else if (part == QLatin1String("PgDown"))
            part = QCoreApplication::translate("Command", "Page Down");
    }
    return parts.join(QLatin1Char('+'));
}

QString CommandHint(const QAction* action) {
    const QString hint = action->statusTip();
    if (action->shortcut().isEmpty()) return hint;
    return QCoreApplication::translate("Command", "%1 (%2)").arg(hint, KeyText(action->shortcut()));
}

void OfferCommand(ClickRegion* region, QAction* action) {
    region->SetHint(CommandHint(action));
    region->setAccessibleName(action->iconText());
    region->setAccessibleDescription(CommandHint(action));
    MakeKeyboardButton(region);
    QObject::connect(region, &ClickRegion::Clicked, action, [action](Qt::MouseButton b) {
        if (b == Qt::LeftButton) action->trigger();
    });
}

QAction* CommandForKey(const QWidget* window, const QKeySequence& key) {
    for (QAction* action : window->actions()) {
        if (action->isEnabled() && action->shortcuts().contains(key)) return action;
    }
    return nullptr;
}

QAction* CommandForKey(const QWidget* window, const QKeyEvent* event) {
    return CommandForKey(window,
                         QKeySequence(QKeyCombination(event->modifiers() & ~Qt::KeypadModifier,
                                                      Qt::Key(event->key()))));
}

} // namespace crescendar
