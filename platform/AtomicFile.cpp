#include "AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageWriter>

#include <algorithm>

namespace crescendar {

namespace {

// Bytes that checked writes may still use; negative: no limit (the real disk decides).
qint64 simulatedFreeBytes = -1;

} // namespace

AtomicFile::AtomicFile(const QString& path) : path_(path), file_(path) {}

AtomicFile::~AtomicFile() {
    if (!done_) Discard();
}

bool AtomicFile::Open() {
    if (done_ || isOpen()) return false;
    if (!file_.Open()) {
        Fail(file_.Error());
        done_ = true;
        return false;
    }
    return QIODevice::open(QIODevice::WriteOnly);
}

void AtomicFile::Fail(const QString& reason) {
    failed_ = true;
    if (!error_.isEmpty()) return;
    const QString why = reason.isEmpty()
                            ? QCoreApplication::translate("AtomicFile", "no reason was given")
                            : reason;
    // A device or a pipe is written in place: what reached it before the failure stays there.
    error_ =
        file_.GetKind() == OutputFile::Kind::Direct
            ? QCoreApplication::translate("AtomicFile", "the file %1 could not be written (%2)")
                  .arg(QDir::toNativeSeparators(path_), why)
            : QCoreApplication::translate(
                  "AtomicFile", "the file %1 could not be written (%2); a file already there "
                                "is unchanged")
                  .arg(QDir::toNativeSeparators(path_), why);
}

qint64 AtomicFile::readData(char* /*data*/, qint64 /*maxSize*/) {
    return -1;
}

qint64 AtomicFile::writeData(const char* data, qint64 size) {
    if (failed_ || done_) return -1;
    if (simulatedFreeBytes >= 0) {
        if (size > simulatedFreeBytes) {
            Fail(QCoreApplication::translate("AtomicFile", "No space left on device"));
            return -1;
        }
        simulatedFreeBytes -= size;
    }
    if (!file_.Write(data, size)) {
        Fail(file_.Error());
        return -1;
    }
    size_ = std::max(size_, file_.Pos());
    return size;
}

bool AtomicFile::seek(qint64 pos) {
    if (!QIODevice::seek(pos)) return false;
    if (!file_.Seek(pos)) {
        Fail(file_.Error());
        return false;
    }
    return true;
}

void AtomicFile::close() {
    QIODevice::close();
}

void AtomicFile::Discard() {
    done_ = true;
    if (isOpen()) QIODevice::close();
    file_.Discard(); // removes the temporary file, keeps the target
}

bool AtomicFile::Commit() {
    if (done_) return false;
    if (isOpen()) QIODevice::close();
    if (!failed_ && size_ == 0)
        Fail(QCoreApplication::translate("AtomicFile", "nothing was written"));
    if (failed_) {
        Discard();
        return false;
    }
    done_ = true;
    if (!file_.Commit()) {
        Fail(file_.Error());
        return false;
    }
    return true;
}

bool SaveImageFile(const QImage& image, const QString& path, const char* format, QString* error) {
    AtomicFile file(path);
    if (image.isNull())
        file.Fail(QCoreApplication::translate("AtomicFile", "the picture is empty"));
    else if (file.Open()) {
        QImageWriter writer(&file, format);
        if (!writer.write(image) && file.Error().isEmpty())
            file.Fail(writer.error() == QImageWriter::UnknownError
                          ? QCoreApplication::translate("AtomicFile",
                                                        "the picture could not be encoded as %1")
                                .arg(format)
                          : writer.errorString());
        if (file.Commit()) return true;
    }
    if (error) *error = file.Error();
    return false;
}

SimulatedFullDisk::SimulatedFullDisk(qint64 bytesFree) : previous_(simulatedFreeBytes) {
    simulatedFreeBytes = std::max<qint64>(0, bytesFree);
}

SimulatedFullDisk::~SimulatedFullDisk() {
    simulatedFreeBytes = previous_;
}

} // namespace crescendar
