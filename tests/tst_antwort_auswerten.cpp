#include <QtTest>

#include "link/requests.h"
#include "session/link_messages.h"
#include "support/bench.h"

namespace {

// The messages shown, as "text (title)"; any but a critical OK/Cancel question is marked.
QStringList messages(const Bench& b) {
    QStringList l;
    for (const ShownMessage& m : b.dialogs.shownMessages) {
        const bool question = m.buttons == Buttons::OkCancel && m.symbol == Symbol::Critical;
        l << m.text + " (" + m.title + (question ? ")" : ") other box");
    }
    return l;
}

// The polling timer fires once, 10 ms after it was switched on.
void poll(Bench& b) {
    b.session.TimCounts().on();
    b.clock.advance(0.01);
}

}  // namespace

// Given the simulated meter answering (or failing to), when the link exchanges a frame, then it
// says what came back and the session reacts on the window, in messages and with the polling.
class TstAntwortAuswerten : public QObject {
    Q_OBJECT

private slots:
    // After one good reply the meter answers the next `polls` polls as scripted.
    void each_counts_reply_decides_the_message_the_lamp_and_the_polling_data() {
        QTest::addColumn<QList<Fault>>("faults");  // a short reply keeps DLE and one byte
        QTest::addColumn<double>("latency");
        QTest::addColumn<int>("polls");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("failures");  // NAKs in a row at the end
        QTest::addColumn<int>("received");  // bytes of the first scripted reply
        const auto row = [](const char* name, const QList<Fault>& faults, int polls, Answer answer,
                            const QString& shown, int failures, int received,
                            double latency = 0.002) {
            QTest::newRow(name) << faults << latency << polls << answer << shown << failures
                                << received;
        };
        const QList<Fault> cut{Fault::Truncated}, cuts(7, Fault::Truncated), naks(20, Fault::Nak);
        const QString broken = "Text 13 (Text 14)", wrong = "Text 18 (Text 19)";
        const auto ok = Answer::Ok, cancel = Answer::Cancel;
        row("raw counts follow the curve", {}, 1, ok, "", 0, 3);
        row("blank first byte", {Fault::Garbage}, 1, ok, broken, 0, 3);
        row("no reply, Cancel ends the program, nothing more is sent", {Fault::Silent}, 1, cancel,
            broken, 0, 0);
        row("short, Cancel ends the program", cut, 1, cancel, wrong, 0, 2);
        // The meter answers, if short: a run of short replies is reported once, polling goes on.
        row("seven short replies, OK polls on", cuts, 7, ok, wrong, 0, 2);
        // Two of the three reply bytes arrive before the half second is over; OK polls on.
        row("third byte later than half a second", {}, 1, ok, wrong, 0, 2, 0.494);
        // The fifth NAK in a row is reported once.
        row("NAKs, OK polls on", naks, 7, ok, "Text 17 (Text 8)", 7, 1);
        row("NAKs, Cancel ends the program", naks, 5, cancel, "Text 17 (Text 8)", 5, 1);
        // The fifth poll also asks for the status; both replies are DLE here.
        row("a DLE in between starts the count anew",
            naks.mid(0, 4) + QList<Fault>(2, Fault::None) + naks.mid(0, 4), 9, ok, "", 4, 1);
    }
    void each_counts_reply_decides_the_message_the_lamp_and_the_polling() {
        QFETCH(QList<Fault>, faults);
        QFETCH(double, latency);
        QFETCH(int, polls);
        QFETCH(Answer, answer);
        QFETCH(QString, shown);
        QFETCH(int, received);
        const bool connected = shown != "Text 13 (Text 14)";  // the broken link's message
        Bench b;
        b.sim.meter.profile = {FlowProfile::Kind::Constant, 100.0};
        b.session.live.CountsRequestActive = true;
        poll(b);
        b.session.live.Zyklus = 0;  // the status is asked with the fifth poll from here
        b.sim.line.fault.script = faults;
        b.sim.line.fault.truncateTo = 2;
        b.sim.line.latency = latency;
        b.dialogs.answers = {answer};
        const double before = b.clock.now();
        poll(b);
        QCOMPARE(b.session.linkState.Empfangspuffer.size(), received);
        // A reply short of three bytes is waited for half a second.
        if (received < 3) QCOMPARE(b.clock.now() - before, 0.01 + 0.5);
        int on = b.session.TimCounts().active();  // polls after which the timer runs again
        for (int i = 1; i < polls; ++i, on += b.session.TimCounts().active())
            poll(b);
        QCOMPARE(b.frames().count(hex("03 01 02")), 1 + polls);
        QCOMPARE(b.frames().size(), 1 + polls + polls / 5);  // and the status with every fifth
        QCOMPARE(b.session.live.Counts, 2812);
        QTEST(b.session.linkState.Fehlversuche, "failures");
        QCOMPARE(messages(b), shown.isEmpty() ? QStringList() : QStringList{shown});
        QCOMPARE(b.dialogs.ended, answer == Answer::Cancel);
        QCOMPARE(on, connected && !b.dialogs.ended ? polls : polls - 1);
        const DisplayModel& d = b.session.display;
        QCOMPARE(d.background("Lampe"), connected ? color::Green : color::Grey);
        QVERIFY(d.visible("Picconnect") == connected && d.visible("Picdisconnect") == !connected);
        // After OK on a broken link the gauge goes and the technician may connect again.
        QCOMPARE(d.visible("AnzAnalog"), connected || b.dialogs.ended);
        if (connected) return;
        QVERIFY(!d.visible("raAktuell"));
        for (const char* name : {"mnudatei_7", "frmND.cmdNDLesen", "frmND.cmdNDspeichern"})
            QVERIFY2(!d.enabled(name), name);
        QVERIFY(d.enabled("mnuhaupt_1"));
        const int sent = b.frames().size();
        b.session.readError();
        poll(b);
        QCOMPARE(b.frames().size() - sent, b.dialogs.ended ? 0 : 2);
    }

