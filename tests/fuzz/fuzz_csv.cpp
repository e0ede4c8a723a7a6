// A support-point CSV with any content, as reading the file gives it: every
// point it yields fits the meter's table.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "curve/curve_table.h"
#include "files/curve_csv.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const curveCsv::ReadResult r = curveCsv::parse(QString::fromLatin1(bytes(data, size)));
    require(r.counts.size() == r.flows.size() && r.counts.size() <= curveTable::MaxPoints,
            "at most 30 whole points");
    for (int i = 0; i < r.counts.size(); ++i)
        require(
            r.counts[i] >= 1 && r.counts[i] <= curveTable::MaxCounts && std::isfinite(r.flows[i]),
            "every point read is usable");
    MeterParameters p;
    curveCsv::apply(r, p);
    require(p.StpAnzahl == r.counts.size(), "applying keeps the number of points");
    return 0;
}
