#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// A serial port of this machine under the number the technician picks it by.
struct NummerierterPort {
    int nummer = 0;
    QString pfad;  // device path, or the link that names it
};

// Numbers the machine's serial ports by a fixed rule, so a number keeps naming
// the same device across runs:
//   /dev/ttySk -> k + 1, /dev/ttyUSBk -> 101 + k, /dev/ttyACMk -> 201 + k,
//   /dev/ttyAMAk -> 301 + k; other devices follow from 401 in name order.
// On Windows, COMn is n.
// A link named comN in the folder `portsOrdner` is port N and takes
// precedence over the rule. The result is sorted by number.
QVector<NummerierterPort> portsNummerieren(const QStringList& geraete, const QString& portsOrdner);

// The device paths of the machine's serial ports.
QStringList seriellePortsDesSystems();

// The device behind port number n, or an empty text when there is none.
QString portPfad(int nummer, const QString& portsOrdner);
