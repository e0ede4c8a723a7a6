#include <QtTest>

#include "support/file_helpers.h"

#include "files/language_file.h"

// Given a language file, when it is loaded, then the text table holds its
// records as the format says, and a broken file never crashes the loader.
class TstTexteLaden : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString file(const QByteArray& content) {
        const QString path = dir.filePath(QStringLiteral("Texte.ger"));
        writeFile(path, content);
        return path;
    }

private slots:
    void records_are_read_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("three lines joined with CR LF")
            << QByteArray("5,3\r\na\r\nb\r\nc\r\n0,999\r\n") << true << 5 << "a\r\nb\r\nc";
        QTest::newRow("repeated index appends")
            << QByteArray("5,1\r\na\r\n5,1\r\nb\r\n0,999\r\n") << true << 5 << "a\r\nb";
        QTest::newRow("quoted comma")
            << QByteArray("7,1\r\n\"eins, zwei\"\r\n0,999\r\n") << true << 7 << "eins, zwei";
        QTest::newRow("unquoted comma splits the line")
            << QByteArray("7,2\r\neins, zwei\r\n0,999\r\n") << true << 7 << "eins\r\nzwei";
        QTest::newRow("blanks around values")
            << QByteArray("  8 , 1\r\n   Titel   \r\n0,999\r\n") << true << 8 << "Titel";
        QTest::newRow("LF line ends") << QByteArray("9,2\nx\ny\n0,999\n") << true << 9 << "x\r\ny";
        QTest::newRow("anything after 999 is ignored")
            << QByteArray("1,1\r\na\r\n0,999\r\n2,1\r\nb\r\n") << true << 2 << "";
        QTest::newRow("index out of range is skipped")
            << QByteArray("101,1\r\nx\r\n4,1\r\nd\r\n0,999\r\n") << true << 4 << "d";
        QTest::newRow("missing end marker") << QByteArray("3,1\r\nc\r\n") << false << 3 << "c";
        QTest::newRow("count beyond 100")
            << QByteArray("3,1\r\nc\r\n4,500\r\n") << false << 3 << "c";
        QTest::newRow("unterminated quote")
            << QByteArray("3,1\r\n\"c, d\r\n") << false << 3 << "c, d\r\n";
        QTest::newRow("latin-1 umlauts") << QByteArray("6,1\r\nSchnittstelle \xfc\r\n0,999\r\n")
                                         << true << 6 << "Schnittstelle ü";
    }
    void records_are_read() {
        QFETCH(QByteArray, content);
        QFETCH(int, number);
        Texte t;
        QTEST(TexteLaden(file(content), t), "complete");
        QTEST(t[number], "text");
    }

    void the_shipped_files_have_every_used_text_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("German") << "Texte.ger";
        QTest::newRow("English") << "Texte.eng";
        QTest::newRow("French") << "Texte.fra";
    }
    void the_shipped_files_have_every_used_text() {
        QFETCH(QString, file);
        Texte t;
        QVERIFY(TexteLaden(QStringLiteral(ORBIS_DATA "/") + file, t));
        const int used[] = {3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 17, 18, 19,
                            21, 22, 26, 27, 28, 29, 30, 31, 32, 33, 34, 39, 40, 41, 42,
                            43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 55, 56, 60, 64, 80};
        for (int n : used)
            QVERIFY2(!t[n].isEmpty(), qPrintable(QString::number(n)));
    }
};

QTEST_GUILESS_MAIN(TstTexteLaden)
#include "tst_texte_laden.moc"
