#include <QtTest>

#include "device/eeprom_map.h"
#include "link/byte_order.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "support/bench.h"

// The simulated meter is the partner of most tests; these pin down that it
// behaves like the meter the tool expects.
class TstSimulator : public QObject {
    Q_OBJECT

    // Sends a frame and returns everything the meter answered within `time`.
    static QByteArray ask(Bench& p, const QByteArray& frame, double time = 1.0) {
        p.sim.port.output(frame);
        p.clock.advance(time);
        return p.sim.port.input();
    }

    static QByteArray eeprom(Bench& p) { return ask(p, request::eepromImage()).mid(1); }

private slots:
    void writes_change_the_eeprom_only_on_store() {
        Bench p;
        QCOMPARE(ask(p, request::writeByte(protocol::byteparam::Impulsdauer, 99)), hex("10"));
        QCOMPARE(ask(p, request::writeWord(protocol::wordparam::Filterfaktor, 12345)), hex("10"));
        QCOMPARE(ask(p, request::writeFloat(protocol::floatparam::MEW, 250.0f)), hex("10"));
        QCOMPARE(quint8(eeprom(p)[address::Impulsdauer]), quint8(50));
        QCOMPARE(ask(p, request::store()), hex("10"));
        const QByteArray e = eeprom(p);
        QCOMPARE(quint8(e[address::Impulsdauer]), quint8(99));
        QCOMPARE(byteOrder::readWord16(e, address::Filterfaktor), quint16(12345));
        QCOMPARE(byteOrder::readFloat32(e, address::MEW), 250.0f);
    }

    void restart_discards_unstored_changes() {
        Bench p;
        ask(p, request::writeByte(protocol::byteparam::Ausgangsart, 0x02));
        QCOMPARE(ask(p, request::coldStartReset(), 5.0), QByteArray());
        ask(p, request::store());
        QCOMPARE(quint8(eeprom(p)[address::Ausgangsart]), quint8(0x15));
    }

