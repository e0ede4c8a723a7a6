#pragma once

#include <QDialog>
#include <memory>

#include "link/clock.h"
#include "ui/trend_buffer.h"

class QChartView;
class QLabel;
class QLineSeries;
class QValueAxis;

// The trend window frmTrend: the measured flow of the last minutes as a line, beside the main
// window. Modeless, so the meter can be worked on while the trend runs.
class FrmTrend : public QDialog {
    Q_OBJECT

public:
    FrmTrend(QWidget* parent, Clock& clock);

    // Values arrive at the poll's rate; the chart catches up on its own timer, so a burst of
    // values costs one redraw and a hidden window costs none.
    void addValue(double seconds, float value);
    void setUnit(const QString& unit);
    // What the recording says beside the chart; nothing hides the line.
    void setLogging(const QString& note);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void redraw();
    void redrawIfNew();

    TrendBuffer buffer_;
    bool fresh_ = false;
    QChartView* grafik_;
    QLineSeries* messwert_;
    QValueAxis* seconds_;
    QValueAxis* flow_;
    QLabel* log_;
    std::unique_ptr<Timer> timer_;
};
