#include "session/logged_writes.h"

#include "device/device_errors.h"
#include "link/requests.h"
#include "session/session.h"

// A byte the meter refuses leaves the rest of the value unsent.
bool LoggedWrites::absoluteWrite(const QByteArray& bytes, int address, const char* label) {
    asked.replace(address, bytes.size(), bytes);
    const QString step = QStringLiteral("%1 %2").arg(QLatin1String(label)).arg(address);
    for (int i = 0; i < bytes.size(); ++i) {
        const Reply r =
            exchange(request::eepromByte(quint8(bytes[i]), quint16(address + i)), label);
        if (!taken(r, step)) return false;
        if (!r.acknowledged()) break;
    }
    return true;
}

Reply LoggedWrites::exchange(const QByteArray& frame, const char* label) {
    const Reply r = core_.link().exchangeRepeated(frame, Repeat::WhileRejected);
    log(AntwortText(QLatin1String(label), r.bytes));
    return r;
}

// A refusal is noted and the sequence goes on.
bool LoggedWrites::taken(const Reply& r, const QString& step) {
    if (r.kind == ReplyKind::Rejected) refused << step;
    if (r.kind == ReplyKind::Acknowledged || r.kind == ReplyKind::Rejected) return true;
    if (r.kind != ReplyKind::Cancelled) core_.brokenLink();
    return false;
}

void LoggedWrites::log(const QString& line) {
    log_ << line;
    core_.display.setItems(QStringLiteral("lst_rs232"), log_);
}
