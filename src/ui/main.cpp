// orbis: the configuration and service tool for the KRN410-Q Orbis meter.

#include <QApplication>
#include <QDir>

#include "link/portliste.h"
#include "link/qt_serial_port.h"
#include "link/steady_clock.h"
#include "ui/programmordner.h"
#include "ui/qt_dialoge.h"
#include "ui/sitzung.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("orbis"));
    app.setQuitOnLastWindowClosed(false);
    const QString ordner = programmordner::fuerDiesenProzess();
    const QString ports = QDir(ordner).filePath(QStringLiteral("ports"));

    SteadyClock uhr;
    QtSerialPort port([ports](int nummer) { return portPfad(nummer, ports); });
    port.beiDaten([&uhr] { uhr.wecken(); });
    QtDialoge dialoge;
    Sitzung sitzung(port, uhr, dialoge, ordner, seriellePortsDesSystems);
    dialoge.setzeEltern(&sitzung.fenster());
    sitzung.laden();
    sitzung.fenster().show();
    return app.exec();
}
