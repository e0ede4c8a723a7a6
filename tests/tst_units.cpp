#include <QTemporaryDir>
#include <QtTest>

#include "config/einheitentabelle.h"
#include "support/bench.h"
#include "support/file_helpers.h"

namespace {

// A started meter whose program folder holds the shipped units file.
struct UnitBench {
    UnitBench() : b(images::standard(), folder.path()) {
        QFile::copy(QStringLiteral(ORBIS_DATA "/UNIT.CON"), folder.filePath("UNIT.CON"));
        QFile::setPermissions(folder.filePath("UNIT.CON"), QFile::ReadOwner | QFile::WriteOwner);
        b.session.loadUnits(folder.filePath("UNIT.CON"));
        b.start();
    }
    QStringList list() const {
        return b.session.display.get("ListeEinheitenloesch", Aspect::Items).toStringList();
    }
    void type(Session::UnitField field, const QString& text) {
        b.session.unitFieldChanged(field, text);
    }
    void add(const QString& name, const QString& factor, const QString& condition) {
        b.session.openUnitTask(Task::UnitAdd);
        type(Session::UnitField::Name, name);
        type(Session::UnitField::Factor, factor);
        type(Session::UnitField::Condition, condition);
        type(Session::UnitField::Gas, "Luft");
        b.session.storeUnit();
    }

    QTemporaryDir folder;
    Bench b;
};

}  // namespace

// Given the units file, when the technician selects, adds or deletes a unit,
// then the file, the lists and every flow shown follow.
class TstUnits : public QObject {
    Q_OBJECT

private slots:
    // The meter is read again after half a second, so every flow is shown in the new unit.
    void selecting_a_unit_shows_the_meter_in_it_data() {
        QTest::addColumn<bool>("portOpen");
        QTest::newRow("port open") << true;
        QTest::newRow("port closed") << false;
    }
    void selecting_a_unit_shows_the_meter_in_it() {
        QFETCH(bool, portOpen);
        UnitBench u;
        if (!portOpen) u.b.sim.port.closePort();
        u.b.session.openUnitTask(Task::Units);
        const int sent = u.b.frames().size();
        const double chosen = u.b.clock.now();
        u.b.session.selectUnit(1);  // kg/min
        QVERIFY(readFile(u.folder.filePath("Q_orbis.CON")).contains("\r\nkg/min\r\n60\r\n"));
        QCOMPARE(u.b.shown("lblinfo_15"), QStringLiteral("kg/min"));
        QVERIFY(!u.b.session.display.visible("raEinheiten"));
        QCOMPARE(u.b.session.display.visible("raAktuell"), portOpen);
        QCOMPARE(u.b.commands(sent).value(0), portOpen ? QString("0B 00") : QString());
        QCOMPARE(u.b.shown("lblMEW"), portOpen ? QString("2.5") : QString("150"));
        QCOMPARE(u.b.session.TimCounts().active(), portOpen);
        if (portOpen) QVERIFY(qAbs(u.b.sim.line.transcript[sent].time - chosen - 0.5) < 0.01);
    }

    void the_factor_box_takes_digits_and_a_period_only_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits") << "60"
                                << "60";
        QTest::newRow("a period") << "1."
                                  << "1.";
        QTest::newRow("a comma is dropped, not converted") << "1,"
                                                           << "1";
        QTest::newRow("a letter") << "2x"
                                  << "2";
    }
    void the_factor_box_takes_digits_and_a_period_only() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        UnitBench u;
        QCOMPARE(u.b.session.unitFieldChanged(Session::UnitField::Factor, typed), shown);
    }

    // A new unit is appended to the file; its list entry has no blanks before the
    // parenthesis until the table is read again.
    void a_new_unit_is_stored_and_listed() {
        UnitBench u;
        const QString longName(40, 'x');
        QCOMPARE(u.b.session.unitFieldChanged(Session::UnitField::Name, longName),
                 longName.left(30));
        u.add("lb/min", "15", "0 °C");
        const QByteArray file = readFile(u.folder.filePath("UNIT.CON"));
        QVERIFY(
            file.endsWith("lb/min\r\n 15\r\n(0 \xB0"
                          "C)\r\nLuft\r\nEnde\r\n"));
        QCOMPARE(u.list().last(), QStringLiteral("lb/min(0 °C)  Luft"));
        QCOMPARE(u.b.session.units.entries.size(), 13);
        QVERIFY(!u.b.session.display.visible("raEinheitenAdd"));
        QCOMPARE(readUnits(u.folder.filePath("UNIT.CON")).entries.last().Umrechnungsfaktor, 15.0);
    }

    void a_unit_that_cannot_be_stored_leaves_the_file_alone_data() {
        QTest::addColumn<QString>("factor");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<int>("extra");  // units added before
        QTest::addColumn<QString>("message");
        QTest::newRow("factor 0") << "0"
                                  << "-" << 0 << "Text 48";
        QTest::newRow("a comma would split the record") << "2"
                                                        << "0 °C, 1 bar" << 0 << "Komma";
        QTest::newRow("the 51st unit") << "2"
                                       << "-" << 38 << "höchstens 50";
    }
    void a_unit_that_cannot_be_stored_leaves_the_file_alone() {
        QFETCH(QString, factor);
        QFETCH(QString, condition);
        QFETCH(int, extra);
        QFETCH(QString, message);
        UnitBench u;
        for (int i = 0; i < extra; ++i)
            u.add(QStringLiteral("u%1/h").arg(i), "2", "-");
        const QByteArray before = readFile(u.folder.filePath("UNIT.CON"));
        u.add("new/h", factor, condition);
        QCOMPARE(readFile(u.folder.filePath("UNIT.CON")), before);
        QVERIFY2(u.b.dialogs.texts().last().contains(message),
                 qPrintable(u.b.dialogs.texts().last()));
        QVERIFY(u.b.session.display.visible("raEinheitenAdd"));
    }

    void only_units_after_the_twelve_built_in_ones_can_be_deleted_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("left");
        QTest::newRow("a built-in unit") << 11 << 13;
        QTest::newRow("the thirteenth") << 12 << 12;
    }
    void only_units_after_the_twelve_built_in_ones_can_be_deleted() {
        QFETCH(int, position);
        QFETCH(int, left);
        UnitBench u;
        u.add("lb/min", "15", "-");
        u.b.session.openUnitTask(Task::UnitDelete);
        u.b.session.deleteUnit(position);
        QCOMPARE(readUnits(u.folder.filePath("UNIT.CON")).entries.size(), left);
        QCOMPARE(u.list().size(), left);
        QCOMPARE(u.b.dialogs.texts(), left == 13 ? QStringList{"Text 46"} : QStringList());
        QCOMPARE(u.b.session.display.visible("raEinheitenloesch"), left == 13);
    }
};

QTEST_GUILESS_MAIN(TstUnits)
#include "tst_units.moc"
