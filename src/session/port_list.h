#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// A serial port of this machine under the number the technician picks it by.
struct NumberedPort {
    int number = 0;
    QString path;  // device path, the link that names it, or a URL
};

// Numbers the machine's serial ports by a fixed rule, so a number keeps naming
// the same device across runs:
//   /dev/ttySk -> k + 1, /dev/ttyUSBk -> 101 + k, /dev/ttyACMk -> 201 + k,
//   /dev/ttyAMAk -> 301 + k; other devices follow from 401 in name order.
// On Windows, COMn is n.
// A link named comN in the folder `portsFolder` is port N and takes
// precedence over the rule; a plain file comN holding a URL makes that URL
// (a meter behind a serial device server) port N. The result is sorted by number.
QVector<NumberedPort> numberPorts(const QStringList& devices, const QString& portsFolder);

// The device paths of the machine's serial ports.
QStringList systemSerialPorts();

// The device behind port number n, or an empty text when there is none.
QString portPath(int number, const QString& portsFolder);
