#pragma once

#include <QByteArray>

// What became of a request: the meter acknowledged it with a reply of the
// expected length, rejected it, acknowledged it with too few or too many
// bytes, sent nothing usable, or the program is ending.
enum class ReplyKind { Acknowledged, Rejected, Short, NoAnswer, Cancelled };

struct Reply {
    ReplyKind kind = ReplyKind::NoAnswer;
    QByteArray bytes;
    // A repeated exchange used up its tries without the answer it waited for.
    bool exhausted = false;

    bool acknowledged() const { return kind == ReplyKind::Acknowledged; }
};
