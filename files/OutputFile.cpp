#include "OutputFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace crescendar {

namespace {

// The system's text for an errno value.
QString SystemError(int code) {
    return qt_error_string(code);
}

QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

// What a path names once the symbolic links of its last part are followed. The kernel's
// protection for links in shared folders is applied here too, since the link is resolved
// before the kernel sees the path.
struct Resolved {
    QByteArray path;
    bool exists = false;
    struct stat st {};
};

bool Resolve(const QByteArray& start, Resolved* r, QString* error) {
    QByteArray path = start;
    for (int links = 0; links <= 40; ++links) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0) {
            if (errno != ENOENT) {
                *error = SystemError(errno);
                return false;
            }
            r->path = path;
            r->exists = false;
            return true;
        }
        if (!S_ISLNK(st.st_mode)) {
            r->path = path;
            r->exists = true;
            r->st = st;
            return true;
        }
        const QByteArray folder = FolderOf(path);
        struct stat fst {};
        if (::stat(folder.constData(), &fst) != 0) {
            *error = SystemError(errno);
            return false;
        }
        const bool shared = (fst.st_mode & S_ISVTX) && (fst.st_mode & S_IWOTH);
        if (shared && st.st_uid != ::geteuid() && st.st_uid != fst.st_uid) {
            *error = QCoreApplication::translate(
                         "OutputFile", "it is a symbolic link in the shared folder %1 that belongs "
                                       "to another user, and such a link is not followed")
                         .arg(QFile::decodeName(folder));
            return false;
        }
        QByteArray link(static_cast<qsizetype>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(path.constData(), link.data(), link.size());
        if (n < 0) {
            *error = SystemError(errno);
            return false;
        }
        link.truncate(n);
        path = link.startsWith('/') ? link : folder + '/' + link;
    }
    *error = SystemError(ELOOP);
    return false;
}

// While it lives, a pipe whose reader has gone makes a write fail with EPIPE instead of
// ending the whole program with SIGPIPE; a signal raised meanwhile is taken, not delivered.
class PipeSignalHeld {
  public:
    PipeSignalHeld() {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        pendingBefore_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipe_, &previous_);
    }
    ~PipeSignalHeld() {
        sigset_t pending;
        sigpending(&pending);
        if (!pendingBefore_ && sigismember(&pending, SIGPIPE) == 1) {
            const timespec now{};
            sigtimedwait(&pipe_, nullptr, &now);
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    PipeSignalHeld(const PipeSignalHeld&) = delete;
    PipeSignalHeld& operator=(const PipeSignalHeld&) = delete;

  private:
    sigset_t pipe_;
    sigset_t previous_;
    bool pendingBefore_ = false;
};

} // namespace

OutputFile::OutputFile(const QString& path) : path_(path) {}

OutputFile::~OutputFile() {
    Discard();
}

bool OutputFile::Failed(const QString& reason) {
    if (error_.isEmpty()) error_ = reason;
    return false;
}

bool OutputFile::FailedErrno() {
    return Failed(SystemError(errno));
}

bool OutputFile::Open() {
    if (fd_ >= 0 || !error_.isEmpty()) return false;
    if (path_.isEmpty())
        return Failed(QCoreApplication::translate("OutputFile", "no file name was given"));
    Resolved r;
    QString why;
    if (!Resolve(QFile::encodeName(path_), &r, &why)) return Failed(why);
    target_ = r.path;
    if (r.exists && (S_ISCHR(r.st.st_mode) || S_ISFIFO(r.st.st_mode))) {
        // Written in place; O_NOFOLLOW and the second look keep it the same kind of thing.
        fd_ = ::open(target_.constData(), O_WRONLY | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
        if (fd_ < 0) return FailedErrno();
        struct stat st {};
        if (::fstat(fd_, &st) != 0 || !(S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode))) {
            ::close(fd_);
            fd_ = -1;
            return Failed(
                QCoreApplication::translate("OutputFile", "it changed while it was being opened"));
        }
        kind_ = Kind::Direct;
        return true;
    }
    if (r.exists && S_ISDIR(r.st.st_mode))
        return Failed(QCoreApplication::translate("OutputFile", "it is a folder"));
    if (r.exists && !S_ISREG(r.st.st_mode))
        return Failed(QCoreApplication::translate(
            "OutputFile", "it is not a regular file, a character device or a pipe"));

    // A new file gets the usual permissions (the umask applies); a replaced one keeps its own.
    const mode_t mode = r.exists ? (r.st.st_mode & 0777) : 0666;
    const qsizetype slash = target_.lastIndexOf('/');
    const QByteArray stem = target_.left(slash + 1) + '.' + target_.mid(slash + 1) + '.';
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temporary_ = stem + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd_ = ::open(temporary_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
        temporary_.clear();
        return FailedErrno();
    }
    if (r.exists && ::fchmod(fd_, mode) != 0) {
        FailedErrno();
        Discard();
        return false;
    }
    kind_ = Kind::Replaced;
    return true;
}

bool OutputFile::Write(const char* data, qint64 size) {
    if (fd_ < 0 || !error_.isEmpty()) return false;
    std::optional<PipeSignalHeld> held;
    if (kind_ == Kind::Direct) held.emplace();
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return FailedErrno();
        if (n == 0) return Failed(SystemError(EIO));
        data += n;
        size -= n;
        pos_ += n;
    }
    return true;
}

bool OutputFile::Seek(qint64 pos) {
    if (fd_ < 0 || !error_.isEmpty()) return false;
    if (pos == pos_) return true;
    if (::lseek(fd_, static_cast<off_t>(pos), SEEK_SET) < 0) return FailedErrno();
    pos_ = pos;
    return true;
}

bool OutputFile::Commit() {
    if (fd_ < 0 || !error_.isEmpty()) {
        Discard();
        return false;
    }
    // Some file systems report a full disk only when the data reach it.
    if (kind_ == Kind::Replaced && ::fsync(fd_) != 0) {
        FailedErrno();
        Discard();
        return false;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        FailedErrno();
        Discard();
        return false;
    }
    if (kind_ == Kind::Replaced) {
        if (::rename(temporary_.constData(), target_.constData()) != 0) {
            FailedErrno();
            Discard();
            return false;
        }
        temporary_.clear();
    }
    return true;
}

void OutputFile::Discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.isEmpty()) ::unlink(temporary_.constData());
    temporary_.clear();
}

} // namespace crescendar
