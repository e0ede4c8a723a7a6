#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "support/file_helpers.h"

#include "config/einheitentabelle.h"

// Given a units file, the table holds its units, and a broken file still
// leaves a unit to work in and says what was wrong.
class TstEinheitentabelle : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString file(const QByteArray& content) {
        const QString path = dir.filePath(QStringLiteral("UNIT.CON"));
        writeFile(path, content);
        return path;
    }

private slots:
    void the_shipped_file_has_twelve_units() {
        const Einheitentabelle t = readUnits(QStringLiteral(ORBIS_DATA "/UNIT.CON"));
        QVERIFY(t.problems.isEmpty());
        QCOMPARE(t.entries.size(), Einheitentabelle::BuiltIn);
        QCOMPARE(t.entries[0].Einheit, QStringLiteral("kg/h"));
        QCOMPARE(t.entries[0].Umrechnungsfaktor, 1.0);
        const QStringList suffixes = {"/h", "/min", "/sec", "SCFM", "SCFH", "SCFS"};
        for (const Unit& e : t.entries) {
            QVERIFY(e.Umrechnungsfaktor > 0);
            QVERIFY2(std::any_of(suffixes.begin(), suffixes.end(),
                                 [&](const QString& s) { return e.Einheit.contains(s); }),
                     qPrintable(e.Einheit));
        }
    }

    // Whatever was read stays, kg/h where nothing was, and the problem is named.
    void faulty_files_data() {
        QTest::addColumn<QByteArray>("content");  // none: no file
        QTest::addColumn<int>("problem");
        QTest::newRow("missing file") << QByteArray() << int(UnitProblem::Kind::Missing);
        QTest::newRow("empty file") << QByteArray("") << int(UnitProblem::Kind::NoEnd);
        QTest::newRow("no end marker")
            << QByteArray("kg/h\r\n 1\r\n(-)\r\nLuft\r\n") << int(UnitProblem::Kind::NoEnd);
        QTest::newRow("cut inside a record")
            << QByteArray("a/h\r\n 3\r\n") << int(UnitProblem::Kind::Incomplete);
    }
    void faulty_files() {
        QFETCH(QByteArray, content);
        const Einheitentabelle t =
            readUnits(content.isNull() ? dir.filePath("gibtsnicht") : file(content));
        QCOMPARE(t.entries.size(), 1);
        QCOMPARE(t.entries[0].Einheit, QStringLiteral("kg/h"));
        QCOMPARE(t.entries[0].Umrechnungsfaktor, 1.0);
        QCOMPARE(t.problems.size(), 1);
        QTEST(int(t.problems[0].kind), "problem");
        QVERIFY(!problemMessage(t.problems, Language::English).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstEinheitentabelle)
#include "tst_einheitentabelle.moc"
