#pragma once

#include <QTextStream>

#include "session/dialogs.h"

// Messages of a program without a window go to standard error. A question
// that could let the program go on is answered with Cancel, since nobody is
// there to decide, unless the program was told to go on (a recording that
// outlasts a broken link). A message like the one before is not repeated.
class ConsoleDialogs : public Dialogs {
public:
    bool goOn = false;  // OK rather than Cancel to "OK or Cancel"

    Answer message(const QString& text, const QString& title, Buttons buttons,
                   Symbol symbol) override;
    // Nobody is there to choose a file.
    QString fileName(const FileQuestion&) override { return QString(); }
    // Nor a printer; the command-line tool writes reports as PDF itself.
    PrintOutcome print(const report::Document&, const QString&) override {
        return {PrintOutcome::Cancelled, QString(), 0};
    }
    void endProgram() override { ended_ = true; }
    bool ended() const { return ended_; }

private:
    bool ended_ = false;
    QString last_;
};
