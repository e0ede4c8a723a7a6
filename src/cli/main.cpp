// orbis-cli: the tool's operations for scripts and machines without a
// display, on the same session as the window.
//
//   orbis-cli read PORT                            print the decoded parameters and the image
//   orbis-cli save-config PORT FILE [--unit NAME]  save the meter's configuration as a .use file
//   orbis-cli write-config PORT FILE [--unit NAME] write a .use file to the meter
//   orbis-cli write-factory PORT [--unit NAME]     write the factory settings to the meter
//   orbis-cli read-curve PORT [FILE.csv]           the support points as CSV
//   orbis-cli write-curve PORT FILE.csv            write a CSV table of support points
//   orbis-cli calibrate-reset PORT                 reset the analog output calibration
//   orbis-cli snapshots [SERIAL]                   list the snapshots kept before writes
//   orbis-cli restore PORT FILE [--other-meter]    write a snapshot back to the meter
//   orbis-cli log PORT BASE --interval S [--records N]  record the measured value
//   orbis-cli report config|service|eeprom PORT --pdf FILE [--language de|en|fr]
//   orbis-cli units                                list the units of UNIT.CON
//   orbis-cli unit-add NAME FACTOR CONDITION GAS   add a unit to UNIT.CON
//   orbis-cli unit-delete NAME                     delete a unit from UNIT.CON
//
// PORT is a port number or a device path; --folder DIR names the program
// folder. Exit codes: 0 done, 1 usage or unknown unit, 2 the port cannot be
// opened, 3 the meter does not answer, 4 the EEPROM cannot be read
// completely, 5 the image cannot be decoded, 6 a file cannot be read or
// written or a check refused the change, 7 the meter does not hold what was
// written.
//
// --password TEXT gives the service password that write-curve,
// calibrate-reset and a restore of the curve or the calibration need when
// one is set; without it a terminal is asked.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <memory>

#include "cli/commands.h"

namespace {

int usage() {
    QTextStream(stderr) << "usage: orbis-cli read PORT\n"
                           "       orbis-cli save-config PORT FILE.use [--unit NAME]\n"
                           "       orbis-cli write-config PORT FILE.use [--unit NAME]\n"
                           "       orbis-cli write-factory PORT [--unit NAME]\n"
                           "       orbis-cli read-curve PORT [FILE.csv]\n"
                           "       orbis-cli write-curve PORT FILE.csv\n"
                           "       orbis-cli calibrate-reset PORT\n"
                           "       orbis-cli snapshots [SERIAL]\n"
                           "       orbis-cli restore PORT FILE.bin [--other-meter]\n"
                           "       orbis-cli log PORT BASE --interval S [--records N]\n"
                           "       orbis-cli report config|service|eeprom PORT --pdf FILE "
                           "[--language de|en|fr]\n"
                           "       orbis-cli units\n"
                           "       orbis-cli unit-add NAME FACTOR CONDITION GAS\n"
                           "       orbis-cli unit-delete NAME\n"
                           "PORT is a port number or a device path; --folder DIR names the "
                           "program folder;\n--password TEXT gives the service password of "
                           "write-curve, calibrate-reset and restore."
                        << Qt::endl;
    return cli::Usage;
}

// Takes `--name VALUE` out of the arguments; false when the value is missing.
bool takeOption(QStringList& args, const QString& name, QString& value) {
    const int i = args.indexOf(name);
    if (i < 0) return true;
    if (i + 1 >= args.size()) return false;
    value = args[i + 1];
    args.remove(i, 2);
    return true;
}

// Takes the flag `name` out of the arguments and says whether it was there.
bool takeFlag(QStringList& args, const QString& name) {
    return args.removeAll(name) > 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Reports are drawn with fonts, which need the GUI library but no display.
    const bool drawing = argc > 1 && qstrcmp(argv[1], "report") == 0;
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(drawing ? new QGuiApplication(argc, argv)
                                                  : new QCoreApplication(argc, argv));
    QStringList args = QCoreApplication::arguments().mid(1);
    cli::Options o;
    QString interval, records, pdf, language;
    o.passwordGiven = args.contains(QStringLiteral("--password"));
    o.otherMeter = takeFlag(args, QStringLiteral("--other-meter"));
    if (!takeOption(args, QStringLiteral("--password"), o.password) ||
        !takeOption(args, QStringLiteral("--unit"), o.unit) ||
        !takeOption(args, QStringLiteral("--folder"), o.folder) ||
        !takeOption(args, QStringLiteral("--interval"), interval) ||
        !takeOption(args, QStringLiteral("--records"), records) ||
        !takeOption(args, QStringLiteral("--pdf"), pdf) ||
        !takeOption(args, QStringLiteral("--language"), language))
        return usage();
    const QString command = args.value(0);
    if (command == QLatin1String("read") && args.size() == 2) return cli::read(args[1]);
    if (command == QLatin1String("save-config") && args.size() == 3)
        return cli::saveConfig(args[1], args[2], o);
    if (command == QLatin1String("write-config") && args.size() == 3)
        return cli::writeConfig(args[1], args[2], o);
    if (command == QLatin1String("write-factory") && args.size() == 2)
        return cli::writeFactory(args[1], o);
    if (command == QLatin1String("read-curve") && (args.size() == 2 || args.size() == 3))
        return cli::readCurve(args[1], args.value(2));
    if (command == QLatin1String("write-curve") && args.size() == 3)
        return cli::writeCurve(args[1], args[2], o);
    if (command == QLatin1String("calibrate-reset") && args.size() == 2)
        return cli::calibrateReset(args[1], o);
    if (command == QLatin1String("snapshots") && args.size() <= 2)
        return cli::listSnapshots(args.value(1), o);
    if (command == QLatin1String("restore") && args.size() == 3)
        return cli::restore(args[1], args[2], o);
    if (command == QLatin1String("log") && args.size() == 3 && !interval.isEmpty())
        return cli::log(args[1], args[2], interval, records.toInt(), o);
    if (command == QLatin1String("report") && args.size() == 3 && !pdf.isEmpty())
        return cli::report(args[1], args[2], pdf, language, o);
    if (command == QLatin1String("units") && args.size() == 1) return cli::listUnits(o);
    if (command == QLatin1String("unit-add") && args.size() == 5)
        return cli::addUnit(args.mid(1), o);
    if (command == QLatin1String("unit-delete") && args.size() == 2)
        return cli::deleteUnit(args[1], o);
    return usage();
}
