// An off-screen picture (a bitmap) with a canvas that draws on it.
#pragma once

#include "Canvas.h"

#include <QImage>
#include <QString>

namespace crescendar {

class Picture {
  public:
    Picture(); // empty, 0 x 0
    Picture(int width, int height, const QColor& fill = Qt::black);
    explicit Picture(const QImage& image);

    // Not copyable (its canvas draws on its own image); use Assign to copy the pixels.
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Loads a file or a Qt resource (":/..."); false and unchanged when it cannot be read.
    bool Load(const QString& path);
    // Writes the picture as a Windows bitmap file, all or nothing: on failure (false, with
    // the reason in plain words in error) a file already at the path is left unchanged.
    [[nodiscard]] bool SaveBmp(const QString& path, QString* error = nullptr) const;

    // Takes a fresh copy of another picture's pixels (size included); canvas state is kept.
    void Assign(const Picture& other) { Assign(other.image_); }
    void Assign(const QImage& image);
    // New size; the old content stays at the top-left, new area is filled with fill.
    void SetSize(int width, int height, const QColor& fill = Qt::black);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage& Image() const { return image_; }

    Canvas& GetCanvas() { return canvas_; }
    const Canvas& GetCanvas() const { return canvas_; }

  private:
    QImage image_;
    Canvas canvas_;
};

} // namespace crescendar
