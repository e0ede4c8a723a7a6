#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "support/dateien.h"

#include "config/einheitentabelle.h"

// Given a units file, the table holds its units, and a broken file still
// leaves a unit to work in and says what was wrong.
class TstEinheitentabelle : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString datei(const QByteArray& inhalt) {
        const QString pfad = dir.filePath(QStringLiteral("UNIT.CON"));
        schreibe(pfad, inhalt);
        return pfad;
    }

private slots:
    void die_ausgelieferte_datei_hat_zwoelf_einheiten() {
        const Einheitentabelle t = EinheitenLesen(QStringLiteral(ORBIS_DATA "/UNIT.CON"));
        QVERIFY(t.probleme.isEmpty());
        QCOMPARE(t.eintraege.size(), Einheitentabelle::Eingebaut);
        QCOMPARE(t.eintraege[0].Einheit, QStringLiteral("kg/h"));
        QCOMPARE(t.eintraege[0].Umrechnungsfaktor, 1.0);
        QCOMPARE(t.eintraege[1].Umrechnungsfaktor, 60.0);
        const QStringList endungen = {"/h", "/min", "/sec", "SCFM", "SCFH", "SCFS"};
        for (const Masseinheit& e : t.eintraege) {
            QVERIFY(e.Umrechnungsfaktor > 0);
            QVERIFY2(std::any_of(endungen.begin(), endungen.end(),
                                 [&](const QString& s) { return e.Einheit.contains(s); }),
                     qPrintable(e.Einheit));
        }
        QCOMPARE(listentext(t.eintraege[7]), QStringLiteral("Nm3/h  (0 °C 1013.25 mbar)  Luft"));
    }

    void fehlerhafte_dateien_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("einheiten");
        QTest::addColumn<QString>("erste");
        QTest::addColumn<int>("problem");
        QTest::newRow("empty file")
            << QByteArray() << 1 << "kg/h" << int(Einheitenproblem::Art::OhneEnde);
        QTest::newRow("no end marker") << QByteArray("kg/h\r\n 1\r\n(-)\r\nLuft\r\n") << 1 << "kg/h"
                                       << int(Einheitenproblem::Art::OhneEnde);
        QTest::newRow("factor 0 refused")
            << QByteArray("a/h\r\n 0\r\n()\r\nx\r\nb/h\r\n 2\r\n()\r\nx\r\nEnde\r\n") << 1 << "b/h"
            << int(Einheitenproblem::Art::Faktor);
        QTest::newRow("negative factor refused")
            << QByteArray("a/h\r\n-3\r\n()\r\nx\r\nEnde\r\n") << 1 << "kg/h"
            << int(Einheitenproblem::Art::Faktor);
        QTest::newRow("factor not a number") << QByteArray("a/h\r\nabc\r\n()\r\nx\r\nEnde\r\n") << 1
                                             << "kg/h" << int(Einheitenproblem::Art::Faktor);
        QTest::newRow("cut inside a record") << QByteArray("a/h\r\n 3\r\n") << 1 << "kg/h"
                                             << int(Einheitenproblem::Art::Unvollstaendig);
    }
    void fehlerhafte_dateien() {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, einheiten);
        QFETCH(QString, erste);
        QFETCH(int, problem);
        const Einheitentabelle t = EinheitenLesen(datei(inhalt));
        QCOMPARE(t.eintraege.size(), einheiten);
        QCOMPARE(t.eintraege[0].Einheit, erste);
        QCOMPARE(t.probleme.size(), 1);
        QCOMPARE(int(t.probleme[0].art), problem);
        QVERIFY(!problemMeldung(t.probleme, Sprache::Englisch).isEmpty());
    }

    void eine_fehlende_datei_gibt_kg_h() {
        const Einheitentabelle t = EinheitenLesen(dir.filePath(QStringLiteral("gibtsnicht")));
        QCOMPARE(t.eintraege.size(), 1);
        QCOMPARE(t.eintraege[0].Umrechnungsfaktor, 1.0);
        QCOMPARE(int(t.probleme.value(0).art), int(Einheitenproblem::Art::Fehlt));
        QVERIFY(problemMeldung(t.probleme, Sprache::Deutsch)
                    .startsWith(QStringLiteral(
                        "Einheitendatei UNIT.CON:\r\nDie Datei kann nicht gelesen werden")));
    }

    void hoechstens_fuenfzig_einheiten() {
        QByteArray inhalt;
        for (int i = 0; i < 60; ++i)
            inhalt += QStringLiteral("u%1/h\r\n 1\r\n()\r\nLuft\r\n").arg(i).toLatin1();
        const Einheitentabelle t = EinheitenLesen(datei(inhalt + "Ende\r\n"));
        QCOMPARE(t.eintraege.size(), Einheitentabelle::Max);
        QCOMPARE(int(t.probleme.value(0).art), int(Einheitenproblem::Art::ZuViele));
    }
};

QTEST_GUILESS_MAIN(TstEinheitentabelle)
#include "tst_einheitentabelle.moc"
