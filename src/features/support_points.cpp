#include <QLocale>

#include "curve/curve_table.h"
#include "curve/curve_texts.h"
#include "curve/support_point_editor.h"
#include "curve/support_points.h"
#include "device/numbers.h"
#include "features/support_points.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "session/operation.h"
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

SupportPoints::SupportPoints(Session& core) : core_(core) {
    core.events.onImageDecoded([this] { changed_ = false; });
    core.events.addControls([this](ControlInputs& in) { in.pointsChanged = changed_; });
}

void SupportPoints::showFirstPoint() {
    selectPoint(1);
    changed_ = false;
}

void SupportPoints::selectPoint(int p) {
    showPoint(p);
    core_.focus(boxName(Box::StpCounts));
}

void SupportPoints::chooseRow(int grid, int row) {
    const int p = (grid - 1) * supportPoints::PerGrid + row;
    // The header row holds no point, and the point shown keeps what is typed in its boxes.
    if (row < 1 || row > supportPoints::PerGrid || p == StpPunkt) return;
    showPoint(p);
}

// The point in the boxes, its row current in its grid and marked in both.
void SupportPoints::showPoint(int p) {
    p = qBound(1, p, MaxPoints);
    StpPunkt = p;
    core_.display.put(QStringLiteral("vscrStp"), Aspect::Value, p);
    core_.display.setText(QStringLiteral("lblStpNr"), QString::number(p));
    fillPointBoxes(p);
    const supportPoints::Row shown = supportPoints::row(p, 0, 0);
    core_.display.put(shown.grid, Aspect::Selection, shown.row);
    for (int i = 1; i <= MaxPoints; ++i) {
        const supportPoints::Row r = supportPoints::row(i, 0, 0);
        for (int column = 1; column <= 2; ++column)
            core_.display.set(QStringLiteral("%1(%2,%3)").arg(r.grid).arg(r.row).arg(column),
                              Aspect::Background,
                              i == p ? color::LightYellow : color::SystemWindow);
    }
}

void SupportPoints::fillPointBoxes(int p) {
    const qint32 c = core_.meter.StpCounts[size_t(p)];
    const float f = core_.meter.StpFlow[size_t(p)];
    core_.display.put(boxName(Box::StpCounts), Aspect::Text,
                      c == 0 ? QString() : QString::number(c));
    core_.display.put(boxName(Box::StpFlow), Aspect::Text,
                      f == 0 && p >= 2 ? QString() : flowText(f));
}

void SupportPoints::pickCell(int grid, int row, int column) {
    if (!core_.state.Startphase || column < 1 || column > 2) return;
    const QString cell = core_.display.cell(QStringLiteral("tabStp_%1").arg(grid), row, column);
    core_.display.put(boxName(column == 1 ? Box::StpCounts : Box::StpFlow), Aspect::Text, cell);
}

void SupportPoints::applyPoint() {
    const int p = StpPunkt;
    const double c = leadingNumber(core_.display.text(boxName(Box::StpCounts)));
    const double f = leadingNumber(core_.display.text(boxName(Box::StpFlow)));
    const Applied a = supportPointEditor::apply(core_.meter, p, c, f);
    if (a == Applied::Unchanged) {
        core_.message(core_.texts[SameValues], title(), Buttons::Ok, Symbol::Information);
    } else if (a == Applied::Gap) {
        StpNeu = false;  // an apply ends a pending insert, even one refused for a gap
        core_.message(core_.texts[PointAfterGap], title(), Buttons::Ok, Symbol::Critical);
        fillPointBoxes(p);
    } else {
        StpNeu = false;
        const supportPoints::Row r = supportPoints::row(p, 0, 0);
        core_.display.setCell(r.grid, r.row, 1, QString::number(core_.meter.StpCounts[size_t(p)]));
        core_.display.setCell(r.grid, r.row, 2,
                              QLocale().toString(core_.meter.StpFlow[size_t(p)], 'g', 7));
        pointsChanged();
    }
    core_.focus(boxName(Box::StpCounts));
}

void SupportPoints::insertPoint() {
    if (StpNeu) {
        core_.message(QStringLiteral("Es kann immer nur ein neuer Stützpunkt eingefügt werden !"),
                      QStringLiteral("Fehler bei Stützpunkt Eingabe"), Buttons::Ok,
                      Symbol::Information);
        return;
    }
    const int p = StpPunkt;
    if (!supportPointEditor::insert(core_.meter, p)) {
        core_.message(core_.texts[TableFull], title(), Buttons::Ok, Symbol::Information);
        core_.focus(boxName(Box::StpCounts));
        return;
    }
    StpNeu = true;
    showSupportPoints(core_.meter, core_.display);
    const supportPoints::Row r = supportPoints::row(p, 0, 0);
    core_.display.setCell(r.grid, r.row, 1, QStringLiteral("0"));
    core_.display.setCell(r.grid, r.row, 2, QStringLiteral("0"));
    core_.display.put(boxName(Box::StpCounts), Aspect::Text, QString());
    core_.display.put(boxName(Box::StpFlow), Aspect::Text, QString());
    pointsChanged();
    core_.focus(boxName(Box::StpCounts));
}

