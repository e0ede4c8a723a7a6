#pragma once

#include <QString>

enum class Buttons { Ok, OkCancel, YesNo };
enum class Symbol { Critical, Information, Warning, Question };
enum class Answer { Ok, Cancel, Yes, No };

// Message boxes and the end of the program. Production shows Qt dialogs;
// tests script the answers and record every message.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(const QString& text, const QString& title, Buttons buttons,
                           Symbol symbol) = 0;
    virtual void endProgram() = 0;
};
