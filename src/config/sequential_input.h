#pragma once

#include <QString>

// Splits a text file into values the way sequential input reads them: a line
// end or a comma ends a value, blanks around it are skipped, and a value in
// double quotes may hold commas.
class SequentialInput {
public:
    explicit SequentialInput(const QString& text) : t_(text) {}

    // False at the end of the text.
    bool next(QString& value);
    bool asNumber(int& value);
    bool asNumber(double& value);
    // Where the next value's field begins: after the separator of the last one.
    int position() const { return i_; }

private:
    static bool separators(QChar c);
    void skipSeparator();

    const QString t_;
    int i_ = 0;
};
