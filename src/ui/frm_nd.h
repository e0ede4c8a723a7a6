#pragma once

#include <QDialog>

// The device data window: the pending configuration before it is written to
// the meter or to a file. Modeless, created on first use.
class FrmND : public QDialog {
    Q_OBJECT

public:
    explicit FrmND(QWidget* parent);
};
