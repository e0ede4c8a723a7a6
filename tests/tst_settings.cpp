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
    // A factor keeps its fraction; the period is the decimal point.
    void eight_rows_are_written_with_crlf() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Q_orbis.CON"));
        const Settings e{"Com4", 4, "LPT1", "Deutsch", {"lb/h", 0.45359237, "(-)", "Luft"}};
        QVERIFY(settingsFile::write(path, e));
        QCOMPARE(
            readFile(path),
            QByteArray("Com4\r\n4\r\nLPT1\r\nDeutsch\r\nlb/h\r\n0.45359237\r\n(-)\r\nLuft\r\n"));
        const Settings readBack = settingsFile::read(path);
        QCOMPARE(readBack.PortName, e.PortName);
        QCOMPARE(readBack.PortNumber, 4);
        QCOMPARE(readBack.unit.Umrechnungsfaktor, 0.45359237);
        QCOMPARE(readBack.unit.Gasart, QStringLiteral("Luft"));
    }

    void reader_is_lenient_data() {
        QTest::addColumn<QByteArray>("content");  // none: no file
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
        QTest::newRow("empty file") << QByteArray("") << "" << 0 << "" << 0.0 << "";
        QTest::newRow("no file") << QByteArray() << "" << 0 << "" << 0.0 << "";
        QTest::newRow("LF only") << QByteArray("Com5\n5\nLPT1\nFranzoesisch\nkg/h\n1\n\nLuft\n")
                                 << "Com5" << 5 << "Franzoesisch" << 1.0 << "Luft";
        QTest::newRow("garbage number")
            << QByteArray("ComX\r\nabc\r\n") << "ComX" << 0 << "" << 0.0 << "";
    }
    void reader_is_lenient() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const Settings e = settingsFile::read(content.isNull() ? dir.filePath("none")
                                                               : writeSettingsFile(dir, content));
        QTEST(e.PortName, "portName");
        QTEST(e.PortNumber, "portNumber");
        QTEST(e.Language, "language");
        QTEST(e.unit.Umrechnungsfaktor, "factor");
        QTEST(e.unit.Gasart, "gas");
    }
};

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
