#include <QChartView>
#include <QLineSeries>
#include <QtTest>
#include <utility>

#include "curve/curve_plot.h"
#include "ui/frm_kennlinie.h"

Q_DECLARE_METATYPE(MeterParameters)

namespace {

// Support points 1, 2, … in order; the rest of the table stays empty.
MeterParameters table(std::initializer_list<std::pair<qint32, float>> points) {
    MeterParameters t;
    size_t i = 0;
    for (const auto& [counts, flow] : points)
        ++i, t.StpCounts[i] = counts, t.StpFlow[i] = flow;
    return t;
}

QXYSeries* series(const QChartView& view, const QString& name) {
    for (QAbstractSeries* s : view.chart()->series())
        if (s->name() == name) return qobject_cast<QXYSeries*>(s);
    return nullptr;
}

}  // namespace

// The characteristic-curve chart draws the support points up to the table's
// end, keeps them all in view and marks counts that fail to rise.
class TstCurvePlot : public QObject {
    Q_OBJECT

private slots:
    void the_chart_shows_the_table_up_to_its_end_data() {
        QTest::addColumn<MeterParameters>("table");
        QTest::addColumn<QList<QPointF>>("drawn");
        QTest::addColumn<QList<int>>("marked");
        QTest::newRow("points behind the first empty one are never drawn")
            << table({{1000, 10}, {2000, 20}, {0, 0}, {60000, 900}})
            << QList<QPointF>{{1000, 10}, {2000, 20}} << QList<int>();
        QTest::newRow("point 1 at 0 kg/h is drawn just above the axis")
            << table({{100, 0}, {2000, 50}})
            << QList<QPointF>{{100, curvePlot::ZeroFlow}, {2000, 50}} << QList<int>();
        QTest::newRow("a 200 kg/h meter at 4095 counts stays in view")
            << table({{1000, 20}, {4095, 200}}) << QList<QPointF>{{1000, 20}, {4095, 200}}
            << QList<int>();
        QTest::newRow("a falling and a repeated count are marked")
            << table({{1000, 10}, {3000, 50}, {2000, 60}, {2000, 70}})
            << QList<QPointF>{{1000, 10}, {3000, 50}, {2000, 60}, {2000, 70}} << QList<int>{3, 4};
        QTest::newRow("counts are read as their low 16 bits")
            << table({{0x10000 + 1000, 10}}) << QList<QPointF>{{1000, 10}} << QList<int>();
    }
    void the_chart_shows_the_table_up_to_its_end() {
        QFETCH(MeterParameters, table);
        QFETCH(QList<QPointF>, drawn);
        const curvePlot::Plot p = curvePlot::plot(table, nullptr);
        QCOMPARE(p.curve, drawn);
        QTEST(p.notRising, "marked");
        QVERIFY(!p.stored);
        QCOMPARE(p.counts.min, 0.0);
        QCOMPARE(p.flow.min, 0.0);
        double topCounts = 0, topFlow = 0;
        for (const QPointF& d : drawn)
            topCounts = std::max(topCounts, d.x()), topFlow = std::max(topFlow, d.y());
        // Every point in view, at least 5000 counts and 100 kg/h, no more than a quarter wider.
        const auto fits = [](double max, double top, double least) {
            return max >= std::max(least, top) && max <= std::max(least, 1.25 * top);
        };
        QVERIFY(fits(p.counts.max, topCounts, 5000));
        QVERIFY(fits(p.flow.max, topFlow, 100));
    }

    void the_stored_table_follows_the_same_rules_and_stays_in_view() {
        const MeterParameters edited = table({{1000, 10}});
        const MeterParameters stored = table({{500, 0}, {8000, 300}, {0, 400}});
        const curvePlot::Plot p = curvePlot::plot(edited, &stored);
        QCOMPARE(*p.stored, (QList<QPointF>{{500, curvePlot::ZeroFlow}, {8000, 300}}));
        QVERIFY(p.counts.max >= 8000);
        QVERIFY(p.flow.max >= 300);
    }

    void the_window_draws_the_edited_curve_in_red_and_the_stored_one_only_when_given() {
        QWidget owner;
        FrmKennlinie w(&owner);
        const MeterParameters edited = table({{1000, 10}, {2000, 20}, {3000, 30}});
        const MeterParameters stored = table({{1000, 15}, {3000, 35}});
        w.show(edited, &stored, Language::German);
        w.show(edited, nullptr, Language::German);
        QVERIFY(w.isVisible() && !w.isModal());
        const auto* grafik = w.findChild<QChartView*>(QStringLiteral("Grafik"));
        QVERIFY(grafik);
        QCOMPARE(grafik->chart()->title(), QStringLiteral("Kennlinie KRN410-Q Orbis"));
        const QXYSeries* curve = series(*grafik, QStringLiteral("Kennlinie"));
        QVERIFY(curve && curve->pointsVisible());
        QCOMPARE(curve->count(), 3);
        QCOMPARE(curve->color(), QColor(255, 0, 0));
        QVERIFY(!series(*grafik, QStringLiteral("gespeichert")));
        w.show(edited, &stored, Language::German);
        const QXYSeries* grey = series(*grafik, QStringLiteral("gespeichert"));
        QVERIFY(grey && grey->count() == 2);
        // In English the added legend entry is translated; the meter's own titles are not.
        w.show(edited, &stored, Language::English);
        QVERIFY(series(*grafik, QStringLiteral("stored")));
        QCOMPARE(grafik->chart()->title(), QStringLiteral("Kennlinie KRN410-Q Orbis"));
    }
};

QTEST_MAIN(TstCurvePlot)
#include "tst_curve_plot.moc"
