#include <QtTest>
#include <cstring>

#include "device/eeprom_map.h"
#include "link/byte_order.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "link/umrechnungen.h"
#include "support/bench.h"
#include "support/property.h"

using namespace umrechnungen;
using Frames = QList<QByteArray>;
using Stored = QList<std::pair<int, QByteArray>>;  // bytes at an EEPROM address

// The line's numbers go in the meter's byte orders, and the simulated meter, partner of most
// tests, behaves like the meter the tool expects.
class TstSimulator : public QObject {
    Q_OBJECT

    static quint32 bits(float f) { return qFromUnaligned<quint32>(&f); }

    // Sends a frame and returns everything the meter answered within `time`.
    static QByteArray ask(Bench& p, const QByteArray& frame, double time = 1.0) {
        p.sim.port.output(frame);
        p.clock.advance(time);
        return p.sim.port.input();
    }

private slots:
    // A 16-bit word goes high byte first and reads as an Integer that is
    // negative above 32767; a float goes as its bit pattern, the double word
    // of the same bytes, least significant byte first, and a double word reads
    // as a Long that is negative above 2147483647. Each comes back unchanged.
    void encodings_put_their_bytes_in_order_and_round_trip() {
        QCHECK_PROPERTY("word16, float32 and dword32 bytes", [](quint16 w, quint32 d) {
            const qint64 integer = w > 32767 ? qint64(w) - 65536 : w;
            RC_ASSERT(byteOrder::word16(w) == QByteArray(1, char(w >> 8)) + char(w));
            RC_ASSERT(byteOrder::readWord16(byteOrder::word16(w), 0) == w);
            RC_ASSERT(qint64(byteOrder::readWord16Signed(byteOrder::word16(w), 0)) == integer);
            RC_ASSERT(Wort16NachInteger(w) == integer && IntegerNachWort16(integer) == qint64(w));
            QByteArray bytes;
            for (int shift = 0; shift < 32; shift += 8)
                bytes += char(d >> shift);
            float f;
            std::memcpy(&f, &d, sizeof f);
            RC_ASSERT(byteOrder::dword32(d) == bytes && byteOrder::float32(f) == bytes);
            RC_ASSERT(byteOrder::readDword32(bytes, 0) == d &&
                      bits(byteOrder::readFloat32(bytes, 0)) == d);
            const qint64 long_ = d > 2147483647u ? qint64(d) - 4294967296LL : qint64(d);
            RC_ASSERT(Wort32NachLong(d) == long_ && LongNachWort32(long_) == double(d));
        });
        QCOMPARE(byteOrder::float32(3.14159f), hex("D0 0F 49 40"));  // as the meter stores it
    }

    // Each request is given 5 s, enough for a restart; the meter's error code is 17.
    void the_meter_answers_each_request_data() {
        QTest::addColumn<Frames>("requests");
        QTest::addColumn<Frames>("replies");
        QTest::addColumn<Stored>("stored");
        QTest::addColumn<double>("kgh");  // the constant air flow
        const auto row = [](const char* name, const Frames& requests, const Frames& replies,
                            const Stored& stored = {}, double kgh = 60) {
            QTest::newRow(name) << requests << replies << stored << kgh;
        };
        using namespace protocol;
        using namespace request;
        using namespace byteOrder;
        const QByteArray dle = hex("10"), nak = hex("15"), none, reset = coldStartReset(),
                         ping = connectionTest();
        row("bad checksum", {hex("0B 00 0C"), ping}, {nak, dle});
        row("unknown command, one NAK for the burst", {hex("7E 01 02 03"), ping}, {nak, dle});
        row("address beyond the EEPROM", {eepromByte(1, 512), ping}, {nak, dle});
        row("a frame cut by a pause is dropped", {hex("0B"), errorStatus()}, {none, hex("10 11")});
        row("a write waits for the store", {writeByte(byteparam::Impulsdauer, 99)}, {dle},
            {{address::Impulsdauer, hex("32")}});
        row("a restart discards unstored changes",
            {writeByte(byteparam::Ausgangsart, 0x02), reset, store()}, {dle, none, dle},
            {{address::Ausgangsart, hex("15")}});
        row("a direct EEPROM byte needs no store", {eepromByte(1, address::Ueberlauf)}, {dle},
            {{address::Ueberlauf, hex("01")}});
        row("raw counts between 70 and 100 kg/h", {counts(true)}, {dle + word16(2562)}, {}, 85.0);
    }
    void the_meter_answers_each_request() {
        QFETCH(Frames, requests);
        QFETCH(Stored, stored);
        QFETCH(double, kgh);
        Bench p;
        p.sim.meter.profile = {FlowProfile::Kind::Constant, kgh};
        p.sim.meter.errorCode = 17;
        Frames got;
        for (const QByteArray& r : requests)
            got << ask(p, r, 5.0);
        QTEST(got, "replies");
        const QByteArray eeprom = ask(p, request::eepromImage());
        for (const auto& [address, bytes] : stored)
            QCOMPARE(eeprom.mid(1 + address, bytes.size()), bytes);
    }
};

QTEST_GUILESS_MAIN(TstSimulator)
#include "tst_simulator.moc"
