// A picture at a position of a window: shown at its own size from its top-left corner,
// clickable like a ClickRegion, with a hint. Its canvas draws on the picture and repaints
// the control.
#pragma once

#include "ClickRegion.h"
#include "Picture.h"

namespace crescendar {

class ImageControl : public ClickRegion {
    Q_OBJECT
  public:
    explicit ImageControl(QWidget* parent = nullptr);
    // The control takes the picture's size unless width and height are given (> 0).
    ImageControl(QWidget* parent, int left, int top, const QImage& picture = {}, int width = 0,
                 int height = 0);

    // Replaces the picture (a fresh copy). With auto size on (default) the control takes
    // the picture's size.
    void SetPicture(const QImage& picture);
    void SetPicture(const Picture& picture) { SetPicture(picture.Image()); }
    void SetAutoSize(bool on) { autoSize_ = on; }
    Picture& GetPicture() { return picture_; }
    const QImage& Image() const { return picture_.Image(); }
    // Draws on the picture; the control repaints after each operation.
    Canvas& GetCanvas() { return picture_.GetCanvas(); }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    Picture picture_;
    bool autoSize_ = true;
};

} // namespace crescendar
