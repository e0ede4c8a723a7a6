#include "cli/json_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include "device/parameter_list.h"

namespace cli {

void printJson(const QJsonValue& v) {
    const QJsonDocument d = v.isArray() ? QJsonDocument(v.toArray()) : QJsonDocument(v.toObject());
    QTextStream(stdout) << d.toJson(QJsonDocument::Indented);
}

namespace {

QJsonObject parametersJson(const MeterParameters& m) {
    QJsonObject parameters;
    for (const auto& [name, value] : parameterList(m))
        parameters.insert(name, value);
    return parameters;
}

QString serialOf(const Session& s) {
    return snapshotStore::serialOf(s.linkState.EEPromInhalt.mid(1));
}

}  // namespace

QJsonObject meterJson(const Session& s) {
    return {{"serial", serialOf(s)},
            {"parameters", parametersJson(s.meter)},
            {"eeprom", QString::fromLatin1(s.linkState.EEPromInhalt.mid(1).toHex(' ').toUpper())}};
}

QJsonArray snapshotsJson(const QVector<snapshotStore::Entry>& entries) {
    QJsonArray list;
    for (const snapshotStore::Entry& e : entries)
        list.append(QJsonObject{{"serial", e.serial},
                                {"time", e.time.toString(Qt::ISODate)},
                                {"operation", e.operation},
                                {"file", e.path}});
    return list;
}

namespace {

QString resultName(WriteResult r) {
    switch (r) {
        case WriteResult::Written:
            return QStringLiteral("written");
        case WriteResult::Refused:
            return QStringLiteral("refused");
        case WriteResult::Differs:
            return QStringLiteral("differs");
        case WriteResult::Failed:
            break;
    }
    return QStringLiteral("failed");
}

}  // namespace

QJsonObject writeJson(const Session& s, const QString& asked, WriteResult r, int exitCode) {
    const bool checked = r == WriteResult::Written || r == WriteResult::Differs;
    return {{"asked", asked},
            {"serial", serialOf(s)},
            {"snapshot", s.state.lastSnapshot.isEmpty() ? QJsonValue() : s.state.lastSnapshot},
            {"result", resultName(r)},
            {"exitCode", exitCode},
            {"differences",
             checked ? QJsonArray::fromStringList(s.state.writeDifferences) : QJsonArray()},
            {"holds", checked ? parametersJson(s.meterAsRead()) : QJsonValue()}};
}

}  // namespace cli
