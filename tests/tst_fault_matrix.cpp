#include <QtTest>
#include <functional>
#include <map>
#include <memory>

#include "device/eeprom_auswerten.h"
#include "device/eeprom_map.h"
#include "files/config_file.h"
#include "link/byte_order.h"
#include "session/status_texts.h"
#include "support/bench.h"

namespace {

using Result = WriteResult;

constexpr double Settle = 5.0;          // seconds the tool's own timers run after an operation
constexpr double Bound = 600.0;         // no operation may take longer than ten minutes
constexpr double IdleTime = 120.0;      // with polling off, nothing is sent in this time
constexpr double ReconnectEvery = 5.0;  // an unattended recording tries to connect again
constexpr int Storm = 100000;           // replies a lasting fault covers
constexpr float NewCreep = 0.75f;       // kg/h
constexpr int NewPoint = 13;            // appended after the twelve points of the standard meter
constexpr quint16 NewPointCounts = 4050;

// A meter on the bench, at 60 kg/h, whose program folder holds the shipped
// units file and takes the log files the tool writes.
struct Rig {
    Rig() {
        b.loadShippedUnits();
        b.sim.meter.profile = {FlowProfile::Kind::Constant, 60.0};
    }
    // The tool holds the image the meter holds.
    bool imageRead() const {
        return b.session.linkState.EEPromInhalt == replyWith(b.sim.meter.eeprom());
    }
    // The full scale shown is the meter's 150 kg/h in the unit shown, or nothing.
    bool fullScaleTrue() const {
        const QString unit = b.shown(QStringLiteral("lblinfo_15"));
        const QString shown = b.shown(QStringLiteral("lblMEW"));
        for (const Unit& u : b.session.units.entries)
            if (u.Einheit == unit)
                return shown.isEmpty() || shown == QString::number(150.0 / u.Umrechnungsfaktor);
        return false;
    }

