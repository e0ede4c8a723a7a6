#include <QtTest>

#include "session/show_measurement.h"
#include "support/bench.h"

namespace {

// A started meter with the counts window open.
struct CountsBench {
    CountsBench() {
        b.start();
        b.dialogs.shownMessages.clear();
        b.session.openCountsWindow();
    }
    DisplayModel& d() { return b.session.display; }
    bool ticked(const QString& box) { return d().get(box, Aspect::Value).toBool(); }
    // The messages shown, as "text (title)".
    QStringList messages() const {
        QStringList l;
        for (const ShownMessage& m : b.dialogs.shownMessages)
            l << m.text + " (" + m.title + ")";
        return l;
    }
    // The counts poll sent next: "03 01" asks for raw counts, "03 02" for the measured value.
    QString nextPoll() {
        const int sent = b.commands().size();
        b.clock.advance(0.05);
        const QStringList polls = b.commands(sent).filter(QRegularExpression("^03 "));
        return polls.value(0);
    }
    // A counts reply as the poll hands it on.
    void reading(int counts) {
        MesswertAnzeigen(quint8(counts >> 8), quint8(counts & 0xFF), b.session.live,
                         b.session.meter, d());
    }

    Bench b;
};

}  // namespace

// Given the counts window, when the technician asks for raw counts and averages a number of
// readings, then the poll, the averaging controls and the results follow.
class TstCountsWindow : public QObject {
    Q_OBJECT

private slots:
    void the_counts_request_switches_the_poll_and_opens_the_averaging() {
        CountsBench c;
        QVERIFY(c.d().visible("frmCounts"));
        QVERIFY(!c.d().enabled("frmCounts.raMittelwerte"));
        c.b.session.requestCounts(true);
        QVERIFY(c.d().enabled("frmCounts.raMittelwerte"));
        QCOMPARE(c.nextPoll(), QStringLiteral("03 01"));
        QVERIFY(!c.d().text("frmCounts.lblCountsanf").isEmpty());
        c.b.session.requestCounts(false);
        QCOMPARE(c.d().text("frmCounts.lblCountsanf"), QString());
        QVERIFY(!c.d().enabled("frmCounts.raMittelwerte"));
        QCOMPARE(c.nextPoll(), QStringLiteral("03 02"));
    }

