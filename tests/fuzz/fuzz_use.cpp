// A configuration file (.use) with any content, as reading the file gives
// it: it reads, or stops at an input error that has its number.
#include <cstddef>
#include <cstdint>

#include "files/config_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const configFile::ReadResult r = configFile::parse(QString::fromLatin1(bytes(data, size)));
    require(r.ok() == (r.errorNumber == 0), "an input error has its number");
    return 0;
}
