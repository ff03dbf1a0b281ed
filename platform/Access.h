// How a screen reader and a keyboard user meet the skinned windows' own controls.
//
// A region is read by what it does: one that offers a command (or is made a keyboard button)
// is a push button named by its command, one that shows a text is a static text, a picture a
// graphic; an empty region that does nothing is left out of the window's accessible children.
// A window may say better (SetAccessibleRole). A figure painted on a window canvas is exposed
// by an invisible, click-through stand-in named by its caption (ExposeText); a table painted
// on a canvas by an AccessibleTable, which also takes the keyboard for it.
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <map>
#include <utility>

class QKeyEvent;

namespace crescendar {

class ClickRegion;

// Installs the accessibility interfaces of the program's own controls; once, and every skin
// window calls it.
void InstallAccessibility();

// What the control is to a screen reader where its kind does not tell. A plain widget given a
// role is read with that role, its accessible name and description, and its value; a screen
// reader's press, toggle, increase and decrease reach it as Space, Up and Down keys.
void SetAccessibleRole(QWidget* control, QAccessible::Role role);
// The figure a control shows under its caption (its accessible name): "Moonrise" shows
// "18:42". A change is announced unless a QuietUpdates is in force.
void SetAccessibleValue(QWidget* control, const QString& value);
QString AccessibleValue(const QWidget* control);
// The control's value is the text (the "text" property) that another object shows: a spin
// button's value is the label beside it.
void SetAccessibleValueFrom(QWidget* control, QObject* shows);
// The state of a control that is on or off (a radio or check button).
void SetAccessibleChecked(QWidget* control, bool checked);

// While one exists, changed values and texts are not announced: a clock's tick changes them
// every second, a user's step once.
class QuietUpdates {
  public:
    QuietUpdates();
    ~QuietUpdates();
    QuietUpdates(const QuietUpdates&) = delete;
    QuietUpdates& operator=(const QuietUpdates&) = delete;
    static bool Active();
};

// Tells screen readers that the control's value or text changed (unless quiet).
void AnnounceChange(QWidget* control);
// Also hands each announcement to watcher (none: nullptr), whether or not a screen reader
// listens; returns the previous watcher.
using AnnouncementWatcher = void (*)(const QWidget* control);
AnnouncementWatcher WatchAnnouncements(AnnouncementWatcher watcher);

// Names a field by its caption. A list box is also labelled, as Linux screen readers expect,
// by a hidden label whose buddy it is (its own name there is its current text).
void NameField(QWidget* field, const QString& name);

// A region that Tab stops at and that Space, Enter and Return press (as a left click in its
// middle); read as a push button. OfferCommand makes its regions so.
void MakeKeyboardButton(ClickRegion* region);

// A text painted on a window canvas: a stand-in over rect that draws nothing and lets the
// mouse through, named caption; the window gives it the painted text with SetAccessibleValue.
ClickRegion* ExposeText(QWidget* window, const char* objectName, const QRect& rect,
                        const QString& caption);

// A table painted on a window canvas, for the keyboard and for screen readers. It stands over
// the painted rows, lets the mouse through, takes the focus by Tab, and moves a current row
// with Up, Down, Page Up, Page Down, Home and End (marked with the focus ring); Return or
// Enter activates the current row. It is read as a table with column headers and, when the
// first column names a row, row headers.
class AccessibleTable : public QWidget {
    Q_OBJECT
  public:
    struct Model {
        // The table: the first list is the column headings, then one list per row.
        std::function<QList<QStringList>()> Rows;
        // Or, for a long table, its cells one at a time, each made when it is read: the
        // column headings, the number of rows under them and the text of a cell.
        std::function<QStringList()> Headings = {};
        std::function<int()> CountRows = {};
        std::function<QString(int row, int column)> CellText = {};
        // Where a row is drawn now, in the table's coordinates; empty when scrolled out.
        std::function<QRect(int row)> RowRect;
        // Brings the row into view.
        std::function<void(int row)> ShowRow;
        // Return or Enter on a row; none: the key goes on.
        std::function<void(int row)> Activate;
        // The first column names the row (a date): it is the row's header.
        bool FirstColumnHeadsRows = true;
    };
    AccessibleTable(QWidget* window, const char* objectName, const QRect& rect,
                    const QString& name, Model model);
    ~AccessibleTable() override;

    // The rows changed (a new month, a new search): the current row goes back to the first.
    void Refresh();
    // Repaints the focus mark after the rows moved under it (scrolling).
    void RowsMoved() { update(); }
    int CurrentRow() const { return current_; }
    void SetCurrentRow(int row);
    int RowCount() const;
    int ColumnCount() const;
    QString Heading(int column) const;
    QString Cell(int row, int column) const;
    const Model& TableModel() const { return model_; }
    // The accessible interface of a cell, made once per table contents.
    QAccessibleInterface* CellInterface(int row, int column);
    // The row headings' cells: the heading column of a table that has one.
    bool HasRowHeaders() const { return model_.FirstColumnHeadsRows; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    void DropCells();
    void LoadRows() const;
    Model model_;
    int current_ = 0;
    int rowHeight_ = 0; // the last row height seen, for paging while the row is out of view
    mutable bool loaded_ = false;
    mutable QList<QStringList> rows_;
    std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

// Whether the widget has the focus from the keyboard (Tab, Shift+Tab, a key of its own): only
// then is the focus ring drawn, so that a click or a window's activation marks nothing.
bool KeyboardFocused(const QWidget* widget);
// Notes how a widget got or lost the focus (called from its focus events).
void NoteFocus(QWidget* widget, QFocusEvent* e);
// Forgets that the widget's focus came from the keyboard (its window closes: shown again, it
// is not marked until a key moves the focus).
void ForgetKeyboardFocus(QWidget* widget);
// Draws the focus ring round rect, one device pixel wide at any scale, inside it.
void PaintFocusRing(QPainter& painter, const QRect& rect);

} // namespace crescendar
