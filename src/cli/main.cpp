// orbis-cli: the tool's meter operations for scripts and machines without a
// display, on the same session as the window.
//
//   orbis-cli read PORT                           print the decoded parameters and the image
//   orbis-cli save-config PORT FILE [--unit NAME] save the meter's configuration as a .use file
//
// PORT is a port number or a device path. Exit codes: 0 done, 1 usage, 2 the
// port cannot be opened, 3 the meter does not answer, 4 the EEPROM cannot be
// read completely, 5 the image cannot be decoded, 6 a file cannot be written.

#include <QCoreApplication>
#include <QTextStream>

#include "cli/commands.h"

namespace {

constexpr int Usage = 1;

int usage() {
    QTextStream(stderr) << "usage: orbis-cli read PORT\n"
                           "       orbis-cli save-config PORT FILE.use [--unit NAME]\n"
                           "PORT is a port number or a device path."
                        << Qt::endl;
    return Usage;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString unit;
    if (const int i = args.indexOf(QStringLiteral("--unit")); i >= 0) {
        if (i + 1 >= args.size()) return usage();
        unit = args[i + 1];
        args.remove(i, 2);
    }
    if (args.size() == 2 && args[0] == QLatin1String("read")) return cli::read(args[1]);
    if (args.size() == 3 && args[0] == QLatin1String("save-config"))
        return cli::saveConfig(args[1], args[2], unit);
    return usage();
}
