#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <stdexcept>

// Conversions between numbers and the bytes the meter stores and receives.
// Each copies a bit pattern into or out of a byte array from start index s;
// callers arrange the byte order around them (Word16 high byte first,
// Float32 and DWord32 least significant byte first).
namespace umrechnungen {

// A position outside the array, or a start index beyond the 16-bit range.
class IndexError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// array[s] = bits 31..24 ... array[s+3] = bits 7..0
void SingleNachBytes(float value, QByteArray& a, int s);
// bits 7..0 = array[s] ... bits 31..24 = array[s+3]; NaN 7FFFFFFF when out of range
float BytesNachSingle(const QByteArray& a, int s);
void LongNachBytes(qint32 value, QByteArray& a, int s);
qint32 BytesNachLong(const QByteArray& a, int s);
void IntegerNachBytes(qint16 value, QByteArray& a, int s);
qint16 BytesNachInteger(const QByteArray& a, int s);

// Unsigned device words carried in signed types. Arguments outside the
// stated ranges pass through the same rule.
qint64 Wort16NachInteger(qint64 word);
qint64 IntegerNachWort16(qint64 value);
qint64 Wort32NachLong(qint64 word);
double LongNachWort32(qint64 value);

}  // namespace umrechnungen
