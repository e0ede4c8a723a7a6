#pragma once

#include <QString>

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

// Message boxes, file dialogs and the end of the program. Production shows
// Qt dialogs; tests script the answers and record every message.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(const QString& text, const QString& title, Buttons buttons,
                           Symbol symbol) = 0;
    // The chosen file's path, or an empty text when the technician cancelled.
    virtual QString fileName(const FileQuestion& q) = 0;
    virtual void endProgram() = 0;
};
