// The system shell: opens web addresses and documents in their associated applications.
// Windows call OpenWebPage and OpenDocument, which tell the user when nothing opened;
// tests install a RecordingShell.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <vector>

class QWidget;

namespace crescendar {

class Shell {
  public:
    // Run when nothing opened a request that had been taken: the opener ended in failure.
    using Failed = std::function<void()>;

    virtual ~Shell() = default;
    // False when no application took the request (no browser, for instance). A request
    // taken may still fail later, when the opener ends; `failed` then runs.
    [[nodiscard]] virtual bool OpenUrl(const QUrl& url, Failed failed = {}) = 0;
    // A relative path is taken from the working directory. Results as for OpenUrl.
    [[nodiscard]] virtual bool OpenFile(const QString& path, Failed failed = {}) = 0;
};

// Opens through the desktop's opener, xdg-open, run apart from the program and watched to
// its end: it fails when no browser or viewer takes the request, which QDesktopServices
// would report as success. Without xdg-open on the PATH, through QDesktopServices.
class DesktopShell : public Shell {
  public:
    bool OpenUrl(const QUrl& url, Failed failed = {}) override;
    bool OpenFile(const QString& path, Failed failed = {}) override;
};

// Records every request and opens nothing; answers `opens` (false acts as a system
// without a browser).
class RecordingShell : public Shell {
  public:
    bool OpenUrl(const QUrl& url, Failed failed = {}) override;
    bool OpenFile(const QString& path, Failed failed = {}) override;

    std::vector<QUrl> urls;
    std::vector<QString> files;
    bool opens = true;
};

// The installed shell (a DesktopShell until another is installed).
Shell& CurrentShell();
// Installs a shell (not owned; nullptr restores the desktop one); returns the previous one.
Shell* InstallShell(Shell* shell);

// Opens a web address through the installed shell. When nothing opens it, a message over
// parent gives the address so that the user can open it by hand, and the result is false;
// also when the opener fails after the call has returned.
bool OpenWebPage(const QUrl& url, QWidget* parent);
// The same for a document file; what names it in the message ("The help page").
bool OpenDocument(const QString& path, const QString& what, QWidget* parent);

} // namespace crescendar
