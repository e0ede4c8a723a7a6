#include <QtTest>
#include <cmath>

#include "config/damping.h"
#include "config/einheitentabelle.h"
#include "device/analog_output.h"
#include "device/numbers.h"

#include "device/eeprom_map.h"
#include "files/config_file.h"
#include "link/byte_order.h"
#include "link/requests.h"
#include "session/link_messages.h"
#include "session/status_texts.h"
#include "support/bench.h"
#include "support/progress_log.h"
#include "support/property.h"

namespace {

// A started meter in kg/min with a new creep flow ticked for writing.
struct WriteBench {
    WriteBench() {
        b.session.settings.unit = {"kg/min", 60.0, "(-)", "Luft"};
        b.start();
        b.editAnalog([](AnalogEdit& e) {
            e.chkKonfAnalog[2] = true;
            e.SchleichmengeNeu = 0.01f;
        });  // 0.6 kg/h on the wire
    }
    Bench b;
};

constexpr double MeterMOG = 200;  // kg/h, the simulated meter's range limit

double share() {
    return *rc::gen::inRange(0, 10001) / 10000.0;
}

// A configuration the meter can take, flows in a unit of `f` kg/h per unit,
// for a meter whose byte 3 and range limit are those of `m`.
rc::Gen<ConfigFile> validConfig(double f, const MeterParameters& m) {
    return rc::gen::exec([f, m] {
        using namespace analogOutput;
        ConfigFile c;
        const int entry = *rc::gen::inRange(0, 4);
        const bool current = isCurrent(rangeOfEntry(entry));
        const QStringList levels = errorChoices(rangeOfEntry(entry));
        const int level =
            *rc::gen::suchThat(rc::gen::inRange(0, 4), [&](int i) { return !levels[i].isEmpty(); });
        c.Analogbereich = (1 << int(rangeOfEntry(entry))) | (0x10 << level);
        c.Konfigbyte3 = m.Konfigbyte3;
        c.Ueberlauf = *rc::gen::inRange(0, 2);
        const double mog = MeterMOG / f, top = c.Ueberlauf ? 0.9 * mog : mog;
        c.MEW = float(1 + (top - 1) * share());
        c.Schleichmenge = float(c.MEW * share() / 2);
        c.Daempfungszeit = *rc::gen::inRange(3, 5001);
        const int kind = *rc::gen::inRange(0, 5);
        const int kindBits[] = {8, 8, 20, 64, 0};
        c.Ausgangsart = (current ? 1 : 2) | kindBits[kind];
        const char* const words[] = {"Plus", "Minus"};
        c.Polaritaet = c.SchaltPolaritaet = words[*rc::gen::inRange(0, 2)];
        c.Frequenzbereich = kind == 0 ? *rc::gen::inRange(1, 3) : kind == 1 ? 0 : 2;
        if (kind == 1) {
            const int highest = c.Ueberlauf ? 2272 : 2500;
            c.FrequenzMin = *rc::gen::inRange(1, highest);
            c.FrequenzMax = *rc::gen::inRange(c.FrequenzMin + 1, highest + 1);
        }
        if (kind == 2) {
            c.Impulsdauer = *rc::gen::inRange(1, 257);
            // Slow enough for the pulses to follow, large enough for a divisor,
            // or the meter's own amount per pulse under a new full scale.
            const double least =
                std::max(double(impulsbasis16(c.MEW)), c.MEW * (c.Impulsdauer / 1000.0) / 3600) *
                1.01;
            c.Impulswert = *rc::gen::arbitrary<bool>() && m.Impulswert > least
                               ? m.Impulswert
                               : float(least * std::pow(10.0, 3 * share()));
        }
        if (kind == 3) {
            c.SchaltMax = float(1.1 * mog * share());
            c.SchaltMin = float(c.SchaltMax * share());
        }
        return c;
    });
}

bool near(double asked, double held, double tolerance) {
    return std::fabs(asked - held) <= tolerance + 1e-5 * std::fabs(asked);
}

// What the meter read back holds, as a file, against what was asked: flows
// within single precision, the amount per pulse within half a divisor step,
// the damping by the coefficient it gives.
void assertSame(const ConfigFile& asked, const ConfigFile& held, const MeterParameters& m) {
    RC_ASSERT(held.Ausgangsart == asked.Ausgangsart);
    RC_ASSERT(held.Analogbereich == asked.Analogbereich);
    RC_ASSERT(held.Konfigbyte3 == asked.Konfigbyte3);
    RC_ASSERT(held.Ueberlauf == asked.Ueberlauf);
    RC_ASSERT(near(asked.MEW, held.MEW, 1e-6));
    RC_ASSERT(near(asked.Schleichmenge, held.Schleichmenge, 1e-4));
    RC_ASSERT(filterFactorFor(held.Daempfungszeit) == filterFactorFor(asked.Daempfungszeit));
    if (asked.Ausgangsart & 0x08) {
        RC_ASSERT(held.Frequenzbereich == asked.Frequenzbereich);
        if (asked.Frequenzbereich == 0)
            RC_ASSERT(held.FrequenzMin == asked.FrequenzMin &&
                      held.FrequenzMax == asked.FrequenzMax);
    }
    if (asked.Ausgangsart & 0x04) {
        RC_ASSERT(near(asked.Impulswert, held.Impulswert, m.Impulsbasis / 2 + 1e-7));
        RC_ASSERT(held.Impulsdauer == asked.Impulsdauer);
    }
    if (asked.Ausgangsart & 0x44) RC_ASSERT(held.Polaritaet == asked.Polaritaet);
    if (asked.Ausgangsart & 0x40)
        RC_ASSERT(near(asked.SchaltMin, held.SchaltMin, 1e-6) &&
                  near(asked.SchaltMax, held.SchaltMax, 1e-6));
}

// A line of a valid file, the output kind that makes the line count, and
// values it cannot hold there.
struct Corruption {
    int line;
    std::function<void(ConfigFile&)> prepare;
    QList<QByteArray> tokens;
};

QList<Corruption> corruptions() {
    const auto keep = [](ConfigFile&) {};
    const auto variable = [](ConfigFile& c) { c.Ausgangsart = 9, c.Frequenzbereich = 0; };
    const auto pulse = [](ConfigFile& c) { c.Ausgangsart = 21, c.Impulswert = 0.1f; };
    const auto toSwitch = [](ConfigFile& c) { c.Ausgangsart = 65; };
    const QList<QByteArray> never{"nan", "inf", "-inf", "1e39"};
    return {{1, keep, never + QList<QByteArray>{"-1", "256", "70000"}},
            {2, keep, never + QList<QByteArray>{"0", "3", "48", "256"}},
            {4, keep, never + QList<QByteArray>{"-1", "256"}},
            {5, keep, never + QList<QByteArray>{"0", "-5", "201", "1e6"}},
            {6, keep, never + QList<QByteArray>{"-1", "150", "1e6"}},
            {7, keep, never + QList<QByteArray>{"-5", "0", "2", "5001", "70000"}},
            {8, variable, never + QList<QByteArray>{"-1", "3", "5"}},
            {9, variable, never + QList<QByteArray>{"0", "-5", "2500", "3000"}},
            {10, variable, never + QList<QByteArray>{"0", "100", "2501", "70000"}},
            {11, pulse, never + QList<QByteArray>{"0", "-1", "1e-9", "1e-5"}},
            {12, pulse, never + QList<QByteArray>{"-1", "257", "1000"}},
            {13, keep, {"nan", "", "Plusminus", "plus"}},
            {14, toSwitch, never + QList<QByteArray>{"1e6"}},
            {15, toSwitch, never + QList<QByteArray>{"-1", "221", "1e6"}},
            {16, toSwitch, {"x", "", "Minuss"}},
            {17, keep, never + QList<QByteArray>{"-1", "2", "70000"}}};
}

}  // namespace

