#include <QtTest>

#include "files/settings_file.h"
#include "session/port_list.h"
#include "support/file_helpers.h"

namespace {

QStringList numbers(const QVector<NumberedPort>& ports) {
    QStringList l;
    for (const auto& p : ports)
        l << QStringLiteral("%1=%2").arg(p.number).arg(p.path);
    return l;
}

const QByteArray Written = "Com4\r\n4\r\nLPT1\r\nDeutsch\r\nlb/h\r\n0.45359237\r\n(-)\r\nLuft\r\n";

}  // namespace

// Given a settings file, when the tool reads or writes it, then the eight fields come and go
// exactly; the port they name is numbered by a fixed rule from the machine's serial devices and
// the links in the ports folder.
class TstSettings : public QObject {
    Q_OBJECT

private slots:
    // A factor keeps its fraction; the period is the decimal point. The reader takes it back.
    void eight_rows_are_written_with_crlf() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Q_orbis.CON"));
        const Settings e{"Com4", 4, "LPT1", "Deutsch", {"lb/h", 0.45359237, "(-)", "Luft"}};
        QVERIFY(settingsFile::write(path, e));
        QCOMPARE(readFile(path), Written);
    }

    void reader_is_lenient_data() {
        QTest::addColumn<QByteArray>("content");  // none: no file
        QTest::addColumn<QString>("portName");
        QTest::addColumn<int>("portNumber");
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("gas");
        QTest::newRow("as written") << Written << "Com4" << 4 << "Deutsch" << 0.45359237 << "Luft";
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
        QTest::newRow("no file") << QByteArray() << "" << 0 << "" << 0.0 << "";
        QTest::newRow("LF only") << QByteArray("Com5\n5\nLPT1\nFranzoesisch\nkg/h\n1\n\nLuft\n")
                                 << "Com5" << 5 << "Franzoesisch" << 1.0 << "Luft";
        QTest::newRow("two-digit port")
            << QByteArray("Com12\r\n12\r\n") << "Com12" << 12 << "" << 0.0 << "";
        QTest::newRow("a number no port has")
            << QByteArray("Com1\r\n123456\r\n") << "Com1" << 0 << "" << 0.0 << "";
        QTest::newRow("garbage number")
            << QByteArray("ComX\r\nabc\r\n") << "ComX" << 0 << "" << 0.0 << "";
    }
    void reader_is_lenient() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Q_orbis.CON"));
        if (!content.isNull()) writeFile(path, content);
        const Settings e = settingsFile::read(path);
        QTEST(e.PortName, "portName");
        QTEST(e.PortNumber, "portNumber");
        QTEST(e.Language, "language");
        QTEST(e.unit.Umrechnungsfaktor, "factor");
        QTEST(e.unit.Gasart, "gas");
    }

    void the_rule_numbers_by_device_family_data() {
        QTest::addColumn<QStringList>("devices");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("none") << QStringList() << QStringList();
        QTest::newRow("ttyS") << QStringList{"/dev/ttyS1", "/dev/ttyS0"}
                              << QStringList{"1=/dev/ttyS0", "2=/dev/ttyS1"};
        QTest::newRow("USB and ACM") << QStringList{"/dev/ttyACM0", "/dev/ttyUSB2"}
                                     << QStringList{"103=/dev/ttyUSB2", "201=/dev/ttyACM0"};
        QTest::newRow("Raspberry")
            << QStringList{"/dev/ttyAMA0"} << QStringList{"301=/dev/ttyAMA0"};
        QTest::newRow("others in name order") << QStringList{"/dev/ttyXR1", "/dev/rfcomm0"}
                                              << QStringList{"401=/dev/rfcomm0", "402=/dev/ttyXR1"};
        QTest::newRow("Windows") << QStringList{"\\\\.\\COM3", "\\\\.\\COM12"}
                                 << QStringList{"3=\\\\.\\COM3", "12=\\\\.\\COM12"};
    }
    void the_rule_numbers_by_device_family() {
        QFETCH(QStringList, devices);
        QTEST(numbers(numberPorts(devices, QString())), "expected");
    }

    void links_in_the_ports_folder_take_precedence() {
        QTemporaryDir dir;
        // Com9 has the wrong case and there is no port 0; a dangling link is still listed.
        for (const QString link :
             {"null com1", "ptmx com7", "null Com9", "null com0", "nothing com8"})
            QFile::link("/dev/" + link.section(' ', 0, 0), dir.filePath(link.section(' ', 1)));
        // A file holding a URL names a meter behind a device server; one holding anything else
        // is opened as it is, and fails there.
        writeFile(dir.filePath("com5"), "rfc2217://10.0.0.9:2217\n");
        writeFile(dir.filePath("com6"), "ttyS4\n");
        const QStringList l = numbers(numberPorts({"/dev/ttyS0", "/dev/ttyS1"}, dir.path()));
        QCOMPARE(l, (QStringList{QStringLiteral("1=%1/com1").arg(dir.path()), "2=/dev/ttyS1",
                                 "5=rfc2217://10.0.0.9:2217",
                                 QStringLiteral("6=%1/com6").arg(dir.path()),
                                 QStringLiteral("7=%1/com7").arg(dir.path()),
                                 QStringLiteral("8=%1/com8").arg(dir.path())}));
    }
};

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
