// The system shell: opens web addresses and documents in their associated applications.
// Windows call OpenWebPage and OpenDocument, which tell the user when nothing opened;
// tests install a RecordingShell.
#pragma once

#include <QString>
#include <QUrl>

#include <vector>

class QWidget;

namespace crescendar {

class Shell {
  public:
    virtual ~Shell() = default;
    // False when no application took the request (no browser, for instance).
    [[nodiscard]] virtual bool OpenUrl(const QUrl& url) = 0;
    // A relative path is taken from the working directory. False as for OpenUrl.
    [[nodiscard]] virtual bool OpenFile(const QString& path) = 0;
};

// Opens through the desktop (QDesktopServices).
class DesktopShell : public Shell {
  public:
    bool OpenUrl(const QUrl& url) override;
    bool OpenFile(const QString& path) override;
};

// Records every request and opens nothing; answers `opens` (false acts as a system
// without a browser).
class RecordingShell : public Shell {
  public:
    bool OpenUrl(const QUrl& url) override;
    bool OpenFile(const QString& path) override;

    std::vector<QUrl> urls;
    std::vector<QString> files;
    bool opens = true;
};

// The installed shell (a DesktopShell until another is installed).
Shell& CurrentShell();
// Installs a shell (not owned; nullptr restores the desktop one); returns the previous one.
Shell* InstallShell(Shell* shell);

// Opens a web address through the installed shell. When nothing opens it, a message over
// parent gives the address so that the user can open it by hand, and the result is false.
bool OpenWebPage(const QUrl& url, QWidget* parent);
// The same for a document file; what names it in the message ("The help page").
bool OpenDocument(const QString& path, const QString& what, QWidget* parent);

} // namespace crescendar
