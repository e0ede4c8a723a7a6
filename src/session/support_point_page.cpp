#include <QLocale>

#include "curve/curve_table.h"
#include "curve/curve_texts.h"
#include "curve/support_point_editor.h"
#include "curve/support_points.h"
#include "device/numbers.h"
#include "link/requests.h"
#include "session/session.h"
#include "session/show_tables.h"
#include "session/status_texts.h"

using namespace supportPointEditor;

namespace {

constexpr int SameValues = 56;
constexpr int PointAfterGap = 60;
constexpr int TableFull = 64;
constexpr int DeleteQuestion = 55;
const char* const EditTitle = "Stützpunkte bearbeiten";
constexpr double WaitBeforeWriting = 1.0;
constexpr double WaitAfterReset = 1.0;
constexpr double WaitForInitialisation = 35.0;

QString title() {
    return QString::fromUtf8(EditTitle);
}

// The thirty records of the table request: the points, then empty records.
QVector<request::SupportPoint> records(const QVector<curveTable::Point>& points) {
    QVector<request::SupportPoint> r(MaxPoints);
    for (int i = 0; i < points.size(); ++i)
        r[i] = {quint32(points[i].counts), points[i].flow};
    return r;
}

QString pointText(Language s, const QVector<curveTable::Point>& table, int point) {
    return point <= table.size() ? curveTexts::point(table[point - 1]) : curveTexts::noPoint(s);
}

// The table asked for against the one the meter holds: a line for the count
// and for each point that differs.
QStringList differences(Language s, const QVector<curveTable::Point>& asked,
                        const MeterParameters& meter) {
    const QVector<curveTable::Point> held = curveTable::entries(meter).mid(0, meter.StpAnzahl);
    QStringList lines;
    if (held.size() != asked.size())
        lines << startTexts::difference(s, curveTexts::countName(s), QString::number(asked.size()),
                                        QString::number(held.size()));
    for (int i : curveTable::differing(asked, held))
        lines << startTexts::difference(s, curveTexts::pointName(s, i), pointText(s, asked, i),
                                        pointText(s, held, i));
    return lines;
}

// The flow of a point as the edit box takes it: "." as separator.
QString flowText(float flow) {
    return QLocale().toString(flow, 'g', 7).replace(QLocale().decimalPoint(), QStringLiteral("."));
}

}  // namespace

void Session::selectPoint(int p) {
    p = qBound(1, p, MaxPoints);
    edit.StpPunkt = p;
    display.put(QStringLiteral("vscrStp"), Aspect::Value, p);
    display.setText(QStringLiteral("lblStpNr"), QString::number(p));
    fillPointBoxes(p);
    for (int i = 1; i <= MaxPoints; ++i) {
        const supportPoints::Row r = supportPoints::row(i, 0, 0);
        for (int column = 1; column <= 2; ++column)
            display.set(QStringLiteral("%1(%2,%3)").arg(r.grid).arg(r.row).arg(column),
                        Aspect::Background, i == p ? color::LightYellow : color::SystemWindow);
    }
    focus(boxName(Box::StpCounts));
}

void Session::fillPointBoxes(int p) {
    const qint32 c = meter.StpCounts[size_t(p)];
    const float f = meter.StpFlow[size_t(p)];
    display.put(boxName(Box::StpCounts), Aspect::Text, c == 0 ? QString() : QString::number(c));
    display.put(boxName(Box::StpFlow), Aspect::Text, f == 0 && p >= 2 ? QString() : flowText(f));
}

void Session::pickCell(int grid, int row, int column) {
    if (!state.Startphase || column < 1 || column > 2) return;
    const QString cell = display.cell(QStringLiteral("tabStp_%1").arg(grid), row, column);
    display.put(boxName(column == 1 ? Box::StpCounts : Box::StpFlow), Aspect::Text, cell);
}

void Session::applyPoint() {
    const int p = edit.StpPunkt;
    const double c = leadingNumber(display.text(boxName(Box::StpCounts)));
    const double f = leadingNumber(display.text(boxName(Box::StpFlow)));
    const Applied a = supportPointEditor::apply(meter, p, c, f);
    if (a == Applied::Unchanged) {
        message(texts[SameValues], title(), Buttons::Ok, Symbol::Information);
    } else if (a == Applied::Gap) {
        edit.StpNeu = false;  // an apply ends a pending insert, even one refused for a gap
        message(texts[PointAfterGap], title(), Buttons::Ok, Symbol::Critical);
        fillPointBoxes(p);
    } else {
        edit.StpNeu = false;
        const supportPoints::Row r = supportPoints::row(p, 0, 0);
        display.setCell(r.grid, r.row, 1, QString::number(meter.StpCounts[size_t(p)]));
        display.setCell(r.grid, r.row, 2, QLocale().toString(meter.StpFlow[size_t(p)], 'g', 7));
        pointsChanged();
    }
    focus(boxName(Box::StpCounts));
}

