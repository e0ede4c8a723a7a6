#include <QBuffer>
#include <QPdfWriter>
#include <QtTest>

#include "files/report.h"
#include "files/report_painter.h"

using namespace report;

Q_DECLARE_METATYPE(MeterParameters)
Q_DECLARE_METATYPE(Unit)
Q_DECLARE_METATYPE(Language)
Q_DECLARE_METATYPE(report::Line)

namespace {

const QDateTime Now(QDate(2024, 3, 5), QTime(14, 30));
const QString NoRow = QStringLiteral("(no row)");

// A pulse output, 4 - 20 mA with Max on error, unless told otherwise.
MeterParameters meter(int Ausgangsart = 4, int Analogbereich = 8 | 32, int Frequenzbereich = 0) {
    MeterParameters m;
    m.Ausgangsart = Ausgangsart;
    m.Analogbereich = Analogbereich;
    m.Frequenzbereich = Frequenzbereich;
    m.Filterfaktor = 62339;
    m.Schleichmenge = 0.12345f;
    m.Polaritaet = QStringLiteral("Plus");
    m.Fertigungsnummer = QStringLiteral("  12345");
    m.Firmwareversion = QStringLiteral(" 1.23");
    m.FrequenzMin = 10;
    m.FrequenzMax = 500;
    m.SchaltMax = 80;
    return m;
}

Unit unit(const QString& Normzustand = QStringLiteral("  1013 mbar, 0 °C")) {
    Unit u;
    u.Normzustand = Normzustand;
    return u;
}

// The value beside a label, empty for a label without one.
QString valueOf(const Document& d, const QString& label) {
    for (const Line& line : d)
        if (!line.items.isEmpty() && line.items[0].tab == 10 && line.items[0].text == label)
            return line.items.size() > 1 && line.items[1].tab == 65 ? line.items[1].text : "";
    return NoRow;
}

QVector<Line> linesWithItemAt(const Document& d, int tab) {
    QVector<Line> found;
    for (const Line& line : d)
        if (std::any_of(line.items.begin(), line.items.end(),
                        [tab](const Item& i) { return i.tab == tab; }))
            found.append(line);
    return found;
}

QStringList texts(const Line& line) {
    QStringList t;
    for (const Item& i : line.items)
        t << i.text;
    return t;
}

QByteArray pdf(const Document& d) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        paintReport(d, writer);
    }
    return buffer.data();
}

}  // namespace

