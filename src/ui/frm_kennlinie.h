#pragma once

#include <QDialog>

#include "config/language.h"

class QChartView;
struct MeterParameters;

// The characteristic-curve window: the edited support points as a chart,
// with the meter's stored ones in grey while the editor holds unsaved changes.
// Modeless, so the table can be edited further while it is open.
class FrmKennlinie : public QDialog {
    Q_OBJECT

public:
    explicit FrmKennlinie(QWidget* parent);

    // The chart is built anew on every call, so it never shows a table
    // that has changed since the window was last opened.
    void show(const MeterParameters& edited, const MeterParameters* stored, Language language);

private:
    void centre();

    QChartView* grafik_;
};
