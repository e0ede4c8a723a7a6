#pragma once

#include "session/session.h"

// Marks an exchange with the meter as running while it lives.
class Operation {
public:
    explicit Operation(Session& s) : s_(s) { ++s_.state.operations; }
    ~Operation() { --s_.state.operations; }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

private:
    Session& s_;
};
