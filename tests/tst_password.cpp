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
    const DisplayModel& d() const { return s.display; }
    bool masked(const QString& box) const { return d().get(box, Aspect::Masked).toBool(); }
    // The messages shown, as "text (title)", separated by "|".
    QString messages() const {
        QStringList l;
        for (const ShownMessage& m : b.dialogs.shownMessages)
            l << m.text + " (" + m.title + ")";
        return l.join('|');
    }
    // The controls not as expected: "name" should be shown, "!name" hidden.
    QStringList misshown(const QString& names) const {
        QStringList wrong;
        for (const QString& n : names.split(' '))
            if (d().visible(n.mid(n.startsWith('!') ? 1 : 0)) == n.startsWith('!')) wrong << n;
        return wrong;
    }

    QTemporaryDir dir;
    Bench b;
    Session& s = b.session;
};

}  // namespace

// Given the password file in the program folder, when the technician opens the service page or
// the change dialog, then the page opens, asks, refuses or stores as the password demands.
class TstPassword : public QObject {
    Q_OBJECT

private slots:
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

    void the_right_password_unlocks_the_service_page_until_the_program_ends() {
        PasswordBench p("Orbis");
        p.b.features.password.tabChanged(ServicePage);
        QVERIFY(p.masked("txtPasswortWD"));
        p.b.features.password.PasswortPruefen("Orbis");
        QCOMPARE(p.misshown("raweiteredaten chkKonfAnalog_6 !raPasswortWD"), {});
        QCOMPARE(p.d().text("raweiteredaten"), "Fertigungsnummer = " + p.s.meter.Fertigungsnummer);
        p.b.features.password.tabChanged(OverviewPage);
        p.b.features.password.tabChanged(ServicePage);
        QCOMPARE(p.messages(), "Text 50 (Text 51)");
        QCOMPARE(p.misshown("raweiteredaten !raPasswortWD"), {});
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

    void leaving_the_service_page_ends_the_counts_request() {
        PasswordBench p;
        p.b.features.password.tabChanged(ServicePage);
        p.b.features.counts.requestCounts(true);
        p.b.features.password.tabChanged(ServicePage);
        QVERIFY(p.s.live.CountsRequestActive);
        p.b.features.password.tabChanged(AnalogPage);
        QVERIFY(!p.s.live.CountsRequestActive);
        QVERIFY(!p.d().get("frmCounts.chkCountsanf", Aspect::Value).toBool());
    }
};

QTEST_GUILESS_MAIN(TstPassword)
#include "tst_password.moc"
