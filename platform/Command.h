// A window's commands: one QAction each, owned by the window that offers it, with its text,
// keys, hint and accessible name. Regions that offer a command trigger the action and take
// their hint from it, so that no hint spells a key by hand.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>

class QKeyEvent;
class QWidget;

namespace crescendar {

class ClickRegion;

// An action of window (its child, in its actions()): text is also its accessible name, keys
// its shortcuts in the window (the first is the one hints name), hint what it does; handler
// runs when it is triggered.
QAction* MakeCommand(QWidget* window, const char* name, const QString& text,
                     const QList<QKeySequence>& keys, const QString& hint,
                     std::function<void()> handler);

// A key as the platform writes it (QKeySequence::NativeText), with the page keys, which Qt
// abbreviates, written in full.
QString KeyText(const QKeySequence& key);

// The action's hint followed by its key in brackets; the hint alone for an action without one.
QString CommandHint(const QAction* action);

// The region offers the command: a left click triggers it, and the hint and the accessible
// name are the action's.
void OfferCommand(ClickRegion* region, QAction* action);

// The enabled action of the window that has the key among its shortcuts, or nullptr; for a key
// press, the keypad's keys count as the others.
QAction* CommandForKey(const QWidget* window, const QKeySequence& key);
QAction* CommandForKey(const QWidget* window, const QKeyEvent* event);

} // namespace crescendar
