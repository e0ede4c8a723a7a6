#include <QtTest>
#include <array>
#include <cmath>
#include <numeric>

#include "curve/curve_table.h"
#include "curve/curve_texts.h"
#include "device/eeprom_map.h"
#include "link/byte_order.h"
#include "session/link_messages.h"
#include "session/status_texts.h"
#include "support/bench.h"
#include "support/progress_log.h"

namespace {

using Result = WriteResult;
using Kind = curveTable::Fault::Kind;

// The standard meter with `n` points, point i at 100 i counts and 5 (i - 1) kg/h.
QByteArray withPoints(int n) {
    QByteArray e = images::standard();
    e[address::StpAnzahl] = char(n);
    for (int i = 1; i <= n; ++i) {
        const int a = address::FirstSupportPoint + address::SupportPointStride * (i - 1);
        e.replace(a, 2, byteOrder::word16(quint16(100 * i)));
        e.replace(a + 2, 4, byteOrder::float32(5.0f * (i - 1)));
    }
    return e;
}

// Selects `point` and runs the steps: "type c f", "yes"/"no" for the next
// question, "apply", "insert", "delete", "at p" to select point p.
void edit(Bench& b, int point, const QString& steps) {
    b.features.points.selectPoint(point);
    const QStringList s = steps.split(' ');
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == "type") {
            b.features.points.boxChanged(Box::StpCounts, s[++i]);
            b.features.points.boxChanged(Box::StpFlow, s[++i]);
        }
        if (s[i] == "yes" || s[i] == "no")
            b.dialogs.answers << (s[i] == "yes" ? Answer::Yes : Answer::No);
        if (s[i] == "apply") b.features.points.applyPoint();
        if (s[i] == "insert") b.features.points.insertPoint();
        if (s[i] == "delete") b.features.points.deletePoint();
        if (s[i] == "at") b.features.points.selectPoint(s[++i].toInt());
    }
}

}  // namespace

