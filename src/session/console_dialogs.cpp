#include "session/console_dialogs.h"

Answer ConsoleDialogs::message(const QString& text, const QString& title, Buttons buttons, Symbol) {
    QString line = title.isEmpty() ? QString() : title + QStringLiteral(": ");
    line += QString(text).replace(QLatin1String("\r\n"), QLatin1String(" "));
    if (line != last_) QTextStream(stderr) << line << Qt::endl;
    last_ = line;
    switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::OkCancel:
            return goOn ? Answer::Ok : Answer::Cancel;
        case Buttons::RetryCancel:
            return Answer::Cancel;
        case Buttons::YesNo:
            return Answer::No;
    }
    return Answer::Cancel;
}
