#include <QtTest>

#include "device/eeprom_map.h"
#include "link/byte_order.h"
#include "link/link.h"
#include "support/bench.h"
#include "support/progress_log.h"

Q_DECLARE_METATYPE(WriteResult)

namespace {

using Result = WriteResult;
using byteOrder::readWord16;

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

// A started meter without trim words and DAC points; `frames()` are those sent since.
struct ResetBench {
    ResetBench() : b(uncalibrated(false)) {
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
        r.b.sim.meter = Meter(uncalibrated());  // its references too, unlike the image read
        const ProgressLog progress(r.b.session);
        QCOMPARE(r.b.features.calibration.calibrationReset(), Result::Written);
        QCOMPARE(progress.fault(89), QString());  // 87 s of requests and the read
        const QVector<QByteArray> f = r.frames();
        QCOMPARE(runs(f.mid(0, f.indexOf(hex("02 00 02")) + 1)),
                 (QStringList{"0D x1", "0F x18", "09 x4", "0E x1", "0D x1", "0F x18", "09 x4",
                              "0E x1", "0F x32", "12 x1", "05 x1", "12 x1", "02 x1"}));
        QCOMPARE(f.first(), hex("0D 04 09"));
        QCOMPARE(f[1], hex("0F 01 01 C2 CD"));  // 0x01 to 450, address high byte first
        QCOMPARE(f[23].mid(1, 4), images::standard().left(4));  // the configuration as kept
        QCOMPARE(r.b.sim.meter.eeprom(), images::standard());   // points, words and references
        QVERIFY(r.b.dialogs.shownMessages.isEmpty());
        QVERIFY(r.b.session.TimCounts().active());  // read again, and polling goes on
        const QStringList log = r.b.session.display.get("lst_rs232", Aspect::Items).toStringList();
        QVERIFY2(log.value(0).startsWith("CONFIG : "), qPrintable(log.value(0)));
        for (const char* line : {"WRITE I ADD. : DLE", "WRITE F ADD. : DLE", "OFFSET 1 : DLE",
                                 "FACTOR 2 : DLE", "SAVE EEPROM : DLE"})
            QVERIFY2(log.contains(line), line);
    }

    // The words of each stage, offset 1, factor 1, offset 2, factor 2, follow
    // from the references read; a negative offset is sent as sign bit and
    // magnitude. A request the meter still rejects after the link's bound of
    // tries is named, and the sequence goes on: the configuration is given
    // back after each stage, the meter stores, restarts and is read again, and
    // each value it holds otherwise is named. Only a silent meter ends it early.
    void each_request_is_taken_or_named_data() {
        QTest::addColumn<float>("reference");  // the first voltage reference level
        QTest::addColumn<int>("answered");     // replies before the meter refuses ...
        QTest::addColumn<bool>("silent");      // ... or falls silent, as often as the link tries
        QTest::addColumn<Result>("result");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("givenBack");  // times the configuration was given back
        QTest::newRow("a negative voltage offset")
            << -0.008f << 1000 << false << Result::Written
            << QStringList{"Analog Offset außerhalb Toleranz"} << 2;
        QTest::newRow("the first offset word refused")
            << 0.0f << 19 << false << Result::Differs
            << QStringList{"Das Messgerät hat OFFSET 1 (I) abgelehnt.\n"
                           "AnalogTrim[3]: verlangt 143, das Messgerät hält 0"}
            << 2;
        QTest::newRow("the first point refused")
            << 0.0f << 1 << false << Result::Differs
            << QStringList{"Das Messgerät hat WRITE I ADD. 450 abgelehnt.\n"
                           "DacCountsI[1]: verlangt 511, das Messgerät hält 0"}
            << 2;
        QTest::newRow("silent at the references")
            << 0.0f << 50 << true << Result::Failed << QStringList{"Text 13"} << 2;
    }
    void each_request_is_taken_or_named() {
        QFETCH(float, reference);
        QFETCH(int, answered);
        QFETCH(bool, silent);
        QFETCH(int, givenBack);
        ResetBench r;
        r.b.session.meter.DacReferenz[1] = reference;
        r.b.sim.line.fault.script =
            QList<Fault>(answered, Fault::None) +
            QList<Fault>(Link::MaxSendAttempts, silent ? Fault::Silent : Fault::Nak);
        const Result got = r.b.features.calibration.calibrationReset();
        QStringList words, sent = runs(r.frames());
        for (const QByteArray& f : r.frames())
            if (f[0] == 0x09) words << QString("%1:%2").arg(quint8(f[1])).arg(readWord16(f, 2));
        if (reference < 0)  // offset 1, factor 1, offset 2, factor 2 of each stage
            QCOMPARE(words.join(' '),
                     "7:143 8:52550 9:10895 10:41810 5:32771 6:58453 3:44 4:29193");
        QCOMPARE(sent.count("0E x1"), givenBack);
        QCOMPARE(sent.contains("02 x1"), !silent);  // stored and restarted
        QTEST(got, "result");
        QTEST(r.b.dialogs.texts(), "messages");
        QVERIFY(!r.b.session.busy());
    }
};

QTEST_GUILESS_MAIN(TstCalibrationReset)
#include "tst_calibration_reset.moc"
