#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "session/port_list.h"

namespace {

QStringList nummern(const QVector<NummerierterPort>& ports) {
    QStringList l;
    for (const auto& p : ports)
        l << QStringLiteral("%1=%2").arg(p.nummer).arg(p.pfad);
    return l;
}

}  // namespace

// Given the serial devices of a machine and links in the ports folder, the
// tool numbers the ports by a fixed rule.
class TstPortliste : public QObject {
    Q_OBJECT

private slots:
    void die_regel_nummeriert_nach_geraetefamilie_data() {
        QTest::addColumn<QStringList>("geraete");
        QTest::addColumn<QStringList>("erwartet");
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
    void die_regel_nummeriert_nach_geraetefamilie() {
        QFETCH(QStringList, geraete);
        QFETCH(QStringList, erwartet);
        QCOMPARE(nummern(portsNummerieren(geraete, QString())), erwartet);
    }

    void verknuepfungen_im_ports_ordner_haben_vorrang() {
        QTemporaryDir dir;
        QFile::link(QStringLiteral("/dev/null"), dir.filePath(QStringLiteral("com1")));
        QFile::link(QStringLiteral("/dev/ptmx"), dir.filePath(QStringLiteral("com7")));
        QFile::link(QStringLiteral("/dev/null"),
                    dir.filePath(QStringLiteral("Com9")));  // wrong case: ignored
        QFile::link(QStringLiteral("/dev/null"),
                    dir.filePath(QStringLiteral("com0")));  // no port 0
        QFile::link(QStringLiteral("/dev/nothing"),
                    dir.filePath(QStringLiteral("com8")));  // dangling: still listed
        const QStringList l = nummern(portsNummerieren({"/dev/ttyS0", "/dev/ttyS1"}, dir.path()));
        QCOMPARE(l, (QStringList{QStringLiteral("1=%1/com1").arg(dir.path()), "2=/dev/ttyS1",
                                 QStringLiteral("7=%1/com7").arg(dir.path()),
                                 QStringLiteral("8=%1/com8").arg(dir.path())}));
    }

    void portpfad_findet_eine_verknuepfung() {
        QTemporaryDir dir;
        QFile::link(QStringLiteral("/dev/null"), dir.filePath(QStringLiteral("com42")));
        QCOMPARE(portPfad(42, dir.path()), dir.filePath(QStringLiteral("com42")));
        QCOMPARE(portPfad(4242, dir.path()), QString());
    }
};

QTEST_GUILESS_MAIN(TstPortliste)
#include "tst_portliste.moc"
