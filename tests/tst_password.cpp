#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "files/password_file.h"
#include "support/bench.h"
#include "support/file_helpers.h"

namespace {

constexpr int OverviewPage = 0, AnalogPage = 1, ServicePage = 3;

// A started meter whose program folder holds the "Pass" file, when a password is given.
struct PasswordBench {
    explicit PasswordBench(const QString& password = QString())
        : b(images::standard(), dir.path()) {
        QString error;
        if (!password.isEmpty()) passwordFile::PasswortSchreiben(path(), password, error);
        b.start();
        b.dialogs.shownMessages.clear();
    }
    QString path() const { return dir.filePath(QLatin1String(passwordFile::FileName)); }
    QString stored() const { return passwordFile::PasswortLesen(path()).password; }
    const DisplayModel& d() const { return b.session.display; }
    bool masked(const QString& box) const { return d().get(box, Aspect::Masked).toBool(); }
    // The messages shown, as "text (title)".
    QStringList messages() const {
        QStringList l;
        for (const ShownMessage& m : b.dialogs.shownMessages)
            l << m.text + " (" + m.title + ")";
        return l;
    }
    // The controls not as expected: "name" should be shown, "!name" hidden.
    QStringList misshown(std::initializer_list<const char*> names) const {
        QStringList wrong;
        for (const QString n : names)
            if (d().visible(n.mid(n.startsWith('!') ? 1 : 0)) == n.startsWith('!')) wrong << n;
        return wrong;
    }

    QTemporaryDir dir;
    Bench b;
};

}  // namespace

// Given the password file in the program folder, when the technician opens the service page or
// the change dialog, then the page opens, asks, refuses or stores as the password demands.
class TstPassword : public QObject {
    Q_OBJECT

private slots:
    void without_a_password_nothing_is_asked_data() {
        QTest::addColumn<QString>("password");
        QTest::newRow("no Pass file") << QString();
        QTest::newRow("Pass holds kein") << "kein";
    }
    void without_a_password_nothing_is_asked() {
        QFETCH(QString, password);
        PasswordBench p(password);
        p.b.session.tabChanged(ServicePage);
        // The upper range limit stays a matter for those who know a password.
        QCOMPARE(p.misshown({"raweiteredaten", "!raPasswortWD", "!chkKonfAnalog_6"}), {});
        QCOMPARE(p.messages(), QStringList());
    }

    void the_right_password_unlocks_the_service_page_until_the_program_ends() {
        PasswordBench p("Orbis");
        p.b.session.tabChanged(ServicePage);
        QCOMPARE(p.messages(), QStringList{"Text 50 (Text 51)"});
        QCOMPARE(p.misshown({"raPasswortWD", "cmdPasswortWDpruefen", "!cmdPasswortWDspeichern",
                             "!raweiteredaten"}),
                 {});
        QCOMPARE(p.d().text("txtPasswortWD"), QString());
        QVERIFY(p.masked("txtPasswortWD"));
        p.b.session.PasswortPruefen("Orbis");
        const QString serial = p.b.session.meter.Fertigungsnummer;
        QVERIFY(!serial.isEmpty());
        QCOMPARE(
            p.misshown({"raweiteredaten", "chkKonfAnalog_6", "lblKonfMOGAkt", "!raPasswortWD"}),
            {});
        QCOMPARE(p.d().text("raweiteredaten"), "Fertigungsnummer = " + serial);
        QCOMPARE(p.b.session.edit.StpPunkt, 1);
        QCOMPARE(p.d().text("lblStpNr"), QStringLiteral("1"));
        QVERIFY(!p.d().enabled("cmdStpSichern"));
        p.b.session.tabChanged(OverviewPage);
        p.b.session.tabChanged(ServicePage);
        QCOMPARE(p.messages().size(), 1);
        QCOMPARE(p.misshown({"raweiteredaten", "!raPasswortWD"}), {});
    }

    void a_wrong_password_is_refused_data() {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("other case, retry") << "orbis" << Answer::Retry;
        QTest::newRow("other case, cancel") << "ORBIS" << Answer::Cancel;
        QTest::newRow("nothing typed, retry") << "" << Answer::Retry;
    }
    void a_wrong_password_is_refused() {
        QFETCH(QString, entered);
        QFETCH(Answer, answer);
        PasswordBench p("Orbis");
        p.b.session.display.setSelection("regkor2", ServicePage);
        p.b.session.tabChanged(ServicePage);
        p.b.session.display.put("txtPasswortWD", Aspect::Text, entered);
        p.b.dialogs.answers = {answer};
        p.b.session.PasswortPruefen(entered);
        QCOMPARE(p.messages().last(), QStringLiteral("Text 9 (Text 11)"));
        QCOMPARE(p.b.dialogs.shownMessages.last().buttons, Buttons::RetryCancel);
        const bool retry = answer == Answer::Retry;
        QCOMPARE(p.d().visible("raPasswortWD"), retry);
        QCOMPARE(p.d().selection("regkor2"), retry ? ServicePage : OverviewPage);
        if (retry) QCOMPARE(p.d().text("txtPasswortWD"), QString());
        QCOMPARE(p.misshown({"!raweiteredaten", "!chkKonfAnalog_6"}), {});
    }

