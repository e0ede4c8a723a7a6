#include <QtTest>
#include <cstring>
#include <numeric>

#include "device/eeprom_map.h"
#include "link/link.h"
#include "session/link_messages.h"
#include "support/bench.h"

namespace {

// The standard meter with its output trim words and DAC points erased to 0.
QByteArray uncalibrated() {
    QByteArray e = images::standard();
    for (int a : address::AnalogTrim)
        e.replace(a, 2, QByteArray(2, '\0'));
    e.replace(address::DacPointsU, 36, QByteArray(36, '\0'));
    return e;
}

QByteArray lsbFirst(float v) {
    quint32 bits = 0;
    std::memcpy(&bits, &v, 4);
    QByteArray b;
    for (int shift = 0; shift < 32; shift += 8)
        b += char(bits >> shift);
    return b;
}

// Command bytes with repeats folded: "0F x18".
QStringList runs(const QVector<QByteArray>& frames) {
    QStringList l;
    for (int i = 0; i < frames.size(); ++i) {
        int n = 1;
        while (i + 1 < frames.size() && frames[i + 1][0] == frames[i][0])
            ++n, ++i;
        l << QString::fromLatin1(frames[i].left(1).toHex().toUpper()) + " x" + QString::number(n);
    }
    return l;
}

// The words of the 09 requests in order, as "index:value".
QStringList words(const QVector<QByteArray>& frames) {
    QStringList l;
    for (const QByteArray& f : frames)
        if (f[0] == 0x09)
            l << QString("%1:%2").arg(quint8(f[1])).arg(quint8(f[2]) << 8 | quint8(f[3]));
    return l;
}

struct ResetBench {
    ResetBench() : b(uncalibrated()) {
        b.start();
        sent = b.frames().size();
    }
    QVector<QByteArray> frames() const { return b.frames().mid(sent); }
    Bench b;
    int sent = 0;
};

}  // namespace

// Given a connected meter, the calibration reset writes the default points of
// both output stages, their offset and factor words and the default reference
// levels, stores them and restarts the meter, logging each exchange.
class TstCalibrationReset : public QObject {
    Q_OBJECT

private slots:
    void the_reset_runs_its_requests_in_order() {
        ResetBench r;
        QVERIFY(r.b.session.calibrationReset());
        const QVector<QByteArray> f = r.frames();
        QCOMPARE(runs(f),
                 (QStringList{"0D x1", "0F x18", "09 x4", "0E x1", "0D x1", "0F x18", "09 x4",
                              "0E x1", "0F x32", "12 x1", "05 x1", "12 x1", "02 x1"}));
        QCOMPARE(f.first(), hex("0D 04 09"));
        QCOMPARE(f[1], hex("0F 01 01 C2 CD"));  // 0x01 to 450, address high byte first
        for (const QByteArray& frame : f)
            if (frame[0] == 0x0E) QCOMPARE(frame.mid(1, 4), uncalibrated().left(4));  // as kept
        QCOMPARE(f.last(), hex("02 00 02"));
        for (const QByteArray& frame : f)  // each ends with the XOR of the others
            QCOMPARE(std::accumulate(frame.begin(), frame.end(), char(0), std::bit_xor<char>()),
                     char(0));
        const QByteArray e = r.b.sim.meter.eeprom();
        const int trim[8] = {44, 44, 143, 10895, 29193, 58406, 52550, 41810};  // U1 U2 I1 I2
        for (int i = 0; i < 8; ++i)  // offsets, then factors
            QCOMPARE(quint8(e[address::AnalogTrim[i]]) << 8 | quint8(e[address::AnalogTrim[i] + 1]),
                     trim[i]);
        QCOMPARE(e, images::standard());  // default points and references, nothing else touched
        QVERIFY(!r.b.session.TimCounts().active());
        QVERIFY(r.b.dialogs.shownMessages.isEmpty());
    }

