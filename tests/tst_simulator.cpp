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
        const auto row = [](const char* name, const Frames& requests, const Frames& replies,
                            const Stored& stored = {}, double kgh = 60) {
            QTest::newRow(name) << requests << replies << stored << kgh;
        };
        using namespace protocol;
        using namespace request;
        using namespace byteOrder;
        const QByteArray dle = hex("10"), nak = hex("15"), none, reset = coldStartReset(),
                         ping = connectionTest();
        row("byte parameter 3", {writeByte(3, 1), ping}, {nak, dle});
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
