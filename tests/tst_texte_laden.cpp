#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "support/dateien.h"

#include "files/language_file.h"

// Given a language file, when it is loaded, then the text table holds its
// records as the format says, and a broken file never crashes the loader.
class TstTexteLaden : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString datei(const QByteArray& inhalt) {
        const QString pfad = dir.filePath(QStringLiteral("Texte.ger"));
        schreibe(pfad, inhalt);
        return pfad;
    }

private slots:
    void datensaetze_werden_gelesen_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<bool>("vollstaendig");
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("text");
        QTest::newRow("one line") << QByteArray("13,1\r\nKeine Verbindung\r\n0,999\r\n") << true
                                  << 13 << "Keine Verbindung";
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
        QTest::newRow("empty line")
            << QByteArray("9,2\r\n\r\ny\r\n0,999\r\n") << true << 9 << "\r\ny";
        QTest::newRow("anything after 999 is ignored")
            << QByteArray("1,1\r\na\r\n0,999\r\n2,1\r\nb\r\n") << true << 2 << "";
        QTest::newRow("index out of range is skipped")
            << QByteArray("101,1\r\nx\r\n4,1\r\nd\r\n0,999\r\n") << true << 4 << "d";
        QTest::newRow("missing end marker") << QByteArray("3,1\r\nc\r\n") << false << 3 << "c";
        QTest::newRow("count beyond 100")
            << QByteArray("3,1\r\nc\r\n4,500\r\n") << false << 3 << "c";
        QTest::newRow("count is not a number") << QByteArray("3,x\r\n") << false << 3 << "";
        QTest::newRow("cut inside a record") << QByteArray("3,2\r\nc\r\n") << false << 3 << "c";
        QTest::newRow("unterminated quote")
            << QByteArray("3,1\r\n\"c, d\r\n") << false << 3 << "c, d\r\n";
        QTest::newRow("latin-1 umlauts") << QByteArray("6,1\r\nSchnittstelle \xfc\r\n0,999\r\n")
                                         << true << 6 << "Schnittstelle ü";
    }
    void datensaetze_werden_gelesen() {
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, vollstaendig);
        QFETCH(int, nummer);
        QFETCH(QString, text);
        Texte t;
        QCOMPARE(TexteLaden(datei(inhalt), t), vollstaendig);
        QCOMPARE(t[nummer], text);
    }

    void texte_eins_bis_hundert_werden_vorher_geleert_und_null_bleibt() {
        Texte t;
        t.eintrag[0] = QStringLiteral("null");
        t.eintrag[50] = QStringLiteral("alt");
        QVERIFY(TexteLaden(datei("1,1\r\nneu\r\n0,999\r\n"), t));
        QCOMPARE(t[0], QStringLiteral("null"));
        QCOMPARE(t[50], QString());
        QCOMPARE(t[1], QStringLiteral("neu"));
    }

    void eine_fehlende_datei_wird_gemeldet() {
        Texte t;
        QVERIFY(!TexteLaden(dir.filePath(QStringLiteral("gibtsnicht")), t));
    }

    void die_ausgelieferten_dateien_haben_jeden_benutzten_text_data() {
        QTest::addColumn<QString>("datei");
        QTest::newRow("German") << "Texte.ger";
        QTest::newRow("English") << "Texte.eng";
        QTest::newRow("French") << "Texte.fra";
    }
    void die_ausgelieferten_dateien_haben_jeden_benutzten_text() {
        QFETCH(QString, datei);
        Texte t;
        QVERIFY(TexteLaden(QStringLiteral(ORBIS_DATA "/") + datei, t));
        const int benutzt[] = {3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 17, 18, 19,
                               21, 22, 26, 27, 28, 29, 30, 31, 32, 33, 34, 39, 40, 41, 42,
                               43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 55, 56, 60, 64, 80};
        for (int n : benutzt)
            QVERIFY2(!t[n].isEmpty(), qPrintable(QString::number(n)));
    }
};

QTEST_GUILESS_MAIN(TstTexteLaden)
#include "tst_texte_laden.moc"
