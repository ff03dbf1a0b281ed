#include "PlaceSearch.h"

#include <utility>

namespace crescendar {

TPlaceSearch::TPlaceSearch(std::size_t most, QObject* parent)
    : QObject(parent), most_(most), worker_([this] { Run(); }) {}

TPlaceSearch::~TPlaceSearch() {
    {
        std::lock_guard<std::mutex> hold(lock_);
        stop_ = true;
    }
    wake_.notify_one();
    worker_.join();
    // Answers already posted are dropped with this object.
}

void TPlaceSearch::Find(const QString& text) {
    {
        std::lock_guard<std::mutex> hold(lock_);
        pending_ = text.toStdString();
    }
    wake_.notify_one();
}

void TPlaceSearch::Run() {
    std::unique_lock<std::mutex> hold(lock_);
    for (;;) {
        wake_.wait(hold, [this] { return stop_ || pending_.has_value(); });
        if (stop_) return;
        const std::string text = std::move(*pending_);
        pending_.reset();
        hold.unlock();
        std::vector<TPlace> places = FindPlaces(text, most_);
        hold.lock();
        if (stop_) return;
        if (pending_) continue; // a newer request: this answer is already out of date
        // Delivered on this object's thread; dropped if the object is gone by then.
        QMetaObject::invokeMethod(
            this,
            [this, text, places = std::move(places)] {
                emit Found(QString::fromStdString(text), places);
            },
            Qt::QueuedConnection);
    }
}

} // namespace crescendar
