#include "files/measurement_log.h"

#include <QDir>

namespace {

// Whole lines end in LF; what follows the last one was cut off mid-record.
qint64 wholeLinesLength(const QByteArray& content) {
    return content.lastIndexOf('\n') + 1;
}

}  // namespace

QString MeasurementLog::MdEndung() const {
    return QLatin1Char('.') + QString::number(MdNummer_);
}

QString MeasurementLog::MdDatei() const {
    return MdPfad_ + QLatin1Char('/') + MdDateiname_ + MdEndung();
}

MeasurementLog::Result MeasurementLog::start(const QString& MdPfad, const QString& MdDateiname) {
    stop();
    error_.clear();
    MdPfad_ = nextPfad_ = MdPfad;
    MdDateiname_ = nextDateiname_ = MdDateiname;
    for (MdNummer_ = 1; MdNummer_ <= MaxFiles; ++MdNummer_) {
        QFile f(MdDatei());
        if (!f.exists()) {
            MdSaetze_ = 0;
            return openForAppend();
        }
        if (!f.open(QIODevice::ReadOnly)) return fail(f.errorString());
        const QByteArray content = f.readAll();
        f.close();
        MdSaetze_ = int(content.count('\n'));
        if (MdSaetze_ >= MaxRecords) continue;
        const qint64 whole = wholeLinesLength(content);
        if (whole < content.size() && !f.resize(whole)) return fail(f.errorString());
        return openForAppend();
    }
    return Result::Exhausted;
}

MeasurementLog::Result MeasurementLog::append(const QString& record) {
    if (!active()) return fail(QStringLiteral("not open"));
    if (++MdSaetze_ > MaxRecords) {
        const Result opened = nextFile();
        if (opened != Result::Ok) return opened;
    }
    const QByteArray line = record.toLatin1() + "\r\n";
    if (file_.write(line) != line.size() || !file_.flush()) return fail(file_.errorString());
    return Result::Ok;
}

void MeasurementLog::stop() {
    file_.close();
}

void MeasurementLog::moveTo(const QString& MdPfad, const QString& MdDateiname) {
    nextPfad_ = MdPfad;
    nextDateiname_ = MdDateiname;
}

MeasurementLog::Result MeasurementLog::nextFile() {
    stop();
    if (nextPfad_ != MdPfad_ || nextDateiname_ != MdDateiname_) {
        const Result started = start(nextPfad_, nextDateiname_);
        ++MdSaetze_;
        return started;
    }
    MdSaetze_ = 0;
    if (++MdNummer_ > MaxFiles) return Result::Exhausted;
    return openForAppend();
}

MeasurementLog::Result MeasurementLog::openForAppend() {
    file_.setFileName(MdDatei());
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append)) return fail(file_.errorString());
    return Result::Ok;
}

MeasurementLog::Result MeasurementLog::fail(const QString& reason) {
    stop();
    error_ = QDir::toNativeSeparators(MdDatei()) + QStringLiteral(": ") + reason;
    return Result::WriteError;
}
