#include <QtTest>

#include "link/requests.h"
#include "session/link_messages.h"
#include "support/bench.h"

namespace {

// The messages shown, as "text (title)".
QStringList messages(const Bench& b) {
    QStringList l;
    for (const GezeigteMeldung& m : b.dialogs.gezeigt)
        l << m.text + " (" + m.titel + ")";
    return l;
}

// The polling timer fires once, 10 ms after it was switched on.
void poll(Bench& b) {
    b.session.TimCounts().an();
    b.clock.vergehen(0.01);
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
        b.sim.geraet.profil = {Durchflussprofil::Art::Konstant, kgh};
        b.session.live.CountsanfAktiv = raw;
        poll(b);
        QCOMPARE(b.frames(), QVector<QByteArray>{frame});
        QCOMPARE(b.session.live.Counts, counts);
        const DisplayModel& d = b.session.display;
        QCOMPARE(d.background("Lampe"), color::Green);
        QVERIFY(d.visible("Picconnect") && !d.visible("Picdisconnect") && d.visible("AnzAnalog"));
        QVERIFY(b.session.TimCounts().aktiv());
        QVERIFY(b.dialogs.gezeigt.isEmpty());
    }

    void short_counts_reply_shows_text_18_data() {
        QTest::addColumn<int>("cut");
        QTest::addColumn<double>("latency");
        QTest::addColumn<Antwort>("answer");
        QTest::newRow("cut to two bytes, OK resumes polling") << 1 << 0.002 << Antwort::Ok;
        QTest::newRow("cut to two bytes, Cancel ends the program")
            << 1 << 0.002 << Antwort::Abbrechen;
        // Two of the three reply bytes arrive before the half second is over.
        QTest::newRow("third byte later than half a second") << 0 << 0.494 << Antwort::Ok;
    }
    void short_counts_reply_shows_text_18() {
        QFETCH(int, cut);
        QFETCH(double, latency);
        QFETCH(Antwort, answer);
        Bench b;
        b.sim.leitung.fehler.abgeschnitten = cut;
        b.sim.leitung.fehler.abschneidenAuf = 2;
        b.sim.leitung.latenz = latency;
        b.dialogs.antworten = {answer};
        poll(b);
        QCOMPARE(b.session.linkState.Empfangspuffer.size(), 2);
        QCOMPARE(b.clock.jetzt(), 0.01 + 0.5);  // the reply is waited for half a second
        QCOMPARE(messages(b), QStringList{"Text 18 (Text 19)"});
        QCOMPARE(b.dialogs.gezeigt[0].knoepfe, Schaltflaechen::OkAbbrechen);
        QCOMPARE(b.dialogs.gezeigt[0].symbol, Symbol::Kritisch);
        QCOMPARE(b.dialogs.beendet, answer == Antwort::Abbrechen);
        QCOMPARE(b.session.TimCounts().aktiv(), !b.dialogs.beendet);
    }

    void the_fifth_nak_in_a_row_shows_text_17_once_data() {
        QTest::addColumn<QList<Stoerung>>("faults");
        QTest::addColumn<int>("polls");
        QTest::addColumn<Antwort>("answer");
        QTest::addColumn<int>("failures");
        const auto naks = [](int n) { return QList<Stoerung>(n, Stoerung::Nak); };
        QTest::newRow("OK polls on") << naks(20) << 7 << Antwort::Ok << 7;
        QTest::newRow("Cancel ends the program") << naks(20) << 5 << Antwort::Abbrechen << 5;
        // The fifth poll also asks for the status; both replies are DLE here.
        QTest::newRow("a DLE in between starts the count anew")
            << naks(4) + QList<Stoerung>(2, Stoerung::Keine) + naks(4) << 9 << Antwort::Ok << 4;
    }
    void the_fifth_nak_in_a_row_shows_text_17_once() {
        QFETCH(QList<Stoerung>, faults);
        QFETCH(int, polls);
        QFETCH(Antwort, answer);
        QFETCH(int, failures);
        Bench b;
        b.sim.leitung.fehler.skript = faults;
        b.dialogs.antworten = {answer};
        int on = 0;  // polls after which the timer runs again
        for (int i = 0; i < polls; ++i, on += b.session.TimCounts().aktiv())
            poll(b);
        QCOMPARE(b.session.linkState.Fehlversuche, failures);
        // Once, when the count reaches five.
        QCOMPARE(messages(b), failures < 5 ? QStringList() : QStringList{"Text 17 (Text 8)"});
        QCOMPARE(b.dialogs.beendet, answer == Antwort::Abbrechen);
        QCOMPARE(on, b.dialogs.beendet ? polls - 1 : polls);
    }

