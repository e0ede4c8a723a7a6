#include "session/console_dialogs.h"

Answer ConsoleDialogs::message(const QString& text, const QString& title, Buttons buttons, Symbol) {
    QTextStream err(stderr);
    if (!title.isEmpty()) err << title << ": ";
    err << QString(text).replace(QLatin1String("\r\n"), QLatin1String(" ")) << Qt::endl;
    switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::OkCancel:
        case Buttons::RetryCancel:
            return Answer::Cancel;
        case Buttons::YesNo:
            return Answer::No;
    }
    return Answer::Cancel;
}
