#pragma once

#include <QDialog>

// The counts window frmCounts: the meter's raw counts and their average over
// a number of readings, beside the main window.
class FrmCounts : public QDialog {
    Q_OBJECT

public:
    explicit FrmCounts(QWidget* parent);
};
