#include <QtTest>

#include "link/requests.h"
#include "session/link_messages.h"
#include "support/bench.h"

namespace {

// The messages shown, as "text (title)".
QStringList messages(const Bench& b) {
    QStringList l;
    for (const ShownMessage& m : b.dialogs.shownMessages)
        l << m.text + " (" + m.title + ")";
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
    void good_counts_reply_shows_the_meter_connected_and_polls_on_data() {
        QTest::addColumn<bool>("raw");
        QTest::addColumn<double>("kgh");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("counts");
        QTest::newRow("flow") << false << 75.0 << hex("03 02 01") << 32768;
        QTest::newRow("raw counts follow the curve") << true << 100.0 << hex("03 01 02") << 45000;
    }
    void good_counts_reply_shows_the_meter_connected_and_polls_on() {
        QFETCH(bool, raw);
        QFETCH(double, kgh);
        QFETCH(QByteArray, frame);
        QFETCH(int, counts);
        Bench b;
        b.sim.meter.profile = {FlowProfile::Kind::Constant, kgh};
        b.session.live.CountsRequestActive = raw;
        poll(b);
        QCOMPARE(b.frames(), QVector<QByteArray>{frame});
        QCOMPARE(b.session.live.Counts, counts);
        const DisplayModel& d = b.session.display;
        QCOMPARE(d.background("Lampe"), color::Green);
        QVERIFY(d.visible("Picconnect") && !d.visible("Picdisconnect") && d.visible("AnzAnalog"));
        QVERIFY(b.session.TimCounts().active());
        QVERIFY(b.dialogs.shownMessages.isEmpty());
    }

    void short_counts_reply_shows_text_18_data() {
        QTest::addColumn<int>("cut");
        QTest::addColumn<double>("latency");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("cut to two bytes, OK resumes polling") << 1 << 0.002 << Answer::Ok;
        QTest::newRow("cut to two bytes, Cancel ends the program") << 1 << 0.002 << Answer::Cancel;
        // Two of the three reply bytes arrive before the half second is over.
        QTest::newRow("third byte later than half a second") << 0 << 0.494 << Answer::Ok;
    }
    void short_counts_reply_shows_text_18() {
        QFETCH(int, cut);
        QFETCH(double, latency);
        QFETCH(Answer, answer);
        Bench b;
        b.sim.line.fault.truncated = cut;
        b.sim.line.fault.truncateTo = 2;
        b.sim.line.latency = latency;
        b.dialogs.answers = {answer};
        poll(b);
        QCOMPARE(b.session.linkState.Empfangspuffer.size(), 2);
        QCOMPARE(b.clock.now(), 0.01 + 0.5);  // the reply is waited for half a second
        QCOMPARE(messages(b), QStringList{"Text 18 (Text 19)"});
        QCOMPARE(b.dialogs.shownMessages[0].buttons, Buttons::OkCancel);
        QCOMPARE(b.dialogs.shownMessages[0].symbol, Symbol::Critical);
        QCOMPARE(b.dialogs.ended, answer == Answer::Cancel);
        QCOMPARE(b.session.TimCounts().active(), !b.dialogs.ended);
    }

    void the_fifth_nak_in_a_row_shows_text_17_once_data() {
        QTest::addColumn<QList<Fault>>("faults");
        QTest::addColumn<int>("polls");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("failures");
        const auto naks = [](int n) { return QList<Fault>(n, Fault::Nak); };
        QTest::newRow("OK polls on") << naks(20) << 7 << Answer::Ok << 7;
        QTest::newRow("Cancel ends the program") << naks(20) << 5 << Answer::Cancel << 5;
        // The fifth poll also asks for the status; both replies are DLE here.
        QTest::newRow("a DLE in between starts the count anew")
            << naks(4) + QList<Fault>(2, Fault::None) + naks(4) << 9 << Answer::Ok << 4;
    }
    void the_fifth_nak_in_a_row_shows_text_17_once() {
        QFETCH(QList<Fault>, faults);
        QFETCH(int, polls);
        QFETCH(Answer, answer);
        QFETCH(int, failures);
        Bench b;
        b.sim.line.fault.script = faults;
        b.dialogs.answers = {answer};
        int on = 0;  // polls after which the timer runs again
        for (int i = 0; i < polls; ++i, on += b.session.TimCounts().active())
            poll(b);
        QCOMPARE(b.session.linkState.Fehlversuche, failures);
        // Once, when the count reaches five.
        QCOMPARE(messages(b), failures < 5 ? QStringList() : QStringList{"Text 17 (Text 8)"});
        QCOMPARE(b.dialogs.ended, answer == Answer::Cancel);
        QCOMPARE(on, b.dialogs.ended ? polls - 1 : polls);
    }

    void no_or_garbled_counts_reply_breaks_the_link_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("no reply") << Fault::Silent << Answer::Ok;
        QTest::newRow("blank first byte") << Fault::Garbage << Answer::Ok;
        QTest::newRow("Cancel ends the program, nothing more is sent")
            << Fault::Silent << Answer::Cancel;
    }
    void no_or_garbled_counts_reply_breaks_the_link() {
        QFETCH(Fault, fault);
        QFETCH(Answer, answer);
        Bench b;
        poll(b);  // the meter answered once
        b.sim.line.fault.script = {fault};
        b.dialogs.answers = {answer};
        poll(b);
        QCOMPARE(messages(b), QStringList{"Text 13 (Text 14)"});
        QCOMPARE(b.dialogs.ended, answer == Answer::Cancel);
        const DisplayModel& d = b.session.display;
        QCOMPARE(d.background("Lampe"), color::Grey);
        QVERIFY(!d.visible("Picconnect") && d.visible("Picdisconnect") && !d.visible("raAktuell"));
        for (const char* name : {"mnudatei_7", "frmND.cmdNDLesen", "frmND.cmdNDspeichern"})
            QVERIFY2(!d.enabled(name), name);
        QVERIFY(!b.session.TimCounts().active());
        // After OK the gauge goes and the technician may connect again.
        QCOMPARE(d.visible("AnzAnalog"), b.dialogs.ended);
        QVERIFY(d.enabled("mnuhaupt_1"));
        const int sent = b.frames().size();
        b.session.readError();
        poll(b);
        QCOMPARE(b.frames().size() - sent, b.dialogs.ended ? 0 : 2);
    }

