// Outputs that are not regular files, for the tests of what is written to them: a named pipe
// with its reading end held open, a full device, and a symbolic link in a shared sticky folder.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace crescendar {

// A named pipe whose reading end is open (without waiting): a writer opens it at once, and
// what it writes (up to the pipe's capacity, 64 kB) waits for ReadAll.
class Fifo {
  public:
    explicit Fifo(const QString& path) : path_(path) {
        if (::mkfifo(QFile::encodeName(path).constData(), 0644) == 0)
            fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    }
    ~Fifo() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fifo(const Fifo&) = delete;
    Fifo& operator=(const Fifo&) = delete;

    bool Ready() const { return fd_ >= 0; }
    // The reader goes away: a writer's next write breaks the pipe.
    void CloseReader() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    QByteArray ReadAll() {
        QByteArray bytes;
        char chunk[4096];
        ssize_t n = 0;
        while ((n = ::read(fd_, chunk, sizeof chunk)) > 0) bytes.append(chunk, n);
        return bytes;
    }
    // Still a pipe, not replaced by a regular file.
    bool StillAPipe() const {
        struct stat st {};
        return ::lstat(QFile::encodeName(path_).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
    }

  private:
    QString path_;
    int fd_ = -1;
};

inline bool IsCharacterDevice(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

// A device that is always full: a node of its own in folder when the tests run as root (so
// that a fault that replaced it harms nothing), else the system's /dev/full.
inline QString FullDevice(const QString& folder) {
    if (::geteuid() != 0) return QStringLiteral("/dev/full");
    const QString path = QDir(folder).filePath("full");
    if (::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        return QString();
    return path;
}

// In a new sticky world-writable folder inside parent, a symbolic link "link" to target owned
// by another user (nobody): the kind of link the kernel does not follow there. Needs root for
// the link's owner; "" otherwise.
inline QString ForeignLinkInStickyFolder(const QString& parent, const QString& target) {
    if (::geteuid() != 0) return QString();
    const QString shared = QDir(parent).filePath("shared");
    const QString link = QDir(shared).filePath("link");
    if (!QDir().mkpath(shared) || ::chmod(QFile::encodeName(shared).constData(), 01777) != 0 ||
        !QFile::link(target, link) || ::lchown(QFile::encodeName(link).constData(), 65534, 65534))
        return QString();
    return link;
}

} // namespace crescendar