// Given the meter's parameters, when a report is made, then each row the
// device's settings call for is there in the user's language, rows for
// settings not in use are left out, and the pages hold every line whole.
class TstReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void configuration_rows_data() {
        QTest::addColumn<MeterParameters>("m");
        QTest::addColumn<Unit>("unit");
        QTest::addColumn<Language>("s");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("value");
        const auto row = [](const char* name, const MeterParameters& m, Language s,
                            const char* label, const QString& value, const Unit& u = unit()) {
            QTest::newRow(name) << m << u << s << QString(label) << value;
        };
        const auto German = Language::German, English = Language::English;
        const auto French = Language::French;
        const MeterParameters noRange = meter(4, 0);
        row("two-character Normzustand", meter(), German, "Normzustand", NoRow, unit("20"));
        row("longer Normzustand", meter(), German, "Normzustand", "= 1013 mbar, 0 °C");
        row("serial number", meter(), French, "Numéro de production", "= 12345");
        row("French firmware continued", meter(), French, "de l'appareil (firmware)", "");
        row("no range bit: no range", noRange, German, "Analog Ausgang", NoRow);
        row("no range bit: no error level", noRange, German, "Ausgang im Fehlerfall", NoRow);
        row("no range bit: filter", noRange, German, "Filterfaktor", "= 20 ms");
        row("no range bit: creep flow", noRange, German, "Schleichmenge", "= 0.1235 kg/h");
        row("no range bit: overflow", noRange, German, "Überlauf 10%", "= passiv");
        row("range bit 3", meter(), German, "Analog Ausgang", "= 4 - 20 mA");
        row("error bit 5", meter(), English, "Output at error", "= Max");
        row("pulse and frequency: pulse", meter(4 | 8), German, "Impulswertigkeit",
            "= 0.25 kg/Puls");
        row("pulse and frequency: no frequency", meter(4 | 8), German, "Frequenzausgang", NoRow);
        row("Frequenzbereich 0", meter(8), German, "Frequenzausgang", "= 10 - 500 Hz");
        row("Frequenzbereich 3", meter(8, 0, 3), German, "Frequenzausgang", NoRow);
        row("Frequenzbereich 4", meter(8, 0, 4), English, "Frequency Output", " = 100 - 10; kHz");
        MeterParameters minus = meter();
        minus.Polaritaet = "Minus";
        row("negative pulses", minus, German, "Impulsausgang Polaritat", "= Negativ");
        MeterParameters switching = meter(0);
        switching.Digitalflags = 8;
        row("switch output", switching, German, "Schaltausgang (Max)", "= 80 kg/h");
    }
    void configuration_rows() {
        QFETCH(MeterParameters, m);
        QFETCH(Unit, unit);
        QFETCH(Language, s);
        QFETCH(QString, label);
        QTEST(valueOf(configurationReport(m, unit, 0.25f, s, Now), label), "value");
    }

    void section_heads_data() {
        QTest::addColumn<Language>("s");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("colonTab");
        QTest::addColumn<int>("underline");
        QTest::newRow("German") << Language::German << "Gerätedaten" << 26 << 16;
        QTest::newRow("English") << Language::English << "Analog Output" << 26 << 16;
        QTest::newRow("French") << Language::French << "Sortie numérique" << 35 << 22;
    }
    void section_heads() {
        QFETCH(Language, s);
        QFETCH(QString, name);
        QFETCH(int, colonTab);
        QFETCH(int, underline);
        const Document d = configurationReport(meter(), unit(), 0.25f, s, Now);
        const auto head = std::find_if(d.begin(), d.end(), [&](const Line& l) {
            return texts(l) == QStringList({name, ":"}) && l.items[1].tab == colonTab;
        });
        QVERIFY(head != d.end());
        QVERIFY(head->items[0].bold && head->items[1].bold);
        QCOMPARE(texts(*(head + 1)), QStringList(QString(underline, '_')));
    }

    void every_report_opens_with_its_title_data() {
        QTest::addColumn<Document>("d");
        QTest::addColumn<QString>("title");
        QTest::newRow("configuration, German")
            << configurationReport(meter(), unit(), 1, Language::German, Now)
            << "Konfiguration  oQ";
        QTest::newRow("service") << serviceReport(meter(), Now) << "Servicedaten";
        QTest::newRow("EEPROM") << eepromReport(QByteArray(1, 16), "1", Now) << "EEPromdaten";
    }
    void every_report_opens_with_its_title() {
        QFETCH(Document, d);
        QFETCH(QString, title);
        QVERIFY(d[0].items.isEmpty() && d[1].items.isEmpty() && d[2].items.isEmpty());
        QCOMPARE(d[3].pointSize, 16);
        QCOMPARE(texts(d[3]), QStringList({title, "5 Mar 2024", "14:30:00"}));
        QVERIFY(d[3].items[0].bold && d[3].items[2].tab == 60);
        QCOMPARE(texts(d[4]), QStringList(QString(70, '_')));
        QCOMPARE(d[4].pointSize, 12);
    }

    void the_service_report_lists_all_thirty_points_and_both_dac_sections() {
        MeterParameters m = meter();
        m.StpCounts[1] = 120;
        m.StpFlow[1] = 0.5f;
        m.StpFlow[2] = -1.25f;
        m.DacCountsI[3] = 3900;
        m.DacAusgangI[3] = 20.25f;
        const Document d = serviceReport(m, Now);
        const QVector<Line> points = linesWithItemAt(d, 33);
        QCOMPARE(points.size(), 30);
        QCOMPARE(texts(points[0]), QStringList({" 1 ", " 120 ", " 0.5 "}));
        QCOMPARE(texts(points[1]), QStringList({" 2 ", " 0 ", "-1.25 "}));
        QCOMPARE(texts(points[29]), QStringList({" 30 ", " 0 ", " 0 "}));
        const QVector<Line> heads = linesWithItemAt(d, 30);
        QCOMPARE(heads.size(), 2);
        QCOMPARE(heads[0].items[1].text, "gemessene Spannung");
        QCOMPARE(heads[1].items[1].text, "gemessener Strom");
        const QVector<Line> dacRows = linesWithItemAt(d, 34);
        QCOMPARE(dacRows.size(), 6);
        QCOMPARE(texts(dacRows[5]), QStringList({"3900", "20.25"}));
    }

    void the_eeprom_dump_shows_twelve_bytes_a_row_up_to_position_513() {
        QByteArray bytes(600, 7);
        bytes[0] = 16;
        const QVector<Line> rows = linesWithItemAt(eepromReport(bytes, "42", Now), 20);
        QCOMPARE(rows.size(), 43);
        for (int r = 0; r < rows.size(); ++r) {
            QVERIFY(rows[r].items[0].bold);
            QCOMPARE(rows[r].items[0].text, QString::number(12 * r));
        }
        QCOMPARE(rows[0].items[1].text.trimmed(), "16");
        QCOMPARE(rows[0].items[12].tab, 86);
        QCOMPARE(rows[42].items.size(), 1 + 9);
    }

    void pages_hold_whole_lines_data() {
        QTest::addColumn<Document>("d");
        QTest::addColumn<int>("fewestPages");
        QTest::addColumn<int>("mostPages");
        const Document wrapping(40, Line{{{10, "x"}, {5, "y"}}});
        QTest::newRow("configuration report")
            << configurationReport(meter(), unit(), 1, Language::English, Now) << 1 << 1;
        QTest::newRow("service report") << serviceReport(meter(), Now) << 1 << 3;
        QTest::newRow("EEPROM dump") << eepromReport(QByteArray(513, 16), "1", Now) << 1 << 3;
        QTest::newRow("40 lines") << Document(40, Line{{{10, "x"}}}) << 1 << 1;
        QTest::newRow("40 lines, each back to a tab on the left") << wrapping << 2 << 2;
        QTest::newRow("200 lines") << Document(200, Line{{{10, "x"}}}) << 2 << 200;
    }
    void pages_hold_whole_lines() {
        QFETCH(Document, d);
        QFETCH(int, fewestPages);
        QFETCH(int, mostPages);
        const QByteArray file = pdf(d);
        QVERIFY(file.startsWith("%PDF"));
        const int pages = int(file.count("/Type /Page\n"));
        QVERIFY2(pages >= fewestPages && pages <= mostPages, qPrintable(QString::number(pages)));
    }
};

QTEST_MAIN(TstReport)
#include "tst_report.moc"