// Given an edited configuration, when it is written, then the meter stores
// it, restarts, is read again, and the tool says so only when it holds it.
class TstConfigurationWrite : public QObject {
    Q_OBJECT

private slots:
    void a_write_is_stored_restarted_and_read_back() {
        WriteBench w;
        const int sent = w.b.frames().size();
        const ProgressLog progress(w.b.session);
        QCOMPARE(w.b.features.write.KonfigurationSchreiben(), WriteResult::Written);
        // A second before writing, one each for the request, the store and the restart, the read.
        QCOMPARE(progress.fault(6), QString());
        QVERIFY(!w.b.session.display.visible(QStringLiteral("SB1_2")));
        const QStringList commands = w.b.commands(sent);
        QCOMPARE(commands.mid(0, 5), (QStringList{"0A 05", "05 05", "02 01", "03 02", "00 00"}));
        const float kgh = float(double(0.01f) * 60.0);  // the flow in kg/h, as the meter works
        QCOMPARE(w.b.frames()[sent], request::writeFloat(5, kgh));
        QCOMPARE(byteOrder::readFloat32(w.b.sim.meter.eeprom(), address::Schleichmenge), kgh);
        QCOMPARE(w.b.shown("lblSCHLEICH"), QStringLiteral("0.0100"));
        QCOMPARE(w.b.shown("SB1_1"), startTexts::writeDone(Language::German));
        QVERIFY(!w.b.editsPending());
        QVERIFY(w.b.session.TimCounts().active());
        QVERIFY(w.b.dialogs.shownMessages.isEmpty());
    }

