#pragma once

#include <QString>

#include "files/report.h"

enum class Buttons { Ok, OkCancel, YesNo, RetryCancel };
enum class Symbol { Critical, Information, Warning, Question };
enum class Answer { Ok, Cancel, Yes, No, Retry };

// A file dialog: its title, the name it proposes and its filter.
struct FileQuestion {
    enum Kind { Save, Open };
    Kind kind;
    QString title;
    QString initialName;
    QString filter;
};

// What became of a report sent to the printer dialog.
struct PrintOutcome {
    enum Kind { Printed, Cancelled, DeviceError, Failed };
    Kind kind = Printed;
    QString description;  // of a failure
    int number = 0;
};

// Message boxes, file and printer dialogs and the end of the program. Production shows
// Qt dialogs; tests script the answers and record every message.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(const QString& text, const QString& title, Buttons buttons,
                           Symbol symbol) = 0;
    // The chosen file's path, or an empty text when the technician cancelled.
    virtual QString fileName(const FileQuestion& q) = 0;
    // Offers the report for preview, printing or a PDF file.
    virtual PrintOutcome print(const report::Document& report, const QString& title) = 0;
    virtual void endProgram() = 0;
};