    void no_or_garbled_counts_reply_breaks_the_link_data() {
        QTest::addColumn<Stoerung>("fault");
        QTest::addColumn<Antwort>("answer");
        QTest::newRow("no reply") << Stoerung::Stumm << Antwort::Ok;
        QTest::newRow("blank first byte") << Stoerung::Muell << Antwort::Ok;
        QTest::newRow("Cancel ends the program, nothing more is sent")
            << Stoerung::Stumm << Antwort::Abbrechen;
    }
    void no_or_garbled_counts_reply_breaks_the_link() {
        QFETCH(Stoerung, fault);
        QFETCH(Antwort, answer);
        Bench b;
        poll(b);  // the meter answered once
        b.sim.leitung.fehler.skript = {fault};
        b.dialogs.antworten = {answer};
        poll(b);
        QCOMPARE(messages(b), QStringList{"Text 13 (Text 14)"});
        QCOMPARE(b.dialogs.beendet, answer == Antwort::Abbrechen);
        const DisplayModel& d = b.session.display;
        QCOMPARE(d.background("Lampe"), color::Grey);
        QVERIFY(!d.visible("Picconnect") && d.visible("Picdisconnect") && !d.visible("raAktuell"));
        for (const char* name : {"mnudatei_7", "frmND.cmdNDLesen", "frmND.cmdNDspeichern"})
            QVERIFY2(!d.enabled(name), name);
        QVERIFY(!b.session.TimCounts().aktiv());
        // After OK the gauge goes and the technician may connect again.
        QCOMPARE(d.visible("AnzAnalog"), b.dialogs.beendet);
        QVERIFY(d.enabled("mnuhaupt_1"));
        const int sent = b.frames().size();
        b.session.readError();
        poll(b);
        QCOMPARE(b.frames().size() - sent, b.dialogs.beendet ? 0 : 2);
    }

    void connection_test_waits_for_the_dle_data() {
        QTest::addColumn<QByteArray>("stale");
        QTest::addColumn<Stoerung>("fault");
        QTest::addColumn<bool>("connected");
        QTest::newRow("answers") << QByteArray() << Stoerung::Keine << true;
        QTest::newRow("answers behind stale bytes") << hex("FF FF") << Stoerung::Keine << true;
        QTest::newRow("silent") << QByteArray() << Stoerung::Stumm << false;
        QTest::newRow("garbage") << QByteArray() << Stoerung::Muell << false;
    }
    void connection_test_waits_for_the_dle() {
        QFETCH(QByteArray, stale);
        QFETCH(Stoerung, fault);
        QFETCH(bool, connected);
        Bench b;
        b.sim.port.liefere(stale);
        b.sim.leitung.fehler.skript = {fault};
        QCOMPARE(b.session.link().Verbindungstest(), connected);
        QCOMPARE(b.session.linkState.Verbunden, connected);
        QCOMPARE(b.frames(), QVector<QByteArray>{hex("00 00")});
        const double duration = connected ? 0.006 : 2.0;  // the DLE, or the time-out
        QVERIFY(b.clock.jetzt() <= duration + 0.001 && b.clock.jetzt() >= duration - 0.003);
        QVERIFY(b.dialogs.gezeigt.isEmpty());
    }

