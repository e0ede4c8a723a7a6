#include <QtTest>

#include "device/eeprom_map.h"
#include "link/byte_order.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "support/bench.h"

using Frames = QList<QByteArray>;
using Stored = QList<std::pair<int, QByteArray>>;  // bytes at an EEPROM address

// The simulated meter, partner of most tests, behaves like the meter the tool expects.
class TstSimulator : public QObject {
    Q_OBJECT

    // Sends a frame and returns everything the meter answered within `time`.
    static QByteArray ask(Bench& p, const QByteArray& frame, double time = 1.0) {
        p.sim.port.output(frame);
        p.clock.advance(time);
        return p.sim.port.input();
    }

private slots:
    // Each request is given 5 s, enough for a restart; the meter's error code is 17.
    void the_meter_answers_each_request_data() {
        QTest::addColumn<Frames>("requests");
        QTest::addColumn<Frames>("replies");
        QTest::addColumn<Stored>("stored");
        QTest::addColumn<double>("kgh");  // the constant air flow
        QTest::addColumn<bool>("coldStart");
        const auto row = [](const char* name, const Frames& requests, const Frames& replies,
                            const Stored& stored = {}, double kgh = 60, bool coldStart = false) {
            QTest::newRow(name) << requests << replies << stored << kgh << coldStart;
        };
        using namespace protocol;
        using namespace request;
        using namespace byteOrder;
        const QByteArray dle = hex("10"), nak = hex("15"), none, image = eepromImage(),
                         reset = coldStartReset(), ping = connectionTest();
        row("byte parameter 3", {writeByte(3, 1), ping}, {nak, dle});
        row("bad checksum", {hex("0B 00 0C"), ping}, {nak, dle});
        row("unknown command, one NAK for the burst", {hex("7E 01 02 03"), ping}, {nak, dle});
        row("address beyond the EEPROM", {eepromByte(1, 512), ping}, {nak, dle});
        row("a frame cut by a pause is dropped", {hex("0B"), errorStatus()}, {none, hex("10 11")});
        row("cold start needs two resets", {image, reset, image, reset, image},
            {hex("00"), none, hex("00"), none, replyWith(images::standard())}, {}, 60, true);
        row("writes reach the EEPROM on store",
            {writeByte(byteparam::Impulsdauer, 99), writeWord(wordparam::Filterfaktor, 12345),
             writeFloat(floatparam::MEW, 250.0f), store()},
            {dle, dle, dle, dle},
            {{address::Impulsdauer, hex("63")},
             {address::Filterfaktor, word16(12345)},
             {address::MEW, float32(250.0f)}});
        row("but not before", {writeByte(byteparam::Impulsdauer, 99)}, {dle},
            {{address::Impulsdauer, hex("32")}});
        row("a restart discards unstored changes",
            {writeByte(byteparam::Ausgangsart, 0x02), reset, store()}, {dle, none, dle},
            {{address::Ausgangsart, hex("15")}});
        using namespace wordparam;
        using Word = std::tuple<const char*, quint8, int>;  // its name and EEPROM address
        for (const auto& [name, k, at] :
             {Word("offset 0-5 V", OffsetU05, 250), Word("factor 0-5 V", FactorU05, 252),
              Word("offset 0-10 V", OffsetU010, 254), Word("offset 0-20 mA", OffsetI020, 258),
              Word("factor 4-20 mA", FactorI420, 266), Word("FrequenzMax", FrequenzMax, 221),
              Word("FrequenzMin", FrequenzMin, 223)})
            row(name, {writeWord(k, 0xBEEF), store()}, {dle, dle}, {{at, word16(0xBEEF)}});
        row("a direct EEPROM byte needs no store", {eepromByte(1, address::Ueberlauf)}, {dle},
            {{address::Ueberlauf, hex("01")}});
        row("support points", {supportPointTable(2, {{100, 0.0f}, {60000, 300.0f}}), store()},
            {dle, dle},
            {{address::StpAnzahl, hex("02")},
             {address::FirstSupportPoint + 6, word16(60000)},
             {address::FirstSupportPoint + 8, float32(300.0f)}});
        row("calibration bytes read are written back after a change",
            {readConfig(), writeByte(byteparam::Ausgangsart, 0x02), writeConfig(hex("15 18 85 00")),
             store()},
            {hex("10 0D 04 15 18 85 00"), dle, dle, dle}, {{0, hex("15 18 85 00")}});
        using Flow = std::tuple<const char*, double, int, int>;  // kg/h of 150, overflow on, counts
        for (const auto& [name, kgh, overflow, n] :
             {Flow("half scale", 75.0, 0, 32768), Flow("full scale", 150.0, 0, 65535),
              Flow("beyond full scale", 300.0, 0, 65535), Flow("below creep flow", 0.4, 0, 0),
              Flow("with overflow", 165.0, 1, 65535),
              Flow("a fifth with overflow", 33.0, 1, 13107)})
            row(name, {eepromByte(quint8(overflow), address::Ueberlauf), counts(false)},
                {dle, dle + word16(quint16(n))}, {}, kgh);
        row("raw counts between 70 and 100 kg/h", {counts(true)}, {dle + word16(2562)}, {}, 85.0);
    }
    void the_meter_answers_each_request() {
        QFETCH(Frames, requests);
        QFETCH(Frames, replies);
        QFETCH(Stored, stored);
        QFETCH(double, kgh);
        QFETCH(bool, coldStart);
        Bench p;
        p.sim.meter.profile = {FlowProfile::Kind::Constant, kgh};
        p.sim.meter.errorCode = 17;
        p.sim.meter.coldStartNeeded = coldStart;
        Frames got;
        for (const QByteArray& r : requests)
            got << ask(p, r, 5.0);
        QCOMPARE(got, replies);
        const QByteArray eeprom = ask(p, request::eepromImage());
        for (const auto& [address, bytes] : stored)
            QCOMPARE(eeprom.mid(1 + address, bytes.size()), bytes);
    }

