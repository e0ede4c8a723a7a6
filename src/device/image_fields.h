#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// Named fields of the EEPROM image (the 512 bytes, without the reply's DLE),
// for telling what a write asked for from what the meter holds, and for
// naming what a restore would change.
namespace imageFields {

enum class Kind { Byte, Word16, Float32, Dword32 };

struct Field {
    QString name;  // as the parameter list names it
    int address;
    Kind kind;
};

int length(Kind k);

// The output configuration as the configuration write sets it.
QVector<Field> configuration();
// The configuration bytes the calibration switches and gives back.
QVector<Field> configurationBytes();
// The support-point count and the counts and flow of points 1 to `points`.
QVector<Field> curve(int points);
// The analog output's trim words, reference levels and calibration points.
QVector<Field> calibration();

// The field's value in an image as text; floats in their shortest exact form.
QString valueText(const Field& f, const QByteArray& image);
// Both images hold the same value: the same bytes, or floats within single precision.
bool same(const Field& f, const QByteArray& a, const QByteArray& b);
// The fields whose bytes differ between the two images.
QVector<Field> differing(const QVector<Field>& fields, const QByteArray& a, const QByteArray& b);

}  // namespace imageFields
