#include "ImageControl.h"

#include <QPainter>

namespace crescendar {

ImageControl::ImageControl(QWidget* parent) : ClickRegion(parent) {
    GetCanvas().SetChangedHandler([this] { update(); });
}

ImageControl::ImageControl(QWidget* parent, int left, int top, const QImage& picture, int width,
                           int height)
    : ImageControl(parent) {
    move(left, top);
    SetPicture(picture);
    if (width > 0 && height > 0) {
        autoSize_ = false;
        resize(width, height);
    }
}

void ImageControl::SetPicture(const QImage& picture) {
    picture_.Assign(picture);
    if (autoSize_ && !picture.isNull()) resize(LogicalSize(picture));
    update();
}

void ImageControl::paintEvent(QPaintEvent* /*e*/) {
    if (picture_.Image().isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, picture_.Image());
}

} // namespace crescendar
