#pragma once

#include <QList>
#include <QStringList>

#include "session/dialogs.h"

struct ShownMessage {
    QString text;
    QString title;
    Buttons buttons;
    Symbol symbol;
};

// Answers message boxes from a script (OK when the script is empty) and
// records every message shown.
class ScriptedDialogs : public Dialogs {
public:
    QList<Answer> answers;
    QList<ShownMessage> shownMessages;
    bool ended = false;

    Answer message(const QString& text, const QString& title, Buttons buttons,
                   Symbol symbol) override;
    void endProgram() override { ended = true; }
    QStringList texts() const;
};
