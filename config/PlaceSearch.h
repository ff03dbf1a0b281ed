// The gazetteer searched off the interface thread: the first query reads the gazetteer into a
// table (some tens of milliseconds), which must not hold up the window, and later ones still
// take a millisecond or two. Only the latest request is answered; one made while a query runs
// replaces those still waiting.
#pragma once

#include <QObject>
#include <QString>

#include "Places.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace crescendar {

class TPlaceSearch : public QObject {
    Q_OBJECT
  public:
    explicit TPlaceSearch(std::size_t most, QObject* parent = nullptr);
    // Waits for a query still running (it cannot be interrupted) and ends the thread.
    ~TPlaceSearch() override;

    // Starts looking for the places of that name; Found follows on this object's thread.
    void Find(const QString& text);

  signals:
    // The places found for text, the most populous first (none when nothing matches).
    void Found(const QString& text, const std::vector<crescendar::TPlace>& places);

  private:
    void Run();

    const std::size_t most_;
    std::mutex lock_;
    std::condition_variable wake_;
    std::optional<std::string> pending_; // the latest request not yet taken
    bool stop_ = false;
    std::thread worker_;
};

} // namespace crescendar
