#include <QtTest>
#include <cmath>
#include <cstring>

#include "link/byte_order.h"
#include "link/umrechnungen.h"
#include "support/bench.h"

using namespace umrechnungen;

namespace {

quint32 bits(float f) {
    quint32 b;
    std::memcpy(&b, &f, sizeof b);
    return b;
}

}  // namespace

class TstUmrechnungen : public QObject {
    Q_OBJECT

private slots:
    void float32_is_sent_least_significant_byte_first_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("1.0") << 1.0f << hex("00 00 80 3F");
        QTest::newRow("1000") << 1000.0f << hex("00 00 7A 44");
        QTest::newRow("-2.5") << -2.5f << hex("00 00 20 C0");
        QTest::newRow("0") << 0.0f << hex("00 00 00 00");
    }
    void float32_is_sent_least_significant_byte_first() {
        QFETCH(float, value);
        QFETCH(QByteArray, bytes);
        QCOMPARE(byteOrder::float32(value), bytes);
        QCOMPARE(byteOrder::readFloat32(bytes, 0), value);
    }

    void word16_is_sent_most_significant_byte_first_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("62000") << 62000 << hex("F2 30");
        QTest::newRow("1000") << 1000 << hex("03 E8");
        QTest::newRow("32768") << 32768 << hex("80 00");
        QTest::newRow("65535") << 65535 << hex("FF FF");
        QTest::newRow("0") << 0 << hex("00 00");
    }
    void word16_is_sent_most_significant_byte_first() {
        QFETCH(int, value);
        QFETCH(QByteArray, bytes);
        QCOMPARE(byteOrder::word16(quint16(value)), bytes);
        QCOMPARE(int(byteOrder::readWord16(bytes, 0)), value);
        QCOMPARE(qint64(byteOrder::readWord16Signed(bytes, 0)), Wort16NachInteger(value));
    }

    void dword32_is_sent_least_significant_byte_first() {
        QCOMPARE(byteOrder::dword32(0x12345678u), hex("78 56 34 12"));
        QCOMPARE(byteOrder::readDword32(hex("78 56 34 12"), 0), 0x12345678u);
        QCOMPARE(byteOrder::readDword32(hex("FF FF FF FF"), 0), 0xFFFFFFFFu);
    }

    void scratch_layout_of_the_six_procedures() {
        QByteArray a(4, '\0');
        SingleNachBytes(1.0f, a, 0);
        QCOMPARE(a, hex("3F 80 00 00"));
        QCOMPARE(BytesNachSingle(hex("00 00 80 3F"), 0), 1.0f);
        LongNachBytes(-2, a, 0);
        QCOMPARE(a, hex("FE FF FF FF"));
        QCOMPARE(BytesNachLong(hex("FE FF FF FF"), 0), -2);
        IntegerNachBytes(-32768, a, 1);
        QCOMPARE(a, hex("FE 00 80 FF"));
        QCOMPARE(BytesNachInteger(hex("00 80"), 0), qint16(-32768));
    }

    void allowed_start_indices_other_than_zero() {
        const QByteArray a = hex("AA 00 00 80 3F BB");
        QCOMPARE(BytesNachSingle(a, 1), 1.0f);
        QCOMPARE(BytesNachInteger(a, 4), qint16(quint16(0xBB3F)));
    }

    void bytes_to_single_outside_gives_nan_7fffffff_data() {
        QTest::addColumn<int>("byteCount");
        QTest::addColumn<int>("start");
        QTest::newRow("zu kurz") << 3 << 0;
        QTest::newRow("ende ragt hinaus") << 6 << 3;
        QTest::newRow("negativer start") << 8 << -1;
        QTest::newRow("16-bit-ueberlauf") << 40000 << 32765;
    }
    void bytes_to_single_outside_gives_nan_7fffffff() {
        QFETCH(int, byteCount);
        QFETCH(int, start);
        const float f = BytesNachSingle(QByteArray(byteCount, '\0'), start);
        QVERIFY(std::isnan(f));
        QCOMPARE(bits(f), 0x7FFFFFFFu);
    }

    void other_procedures_report_index_outside() {
        QByteArray a(4, '\0');
        QVERIFY_THROWS_EXCEPTION(IndexError, LongNachBytes(1, a, 1));
        QVERIFY_THROWS_EXCEPTION(IndexError, BytesNachLong(a, -1));
        QVERIFY_THROWS_EXCEPTION(IndexError, IntegerNachBytes(1, a, 3));
        QVERIFY_THROWS_EXCEPTION(IndexError, BytesNachInteger(QByteArray(1, '\0'), 0));
        QVERIFY_THROWS_EXCEPTION(IndexError, SingleNachBytes(1.0f, a, 2));
        QVERIFY_THROWS_EXCEPTION(IndexError, byteOrder::readWord16(a, 3));
        QVERIFY_THROWS_EXCEPTION(IndexError, byteOrder::readText(a, 2, 3));
    }

    void range_conversions_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<qint64>("argument");
        QTest::addColumn<double>("result");
        QTest::newRow("Wort16 32767") << 0 << qint64(32767) << 32767.0;
        QTest::newRow("Wort16 32768") << 0 << qint64(32768) << -32768.0;
        QTest::newRow("Wort16 65535") << 0 << qint64(65535) << -1.0;
        QTest::newRow("Wort16 70000 passes through") << 0 << qint64(70000) << 4464.0;
        QTest::newRow("Integer -1") << 1 << qint64(-1) << 65535.0;
        QTest::newRow("Integer 5") << 1 << qint64(5) << 5.0;
        QTest::newRow("Wort32 4294967295") << 2 << qint64(4294967295LL) << -1.0;
        QTest::newRow("Wort32 2147483647") << 2 << qint64(2147483647LL) << 2147483647.0;
        QTest::newRow("Long -1") << 3 << qint64(-1) << 4294967295.0;
        QTest::newRow("Long 7") << 3 << qint64(7) << 7.0;
    }
    void range_conversions() {
        QFETCH(int, kind);
        QFETCH(qint64, argument);
        QFETCH(double, result);
        const double actual = kind == 0   ? double(Wort16NachInteger(argument))
                              : kind == 1 ? double(IntegerNachWort16(argument))
                              : kind == 2 ? double(Wort32NachLong(argument))
                                          : LongNachWort32(argument);
        QCOMPARE(actual, result);
    }

    void erased_bytes_are_negative_nan() {
        const float f = byteOrder::readFloat32(hex("FF FF FF FF"), 0);
        QVERIFY(std::isnan(f));
        QVERIFY(std::signbit(f));
    }

    void every_encoding_survives_the_round_trip() {
        const float floats[] = {0.0f, -0.0f, 1e-30f, 3.14159f, -123456.78f, 3.4e38f};
        for (float f : floats)
            QCOMPARE(bits(byteOrder::readFloat32(byteOrder::float32(f), 0)), bits(f));
        for (quint32 w = 0; w <= 65535; w += 257) {
            QCOMPARE(byteOrder::readWord16(byteOrder::word16(quint16(w)), 0), quint16(w));
            QCOMPARE(IntegerNachWort16(Wort16NachInteger(w)), qint64(w));
        }
        const quint32 dwords[] = {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu};
        for (quint32 d : dwords) {
            QCOMPARE(byteOrder::readDword32(byteOrder::dword32(d), 0), d);
            QCOMPARE(LongNachWort32(Wort32NachLong(d)), double(d));
        }
        QByteArray a(4, '\0');
        IntegerNachBytes(-12345, a, 0);
        QCOMPARE(BytesNachInteger(a, 0), qint16(-12345));
        LongNachBytes(-123456789, a, 0);
        QCOMPARE(BytesNachLong(a, 0), -123456789);
    }
};

QTEST_GUILESS_MAIN(TstUmrechnungen)
#include "tst_umrechnungen.moc"
