#include <QtTest>
#include <array>
#include <cstring>
#include <numeric>

#include "device/eeprom_map.h"
#include "link/byte_order.h"
#include "session/link_messages.h"
#include "session/status_texts.h"
#include "support/bench.h"

namespace {

using Box = Session::Box;

// The standard meter with `n` points: point i at 100 i counts and 5 i kg/h
// (points 1 and 2 at `firstFlows` when given), the rest empty.
QByteArray withPoints(int n, float firstFlows = -1) {
    QByteArray e = images::standard();
    e[address::StpAnzahl] = char(n);
    for (int i = 1; i <= 30; ++i) {
        const int a = address::FirstSupportPoint + address::SupportPointStride * (i - 1);
        const float flow = i <= 2 && firstFlows >= 0 ? firstFlows : 5.0f * i;
        e.replace(a, 2, byteOrder::word16(quint16(i <= n ? 100 * i : 0)));
        e.replace(a + 2, 4, byteOrder::float32(i <= n ? flow : 0.0f));
    }
    return e;
}

// 04, the count, 30 records of counts high byte first and flow least
// significant byte first, then the XOR of all bytes.
QByteArray tableFrame(const MeterParameters& m, int count) {
    QByteArray f = QByteArray(1, char(0x04)) + char(count);
    for (int i = 1; i <= 30; ++i) {
        quint32 flow = 0;
        std::memcpy(&flow, &m.StpFlow[size_t(i)], 4);
        f += char(m.StpCounts[size_t(i)] >> 8);
        f += char(m.StpCounts[size_t(i)]);
        for (int shift = 0; shift < 32; shift += 8)
            f += char(flow >> shift);
    }
    char sum = 0;
    for (char x : f)
        sum = char(sum ^ x);
    return f + sum;
}

// Selects `point` and runs the steps: "type c f", "yes"/"no" for the next
// question, "apply", "insert", "delete".
void edit(Bench& b, int point, const QString& steps) {
    b.session.selectPoint(point);
    const QStringList s = steps.split(' ');
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == "type") {
            b.session.boxChanged(Box::StpCounts, s[++i]);
            b.session.boxChanged(Box::StpFlow, s[++i]);
        }
        if (s[i] == "yes" || s[i] == "no")
            b.dialogs.answers << (s[i] == "yes" ? Answer::Yes : Answer::No);
        if (s[i] == "apply") b.session.applyPoint();
        if (s[i] == "insert") b.session.insertPoint();
        if (s[i] == "delete") b.session.deletePoint();
    }
}

QVector<int> upTo(int n) {
    QVector<int> v(n);
    std::iota(v.begin(), v.end(), 1);
    return v;
}

}  // namespace

