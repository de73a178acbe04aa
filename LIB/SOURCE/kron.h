// kron: a stopwatch on the system tick count, in seconds.
#pragma once

#include "str.h"

class kron {
public:
    kron() : start_(0), lap(0), laps(0), spare(0) {}
    void start();
    double elapsed() const;        // seconds since start
    static void pause(double seconds); // busy wait; processes no messages

    str label;

private:
    int start_;
    int lap, laps, spare;
};
