// The units file UNIT.CON with any content: the table read keeps its
// promises, and every problem can be told in each language.
#include <cstddef>
#include <cstdint>

#include "config/einheitentabelle.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Einheitentabelle t = readUnits(fileWith(bytes(data, size), Einheitentabelle::FileName));
    require(!t.entries.isEmpty() && t.entries.size() <= Einheitentabelle::Max,
            "there are 1 to 50 units");
    for (const Unit& u : t.entries)
        require(u.Umrechnungsfaktor > 0, "every unit offered has a factor above 0");
    for (const Language s : {Language::German, Language::English, Language::French})
        problemMessage(t.problems, s);
    return 0;
}