    void read_error_fills_the_error_row_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<Stoerung>("fault");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("message");
        const QString incomplete = linktexte::fehlerabfrageUnvollstaendig(Sprache::Deutsch);
        QTest::newRow("EEPROM time-out")
            << 6 << Stoerung::Keine << "6 | DLE EEPROM Timeout Fehler" << QString();
        QTest::newRow("under-voltage")
            << 17 << Stoerung::Keine << "17 | DLE Unterspannung erkannt" << QString();
        QTest::newRow("no error") << 0 << Stoerung::Keine << "0 | DLE " << QString();
        QTest::newRow("no reply is reported with the procedure's name")
            << 0 << Stoerung::Stumm << " | " << incomplete + ", SUB readError";
    }
    void read_error_fills_the_error_row() {
        QFETCH(int, code);
        QFETCH(Stoerung, fault);
        QFETCH(QString, row);
        QFETCH(QString, message);
        Bench b;
        b.sim.geraet.fehlercode = code;
        b.sim.leitung.fehler.skript = {fault};
        b.sim.port.liefere(hex("AA"));  // left over; discarded before asking
        b.session.readError();
        const DisplayModel& d = b.session.display;
        QCOMPARE(d.cell("tabError", 1, 1) + " | " + d.cell("tabError", 1, 2), row);
        QCOMPARE(b.dialogs.texte(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(b.frames(), QVector<QByteArray>{hex("12 12")});
        QVERIFY(qAbs(b.clock.jetzt() - 1.0) < 1e-9);  // the fixed second, however it ends
    }

    // Each try is one fixed exchange: the frame, a second, and what arrived.
    void a_write_is_repeated_until_it_is_taken_data() {
        QTest::addColumn<Repeat>("repeat");
        QTest::addColumn<QList<Stoerung>>("faults");
        QTest::addColumn<int>("tries");
        QTest::addColumn<ReplyKind>("kind");
        const auto nak = Repeat::WhileRejected;
        const auto dle = Repeat::UntilAcknowledged;
        const auto ack = ReplyKind::Acknowledged;
        QTest::newRow("accepted at once") << nak << QList<Stoerung>{} << 1 << ack;
        QTest::newRow("two NAKs") << nak << QList<Stoerung>{Stoerung::Nak, Stoerung::Nak} << 3
                                  << ack;
        QTest::newRow("no reply ends a NAK loop")
            << nak << QList<Stoerung>{Stoerung::Stumm} << 1 << ReplyKind::NoAnswer;
        QTest::newRow("no reply is retried until DLE")
            << dle << QList<Stoerung>{Stoerung::Stumm, Stoerung::Muell} << 3 << ack;
        QTest::newRow("a meter that never accepts is given up after ten tries")
            << dle << QList<Stoerung>(20, Stoerung::Nak) << Link::MaxSendAttempts
            << ReplyKind::Rejected;
    }
    void a_write_is_repeated_until_it_is_taken() {
        QFETCH(Repeat, repeat);
        QFETCH(QList<Stoerung>, faults);
        QFETCH(int, tries);
        QFETCH(ReplyKind, kind);
        Bench b;
        b.sim.leitung.fehler.skript = faults;
        b.dialogs.antworten = {Antwort::Abbrechen};
        const Reply r = b.session.sendRepeated(request::speichern(), repeat);
        QCOMPARE(r.kind, kind);
        const bool givenUp = tries == Link::MaxSendAttempts;
        QCOMPARE(r.exhausted, givenUp);
        QCOMPARE(b.frames(), QVector<QByteArray>(tries, request::speichern()));
        QCOMPARE(b.gaps(), QVector<double>(tries - 1, 1.0));
        QVERIFY(qAbs(b.clock.jetzt() - tries) < 1e-9);
        // Only a meter that never takes the write is reported; Cancel then ends the program.
        QCOMPARE(b.dialogs.texte(),
                 givenUp ? QStringList{linktexte::nichtAngenommen(Sprache::Deutsch, tries)}
                         : QStringList{});
        QCOMPARE(b.dialogs.beendet, givenUp);
    }
};

QTEST_GUILESS_MAIN(TstAntwortAuswerten)
#include "tst_antwort_auswerten.moc"
