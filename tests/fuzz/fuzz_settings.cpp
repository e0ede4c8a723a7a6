// The settings file Q_orbis.CON with any content: whatever a user or another
// program left in it must read as some settings.
#include <cstddef>
#include <cstdint>

#include "files/settings_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    settingsFile::read(fileWith(bytes(data, size), settingsFile::FileName));
    return 0;
}
