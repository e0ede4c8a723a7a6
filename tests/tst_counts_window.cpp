#include <QtTest>

#include "session/show_measurement.h"
#include "support/bench.h"

namespace {

// A started meter with the counts window open.
struct CountsBench {
    CountsBench() {
        b.start();
        b.dialogs.shownMessages.clear();
        b.features.counts.openCountsWindow();
    }
    DisplayModel& d() { return s.display; }
    bool ticked(const QString& box) { return d().get(box, Aspect::Value).toBool(); }
    // The counts poll sent next: "03 01" asks for raw counts, "03 02" for the measured value.
    QString nextPoll() {
        const int sent = b.commands().size();
        b.clock.advance(0.05);
        return b.commands(sent).filter(QRegularExpression("^03 ")).value(0);
    }
    // A counts reply as the poll hands it on.
    void reading(int counts) {
        MesswertAnzeigen(quint8(counts >> 8), quint8(counts & 0xFF), s.live, s.meter, d());
    }

    Bench b;
    Session& s = b.session;
};

}  // namespace

// Given the counts window, when the technician asks for raw counts and averages a number of
// readings, then the poll, the averaging controls and the results follow.
class TstCountsWindow : public QObject {
    Q_OBJECT

private slots:
    // Unticking the request returns the poll to the measured value, and so does
    // closing the window; unticking averaging ends a run.
    void the_counts_request_switches_the_poll_until_unticked_or_closed() {
        CountsBench c;
        c.b.features.counts.requestCounts(true);
        c.b.features.counts.readingsTyped("5");
        QVERIFY(c.d().enabled("frmCounts.raMittelwerte"));
        QCOMPARE(c.nextPoll(), QStringLiteral("03 01"));
        c.b.features.counts.requestCounts(false);
        QVERIFY(!c.d().enabled("frmCounts.raMittelwerte"));
        QCOMPARE(c.nextPoll(), QStringLiteral("03 02"));
        c.b.features.counts.requestCounts(true);
        QVERIFY(!c.d().enabled("frmCounts.chkMittelwert"));  // until a number is typed afresh
        c.b.features.counts.readingsTyped("50");
        c.b.features.counts.startAveraging(true);
        QCOMPARE(c.nextPoll(), QStringLiteral("03 01"));
        c.b.features.counts.startAveraging(
            false);  // unticked: the run ends, readings no longer count
        const int taken = c.d().value("frmCounts.AnzeigeAnzW");
        c.reading(100);
        QCOMPARE(c.d().value("frmCounts.AnzeigeAnzW"), taken);
        c.b.features.counts.closeCountsWindow();
        QVERIFY(!c.ticked("frmCounts.chkMittelwert") && !c.ticked("frmCounts.chkCountsanf"));
        QVERIFY(!c.s.live.averaging && !c.s.live.CountsRequestActive);
        QCOMPARE(c.d().text("frmCounts.txtMittelwerte"), QStringLiteral("0"));
        QVERIFY(!c.d().visible("frmCounts"));
        QCOMPARE(c.nextPoll(), QStringLiteral("03 02"));
    }

    // The number of readings takes digits up to 1000; averaging needs the counts
    // request and at least two readings.
    void averaging_starts_only_with_a_number_it_can_take_data() {
        QTest::addColumn<bool>("request");
        QTest::addColumn<QString>("typed");  // after 7
        QTest::addColumn<int>("readings");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("starts");
        const QString input = " (Eingabe Mittelwerte)";
        // clang-format off
        QTest::newRow("1500 is cut to 1000") << true << "1500" << 1000 << "Anzahl Werte nicht > 1000 !" + input << true;
        QTest::newRow("a letter is refused") << true << "5a" << 7 << "Nur Zahlen von 0 - 9 !" + input << true;
        QTest::newRow("two readings") << true << "2" << 2 << "" << true;
        QTest::newRow("one reading") << true << "1" << 1 << "Wert muss > 1 sein !" + input << false;
        QTest::newRow("no counts request") << false << "5" << 5 << "Zunächst muß die Counts Anforderung "
            "aktiviert werden ! (Fehler vor Mittelwertbildung)" << false;
        // clang-format on
    }
    void averaging_starts_only_with_a_number_it_can_take() {
        QFETCH(bool, request);
        QFETCH(QString, typed);
        QFETCH(int, readings);
        QFETCH(bool, starts);
        CountsBench c;
        c.b.features.counts.requestCounts(request);
        c.b.features.counts.readingsTyped("7");
        c.b.features.counts.readingsTyped(typed);
        QCOMPARE(c.s.live.MwAnzahl, readings);
        QCOMPARE(c.d().enabled("frmCounts.chkMittelwert"), readings > 1);
        c.d().put("frmCounts.chkMittelwert", Aspect::Value, true);  // as the technician ticked it
        c.b.features.counts.startAveraging(true);
        QStringList shown;
        for (const ShownMessage& m : c.b.dialogs.shownMessages)
            shown << m.text + " (" + m.title + ")";
        QTEST(shown.join('|'), "message");
        QCOMPARE(c.ticked("frmCounts.chkMittelwert"), starts);
        QCOMPARE(c.s.live.averaging, starts);
    }

    // The counts shown when the run starts open its range; the reading after the last one summed
    // ends the run and enters the range, not the sum. Halves round to even.
    void a_run_shows_the_mean_and_the_range_after_its_last_reading_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<QList<int>>("run");
        QTest::addColumn<int>("after");
        QTest::addColumn<QStringList>("results");  // mean, min, its distance, max, its distance
        QTest::newRow("a half rounded down")
            << 100 << QList<int>{100, 101} << 102 << QStringList{"100", "100", "0", "102", "2"};
        QTest::newRow("a half rounded up")
            << 101 << QList<int>{101, 102} << 50 << QStringList{"102", "50", "-52", "102", "0"};
    }
    void a_run_shows_the_mean_and_the_range_after_its_last_reading() {
        QFETCH(int, before);
        QFETCH(QList<int>, run);
        QFETCH(int, after);
        CountsBench c;
        c.b.features.counts.requestCounts(true);
        c.reading(before);
        c.b.features.counts.readingsTyped(QString::number(run.size()));
        c.b.features.counts.startAveraging(true);
        QCOMPARE(c.d().get("frmCounts.AnzeigeAnzW", Aspect::Maximum).toInt(), run.size());
        for (int i = 0; i < run.size(); ++i) {
            c.reading(run[i]);
            QCOMPARE(c.d().value("frmCounts.AnzeigeAnzW"), i + 1);
            QCOMPARE(c.d().text("frmCounts.lblMittelwert"), QString());
        }
        c.reading(after);
        QStringList shown;
        for (const char* l : {"Mittelwert", "MinWert", "MinwertDiff", "MaxWert", "MaxwertDiff"})
            shown << c.d().text(QString("frmCounts.lbl") + l);
        QTEST(shown, "results");
        QVERIFY(!c.ticked("frmCounts.chkMittelwert") && !c.s.live.averaging);
    }
};

QTEST_GUILESS_MAIN(TstCountsWindow)
#include "tst_counts_window.moc"
