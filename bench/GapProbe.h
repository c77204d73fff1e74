#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <algorithm>

namespace bench {

// The longest time the event loop kept a zero timer waiting while the probe lived: the timer
// fires at every real turn of the loop, so the longest gap between two firings (or between
// the last one and Stop) is the longest the window went without answering.
class GapProbe {
public:
    GapProbe() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
        clock_.start();
    }
    // Milliseconds of the longest gap.
    double Stop() {
        Tick();
        timer_.stop();
        return static_cast<double>(longest_) / 1e6;
    }

private:
    void Tick() {
        const qint64 now = clock_.nsecsElapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

}  // namespace bench
