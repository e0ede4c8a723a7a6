#include <QtTest>

#include "device/device_errors.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "support/bench.h"

class TstRequests : public QObject {
    Q_OBJECT

private slots:
    void checksum_is_the_xor_of_all_bytes() {
        QCOMPARE(Pruefsumme(QByteArray()), quint8(0));
        QCOMPARE(Pruefsumme(hex("0B 00")), quint8(0x0B));
        QCOMPARE(Pruefsumme(hex("08 00 0A")), quint8(0x02));
        QCOMPARE(Pruefsumme(hex("FF 0F F0")), quint8(0x00));
    }

    void every_request_has_its_frame_data() {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("connection check") << request::connectionTest() << hex("00 00");
        QTest::newRow("cold-start reset") << request::coldStartReset() << hex("02 00 02");
        QTest::newRow("reset after support points")
            << request::resetAfterSupportPoints() << hex("02 01 03");
        QTest::newRow("counts, flow") << request::counts(false) << hex("03 02 01");
        QTest::newRow("counts, raw") << request::counts(true) << hex("03 01 02");
        QTest::newRow("store") << request::store() << hex("05 05");
        QTest::newRow("byte parameter 0 = 0A") << request::writeByte(0, 0x0A) << hex("08 00 0A 02");
        QTest::newRow("word parameter 2 = 62000")
            << request::writeWord(2, 62000) << hex("09 02 F2 30 C9");
        QTest::newRow("word parameter 13 = 1000")
            << request::writeWord(13, 1000) << hex("09 0D 03 E8 EF");
        QTest::newRow("float parameter 2 = 1000")
            << request::writeFloat(2, 1000.0f) << hex("0A 02 00 00 7A 44 36");
        QTest::newRow("dword parameter 0 = 6144")
            << request::writeDword(0, 6144) << hex("0A 00 00 18 00 00 12");
        QTest::newRow("EEPROM read") << request::eepromImage() << hex("0B 00 0B");
        QTest::newRow("calibration configuration") << request::readConfig() << hex("0D 04 09");
        QTest::newRow("restore configuration")
            << request::writeConfig(hex("15 18 85 00")) << hex("0E 15 18 85 00 86");
        QTest::newRow("overflow byte at 468")
            << request::eepromByte(1, 468) << hex("0F 01 01 D4 DB");
        QTest::newRow("error query") << request::errorStatus() << hex("12 12");
    }
    void every_request_has_its_frame() {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, expected);
        QCOMPARE(frame.toHex(' '), expected.toHex(' '));
        QCOMPARE(frame.size(), protocol::frameLength(quint8(frame[0])));
    }

    void meter_errors_have_their_texts_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("4") << 4 << "AD-Wandler Fehler";
        QTest::newRow("5") << 5 << "EEPROM Checkbyte Fehler";
        QTest::newRow("6") << 6 << "EEPROM Timeout Fehler";
        QTest::newRow("16") << 16 << "EEPROM gelöscht";
        QTest::newRow("17") << 17 << "Unterspannung erkannt";
        QTest::newRow("255") << 255 << "Undefinierter Fehler";
        QTest::newRow("0") << 0 << "";
        QTest::newRow("7") << 7 << "";
    }
    void meter_errors_have_their_texts() {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(meterErrorText(code), text);
    }

    void reply_text_describes_the_reply_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("text");
        QTest::newRow("DLE") << hex("10") << "SAVE EEPROM : DLE";
        QTest::newRow("NAK") << hex("15") << "SAVE EEPROM  : NAK";
        QTest::newRow("other byte") << hex("20") << "SAVE EEPROM : not known";
        QTest::newRow("two bytes") << hex("10 04") << "SAVE EEPROM :  16 4";
        QTest::newRow("nothing") << QByteArray() << "SAVE EEPROM : ";
    }
    void reply_text_describes_the_reply() {
        QFETCH(QByteArray, reply);
        QFETCH(QString, text);
        QCOMPARE(AntwortText(QStringLiteral("SAVE EEPROM"), reply), text);
    }
};

QTEST_GUILESS_MAIN(TstRequests)
#include "tst_requests.moc"