    // One 0F request per byte: words high byte first, levels least significant byte first.
    void absolute_writes_carry_one_byte_each_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("current point 1 counts") << 450 << hex("01 FF");
        QTest::newRow("current point 1 level") << 452 << lsbFirst(0.035001f);
        QTest::newRow("voltage point 3 counts") << 444 << hex("EC AE");
        QTest::newRow("voltage point 3 level") << 446 << lsbFirst(10.37001f);
        QTest::newRow("0 V reference") << 400 << lsbFirst(0.0f);
        QTest::newRow("10 V reference") << 404 << lsbFirst(9.9999f);
        QTest::newRow("4 mA reference") << 424 << lsbFirst(4.0f);
        QTest::newRow("last 20 mA reference") << 428 << lsbFirst(20.0f);
    }
    void absolute_writes_carry_one_byte_each() {
        QFETCH(int, address);
        QFETCH(QByteArray, bytes);
        ResetBench r;
        r.b.session.calibrationReset();
        QByteArray written(bytes.size(), '?');
        for (const QByteArray& f : r.frames()) {
            const int at = (quint8(f[2]) << 8 | quint8(f[3])) - address;
            if (f[0] == 0x0F && f.size() == 5 && at >= 0 && at < bytes.size()) written[at] = f[1];
        }
        QCOMPARE(written, bytes);
    }

    // Offset 1, factor 1, offset 2, factor 2 of the current stage, then of the
    // voltage stage; a negative offset is sent as sign bit and magnitude.
    void each_stage_sends_four_words_data() {
        QTest::addColumn<float>("reference");  // the first voltage reference level
        QTest::addColumn<QString>("words");    // "*": any value
        QTest::addColumn<int>("warnings");
        QTest::newRow("default references")
            << 0.0f << "7:143 8:52550 9:10895 10:41810 5:44 6:58406 3:44 4:29193" << 0;
        QTest::newRow("a negative voltage offset")
            << -0.008f << "7:143 8:52550 9:10895 10:41810 5:32771 6:* 3:44 4:29193" << 1;
    }
    void each_stage_sends_four_words() {
        QFETCH(float, reference);
        QFETCH(QString, words);
        QFETCH(int, warnings);
        ResetBench r;
        r.b.session.meter.DacReferenz[1] = reference;
        QVERIFY(r.b.session.calibrationReset());
        QStringList sent = ::words(r.frames());
        const QStringList expected = words.split(' ');
        for (int i = 0; i < qMin(sent.size(), expected.size()); ++i)
            if (expected[i].endsWith('*')) sent[i] = sent[i].section(':', 0, 0) + ":*";
        QCOMPARE(sent, expected);
        QCOMPARE(r.b.dialogs.shownMessages.size(), warnings);
        for (const ShownMessage& m : r.b.dialogs.shownMessages) {
            QCOMPARE(m.text, QStringLiteral("Analog Offset außerhalb Toleranz"));
            QCOMPARE(m.title, QStringLiteral("Fehler bei DAC Abgleich"));
        }
        QCOMPARE(r.frames().last(), hex("02 00 02"));  // the sequence went on
    }

    void the_log_lists_each_exchange_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("count");
        QTest::newRow("counts written") << "WRITE I ADD. : DLE" << 12;
        QTest::newRow("levels written") << "WRITE F ADD. : DLE" << 12 + 12 + 32;
        QTest::newRow("offset 1") << "OFFSET 1 : DLE" << 2;
        QTest::newRow("factor 2") << "FACTOR 2 : DLE" << 2;
        QTest::newRow("configuration restored") << "CONFIG : DLE" << 2;
        QTest::newRow("stored") << "SAVE EEPROM : DLE" << 1;
    }
    void the_log_lists_each_exchange() {
        QFETCH(QString, line);
        QFETCH(int, count);
        ResetBench r;
        r.b.session.calibrationReset();
        const QStringList log = r.b.session.display.get("lst_rs232", Aspect::Items).toStringList();
        QVERIFY2(log.value(0).startsWith("CONFIG : "), qPrintable(log.value(0)));
        QCOMPARE(log.count(line), count);
    }

    // Whether the meter falls silent or rejects, the reset ends with one
    // message, before anything is stored or the meter restarted.
    void a_meter_that_stops_acknowledging_ends_the_reset_data() {
        QTest::addColumn<int>("answered");  // replies before the meter stops
        QTest::addColumn<bool>("silent");   // otherwise NAK
        QTest::addColumn<QString>("message");
        const QString gaveUp = linkTexts::notAccepted(Language::German, Link::MaxSendAttempts);
        QTest::newRow("silent at the configuration read") << 0 << true << "Text 13";
        QTest::newRow("silent at the absolute writes") << 3 << true << gaveUp;
        QTest::newRow("rejecting the absolute writes") << 3 << false << gaveUp;
        QTest::newRow("silent at the words") << 19 << true << "Text 13";
        QTest::newRow("silent at the references") << 50 << true << gaveUp;
    }
    void a_meter_that_stops_acknowledging_ends_the_reset() {
        QFETCH(int, answered);
        QFETCH(bool, silent);
        QFETCH(QString, message);
        ResetBench r;
        r.b.sim.line.fault.script = QList<Fault>(answered, Fault::None);
        (silent ? r.b.sim.line.fault.silent : r.b.sim.line.fault.nak) = 1000;
        QVERIFY(!r.b.session.calibrationReset());
        QCOMPARE(r.b.dialogs.texts(), QStringList{message});
        const QStringList sent = runs(r.frames());
        QVERIFY(!sent.contains("05 x1") && !sent.contains("02 x1"));
        QVERIFY(r.frames().size() - answered <= Link::MaxSendAttempts);  // tried, then given up
        QVERIFY(!r.b.session.busy());
    }
};

QTEST_GUILESS_MAIN(TstCalibrationReset)
#include "tst_calibration_reset.moc"
