#include <QtTest>

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

// A started uncalibrated meter; `frames()` are those sent since.
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
    void the_reset_runs_its_requests_in_order_and_restores_the_factory_calibration() {
        ResetBench r;
        QByteArray erased = uncalibrated();  // the meter's references too, as the session read them
        erased.replace(address::DacReferenz, 32, QByteArray(32, '\0'));
        r.b.sim.meter = Meter(erased);
        QVERIFY(r.b.session.calibrationReset());
        const QVector<QByteArray> f = r.frames();
        QCOMPARE(runs(f),
                 (QStringList{"0D x1", "0F x18", "09 x4", "0E x1", "0D x1", "0F x18", "09 x4",
                              "0E x1", "0F x32", "12 x1", "05 x1", "12 x1", "02 x1"}));
        QCOMPARE(f.first(), hex("0D 04 09"));
        QCOMPARE(f[1], hex("0F 01 01 C2 CD"));              // 0x01 to 450, address high byte first
        QCOMPARE(f[23].mid(1, 4), uncalibrated().left(4));  // the configuration as kept
        QCOMPARE(f.last(), hex("02 00 02"));
        QCOMPARE(r.b.sim.meter.eeprom(), images::standard());  // points, words and references
        QVERIFY(r.b.dialogs.shownMessages.isEmpty());
        const QStringList log = r.b.session.display.get("lst_rs232", Aspect::Items).toStringList();
        QVERIFY2(log.value(0).startsWith("CONFIG : "), qPrintable(log.value(0)));
        for (const char* line : {"WRITE I ADD. : DLE", "WRITE F ADD. : DLE", "OFFSET 1 : DLE",
                                 "FACTOR 2 : DLE", "SAVE EEPROM : DLE"})
            QVERIFY2(log.contains(line), line);
    }

    // Offset 1, factor 1, offset 2, factor 2 of the current stage, then of the
    // voltage stage; a negative offset is sent as sign bit and magnitude.
    void each_stage_sends_four_words_data() {
        QTest::addColumn<float>("reference");  // the first voltage reference level
        QTest::addColumn<QString>("words");    // index:value
        QTest::addColumn<QString>("message");
        QTest::newRow("default references")
            << 0.0f << "7:143 8:52550 9:10895 10:41810 5:44 6:58406 3:44 4:29193"
            << "";
        QTest::newRow("a negative voltage offset")
            << -0.008f << "7:143 8:52550 9:10895 10:41810 5:32771 6:58453 3:44 4:29193"
            << "Analog Offset außerhalb Toleranz";
    }
    void each_stage_sends_four_words() {
        QFETCH(float, reference);
        ResetBench r;
        r.b.session.meter.DacReferenz[1] = reference;
        QVERIFY(r.b.session.calibrationReset());
        QStringList sent;
        for (const QByteArray& f : r.frames())
            if (f[0] == 0x09)
                sent << QString("%1:%2").arg(quint8(f[1])).arg(quint8(f[2]) << 8 | quint8(f[3]));
        QTEST(sent.join(' '), "words");
        QTEST(r.b.dialogs.texts().join('|'), "message");
        QCOMPARE(r.frames().last(), hex("02 00 02"));  // the sequence went on
    }

    // Whether the meter falls silent or rejects, the reset ends with one
    // message, before anything is stored or the meter restarted.
    void a_meter_that_stops_acknowledging_ends_the_reset_data() {
        QTest::addColumn<int>("answered");  // replies before the meter stops
        QTest::addColumn<bool>("silent");   // otherwise NAK
        QTest::addColumn<QString>("message");
        const QString gaveUp = linkTexts::notAccepted(Language::German, Link::MaxSendAttempts);
        QTest::newRow("silent at the configuration read") << 0 << true << "Text 13";
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
