#include <QtEndian>
#include <QtTest>
#include <cmath>

#include "link/byte_order.h"
#include "link/umrechnungen.h"
#include "support/bench.h"

using namespace umrechnungen;

class TstUmrechnungen : public QObject {
    Q_OBJECT

    static quint32 bits(float f) { return qFromUnaligned<quint32>(&f); }

private slots:
    // A float goes as its bit pattern, the same bytes as that double word.
    void four_bytes_are_sent_least_significant_byte_first_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("1.0") << 1.0f << hex("00 00 80 3F");
        QTest::newRow("-2.5") << -2.5f << hex("00 00 20 C0");
        QTest::newRow("0") << 0.0f << hex("00 00 00 00");
        QTest::newRow("3.14159, four different bytes") << 3.14159f << hex("D0 0F 49 40");
    }
    void four_bytes_are_sent_least_significant_byte_first() {
        QFETCH(float, value);
        QFETCH(QByteArray, bytes);
        QCOMPARE(byteOrder::float32(value), bytes);
        QCOMPARE(byteOrder::readFloat32(bytes, 0), value);
        QCOMPARE(byteOrder::dword32(bits(value)), bytes);
        QCOMPARE(byteOrder::readDword32(bytes, 0), bits(value));
    }

    // As an Integer, a word above 32767 is negative.
    void word16_is_sent_most_significant_byte_first_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("integer");
        QTest::newRow("62000") << 62000 << hex("F2 30") << -3536;
        QTest::newRow("1000") << 1000 << hex("03 E8") << 1000;
        QTest::newRow("32767") << 32767 << hex("7F FF") << 32767;
        QTest::newRow("32768") << 32768 << hex("80 00") << -32768;
        QTest::newRow("65535") << 65535 << hex("FF FF") << -1;
        QTest::newRow("0") << 0 << hex("00 00") << 0;
    }
    void word16_is_sent_most_significant_byte_first() {
        QFETCH(int, value);
        QFETCH(QByteArray, bytes);
        QFETCH(int, integer);
        QCOMPARE(byteOrder::word16(quint16(value)), bytes);
        QCOMPARE(int(byteOrder::readWord16(bytes, 0)), value);
        QCOMPARE(int(byteOrder::readWord16Signed(bytes, 0)), integer);
        QCOMPARE(Wort16NachInteger(value), qint64(integer));
        QCOMPARE(IntegerNachWort16(integer), qint64(value));
    }

    // Single is written most significant byte first but read least significant byte first;
    // Long and Integer go least significant byte first; each at any start inside the array.
    void scratch_layout_and_range_of_the_six_procedures() {
        QByteArray a(4, '\0');
        SingleNachBytes(1.0f, a, 0);
        QCOMPARE(a, hex("3F 80 00 00"));
        QCOMPARE(BytesNachSingle(hex("AA 00 00 80 3F BB"), 1), 1.0f);
        LongNachBytes(-123456789, a, 0);
        QCOMPARE(a, hex("EB 32 A4 F8"));
        QCOMPARE(BytesNachLong(a, 0), -123456789);
        IntegerNachBytes(-32768, a, 1);
        QCOMPARE(a, hex("EB 00 80 F8"));
        QCOMPARE(BytesNachInteger(a, 1), qint16(-32768));
        IntegerNachBytes(-12345, a, 2);
        QCOMPARE(a, hex("EB 00 C7 CF"));
        QCOMPARE(BytesNachInteger(a, 2), qint16(-12345));
        // Only BytesNachSingle answers a position outside the array; the others report it.
        QVERIFY_THROWS_EXCEPTION(IndexError, LongNachBytes(1, a, 1));
        QVERIFY_THROWS_EXCEPTION(IndexError, BytesNachLong(a, -1));
        QVERIFY_THROWS_EXCEPTION(IndexError, IntegerNachBytes(1, a, 3));
        QVERIFY_THROWS_EXCEPTION(IndexError, BytesNachInteger(QByteArray(1, '\0'), 0));
        QVERIFY_THROWS_EXCEPTION(IndexError, SingleNachBytes(1.0f, a, 2));
        QVERIFY_THROWS_EXCEPTION(IndexError, byteOrder::readWord16(a, 3));
        QVERIFY_THROWS_EXCEPTION(IndexError, byteOrder::readText(a, 2, 3));
    }

    // Outside the array BytesNachSingle gives the NaN 7FFFFFFF; erased bytes are a negative NaN.
    void bytes_to_single_gives_nan_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("start");
        QTest::addColumn<quint32>("nan");
        const quint32 outside = 0x7FFFFFFFu;
        QTest::newRow("too short") << QByteArray(3, '\0') << 0 << outside;
        QTest::newRow("end beyond the array") << QByteArray(6, '\0') << 3 << outside;
        QTest::newRow("negative start") << QByteArray(8, '\0') << -1 << outside;
        QTest::newRow("start beyond 16 bits") << QByteArray(40000, '\0') << 32765 << outside;
        QTest::newRow("erased") << hex("FF FF FF FF") << 0 << 0xFFFFFFFFu;
    }
    void bytes_to_single_gives_nan() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, start);
        QFETCH(quint32, nan);
        const float f = BytesNachSingle(bytes, start);
        QVERIFY(std::isnan(f));
        QCOMPARE(bits(f), nan);
    }

    // Encodings survive the round trip; a double word above 2147483647 is a negative Long.
    void encodings_round_trip_and_double_words_carry_as_long() {
        for (float f : {0.0f, -0.0f, 1e-30f, 3.14159f, -123456.78f, 3.4e38f})
            QCOMPARE(bits(byteOrder::readFloat32(byteOrder::float32(f), 0)), bits(f));
        for (quint32 w = 0; w <= 65535; w += 257) {
            QCOMPARE(byteOrder::readWord16(byteOrder::word16(quint16(w)), 0), quint16(w));
            QCOMPARE(IntegerNachWort16(Wort16NachInteger(w)), qint64(w));
        }
        QCOMPARE(Wort16NachInteger(70000), qint64(4464));  // larger words pass the same rule
        using P = std::pair<quint32, qint64>;
        for (const auto& [d, l] : {P{0, 0}, P{1, 1}, P{0x7FFFFFFF, 2147483647},
                                   P{0x80000000, -2147483648LL}, P{0xFFFFFFFF, -1}}) {
            QCOMPARE(byteOrder::readDword32(byteOrder::dword32(d), 0), d);
            QCOMPARE(Wort32NachLong(d), l);
            QCOMPARE(LongNachWort32(l), double(d));
        }
    }
};

QTEST_GUILESS_MAIN(TstUmrechnungen)
#include "tst_umrechnungen.moc"
