#include "ui/frm_kennlinie.h"

#include <QChartView>
#include <QGuiApplication>
#include <QLineSeries>
#include <QScatterSeries>
#include <QScreen>
#include <QVBoxLayout>
#include <QValueAxis>

#include "curve/curve_plot.h"

namespace {

const QColor Red(255, 0, 0);
const QColor Grey(160, 160, 160);
const QColor MarkerBlue(0, 0, 255);  // stands apart from both curves

QValueAxis* axis(const QString& title, curvePlot::Range r) {
    auto* a = new QValueAxis;
    a->setTitleText(title);
    a->setRange(r.min, r.max);
    a->setLabelFormat(QStringLiteral("%g"));
    return a;
}

template <class Series>
Series* series(const QString& name, const QColor& colour, const QList<QPointF>& points) {
    auto* s = new Series;
    s->setName(name);
    s->setColor(colour);
    s->replace(points);
    return s;
}

void add(QChart* chart, QXYSeries* s) {
    chart->addSeries(s);
    for (QAbstractAxis* a : chart->axes())
        s->attachAxis(a);
}

QList<QPointF> marked(const curvePlot::Plot& p) {
    QList<QPointF> points;
    for (int n : p.notRising)
        points << p.curve[n - 1];
    return points;
}

// The chart's titles and the curve's name are the meter's own and stay
// German; the two additions speak the window's language.
QChart* chart(const curvePlot::Plot& p, Language language) {
    auto* c = new QChart;
    c->setTitle(QStringLiteral("Kennlinie KRN410-Q Orbis"));
    c->addAxis(axis(QStringLiteral("Counts"), p.counts), Qt::AlignBottom);
    c->addAxis(axis(QStringLiteral("Luftmasse [kg/h]"), p.flow), Qt::AlignLeft);
    // Added first so the edited curve lies on top where the two agree.
    const QString stored = choose(language, QStringLiteral("gespeichert"), QStringLiteral("stored"),
                                  QStringLiteral("enregistrée"));
    const QString notRising =
        choose(language, QStringLiteral("nicht steigend"), QStringLiteral("not rising"),
               QStringLiteral("non croissante"));
    if (p.stored) add(c, series<QLineSeries>(stored, Grey, *p.stored));
    auto* curve = series<QLineSeries>(QStringLiteral("Kennlinie"), Red, p.curve);
    curve->setPointsVisible(true);
    add(c, curve);
    if (!p.notRising.isEmpty()) add(c, series<QScatterSeries>(notRising, MarkerBlue, marked(p)));
    return c;
}

}  // namespace

FrmKennlinie::FrmKennlinie(QWidget* parent) : QDialog(parent), grafik_(new QChartView) {
    setObjectName(QStringLiteral("frmKennlinie"));
    setWindowTitle(QStringLiteral("Kennlinie"));
    setModal(false);
    grafik_->setObjectName(QStringLiteral("Grafik"));
    grafik_->setRenderHint(QPainter::Antialiasing);
    auto* l = new QVBoxLayout(this);
    l->addWidget(grafik_);
    resize(720, 520);
}

void FrmKennlinie::show(const MeterParameters& edited, const MeterParameters* stored,
                        Language language) {
    // The view gives up its previous chart without deleting it.
    QChart* previous = grafik_->chart();
    grafik_->setChart(chart(curvePlot::plot(edited, stored), language));
    delete previous;
    centre();
    QDialog::show();
    raise();
    activateWindow();
}

void FrmKennlinie::centre() {
    if (const QWidget* over = parentWidget())
        move(over->window()->frameGeometry().center() - rect().center());
    else if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}