    void connection_test_waits_for_the_dle_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<bool>("connected");
        QTest::newRow("answers") << Fault::None << true;
        QTest::newRow("silent") << Fault::Silent << false;
        QTest::newRow("garbage") << Fault::Garbage << false;
    }
    void connection_test_waits_for_the_dle() {
        QFETCH(Fault, fault);
        QFETCH(bool, connected);
        Bench b;
        if (connected) b.sim.port.deliver(hex("FF FF"));  // stale bytes before the DLE
        b.sim.line.fault.script = {fault};
        QCOMPARE(b.session.link().testConnection(), connected);
        QCOMPARE(b.session.linkState.Verbunden, connected);
        QCOMPARE(b.frames(), QVector<QByteArray>{hex("00 00")});
        const double duration = connected ? 0.006 : 2.0;  // the DLE, or the time-out
        QVERIFY(b.clock.now() <= duration + 0.001 && b.clock.now() >= duration - 0.003);
    }

    void read_error_fills_the_error_row_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QStringList>("shown");  // the row, then any messages
        QTest::newRow("under-voltage")
            << Fault::None << QStringList{"17 | DLE Unterspannung erkannt"};
        QTest::newRow("no reply is reported with the procedure's name")
            << Fault::Silent
            << QStringList{" | ",
                           linkTexts::errorQueryIncomplete(Language::German) + ", SUB readError"};
    }
    void read_error_fills_the_error_row() {
        QFETCH(Fault, fault);
        Bench b;
        b.sim.meter.errorCode = 17;
        b.sim.line.fault.script = {fault};
        b.sim.port.deliver(hex("AA"));  // left over; discarded before asking
        b.session.readError();
        const DisplayModel& d = b.session.display;
        const QString row = d.cell("tabError", 1, 1) + " | " + d.cell("tabError", 1, 2);
        QTEST(QStringList{row} + b.dialogs.texts(), "shown");
        QCOMPARE(b.frames(), QVector<QByteArray>{hex("12 12")});
        QVERIFY(qAbs(b.clock.now() - 1.0) < 1e-9);  // the fixed second, however it ends
    }

    // Each try is one fixed exchange: the frame, a second, and what arrived.
    void a_write_is_repeated_until_it_is_taken_data() {
        QTest::addColumn<Repeat>("repeat");
        QTest::addColumn<QList<Fault>>("faults");
        QTest::addColumn<int>("tries");
        QTest::addColumn<ReplyKind>("kind");
        const auto nak = Repeat::WhileRejected, dle = Repeat::UntilAcknowledged;
        const auto ack = ReplyKind::Acknowledged;
        QTest::newRow("accepted at once") << nak << QList<Fault>{} << 1 << ack;
        QTest::newRow("two NAKs") << nak << QList<Fault>{Fault::Nak, Fault::Nak} << 3 << ack;
        QTest::newRow("no reply ends a NAK loop")
            << nak << QList<Fault>{Fault::Silent} << 1 << ReplyKind::NoAnswer;
        QTest::newRow("no reply is retried until DLE")
            << dle << QList<Fault>{Fault::Silent, Fault::Garbage} << 3 << ack;
        QTest::newRow("a meter that never accepts is given up after ten tries")
            << dle << QList<Fault>(20, Fault::Nak) << Link::MaxSendAttempts << ReplyKind::Rejected;
    }
    void a_write_is_repeated_until_it_is_taken() {
        QFETCH(Repeat, repeat);
        QFETCH(QList<Fault>, faults);
        QFETCH(int, tries);
        QFETCH(ReplyKind, kind);
        Bench b;
        b.sim.line.fault.script = faults;
        b.dialogs.answers = {Answer::Cancel};
        const Reply r = b.session.sendRepeated(request::store(), repeat);
        QCOMPARE(r.kind, kind);
        const bool givenUp = tries == Link::MaxSendAttempts;
        QCOMPARE(r.exhausted, givenUp);
        QCOMPARE(b.frames(), QVector<QByteArray>(tries, request::store()));
        QCOMPARE(b.gaps(), QVector<double>(tries - 1, 1.0));
        QVERIFY(qAbs(b.clock.now() - tries) < 1e-9);
        // Only a meter that never takes the write is reported; Cancel then ends the program.
        QCOMPARE(
            b.dialogs.texts(),
            givenUp ? QStringList{linkTexts::notAccepted(Language::German, tries)} : QStringList{});
        QCOMPARE(b.dialogs.ended, givenUp);
    }
};

QTEST_GUILESS_MAIN(TstAntwortAuswerten)
#include "tst_antwort_auswerten.moc"
