#include <QCoreApplication>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextStream>
#include <csignal>

#include "cli/commands.h"
#include "cli/common.h"
#include "features/headless.h"
#include "files/report_painter.h"

namespace cli {
namespace {

volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int) {
    interrupted = 1;
}

}  // namespace

// Records until `records` are written or Ctrl-C. A broken link interrupts
// the recording: the meter is connected again every few seconds, and
// recording goes on in the same file. Status lines go to standard error.
int log(const QString& port, const QString& base, const QString& interval, int records,
        const Options& o) {
    Headless tool(folderOf(o));
    Session& s = tool.session;
    Recording& recording = tool.features.recording;
    loadFolder(s);
    if (const int code = readMeter(tool, port); code != Done) return code;
    recording.logging.MdPfad = QFileInfo(base).absolutePath();
    if (recording.logNameTyped(QFileInfo(base).fileName()) != QFileInfo(base).fileName())
        return Usage;
    recording.logIntervalTyped(interval);
    int written = 0;
    QString status;
    QTextStream err(stderr);
    s.display.setListener([&](const QString& name, Aspect a, const QVariant& v) {
        if (a != Aspect::Text) return;
        if (name == QLatin1String("SB1_1") && v.toString() != status) {
            status = v.toString();
            err << '\n' << status << Qt::endl;
        }
        if (name != QLatin1String("frmMdSave.lblSaetze")) return;
        ++written;
        err << '\r' << written << " records in " << recording.measurementLog().MdDatei()
            << Qt::flush;
        if (records > 0 && written >= records) QCoreApplication::quit();
    });
    recording.switchLogging(true);
    if (!recording.logging.MdAktiv) return Refused;
    recording.logging.reconnect = true;
    tool.dialogs.goOn = true;
    s.setCountsTimer(true);
    std::signal(SIGINT, onInterrupt);
    const auto watch = tool.clock.timer([&] {
        if (interrupted || !recording.logging.MdAktiv || tool.dialogs.ended())
            QCoreApplication::quit();
    });
    watch->setIntervalMs(100);
    watch->on();
    QCoreApplication::exec();
    const bool stoppedByFault = !recording.logging.MdAktiv || tool.dialogs.ended();
    recording.switchLogging(false);
    err << "\n" << Qt::flush;
    return stoppedByFault ? Refused : Done;
}

int report(const QString& kind, const QString& port, const QString& pdf, const QString& language,
           const Options& o) {
    const QStringList kinds = {QStringLiteral("config"), QStringLiteral("service"),
                               QStringLiteral("eeprom")};
    const QStringList codes = {QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("fr")};
    const QString wrong =
        !kinds.contains(kind) ? QStringLiteral("there is no report \"%1\"").arg(kind)
        : !language.isEmpty() && !codes.contains(language)
            ? QStringLiteral("--language takes de, en or fr, not \"%1\"").arg(language)
            : QString();
    if (!wrong.isEmpty()) {
        QTextStream(stderr) << "orbis-cli: " << wrong << " (see orbis-cli report --help)"
                            << Qt::endl;
        return Usage;
    }
    Headless tool(folderOf(o));
    Session& s = tool.session;
    loadFolder(s);
    const Language languages[] = {Language::German, Language::English, Language::French};
    s.language = language.isEmpty() ? Language::German : languages[codes.indexOf(language)];
    if (const int code = readMeter(tool, port); code != Done) return code;
    s.WerteAnzeigen();  // works out the pulse value as the window shows it
    QSaveFile file(pdf);
    if (file.open(QIODevice::WriteOnly)) {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("KRN410-Q Orbis"));
        report::paintReport(
            tool.features.reports.reportDocument(Reports::Report(kinds.indexOf(kind))), writer);
    }
    if (file.flush() && file.commit()) return Done;
    file.cancelWriting();
    QTextStream(stderr) << "orbis-cli: " << pdf << ": " << file.errorString() << Qt::endl;
    return Refused;
}

}  // namespace cli
