#pragma once

#include <QString>

#include "config/write_intent.h"

// Why a configuration cannot be written: the value, as asked, and what the
// meter can take. The editors' own messages name it by their language text
// and title; the other refusals have none (0).
struct Refusal {
    bool refused = false;
    ConfigValue value = ConfigValue::MEW;
    QString given;
    QString limit;
    int text = 0;
    int title = 0;
};

// The one check of everything a configuration write would send, whether the
// editors, a file, the factory settings or a snapshot asked for it: every
// value finite and within what its encoding and the meter can hold. `m` is
// the record the write starts from (MOG and the overflow as edited), flows in
// the unit of `factor`. Nothing may be sent when it refuses.
Refusal checkWrite(const WriteIntent& w, const MeterParameters& m, double factor);
