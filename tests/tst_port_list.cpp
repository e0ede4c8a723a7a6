#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "session/port_list.h"

namespace {

QStringList numbers(const QVector<NumberedPort>& ports) {
    QStringList l;
    for (const auto& p : ports)
        l << QStringLiteral("%1=%2").arg(p.number).arg(p.path);
    return l;
}

}  // namespace

// Given the serial devices of a machine and links in the ports folder, the
// tool numbers the ports by a fixed rule.
class TstPortList : public QObject {
    Q_OBJECT

private slots:
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
        const QStringList l = numbers(numberPorts({"/dev/ttyS0", "/dev/ttyS1"}, dir.path()));
        QCOMPARE(l, (QStringList{QStringLiteral("1=%1/com1").arg(dir.path()), "2=/dev/ttyS1",
                                 QStringLiteral("7=%1/com7").arg(dir.path()),
                                 QStringLiteral("8=%1/com8").arg(dir.path())}));
    }

    void port_path_finds_a_link() {
        QTemporaryDir dir;
        QFile::link(QStringLiteral("/dev/null"), dir.filePath(QStringLiteral("com42")));
        QCOMPARE(portPath(42, dir.path()), dir.filePath(QStringLiteral("com42")));
        QCOMPARE(portPath(4242, dir.path()), QString());
    }
};

QTEST_GUILESS_MAIN(TstPortList)
#include "tst_port_list.moc"
