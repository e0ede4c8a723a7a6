#include <QtTest>

#include "support/bench.h"

using Report = Reports::Report;

Q_DECLARE_METATYPE(Report)
Q_DECLARE_METATYPE(PrintOutcome)

namespace {

// The title: the text at column 7.
QString title(const report::Document& d) {
    for (const report::Line& line : d)
        if (!line.items.isEmpty() && line.items[0].tab == 7) return line.items[0].text;
    return QString();
}

// The rows of an EEPROM dump, which open with their position in bold at column 10.
int byteRows(const report::Document& d) {
    return int(std::count_if(d.begin(), d.end(), [](const report::Line& line) {
        return !line.items.isEmpty() && line.items[0].tab == 10 && line.items[0].bold;
    }));
}

}  // namespace

// Given a started meter, when a report is printed, then the printer dialog gets it and a
// failure of the printer is reported.
class TstPrinting : public QObject {
    Q_OBJECT

private slots:
    void each_report_goes_to_the_printer_dialog_once_data() {
        QTest::addColumn<Report>("report");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("byteRows");  // 12 bytes each
        QTest::newRow("configuration") << Report::Configuration << "Konfiguration  oQ" << 0;
        QTest::newRow("service") << Report::Service << "Servicedaten" << 0;
        QTest::newRow("EEPROM: 513 bytes") << Report::Eeprom << "EEPromdaten" << 43;
    }
    void each_report_goes_to_the_printer_dialog_once() {
        QFETCH(Report, report);
        Bench b;
        b.start();
        b.features.reports.printReport(report);
        QCOMPARE(b.dialogs.printed.size(), 1);
        QTEST(title(b.dialogs.printed[0]), "title");
        QTEST(byteRows(b.dialogs.printed[0]), "byteRows");
    }

    void a_printer_failure_is_reported_and_cancel_is_silent_data() {
        QTest::addColumn<PrintOutcome>("outcome");
        QTest::addColumn<QStringList>("messages");  // as "text (title)"
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
        QStringList shown;
        for (const ShownMessage& m : b.dialogs.shownMessages)
            shown << m.text + " (" + m.title + ")";
        QTEST(shown, "messages");
        QVERIFY(!b.dialogs.ended);
    }
};

QTEST_GUILESS_MAIN(TstPrinting)
#include "tst_printing.moc"