void Session::insertPoint() {
    if (edit.StpNeu) {
        message(QStringLiteral("Es kann immer nur ein neuer Stützpunkt eingefügt werden !"),
                QStringLiteral("Fehler bei Stützpunkt Eingabe"), Buttons::Ok, Symbol::Information);
        return;
    }
    const int p = edit.StpPunkt;
    if (!supportPointEditor::insert(meter, p)) {
        message(texts[TableFull], title(), Buttons::Ok, Symbol::Information);
        focus(boxName(Box::StpCounts));
        return;
    }
    edit.StpNeu = true;
    showSupportPoints(meter, display);
    const supportPoints::Row r = supportPoints::row(p, 0, 0);
    display.setCell(r.grid, r.row, 1, QStringLiteral("0"));
    display.setCell(r.grid, r.row, 2, QStringLiteral("0"));
    display.put(boxName(Box::StpCounts), Aspect::Text, QString());
    display.put(boxName(Box::StpFlow), Aspect::Text, QString());
    pointsChanged();
    focus(boxName(Box::StpCounts));
}

void Session::deletePoint() {
    edit.StpNeu = false;
    if (message(texts[DeleteQuestion], title(), Buttons::YesNo, Symbol::Question) != Answer::Yes) {
        focus(boxName(Box::StpCounts));
        return;
    }
    const int p = edit.StpPunkt;
    supportPointEditor::remove(meter, p);
    showSupportPoints(meter, display);
    fillPointBoxes(p);
    pointsChanged();
    focus(boxName(Box::StpCounts));
}

void Session::pointsChanged() {
    state.pointsChanged = true;
    refreshControls();
}

// The whole table to the meter, stored and restarted; the meter is then read
// again and the table it holds compared with the one asked for. A table the
// meter cannot hold whole is refused before anything is sent.
WriteResult Session::writeSupportPoints() {
    if (busy()) return WriteResult::Failed;
    Operation operation(*this);
    if (!keepSnapshot("write-curve")) return WriteResult::Refused;
    setCountsTimer(false);
    if (edit.StpNeu) {
        message(QStringLiteral("Es ist noch ein Stützpunkt zum Einfügen gewählt !"), title(),
                Buttons::Ok, Symbol::Information);
        setCountsTimer(true);
        return WriteResult::Refused;
    }
    const QVector<curveTable::Point> entries = curveTable::entries(meter);
    if (const curveTable::Fault f = curveTable::check(entries); !f.ok()) {
        message(curveTexts::refused(language, f), title(), Buttons::Ok, Symbol::Critical);
        setCountsTimer(true);
        return WriteResult::Refused;
    }
    if (const QList<int> marked = curveTable::notRising(meter); !marked.isEmpty())
        message(curveTexts::notRising(language, marked), title(), Buttons::Ok, Symbol::Warning);
    const QVector<curveTable::Point> asked = curveTable::points(entries);
    state.writing = true;
    refreshControls();
    link_.Warten(WaitBeforeWriting);
    setWaitCursor(true);
    meter.StpAnzahl = int(asked.size());
    setStatus(QStringLiteral("Bitte warten. Stützpunkte werden geschrieben."));
    const QByteArray frames[] = {request::supportPointTable(meter.StpAnzahl, records(asked)),
                                 request::store(), request::resetAfterSupportPoints()};
    for (const QByteArray& frame : frames)
        if (!sendRepeated(frame, Repeat::UntilAcknowledged, true).acknowledged())
            return endPointWrite(WriteResult::Failed);
    timStatus_->on();
    setStatus(QStringLiteral("Stützpunkte wurden geschrieben."));
    link_.Warten(WaitAfterReset);
    link_.Warten(WaitForInitialisation);
    PruefeVerbindung();
    timStatus_->off();
    setWaitCursor(false);
    if (!linkState.Verbunden || !EEPromLesen()) return endPointWrite(WriteResult::Failed);
    decodeAndShow();
    edit.chkKonfAnalog = {};
    edit.optDigital = -1;
    return endPointWrite(verdict(differences(language, asked, meter)));
}

WriteResult Session::endPointWrite(WriteResult r) {
    setWaitCursor(false);
    state.writing = false;
    refreshControls();
    setCountsTimer(r != WriteResult::Failed);  // after a failure the technician reconnects
    return r;
}