    void connection_test_waits_for_the_dle_data() {
        QTest::addColumn<QByteArray>("stale");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<bool>("connected");
        QTest::newRow("answers") << QByteArray() << Fault::None << true;
        QTest::newRow("answers behind stale bytes") << hex("FF FF") << Fault::None << true;
        QTest::newRow("silent") << QByteArray() << Fault::Silent << false;
        QTest::newRow("garbage") << QByteArray() << Fault::Garbage << false;
    }
    void connection_test_waits_for_the_dle() {
        QFETCH(QByteArray, stale);
        QFETCH(Fault, fault);
        QFETCH(bool, connected);
        Bench b;
        b.sim.port.deliver(stale);
        b.sim.line.fault.script = {fault};
        QCOMPARE(b.session.link().ConnectionTest(), connected);
        QCOMPARE(b.session.linkState.Verbunden, connected);
        QCOMPARE(b.frames(), QVector<QByteArray>{hex("00 00")});
        const double duration = connected ? 0.006 : 2.0;  // the DLE, or the time-out
        QVERIFY(b.clock.now() <= duration + 0.001 && b.clock.now() >= duration - 0.003);
        QVERIFY(b.dialogs.shownMessages.isEmpty());
    }

    void read_error_fills_the_error_row_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("message");
        const QString incomplete = linkTexts::errorQueryIncomplete(Language::German);
        QTest::newRow("EEPROM time-out")
            << 6 << Fault::None << "6 | DLE EEPROM Timeout Fehler" << QString();
        QTest::newRow("under-voltage")
            << 17 << Fault::None << "17 | DLE Unterspannung erkannt" << QString();
        QTest::newRow("no error") << 0 << Fault::None << "0 | DLE " << QString();
        QTest::newRow("no reply is reported with the procedure's name")
            << 0 << Fault::Silent << " | " << incomplete + ", SUB readError";
    }
    void read_error_fills_the_error_row() {
        QFETCH(int, code);
        QFETCH(Fault, fault);
        QFETCH(QString, row);
        QFETCH(QString, message);
        Bench b;
        b.sim.meter.errorCode = code;
        b.sim.line.fault.script = {fault};
        b.sim.port.deliver(hex("AA"));  // left over; discarded before asking
        b.session.readError();
        const DisplayModel& d = b.session.display;
        QCOMPARE(d.cell("tabError", 1, 1) + " | " + d.cell("tabError", 1, 2), row);
        QCOMPARE(b.dialogs.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(b.frames(), QVector<QByteArray>{hex("12 12")});
        QVERIFY(qAbs(b.clock.now() - 1.0) < 1e-9);  // the fixed second, however it ends
    }

    // Each try is one fixed exchange: the frame, a second, and what arrived.
    void a_write_is_repeated_until_it_is_taken_data() {
        QTest::addColumn<Repeat>("repeat");
        QTest::addColumn<QList<Fault>>("faults");
        QTest::addColumn<int>("tries");
        QTest::addColumn<ReplyKind>("kind");
        const auto nak = Repeat::WhileRejected;
        const auto dle = Repeat::UntilAcknowledged;
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
