#include <QtTest>

#include "device/eeprom_map.h"
#include "link/byte_order.h"
#include "session/status_texts.h"
#include "support/bench.h"
#include "support/file_helpers.h"

using Button = DeviceData::Button;

Q_DECLARE_METATYPE(Button)

// Given a configuration loaded from a file or the factory settings, the
// device data window shows it beside the meter's, and its buttons write,
// save, read again, edit further or discard it.
class TstDeviceData : public QObject {
    Q_OBJECT

private slots:
    void the_factory_settings_are_written_to_the_meter() {
        Bench b;
        b.start();
        b.features.deviceData.factorySettings();
        QVERIFY(b.features.deviceData.shown());
        QCOMPARE(b.shown("lblNDMew"), QStringLiteral("100"));
        QCOMPARE(b.shown("lblKonfMEWAkt"), QStringLiteral("150"));  // the meter's, beside it
        QCOMPARE(b.shown("frmND"), QStringLiteral("Neue Gerätedaten von Datei   "));
        b.features.deviceData.deviceDataButton(Button::Write);
        QVERIFY(!b.features.deviceData.shown());
        QCOMPARE(b.shown("SB1_1"), startTexts::writeDone(Language::German));
        const QByteArray e = b.sim.meter.eeprom();
        QCOMPARE(e.left(4).toHex(' '), QByteArray("0a 21 84 00"));
        QCOMPARE(byteOrder::readFloat32(e, address::MEW), 100.0f);
        QCOMPARE(quint8(e[address::Filterfaktor]) << 8 | quint8(e[address::Filterfaktor + 1]),
                 62339);
    }

    void a_loaded_file_is_shown_beside_the_meter() {
        QTemporaryDir folder;
        Bench b;
        b.start();
        ConfigFile c = b.features.deviceData.currentConfig();
        c.MEW = 120, c.Ausgangsart = 0x41, c.SchaltMax = 90;
        const QString path = folder.filePath(QStringLiteral("a.use"));
        QString error;
        QVERIFY(configFile::write(path, c, error));
        b.dialogs.fileNames << path;
        b.features.deviceData.loadConfigAs();
        QCOMPARE(b.shown("lblKonfMEWNeu"), QStringLiteral("120"));
        QCOMPARE(b.shown("lblKonfMEWAkt"), QStringLiteral("150"));
        QCOMPARE(b.shown("lblNDSchaltMax"), QStringLiteral("90"));
        QVERIFY(b.session.display.visible(QStringLiteral("raNDSchalt")));
        QVERIFY(!b.session.display.visible(QStringLiteral("raNDImpuls")));
        QVERIFY(b.session.display.enabled(QStringLiteral("mnusicher_0")));
    }

    void a_file_that_cannot_be_read_or_written_is_reported_and_not_applied_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("named");
        QTest::newRow("cut short") << QByteArray(" 10 \r\n 33 \r\n") << "   [Fehlernummer ";
        QTest::newRow("full scale nan")
            << QByteArray(configFile::text(configFile::factory(1.0))).replace(" 100\r\n", "nan\r\n")
            << "b.use, Zeile 5: MEW = nan";
    }
    void a_file_that_cannot_be_read_or_written_is_reported_and_not_applied() {
        QFETCH(QByteArray, file);
        QFETCH(QString, named);
        QTemporaryDir folder;
        Bench b;
        b.start();
        const QString path = folder.filePath(QStringLiteral("b.use"));
        writeFile(path, file);
        b.dialogs.fileNames << path;
        b.features.deviceData.loadConfigAs();
        QCOMPARE(b.dialogs.shownMessages.size(), 1);
        QVERIFY(b.dialogs.shownMessages[0].text.contains(named));
        QVERIFY(!b.features.deviceData.shown());
        QVERIFY(!b.editsPending());
        QCOMPARE(b.session.meter.MEW, 150.0f);
    }

    // Every button closes the window first.
    void the_buttons_close_the_window_and_act_data() {
        QTest::addColumn<Button>("button");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("pending");
        QTest::addColumn<bool>("reads");
        QTest::newRow("analog page") << Button::Analog << 1 << true << false;
        QTest::newRow("digital page") << Button::Digital << 2 << true << false;
        QTest::newRow("read again") << Button::Read << 0 << false << true;
        QTest::newRow("cancel") << Button::Cancel << 0 << false << false;
    }
    void the_buttons_close_the_window_and_act() {
        QFETCH(Button, button);
        Bench b;
        b.start();
        b.features.analog.tickAnalog(5, true);
        b.features.analog.chooseOverflow(0);
        b.features.digital.chooseDigital(DigitalEdit::NoOutput);
        b.features.deviceData.showDeviceData();
        const int sent = b.frames().size();
        b.features.deviceData.deviceDataButton(button);
        QVERIFY(!b.features.deviceData.shown());
        QVERIFY(!b.session.display.visible(QStringLiteral("frmND")));
        QTEST(b.session.display.selection(QStringLiteral("regkor2")), "page");
        QTEST(b.editsPending(), "pending");
        QTEST(b.commands(sent).contains(QStringLiteral("0B 00")), "reads");
        if (button == Button::Cancel) QCOMPARE(b.session.meter.Ueberlauf, 0);
    }
};

QTEST_MAIN(TstDeviceData)
#include "tst_device_data.moc"
