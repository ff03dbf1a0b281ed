#include "AtomicFile.h"

#include <QDir>
#include <QImageWriter>

#include <algorithm>

namespace crescendar {

namespace {

// Bytes that checked writes may still use; negative: no limit (the real disk decides).
qint64 simulatedFreeBytes = -1;

} // namespace

AtomicFile::AtomicFile(const QString& path) : path_(path), file_(path) {
    // Never fall back to writing over the target in place.
    file_.setDirectWriteFallback(false);
}

AtomicFile::~AtomicFile() {
    if (!done_) Discard();
}

bool AtomicFile::Open() {
    if (done_ || isOpen()) return false;
    if (!file_.open(QIODevice::WriteOnly)) {
        Fail(file_.errorString());
        done_ = true;
        return false;
    }
    return QIODevice::open(QIODevice::WriteOnly);
}

void AtomicFile::Fail(const QString& reason) {
    failed_ = true;
    if (!error_.isEmpty()) return;
    // The system does not always say why (a full disk may be reported as an unknown error).
    const QString why = reason.isEmpty() || reason == QStringLiteral("Unknown error")
                            ? QStringLiteral("the disk may be full or the folder not writable")
                            : reason;
    error_ = QStringLiteral("the file %1 could not be written (%2); a file already there is "
                            "unchanged")
                 .arg(QDir::toNativeSeparators(path_), why);
}

qint64 AtomicFile::readData(char* /*data*/, qint64 /*maxSize*/) {
    return -1;
}

qint64 AtomicFile::writeData(const char* data, qint64 size) {
    if (failed_ || done_) return -1;
    if (simulatedFreeBytes >= 0) {
        if (size > simulatedFreeBytes) {
            Fail(QStringLiteral("No space left on device"));
            return -1;
        }
        simulatedFreeBytes -= size;
    }
    const qint64 written = file_.write(data, size);
    if (written != size) {
        Fail(file_.errorString());
        return -1;
    }
    size_ = std::max(size_, file_.pos());
    return written;
}

bool AtomicFile::seek(qint64 pos) {
    if (!QIODevice::seek(pos)) return false;
    if (!file_.seek(pos)) {
        Fail(file_.errorString());
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
    if (file_.isOpen()) {
        file_.cancelWriting();
        file_.commit(); // cancelled: removes the temporary file, keeps the target
    }
}

bool AtomicFile::Commit() {
    if (done_) return false;
    if (isOpen()) QIODevice::close();
    if (!failed_ && size_ == 0) Fail(QStringLiteral("nothing was written"));
    if (failed_) {
        Discard();
        return false;
    }
    // The last buffered bytes reach the disk here; a full disk may show only now.
    if (!file_.flush()) {
        Fail(file_.errorString());
        Discard();
        return false;
    }
    done_ = true;
    if (!file_.commit()) {
        Fail(file_.errorString());
        return false;
    }
    return true;
}

bool SaveImageFile(const QImage& image, const QString& path, const char* format, QString* error) {
    AtomicFile file(path);
    if (image.isNull())
        file.Fail(QStringLiteral("the picture is empty"));
    else if (file.Open()) {
        QImageWriter writer(&file, format);
        if (!writer.write(image) && file.Error().isEmpty()) file.Fail(writer.errorString());
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
