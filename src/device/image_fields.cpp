#include "device/image_fields.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "device/eeprom_map.h"
#include "device/parameter_list.h"
#include "link/byte_order.h"

namespace imageFields {
namespace {

// Two units in the last place: what a value loses on its way through single precision.
constexpr float Ulps = 2.0f;

QString indexed(const char* name, int i) {
    return QStringLiteral("%1[%2]").arg(QLatin1String(name)).arg(i);
}

void calibrationPoints(QVector<Field>& l, const char* counts, const char* level, int base) {
    for (int i = 1; i <= 3; ++i) {
        const int a = base + address::DacPointStride * (i - 1);
        l.append({indexed(counts, i), a, Kind::Word16});
        l.append({indexed(level, i), a + 2, Kind::Float32});
    }
}

}  // namespace

int length(Kind k) {
    switch (k) {
        case Kind::Byte:
            return 1;
        case Kind::Word16:
            return 2;
        case Kind::Float32:
        case Kind::Dword32:
            break;
    }
    return 4;
}

QVector<Field> configuration() {
    using namespace address;
    return {{QStringLiteral("Ausgangsart"), Ausgangsart, Kind::Byte},
            {QStringLiteral("Analogbereich"), Analogbereich, Kind::Byte},
            {QStringLiteral("Digitalflags"), Digitalflags, Kind::Byte},
            {QStringLiteral("Impulsteiler"), Impulsteiler, Kind::Dword32},
            {QStringLiteral("Impulsdauer"), Impulsdauer, Kind::Byte},
            {QStringLiteral("Frequenzbereich"), Frequenzbereich, Kind::Byte},
            {QStringLiteral("Frequenzvorteiler"), Frequenzvorteiler, Kind::Byte},
            {QStringLiteral("FrequenzMax"), FrequenzMax, Kind::Word16},
            {QStringLiteral("FrequenzMin"), FrequenzMin, Kind::Word16},
            {QStringLiteral("Frequenzteiler"), Frequenzteiler, Kind::Byte},
            {QStringLiteral("Filterfaktor"), Filterfaktor, Kind::Word16},
            {QStringLiteral("MEW"), MEW, Kind::Float32},
            {QStringLiteral("SchaltMin"), SchaltMin, Kind::Float32},
            {QStringLiteral("SchaltMax"), SchaltMax, Kind::Float32},
            {QStringLiteral("Schleichmenge"), Schleichmenge, Kind::Float32},
            {QStringLiteral("MOG"), MOG, Kind::Float32},
            {QStringLiteral("Ueberlauf"), Ueberlauf, Kind::Byte}};
}

QVector<Field> configurationBytes() {
    using namespace address;
    return {{QStringLiteral("Ausgangsart"), Ausgangsart, Kind::Byte},
            {QStringLiteral("Analogbereich"), Analogbereich, Kind::Byte},
            {QStringLiteral("Digitalflags"), Digitalflags, Kind::Byte},
            {QStringLiteral("Konfigbyte3"), Konfigbyte3, Kind::Byte}};
}

QVector<Field> curve(int points) {
    QVector<Field> l{{QStringLiteral("StpAnzahl"), address::StpAnzahl, Kind::Byte}};
    for (int i = 1; i <= points; ++i) {
        const int a = address::FirstSupportPoint + address::SupportPointStride * (i - 1);
        l.append({indexed("StpCounts", i), a, Kind::Word16});
        l.append({indexed("StpFlow", i), a + address::SupportPointFlowOffset, Kind::Float32});
    }
    return l;
}

QVector<Field> calibration() {
    QVector<Field> l;
    for (int i = 1; i <= 8; ++i)
        l.append({indexed("AnalogTrim", i), address::AnalogTrim[i - 1], Kind::Word16});
    for (int i = 1; i <= 8; ++i)
        l.append({indexed("DacReferenz", i), address::DacReferenz + 4 * (i - 1), Kind::Float32});
    calibrationPoints(l, "DacCountsU", "DacAusgangU", address::DacPointsU);
    calibrationPoints(l, "DacCountsI", "DacAusgangI", address::DacPointsI);
    return l;
}

QString valueText(const Field& f, const QByteArray& image) {
    switch (f.kind) {
        case Kind::Byte:
            return QString::number(byteOrder::readByte(image, f.address));
        case Kind::Word16:
            return QString::number(byteOrder::readWord16(image, f.address));
        case Kind::Float32:
            return floatText(byteOrder::readFloat32(image, f.address));
        case Kind::Dword32:
            break;
    }
    return QString::number(byteOrder::readDword32(image, f.address));
}

bool same(const Field& f, const QByteArray& a, const QByteArray& b) {
    const int n = length(f.kind);
    if (a.mid(f.address, n) == b.mid(f.address, n)) return true;
    if (f.kind != Kind::Float32) return false;
    const float x = byteOrder::readFloat32(a, f.address), y = byteOrder::readFloat32(b, f.address);
    const float scale = std::max(std::abs(x), std::abs(y));
    return std::isfinite(x) && std::isfinite(y) &&
           std::abs(x - y) <= Ulps * std::numeric_limits<float>::epsilon() * scale;
}

QVector<Field> differing(const QVector<Field>& fields, const QByteArray& a, const QByteArray& b) {
    QVector<Field> l;
    for (const Field& f : fields)
        if (a.mid(f.address, length(f.kind)) != b.mid(f.address, length(f.kind))) l.append(f);
    return l;
}

}  // namespace imageFields
