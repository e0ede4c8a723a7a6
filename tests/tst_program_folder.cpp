#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "files/program_folder.h"

namespace {

void fillFolder(const QString& folder) {
    for (const QString& d : programFolder::shippedFiles()) {
        QFile f(QDir(folder).filePath(d));
        f.open(QIODevice::WriteOnly);
        f.write(d.toLatin1());
    }
}

}  // namespace

// The program folder is the executable's own when it can serve as one,
// otherwise a per-user folder filled with the shipped files.
class TstProgramFolder : public QObject {
    Q_OBJECT

private slots:
    void a_writable_folder_with_the_files_is_used_itself() {
        QTemporaryDir exe, data;
        fillFolder(exe.path());
        QCOMPARE(programFolder::determine(exe.path(), data.filePath(QStringLiteral("orbis")),
                                          exe.path()),
                 exe.path());
        QVERIFY(!QFileInfo::exists(data.filePath(QStringLiteral("orbis"))));
    }

    void otherwise_the_user_folder_is_filled_with_the_files() {
        QTemporaryDir exe, shipped, data;
        fillFolder(shipped.path());
        const QString target = data.filePath(QStringLiteral("orbis"));
        QCOMPARE(programFolder::determine(exe.path(), target, shipped.path()), target);
        for (const QString& d : programFolder::shippedFiles())
            QVERIFY(QFileInfo::exists(QDir(target).filePath(d)));
    }

    void existing_files_in_the_user_folder_stay_untouched() {
        QTemporaryDir exe, shipped, data;
        fillFolder(shipped.path());
        QFile ownFile(data.filePath(QStringLiteral("UNIT.CON")));
        ownFile.open(QIODevice::WriteOnly);
        ownFile.write("meine Einheiten");
        ownFile.close();
        programFolder::determine(exe.path(), data.path(), shipped.path());
        QFile f(data.filePath(QStringLiteral("UNIT.CON")));
        f.open(QIODevice::ReadOnly);
        QCOMPARE(f.readAll(), QByteArray("meine Einheiten"));
    }
};

QTEST_GUILESS_MAIN(TstProgramFolder)
#include "tst_program_folder.moc"
