#include "device/device_errors.h"
#include "link/requests.h"
#include "session/link_messages.h"
#include "session/session.h"

// One request per byte, byte i to address a + i. A byte the meter refuses
// leaves the rest of the value unsent.
bool Session::absoluteWrite(const QByteArray& bytes, int address, const char* label, Steps& steps) {
    steps.asked.replace(address, bytes.size(), bytes);
    const QString step = QStringLiteral("%1 %2").arg(QLatin1String(label)).arg(address);
    for (int i = 0; i < bytes.size(); ++i) {
        const Reply r =
            exchangeLogged(request::eepromByte(quint8(bytes[i]), quint16(address + i)), label);
        if (!taken(r, step, steps)) return false;
        if (!r.acknowledged()) break;
    }
    return true;
}

// The request, sent again while the meter rejects it (within the link's
// bound), with its answer logged.
Reply Session::exchangeLogged(const QByteArray& frame, const char* label) {
    const Reply r = link_.exchangeRepeated(frame, Repeat::WhileRejected);
    log(AntwortText(QLatin1String(label), r.bytes));
    return r;
}

// A refusal is noted and the sequence goes on; false when the meter no
// longer answers, which is reported and ends it.
bool Session::taken(const Reply& r, const QString& step, Steps& steps) {
    if (r.kind == ReplyKind::Rejected) steps.refused << step;
    if (r.kind == ReplyKind::Acknowledged || r.kind == ReplyKind::Rejected) return true;
    if (r.kind != ReplyKind::Cancelled) brokenLink();
    return false;
}

void Session::log(const QString& line) {
    rs232Log_ << line;
    display.setItems(QStringLiteral("lst_rs232"), rs232Log_);
}
