#include <QDateTime>
#include <stdexcept>

#include "session/session.h"

namespace {

constexpr int DeviceError = 31, TitleDeviceError = 32;
constexpr int ReportFailed = 5;  // the number of a report that could not be laid out

}  // namespace

report::Document Session::reportDocument(Report r) const {
    const QDateTime now = QDateTime::currentDateTime();
    switch (r) {
        case Report::Configuration:
            return report::configurationReport(meter, settings.unit, edit.Impulswertigkeit,
                                               language, now);
        case Report::Service:
            return report::serviceReport(meter, now);
        case Report::Eeprom:
            break;
    }
    return report::eepromReport(linkState.EEPromInhalt, meter.Fertigungsnummer, now);
}

// Cancel in the printer dialog is silent; a printer fault and anything else
// are reported, and the report is given up.
void Session::printReport(Report r) {
    report::Document d;
    try {
        d = reportDocument(r);
    } catch (const std::exception& e) {
        fileError(QString::fromUtf8(e.what()), ReportFailed);
        return;
    }
    const PrintOutcome o = dialogs_.print(d, QStringLiteral("KRN410-Q Orbis"));
    if (o.kind == PrintOutcome::DeviceError)
        message(texts[DeviceError], texts[TitleDeviceError], Buttons::Ok, Symbol::Critical);
    else if (o.kind == PrintOutcome::Failed)
        fileError(o.description, o.number);
}
