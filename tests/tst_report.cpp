#include <QPdfWriter>
#include <QtTest>

#include "files/report.h"
#include "files/report_painter.h"
#include "support/bench.h"

using namespace report;
using Report = Reports::Report;

Q_DECLARE_METATYPE(MeterParameters)
Q_DECLARE_METATYPE(Unit)
Q_DECLARE_METATYPE(Report)
Q_DECLARE_METATYPE(PrintOutcome)

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
    for (const report::Line& line : d)
        if (!line.items.isEmpty() && line.items[0].tab == 10 && line.items[0].text == label)
            return line.items.size() > 1 && line.items[1].tab == 65 ? line.items[1].text : "";
    return NoRow;
}

QVector<report::Line> linesWithItemAt(const Document& d, int tab) {
    QVector<report::Line> found;
    for (const report::Line& line : d)
        if (std::any_of(line.items.begin(), line.items.end(),
                        [tab](const Item& i) { return i.tab == tab; }))
            found.append(line);
    return found;
}

int pages(const Document& d) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        paintReport(d, writer);
    }
    return int(buffer.data().count("/Type /Page\n"));
}

}  // namespace

// Given the meter's parameters, a report holds each row the device's settings call for in the
// user's language and leaves out the rows of settings not in use; printed, it goes to the
// printer dialog once, its pages holding every line whole.
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
        const MeterParameters noRange = meter(4, 0);
        row("two-character Normzustand", meter(), German, "Normzustand", NoRow, unit("20"));
        row("longer Normzustand", meter(), German, "Normzustand", "= 1013 mbar, 0 °C");
        row("no range bit: no range", noRange, German, "Analog Ausgang", NoRow);
        row("range bit 3", meter(), German, "Analog Ausgang", "= 4 - 20 mA");
        row("error bit 5", meter(), English, "Output at error", "= Max");
        row("pulse and frequency: pulse", meter(4 | 8), German, "Impulswertigkeit",
            "= 0.25 kg/Puls");
        row("Frequenzbereich 0", meter(8), German, "Frequenzausgang", "= 10 - 500 Hz");
        row("Frequenzbereich 4", meter(8, 0, 4), English, "Frequency Output", " = 100 - 10; kHz");
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

    // A printed report opens with its title, the date and the time; the EEPROM dump shows the
    // 513 bytes of the reply twelve a row, each row opened by its position.
    void each_report_goes_to_the_printer_dialog_once_data() {
        QTest::addColumn<Report>("report");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("byteRows");
        QTest::addColumn<int>("mostPages");
        QTest::newRow("configuration") << Report::Configuration << "Konfiguration  oQ" << 0 << 1;
        QTest::newRow("service") << Report::Service << "Servicedaten" << 0 << 3;
        QTest::newRow("EEPROM") << Report::Eeprom << "EEPromdaten" << 43 << 3;
    }
    void each_report_goes_to_the_printer_dialog_once() {
        QFETCH(Report, report);
        Bench b;
        b.start();
        b.features.reports.printReport(report);
        QCOMPARE(b.dialogs.printed.size(), 1);
        const Document& d = b.dialogs.printed[0];
        QVERIFY(d[0].items.isEmpty() && d[1].items.isEmpty() && d[2].items.isEmpty());
        QTEST(d[3].items[0].text, "title");
        const QVector<report::Line> rows = linesWithItemAt(d, 20);
        QTEST(int(rows.size()), "byteRows");
        if (!rows.isEmpty()) {
            QCOMPARE(rows[0].items[1].text.trimmed(), QStringLiteral("16"));
            QCOMPARE(rows.last().items[0].text, QStringLiteral("504"));
            QCOMPARE(rows.last().items.size(), 1 + 9);
        }
        QFETCH(int, mostPages);
        const int n = pages(d);
        QVERIFY2(n >= 1 && n <= mostPages, qPrintable(QString::number(n)));
    }

    void a_printer_failure_is_reported_and_cancel_is_silent_data() {
        QTest::addColumn<PrintOutcome>("outcome");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("printed") << PrintOutcome{} << QStringList();
        QTest::newRow("cancelled") << PrintOutcome{PrintOutcome::Cancelled, {}, 0} << QStringList();
        QTest::newRow("printer fault")
            << PrintOutcome{PrintOutcome::DeviceError, {}, 0} << QStringList{"Text 31 (Text 32)"};
        QTest::newRow("paper jam")
            << PrintOutcome{PrintOutcome::Failed, "Papierstau", 482}
            << QStringList{"Papierstau   [Fehlernummer 482] (Fehlerbehandlung)"};
    }
    void a_printer_failure_is_reported_and_cancel_is_silent() {
        QFETCH(PrintOutcome, outcome);
        Bench b;
        b.start();
        b.dialogs.shownMessages.clear();
        b.dialogs.printOutcomes = {outcome};
        b.features.reports.printReport(Report::Configuration);
        QTEST(b.dialogs.titled(), "messages");
        QVERIFY(!b.dialogs.ended);
    }
};

QTEST_MAIN(TstReport)
#include "tst_report.moc"
