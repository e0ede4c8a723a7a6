#pragma once

#include <QByteArray>
#include <QString>

// A configuration file (.use): the output configuration of one meter in 17
// lines, one value a line, CR LF, Latin-1. Flows are in the unit that was
// selected when the file was written.
struct ConfigFile {
    int Ausgangsart = 10;
    int Analogbereich = 33;
    int Digitalflags = 132;
    int Konfigbyte3 = 127;
    float MEW = 100;
    float Schleichmenge = 0;
    int Daempfungszeit = 20;  // ms
    int Frequenzbereich = 2;
    int FrequenzMin = 200;
    int FrequenzMax = 2500;
    float Impulswert = 5;
    int Impulsdauer = 250;
    QString Polaritaet = QStringLiteral("Plus");
    float SchaltMin = 0;
    float SchaltMax = 100;
    QString SchaltPolaritaet = QStringLiteral("Plus");
    int Ueberlauf = 0;

    bool operator==(const ConfigFile& o) const;
};

namespace configFile {

// The filter coefficient that belongs to the factory damping of 20 ms.
constexpr qint32 FactoryFilterfaktor = 62339;

// The factory settings; the full scale is 100 kg/h in the selected unit, cut to a whole number.
ConfigFile factory(double umrechnungsfaktor);

// The file's text: integers in print form (" 10 "), other numbers in Str
// form (" 12.5", "-1"), the creep flow first rounded to 4 decimals.
QByteArray text(const ConfigFile& c);

// What reading a file gave: the values, or the description and number of
// the input error that stopped it (the values read before it are kept).
struct ReadResult {
    ConfigFile values;
    QString error;
    int errorNumber = 0;
    bool ok() const { return error.isEmpty(); }
};
ReadResult parse(const QString& text);
ReadResult read(const QString& path);

// Writes the whole file or nothing; false with the reason in `error`.
bool write(const QString& path, const ConfigFile& c, QString& error);

// The name a chosen file is saved under: a different three-letter extension
// becomes ".use", and a name without one gets ".use" appended.
QString saveName(const QString& chosen);

}  // namespace configFile
