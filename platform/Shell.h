// The system shell: opens web addresses and documents in their associated applications.
// Windows call CurrentShell(); tests install a RecordingShell.
#pragma once

#include <QString>
#include <QUrl>

#include <vector>

namespace crescendar {

class Shell {
  public:
    virtual ~Shell() = default;
    virtual bool OpenUrl(const QUrl& url) = 0;
    // A relative path is taken from the working directory.
    virtual bool OpenFile(const QString& path) = 0;
};

// Opens through the desktop (QDesktopServices).
class DesktopShell : public Shell {
  public:
    bool OpenUrl(const QUrl& url) override;
    bool OpenFile(const QString& path) override;
};

// Records every request and opens nothing.
class RecordingShell : public Shell {
  public:
    bool OpenUrl(const QUrl& url) override;
    bool OpenFile(const QString& path) override;

    std::vector<QUrl> urls;
    std::vector<QString> files;
};

// The installed shell (a DesktopShell until another is installed).
Shell& CurrentShell();
// Installs a shell (not owned; nullptr restores the desktop one); returns the previous one.
Shell* InstallShell(Shell* shell);

} // namespace crescendar
