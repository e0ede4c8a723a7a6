#include "support/scripted_dialogs.h"

Answer ScriptedDialogs::message(const QString& text, const QString& title, Buttons buttons,
                                Symbol symbol) {
    shownMessages.append({text, title, buttons, symbol});
    return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
}

QStringList ScriptedDialogs::texts() const {
    QStringList l;
    for (const auto& m : shownMessages)
        l << m.text;
    return l;
}

QStringList ScriptedDialogs::titled() const {
    QStringList l;
    for (const auto& m : shownMessages)
        l << m.text + " (" + m.title + ")";
    return l;
}
