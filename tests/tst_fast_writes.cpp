#include <QtTest>

#include "device/eeprom_map.h"
#include "link/byte_order.h"
#include "link/protocol.h"
#include "session/status_texts.h"
#include "support/bench.h"

Q_DECLARE_METATYPE(WhileBusy)

namespace {

using Result = WriteResult;

constexpr float NewCreep = 0.75f;  // kg/h

// A started meter that drops what arrives while it is busy, with a new
// creep flow ticked for writing, in fast mode or as always.
struct FastBench {
    explicit FastBench(bool fast) {
        b.start();
        b.sim.line.whileBusy = WhileBusy::Drop;
        b.session.linkState.fast = fast;
        b.editAnalog([](AnalogEdit& e) {
            e.chkKonfAnalog[2] = true;
            e.SchleichmengeNeu = NewCreep;
        });
        sent = int(b.frames().size());
    }
    bool holdsNewCreep() const {
        return byteOrder::readFloat32(b.sim.meter.eeprom(), address::Schleichmenge) == NewCreep;
    }
    // Seconds between each frame sent for the write and the one before it.
    QVector<double> gaps() const { return b.gaps().mid(sent); }

    Bench b;
    int sent = 0;
};

}  // namespace

// Given a meter that drops requests while it applies a write, stores or
// restarts, a fast write sends each request as soon as the one before is
// acknowledged, asks for the restarting meter every half second, and claims
// success only when the meter read again holds what was asked.
class TstFastWrites : public QObject {
    Q_OBJECT

private slots:
    void the_restarted_meter_is_asked_for_until_it_answers_data() {
        QTest::addColumn<double>("restart");  // seconds the meter is silent after the reset
        QTest::addColumn<WhileBusy>("whileBusy");
        QTest::addColumn<Result>("result");
        QTest::addColumn<int>("asks");  // and the connection check's own test after them
        QTest::newRow("back after 1 s") << 1.0 << WhileBusy::Drop << Result::Written << 4;
        QTest::newRow("back after 12.2 s") << 12.2 << WhileBusy::Drop << Result::Written << 27;
        // Answers to every ask at once, the last one's among them.
        QTest::newRow("back after 2.2 s, keeping the asks")
            << 2.2 << WhileBusy::Queue << Result::Written << 6;
        // Without a meter to read, the write cannot be said to hold or not.
        QTest::newRow("never back") << 1000.0 << WhileBusy::Drop << Result::Differs << 81;
    }
    void the_restarted_meter_is_asked_for_until_it_answers() {
        QFETCH(double, restart);
        QFETCH(WhileBusy, whileBusy);
        FastBench f(true);
        f.b.sim.line.restartTime = restart;
        f.b.sim.line.whileBusy = whileBusy;
        QTEST(f.b.features.write.KonfigurationSchreiben(), "result");
        const QStringList sent = f.b.commands(f.sent);
        const int reset = int(sent.indexOf("02 01"));
        QStringList asks = sent.mid(reset + 1);
        asks = asks.mid(0, asks.indexOf(QRegularExpression("^(?!00 00).*")));
        QTEST(int(asks.size()), "asks");
        // The requests before the restart follow each acknowledgement at once.
        for (int i = 0; i < reset; ++i)
            QVERIFY2(f.gaps()[i] < 0.3, qPrintable(sent[i]));
        for (int i = reset + 1; i < reset + asks.size() - 1; ++i)
            QCOMPARE(qRound(f.gaps()[i] * 1000), 500);
        QCOMPARE(f.holdsNewCreep(), true);  // stored before the reset, whatever came after
        QCOMPARE(f.b.shown("SB1_1") == startTexts::writeDone(Language::German),
                 restart < protocol::WaitForRestart);
    }

    // A byte left over from an earlier exchange is not taken for the answer
    // to the first request, which would send the next one too early.
    void a_byte_pending_before_a_request_is_no_answer_to_it() {
        FastBench f(true);
        f.b.sim.port.deliver(QByteArray(1, char(protocol::DLE)));
        QCOMPARE(f.b.features.write.KonfigurationSchreiben(), Result::Written);
        QVERIFY(f.holdsNewCreep());
    }

    // A request the meter acknowledges late is waited for up to the fixed
    // second, fast or not; an acknowledgement later than that is none.
    void a_request_waits_for_its_acknowledgement_at_most_the_fixed_second_data() {
        QTest::addColumn<bool>("fast");
        QTest::addColumn<double>("writeTime");
        QTest::addColumn<Result>("result");
        QTest::newRow("fast, acknowledged after 0.9 s") << true << 0.9 << Result::Written;
        QTest::newRow("fast, acknowledged after 1.1 s") << true << 1.1 << Result::Failed;
        QTest::newRow("fixed, acknowledged after 0.9 s") << false << 0.9 << Result::Written;
        QTest::newRow("fixed, acknowledged after 1.1 s") << false << 1.1 << Result::Failed;
    }
    void a_request_waits_for_its_acknowledgement_at_most_the_fixed_second() {
        QFETCH(bool, fast);
        QFETCH(double, writeTime);
        QFETCH(Result, result);
        FastBench f(fast);
        f.b.sim.line.whileBusy = WhileBusy::Queue;  // the fixed waits rely on it after a reset
        f.b.sim.line.writeTime = writeTime;
        QCOMPARE(f.b.features.write.KonfigurationSchreiben(), result);
        QCOMPARE(f.holdsNewCreep(), result == Result::Written);
        if (result == Result::Failed)
            QCOMPARE(f.b.dialogs.texts().value(0), QStringLiteral("Text 13"));
    }
};

QTEST_GUILESS_MAIN(TstFastWrites)
#include "tst_fast_writes.moc"
