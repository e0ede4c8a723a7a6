// A language file with any content: it loads, or is refused with what was
// read kept.
#include <cstddef>
#include <cstdint>

#include "files/language_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Texte texts;
    TexteLaden(fileWith(bytes(data, size), QStringLiteral("Texte.ger")), texts);
    return 0;
}
