#include <QtTest>
#include <functional>

#include "config/einheitentabelle.h"
#include "config/units_file.h"
#include "files/config_file.h"
#include "files/settings_file.h"
#include "support/file_helpers.h"

namespace {

// Writes one of the tool's files at a path; `big` makes it larger than before.
using Writer = std::function<bool(const QString& path, bool big)>;

QString longText(bool big) {
    return big ? QString(29, QLatin1Char('x')) : QStringLiteral("x");
}

const QList<QPair<const char*, Writer>>& writers() {
    static const QList<QPair<const char*, Writer>> all = {
        {"settings",
         [](const QString& p, bool big) {
             Settings s;
             s.PortName = longText(big);
             return settingsFile::write(p, s);
         }},
        {"units",
         [](const QString& p, bool big) {
             QString error;
             return unitsFile::add(p, readUnits(p).entries, Unit{longText(big), 1, "(-)", "Luft"},
                                   error) == unitsFile::Result::Done;
         }},
        {"configuration",
         [](const QString& p, bool big) {
             ConfigFile c = configFile::factory(1.0);
             c.Polaritaet = longText(big);
             QString error;
             return configFile::write(p, c, error);
         }},
    };
    return all;
}

bool run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

}  // namespace

// Given a folder that turns read-only or a disk that fills up, when the tool
// writes one of its files, then the write fails and the old file is left
// whole. A small file system of its own is mounted for this; where the
// machine does not allow that, the test is skipped.
class TstFileWrites : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString mount_;

private slots:
    void initTestCase() {
        mount_ = dir_.filePath(QStringLiteral("fs"));
        QDir().mkpath(mount_);
        if (!run(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mount_}))
            QSKIP("a small file system cannot be mounted here");
    }
    void cleanupTestCase() {
        if (!mount_.isEmpty()) run(QStringLiteral("umount"), {mount_});
    }

    void a_failed_write_leaves_the_old_file_data() {
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("read-only folder") << false;
        QTest::newRow("full disk") << true;
    }
    void a_failed_write_leaves_the_old_file() {
        QFETCH(bool, fullDisk);
        QMap<QString, QByteArray> before;
        for (const auto& [name, write] : writers()) {
            const QString path = QDir(mount_).filePath(QLatin1String(name));
            QVERIFY2(write(path, false), name);
            before[path] = readFile(path);
        }
        const QString filler = QDir(mount_).filePath(QStringLiteral("filler"));
        if (fullDisk)
            run(QStringLiteral("dd"), {"if=/dev/zero", "of=" + filler, "bs=1k", "count=100"});
        else
            QVERIFY(run(QStringLiteral("mount"), {"-o", "remount,ro", mount_}));
        for (const auto& [name, write] : writers()) {
            const QString path = QDir(mount_).filePath(QLatin1String(name));
            QVERIFY2(!write(path, true), name);
            QCOMPARE(readFile(path), before[path]);
        }
        if (!fullDisk) QVERIFY(run(QStringLiteral("mount"), {"-o", "remount,rw", mount_}));
        QFile::remove(filler);
        for (const QString& path : before.keys())
            QFile::remove(path);
    }
};

QTEST_GUILESS_MAIN(TstFileWrites)
#include "tst_file_writes.moc"
