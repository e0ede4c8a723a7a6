// orbis-reader: reads a meter's EEPROM over a serial port and prints the
// decoded device parameters and the image.
//
//   orbis-reader PORT     PORT is a port number or a device path

#include <QCoreApplication>
#include <QTextStream>

#include "device/eeprom_auswerten.h"
#include "device/parameter_list.h"
#include "session/headless.h"

namespace {

constexpr int BytesPerRow = 12;

void printImage(QTextStream& out, const QByteArray& reply) {
    const QByteArray eeprom = reply.mid(1);
    for (int a = 0; a < eeprom.size(); a += BytesPerRow) {
        out << QStringLiteral("%1 ").arg(a, 3, 10, QLatin1Char('0'));
        for (int i = a; i < qMin(a + BytesPerRow, int(eeprom.size())); ++i)
            out << QStringLiteral(" %1").arg(quint8(eeprom[i]), 2, 16, QLatin1Char('0')).toUpper();
        out << '\n';
    }
}

int read(const QString& portName) {
    QTextStream err(stderr);
    Headless tool;
    tool.session.language = Language::English;
    QString failure;
    if (!tool.open(portName, failure)) {
        err << "orbis-reader: cannot open " << tool.port.systemName() << ": " << failure
            << Qt::endl;
        return 2;
    }
    if (!tool.session.link().ConnectionTest()) {
        err << "orbis-reader: the meter on " << tool.port.systemName() << " does not answer."
            << Qt::endl;
        return 3;
    }
    if (!tool.session.EEPromLesen()) {
        err << "orbis-reader: the EEPROM image could not be read completely." << Qt::endl;
        return 4;
    }
    MeterParameters p;
    const QByteArray image = tool.session.linkState.EEPromInhalt;
    if (const DecodeResult r = EEPromAuswerten(image, p, Unit{}); !r.ok()) {
        err << r.failure << ", SUB EEPromAuswerten" << Qt::endl;
        return 5;
    }
    QTextStream out(stdout);
    for (const auto& [name, value] : parameterList(p))
        out << name << " = " << value << '\n';
    out << '\n';
    printImage(out, image);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: orbis-reader PORT   (a port number or a device path)"
                            << Qt::endl;
        return 1;
    }
    return read(args[1]);
}