    Bench b;
    float measured = -1;  // kg/h, the last value polling showed
};

// How the meter is reached before the fault is set: by the window's start-up
// (polling runs), as the command-line tool does (the connection test, no
// polling), or by the operation itself, the fault being there from the start.
enum class Reach { StartUp, Console, ByItself };

// Something the technician does: `prepare` runs before the fault is set,
// `run` returns whether the tool reported success, and `holds` tells whether
// what that success promises is true of the meter or the files.
struct Action {
    Reach reach = Reach::StartUp;
    std::function<void(Rig&)> prepare;
    std::function<bool(Rig&)> run;
    std::function<bool(Rig&)> holds;
};

// The meter read and decoded as every command of the command-line tool begins.
void readAsConsole(Rig& r) {
    r.b.session.EEPromLesen();
    EEPromAuswerten(r.b.session.linkState.EEPromInhalt, r.b.session.meter,
                    r.b.session.settings.unit);
}

std::map<QString, Action> windowAndConsoleOperations() {
    std::map<QString, Action> all{
        {"start-up",
         {Reach::ByItself, [](Rig&) {},
          [](Rig& r) {
              r.b.start();
              return r.b.session.linkState.Verbunden && r.b.session.state.meterRead;
          },
          [](Rig& r) { return r.imageRead(); }}},
        {"polling",
         {Reach::StartUp,
          [](Rig& r) {
              r.b.session.events.onMeasurement([&r](double, float kgh) { r.measured = kgh; });
          },
          [](Rig& r) {
              r.b.clock.advance(5.0);
              return r.measured >= 0;
          },
          [](Rig& r) { return qAbs(r.measured - 60.0f) < 1.0f; }}},
        {"configuration write",
         {Reach::StartUp,
          [](Rig& r) {
              r.b.features.analog.tickAnalog(2, true);
              r.b.features.analog.boxChanged(Box::Schleich, QString::number(NewCreep));
          },
          [](Rig& r) { return r.b.features.write.KonfigurationSchreiben() == Result::Written; },
          [](Rig& r) {
              return byteOrder::readFloat32(r.b.sim.meter.eeprom(), address::Schleichmenge) ==
                     NewCreep;
          }}},
        {"curve write",
         {Reach::StartUp,
          [](Rig& r) {
              r.b.features.points.selectPoint(NewPoint);
              r.b.features.points.boxChanged(Box::StpCounts, QString::number(NewPointCounts));
              r.b.features.points.boxChanged(Box::StpFlow, QStringLiteral("220"));
              r.b.features.points.applyPoint();
          },
          [](Rig& r) { return r.b.features.points.writeSupportPoints() == Result::Written; },
          [](Rig& r) {
              const int at =
                  address::FirstSupportPoint + address::SupportPointStride * (NewPoint - 1);
              return byteOrder::readWord16(r.b.sim.meter.eeprom(), at) == NewPointCounts;
          }}},
        {"calibration reset",
         {Reach::StartUp, [](Rig& r) { r.b.sim.meter = Meter(uncalibrated()); },
          [](Rig& r) { return r.b.features.calibration.calibrationReset() == Result::Written; },
          [](Rig& r) { return r.b.sim.meter.eeprom() == images::standard(); }}},
        {"unit change",
         {Reach::StartUp, [](Rig& r) { r.b.features.units.openUnitTask(Task::Units); },
          [](Rig& r) {
              r.b.features.units.selectUnit(1);  // kg/min: the full scale of 150 kg/h reads 2.5
              return r.b.shown(QStringLiteral("lblMEW")) == QStringLiteral("2.5") &&
                     r.b.session.TimCounts().active();
          },
          [](Rig& r) { return r.imageRead(); }}},
        {"logging",
         {Reach::StartUp,
          [](Rig& r) {
              r.b.features.recording.openLoggingDialog();
              r.b.features.recording.chooseLogFolder(r.b.folder.path());
              r.b.features.recording.logNameTyped(QStringLiteral("md"));
              r.b.features.recording.logIntervalTyped(QStringLiteral("0,1"));
          },
          // Recording goes on; a broken link interrupts it instead of
          // repeating the last value.
          [](Rig& r) {
              r.b.features.recording.switchLogging(true);
              r.b.clock.advance(3.0);
              const LoggingState& g = r.b.features.recording.logging;
              return g.MdAktiv &&
                     (g.interrupted || r.b.features.recording.measurementLog().MdSaetze() >= 29);
          },
          [](Rig& r) {
              QFile f(r.b.folder.filePath(QStringLiteral("md.1")));
              return f.open(QIODevice::ReadOnly) &&
                     f.readAll().count('\n') == r.b.features.recording.measurementLog().MdSaetze();
          }}},
        {"write-config",
         {Reach::Console, readAsConsole,
          [](Rig& r) {
              const QByteArray saved = configFile::text(r.b.features.deviceData.currentConfig());
              ConfigFile c = configFile::parse(QString::fromLatin1(saved)).values;
              c.Schleichmenge = NewCreep;
              r.b.features.deviceData.loadConfig(c);
              return r.b.features.write.KonfigurationSchreiben() == Result::Written;
          },
          [](Rig& r) {
              return byteOrder::readFloat32(r.b.sim.meter.eeprom(), address::Schleichmenge) ==
                     NewCreep;
          }}},
        {"read",
         {Reach::Console, [](Rig&) {}, [](Rig& r) { return r.b.session.EEPromLesen(); },
          [](Rig& r) { return r.imageRead(); }}},
        {"connect menu",
         {Reach::ByItself, [](Rig& r) { r.b.start(); },
          [](Rig& r) {
              r.b.session.connectMeter();
              r.b.clock.advance(Settle);
              return r.b.session.linkState.Verbunden && r.b.session.state.meterRead;
          },
          [](Rig& r) { return r.imageRead(); }}},
        // After a connection check that found no meter, the port frame is
        // opened and confirmed with OK; the check runs a second later.
        {"port frame OK",
         {Reach::ByItself, [](Rig& r) { r.b.start(); },
          [](Rig& r) {
              r.b.features.ports.configurePort();
              r.b.features.ports.confirmPort();
              r.b.clock.advance(Settle);
              return r.b.session.linkState.Verbunden && r.b.session.state.meterRead;
          },
          [](Rig& r) { return r.imageRead(); }}},
    };
    // The command-line tool records with its own polling and connects again after a broken link.
    Action log = all.at("logging");
    log.reach = Reach::Console;
    log.prepare = [setUp = log.prepare](Rig& r) {
        readAsConsole(r);
        setUp(r);
        r.b.features.recording.logging.reconnect = true;
    };
    log.run = [record = log.run](Rig& r) {
        r.b.session.setCountsTimer(true);
        return record(r);
    };
    all["log"] = log;
    // Fast writes, against a meter that drops what arrives while it is busy.
    for (const char* name : {"write-config", "curve write", "calibration reset"}) {
        Action fast = all.at(name);
        fast.prepare = [setUp = fast.prepare](Rig& r) {
            r.b.session.linkState.fast = true;
            r.b.sim.line.whileBusy = WhileBusy::Drop;
            setUp(r);
        };
        all[QString::fromLatin1(name) + QStringLiteral(" fast")] = fast;
    }
    return all;
}

const std::map<QString, Action>& operations() {
    static const std::map<QString, Action> all = windowAndConsoleOperations();
    return all;
}

// Sets `fault` on the line from now on.
void inject(Bench& b, const QString& fault) {
    FaultPlan& f = b.sim.line.fault;
    if (fault == "port vanishes") f.gone = true;
    if (fault == "silence") f.silent = Storm;
    if (fault == "garbage") f.garbage = Storm;
    if (fault == "NAK storm") f.nak = Storm;
    if (fault == "truncated reply") {
        f.truncated = Storm;
        f.truncateTo = 1;
    }
    if (fault == "late by 0.5 s") b.sim.line.latency = 0.5;
    if (fault == "late by 5 s") b.sim.line.latency = 5.0;
}

// Expected outcomes: the operation succeeds and says nothing; it is refused
// and the fault is reported; it goes on while the fault is reported.
const QString Ok = QStringLiteral("ok");
const QString Refused = QStringLiteral("refused-with-message");
const QString GoesOn = QStringLiteral("ok-with-message");

void row(const QString& operation, const QString& fault, const QString& outcome, int attempts = 1) {
    QTest::newRow(qPrintable(operation + " / " + fault))
        << operation << fault << outcome << attempts;
}

const QStringList Faults{"none",      "port vanishes", "silence",    "garbage", "truncated reply",
                         "NAK storm", "late by 0.5 s", "late by 5 s"};

// One operation against every fault, the outcomes in the order of `Faults`.
void rows(const QString& operation, const QStringList& outcomes) {
    for (int i = 0; i < Faults.size(); ++i)
        row(operation, Faults[i], outcomes[i]);
}

}  // namespace

