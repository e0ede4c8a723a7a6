#include "cli/progress_printer.h"

#include <QTextStream>

#include "session/status_texts.h"

namespace cli {
namespace {

constexpr int BarWidth = 30;

}  // namespace

ProgressPrinter::ProgressPrinter(Session& s, bool terminal)
    : terminal_(terminal), language_(s.language) {
    s.events.onProgress([this](const ProgressState& p) { moved(p); });
}

void ProgressPrinter::followStatus(Session& s) {
    s.display.setListener([this](const QString& name, Aspect a, const QVariant& v) {
        if (name == QLatin1String("SB1_1") && a == Aspect::Text && !v.toString().isEmpty())
            step(v.toString());
    });
}

void ProgressPrinter::step(const QString& text) {
    step_ = text;
    if (terminal_ && progress_.running) {
        drawBar();
        return;
    }
    QTextStream err(stderr);
    err << text;
    if (progress_.running) err << " (" << progress_.percent << " %)";
    err << Qt::endl;
}

void ProgressPrinter::print(FILE* stream, const QString& line) {
    const bool bar = terminal_ && progress_.running;
    if (bar) QTextStream(stderr) << "\r\x1b[K" << Qt::flush;
    QTextStream(stream) << line << Qt::endl;
    if (bar) drawBar();
}

void ProgressPrinter::moved(const ProgressState& p) {
    const bool ended = progress_.running && !p.running;
    progress_ = p;
    if (!terminal_) return;
    if (ended)
        QTextStream(stderr) << '\n';
    else
        drawBar();
}

void ProgressPrinter::drawBar() {
    const int filled = progress_.percent * BarWidth / 100;
    const QString left = progress_.restarting
                             ? startTexts::meterRestarting(language_)
                             : startTexts::secondsLeft(language_, progress_.secondsLeft);
    // Clears to the end of the line, as a step may be shorter than the one before.
    QTextStream(stderr) << "\r[" << QString(filled, QLatin1Char('#'))
                        << QString(BarWidth - filled, QLatin1Char('.')) << "] " << progress_.percent
                        << " %  " << left << "  " << step_ << "\x1b[K" << Qt::flush;
}

}  // namespace cli
