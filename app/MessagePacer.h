#pragma once

#include <QElapsedTimer>

// Paces the message processing of a long command: the window repaints and takes input about
// every 100 ms, often enough to stay responsive and rarely enough to cost next to nothing
// (processing them after every game or record would cost more than the work itself).
class MessagePacer {
public:
    static constexpr qint64 IntervalMs = 100;

    MessagePacer() { clock.start(); }
    bool Due() const { return clock.elapsed() >= IntervalMs; }
    void Restart() { clock.restart(); }

private:
    QElapsedTimer clock;
};
