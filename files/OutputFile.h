// A file the user named as the destination of an output. What the path names decides how it
// is written:
//  - nothing yet, or a regular file: a temporary file beside it, renamed over the target only
//    when every byte was written (a file already there keeps its content on any failure);
//  - a character device or a named pipe: written directly, as a shell redirect would;
//  - anything else (a folder, a socket, ...): refused.
// A symbolic link is followed only where the kernel would follow it: not a link in a sticky
// world-writable folder that belongs neither to the user nor to the folder's owner.
// Every failure keeps the system's own reason.
#pragma once

#include <QByteArray>
#include <QString>

namespace crescendar {

class OutputFile {
  public:
    enum class Kind { None, Replaced, Direct };

    explicit OutputFile(const QString& path);
    ~OutputFile(); // an uncommitted output is discarded
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Decides how the path is written and opens it; false (with Error) when it cannot be.
    bool Open();
    // Writes all of the bytes; false (with Error) when any could not be written.
    bool Write(const char* data, qint64 size);
    bool Write(const QByteArray& bytes) { return Write(bytes.constData(), bytes.size()); }
    // Moves the write position (a regular file or a device that allows it).
    bool Seek(qint64 pos);
    qint64 Pos() const { return pos_; }
    // Ends the writing: renames the temporary file over the target, or closes the device.
    bool Commit();
    // Drops what was written; a replaced target is left as it was.
    void Discard();

    Kind GetKind() const { return kind_; }
    QString Path() const { return path_; }
    // The system's reason for the last failure; "" while nothing failed.
    QString Error() const { return error_; }

  private:
    bool Failed(const QString& reason);
    bool FailedErrno();

    QString path_;
    QByteArray target_;    // the path written, links resolved
    QByteArray temporary_; // for Replaced: the file renamed over target_ on Commit
    QString error_;
    Kind kind_ = Kind::None;
    int fd_ = -1;
    qint64 pos_ = 0;
};

} // namespace crescendar