// Given the support-point page, the editor keeps the table gap-free within
// 30 points, shows it in two grids, and writes it to the meter in one frame.
class TstSupportPoints : public QObject {
    Q_OBJECT

private slots:
    void an_edit_changes_the_table_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("point");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QVector<int>>("origin");  // where each point came from, 0: empty
        QTest::addColumn<QString>("shown");        // the point's two cells, then its two boxes
        const QVector<int> in5{1, 2, 3, 4, 0, 5, 6, 7, 8, 9, 10};
        const char* twice = "Es kann immer nur ein neuer Stützpunkt eingefügt werden !";
        // clang-format off
        QTest::newRow("insert moves the rest up") << 10 << 5 << "insert" << "" << in5 << "0|0||";
        QTest::newRow("one insert at a time") << 10 << 5 << "insert insert" << twice << in5 << "0|0||";
        QTest::newRow("delete the last of 30") << 30 << 30 << "yes delete" << "Text 55" << upTo(29) << "|||";
        QTest::newRow("delete answered No") << 30 << 30 << "no delete" << "Text 55" << upTo(30) << "3000|150|3000|150";
        QTest::newRow("the same values") << 10 << 3 << "apply" << "Text 56" << upTo(10) << "300|15|300|15";
        QTest::newRow("right after the last") << 10 << 11 << "type 1100 55 apply" << "" << upTo(11) << "1100|55|1100|55";
        QTest::newRow("two beyond the last") << 10 << 12 << "type 1200 60 apply" << "Text 60" << upTo(10) << "|||";
        QTest::newRow("insert into a full table") << 30 << 5 << "insert" << "Text 64" << upTo(30) << "500|25|500|25";
        // clang-format on
    }
    void an_edit_changes_the_table() {
        QFETCH(int, points);
        QFETCH(int, point);
        QFETCH(QString, steps);
        QFETCH(QString, message);
        QFETCH(QVector<int>, origin);
        QFETCH(QString, shown);
        Bench b(withPoints(points));
        b.start();
        edit(b, point, steps);
        QCOMPARE(b.dialogs.texts().join('|'), message);
        for (int i = 1; i <= 30; ++i) {
            QCOMPARE(b.session.meter.StpCounts[size_t(i)], 100 * origin.value(i - 1));
            QCOMPARE(b.session.meter.StpFlow[size_t(i)], 5.0f * origin.value(i - 1));
        }
        QCOMPARE(b.session.meter.StpAnzahl, int(origin.size()));
        const auto& d = b.session.display;
        const QString grid = point <= 15 ? "tabStp_1" : "tabStp_2";
        const int row = (point - 1) % 15 + 1;
        QCOMPARE((QStringList{d.cell(grid, row, 1), d.cell(grid, row, 2), b.shown("txtCounts"),
                              b.shown("txtFlow")}),
                 shown.split('|'));
    }

    // Points 1-15 in the first grid, 16-30 in the second; only the selected
    // row is marked. A zero flow shows as "0" at point 1 only.
    void selecting_a_point_shows_it_data() {
        QTest::addColumn<int>("point");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("flow");
        QTest::newRow("first, at zero flow") << 1 << "tabStp_1" << 1 << "0";
        QTest::newRow("second, at zero flow") << 2 << "tabStp_1" << 2 << "";
        QTest::newRow("last of the first grid") << 15 << "tabStp_1" << 15 << "75";
        QTest::newRow("first of the second grid") << 16 << "tabStp_2" << 1 << "80";
        QTest::newRow("last") << 30 << "tabStp_2" << 15 << "150";
    }
    void selecting_a_point_shows_it() {
        QFETCH(int, point);
        QFETCH(QString, grid);
        QFETCH(int, row);
        QFETCH(QString, flow);
        Bench b(withPoints(30, 0.0f));
        b.start();
        b.session.selectPoint(8);
        b.session.selectPoint(point);
        const QString counts = QString::number(100 * point);
        QCOMPARE(b.session.display.cell(grid, row, 1), counts);
        QCOMPARE(b.session.display.cell(grid, row, 2), flow);
        QCOMPARE((QStringList{b.shown("txtCounts"), b.shown("txtFlow")}),
                 (QStringList{counts, flow}));
        for (const QString g : {"tabStp_1", "tabStp_2"})
            for (int r = 1; r <= 15; ++r)
                for (int c = 1; c <= 2; ++c)
                    QCOMPARE(b.session.display.background(g + QString("(%1,%2)").arg(r).arg(c)),
                             g == grid && r == row ? color::LightYellow : color::SystemWindow);
    }

    // The boxes take a comma for the period, and counts up to 12 bits.
    void a_box_shows_what_it_takes_data() {
        QTest::addColumn<bool>("countsBox");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("comma in the flow") << false << "12,5" << "12.5";
        QTest::newRow("counts beyond 12 bits") << true << "5000" << "4095";
        QTest::newRow("the highest counts") << true << "4095" << "4095";
        QTest::newRow("a large flow") << false << "5000" << "5000";
        // clang-format on
    }
    void a_box_shows_what_it_takes() {
        QFETCH(bool, countsBox);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Bench b;
        const Box box = countsBox ? Box::StpCounts : Box::StpFlow;
        QCOMPARE(b.session.boxChanged(box, typed), shown);
        QCOMPARE(b.shown(Session::boxName(box)), shown);
    }

    // The count up to the first empty point, all 30 records; 1 s before the
    // table and after each frame, then 1 s and 35 s for the restart.
    void a_write_sends_the_table_stores_and_restarts_data() {
        QTest::addColumn<int>("point");
        QTest::addColumn<QString>("counts");
        QTest::addColumn<int>("count");
        QTest::newRow("a point added") << 13 << "4050" << 13;
        QTest::newRow("point 4 emptied") << 4 << "0" << 3;
    }
    void a_write_sends_the_table_stores_and_restarts() {
        QFETCH(int, point);
        QFETCH(QString, counts);
        QFETCH(int, count);
        Bench b;
        b.start();
        edit(b, point, "type " + counts + " 220 apply");
        const QByteArray table = tableFrame(b.session.meter, count);
        const int sent = b.frames().size();
        const double begun = b.clock.now();
        QCOMPARE(b.session.writeSupportPoints(), Session::WriteResult::Written);
        QCOMPARE(b.frames()[sent].size(), 183);
        QCOMPARE(b.frames()[sent], table);
        QCOMPARE(b.commands(sent + 1).mid(0, 4), (QStringList{"05 05", "02 01", "00 00", "0B 00"}));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(b.sim.line.transcript[sent + i].time - begun,
                     (std::array{1., 2., 3., 40.}[i]));
        QCOMPARE(b.sim.meter.eeprom().mid(address::StpAnzahl, 181), table.mid(1, 181));
        QCOMPARE(b.shown("SB1_1"), startTexts::writeDone(Language::German));
        QVERIFY(b.dialogs.shownMessages.isEmpty());
        QVERIFY(b.session.TimCounts().active());
    }

    void a_pending_insert_refuses_the_write() {
        Bench b;
        b.start();
        edit(b, 4, "insert");
        const int sent = b.frames().size();
        QCOMPARE(b.session.writeSupportPoints(), Session::WriteResult::Refused);
        QCOMPARE(b.dialogs.texts(),
                 QStringList{"Es ist noch ein Stützpunkt zum Einfügen gewählt !"});
        QCOMPARE(b.frames().size(), sent);
    }

    // Given up after the link's bound of attempts; nothing is stored or restarted.
    void a_meter_that_never_takes_the_table_is_given_up() {
        Bench b;
        b.start();
        b.sim.line.fault.nak = 1000;
        const int sent = b.frames().size();
        const double begun = b.clock.now();
        QCOMPARE(b.session.writeSupportPoints(), Session::WriteResult::Failed);
        QCOMPARE(b.dialogs.texts(), QStringList{linkTexts::notAccepted(Language::German, 10)});
        QCOMPARE(b.commands(sent), QStringList(Link::MaxSendAttempts, "04 0C"));
        QVERIFY(b.clock.now() - begun <= 1.0 + Link::MaxSendAttempts);
        QVERIFY(!b.session.busy());
    }
};

QTEST_GUILESS_MAIN(TstSupportPoints)
#include "tst_support_points.moc"
