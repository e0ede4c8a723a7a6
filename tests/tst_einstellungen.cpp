#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "files/settings_file.h"
#include "support/dateien.h"

namespace {

QString schreibeDatei(const QTemporaryDir& dir, const QByteArray& inhalt) {
    const QString pfad = dir.filePath(QStringLiteral("Q_orbis.CON"));
    schreibe(pfad, inhalt);
    return pfad;
}

}  // namespace

// Given a settings file, when the tool reads or writes it, then the eight
// fields come and go exactly.
class TstEinstellungen : public QObject {
    Q_OBJECT

private slots:
    void geschrieben_werden_acht_zeilen_mit_crlf() {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("Q_orbis.CON"));
        Einstellungen e{
            QStringLiteral("Com4"),
            4,
            QStringLiteral("LPT1"),
            QStringLiteral("Deutsch"),
            {QStringLiteral("kg/min"), 60.0, QStringLiteral("(-)"), QStringLiteral("Luft")}};
        QVERIFY(einstellungen::schreiben(pfad, e));
        QCOMPARE(lies(pfad),
                 QByteArray("Com4\r\n4\r\nLPT1\r\nDeutsch\r\nkg/min\r\n60\r\n(-)\r\nLuft\r\n"));
        const Einstellungen zurueck = einstellungen::lesen(pfad);
        QCOMPARE(zurueck.Portname, e.Portname);
        QCOMPARE(zurueck.Portnummer, 4);
        QCOMPARE(zurueck.einheit.Umrechnungsfaktor, 60.0);
        QCOMPARE(zurueck.einheit.Gasart, QStringLiteral("Luft"));
    }

    void ein_bruchteiliger_faktor_bleibt_erhalten() {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("x.CON"));
        Einstellungen e;
        e.einheit.Umrechnungsfaktor = 0.45359237;
        QVERIFY(einstellungen::schreiben(pfad, e));
        QVERIFY(lies(pfad).contains("\r\n0.45359237\r\n"));
        QCOMPARE(einstellungen::lesen(pfad).einheit.Umrechnungsfaktor, 0.45359237);
    }

    void leser_ist_nachsichtig_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("portname");
        QTest::addColumn<int>("portnummer");
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<double>("faktor");
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
    void leser_ist_nachsichtig() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, portname);
        QFETCH(int, portnummer);
        QFETCH(QString, sprache);
        QFETCH(double, faktor);
        QFETCH(QString, gas);
        QTemporaryDir dir;
        const Einstellungen e = einstellungen::lesen(schreibeDatei(dir, inhalt));
        QCOMPARE(e.Portname, portname);
        QCOMPARE(e.Portnummer, portnummer);
        QCOMPARE(e.Sprache, sprache);
        QCOMPARE(e.einheit.Umrechnungsfaktor, faktor);
        QCOMPARE(e.einheit.Gasart, gas);
    }

    void eine_fehlende_datei_laesst_alles_leer() {
        const Einstellungen e = einstellungen::lesen(QStringLiteral("/nonexistent/Q_orbis.CON"));
        QCOMPARE(e.Portnummer, 0);
        QVERIFY(e.Portname.isEmpty());
        QCOMPARE(e.einheit.Umrechnungsfaktor, 0.0);
    }

    void ein_fehlgeschlagenes_schreiben_meldet_sich() {
        QVERIFY(!einstellungen::schreiben(QStringLiteral("/nonexistent/dir/Q_orbis.CON"),
                                          Einstellungen{}));
    }

    void kommas_sind_in_feldern_nicht_erlaubt() {
        QVERIFY(einstellungen::feldtauglich(QStringLiteral("(20 °C 1013 mbar)")));
        QVERIFY(!einstellungen::feldtauglich(QStringLiteral("(20 °C, 1013 mbar)")));
    }
};

QTEST_GUILESS_MAIN(TstEinstellungen)
#include "tst_einstellungen.moc"