    void the_number_of_readings_takes_digits_up_to_1000_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("readings");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("canAverage");
        const QString title = " (Eingabe Mittelwerte)";
        QTest::newRow("1500 is cut to 1000")
            << "1500" << 1000 << QStringList{"Anzahl Werte nicht > 1000 !" + title} << true;
        QTest::newRow("1000 is taken") << "1000" << 1000 << QStringList() << true;
        QTest::newRow("a letter is refused")
            << "5a" << 7 << QStringList{"Nur Zahlen von 0 - 9 !" + title} << true;
        QTest::newRow("two readings") << "2" << 2 << QStringList() << true;
        QTest::newRow("one reading") << "1" << 1 << QStringList() << false;
        QTest::newRow("an empty box") << "" << 0 << QStringList() << false;
    }
    void the_number_of_readings_takes_digits_up_to_1000() {
        QFETCH(QString, typed);
        QFETCH(int, readings);
        QFETCH(QStringList, messages);
        QFETCH(bool, canAverage);
        CountsBench c;
        c.b.session.readingsTyped("7");
        c.b.session.readingsTyped(typed);
        QCOMPARE(c.b.session.live.MwAnzahl, readings);
        QCOMPARE(c.messages(), messages);
        QCOMPARE(c.d().enabled("frmCounts.chkMittelwert"), canAverage);
    }

    void averaging_needs_the_counts_request_and_two_readings_data() {
        QTest::addColumn<bool>("request");
        QTest::addColumn<QString>("readings");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("no counts request")
            << false << "5"
            << QStringList{
                   "Zunächst muß die Counts Anforderung aktiviert werden ! "
                   "(Fehler vor Mittelwertbildung)"};
        QTest::newRow("one reading")
            << true << "1" << QStringList{"Wert muss > 1 sein ! (Eingabe Mittelwerte)"};
        QTest::newRow("two readings") << true << "2" << QStringList();
    }
    void averaging_needs_the_counts_request_and_two_readings() {
        QFETCH(bool, request);
        QFETCH(QString, readings);
        QFETCH(QStringList, messages);
        CountsBench c;
        c.b.session.requestCounts(request);
        c.b.session.readingsTyped(readings);
        c.d().put("frmCounts.chkMittelwert", Aspect::Value, true);  // as the technician ticked it
        c.b.session.startAveraging(true);
        QCOMPARE(c.messages(), messages);
        const bool starts = messages.isEmpty();
        QCOMPARE(c.ticked("frmCounts.chkMittelwert"), starts);
        QCOMPARE(c.b.session.live.averaging, starts);
    }

    // The counts shown when the run starts open its range; the reading after the last one summed
    // ends the run and enters the range, not the sum.
    void a_run_shows_the_mean_and_the_range_after_its_last_reading_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<QList<int>>("run");
        QTest::addColumn<int>("after");
        QTest::addColumn<QStringList>("results");  // mean, min, its distance, max, its distance
        QTest::newRow("a half rounds down to even")
            << 100 << QList<int>{100, 101} << 102 << QStringList{"100", "100", "0", "102", "2"};
        QTest::newRow("a half rounds up to even")
            << 101 << QList<int>{101, 102} << 101 << QStringList{"102", "101", "-1", "102", "0"};
        QTest::newRow("the last reading only widens the range")
            << 100 << QList<int>{100, 101} << 50 << QStringList{"100", "50", "-50", "101", "1"};
        QTest::newRow("three readings")
            << 20 << QList<int>{10, 20, 31} << 20 << QStringList{"20", "10", "-10", "31", "11"};
    }
    void a_run_shows_the_mean_and_the_range_after_its_last_reading() {
        QFETCH(int, before);
        QFETCH(QList<int>, run);
        QFETCH(int, after);
        QFETCH(QStringList, results);
        CountsBench c;
        c.b.session.requestCounts(true);
        c.reading(before);
        c.b.session.readingsTyped(QString::number(run.size()));
        c.b.session.startAveraging(true);
        QCOMPARE(c.d().get("frmCounts.AnzeigeAnzW", Aspect::Maximum).toInt(), run.size());
        QCOMPARE(c.d().value("frmCounts.AnzeigeAnzW"), 0);
        for (int i = 0; i < run.size(); ++i) {
            c.reading(run[i]);
            QCOMPARE(c.d().value("frmCounts.AnzeigeAnzW"), i + 1);
            QCOMPARE(c.d().text("frmCounts.lblMittelwert"), QString());
            QVERIFY(c.ticked("frmCounts.chkMittelwert"));
        }
        c.reading(after);
        const QStringList shown{"frmCounts.lblMittelwert", "frmCounts.lblMinWert",
                                "frmCounts.lblMinwertDiff", "frmCounts.lblMaxWert",
                                "frmCounts.lblMaxwertDiff"};
        for (int i = 0; i < shown.size(); ++i)
            QCOMPARE(c.d().text(shown[i]), results[i]);
        QVERIFY(!c.ticked("frmCounts.chkMittelwert"));
        QVERIFY(!c.b.session.live.averaging);
    }

    void closing_the_window_ends_the_run_and_the_counts_request() {
        CountsBench c;
        c.b.session.requestCounts(true);
        c.b.session.readingsTyped("5");
        c.b.session.startAveraging(true);
        QCOMPARE(c.nextPoll(), QStringLiteral("03 01"));
        c.b.session.closeCountsWindow();
        QVERIFY(!c.ticked("frmCounts.chkMittelwert") && !c.ticked("frmCounts.chkCountsanf"));
        QVERIFY(!c.b.session.live.averaging && !c.b.session.live.CountsRequestActive);
        QCOMPARE(c.d().text("frmCounts.txtMittelwerte"), QStringLiteral("0"));
        QVERIFY(!c.d().visible("frmCounts"));
        QCOMPARE(c.nextPoll(), QStringLiteral("03 02"));
    }
};

QTEST_GUILESS_MAIN(TstCountsWindow)
#include "tst_counts_window.moc"
