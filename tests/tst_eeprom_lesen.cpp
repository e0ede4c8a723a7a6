#include <QtTest>

#include "link/protocol.h"
#include "session/link_messages.h"
#include "support/bench.h"

namespace {

// The messages shown, as "text (title)", marked "OK" when that is the only button.
QStringList messages(const Bench& b) {
    QStringList l;
    for (const ShownMessage& m : b.dialogs.shownMessages)
        l << m.text + " (" + m.title + (m.buttons == Buttons::Ok ? ") OK" : ")");
    return l;
}

}  // namespace

// Given a meter whose EEPROM replies arrive whole, short or not at all, when
// the session reads the image, then it keeps it, or reads again after a pause
// and reports, and keeps the previous image when the read fails.
class TstEEPromLesen : public QObject {
    Q_OBJECT

private slots:
    void a_complete_image_is_kept_with_its_dle() {
        Bench b;
        QVERIFY(b.session.EEPromLesen());
        QCOMPARE(b.session.linkState.EEPromInhalt, replyWith(images::standard()));
        QCOMPARE(b.frames(), QVector<QByteArray>{hex("0B 00 0B")});
        // 3 request bytes and 513 reply bytes at 9600 baud plus the meter's latency, and
        // the pause that shows nothing follows the image.
        QVERIFY(qAbs(b.clock.now() - (516 * Line::ByteTime + b.sim.line.latency +
                                      protocol::ImageTrailingGap)) < 1e-6);
        QVERIFY(b.dialogs.shownMessages.isEmpty());
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
        QTest::addColumn<Language>("language");
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
            << de << shortReplies(2) << 100 << true << 3 << QStringList() << 0 << false;
        // The fifth short re-read asks for a restart; a whole image ends the run of failures.
        QTest::newRow("restart, German") << de << shortReplies(7) << 512 << true << 8
                                         << QStringList{germanRestart} << 0 << false;
        QTest::newRow("restart, English")
            << Language::English << shortReplies(7) << 512 << true << 8
            << QStringList{"Restart your program please. (Critical error) OK"} << 0 << false;
        QTest::newRow("given up after ten re-reads")
            << de << shortReplies(20) << 1 << false << 11
            << QStringList{germanRestart, linkTexts::eepromGaveUp(de, 10) + " (Kritischer Fehler)"}
            << 10 << true;
        // A refused image is reported; without an image nothing is polled.
        const QStringList refused{linkTexts::imageRefused(de) + " (Kritischer Fehler) OK"};
        QTest::newRow("NAK to the request")
            << de << QList<Fault>{Fault::Nak} << 10 << false << 1 << refused << 1 << false;
        QTest::newRow("NAK to a re-read ends it")
            << de << (shortReplies(1) << Fault::Nak) << 10 << false << 2 << refused << 1 << false;
        QTest::newRow("garbage to a re-read breaks the link")
            << de << (shortReplies(1) << Fault::Garbage) << 10 << false << 2 << broken << 0 << true;
        QTest::newRow("silence to a re-read breaks the link")
            << de << (shortReplies(1) << Fault::Silent) << 10 << false << 2 << broken << 0 << true;
        QTest::newRow("no reply at all breaks the link")
            << de << QList<Fault>{Fault::Silent} << 10 << false << 1 << broken << 0 << true;
    }
    void a_short_reply_is_read_again() {
        QFETCH(Language, language);
        QFETCH(QList<Fault>, faults);
        QFETCH(int, cutTo);
        QFETCH(bool, read);
        QFETCH(int, requests);
        QFETCH(bool, broken);
        Bench b;
        b.session.language = language;
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

QTEST_GUILESS_MAIN(TstEEPromLesen)
#include "tst_eeprom_lesen.moc"
