#include <QtTest>

#include "files/program_folder.h"
#include "support/file_helpers.h"
#include "support/property.h"

namespace {

// Each file names the place it came from, so a copy shows its source.
void fillFolder(const QString& folder, const QString& origin) {
    QDir().mkpath(folder);
    for (const QString& d : programFolder::shippedFiles())
        writeFile(QDir(folder).filePath(d), (origin + QLatin1Char(':') + d).toLatin1());
}

// Gives a folder its write permission back, so that the temporary folder can
// be removed even when a check fails halfway.
struct WritableAgain {
    QString folder;
    ~WritableAgain() {
        QFile::setPermissions(folder, QFile::permissions(folder) | QFileDevice::WriteOwner);
    }
};

const QByteArray ownUnits("meine Einheiten");

}  // namespace

// The program folder is the executable's own when it can serve as one,
// otherwise a per-user folder filled with the shipped files.
class TstProgramFolder : public QObject {
    Q_OBJECT

private slots:
    // Where the executable's folder cannot serve, the per-user folder is seeded with what shipped.
    void determine_data() {
        QTest::addColumn<bool>("binHoldsFiles");
        QTest::addColumn<bool>("binWritable");
        QTest::addColumn<bool>("shareHoldsFiles");
        QTest::addColumn<bool>("userHasOwnUnits");
        QTest::addColumn<QString>("seededFrom");  // "bin", "share" or "" for nothing
        QTest::newRow("installed: bin without the files, share/orbis with them")
            << false << true << true << false << "share";
        QTest::newRow("installed: the user's own files stay")
            << false << true << true << true << "share";
        QTest::newRow("read-only portable folder") << true << false << false << false << "bin";
        QTest::newRow("read-only portable folder beside an installation")
            << true << false << true << false << "share";
        QTest::newRow("nothing shipped anywhere") << false << true << false << false << "";
    }

    void determine() {
        QFETCH(bool, binHoldsFiles);
        QFETCH(bool, binWritable);
        QFETCH(bool, shareHoldsFiles);
        QFETCH(bool, userHasOwnUnits);
        QFETCH(QString, seededFrom);
        // The installed layout: <prefix>/bin, <prefix>/share/orbis and a home.
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        const QString share = root.filePath(QStringLiteral("share/orbis"));
        const QString user = root.filePath(QStringLiteral("home/.local/share/orbis"));
        QVERIFY(QDir().mkpath(bin));
        if (binHoldsFiles) fillFolder(bin, QStringLiteral("bin"));
        if (shareHoldsFiles) fillFolder(share, QStringLiteral("share"));
        if (userHasOwnUnits && QDir().mkpath(user))
            writeFile(QDir(user).filePath(QStringLiteral("UNIT.CON")), ownUnits);
        const WritableAgain restore{bin};
        if (!binWritable) {
            QVERIFY(QFile::setPermissions(bin, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            if (binHoldsFiles && QFileInfo(bin).isWritable())
                QSKIP("Running as root: every folder is writable.");
        }

        const QString chosen = programFolder::determine(
            bin, user, QDir(bin).filePath(QStringLiteral("../share/orbis")));

        QCOMPARE(chosen, user);
        QVERIFY(QFileInfo(user).isDir());
        for (const QString& d : programFolder::shippedFiles()) {
            const QString target = QDir(user).filePath(d);
            if (userHasOwnUnits && d == QLatin1String("UNIT.CON"))
                QCOMPARE(readFile(target), ownUnits);
            else if (seededFrom.isEmpty())
                QVERIFY(!QFileInfo::exists(target));
            else
                QCOMPARE(readFile(target), (seededFrom + QLatin1Char(':') + d).toLatin1());
        }
    }

    // A writable folder is the program folder exactly when it keeps the settings or the units: a
    // lost language file is reported when loaded and moves nothing, installation beside or not.
    void a_folder_keeping_settings_or_units_stays_the_program_folder() {
        QCHECK_PROPERTY("kept settings or units keep the folder", [] {
            QTemporaryDir root;
            const QString bin = root.filePath(QStringLiteral("bin"));
            const QString share = root.filePath(QStringLiteral("share/orbis"));
            bool keeps = false;
            for (const QString& d : programFolder::shippedFiles() + QStringList{"Q_orbis.CON"}) {
                const QString folder = *rc::gen::element(bin, share, QString());
                if (folder.isEmpty()) continue;
                QDir().mkpath(folder);
                writeFile(QDir(folder).filePath(d), d.toLatin1());
                keeps |= folder == bin && d.endsWith(QLatin1String(".CON"));
            }
            const QString user = root.filePath("user");  // made only when it is chosen
            RC_ASSERT((programFolder::determine(bin, user, share) == bin) == keeps);
            RC_ASSERT(QFileInfo::exists(user) != keeps);
        });
    }
};

QTEST_GUILESS_MAIN(TstProgramFolder)
#include "tst_program_folder.moc"
