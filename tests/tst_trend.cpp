#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QValueAxis>
#include <QtTest>

#include "sim/virtual_clock.h"
#include "ui/frm_trend.h"
#include "ui/trend_buffer.h"

// The trend keeps the flow of the last minutes within a fixed memory, draws a bounded number of
// points with the newest at 0 s, and shows whether the values are being recorded.
class TstTrend : public QObject {
    Q_OBJECT

private slots:
    void the_buffer_keeps_only_the_window_data() {
        QTest::addColumn<QList<double>>("times");
        QTest::addColumn<QList<QPointF>>("kept");
        QTest::newRow("all within the window")
            << QList<double>{0, 100, 300} << QList<QPointF>{{-300, 0}, {-200, 1}, {0, 2}};
        QTest::newRow("older than the window is dropped")
            << QList<double>{0, 100, 300.5} << QList<QPointF>{{-200.5, 1}, {0, 2}};
        QTest::newRow("a long gap leaves the newest alone")
            << QList<double>{0, 1, 5000} << QList<QPointF>{{0, 2}};
        QTest::newRow("a clock running back starts afresh")
            << QList<double>{50, 60, 10} << QList<QPointF>{{0, 2}};
    }
    void the_buffer_keeps_only_the_window() {
        QFETCH(QList<double>, times);
        QFETCH(QList<QPointF>, kept);
        TrendBuffer b;
        for (int i = 0; i < times.size(); ++i)
            b.add(times[i], float(i));
        QCOMPARE(b.points(), kept);
        QCOMPARE(b.size(), kept.size());
        QCOMPARE(b.newest(), times.last());
    }

    void the_buffer_stays_within_its_capacity() {
        TrendBuffer b(300, 20000);
        for (int i = 0; i < 200000; ++i)
            b.add(i / 60.0, float(i % 7));  // about 55 min at the poll's rate
        QCOMPARE(b.size(), 18001);          // the window holds 300 s of 60 values
        TrendBuffer small(300, 100);
        for (int i = 0; i < 1000; ++i)
            small.add(i / 60.0, 1);
        QCOMPARE(small.size(), 100);
        QCOMPARE(small.points().first().x(), -99 / 60.0);
        small.clear();
        QCOMPARE(small.size(), 0);
        QVERIFY(small.points().isEmpty());
    }

    void points_are_thinned_to_the_drawing_limit_data() {
        QTest::addColumn<int>("samples");
        QTest::addColumn<int>("drawn");
        QTest::newRow("few are all drawn") << 500 << 500;
        QTest::newRow("the limit is drawn whole") << 1000 << 1000;
        QTest::newRow("one over takes every second") << 1001 << 501;
        QTest::newRow("a full window") << 18000 << 1000;
    }
    void points_are_thinned_to_the_drawing_limit() {
        QFETCH(int, samples);
        QFETCH(int, drawn);
        TrendBuffer b;
        for (int i = 0; i < samples; ++i)
            b.add(i / 60.0, float(i));
        const QList<QPointF> p = b.points();
        QCOMPARE(p.size(), drawn);
        QVERIFY(p.size() <= TrendBuffer::DrawLimit);
        QCOMPARE(p.last(), QPointF(0, samples - 1));
    }

    // Values come while the window is hidden; it draws them once shown, and
    // later ones a quarter second later on its timer.
    void the_shown_window_draws_the_samples_data() {
        QTest::addColumn<QList<float>>("values");
        QTest::addColumn<double>("largest");
        QTest::newRow("flow up to 120 kg/h") << QList<float>{10, 120, 80} << 120.0;
        QTest::newRow("no flow still shows a scale") << QList<float>{0, 0} << 1.0;
    }
    void the_shown_window_draws_the_samples() {
        QFETCH(QList<float>, values);
        QFETCH(double, largest);
        VirtualClock clock;
        FrmTrend w(nullptr, clock);
        w.setUnit("kg/h");
        QList<QPointF> expected;
        for (int i = 0; i < values.size(); ++i) {
            w.addValue(1000 + i, values[i]);
            expected << QPointF(i - values.size() + 1, values[i]);
        }
        QChart* chart = w.findChild<QChartView*>("Grafik")->chart();
        auto* line = qobject_cast<QLineSeries*>(chart->series().value(0));
        clock.advance(1.0);
        QVERIFY(line->points().isEmpty());
        w.show();
        QCOMPARE(line->name(), QStringLiteral("Messwert"));
        QCOMPARE(line->points(), expected);
        w.addValue(1000 + values.size(), values.last());
        clock.advance(0.2);
        QCOMPARE(line->count(), values.size());
        clock.advance(0.05);
        QCOMPARE(line->count(), values.size() + 1);
        auto* y = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
        auto* x = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0));
        QCOMPARE(y->titleText(), QStringLiteral("kg/h"));
        QCOMPARE(y->min(), 0.0);
        QVERIFY(y->max() >= largest);
        QVERIFY(y->max() < largest * 1.5);
        QCOMPARE(x->titleText(), QStringLiteral("s"));
        QCOMPARE(x->min(), -300.0);
        QCOMPARE(x->max(), 0.0);
    }

    void logging_shows_its_note_while_on() {
        VirtualClock clock;
        FrmTrend w(nullptr, clock);
        auto* label = w.findChild<QLabel*>("lblTrendLog");
        QVERIFY(label->isHidden());
        w.setLogging("Aufzeichnung: trend.csv");
        QVERIFY(!label->isHidden());
        QCOMPARE(label->text(), QStringLiteral("Aufzeichnung: trend.csv"));
        w.setLogging(QString());
        QVERIFY(label->isHidden());
    }
};

QTEST_MAIN(TstTrend)
#include "tst_trend.moc"
