#pragma once

#include <QWidget>

#include "session/dialogs.h"

// Message boxes and file dialogs as Qt dialogs over the main window; ending the program quits
// the application's event loops.
class QtDialogs : public Dialogs {
public:
    void setParentWidget(QWidget* parent) { parent_ = parent; }
    Answer message(const QString& text, const QString& title, Buttons buttons,
                   Symbol symbol) override;
    QString fileName(const FileQuestion& q) override;
    void endProgram() override;

private:
    QWidget* parent_ = nullptr;
};