// Given a meter that vanishes, falls silent, garbles, cuts short, rejects
// or answers late, every operation ends within minutes, claims success only
// when the meter holds what it promised, reports the fault, and leaves no
// exchange running once polling is off.
class TstFaultMatrix : public QObject {
    Q_OBJECT

private slots:
    void each_operation_meets_each_fault_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<int>("attempts");  // times the operation is repeated
        // The connection test waits 2 s, the image 8 s, the counts 0.5 s; writes,
        // the error query and the calibration steps take what came after 1 s.
        // clang-format off
        //                           none     vanishes silence  garbage  cut short NAKs     late 0.5 late 5 s
        rows("start-up",            {Ok,      Refused, Refused, Refused, Refused, Refused, Ok,      Refused});
        rows("polling",             {Ok,      Refused, Refused, Refused, Refused, Refused, Refused, Refused});
        rows("configuration write", {Ok,      Refused, Refused, Refused, Refused, Refused, Ok,      Refused});
        rows("curve write",         {Ok,      Refused, Refused, Refused, Refused, Refused, Ok,      GoesOn});
        rows("calibration reset",   {Ok,      Refused, Refused, Refused, Refused, Refused, Ok,      Refused});
        rows("unit change",         {Ok,      Refused, Refused, Refused, Refused, Refused, Ok,      Ok});
        rows("logging",             {Ok,      GoesOn,  GoesOn,  GoesOn,  GoesOn,  GoesOn,  GoesOn,  GoesOn});
        rows("write-config",        {Ok,      Refused, Refused, Refused, Refused, Refused, Ok,      Refused});
        rows("log",                 {Ok,      GoesOn,  GoesOn,  GoesOn,  GoesOn,  GoesOn,  GoesOn,  GoesOn});
        rows("read",                {Ok,      Refused, Refused, Refused, Refused, Refused, Ok,      Ok});
        rows("write-config fast",   {Ok,      Refused, Refused, Refused, Refused, Refused, Ok,      Refused});
        rows("curve write fast",    {Ok,      Refused, Refused, Refused, Refused, Refused, Ok,      GoesOn});
        rows("calibration reset fast", {Ok,   Refused, Refused, Refused, Refused, Refused, Ok,      Refused});
        // Three times in a row, after a start-up that met the fault.
        row("port frame OK", "none",    Ok,      3);
        row("port frame OK", "silence", Refused, 3);
        row("connect menu", "none",     Ok,      3);
        row("connect menu", "silence",  Refused, 3);
        // clang-format on
    }

    // Each attempt: it ends, it claims success only as expected and truly,
    // the success text is not shown for a failure, and the fault is reported
    // (by the operation or by the polling it resumed). Then, with polling
    // off, nothing more is sent.
    void each_operation_meets_each_fault() {
        QFETCH(QString, operation);
        QFETCH(QString, fault);
        QFETCH(QString, outcome);
        QFETCH(int, attempts);
        const Action& op = operations().at(operation);
        Rig r;
        Bench& b = r.b;
        if (op.reach == Reach::ByItself) inject(b, fault);
        if (op.reach == Reach::StartUp) b.start();
        if (op.reach == Reach::Console) b.session.link().testConnection();
        op.prepare(r);
        if (op.reach != Reach::ByItself) {
            QVERIFY(b.session.linkState.Verbunden && b.dialogs.shownMessages.isEmpty());
            inject(b, fault);
        }
        const QString done = startTexts::writeDone(Language::German);
        for (int attempt = 1; attempt <= attempts; ++attempt) {
            const int before = int(b.dialogs.shownMessages.size());
            const double begun = b.clock.now();
            // A wait that never ends is cut short, so that the row can tell.
            const auto armed = std::make_shared<bool>(true);
            b.clock.schedule(begun + Bound, [armed, &b] {
                if (*armed) b.session.endProgram();
            });
            b.session.linkState.Sendepuffer.clear();
            const QList<QByteArray> images{b.session.linkState.EEPromInhalt,
                                           replyWith(b.sim.meter.eeprom())};
            const bool success = op.run(r);
            const bool asked = !b.session.linkState.Sendepuffer.isEmpty();
            const int byOperation = int(b.dialogs.shownMessages.size()) - before;
            const QString status = b.shown(QStringLiteral("SB1_1"));
            b.clock.advance(Settle);
            *armed = false;
            const int reported = int(b.dialogs.shownMessages.size()) - before;
            const int afterwards = reported - byOperation;
            const QString at = QStringLiteral(" (attempt %1)").arg(attempt);
#define CHECK(holds, what) QVERIFY2(holds, qPrintable(QString(what) + at))
            CHECK(b.clock.now() - begun < Bound && !b.dialogs.ended,
                  QStringLiteral("took %1 s").arg(b.clock.now() - begun));
            CHECK(success == (outcome != Refused),
                  success ? "claimed success" : "reported failure");
            if (success)
                CHECK(op.holds(r), "success claimed that was not");
            else
                CHECK(status != done, "a failure showed: " + status);
            // The image held is the one held before, or the meter's before or now.
            CHECK((images + QList<QByteArray>{replyWith(b.sim.meter.eeprom())})
                      .contains(b.session.linkState.EEPromInhalt),
                  "the tool holds an image the meter never had");
            if (op.reach == Reach::StartUp)
                CHECK(r.fullScaleTrue(),
                      "full scale shown: " + b.shown("lblMEW") + ' ' + b.shown("lblinfo_15"));
            CHECK(afterwards <= 1,
                  QStringLiteral("%1 messages while the clock ran on").arg(afterwards));
            CHECK(asked, "nothing was sent");
            CHECK(outcome == Ok ? byOperation == 0 : reported > 0,
                  "messages: " + b.dialogs.texts().mid(before).join(" | "));
#undef CHECK
        }
        // With polling off, the clock may run: no exchange starts on its own, but
        // for an unattended recording's attempts to connect again, 5 s apart.
        b.session.setCountsTimer(false);
        b.session.linkState.Sendepuffer.clear();
        const int sent = int(b.frames().size());
        b.clock.advance(IdleTime);
        const QStringList commands = b.commands(sent);
        const LoggingState& g = b.features.recording.logging;
        const bool quiet =
            b.session.TimCounts().active() ||
            (g.reconnect && g.interrupted
                 ? commands.count(QStringLiteral("00 00")) <= IdleTime / ReconnectEvery + 1
                 : b.session.linkState.Sendepuffer.isEmpty() && commands.isEmpty());
        QVERIFY2(quiet, qPrintable(commands.join(' ')));
    }
};

QTEST_GUILESS_MAIN(TstFaultMatrix)
#include "tst_fault_matrix.moc"
