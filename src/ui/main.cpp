// orbis: the configuration and service tool for the KRN410-Q Orbis meter.

#include <QApplication>
#include <QDir>

#include "files/program_folder.h"
#include "link/named_port.h"
#include "link/steady_clock.h"
#include "session/port_list.h"
#include "ui/app.h"
#include "ui/qt_dialogs.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("orbis"));
    app.setQuitOnLastWindowClosed(false);
    const QString folder = programFolder::forThisProcess();
    const QString ports = QDir(folder).filePath(QStringLiteral("ports"));

    SteadyClock clock;
    NamedPort port([ports](int number) { return portPath(number, ports); }, clock);
    port.onData([&clock] { clock.wake(); });
    QtDialogs dialogs;
    App tool(port, clock, dialogs, folder, systemSerialPorts);
    dialogs.setParentWidget(&tool.window());
    tool.load();
    tool.window().show();
    return app.exec();
}
