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

    void support_point_table_always_carries_thirty_entries() {
        const QVector<request::SupportPoint> points = {{1000, 0.0f}, {0x12345, 1.0f}};
        const QByteArray r = request::supportPointTable(2, points);
        QCOMPARE(r.size(), 183);
        QCOMPARE(r.left(2), hex("04 02"));
        QCOMPARE(r.mid(2, 6), hex("03 E8 00 00 00 00"));
        QCOMPARE(r.mid(8, 6), hex("23 45 00 00 80 3F"));  // only the low 16 bits of the counts
        QCOMPARE(r.mid(14, 6 * 28), QByteArray(6 * 28, '\0'));
        QCOMPARE(Pruefsumme(r), quint8(0));
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
