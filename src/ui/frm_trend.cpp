#include "ui/frm_trend.h"

#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace {

const int RedrawMs = 250;
const double Headroom = 1.1;  // keeps the line off the chart's upper edge

QValueAxis* axis(const QString& title) {
    auto* a = new QValueAxis;
    a->setTitleText(title);
    a->setLabelFormat(QStringLiteral("%g"));
    return a;
}

}  // namespace

FrmTrend::FrmTrend(QWidget* parent, Clock& clock)
    : QDialog(parent),
      grafik_(new QChartView),
      messwert_(new QLineSeries),
      seconds_(axis(QStringLiteral("s"))),
      flow_(axis(QString())),
      log_(new QLabel),
      timer_(clock.timer([this] { redrawIfNew(); })) {
    setObjectName(QStringLiteral("frmTrend"));
    setWindowTitle(QStringLiteral("Trend"));
    setModal(false);
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->addAxis(seconds_, Qt::AlignBottom);
    chart->addAxis(flow_, Qt::AlignLeft);
    messwert_->setName(QStringLiteral("Messwert"));
    chart->addSeries(messwert_);
    messwert_->attachAxis(seconds_);
    messwert_->attachAxis(flow_);
    grafik_->setObjectName(QStringLiteral("Grafik"));
    grafik_->setChart(chart);
    log_->setObjectName(QStringLiteral("lblTrendLog"));
    log_->hide();
    auto* l = new QVBoxLayout(this);
    l->addWidget(grafik_);
    l->addWidget(log_);
    timer_->setIntervalMs(RedrawMs);
    redraw();
    resize(720, 420);
}

void FrmTrend::addValue(double seconds, float value) {
    buffer_.add(seconds, value);
    fresh_ = true;
}

void FrmTrend::setUnit(const QString& unit) {
    flow_->setTitleText(unit);
}

void FrmTrend::setLogging(const QString& note) {
    log_->setText(note);
    log_->setVisible(!note.isEmpty());
}

void FrmTrend::redraw() {
    const QList<QPointF> points = buffer_.points();
    double largest = 0;
    for (const QPointF& p : points)
        largest = std::max(largest, p.y());
    messwert_->replace(points);
    seconds_->setRange(-buffer_.window(), 0);
    flow_->setRange(0, std::max(1.0, largest * Headroom));
    fresh_ = false;
}

void FrmTrend::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    redrawIfNew();
    timer_->on();
}

void FrmTrend::hideEvent(QHideEvent* event) {
    timer_->off();
    QDialog::hideEvent(event);
}

void FrmTrend::redrawIfNew() {
    if (fresh_) redraw();
}
