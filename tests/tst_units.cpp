#include <QtTest>

#include "config/einheitentabelle.h"
#include "support/bench.h"
#include "support/file_helpers.h"
#include "support/property.h"

namespace {

// A started meter whose program folder holds the shipped units file.
struct UnitBench {
    UnitBench() {
        b.loadShippedUnits();
        b.start();
    }
    QStringList list() const {
        return b.session.display.get("ListeEinheitenloesch", Aspect::Items).toStringList();
    }
    QString type(UnitField field, const QString& text) {
        return b.features.units.unitFieldChanged(field, text);
    }
    void add(const QString& name, const QString& factor, const QString& condition) {
        b.features.units.openUnitTask(Task::UnitAdd);
        type(UnitField::Name, name);
        type(UnitField::Factor, factor);
        type(UnitField::Condition, condition);
        type(UnitField::Gas, "Luft");
        b.features.units.storeUnit();
    }

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
        u.b.features.units.openUnitTask(Task::Units);
        const int sent = u.b.frames().size();
        const double chosen = u.b.clock.now();
        u.b.features.units.selectUnit(1);  // kg/min
        QVERIFY(readFile(u.b.folder.filePath("Q_orbis.CON")).contains("\r\nkg/min\r\n60\r\n"));
        QCOMPARE(u.b.shown("lblinfo_15"), QStringLiteral("kg/min"));
        QVERIFY(!u.b.session.display.visible("raEinheiten"));
        QCOMPARE(u.b.session.display.visible("raAktuell"), portOpen);
        QCOMPARE(u.b.commands(sent).value(0), portOpen ? QString("0B 00") : QString());
        QCOMPARE(u.b.shown("lblMEW"), portOpen ? QString("2.5") : QString("150"));
        QCOMPARE(u.b.session.TimCounts().active(), portOpen);
        if (portOpen) QVERIFY(qAbs(u.b.sim.line.transcript[sent].time - chosen - 0.5) < 0.01);
    }

    // A file edited by hand, with records the table skips or cannot take,
    // loses none of them: an add or a delete changes its one record only.
    void any_units_file_keeps_every_other_record_across_add_and_delete() {
        QCHECK_PROPERTY("only the one record changes", [] {
            const QByteArray eol = *rc::gen::element(QByteArray("\r\n"), QByteArray("\n"));
            const auto kinds = *rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 7));
            const QByteArray tail = *rc::gen::element(QByteArray(), QByteArray("Notiz, x\r\n"));
            const QStringList factors = {" .06", " 2", "7.25", " .45359237", " 0", "-2", "abc"};
            QByteArray shipped = readFile(QStringLiteral(ORBIS_DATA "/UNIT.CON"));
            shipped = shipped.left(shipped.indexOf("Ende")).replace("\r\n", eol);
            QVector<QByteArray> extras;
            QVector<int> offered;  // the extra records the table takes, as deleting shows
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
            const QString path = u.b.folder.filePath("UNIT.CON");
            writeFile(path, file(-1, QByteArray()));
            u.b.session.loadUnits(path);
            RC_ASSERT(u.list().size() == 12 + offered.size());
            RC_ASSERT(u.b.dialogs.texts().isEmpty() == (offered.size() == extras.size()));
            u.b.dialogs.shownMessages.clear();

            u.add("neu/h", "12.5", "0 °C");  // listed without blanks until read again
            RC_ASSERT(readFile(path) == file(-1, added));
            RC_ASSERT(u.b.dialogs.texts().join("").contains("höchstens 50") == full);
            RC_ASSERT((u.list().last() == "neu/h(0 °C)  Luft") == !full);

            const int units = int(u.b.session.units.entries.size());
            const int p = *rc::gen::oneOf(rc::gen::inRange(0, units), rc::gen::just(units - 1),
                                          rc::gen::inRange(12, units));
            u.b.features.units.openUnitTask(Task::UnitDelete);
            u.b.features.units.deleteUnit(p);
            const QByteArray left = p < 12                    ? file(-1, added)
                                    : !full && p == units - 1 ? file(-1, QByteArray())
                                                              : file(offered[p - 12], added);
            RC_ASSERT(readFile(path) == left);
            RC_ASSERT(u.b.dialogs.texts().contains("Text 46") == (p < 12));
            RC_ASSERT(u.list().size() == readUnits(path).entries.size());
        });
    }

    // Whatever is typed, the unit is stored so that the file reads it back as
    // the boxes show it (texts without blanks around them), or it is refused
    // with a message naming what is wrong and the file is left alone: no
    // factor above 0, a text outside Latin-1 or with a comma, a double quote
    // or a control character, a name "Ende". The factor box keeps the digits
    // and the first period typed and drops the rest, a comma too.
    void a_unit_reads_back_as_shown_or_is_refused() {
        UnitBench u;
        const QString path = u.b.folder.filePath("UNIT.CON");
        const QByteArray before = readFile(path);
        using F = UnitField;
        QCHECK_PROPERTY("read back as shown or refused", [&] {
            const auto text = [](auto... chars) {
                return QString::fromStdU16String(
                    *rc::gen::container<std::u16string>(rc::gen::element(chars...)));
            };
            const auto anyText = [&] {
                return text(u'x', u' ', u'\u00B0', u'\u20AC', u',', u'"', u'\t');
            };
            const QString typed = text(u'0', u'5', u'.', u',', u'e', u'-');
            u.b.dialogs.shownMessages.clear();
            u.b.features.units.openUnitTask(Task::UnitAdd);
            u.type(F::Factor, text(u'5', u'.'));  // typed over or emptied
            const QString f = u.type(F::Factor, typed);
            const QString n =
                u.type(F::Name, *rc::gen::element(0, 1) ? QString("Ende") : anyText());
            const QString c = u.type(F::Condition, anyText()), g = u.type(F::Gas, anyText());
            u.b.features.units.storeUnit();
            const QRegularExpression notDigit("[^0-9]");
            RC_ASSERT(QRegularExpression("^[0-9]*\\.?[0-9]*$").match(f).hasMatch());
            RC_ASSERT(QString(f).remove(notDigit) == QString(typed).remove(notDigit));
            RC_ASSERT(f.contains('.') == typed.contains('.'));
            const QString fields = n.trimmed() + c.trimmed() + g.trimmed();
            if (!(f.toDouble() > 0) || n.trimmed() == "Ende" || n.trimmed().isEmpty() ||
                QRegularExpression("[\u20AC,\"\t]").match(fields).hasMatch()) {
                RC_ASSERT(readFile(path) == before);
                RC_ASSERT(QRegularExpression("^(Text 48|Name|Normzustand|Gasart|\"Ende\")")
                              .match(u.b.dialogs.texts().value(0))
                              .hasMatch());
                return;
            }
            const Unit read = readUnits(path).entries.last();
            RC_ASSERT(read.Umrechnungsfaktor == f.toDouble());
            RC_ASSERT(QStringList({read.Einheit, read.Normzustand, read.Gasart}) ==
                      QStringList({n.trimmed(), "(" + c.trimmed() + ")", g.trimmed()}));
            u.b.features.units.deleteUnit(Einheitentabelle::BuiltIn);
            RC_ASSERT(readFile(path) == before);
        });
    }
};

QTEST_GUILESS_MAIN(TstUnits)
#include "tst_units.moc"