    void word_parameters_land_at_their_addresses_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("address");
        QTest::newRow("offset 0-5 V") << int(protocol::wordparam::OffsetU05) << 250;
        QTest::newRow("factor 0-5 V") << int(protocol::wordparam::FactorU05) << 252;
        QTest::newRow("offset 0-10 V") << int(protocol::wordparam::OffsetU010) << 254;
        QTest::newRow("offset 0-20 mA") << int(protocol::wordparam::OffsetI020) << 258;
        QTest::newRow("factor 4-20 mA") << int(protocol::wordparam::FactorI420) << 266;
        QTest::newRow("FrequenzMax") << int(protocol::wordparam::FrequenzMax) << 221;
        QTest::newRow("FrequenzMin") << int(protocol::wordparam::FrequenzMin) << 223;
    }
    void word_parameters_land_at_their_addresses() {
        QFETCH(int, k);
        QFETCH(int, address);
        Bench p;
        ask(p, request::writeWord(quint8(k), 0xBEEF));
        ask(p, request::store());
        QCOMPARE(byteOrder::readWord16(eeprom(p), address), quint16(0xBEEF));
    }

    void unknown_parameters_and_commands_get_nak_data() {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("byte parameter 3") << request::writeByte(3, 1) << hex("15");
        QTest::newRow("bad checksum") << hex("0B 00 0C") << hex("15");
        QTest::newRow("unknown command, one NAK for the burst") << hex("7E 01 02 03") << hex("15");
        QTest::newRow("address beyond the EEPROM") << request::eepromByte(1, 512) << hex("15");
    }
    void unknown_parameters_and_commands_get_nak() {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, reply);
        Bench p;
        QCOMPARE(ask(p, frame), reply);
        QCOMPARE(ask(p, request::connectionTest()), hex("10"));
    }

    void direct_eeprom_write_and_support_points() {
        Bench p;
        QCOMPARE(ask(p, request::eepromByte(1, address::Ueberlauf)), hex("10"));
        QCOMPARE(quint8(eeprom(p)[address::Ueberlauf]), quint8(1));
        const QVector<request::SupportPoint> points = {{100, 0.0f}, {60000, 300.0f}};
        QCOMPARE(ask(p, request::supportPointTable(2, points)), hex("10"));
        QCOMPARE(ask(p, request::store()), hex("10"));
        const QByteArray e = eeprom(p);
        QCOMPARE(quint8(e[address::StpAnzahl]), quint8(2));
        QCOMPARE(byteOrder::readWord16(e, address::FirstSupportPoint + 6), quint16(60000));
        QCOMPARE(byteOrder::readFloat32(e, address::FirstSupportPoint + 8), 300.0f);
    }

    void calibration_configuration_is_read_and_written_back() {
        Bench p;
        const QByteArray reply = ask(p, request::readConfig());
        QCOMPARE(reply, hex("10 0D 04 15 18 85 00"));
        const QByteArray kept = reply.mid(protocol::ConfigReplyStart, protocol::ConfigBytes);
        ask(p, request::writeByte(protocol::byteparam::Ausgangsart, 0x02));
        QCOMPARE(ask(p, request::writeConfig(kept)), hex("10"));
        QCOMPARE(p.sim.meter.workingData().left(4), hex("15 18 85 00"));
    }

    void error_status_reports_the_set_code() {
        Bench p;
        p.sim.meter.errorCode = 17;
        QCOMPARE(ask(p, request::errorStatus()), hex("10 11"));
    }

    void counts_follow_measuring_range_and_overflow_data() {
        QTest::addColumn<double>("kgh");
        QTest::addColumn<int>("overflow");
        QTest::addColumn<int>("counts");
        QTest::newRow("half scale") << 75.0 << 0 << 32768;
        QTest::newRow("full scale") << 150.0 << 0 << 65535;
        QTest::newRow("beyond full scale") << 300.0 << 0 << 65535;
        QTest::newRow("below creep flow") << 0.4 << 0 << 0;
        QTest::newRow("with overflow") << 165.0 << 1 << 65535;
        QTest::newRow("a fifth with overflow") << 33.0 << 1 << 13107;
    }
    void counts_follow_measuring_range_and_overflow() {
        QFETCH(double, kgh);
        QFETCH(int, overflow);
        QFETCH(int, counts);
        Bench p;
        p.sim.meter.profile = {FlowProfile::Kind::Constant, kgh};
        ask(p, request::eepromByte(quint8(overflow), address::Ueberlauf));
        QCOMPARE(ask(p, request::counts(false)),
                 char(protocol::DLE) + byteOrder::word16(quint16(counts)));
    }

    void raw_counts_interpolate_the_curve() {
        Bench p;
        p.sim.meter.profile = {FlowProfile::Kind::Constant, 85.0};  // between 70 and 100 kg/h
        QCOMPARE(ask(p, request::counts(true)), char(protocol::DLE) + byteOrder::word16(41000));
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

    void cold_start_needs_two_resets() {
        Bench p;
        p.sim.meter.coldStartNeeded = true;
        QCOMPARE(ask(p, request::eepromImage()).size(), 1);
        ask(p, request::coldStartReset(), 4.0);
        QCOMPARE(ask(p, request::eepromImage()).size(), 1);
        ask(p, request::coldStartReset(), 4.0);
        QCOMPARE(ask(p, request::eepromImage()).size(), 513);
    }

    void a_restarting_meter_answers_only_afterwards() {
        Bench p;
        p.sim.line.restartTime = 3.0;
        QCOMPARE(ask(p, request::resetAfterSupportPoints(), 0.5), hex("10"));
        p.sim.port.output(request::counts(false));
        const double sent = p.clock.now();
        p.clock.waitUntil(
            sent + 10, [&] { return p.sim.port.inBufferCount() == 3; }, Events::All);
        QVERIFY(p.clock.now() > 3.0);
        QVERIFY(p.clock.now() < 3.02);
    }

    void bytes_take_their_line_time() {
        Bench p;
        p.sim.line.latency = 0.010;
        p.sim.port.output(request::counts(false));
        QVector<double> arrival;
        while (arrival.size() < 3) {
            p.clock.waitUntil(
                1.0, [&] { return p.sim.port.inBufferCount() > arrival.size(); }, Events::All);
            arrival.append(p.clock.now());
        }
        const double b = Line::ByteTime;
        QCOMPARE(arrival[0], 3 * b + 0.010 + b);
        QCOMPARE(arrival[2], 3 * b + 0.010 + 3 * b);
    }

    void every_frame_is_logged_with_its_send_time() {
        Bench p;
        ask(p, request::connectionTest(), 2.0);
        ask(p, request::errorStatus(), 1.0);
        QCOMPARE(p.frames(), (QVector<QByteArray>{hex("00 00"), hex("12 12")}));
        QCOMPARE(p.gaps(), QVector<double>{2.0});
    }

    void an_interrupted_frame_is_dropped_after_a_pause() {
        Bench p;
        p.sim.port.output(hex("0B"));
        p.clock.advance(0.2);
        QCOMPARE(ask(p, request::errorStatus()), hex("10 00"));
    }

    void a_vanished_port_cannot_be_opened_and_stays_silent() {
        Bench p;
        p.sim.line.fault.gone = true;
        QCOMPARE(ask(p, request::connectionTest()), QByteArray());
        p.sim.port.closePort();
        QCOMPARE(p.sim.port.openPort().fault, PortError::NotFound);
    }

    void opening_discards_old_bytes() {
        Bench p;
        p.sim.port.deliver(hex("01 02"));
        p.sim.port.closePort();
        QVERIFY(p.sim.port.openPort().ok());
        QCOMPARE(p.sim.port.inBufferCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TstSimulator)
#include "tst_simulator.moc"
