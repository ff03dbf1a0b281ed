// The few system dialogs and sounds the program uses. Windows call the free functions;
// tests install RecordingDialogs so that nothing modal ever opens.
#pragma once

#include <QString>

#include <vector>

class QWidget;

namespace crescendar {

// What a message tells: a fact, or that something the user asked for did not happen.
enum class MessageKind { Information, Warning };

// The answers to whether unsaved changes are to be saved: save them, discard them, or go back
// to where they were made.
enum class SaveChoice { Save, Discard, Cancel };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual void Beep() = 0;
    // A question titled with the program's name, with Save, Discard and Cancel buttons (Save
    // the default, Escape cancels); returns the answer.
    virtual SaveChoice AskToSave(QWidget* parent, const QString& text) = 0;
    // A question with two answers, `yes` the default and `no` the one Escape gives; true for
    // yes.
    virtual bool Ask(QWidget* parent, const QString& text, const QString& yes,
                     const QString& no) = 0;
    // A message box titled with the program's name, with an OK button and the icon of its
    // kind; returns when it is closed.
    virtual void ShowMessage(QWidget* parent, const QString& text, MessageKind kind) = 0;
    // Save-file dialog starting in a folder with a proposed name; "" when cancelled.
    virtual QString SaveFileName(QWidget* parent, const QString& folder, const QString& name,
                                 const QString& filter) = 0;
};

// The real dialogs (QApplication::beep, QMessageBox, QFileDialog).
class SystemDialogs : public Dialogs {
  public:
    void Beep() override;
    SaveChoice AskToSave(QWidget* parent, const QString& text) override;
    bool Ask(QWidget* parent, const QString& text, const QString& yes, const QString& no) override;
    void ShowMessage(QWidget* parent, const QString& text, MessageKind kind) override;
    QString SaveFileName(QWidget* parent, const QString& folder, const QString& name,
                         const QString& filter) override;
};

// Records every request; the save dialog answers saveAnswer, the questions saveChoice and
// askAnswer.
class RecordingDialogs : public Dialogs {
  public:
    void Beep() override { ++beeps; }
    SaveChoice AskToSave(QWidget* /*parent*/, const QString& text) override {
        questions.push_back(text);
        return saveChoice;
    }
    bool Ask(QWidget* /*parent*/, const QString& text, const QString& /*yes*/,
             const QString& /*no*/) override {
        questions.push_back(text);
        return askAnswer;
    }
    void ShowMessage(QWidget* parent, const QString& text, MessageKind kind) override;
    QString SaveFileName(QWidget* parent, const QString& folder, const QString& name,
                         const QString& filter) override;

    struct SaveRequest {
        QString folder, name, filter;
    };
    int beeps = 0;
    std::vector<QString> messages;
    std::vector<MessageKind> messageKinds; // the kind of each message, in the same order
    std::vector<SaveRequest> saveRequests;
    QString saveAnswer; // "" acts as Cancel
    std::vector<QString> questions;
    SaveChoice saveChoice = SaveChoice::Cancel;
    bool askAnswer = false;
};

// The installed dialogs (SystemDialogs until others are installed).
Dialogs& CurrentDialogs();
// Installs dialogs (not owned; nullptr restores the system ones); returns the previous ones.
Dialogs* InstallDialogs(Dialogs* dialogs);

// Shortcuts through CurrentDialogs().
void Beep();
void ShowMessage(const QString& text, QWidget* parent = nullptr,
                 MessageKind kind = MessageKind::Information);
SaveChoice AskToSave(const QString& text, QWidget* parent = nullptr);
bool Ask(const QString& text, const QString& yes, const QString& no, QWidget* parent = nullptr);
// A message that something the user asked for did not happen.
void ShowWarning(const QString& text, QWidget* parent = nullptr);
// Tells once (told is set) that `what` ("Your settings") could not be saved for `reason`, that
// they apply until the program closes, and how to go on without them (`goOn`). False when it
// has told it now: the caller then stops and lets the user choose.
bool WarnedNotSavedBefore(bool& told, const QString& what, const QString& reason,
                          const QString& goOn, QWidget* parent);
// The extension of a save dialog filter's first pattern, lower case: "png" for
// "PNG pictures (*.png *.PNG)"; empty when it has none.
QString FilterSuffix(const QString& filter);
QString SaveFileName(QWidget* parent, const QString& folder, const QString& name,
                     const QString& filter);

} // namespace crescendar
