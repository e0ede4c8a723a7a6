#include <QTemporaryDir>
#include <QtTest>

#include "config/einheitentabelle.h"
#include "support/bench.h"
#include "support/file_helpers.h"
#include "support/property.h"

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

// Lines as a units file holds them, each ended by `eol`.
QByteArray lines(const QStringList& fields, const QByteArray& eol) {
    QByteArray b;
    for (const QString& f : fields)
        b += f.toLatin1() + eol;
    return b;
}

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

    // Typed, pasted or emptied, the box never holds a factor it does not show.
    void the_factor_held_is_the_number_the_box_shows() {
        UnitBench u;
        QCHECK_PROPERTY("the factor is the number shown", [&u] {
            const auto typed = *rc::gen::container<std::string>(
                rc::gen::element('0', '5', '.', ',', 'e', '-', ' ', 'x'));
            const QString shown = u.b.session.unitFieldChanged(Session::UnitField::Factor,
                                                               QString::fromStdString(typed));
            RC_ASSERT(QRegularExpression("^[0-9]*\\.?[0-9]*$").match(shown).hasMatch());
            RC_ASSERT(u.b.session.edit.newUnit.Umrechnungsfaktor == shown.toDouble());
        });
    }

    // Its list entry has no blanks before the parenthesis until the table is read again.
    void a_new_unit_is_listed() {
        UnitBench u;
        const QString longName(40, 'x');
        QCOMPARE(u.b.session.unitFieldChanged(Session::UnitField::Name, longName),
                 longName.left(30));
        u.add("lb/min", "15", "0 °C");
        QCOMPARE(u.list().last(), QStringLiteral("lb/min(0 °C)  Luft"));
        QCOMPARE(u.b.session.units.entries.size(), 13);
        QVERIFY(!u.b.session.display.visible("raEinheitenAdd"));
    }

    // A file edited by hand, with records the table skips or cannot take,
    // loses none of them: an add or a delete changes its one record only.
    void any_units_file_keeps_every_other_record_across_add_and_delete() {
        QCHECK_PROPERTY("only the one record changes", [] {
            const QByteArray eol =
                QByteArray::fromStdString(*rc::gen::element<std::string>("\r\n", "\n"));
            const auto kinds = *rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 7));
            const QByteArray tail = *rc::gen::element(QByteArray(), QByteArray("Notiz, x\r\n"));
            const QStringList factors = {" .06", " 2", "7.25", " .45359237", " 0", "-2", "abc"};
            QByteArray shipped = readFile(QStringLiteral(ORBIS_DATA "/UNIT.CON"));
            shipped = shipped.left(shipped.indexOf("Ende")).replace("\r\n", eol);
            QVector<QByteArray> extras;
            QVector<int> offered;  // the extra records the table takes
            for (int i = 0; i < int(kinds.size()); ++i) {
                extras << lines({QString("u%1/h").arg(i), factors[kinds[i]], "(-)", "Luft"}, eol);
                if (kinds[i] < 4 && offered.size() < Einheitentabelle::Max - 12) offered << i;
            }
            const bool full = offered.size() == Einheitentabelle::Max - 12;
            const QByteArray added =
                full ? QByteArray() : lines({"neu/h", " 12.5", "(0 °C)", "Luft"}, eol);
            const auto file = [&](int without, const QByteArray& newRecord) {
                QByteArray b = shipped;
                for (int i = 0; i < extras.size(); ++i)
                    if (i != without) b += extras[i];
                return b + newRecord + "Ende" + eol + tail;
            };
            UnitBench u;
            const QString path = u.folder.filePath("UNIT.CON");
            writeFile(path, file(-1, QByteArray()));
            u.b.session.loadUnits(path);
            u.b.dialogs.shownMessages.clear();

            u.add("neu/h", "12.5", "0 °C");
            RC_ASSERT(readFile(path) == file(-1, added));
            RC_ASSERT(u.b.dialogs.texts().join("").contains("höchstens 50") == full);

            const int units = int(u.b.session.units.entries.size());
            const int p = *rc::gen::oneOf(rc::gen::inRange(0, units), rc::gen::just(units - 1),
                                          rc::gen::inRange(12, units));
            u.b.session.openUnitTask(Task::UnitDelete);
            u.b.session.deleteUnit(p);
            const QByteArray left = p < 12                    ? file(-1, added)
                                    : !full && p == units - 1 ? file(-1, QByteArray())
                                                              : file(offered[p - 12], added);
            RC_ASSERT(readFile(path) == left);
            RC_ASSERT(u.b.dialogs.texts().contains("Text 46") == (p < 12));
            RC_ASSERT(u.list().size() == readUnits(path).entries.size());
        });
    }

    void a_unit_that_cannot_be_stored_leaves_the_file_alone_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("factor");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("message");
        QTest::newRow("factor 0") << "new/h"
                                  << "0"
                                  << "-"
                                  << "Text 48";
        QTest::newRow("a comma would split the record") << "new/h"
                                                        << "2"
                                                        << "0 °C, 1 bar"
                                                        << "Normzustand \"0 °C, 1 bar\": Ein Komma";
        QTest::newRow("a name outside Latin-1") << "€/h"
                                                << "2"
                                                << "-"
                                                << "Name \"€/h\": UNIT.CON "
                                                   "nimmt nur Zeichen des Zeichensatzes Latin-1";
        QTest::newRow("the end marker as a name") << "Ende"
                                                  << "2"
                                                  << "-"
                                                  << "\"Ende\" beendet";
    }
    void a_unit_that_cannot_be_stored_leaves_the_file_alone() {
        QFETCH(QString, name);
        QFETCH(QString, factor);
        QFETCH(QString, condition);
        QFETCH(QString, message);
        UnitBench u;
        const QByteArray before = readFile(u.folder.filePath("UNIT.CON"));
        u.add(name, factor, condition);
        QCOMPARE(readFile(u.folder.filePath("UNIT.CON")), before);
        QVERIFY2(u.b.dialogs.texts().last().contains(message),
                 qPrintable(u.b.dialogs.texts().last()));
        QVERIFY(u.b.session.display.visible("raEinheitenAdd"));
    }
};

QTEST_GUILESS_MAIN(TstUnits)
#include "tst_units.moc"
