#include <QtTest>

#include "files/password_file.h"
#include "support/bench.h"
#include "support/file_helpers.h"

namespace {

constexpr int OverviewPage = 0, AnalogPage = 1, ServicePage = 3;

// A started meter whose program folder holds the "Pass" file, when a password is given.
struct PasswordBench {
    explicit PasswordBench(const QString& password = QString()) {
        QString error;
        if (!password.isEmpty()) passwordFile::PasswortSchreiben(path(), password, error);
        b.start();
        b.dialogs.shownMessages.clear();
    }
    QString path() const { return b.folder.filePath(QLatin1String(passwordFile::FileName)); }
    const DisplayModel& d() const { return s.display; }
    bool masked(const QString& box) const { return d().get(box, Aspect::Masked).toBool(); }
    QString messages() const { return b.dialogs.titled().join('|'); }
    // The controls not as expected: "name" should be shown, "!name" hidden.
    QStringList misshown(const QString& names) const {
        QStringList wrong;
        for (const QString& n : names.split(' '))
            if (d().visible(n.mid(n.startsWith('!') ? 1 : 0)) == n.startsWith('!')) wrong << n;
        return wrong;
    }

    Bench b;
    Session& s = b.session;
};

}  // namespace

// Given the password file "Pass" in the program folder, a stored password reads back unchanged,
// and when the technician opens the service page or the change dialog, the page opens, asks,
// refuses or stores as the password demands; a file that cannot serve keeps the page locked.
class TstPassword : public QObject {
    Q_OBJECT

private slots:
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
        QTemporaryDir folder;
        const QString path = folder.filePath(passwordFile::FileName);
        QString error;
        QVERIFY(passwordFile::PasswortSchreiben(path, password, error));
        QTEST(readFile(path), "file");
        const passwordFile::ReadResult r = passwordFile::PasswortLesen(path);
        QVERIFY(r.ok());
        QTEST(r.password, "readBack");
        QVERIFY(!passwordFile::PasswortSchreiben(path, QString(QChar(177)), error));
        QCOMPARE(error, passwordFile::refusal(QString(QChar(177))));
        QTEST(readFile(path), "file");
    }

    // The first line is one input field: leading blanks skipped, a comma ends it. A file that
    // cannot serve is an error; permissions do not bind the superuser, a folder in its place does.
    void a_file_is_read_as_its_first_field_data() {
        QTest::addColumn<QByteArray>("file");   // none: no file; "/": a folder in its place
        QTest::addColumn<QString>("password");  // none: the file cannot serve
        QTest::newRow("no file") << QByteArray() << "kein";
        QTest::newRow("leading blanks") << QByteArray("  \xB0\xB1\xB2\r\n") << "abc";
        QTest::newRow("a comma ends it") << QByteArray("\xB0\xB1,\xB2\r\n") << "ab";
        QTest::newRow("LF and later lines") << QByteArray("\xB0\nxyz\n") << "a";
        // 0xA0 is whitespace to Qt but the scrambled 'Q'.
        QTest::newRow("Q at both ends") << QByteArray("\xA0\xB0\xA0") << "QaQ";
        QTest::newRow("a byte below 79") << QByteArray("\xB0N\xB2\r\n") << "";
        QTest::newRow("empty") << QByteArray("") << "";
        QTest::newRow("31 characters") << QByteArray(31, '\xB0') + "\r\n"
                                       << "";
        QTest::newRow("a folder") << QByteArray("/") << "";
    }
    void a_file_is_read_as_its_first_field() {
        QFETCH(QByteArray, file);
        QFETCH(QString, password);
        QTemporaryDir folder;
        const QString path = folder.filePath(passwordFile::FileName);
        if (file == "/")
            QDir(folder.path()).mkdir(passwordFile::FileName);
        else if (!file.isNull())
            writeFile(path, file);
        const passwordFile::ReadResult r = passwordFile::PasswortLesen(path);
        QCOMPARE(r.ok(), !password.isEmpty());
        if (r.ok()) QCOMPARE(r.password, password);
    }

    // An unreadable file keeps the page locked; "kein" is no password.
    void opening_the_service_page_asks_only_for_a_password_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("file");  // written in place of the password when given
        QTest::addColumn<QString>("messages");
        QTest::addColumn<QString>("shown");
        const QString open = "raweiteredaten !raPasswortWD !chkKonfAnalog_6";
        const QString asks = "!raweiteredaten raPasswortWD",
                      locked = "!raweiteredaten !raPasswortWD";
        const QByteArray none, unreadable("\xB0N\xB2\r\n");
        QTest::newRow("no Pass file") << "" << none << "" << open;
        QTest::newRow("Pass holds kein") << "kein" << none << "" << open;
        QTest::newRow("a password") << "Orbis" << none << "Text 50 (Text 51)" << asks;
        QTest::newRow("an unreadable file") << "" << unreadable << "Text 3 (Text 4)" << locked;
    }
    void opening_the_service_page_asks_only_for_a_password() {
        QFETCH(QString, password);
        QFETCH(QByteArray, file);
        PasswordBench p(password);
        if (!file.isNull()) writeFile(p.path(), file);
        p.b.features.password.tabChanged(ServicePage);
        QTEST(p.messages(), "messages");
        QFETCH(QString, shown);
        QCOMPARE(p.misshown(shown), {});
    }

    // Retry asks again on the service page, Cancel returns to the overview.
    void a_password_in_another_case_is_refused() {
        PasswordBench p("Orbis");
        p.s.display.setSelection("regkor2", ServicePage);
        p.b.features.password.tabChanged(ServicePage);
        p.b.dialogs.answers = {Answer::Retry, Answer::Cancel};
        p.s.display.put("txtPasswortWD", Aspect::Text, "orbis");
        p.b.features.password.PasswortPruefen("orbis");
        QCOMPARE(p.d().text("txtPasswortWD"), QString());
        QCOMPARE(p.misshown("raPasswortWD !raweiteredaten !chkKonfAnalog_6"), {});
        QCOMPARE(p.d().selection("regkor2"), ServicePage);
        p.b.features.password.PasswortPruefen("ORBIS");
        QCOMPARE(p.misshown("!raPasswortWD !raweiteredaten !chkKonfAnalog_6"), {});
        QCOMPARE(p.d().selection("regkor2"), OverviewPage);
        const QString refused = "Text 9 (Text 11)";
        QCOMPARE(p.messages(), "Text 50 (Text 51)|" + refused + '|' + refused);
        QCOMPARE(p.b.dialogs.shownMessages.last().buttons, Buttons::RetryCancel);
    }

    // The change dialog asks for the current password, when there is one, then
    // shows it and asks Yes/No before storing the new one.
    void the_change_dialog_stores_a_new_password_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("asked");  // Yes/No, then the dialog closes
        const QString none, orbis = "Orbis", neu = "Neu410", thirty(30, QLatin1Char('x'));
        const QString question = "Text 10 (Text 11)", tooLong = thirty + 'x';
        const QString refused =
            "Das Passwort kann nicht gespeichert werden: " + passwordFile::refusal(tooLong) +
            " (Text 11)";
        // clang-format off
        QTest::newRow("yes stores it") << orbis << neu << Answer::Yes << neu << question << true;
        QTest::newRow("no keeps the old one") << orbis << neu << Answer::No << orbis << question << true;
        QTest::newRow("empty means none") << orbis << none << Answer::Yes << "kein" << question << true;
        QTest::newRow("thirty characters, a first") << none << thirty << Answer::Yes << thirty << question << true;
        QTest::newRow("thirty-one are refused") << orbis << tooLong << Answer::Yes << orbis << refused << false;
        // clang-format on
    }
    void the_change_dialog_stores_a_new_password() {
        QFETCH(QString, current);
        QFETCH(QString, entered);
        QFETCH(Answer, answer);
        PasswordBench p(current);
        p.b.features.password.changePassword();
        QCOMPARE(p.d().selection("regkor2"), AnalogPage);
        if (!current.isEmpty()) {
            QVERIFY(p.masked("txtPasswortAna"));
            QCOMPARE(p.misshown("raPasswortAna !raKonfAnaOut !cmdPasswortAnaspeichern"), {});
            p.b.features.password.PasswortPruefen(current);
        }
        QCOMPARE(p.d().text("txtPasswortAna"), current.isEmpty() ? QString("kein") : current);
        QVERIFY(!p.masked("txtPasswortAna"));
        p.b.dialogs.answers = {answer};
        p.b.features.password.storePassword(entered);
        QTEST(passwordFile::PasswortLesen(p.path()).password, "stored");
        QTEST(p.messages(), "message");
        QFETCH(bool, asked);
        QCOMPARE(p.b.dialogs.shownMessages[0].buttons, asked ? Buttons::YesNo : Buttons::Ok);
        QCOMPARE(p.d().selection("regkor2"), asked ? OverviewPage : AnalogPage);
        QCOMPARE(p.d().visible("raPasswortAna"), !asked);
    }
};

QTEST_GUILESS_MAIN(TstPassword)
#include "tst_password.moc"
