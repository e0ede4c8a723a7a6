#include <QDateTime>
#include <stdexcept>

#include "features/reports.h"

namespace {

constexpr int DeviceError = 31, TitleDeviceError = 32;
constexpr int ReportFailed = 5;  // the number of a report that could not be laid out

}  // namespace

Reports::Reports(Session& core, const DigitalEditor& digital) : core_(core), digital_(digital) {}

report::Document Reports::reportDocument(Report r) const {
    const QDateTime now = QDateTime::currentDateTime();
    switch (r) {
        case Report::Configuration:
            return report::configurationReport(core_.meter, core_.settings.unit,
                                               digital_.edit().Impulswertigkeit, core_.language,
                                               now);
        case Report::Service:
            return report::serviceReport(core_.meter, now);
        case Report::Eeprom:
            break;
    }
    return report::eepromReport(core_.linkState.EEPromInhalt, core_.meter.Fertigungsnummer, now);
}

// Cancel in the printer dialog is silent; a printer fault and anything else
// are reported, and the report is given up.
void Reports::printReport(Report r) {
    report::Document d;
    try {
        d = reportDocument(r);
    } catch (const std::exception& e) {
        core_.fileError(QString::fromUtf8(e.what()), ReportFailed);
        return;
    }
    const PrintOutcome o = core_.dialogs().print(d, QStringLiteral("KRN410-Q Orbis"));
    if (o.kind == PrintOutcome::DeviceError)
        core_.message(core_.texts[DeviceError], core_.texts[TitleDeviceError], Buttons::Ok,
                      Symbol::Critical);
    else if (o.kind == PrintOutcome::Failed)
        core_.fileError(o.description, o.number);
}