// Given the support-point page, the editor keeps the table gap-free within
// 30 points, shows it in two grids, and writes it to the meter in one frame.
class TstSupportPoints : public QObject {
    Q_OBJECT

private slots:
    // Points 1-15 in the first grid, 16-30 in the second, the selected row
    // marked; a zero flow shows as "0" at point 1 only. The boxes take a comma
    // for the period, and counts up to 12 bits.
    void an_edit_changes_and_shows_the_table_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("point");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QVector<int>>("origin");  // where each point came from, 0: empty
        QTest::addColumn<QString>("shown");        // the point's two cells, then its two boxes
        const auto upTo = [](int n) {              // points 1 … n where they were
            QVector<int> v(n);
            std::iota(v.begin(), v.end(), 1);
            return v;
        };
        const QVector<int> in5{1, 2, 3, 4, 0, 5, 6, 7, 8, 9, 10};
        const char* twice = "Es kann immer nur ein neuer Stützpunkt eingefügt werden !";
        // clang-format off
        QTest::newRow("point 1 at zero flow") << 10 << 1 << "" << "" << upTo(10) << "100|0|100|0";
        QTest::newRow("last of the first grid") << 30 << 15 << "" << "" << upTo(30) << "1500|70|1500|70";
        QTest::newRow("first of the second grid") << 30 << 16 << "" << "" << upTo(30) << "1600|75|1600|75";
        QTest::newRow("one insert at a time") << 10 << 5 << "insert insert" << twice << in5 << "0|0||";
        QTest::newRow("delete the last of 30") << 30 << 30 << "yes delete" << "Text 55" << upTo(29) << "|||";
        QTest::newRow("delete answered No") << 30 << 30 << "no delete" << "Text 55" << upTo(30) << "3000|145|3000|145";
        QTest::newRow("the same values") << 10 << 3 << "apply" << "Text 56" << upTo(10) << "300|10|300|10";
        QTest::newRow("right after the last") << 10 << 11 << "type 1100 50 apply" << "" << upTo(11) << "1100|50|1100|50";
        QTest::newRow("typed: a comma, counts beyond 12 bits") << 10 << 11 << "type 5000 12,5" << "" << upTo(10) << "||4095|12.5";
        QTest::newRow("two beyond the last") << 10 << 12 << "type 1200 60 apply" << "Text 60" << upTo(10) << "|||";
        QTest::newRow("insert into a full table") << 30 << 5 << "insert" << "Text 64" << upTo(30) << "500|20|500|20";
        // clang-format on
    }
    void an_edit_changes_and_shows_the_table() {
        QFETCH(int, points);
        QFETCH(int, point);
        QFETCH(QString, steps);
        QFETCH(QVector<int>, origin);
        Bench b(withPoints(points));
        b.start();
        b.features.points.selectPoint(8);
        edit(b, point, steps);
        QTEST(b.dialogs.texts().join('|'), "message");
        for (size_t i = 1; i <= 30; ++i) {
            const int o = origin.value(int(i) - 1);
            QCOMPARE(b.session.meter.StpCounts[i], 100 * o);
            QCOMPARE(b.session.meter.StpFlow[i], o ? 5.0f * (o - 1) : 0.0f);
        }
        QCOMPARE(b.session.meter.StpAnzahl, int(origin.size()));
        const auto& d = b.session.display;
        const QString grid = point <= 15 ? "tabStp_1" : "tabStp_2";
        const int row = (point - 1) % 15 + 1;
        QTEST((QStringList{d.cell(grid, row, 1), d.cell(grid, row, 2), b.shown("txtCounts"),
                           b.shown("txtFlow")})
                  .join('|'),
              "shown");
        const auto at = [](const QString& g, int r) { return g + QString("(%1,2)").arg(r); };
        QCOMPARE(d.background(at(grid, row)), color::LightYellow);
        QCOMPARE(d.background(at(grid == "tabStp_1" ? "tabStp_2" : "tabStp_1", row)),
                 color::SystemWindow);
        QCOMPARE(d.background(at("tabStp_1", 8)), color::SystemWindow);  // selected before
    }

    // The table with its count in one frame (the meter holds what it says, as it reads back);
    // 1 s before the table and after each frame, then 1 s and 35 s for the restart.
    void a_write_sends_the_table_stores_and_restarts() {
        Bench b;
        b.start();
        edit(b, 13, "type 4050 220 apply");
        const int sent = b.frames().size();
        const double begun = b.clock.now();
        const ProgressLog progress(b.session);
        QCOMPARE(b.features.points.writeSupportPoints(), Result::Written);
        QCOMPARE(progress.fault(44), QString());  // and two reads of the image
        QCOMPARE(b.commands(sent).mid(0, 5),
                 (QStringList{"04 0D", "05 05", "02 01", "00 00", "0B 00"}));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(b.sim.line.transcript[sent + i].time - begun,
                     (std::array{1., 2., 3., 40.}[size_t(i)]));
        QCOMPARE(b.shown("SB1_1"), startTexts::writeDone(Language::German));
        QVERIFY(b.session.TimCounts().active());
    }

    // A table the meter cannot hold whole is refused before anything is sent;
    // counts that do not rise are written after a warning; a meter that never
    // takes the table is given up after the link's bound of attempts, and one
    // that comes back without it is told point by point.
    void a_write_ends_as_the_table_and_the_meter_allow_data() {
        QTest::addColumn<QByteArray>("eeprom");
        QTest::addColumn<int>("point");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("fault");  // "nak": rejects everything, "lost": forgets the table
        QTest::addColumn<Result>("result");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("tables");  // table frames sent
        const QString lost =
            "Anzahl Stützpunkte: verlangt 13, das Messgerät hält 12\nStützpunkt 13: "
            "verlangt 4050 Counts, 220 kg/h, das Messgerät hält keinen Stützpunkt";
        const QByteArray standard = images::standard();
        // clang-format off
        QTest::newRow("an insert pending") << standard << 4 << "insert" << "" << Result::Refused << "Es ist noch ein Stützpunkt zum Einfügen gewählt !" << 0;
        QTest::newRow("point 4 emptied") << standard << 4 << "type 0 20 apply" << "" << Result::Refused << curveTexts::refused(Language::German, {Kind::ZeroBeforeLast, 4, 12}) << 0;
        QTest::newRow("no points") << withPoints(0) << 1 << "" << "" << Result::Refused << curveTexts::refused(Language::German, {Kind::Empty, 0, 0}) << 0;
        QTest::newRow("31 points") << withPoints(31) << 1 << "" << "" << Result::Refused << curveTexts::refused(Language::German, {Kind::TooMany, 31, 31}) << 0;
        QTest::newRow("negative counts") << standard << 13 << "type -5 20 apply" << "" << Result::Refused << curveTexts::refused(Language::German, {Kind::Invalid, 13, 13}) << 0;
        QTest::newRow("counts that do not rise") << standard << 13 << "type 100 220 apply" << "" << Result::Written << curveTexts::notRising(Language::German, {13}) << 1;
        QTest::newRow("a gap after an insert") << standard << 13 << "insert at 15 type 1 2 apply" << "" << Result::Written << "Text 60" << 1;
        QTest::newRow("a meter rejecting it") << standard << 4 << "" << "nak" << Result::Failed << linkTexts::notAccepted(Language::German, 10) << Link::MaxSendAttempts;
        QTest::newRow("a meter losing it") << standard << 13 << "type 4050 220 apply" << "lost" << Result::Differs << lost << 1;
        // clang-format on
    }
    void a_write_ends_as_the_table_and_the_meter_allow() {
        QFETCH(QByteArray, eeprom);
        QFETCH(int, point);
        QFETCH(QString, steps);
        QFETCH(QString, fault);
        Bench b(eeprom);
        b.start();
        edit(b, point, steps);
        b.sim.line.fault.nak = fault == "nak" ? 1000 : 0;
        if (fault == "lost")
            b.clock.schedule(b.clock.now() + 6.0, [&] { b.sim.meter = Meter(images::standard()); });
        const int sent = b.frames().size();
        QTEST(b.features.points.writeSupportPoints(), "result");
        QTEST(b.dialogs.texts().join('|'), "message");
        QTEST(int(b.commands(sent).filter(QRegularExpression("^04 ")).size()), "tables");
        QVERIFY(!b.session.busy());
    }

    // A flow read back differs from the one asked by a single's rounding at most.
    void a_point_read_back_is_compared_within_single_rounding() {
        const QVector<curveTable::Point> asked{{100, 5.0f}, {200, 50.0f}};
        const QVector<curveTable::Point> rounded{{100, std::nextafter(5.0f, 6.0f)}, {200, 50.0f}};
        const QVector<curveTable::Point> off{{100, 5.0f}, {200, 50.005f}};
        QCOMPARE(curveTable::differing(asked, rounded), QList<int>());
        QCOMPARE(curveTable::differing(asked, off), QList<int>{2});
        QCOMPARE(curveTable::differing(asked, asked.mid(0, 1)), QList<int>{2});
    }
};

QTEST_GUILESS_MAIN(TstSupportPoints)
#include "tst_support_points.moc"
