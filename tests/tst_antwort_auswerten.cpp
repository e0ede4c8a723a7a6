#include <QtTest>

#include "link/requests.h"
#include "session/link_messages.h"
#include "support/bench.h"

namespace {

// The messages shown, as "text (title)", marked "OK" when that is the only button and "other"
// unless they ask OK or Cancel.
QStringList messages(const Bench& b) {
    QStringList l;
    for (const ShownMessage& m : b.dialogs.shownMessages)
        l << m.text + " (" + m.title + ")" +
                 (m.buttons == Buttons::OkCancel ? ""
                  : m.buttons == Buttons::Ok     ? " OK"
                                                 : " other");
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
// An EEPROM image is kept whole, or read again after a pause and reported, the previous image
// kept when the read fails.
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
        const int sent = b.frames().size();
        b.session.readError();
        poll(b);
        QCOMPARE(b.frames().size() - sent, b.dialogs.ended ? 0 : 2);
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

    // A reply to an earlier request, arriving late, leads the image: the first
    // 513 bytes are whole in number but shifted, and two more follow.
    void an_image_led_by_a_late_reply_is_read_again() {
        Bench b;
        b.clock.schedule(0.001, [&b] { b.sim.port.deliver(hex("10 11")); });
        QVERIFY(b.session.EEPromLesen());
        QCOMPARE(b.session.linkState.EEPromInhalt, replyWith(images::standard()));
        QCOMPARE(b.frames(), QVector<QByteArray>(2, hex("0B 00 0B")));
        QVERIFY(b.dialogs.shownMessages.isEmpty());
    }

    void a_short_reply_is_read_again_data() {
        QTest::addColumn<QList<Fault>>("faults");
        QTest::addColumn<int>("cutTo");
        QTest::addColumn<bool>("read");
        QTest::addColumn<int>("requests");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("failures");
        QTest::addColumn<bool>("broken");
        const auto de = Language::German;
        const auto shortReplies = [](int n) { return QList<Fault>(n, Fault::Truncated); };
        const QString germanRestart = "Bitte starten Sie das Programm neu. (Kritischer Fehler) OK";
        const QStringList broken{"Text 13 (Text 14)"};
        QTest::newRow("two short replies")
            << shortReplies(2) << 100 << true << 3 << QStringList() << 0 << false;
        // The fifth short re-read asks for a restart; a whole image ends the run of failures.
        QTest::newRow("restart") << shortReplies(7) << 512 << true << 8
                                 << QStringList{germanRestart} << 0 << false;
        QTest::newRow("given up after ten re-reads")
            << shortReplies(20) << 1 << false << 11
            << QStringList{germanRestart, linkTexts::eepromGaveUp(de, 10) + " (Kritischer Fehler)"}
            << 10 << true;
        // A refused image is reported; without an image nothing is polled.
        const QStringList refused{linkTexts::imageRefused(de) + " (Kritischer Fehler) OK"};
        QTest::newRow("NAK to the request")
            << QList<Fault>{Fault::Nak} << 10 << false << 1 << refused << 1 << false;
        QTest::newRow("NAK to a re-read ends it")
            << (shortReplies(1) << Fault::Nak) << 10 << false << 2 << refused << 1 << false;
        QTest::newRow("garbage to a re-read breaks the link")
            << (shortReplies(1) << Fault::Garbage) << 10 << false << 2 << broken << 0 << true;
        QTest::newRow("silence to a re-read breaks the link")
            << (shortReplies(1) << Fault::Silent) << 10 << false << 2 << broken << 0 << true;
    }
    void a_short_reply_is_read_again() {
        QFETCH(QList<Fault>, faults);
        QFETCH(int, cutTo);
        QFETCH(bool, read);
        QFETCH(int, requests);
        QFETCH(bool, broken);
        Bench b;
        b.session.linkState.EEPromInhalt = "old";
        b.sim.line.fault.script = faults;
        b.sim.line.fault.truncateTo = cutTo;
        QCOMPARE(b.session.EEPromLesen(), read);
        QCOMPARE(b.frames(), QVector<QByteArray>(requests, hex("0B 00 0B")));
        for (double gap : b.gaps())  // 8 s for the short reply and the pause of 1 s
            QVERIFY(qAbs(gap - 9.0) < 0.01);
        QTEST(messages(b), "shown");
        QTEST(b.session.linkState.Fehlversuche, "failures");
        // Only a complete image replaces the previous one.
        QCOMPARE(b.session.linkState.EEPromInhalt,
                 read ? replyWith(images::standard()) : QByteArray("old"));
        // A broken link greys the lamp, stops the polling and locks what needs the meter.
        const DisplayModel& d = b.session.display;
        QCOMPARE(d.background("Lampe") == color::Grey, broken);
        QCOMPARE(d.enabled("frmND.cmdNDLesen"), !broken);
        QVERIFY(!b.session.TimCounts().active());
    }
};

QTEST_GUILESS_MAIN(TstAntwortAuswerten)
#include "tst_antwort_auswerten.moc"
