#include "config/sequential_input.h"

bool SequenzielleEingabe::trenner(QChar c) {
    return c == QLatin1Char(',') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

void SequenzielleEingabe::ueberspringeTrenner() {
    if (i_ >= t_.size()) return;
    const QChar c = t_[i_++];
    if (c == QLatin1Char('\r') && i_ < t_.size() && t_[i_] == QLatin1Char('\n')) ++i_;
}

bool SequenzielleEingabe::naechster(QString& wert) {
    if (i_ >= t_.size()) return false;
    while (i_ < t_.size() && (t_[i_] == QLatin1Char(' ') || t_[i_] == QLatin1Char('\t')))
        ++i_;
    if (i_ < t_.size() && t_[i_] == QLatin1Char('"')) {
        const int ende = t_.indexOf(QLatin1Char('"'), i_ + 1);
        wert = t_.mid(i_ + 1, (ende < 0 ? t_.size() : ende) - i_ - 1);
        i_ = ende < 0 ? t_.size() : ende + 1;
        while (i_ < t_.size() && !trenner(t_[i_]))
            ++i_;
    } else {
        const int start = i_;
        while (i_ < t_.size() && !trenner(t_[i_]))
            ++i_;
        wert = t_.mid(start, i_ - start).trimmed();
    }
    ueberspringeTrenner();
    return true;
}

bool SequenzielleEingabe::zahl(int& wert) {
    QString text;
    if (!naechster(text)) return false;
    bool ok = false;
    wert = text.toInt(&ok);
    return ok;
}

bool SequenzielleEingabe::zahl(double& wert) {
    QString text;
    if (!naechster(text)) return false;
    bool ok = false;
    wert = text.toDouble(&ok);
    return ok;
}
