#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "files/settings_file.h"
#include "support/file_helpers.h"

namespace {

QString writeSettingsFile(const QTemporaryDir& dir, const QByteArray& content) {
    const QString path = dir.filePath(QStringLiteral("Q_orbis.CON"));
    writeFile(path, content);
    return path;
}

}  // namespace

// Given a settings file, when the tool reads or writes it, then the eight
// fields come and go exactly.
class TstSettings : public QObject {
    Q_OBJECT

private slots:
    void eight_rows_are_written_with_crlf() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Q_orbis.CON"));
        Settings e{QStringLiteral("Com4"),
                   4,
                   QStringLiteral("LPT1"),
                   QStringLiteral("Deutsch"),
                   {QStringLiteral("kg/min"), 60.0, QStringLiteral("(-)"), QStringLiteral("Luft")}};
        QVERIFY(settingsFile::write(path, e));
        QCOMPARE(readFile(path),
                 QByteArray("Com4\r\n4\r\nLPT1\r\nDeutsch\r\nkg/min\r\n60\r\n(-)\r\nLuft\r\n"));
        const Settings readBack = settingsFile::read(path);
        QCOMPARE(readBack.PortName, e.PortName);
        QCOMPARE(readBack.PortNumber, 4);
        QCOMPARE(readBack.unit.Umrechnungsfaktor, 60.0);
        QCOMPARE(readBack.unit.Gasart, QStringLiteral("Luft"));
    }

    void a_fractional_factor_is_kept() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.CON"));
        Settings e;
        e.unit.Umrechnungsfaktor = 0.45359237;
        QVERIFY(settingsFile::write(path, e));
        QVERIFY(readFile(path).contains("\r\n0.45359237\r\n"));
        QCOMPARE(settingsFile::read(path).unit.Umrechnungsfaktor, 0.45359237);
    }

    void reader_is_lenient_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("portName");
        QTest::addColumn<int>("portNumber");
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("gas");
        QTest::newRow("blanks around values")
            << QByteArray("  Com2 \r\n 2 \r\nLPT2\r\n Englisch\r\nkg/h\r\n 1 \r\n\r\nLuft\r\n")
            << "Com2" << 2 << "Englisch" << 1.0 << "Luft";
        QTest::newRow("a comma ends a field")
            << QByteArray(
                   "Com3,x\r\n3,7\r\nLPT1\r\nDeutsch,Englisch\r\nkg/"
                   "h\r\n1.5,2\r\n\r\nLuft,Stickstoff\r\n")
            << "Com3" << 3 << "Deutsch" << 1.5 << "Luft";
        QTest::newRow("short file")
            << QByteArray("Com1\r\n1\r\n") << "Com1" << 1 << "" << 0.0 << "";
        QTest::newRow("empty file") << QByteArray() << "" << 0 << "" << 0.0 << "";
        QTest::newRow("LF only") << QByteArray("Com5\n5\nLPT1\nFranzoesisch\nkg/h\n1\n\nLuft\n")
                                 << "Com5" << 5 << "Franzoesisch" << 1.0 << "Luft";
        QTest::newRow("garbage number")
            << QByteArray("ComX\r\nabc\r\n") << "ComX" << 0 << "" << 0.0 << "";
    }
    void reader_is_lenient() {
        QFETCH(QByteArray, content);
        QFETCH(QString, portName);
        QFETCH(int, portNumber);
        QFETCH(QString, language);
        QFETCH(double, factor);
        QFETCH(QString, gas);
        QTemporaryDir dir;
        const Settings e = settingsFile::read(writeSettingsFile(dir, content));
        QCOMPARE(e.PortName, portName);
        QCOMPARE(e.PortNumber, portNumber);
        QCOMPARE(e.Language, language);
        QCOMPARE(e.unit.Umrechnungsfaktor, factor);
        QCOMPARE(e.unit.Gasart, gas);
    }

    void a_missing_file_leaves_everything_empty() {
        const Settings e = settingsFile::read(QStringLiteral("/nonexistent/Q_orbis.CON"));
        QCOMPARE(e.PortNumber, 0);
        QVERIFY(e.PortName.isEmpty());
        QCOMPARE(e.unit.Umrechnungsfaktor, 0.0);
    }

    void a_failed_write_reports_itself() {
        QVERIFY(!settingsFile::write(QStringLiteral("/nonexistent/dir/Q_orbis.CON"), Settings{}));
    }
};

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