    void an_unreadable_password_file_keeps_the_page_locked_data() {
        QTest::addColumn<bool>("directory");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("Pass is a directory") << true << QByteArray();
        QTest::newRow("a byte below 79") << false << QByteArray("\xB0N\xB2\r\n");
    }
    void an_unreadable_password_file_keeps_the_page_locked() {
        QFETCH(bool, directory);
        QFETCH(QByteArray, content);
        PasswordBench p;
        if (directory)
            QVERIFY(QDir(p.dir.path()).mkdir(QLatin1String(passwordFile::FileName)));
        else
            writeFile(p.path(), content);
        p.b.session.tabChanged(ServicePage);
        QCOMPARE(p.messages(), QStringList{"Text 3 (Text 4)"});
        p.b.session.PasswortPruefen(QString());
        QCOMPARE(p.misshown({"!raPasswortWD", "!raweiteredaten", "!chkKonfAnalog_6"}), {});
    }

    // The change dialog asks for the current password, when there is one, and then shows it.
    void the_change_dialog_stores_a_new_password_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("asked");  // otherwise refused at once
        const QString none, orbis = "Orbis", neu = "Neu410", thirty(30, QLatin1Char('x'));
        QTest::newRow("yes stores it") << orbis << neu << Answer::Yes << neu << true;
        QTest::newRow("no keeps the old one") << orbis << neu << Answer::No << orbis << true;
        QTest::newRow("empty means none") << orbis << none << Answer::Yes << "kein" << true;
        QTest::newRow("a first password") << none << neu << Answer::Yes << neu << true;
        QTest::newRow("thirty characters") << none << thirty << Answer::Yes << thirty << true;
        QTest::newRow("thirty-one are refused")
            << orbis << thirty + 'x' << Answer::Yes << orbis << false;
    }
    void the_change_dialog_stores_a_new_password() {
        QFETCH(QString, current);
        QFETCH(QString, entered);
        QFETCH(Answer, answer);
        QFETCH(QString, stored);
        QFETCH(bool, asked);
        PasswordBench p(current);
        p.b.session.changePassword();
        QCOMPARE(p.d().selection("regkor2"), AnalogPage);
        QCOMPARE(p.misshown({"raPasswortAna", "!raKonfAnaOut"}), {});
        if (!current.isEmpty()) {
            QCOMPARE(p.d().text("txtPasswortAna"), QString());
            QVERIFY(p.masked("txtPasswortAna"));
            QCOMPARE(p.misshown({"cmdPasswortAnapruefen", "!cmdPasswortAnaspeichern"}), {});
            p.b.session.PasswortPruefen(current);
        }
        QCOMPARE(p.d().text("txtPasswortAna"), current.isEmpty() ? QString("kein") : current);
        QVERIFY(!p.masked("txtPasswortAna"));
        QCOMPARE(p.misshown({"cmdPasswortAnaspeichern", "!cmdPasswortAnapruefen"}), {});
        p.b.dialogs.answers = {answer};
        p.b.session.storePassword(entered);
        QCOMPARE(p.stored(), stored);
        QCOMPARE(p.messages().size(), 1);
        QVERIFY2(p.messages().first().contains(asked ? "Text 10 (Text 11)" : "30"),
                 qPrintable(p.messages().first()));
        if (!asked) return;
        QCOMPARE(p.b.dialogs.shownMessages.first().buttons, Buttons::YesNo);
        QCOMPARE(p.d().selection("regkor2"), OverviewPage);
        QCOMPARE(p.misshown({"raKonfAnaOut", "!raPasswortAna"}), {});
    }

    void leaving_the_service_page_ends_the_counts_request_data() {
        QTest::addColumn<int>("next");
        QTest::addColumn<bool>("requested");
        QTest::newRow("to the overview") << OverviewPage << false;
        QTest::newRow("to the analog page") << AnalogPage << false;
        QTest::newRow("to the digital page") << 2 << false;
        QTest::newRow("staying") << ServicePage << true;
    }
    void leaving_the_service_page_ends_the_counts_request() {
        QFETCH(int, next);
        QFETCH(bool, requested);
        PasswordBench p;
        p.b.session.tabChanged(ServicePage);
        p.b.session.requestCounts(true);
        p.b.session.tabChanged(next);
        QCOMPARE(p.b.session.live.CountsRequestActive, requested);
        QCOMPARE(p.d().get("frmCounts.chkCountsanf", Aspect::Value).toBool(), requested);
    }
};

QTEST_GUILESS_MAIN(TstPassword)
#include "tst_password.moc"
