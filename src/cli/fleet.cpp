#include "cli/fleet.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTextStream>
#include <algorithm>
#include <memory>
#include <vector>

#include "cli/json_output.h"
#include "device/analog_output.h"
#include "device/output_kind.h"

namespace cli {
namespace {

const QStringList Writes{"write-config", "write-curve", "restore"};

// One meter's orbis-cli and what it gave.
struct MeterRun {
    QString port;
    QProcess process;
    int code = -1;
    QJsonObject result;
    QString failure;  // the last line it printed on standard error
};

QStringList childArguments(const QString& operation, const QString& file, const QString& port,
                           const Options& o) {
    QStringList a{operation, port};
    if (!file.isEmpty()) a << file;
    a << QStringLiteral("--json");
    if (!o.folder.isEmpty()) a << QStringLiteral("--folder") << o.folder;
    if (!o.unit.isEmpty() && operation == QLatin1String("write-config"))
        a << QStringLiteral("--unit") << o.unit;
    if (o.passwordGiven && operation != QLatin1String("write-config"))
        a << QStringLiteral("--password") << o.password;
    if (o.otherMeter && operation == QLatin1String("restore")) a << QStringLiteral("--other-meter");
    if (o.fast && operation != QLatin1String("read")) a << QStringLiteral("--fast");
    return a;
}

// Runs every meter's orbis-cli at once and returns when the last has ended.
void runAll(std::vector<std::unique_ptr<MeterRun>>& runs, const QString& operation,
            const QString& file, const Options& o) {
    QEventLoop loop;
    int running = int(runs.size());
    const auto ended = [&running, &loop] {
        if (--running == 0) loop.quit();
    };
    for (auto& r : runs) {
        QObject::connect(&r->process, &QProcess::finished, &loop, ended);
        // A child that never starts never finishes either.
        QObject::connect(&r->process, &QProcess::errorOccurred, &loop,
                         [ended](QProcess::ProcessError e) {
                             if (e == QProcess::FailedToStart) ended();
                         });
        r->process.start(QCoreApplication::applicationFilePath(),
                         childArguments(operation, file, r->port, o));
    }
    if (running > 0) loop.exec();
    for (auto& r : runs) {
        const bool ran = r->process.error() != QProcess::FailedToStart &&
                         r->process.exitStatus() == QProcess::NormalExit;
        r->code = ran ? r->process.exitCode() : PortFailed;
        r->result = QJsonDocument::fromJson(r->process.readAllStandardOutput()).object();
        const QStringList lines = QString::fromLocal8Bit(r->process.readAllStandardError())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        r->failure = lines.isEmpty() ? QString() : lines.last().trimmed();
    }
}

QJsonObject readSummary(const MeterRun& r) {
    if (r.code != Done) return {{"port", r.port}, {"exitCode", r.code}, {"failure", r.failure}};
    const QJsonObject p = r.result["parameters"].toObject();
    const int kind = p["Ausgangsart"].toString().toInt();
    const auto range = analogOutput::range(kind, p["Analogbereich"].toString().toInt());
    return {
        {"port", r.port},
        {"exitCode", r.code},
        {"serial", r.result["serial"]},
        {"firmware", p["Firmwareversion"]},
        {"fullScale", p["MEW"]},
        {"unit", QStringLiteral("kg/h")},
        {"analog", analogOutput::rangeText(range) + QLatin1Char(' ') + analogOutput::unit(range)},
        {"digital", outputKind::digitalName(kind)}};
}

QJsonObject writeSummary(const MeterRun& r) {
    QJsonObject s{{"port", r.port}, {"exitCode", r.code}};
    for (const char* key : {"serial", "result", "differences", "snapshot"})
        if (r.result.contains(QLatin1String(key))) s.insert(QLatin1String(key), r.result[key]);
    if (!s.contains("result")) s.insert("result", r.failure);
    return s;
}

// A meter's cells; the values that differ joined, and a meter that could not
// be read followed by why.
QString line(const QJsonObject& s, const QStringList& keys) {
    QStringList cells;
    for (const QString& k : keys) {
        const QJsonValue v = s[k];
        cells << (v.isArray() ? v.toVariant().toStringList().join(QStringLiteral("; "))
                              : v.toVariant().toString());
    }
    if (s.contains("failure")) cells << s["failure"].toString();
    return cells.join(QLatin1Char('\t'));
}

void printTable(const QJsonArray& rows, const QStringList& keys) {
    QTextStream out(stdout);
    out << keys.join(QLatin1Char('\t')) << '\n';
    for (const QJsonValue& r : rows)
        out << line(r.toObject(), keys) << '\n';
}

}  // namespace

int fleet(const QStringList& arguments, const Options& o) {
    const QString operation = arguments.value(0);
    const bool write = Writes.contains(operation);
    if (operation != QLatin1String("read") && !write) {
        QTextStream(stderr) << "orbis-cli: fleet does read, write-config, write-curve or restore, "
                               "not \""
                            << operation << "\" (see orbis-cli fleet --help)" << Qt::endl;
        return Usage;
    }
    const QString file = write ? arguments.value(1) : QString();
    const QStringList ports = arguments.mid(write ? 2 : 1);
    if (ports.isEmpty()) {
        QTextStream(stderr) << "orbis-cli: fleet " << operation << " needs at least one PORT"
                            << Qt::endl;
        return Usage;
    }
    std::vector<std::unique_ptr<MeterRun>> runs;
    for (const QString& p : ports)
        runs.emplace_back(std::make_unique<MeterRun>())->port = p;
    runAll(runs, operation, file, o);
    QJsonArray rows;
    int worst = Done;
    for (const auto& r : runs) {
        rows.append(write ? writeSummary(*r) : readSummary(*r));
        worst = std::max(worst, r->code);
    }
    if (o.json)
        printJson(rows);
    else
        printTable(rows, write ? QStringList{"port", "serial", "result", "differences", "snapshot"}
                               : QStringList{"port", "serial", "firmware", "fullScale", "unit",
                                             "analog", "digital"});
    return worst;
}

}  // namespace cli
