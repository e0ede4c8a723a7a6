#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include "files/password_file.h"
#include "support/file_helpers.h"

using namespace passwordFile;

// Given the access password, when it is stored in "Pass" and read again, then
// it comes back unchanged; a file that cannot serve keeps the pages locked.
class TstPasswordFile : public QObject {
    Q_OBJECT

private slots:
    void a_stored_password_reads_back_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("thirty characters")
            << QString(30, QLatin1Char('z')) << QString(30, QLatin1Char('z'));
        QTest::newRow("mixed case and digits") << "Orbis410Q"
                                               << "Orbis410Q";
        QTest::newRow("no password") << "kein"
                                     << "kein";
        QTest::newRow("empty means none") << ""
                                          << "kein";
        QTest::newRow("the last storable character") << QString(QChar(176)) << QString(QChar(176));
    }
    void a_stored_password_reads_back() {
        QFETCH(QString, password);
        QFETCH(QString, readBack);
        QTemporaryDir folder;
        const QString path = folder.filePath(FileName);
        QString error;
        QVERIFY(PasswortSchreiben(path, password, error));
        const ReadResult r = PasswortLesen(path);
        QVERIFY(r.ok());
        QCOMPARE(r.password, readBack);
    }

    void each_character_is_stored_79_codes_higher_with_crlf() {
        QTemporaryDir folder;
        QString error;
        QVERIFY(PasswortSchreiben(folder.filePath(FileName), "abc", error));
        QCOMPARE(readFile(folder.filePath(FileName)), QByteArray("\xB0\xB1\xB2\r\n"));
    }

    void what_cannot_be_stored_is_refused_data() {
        QTest::addColumn<QString>("password");
        QTest::newRow("31 characters") << QString(31, QLatin1Char('a'));
        QTest::newRow("a character above 176") << QString(QChar(177));
        QTest::newRow("beyond Latin-1") << QStringLiteral("abc\u20ac");
    }
    void what_cannot_be_stored_is_refused() {
        QFETCH(QString, password);
        QTemporaryDir folder;
        const QString path = folder.filePath(FileName);
        writeFile(path, "\xB0\r\n");
        QString error;
        QVERIFY(!refusal(password).isEmpty());
        QVERIFY(!PasswortSchreiben(path, password, error));
        QCOMPARE(error, refusal(password));
        QCOMPARE(readFile(path), QByteArray("\xB0\r\n"));
    }

    // The first line is one input field: leading blanks skipped, a comma ends it.
    void a_file_is_read_as_its_first_field_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("password");
        QTest::newRow("leading blanks") << QByteArray("  \xB0\xB1\xB2\r\n") << "abc";
        QTest::newRow("a comma ends it") << QByteArray("\xB0\xB1,\xB2\r\n") << "ab";
        QTest::newRow("LF and later lines") << QByteArray("\xB0\nxyz\n") << "a";
        QTest::newRow("no line end") << QByteArray("\xB0\xB1") << "ab";
        // 0xA0 is whitespace to Qt but the scrambled 'Q'.
        QTest::newRow("Q at both ends") << QByteArray("\xA0\xB0\xA0\r\n") << "QaQ";
    }
    void a_file_is_read_as_its_first_field() {
        QFETCH(QByteArray, file);
        QFETCH(QString, password);
        QTemporaryDir folder;
        writeFile(folder.filePath(FileName), file);
        const ReadResult r = PasswortLesen(folder.filePath(FileName));
        QVERIFY(r.ok());
        QCOMPARE(r.password, password);
    }

    void a_missing_file_means_no_password() {
        QTemporaryDir folder;
        const ReadResult r = PasswortLesen(folder.filePath(FileName));
        QVERIFY(r.ok());
        QCOMPARE(r.password, QStringLiteral("kein"));
    }

    void a_file_that_cannot_serve_is_an_error_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("a byte below 79") << QByteArray("\xB0N\xB2\r\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("an empty line") << QByteArray("\r\nabc\r\n");
        QTest::newRow("31 characters") << QByteArray(31, '\xB0') + "\r\n";
    }
    void a_file_that_cannot_serve_is_an_error() {
        QFETCH(QByteArray, file);
        QTemporaryDir folder;
        writeFile(folder.filePath(FileName), file);
        QVERIFY(!PasswortLesen(folder.filePath(FileName)).ok());
    }

    // Permissions do not bind the superuser; a folder in place of the file does.
    void a_file_that_cannot_be_opened_is_an_error() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(FileName));
        const ReadResult r = PasswortLesen(folder.filePath(FileName));
        QVERIFY(!r.ok());
        QVERIFY(!r.error.isEmpty());
    }

    void a_failed_write_leaves_the_old_file_intact() {
        QTemporaryDir folder;
        const QString path = folder.filePath(FileName);
        writeFile(path, "\xB0\r\n");
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        const auto writable = qScopeGuard([&] {
            QFile::setPermissions(folder.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (QFile(folder.filePath("probe")).open(QIODevice::WriteOnly))
            QSKIP("the read-only folder is writable to this user");
        QString error;
        QVERIFY(!PasswortSchreiben(path, "neu", error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readFile(path), QByteArray("\xB0\r\n"));
    }
};

QTEST_GUILESS_MAIN(TstPasswordFile)
#include "tst_password_file.moc"