    // Ticking the output type without choosing in its lists keeps what they show.
    void ticked_lists_write_what_they_show() {
        Bench b;
        b.start();
        b.features.analog.tickAnalog(0, true);
        const int sent = b.frames().size();
        QCOMPARE(b.features.write.KonfigurationSchreiben(), WriteResult::Written);
        QCOMPARE(b.frames().mid(sent, 3),
                 (QVector<QByteArray>{request::writeByte(0, 0x15), request::writeByte(1, 0x18),
                                      request::writeByte(1, 0x18)}));
    }

    // Any configuration the meter can take, in any unit, saved, loaded and
    // written, as always or fast, reads back as the same file; one that changes the full scale
    // under a pulse output keeps the amount per pulse it names.
    void any_valid_configuration_reads_back_as_written() {
        const QVector<Unit> units = readUnits(QStringLiteral(ORBIS_DATA "/UNIT.CON")).entries;
        QCHECK_PROPERTY("a written configuration reads back", [&units] {
            const Unit unit = *rc::gen::suchThat(
                rc::gen::elementOf(choices(units)),
                [](const Unit& u) { return MeterMOG / u.Umrechnungsfaktor * 0.9 >= 1.5; });
            Bench b;
            b.session.settings.unit = unit;
            b.start();
            b.session.linkState.fast = *rc::gen::arbitrary<bool>();
            if (b.session.linkState.fast) b.sim.line.whileBusy = WhileBusy::Drop;
            const ProgressLog progress(b.session);
            ConfigFile asked = *validConfig(unit.Umrechnungsfaktor, b.session.meter);
            const auto saved = configFile::parse(QString::fromLatin1(configFile::text(asked)));
            asked.Schleichmenge = float(roundHalfEven(asked.Schleichmenge, 4));  // as saved
            RC_ASSERT(saved.ok() && saved.values == asked);
            RC_ASSERT(!b.features.deviceData.loadConfig(saved.values).refused);
            RC_ASSERT(b.features.write.KonfigurationSchreiben() == WriteResult::Written);
            RC_ASSERT(b.dialogs.shownMessages.isEmpty());
            RC_ASSERT(progress.fault().isEmpty());
            assertSame(asked, b.features.deviceData.currentConfig(), b.session.meter);
        });
    }

