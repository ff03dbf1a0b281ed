// What the report windows share to hand their tables on as data: the text commands "Copy"
// and "Save as CSV…" drawn on a window's dark band, the clipboard, and a CSV file saved
// through the save dialog, all or nothing.
#pragma once

#include "ClickRegion.h"

#include "TableText.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QAction;
class QWidget;

namespace crescendar {

// A text command in the program's pale text on a dark band: Arial bold, a hand cursor; it
// offers the command (a left click triggers it, the hint is the command's).
ClickRegion* AddTextCommand(QWidget* parent, const char* name, const QString& text,
                            QAction* command);

// The windows' Copy (Ctrl+C) and Save (Ctrl+S) commands, "actCopy" and "actSave".
QAction* MakeCopyCommand(QWidget* window, const QString& hint, std::function<void()> handler);
QAction* MakeSaveCommand(QWidget* window, const QString& hint, std::function<void()> handler);

// The table's texts as screen readers are given them (AccessibleTable's rows).
QList<QStringList> TableRows(const TTable& table);

// Puts the table on the clipboard as tab-separated text (a spreadsheet pastes it as columns).
void CopyTable(const TTable& table);

// Writes text to path all or nothing; false with the reason in plain words in *error.
bool WriteTextFile(const QString& path, const std::string& text, QString* error);

// Asks where to save the table as CSV (starting in folder, proposing name) and writes it.
// what names the table in a failure message ("The times table"). The folder becomes the
// chosen file's. False when nothing was written (cancelled, or the failure was told).
bool SaveTableAsCsv(QWidget* parent, QString& folder, const QString& name, const QString& what,
                    const TTable& table);

} // namespace crescendar
