#include <QtEndian>
#include <QtTest>
#include <cmath>
#include <cstring>

#include "link/byte_order.h"
#include "link/umrechnungen.h"
#include "support/bench.h"
#include "support/property.h"

using namespace umrechnungen;

class TstUmrechnungen : public QObject {
    Q_OBJECT

    static quint32 bits(float f) { return qFromUnaligned<quint32>(&f); }

private slots:
    // A 16-bit word goes high byte first and reads as an Integer that is
    // negative above 32767; a float goes as its bit pattern, the double word
    // of the same bytes, least significant byte first, and a double word reads
    // as a Long that is negative above 2147483647. Each comes back unchanged.
    void encodings_put_their_bytes_in_order_and_round_trip() {
        QCHECK_PROPERTY("word16, float32 and dword32 bytes", [](quint16 w, quint32 d) {
            const qint64 integer = w > 32767 ? qint64(w) - 65536 : w;
            RC_ASSERT(byteOrder::word16(w) == QByteArray(1, char(w >> 8)) + char(w));
            RC_ASSERT(byteOrder::readWord16(byteOrder::word16(w), 0) == w);
            RC_ASSERT(qint64(byteOrder::readWord16Signed(byteOrder::word16(w), 0)) == integer);
            RC_ASSERT(Wort16NachInteger(w) == integer && IntegerNachWort16(integer) == qint64(w));
            QByteArray bytes;
            for (int shift = 0; shift < 32; shift += 8)
                bytes += char(d >> shift);
            float f;
            std::memcpy(&f, &d, sizeof f);
            RC_ASSERT(byteOrder::dword32(d) == bytes && byteOrder::float32(f) == bytes);
            RC_ASSERT(byteOrder::readDword32(bytes, 0) == d &&
                      bits(byteOrder::readFloat32(bytes, 0)) == d);
            const qint64 long_ = d > 2147483647u ? qint64(d) - 4294967296LL : qint64(d);
            RC_ASSERT(Wort32NachLong(d) == long_ && LongNachWort32(long_) == double(d));
        });
        QCOMPARE(byteOrder::float32(3.14159f), hex("D0 0F 49 40"));  // as the meter stores it
    }

    // A position outside the array is reported by all but BytesNachSingle.
    void a_position_outside_the_array_is_reported() {
        QByteArray a(4, '\0');
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
        const float f = BytesNachSingle(bytes, start);
        QVERIFY(std::isnan(f));
        QTEST(bits(f), "nan");
    }
};

QTEST_GUILESS_MAIN(TstUmrechnungen)
#include "tst_umrechnungen.moc"
