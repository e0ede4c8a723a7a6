#pragma once

#include "files/report.h"
#include "session/session.h"

// The three reports: laid out from what the tool holds, and offered for
// preview, printing or PDF.
class Reports {
public:
    explicit Reports(Session& core);

    enum class Report { Configuration, Service, Eeprom };
    report::Document reportDocument(Report r) const;
    void printReport(Report r);

private:
    Session& core_;
};
