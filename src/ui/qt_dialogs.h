#pragma once

#include <QMessageBox>
#include <QWidget>
#include <memory>

#include "session/dialogs.h"

// The message box the window shows for a message, with Qt's standard buttons.
std::unique_ptr<QMessageBox> messageBox(const QString& text, const QString& title, Buttons buttons,
                                        Symbol symbol, QWidget* parent);

// Message boxes, file dialogs and the print preview as Qt dialogs over the main window; ending the
// program quits the application's event loops.
class QtDialogs : public Dialogs {
public:
    void setParentWidget(QWidget* parent) { parent_ = parent; }
    Answer message(const QString& text, const QString& title, Buttons buttons,
                   Symbol symbol) override;
    QString fileName(const FileQuestion& q) override;
    PrintOutcome print(const report::Document& report, const QString& title) override;
    void endProgram() override;

private:
    QWidget* parent_ = nullptr;
};
