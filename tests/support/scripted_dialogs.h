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

// Answers message boxes and file dialogs from scripts (OK and Cancel when a
// script is empty) and records every message and file dialog shown.
class ScriptedDialogs : public Dialogs {
public:
    QList<Answer> answers;
    QList<ShownMessage> shownMessages;
    QStringList fileNames;
    QList<FileQuestion> fileQuestions;
    bool ended = false;

    Answer message(const QString& text, const QString& title, Buttons buttons,
                   Symbol symbol) override;
    QString fileName(const FileQuestion& q) override {
        fileQuestions.append(q);
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
    // Reports go nowhere; the outcome is scripted (printed when none is).
    QList<report::Document> printed;
    QList<PrintOutcome> printOutcomes;
    PrintOutcome print(const report::Document& report, const QString&) override {
        printed.append(report);
        return printOutcomes.isEmpty() ? PrintOutcome{} : printOutcomes.takeFirst();
    }
    void endProgram() override { ended = true; }
    QStringList texts() const;
    // Each message as "text (title)".
    QStringList titled() const;
};