    // Every value made invalid, and the file cut after any line, is refused
    // with nothing sent and the meter as it was.
    void every_invalid_value_is_refused_before_anything_is_sent() {
        for (const Corruption& bad : corruptions()) {
            ConfigFile c = configFile::factory(1.0);
            c.MEW = 150;
            bad.prepare(c);
            const QList<QByteArray> lines = configFile::text(c).split('\n');
            QList<QByteArray> files;
            for (const QByteArray& token : bad.tokens) {
                QList<QByteArray> changed = lines;
                changed[bad.line - 1] = token + "\r";
                files << changed.join('\n');
            }
            files << lines.mid(0, bad.line - 1).join('\n');
            for (const QByteArray& text : files) {
                Bench b;
                b.start();
                const QByteArray before = b.sim.meter.eeprom();
                const int sent = b.frames().size();
                const auto file = configFile::parse(QString::fromLatin1(text));
                // A refused value is named by its line; the ends of a pair (the band,
                // the switch thresholds) may name each other.
                const Refusal r =
                    file.ok() ? b.features.deviceData.loadConfig(file.values) : Refusal{};
                const int line = configFileLine(r.value);
                QVERIFY2(!file.ok() || (r.refused && (qAbs(line - bad.line) <= 1 || line == 0)),
                         text.data());
                QCOMPARE(b.frames().size(), sent);
                QCOMPARE(b.sim.meter.eeprom(), before);
            }
        }
    }

    void a_refused_write_sends_nothing_and_polling_goes_on() {
        WriteBench w;
        w.b.editAnalog([](AnalogEdit& e) {
            e.chkKonfAnalog[1] = true;
            e.MEWNeu = 1000;
        });  // above MOG
        const int sent = w.b.frames().size();
        QCOMPARE(w.b.features.write.KonfigurationSchreiben(), WriteResult::Refused);
        QCOMPARE(w.b.frames().size(), sent);
        QCOMPARE(w.b.dialogs.texts(), QStringList{"Text 21"});
        QVERIFY(w.b.session.TimCounts().active());
        QVERIFY(w.b.shown("SB1_1") != startTexts::writing(Language::German));
    }

    // A meter that comes back without the new value is named, never reported as written.
    void a_meter_that_lost_the_value_is_reported() {
        WriteBench w;
        // After the store, while the meter restarts.
        w.b.clock.schedule(w.b.clock.now() + 3.5,
                           [&] { w.b.sim.meter = Meter(images::standard()); });
        QCOMPARE(w.b.features.write.KonfigurationSchreiben(), WriteResult::Differs);
        QVERIFY(w.b.shown("SB1_1").endsWith(
            "Schleichmenge: verlangt 0.01, das Messgerät hält 0.008333334"));
        QCOMPARE(w.b.dialogs.shownMessages.size(), 1);
    }

    // A meter whose image cannot be read again is never taken to hold what was
    // asked, even when it held it before.
    void a_meter_that_cannot_be_read_back_is_not_reported_written() {
        Bench b;
        b.start();
        b.editAnalog([](AnalogEdit& e) {
            e.chkKonfAnalog[2] = true;
            e.SchleichmengeNeu = 0.5f;
        });  // what the meter holds already
        b.clock.schedule(b.clock.now() + 3.5, [&] {
            b.sim.line.fault.truncated = 100000;
            b.sim.line.fault.truncateTo = 1;
        });
        QVERIFY(b.features.write.KonfigurationSchreiben() != WriteResult::Written);
        QVERIFY(b.shown("SB1_1") != startTexts::writeDone(Language::German));
    }

    void closing_the_window_during_the_wait_ends_the_write() {
        WriteBench w;
        w.b.sim.line.restartTime = 30.0;
        const double closed = w.b.clock.now() + 10.0;
        w.b.clock.schedule(closed, [&] { w.b.session.endProgram(); });
        QVERIFY(w.b.features.write.KonfigurationSchreiben() != WriteResult::Written);
        QVERIFY(w.b.clock.now() < closed + 0.1);  // no wait runs on
        QVERIFY(w.b.dialogs.ended);
        QVERIFY(!w.b.session.busy());
    }
};

QTEST_GUILESS_MAIN(TstConfigurationWrite)
#include "tst_configuration_write.moc"
