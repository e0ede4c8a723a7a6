// The EEPROM decoder fed replies of any length and content, as a broken line
// or a damaged meter could deliver them, in kg/h and in a unit 60 times
// smaller. It must report what it cannot decode, never crash.
#include <cstddef>
#include <cstdint>

#include "device/eeprom_auswerten.h"
#include "device/eeprom_map.h"
#include "fuzz_input.h"
#include "link/protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray reply = bytes(data, size);
    // Every field lies inside a full reply; only a support-point count past the
    // table can fail its decode.
    const bool decodable =
        reply.size() >= protocol::EepromReplyLength &&
        quint8(reply[address::StpAnzahl + 1]) <= MeterParameters::MaxSupportPoints;
    for (const double factor : {1.0, 60.0}) {
        Unit unit;
        unit.Umrechnungsfaktor = factor;
        MeterParameters p;
        const DecodeResult r = EEPromAuswerten(reply, p, unit);
        require(!decodable || r.ok(), "a full reply with a valid point count decodes");
        if (r.ok()) overflowKnown(p);
    }
    return 0;
}
