#include <QtTest>

#include "device/device_errors.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "support/bench.h"

class TstRequests : public QObject {
    Q_OBJECT

private slots:
    void every_request_has_its_frame_data() {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("reset after support points")
            << request::resetAfterSupportPoints() << hex("02 01 03");
        QTest::newRow("counts, flow") << request::counts(false) << hex("03 02 01");
        QTest::newRow("byte parameter 0 = 0A") << request::writeByte(0, 0x0A) << hex("08 00 0A 02");
        QTest::newRow("word parameter 2 = 62000")
            << request::writeWord(2, 62000) << hex("09 02 F2 30 C9");
        QTest::newRow("word parameter 13 = 1000")
            << request::writeWord(13, 1000) << hex("09 0D 03 E8 EF");
        QTest::newRow("float parameter 2 = 1000")
            << request::writeFloat(2, 1000.0f) << hex("0A 02 00 00 7A 44 36");
        QTest::newRow("dword parameter 0 = 6144")
            << request::writeDword(0, 6144) << hex("0A 00 00 18 00 00 12");
    }
    void every_request_has_its_frame() {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, expected);
        QCOMPARE(frame.toHex(' '), expected.toHex(' '));
        QCOMPARE(frame.size(), protocol::frameLength(quint8(frame[0])));
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
        QTEST(AntwortText(QStringLiteral("SAVE EEPROM"), reply), "text");
    }
};

QTEST_GUILESS_MAIN(TstRequests)
#include "tst_requests.moc"
