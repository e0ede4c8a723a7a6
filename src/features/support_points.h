#pragma once

#include "features/entry_boxes.h"
#include "session/session.h"

// The support-point editor of the service page: the current point, a grid
// cell taken over during start-up, apply, insert, delete, and the write of
// the whole table.
class SupportPoints {
public:
    explicit SupportPoints(Session& core);

    // The counts and flow boxes.
    QString boxChanged(Box b, const QString& typed) { return enterPoint(core_, b, typed); }
    // The scroll bar chose point p; the counts box takes the keyboard.
    void selectPoint(int p);
    // A click or an arrow key made a row of a grid current: its point, as the
    // scroll bar chooses it, but the keyboard stays in the grid to go on from there.
    void chooseRow(int grid, int row);
    void pickCell(int grid, int row, int column);
    void applyPoint();
    void insertPoint();
    void deletePoint();
    WriteResult writeSupportPoints();
    // The service page opened: the first point, and nothing edited yet.
    void showFirstPoint();
    // The table was edited since the meter was read.
    bool changed() const { return changed_; }
    // A point inserted and not yet given its values is given up.
    void forgetInsert() { StpNeu = false; }

private:
    void showPoint(int p);
    void fillPointBoxes(int p);
    void pointsChanged();
    void awaitInitialisation();
    WriteResult endPointWrite(WriteResult r);

    Session& core_;
    bool changed_ = false;  // the table was edited since it was read
    int StpPunkt = 1;       // the point the boxes show
    bool StpNeu = false;    // an inserted point still waits for its values
};
