#include <QtTest>

#include "device/eeprom_map.h"
#include "files/config_file.h"
#include "link/byte_order.h"
#include "link/requests.h"
#include "session/link_messages.h"
#include "session/status_texts.h"
#include "support/bench.h"

namespace {

// A started meter in kg/min with a new creep flow ticked for writing.
struct WriteBench {
    WriteBench() {
        b.session.settings.unit = {"kg/min", 60.0, "(-)", "Luft"};
        b.start();
        b.session.edit.chkKonfAnalog[2] = true;
        b.session.edit.SchleichmengeNeu = 0.01f;  // 0.6 kg/h on the wire
    }
    Bench b;
};

}  // namespace

// Given an edited configuration, when it is written, then the meter stores
// it, restarts, is read again, and the tool says so only when it holds it.
class TstConfigurationWrite : public QObject {
    Q_OBJECT

private slots:
    void a_write_is_stored_restarted_and_read_back() {
        WriteBench w;
        const int sent = w.b.frames().size();
        QCOMPARE(w.b.session.KonfigurationSchreiben(), Session::WriteResult::Written);
        const QStringList commands = w.b.commands(sent);
        QCOMPARE(commands.mid(0, 5), (QStringList{"0A 05", "05 05", "02 01", "03 02", "00 00"}));
        const float kgh = float(double(0.01f) * 60.0);  // the flow in kg/h, as the meter works
        QCOMPARE(w.b.frames()[sent], request::writeFloat(5, kgh));
        QCOMPARE(byteOrder::readFloat32(w.b.sim.meter.eeprom(), address::Schleichmenge), kgh);
        QCOMPARE(w.b.shown("lblSCHLEICH"), QStringLiteral("0.0100"));
        QCOMPARE(w.b.shown("SB1_1"), startTexts::writeDone(Language::German));
        QVERIFY(!w.b.session.edit.pending());
        QVERIFY(w.b.session.TimCounts().active());
        QVERIFY(w.b.dialogs.shownMessages.isEmpty());
    }

    // Ticking the output type without choosing in its lists keeps what they show.
    void ticked_lists_write_what_they_show() {
        Bench b;
        b.start();
        b.session.tickAnalog(0, true);
        const int sent = b.frames().size();
        QCOMPARE(b.session.KonfigurationSchreiben(), Session::WriteResult::Written);
        QCOMPARE(b.frames().mid(sent, 3),
                 (QVector<QByteArray>{request::writeByte(0, 0x15), request::writeByte(1, 0x18),
                                      request::writeByte(1, 0x18)}));
    }

    // Writing back what was saved leaves the meter's image as it was; a changed
    // value arrives stored.
    void a_saved_configuration_is_written_back_data() {
        QTest::addColumn<float>("creep");
        QTest::newRow("unchanged") << 0.5f;
        QTest::newRow("new creep flow") << 0.75f;
    }
    void a_saved_configuration_is_written_back() {
        QFETCH(float, creep);
        Bench b;
        b.start();
        const QByteArray before = b.sim.meter.eeprom();
        ConfigFile c =
            configFile::parse(QString::fromLatin1(configFile::text(b.session.currentConfig())))
                .values;
        c.Schleichmenge = creep;
        b.session.loadConfig(c);
        QCOMPARE(b.session.KonfigurationSchreiben(), Session::WriteResult::Written);
        QByteArray expected = before;
        expected.replace(address::Schleichmenge, 4, byteOrder::float32(creep));
        QCOMPARE(b.sim.meter.eeprom(), expected);
    }

    void a_refused_write_sends_nothing_and_polling_goes_on() {
        WriteBench w;
        w.b.session.edit.chkKonfAnalog[1] = true;
        w.b.session.edit.MEWNeu = 1000;  // above MOG
        const int sent = w.b.frames().size();
        QCOMPARE(w.b.session.KonfigurationSchreiben(), Session::WriteResult::Refused);
        QCOMPARE(w.b.frames().size(), sent);
        QCOMPARE(w.b.dialogs.texts(), QStringList{"Text 21"});
        QVERIFY(w.b.session.TimCounts().active());
    }

    void a_meter_that_never_takes_a_write_is_given_up() {
        WriteBench w;
        w.b.sim.line.fault.script = QList<Fault>(30, Fault::Nak);
        QCOMPARE(w.b.session.KonfigurationSchreiben(), Session::WriteResult::Failed);
        QCOMPARE(w.b.dialogs.texts(), QStringList{linkTexts::notAccepted(Language::German, 10)});
        QVERIFY(!w.b.commands().contains("05 05"));  // nothing is stored
    }

    // A meter that comes back without the new value is named, never reported as written.
    void a_meter_that_lost_the_value_is_reported() {
        WriteBench w;
        w.b.clock.schedule(w.b.clock.now() + 6.0,
                           [&] { w.b.sim.meter = Meter(images::standard()); });
        QCOMPARE(w.b.session.KonfigurationSchreiben(), Session::WriteResult::Differs);
        QVERIFY(w.b.shown("SB1_1").endsWith("Schleichmenge: verlangt 0.01, das Messgerät hält 0.008333334"));
        QCOMPARE(w.b.dialogs.shownMessages.size(), 1);
    }

    void closing_the_window_during_the_wait_ends_the_write() {
        WriteBench w;
        w.b.sim.line.restartTime = 30.0;
        const double closed = w.b.clock.now() + 10.0;
        w.b.clock.schedule(closed, [&] { w.b.session.endProgram(); });
        QVERIFY(w.b.session.KonfigurationSchreiben() != Session::WriteResult::Written);
        QVERIFY(w.b.clock.now() < closed + 0.1);  // no wait runs on
        QVERIFY(w.b.dialogs.ended);
        QVERIFY(!w.b.session.busy());
    }
};

QTEST_GUILESS_MAIN(TstConfigurationWrite)
#include "tst_configuration_write.moc"
