#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "files/password_file.h"
#include "support/file_helpers.h"

using namespace passwordFile;

// Given the access password, when it is stored in "Pass" and read again, then
// it comes back unchanged; a file that cannot serve keeps the pages locked.
class TstPasswordFile : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString path() const { return folder.filePath(FileName); }

private slots:
    void init() { QFile::remove(path()), QDir(folder.path()).rmdir(FileName); }

    // Each character is stored 79 codes higher, the line ended with CR LF.
    void a_stored_password_reads_back_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("readBack");
        const QString thirty(30, QLatin1Char('z')), last(QChar(176));
        QTest::newRow("letters") << "abc" << QByteArray("\xB0\xB1\xB2\r\n") << "abc";
        QTest::newRow("thirty characters") << thirty << QByteArray(30, '\xC9') + "\r\n" << thirty;
        QTest::newRow("the last storable character") << last << QByteArray("\xFF\r\n") << last;
        QTest::newRow("empty means none") << "" << QByteArray("\xBA\xB4\xB8\xBD\r\n") << "kein";
    }
    void a_stored_password_reads_back() {
        QFETCH(QString, password);
        QString error;
        QVERIFY(PasswortSchreiben(path(), password, error));
        QTEST(readFile(path()), "file");
        const ReadResult r = PasswortLesen(path());
        QVERIFY(r.ok());
        QTEST(r.password, "readBack");
    }

    void what_cannot_be_stored_is_refused_data() {
        QTest::addColumn<QString>("password");
        QTest::newRow("31 characters") << QString(31, QLatin1Char('a'));
        QTest::newRow("a character above 176") << QString(QChar(177));
    }
    void what_cannot_be_stored_is_refused() {
        QFETCH(QString, password);
        writeFile(path(), "\xB0\r\n");
        QString error;
        QVERIFY(!PasswortSchreiben(path(), password, error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(error, refusal(password));
        QCOMPARE(readFile(path()), QByteArray("\xB0\r\n"));
    }

    // The first line is one input field: leading blanks skipped, a comma ends it.
    void a_file_is_read_as_its_first_field_data() {
        QTest::addColumn<QByteArray>("file");  // none: no file, no password
        QTest::addColumn<QString>("password");
        QTest::newRow("no file") << QByteArray() << "kein";
        QTest::newRow("leading blanks") << QByteArray("  \xB0\xB1\xB2\r\n") << "abc";
        QTest::newRow("a comma ends it") << QByteArray("\xB0\xB1,\xB2\r\n") << "ab";
        QTest::newRow("LF and later lines") << QByteArray("\xB0\nxyz\n") << "a";
        // 0xA0 is whitespace to Qt but the scrambled 'Q'.
        QTest::newRow("Q at both ends") << QByteArray("\xA0\xB0\xA0") << "QaQ";
    }
    void a_file_is_read_as_its_first_field() {
        QFETCH(QByteArray, file);
        if (!file.isNull()) writeFile(path(), file);
        const ReadResult r = PasswortLesen(path());
        QVERIFY(r.ok());
        QTEST(r.password, "password");
    }

    // Permissions do not bind the superuser; a folder in place of the file does.
    void a_file_that_cannot_serve_is_an_error_data() {
        QTest::addColumn<QByteArray>("file");  // none: a folder in its place
        QTest::newRow("a byte below 79") << QByteArray("\xB0N\xB2\r\n");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("31 characters") << QByteArray(31, '\xB0') + "\r\n";
        QTest::newRow("a folder") << QByteArray();
    }
    void a_file_that_cannot_serve_is_an_error() {
        QFETCH(QByteArray, file);
        file.isNull() ? void(QDir(folder.path()).mkdir(FileName)) : writeFile(path(), file);
        const ReadResult r = PasswortLesen(path());
        QVERIFY(!r.ok());
    }
};

QTEST_GUILESS_MAIN(TstPasswordFile)
#include "tst_password_file.moc"
