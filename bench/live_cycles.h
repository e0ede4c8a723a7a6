#pragma once

#include "link/protocol.h"

// The live-value cycles a second the 10 ms timer and the wire allow: five
// counts exchanges of six bytes, and the status exchange of four bytes that
// every fifth cycle adds.
inline double liveCycleLimit() {
    const double cycle = 0.010 + 6 * protocol::ByteTime;
    return 5.0 / (5 * cycle + 4 * protocol::ByteTime);
}
