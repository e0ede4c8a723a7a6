// orbis: the configuration and service tool for the KRN410-Q Orbis meter.

#include <QApplication>
#include <QDir>

#include "files/program_folder.h"
#include "link/qt_serial_port.h"
#include "link/steady_clock.h"
#include "session/port_list.h"
#include "ui/app.h"
#include "ui/qt_dialoge.h"

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
    App tool(port, uhr, dialoge, ordner, seriellePortsDesSystems);
    dialoge.setzeEltern(&tool.window());
    tool.load();
    tool.window().show();
    return app.exec();
}
