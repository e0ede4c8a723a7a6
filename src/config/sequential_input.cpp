#include "config/sequential_input.h"

bool SequentialInput::separators(QChar c) {
    return c == QLatin1Char(',') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

void SequentialInput::skipSeparator() {
    if (i_ >= t_.size()) return;
    const QChar c = t_[i_++];
    if (c == QLatin1Char('\r') && i_ < t_.size() && t_[i_] == QLatin1Char('\n')) ++i_;
}

bool SequentialInput::next(QString& value) {
    if (i_ >= t_.size()) return false;
    while (i_ < t_.size() && (t_[i_] == QLatin1Char(' ') || t_[i_] == QLatin1Char('\t')))
        ++i_;
    if (i_ < t_.size() && t_[i_] == QLatin1Char('"')) {
        const int closingQuote = t_.indexOf(QLatin1Char('"'), i_ + 1);
        value = t_.mid(i_ + 1, (closingQuote < 0 ? t_.size() : closingQuote) - i_ - 1);
        i_ = closingQuote < 0 ? t_.size() : closingQuote + 1;
        while (i_ < t_.size() && !separators(t_[i_]))
            ++i_;
    } else {
        const int start = i_;
        while (i_ < t_.size() && !separators(t_[i_]))
            ++i_;
        value = t_.mid(start, i_ - start).trimmed();
    }
    skipSeparator();
    return true;
}

bool SequentialInput::asNumber(int& value) {
    QString text;
    if (!next(text)) return false;
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

bool SequentialInput::asNumber(double& value) {
    QString text;
    if (!next(text)) return false;
    bool ok = false;
    value = text.toDouble(&ok);
    return ok;
}
