// Files written all or nothing. Every file the windows write (pictures, PDF pages, tables)
// goes through here: the bytes go to a temporary file beside the target, which replaces the
// target only when every write succeeded and the file is not empty. On any failure the
// temporary file is removed and a file already at the path keeps its old content. A device
// or a named pipe chosen as the target is written directly; a folder is refused (OutputFile).
#pragma once

#include "OutputFile.h"

#include <QIODevice>
#include <QImage>
#include <QString>

namespace crescendar {

class AtomicFile : public QIODevice {
  public:
    explicit AtomicFile(const QString& path);
    ~AtomicFile() override; // an uncommitted file is discarded

    // Starts the temporary file; false (with Error) when it cannot be created.
    bool Open();
    // Puts the file in place; false (with Error) when any write failed or nothing was
    // written, and then the target is left as it was.
    bool Commit();
    // Drops what was written; the target is left as it was.
    void Discard();
    // Marks the file as failed for a reason found by the writer (kept for Error); Commit
    // then refuses it.
    void Fail(const QString& reason);

    // Why the file was not written, in plain words; "" while nothing failed.
    QString Error() const { return error_; }
    QString Path() const { return path_; }

    bool isSequential() const override { return false; }
    bool seek(qint64 pos) override;
    qint64 size() const override { return size_; }
    // Closing only ends the writing; Commit decides whether the file is kept.
    void close() override;

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

  private:
    QString path_;
    OutputFile file_;
    QString error_;
    qint64 size_ = 0;
    bool failed_ = false;
    bool done_ = false;
};

// Writes an image in the given format ("BMP", "PNG") through an AtomicFile; error receives
// the reason when false is returned.
bool SaveImageFile(const QImage& image, const QString& path, const char* format,
                   QString* error = nullptr);

// For tests: while an object lives, the disk holds only this many more bytes for checked
// file writes, after which every write fails as on a full disk.
class SimulatedFullDisk {
  public:
    explicit SimulatedFullDisk(qint64 bytesFree);
    ~SimulatedFullDisk();
    SimulatedFullDisk(const SimulatedFullDisk&) = delete;
    SimulatedFullDisk& operator=(const SimulatedFullDisk&) = delete;

  private:
    qint64 previous_;
};

} // namespace crescendar
