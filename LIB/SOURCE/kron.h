// kron: a stopwatch on the system tick count, in seconds.
#pragma once

#include "str.h"

class kron {
public:
    kron() : start_(0), lap(0), laps(0), spare(0) {}
    void start();
    double elapsed() const;            // seconds since start
    static void pause(double seconds); // busy wait; processes no messages

    // Seconds from the tick count from to the later tick count to. The difference is taken in
    // unsigned arithmetic, so that it stays right when the counter passes 2^31 (24.8 days of
    // uptime) and when it wraps to 0 (49.7 days).
    static double between(unsigned from, unsigned to) { return (unsigned)(to - from) * 0.001; }

    // The tick count in milliseconds that every stopwatch reads: GetTickCount in the Windows
    // build, a monotonic clock in the native one. Tests replace it.
    static unsigned (*ticks)();

    str label;

private:
    unsigned start_;
    [[maybe_unused]] int lap, laps, spare; // not read by this library
};