void SupportPoints::deletePoint() {
    StpNeu = false;
    if (core_.message(core_.texts[DeleteQuestion], title(), Buttons::YesNo, Symbol::Question) !=
        Answer::Yes) {
        core_.focus(boxName(Box::StpCounts));
        return;
    }
    const int p = StpPunkt;
    supportPointEditor::remove(core_.meter, p);
    showSupportPoints(core_.meter, core_.display);
    fillPointBoxes(p);
    pointsChanged();
    core_.focus(boxName(Box::StpCounts));
}

void SupportPoints::pointsChanged() {
    changed_ = true;
    core_.refreshControls();
}

// The whole table to the core_.meter, stored and restarted; the meter is then read
// again and the table it holds compared with the one asked for. A table the
// meter cannot hold whole is refused before anything is sent.
WriteResult SupportPoints::writeSupportPoints() {
    if (core_.busy()) return WriteResult::Failed;
    Operation operation(core_);
    if (!core_.keepSnapshot("write-curve")) return WriteResult::Refused;
    core_.setCountsTimer(false);
    if (StpNeu) {
        core_.message(QStringLiteral("Es ist noch ein Stützpunkt zum Einfügen gewählt !"), title(),
                      Buttons::Ok, Symbol::Information);
        core_.setCountsTimer(true);
        return WriteResult::Refused;
    }
    const QVector<curveTable::Point> entries = curveTable::entries(core_.meter);
    if (const curveTable::Fault f = curveTable::check(entries); !f.ok()) {
        core_.message(curveTexts::refused(core_.language, f), title(), Buttons::Ok,
                      Symbol::Critical);
        core_.setCountsTimer(true);
        return WriteResult::Refused;
    }
    if (const QList<int> marked = curveTable::notRising(core_.meter); !marked.isEmpty())
        core_.message(curveTexts::notRising(core_.language, marked), title(), Buttons::Ok,
                      Symbol::Warning);
    const QVector<curveTable::Point> asked = curveTable::points(entries);
    const QByteArray frames[] = {request::supportPointTable(int(asked.size()), records(asked)),
                                 request::store(), request::resetAfterSupportPoints()};
    // The table, the store and the restart; the image is read twice after
    // the meter's initialisation.
    const Link& link = core_.link();
    double planned = link.plannedPause(WaitBeforeWriting + WaitAfterReset + WaitForInitialisation) +
                     2 * core_.readBackSeconds();
    for (const QByteArray& frame : frames)
        planned += link.plannedSeconds(frame);
    const ProgressScope progress(core_.progress, planned);
    core_.state.writing = true;
    core_.refreshControls();
    core_.link().pause(WaitBeforeWriting);
    core_.setWaitCursor(true);
    core_.meter.StpAnzahl = int(asked.size());
    core_.setStatus(QStringLiteral("Bitte warten. Stützpunkte werden geschrieben."));
    for (const QByteArray& frame : frames)
        if (!core_.sendRepeated(frame, Repeat::UntilAcknowledged, true).acknowledged())
            return endPointWrite(WriteResult::Failed);
    core_.TimStatus().on();
    core_.setStatus(QStringLiteral("Stützpunkte wurden geschrieben."));
    awaitInitialisation();
    core_.PruefeVerbindung();
    core_.TimStatus().off();
    core_.setWaitCursor(false);
    if (!core_.linkState.Verbunden || !core_.EEPromLesen())
        return endPointWrite(WriteResult::Failed);
    core_.decodeAndShow();
    core_.discardEdits();
    return endPointWrite(core_.verdict(differences(core_.language, asked, core_.meter)));
}

// The old tool's fixed waits, or in fast mode asking until the meter answers.
void SupportPoints::awaitInitialisation() {
    if (core_.linkState.fast) {
        core_.awaitRestart();
        return;
    }
    core_.link().Warten(WaitAfterReset);
    core_.link().Warten(WaitForInitialisation);
}

WriteResult SupportPoints::endPointWrite(WriteResult r) {
    core_.setWaitCursor(false);
    core_.state.writing = false;
    core_.refreshControls();
    core_.setCountsTimer(r != WriteResult::Failed);  // after a failure the technician reconnects
    return r;
}
