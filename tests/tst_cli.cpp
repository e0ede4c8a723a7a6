#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "config/einheitentabelle.h"
#include "files/program_folder.h"
#include "files/snapshot_store.h"
#include "support/cli_process.h"
#include "support/file_helpers.h"

namespace {

// A program folder with the shipped files, for the unit subcommands.
struct Folder {
    Folder() {
        for (const QString& f : programFolder::shippedFiles()) {
            QFile::copy(QStringLiteral(ORBIS_DATA "/") + f, dir.filePath(f));
            QFile::setPermissions(dir.filePath(f), QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    CliResult run(QStringList args) const { return runCli(args << "--folder" << dir.path()); }
    QStringList units() const {
        QStringList names;
        for (const Unit& u : readUnits(dir.filePath("UNIT.CON")).entries)
            names << u.Einheit;
        return names;
    }
    QTemporaryDir dir;
};

}  // namespace

// Given a program folder, when a script adds, lists or deletes units with
// orbis-cli, then UNIT.CON changes as it does from the window's frames.
class TstCli : public QObject {
    Q_OBJECT

private slots:
    void a_unit_is_added_listed_and_deleted() {
        Folder f;
        QCOMPARE(f.run({"unit-add", "t/h", "1000", "0 °C", "Luft"}).code, 0);
        QCOMPARE(f.units().size(), 13);
        QCOMPARE(f.units().last(), QStringLiteral("t/h"));
        const CliResult list = f.run({"units"});
        QCOMPARE(list.code, 0);
        QVERIFY(list.out.endsWith("t/h  (0 °C)  Luft\n"));
        QCOMPARE(f.run({"unit-delete", "t/h"}).code, 0);
        QCOMPARE(f.units().size(), 12);
    }

    void a_refused_change_says_why_and_leaves_the_file_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("factor 0") << QStringList{"unit-add", "x/h", "0", "-", "Luft"} << 6
                                  << "factor";
        QTest::newRow("an exponent") << QStringList{"unit-add", "x/h", "1e5", "-", "Luft"} << 6
                                     << "not a plain positive decimal number";
        QTest::newRow("a comma in the gas")
            << QStringList{"unit-add", "x/h", "2", "-", "Luft, N2"} << 6 << "comma";
        QTest::newRow("a built-in unit") << QStringList{"unit-delete", "kg/h"} << 6 << "";
        QTest::newRow("no such unit") << QStringList{"unit-delete", "x/h"} << 1 << "no unit x/h";
        QTest::newRow("missing fields") << QStringList{"unit-add", "x/h"} << 1 << "usage";
    }
    void a_refused_change_says_why_and_leaves_the_file() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        Folder f;
        const QByteArray before = readFile(f.dir.filePath("UNIT.CON"));
        const CliResult r = f.run(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.fault.contains(message, Qt::CaseInsensitive), qPrintable(r.fault));
        QCOMPARE(readFile(f.dir.filePath("UNIT.CON")), before);
    }

    // A snapshot is listed with its meter, time, operation and file; a serial
    // number unsafe as a folder name is kept under a safe one.
    void snapshots_are_listed_by_meter() {
        Folder f;
        QString error;
        const QString path = snapshotStore::keep(snapshotStore::folder(f.dir.path(), "QO 7/1"),
                                                 QDateTime({2026, 12, 7}, {9, 30, 12}), "restore",
                                                 QByteArray(512, '\0'), nullptr, error);
        QCOMPARE(path, f.dir.filePath("snapshots/QO_7_1/2026-12-07_093012_restore.bin"));
        QCOMPARE(f.run({"snapshots"}).out, "QO_7_1  2026-12-07 09:30:12  restore  " + path + "\n");
        QCOMPARE(f.run({"snapshots", "QO9"}).out, QString());
    }
};

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
