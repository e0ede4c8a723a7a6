#include <QFile>
#include <QLabel>
#include <QtTest>

#include "files/program_folder.h"
#include "sim/virtual_clock.h"
#include "support/bench.h"
#include "support/file_helpers.h"
#include "ui/app.h"
#include "ui/building_blocks.h"
#include "ui/paint_pacer.h"

namespace {

// The tool with its window on the simulated meter, German, port 1, polling a
// flow that changes with every reading.
struct Polling {
    Polling() {
        for (const QString& d : programFolder::shippedFiles())
            QFile::copy(QStringLiteral(ORBIS_DATA "/") + d, folder.filePath(d));
        writeFile(folder.filePath(QStringLiteral("Q_orbis.CON")),
                  "Com1\r\n1\r\nLPT1\r\nDeutsch\r\nkg/h\r\n1\r\n(-)\r\nLuft\r\n");
        writeFile(folder.filePath(QStringLiteral("Q_orbis.SPR")), "Deutsch\r\n");
        b.sim.meter.profile = {FlowProfile::Kind::Noise, 75.0};
        app = std::make_unique<App>(b.sim.port, b.clock, b.dialogs, folder.path(),
                                    [] { return QStringList(); });
        b.sim.port.closePort();
        app->load();
        b.clock.advance(5.0);
    }

    int readings() const { return int(b.commands().count(QStringLiteral("03 02"))); }

    QTemporaryDir folder;
    Bench b;
    std::unique_ptr<App> app;
};

// Changes are written "control aspect value", the aspect by its name.
const QHash<QString, Aspect> Aspects = {{"Text", Aspect::Text},
                                        {"TextColor", Aspect::TextColor},
                                        {"Value", Aspect::Value},
                                        {"Maximum", Aspect::Maximum}};

QString changeText(const QString& name, Aspect aspect, const QVariant& value) {
    return QStringLiteral("%1 %2 %3").arg(name, Aspects.key(aspect), value.toString());
}

// Counts the layout requests a widget receives.
struct LayoutRequests : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::LayoutRequest) ++count;
        return false;
    }
};

}  // namespace

// The window paints the live values at the eye's rate, however often the meter is read.
class TstLivePaint : public QObject {
    Q_OBJECT

private slots:
    void live_values_wait_for_the_interval_and_other_changes_do_not_data() {
        QTest::addColumn<QStringList>("published");
        QTest::addColumn<QStringList>("paintedAtOnce");
        QTest::addColumn<QStringList>("paintedAfterInterval");
        QTest::newRow("of a live value only the latest is painted")
            << QStringList{"lblAktMW1 Text 1.5", "lblAktMW1 Text 1.6"} << QStringList{}
            << QStringList{"lblAktMW1 Text 1.6"};
        QTest::newRow("the gauges are live")
            << QStringList{"AnzAnalog Value 5", "AnzAnalog Value 7"} << QStringList{}
            << QStringList{"AnzAnalog Value 7"};
        QTest::newRow("other controls are painted at once")
            << QStringList{"lblAktMW1 Text 1.5", "SB1_1 Text Fehler"}
            << QStringList{"SB1_1 Text Fehler"} << QStringList{"lblAktMW1 Text 1.5"};
        QTest::newRow("a set colour follows the text that waited")
            << QStringList{"lblAktMW Text 7", "lblAktMW TextColor 255", "lblAktMW Text 8"}
            << QStringList{"lblAktMW Text 7", "lblAktMW TextColor 255"}
            << QStringList{"lblAktMW Text 8"};
        QTest::newRow("a new full scale follows the gauge's value that waited")
            << QStringList{"frmCounts.AnzeigeAnzW Value 500", "frmCounts.AnzeigeAnzW Maximum 10",
                           "frmCounts.AnzeigeAnzW Value 0"}
            << QStringList{"frmCounts.AnzeigeAnzW Value 500", "frmCounts.AnzeigeAnzW Maximum 10"}
            << QStringList{"frmCounts.AnzeigeAnzW Value 0"};
    }
    void live_values_wait_for_the_interval_and_other_changes_do_not() {
        QFETCH(QStringList, published);
        VirtualClock clock;
        QStringList painted;
        PaintPacer pacer(clock, [&](const QString& name, Aspect aspect, const QVariant& value) {
            painted << changeText(name, aspect, value);
        });
        for (const QString& change : published) {
            const QStringList part = change.split(QLatin1Char(' '));
            pacer.publish(part[0], Aspects.value(part[1]), part[2]);
        }
        QTEST(painted, "paintedAtOnce");
        painted.clear();
        clock.advance(PaintPacer::IntervalMs / 1000.0);
        QTEST(painted, "paintedAfterInterval");
    }

    void a_number_field_lays_out_the_window_again_only_for_another_size_data() {
        QTest::addColumn<QString>("lead");
        QTest::addColumn<QString>("tail");
        QTest::addColumn<bool>("laidOut");
        QTest::newRow("the same digits in another order") << "7"
                                                          << "2.45" << false;
        QTest::newRow("a wider text") << "> 150"
                                      << "000.00" << true;
    }
    void a_number_field_lays_out_the_window_again_only_for_another_size() {
        QFETCH(QString, lead);
        QFETCH(QString, tail);
        QWidget window;
        auto* layout = new QHBoxLayout(&window);
        auto* leadLabel = new QLabel(QStringLiteral("7"));
        auto* tailLabel = new QLabel(QStringLiteral("5.42"));
        QFrame* field = buildingBlocks::numberField(leadLabel, tailLabel);
        layout->addWidget(field);
        layout->addStretch();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        LayoutRequests requests;
        window.installEventFilter(&requests);
        leadLabel->setText(lead);
        tailLabel->setText(tail);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents();
        QTEST(requests.count > 0, "laidOut");
        QCOMPARE(leadLabel->width(),
                 leadLabel->sizeHint().expandedTo(leadLabel->minimumSize()).width());
        QCOMPARE(tailLabel->x(), leadLabel->x() + leadLabel->width());
        QVERIFY(tailLabel->width() >= tailLabel->sizeHint().width());
    }

    void a_changing_flow_is_painted_once_an_interval_with_its_latest_value() {
        Polling p;
        QVERIFY(p.app->session().state.liveShown);
        const QString name = QStringLiteral("lblAktMW1");
        const auto* label = p.app->window().element<QLabel>(name);
        const DisplayModel& display = p.app->session().display;
        const int readings0 = p.readings();
        QStringList published{display.text(name)};
        QString shown = label->text();
        int paints = 0;
        bool latest = true;
        // Looked at every millisecond of one second of polling; waiting for a reply may take
        // the clock further than a millisecond.
        for (const double end = p.b.clock.now() + 1.0; p.b.clock.now() < end;) {
            p.b.clock.advance(0.001);
            if (display.text(name) != published.last()) published << display.text(name);
            if (label->text() == shown) continue;
            shown = label->text();
            ++paints;
            // A reading may have come in after the paint, within the same millisecond.
            latest = latest && published.mid(published.size() - 2).contains(shown);
        }
        QVERIFY2(p.readings() - readings0 >= 40, qPrintable(QString::number(p.readings())));
        QVERIFY2(paints <= 1000 / PaintPacer::IntervalMs, qPrintable(QString::number(paints)));
        QVERIFY2(paints >= 1000 / PaintPacer::IntervalMs - 2, qPrintable(QString::number(paints)));
        QVERIFY(latest);
    }
};

QTEST_MAIN(TstLivePaint)
#include "tst_live_paint.moc"
