#include <QtTest>

#include "files/config_file.h"
#include "support/bench.h"
#include "support/file_helpers.h"

// Given a configuration, when it is saved as a .use file and read again, then
// the file has its 17 lines in their text forms and gives back every value.
class TstConfigFile : public QObject {
    Q_OBJECT

private slots:
    // Without a meter the flows come from the editor; with one, from the meter.
    void the_flows_saved_follow_the_connection_data() {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<float>("mew");
        QTest::addColumn<float>("creep");
        QTest::newRow("connected") << true << 150.0f << 0.5f;
        QTest::newRow("offline") << false << 80.0f << 0.25f;
    }
    void the_flows_saved_follow_the_connection() {
        QFETCH(bool, connected);
        QFETCH(float, mew);
        QFETCH(float, creep);
        Bench b;
        b.start();
        b.session.linkState.Verbunden = connected;
        b.editAnalog([](AnalogEdit& e) {
            e.MEWNeu = 80;
            e.SchleichmengeNeu = 0.25f;
        });
        const ConfigFile c = b.features.deviceData.currentConfig();
        QCOMPARE(QList<float>({c.MEW, c.Schleichmenge}), QList<float>({mew, creep}));
        QCOMPARE(c.Daempfungszeit, 18);  // the slider's position for the meter's 62000
    }

    void reading_is_lenient_and_stops_at_the_first_bad_line_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("error");
        QTest::addColumn<float>("mew");  // line 5 as read
        const QByteArray good = configFile::text(configFile::factory(1.0));
        QTest::newRow("LF only, quoted text, .5 without its zero")
            << QByteArray(good)
                   .replace("\r\n", "\n")
                   .replace(" 100\n", " .5\n")
                   .replace("Plus", "\"Plus\"")
            << QString() << 0.5f;
        QTest::newRow("a word for a number")
            << QByteArray(good).replace(" 250 ", "abc") << "Typen unverträglich" << 100.0f;
        QTest::newRow("cut short") << good.left(30) << "Einlesen hinter Dateiende" << 100.0f;
        QTest::newRow("an integer too large")
            << QByteArray(good).replace(" 10 ", " 99999 ") << "Überlauf" << 100.0f;
    }
    void reading_is_lenient_and_stops_at_the_first_bad_line() {
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        const configFile::ReadResult r = configFile::parse(QString::fromLatin1(file));
        QCOMPARE(r.error, error);
        QTEST(r.values.MEW, "mew");
        if (r.ok()) QCOMPARE(r.values.SchaltPolaritaet, QStringLiteral("Plus"));
    }

    void saving_asks_for_the_file_and_cancel_writes_nothing_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("written");
        QTest::newRow("chosen: a three-letter extension becomes .use") << "meter.txt"
                                                                       << "meter.use";
        QTest::newRow("cancelled") << ""
                                   << "";
        QTest::newRow("pattern left as it was") << "*.use"
                                                << "";
    }
    void saving_asks_for_the_file_and_cancel_writes_nothing() {
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QTemporaryDir folder;
        Bench b;
        b.dialogs.fileNames = {
            answer.isEmpty() || answer.startsWith('*') ? answer : folder.filePath(answer)};
        b.features.deviceData.saveConfigAs();
        QCOMPARE(b.dialogs.fileQuestions.size(), 1);
        QCOMPARE(b.dialogs.fileQuestions[0].kind, FileQuestion::Save);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 written.isEmpty() ? QStringList() : QStringList{written});
        QVERIFY(b.dialogs.shownMessages.isEmpty());
    }

    // A folder that is a file cannot be written into, whoever runs the tool.
    void a_file_that_cannot_be_written_is_reported() {
        QTemporaryDir folder;
        writeFile(folder.filePath("notafolder"), "old");
        Bench b;
        QVERIFY(!b.features.deviceData.saveConfig(folder.filePath("notafolder/meter.use")));
        QCOMPARE(readFile(folder.filePath("notafolder")), QByteArray("old"));
        QCOMPARE(b.dialogs.titled().size(), 1);
        QVERIFY(b.dialogs.titled()[0].endsWith("   [Fehlernummer 75] (Fehlerbehandlung)"));
    }

    void deleting_asks_first_data() {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Yes deletes") << Answer::Yes;
        QTest::newRow("No keeps") << Answer::No;
    }
    void deleting_asks_first() {
        QFETCH(Answer, answer);
        QTemporaryDir folder;
        const QString path = folder.filePath("meter.use");
        writeFile(path, "x");
        Bench b;
        b.dialogs.fileNames = {path};
        b.dialogs.answers = {answer};
        b.features.deviceData.deleteConfig();
        QCOMPARE(b.dialogs.texts(), QStringList{"Text 33"});
        QCOMPARE(b.dialogs.shownMessages[0].buttons, Buttons::YesNo);
        QCOMPARE(QFile::exists(path), answer == Answer::No);
    }
};

QTEST_GUILESS_MAIN(TstConfigFile)
#include "tst_config_file.moc"
