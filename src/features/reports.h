#pragma once

#include "features/digital_editor.h"
#include "files/report.h"
#include "session/session.h"

// The three reports: laid out from what the tool holds, and offered for
// preview, printing or PDF.
class Reports {
public:
    Reports(Session& core, const DigitalEditor& digital);

    enum class Report { Configuration, Service, Eeprom };
    report::Document reportDocument(Report r) const;
    void printReport(Report r);

private:
    Session& core_;
    const DigitalEditor& digital_;
};
