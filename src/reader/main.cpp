// orbis-reader: reads a meter's EEPROM over a serial port and prints the
// decoded device parameters and the image.
//
//   orbis-reader PORT     PORT is a port number or a device path

#include <QCoreApplication>
#include <QTextStream>

#include "device/eeprom_auswerten.h"
#include "device/parameterliste.h"
#include "link/link.h"
#include "link/protocol.h"
#include "link/qt_serial_port.h"
#include "link/steady_clock.h"
#include "reader/konsole.h"

namespace {

constexpr int BytesJeZeile = 12;

void druckeAbbild(QTextStream& aus, const QByteArray& antwort) {
    const QByteArray eeprom = antwort.mid(1);
    for (int a = 0; a < eeprom.size(); a += BytesJeZeile) {
        aus << QStringLiteral("%1 ").arg(a, 3, 10, QLatin1Char('0'));
        for (int i = a; i < qMin(a + BytesJeZeile, int(eeprom.size())); ++i)
            aus << QStringLiteral(" %1").arg(quint8(eeprom[i]), 2, 16, QLatin1Char('0')).toUpper();
        aus << '\n';
    }
}

int lesen(const QString& portname) {
    QTextStream fehler(stderr);
    SteadyClock uhr;
    QtSerialPort port(standardGeraetename);
    port.beiDaten([&uhr] { uhr.wecken(); });
    port.setCommPort(portname);
    const PortOeffnung offen = port.oeffnen();
    if (!offen.ok()) {
        fehler << "orbis-reader: cannot open " << port.systemName() << ": " << offen.beschreibung
               << Qt::endl;
        return 2;
    }
    KonsolenDialoge dialoge;
    OhneFenster fenster;
    OhneMesszyklus zyklus;
    Texte texte;
    const Sprache sprache = Sprache::Englisch;
    LinkState zustand;
    const Oberflaeche ui{fenster, dialoge, texte, sprache};
    Link link(port, uhr, zustand, ui, zyklus);
    if (!link.Verbindungstest()) {
        fehler << "orbis-reader: the meter on " << port.systemName() << " does not answer."
               << Qt::endl;
        return 3;
    }
    if (!link.EEPromLesen()) {
        fehler << "orbis-reader: the EEPROM image could not be read completely." << Qt::endl;
        return 4;
    }
    Geraeteparameter p;
    if (!EEPromAuswerten(zustand.EEPromInhalt, p, Masseinheit{}, ui)) return 5;
    QTextStream aus(stdout);
    for (const auto& [name, wert] : parameterliste(p))
        aus << name << " = " << wert << '\n';
    aus << '\n';
    druckeAbbild(aus, zustand.EEPromInhalt);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList argumente = app.arguments();
    if (argumente.size() != 2) {
        QTextStream(stderr) << "usage: orbis-reader PORT   (a port number or a device path)"
                            << Qt::endl;
        return 1;
    }
    return lesen(argumente[1]);
}