    void the_ramp_rises_over_its_period() {
        Bench p;
        p.sim.meter.profile = {FlowProfile::Kind::Ramp, 150.0, 10.0};
        QCOMPARE(p.sim.meter.flowKghAt(5.0), 75.0);
        QCOMPARE(p.sim.meter.flowKghAt(12.5), 37.5);
        p.sim.meter.profile.kind = FlowProfile::Kind::Noise;
        const double r = p.sim.meter.flowKghAt(0);
        QVERIFY(r > 100 && r < 200 && r != 150.0);
    }

    void a_restarting_meter_answers_only_afterwards() {
        Bench p;
        p.sim.line.restartTime = 3.0;
        QCOMPARE(ask(p, request::resetAfterSupportPoints(), 0.5), hex("10"));
        p.sim.port.output(request::counts(false));
        const double sent = p.clock.now();
        p.clock.waitUntil(
            sent + 10, [&] { return p.sim.port.inBufferCount() == 3; }, Events::All);
        QVERIFY(p.clock.now() > 3.0 && p.clock.now() < 3.02);
        QCOMPARE(p.frames(),
                 (QVector<QByteArray>{request::resetAfterSupportPoints(), request::counts(false)}));
        QCOMPARE(p.gaps(), QVector<double>{0.5});  // every frame is logged with its send time
    }

    void bytes_take_their_line_time() {
        Bench p;
        p.sim.line.latency = 0.010;
        p.sim.port.output(request::counts(false));
        const auto arrival = [&](int n) {  // of the reply's nth byte
            p.clock.waitUntil(
                1.0, [&] { return p.sim.port.inBufferCount() >= n; }, Events::All);
            return p.clock.now();
        };
        const double b = Line::ByteTime;
        QCOMPARE(arrival(1), 3 * b + 0.010 + b);
        QCOMPARE(arrival(3), 3 * b + 0.010 + 3 * b);
    }

    void opening_discards_old_bytes_and_a_vanished_port_cannot_be_opened() {
        Bench p;
        p.sim.port.deliver(hex("01 02"));
        p.sim.port.closePort();
        QVERIFY(p.sim.port.openPort().ok());
        QCOMPARE(p.sim.port.inBufferCount(), 0);
        p.sim.line.fault.gone = true;
        QCOMPARE(ask(p, request::connectionTest()), QByteArray());  // and it stays silent
        p.sim.port.closePort();
        QCOMPARE(p.sim.port.openPort().fault, PortError::NotFound);
    }
};

QTEST_GUILESS_MAIN(TstSimulator)
#include "tst_simulator.moc"
