// The keyboard side of the skinned windows of the reports and of printing: the close and
// minimise marks as commands, a popup's arrow keys, and when Return is a window's command.
#pragma once

#include <QString>

class QAction;
class QKeyEvent;
class QWidget;

namespace crescendar {

class ClickRegion;

// A close mark "lblExit" at the rectangle offering the window's "actClose" (made here when
// the window has none yet: Escape, unless escape is false because the window gives Escape to
// another command). hint: what closing does, when it is more than closing the window.
ClickRegion* AddCloseMark(QWidget* window, int left, int top, int width, int height,
                          bool escape = true, const QString& hint = {});
// The region offers "actMinimise", which minimises the window.
void OfferMinimise(QWidget* window, ClickRegion* region);

// Whether the window's Return command may take the key now: not while a keyboard button
// (Return presses it) or a table (Return opens its row) has the focus.
bool DefaultKeyAllowed(const QWidget* window);

// Up and Down (and Home, End) move the keyboard focus among a popup's focusable entries, from
// none marked yet to the first (Down) or last (Up). True when the key was used; *entry is the
// entry that got the focus.
bool MoveEntryFocus(QWidget* popup, const QKeyEvent* key, QWidget** entry = nullptr);

} // namespace crescendar
