#include <QLocale>
#include <QtTest>

#include "session/show_measurement.h"
#include "support/aufzeichnung.h"

namespace {

// Ausgangsart and Analogbereich for each output kind and range.
struct Ausgang {
    int art;
    int bereich;
};
const Ausgang U05{0x02, 0x01}, U010{0x02, 0x02}, I020{0x01, 0x04}, I420{0x01, 0x08};

Geraeteparameter geraet(float mew, Ausgang a, int fehlerbit, int ueberlauf = 0) {
    Geraeteparameter p;
    p.MEW = mew;
    p.Ausgangsart = a.art;
    p.Analogbereich = a.bereich | (fehlerbit >= 0 ? 1 << (4 + fehlerbit) : 0);
    p.UeberlaufAktiv = ueberlauf;
    return p;
}

}  // namespace

// Given a counts reply and the meter's configuration, the live values show
// the measured mass, the analog output and the gauges as the technician
// reads them off the meter.
class TstMesswertAnzeigen : public QObject {
    Q_OBJECT

    LiveWerte w;
    AufzeichnendeAnzeige v;

    void zeige(int counts, const Geraeteparameter& p) {
        MesswertAnzeigen(quint8(counts >> 8), quint8(counts & 0xFF), w, p, v);
    }

private slots:
    void init() {
        w = LiveWerte{};
        v = AufzeichnendeAnzeige{};
        QLocale::setDefault(QLocale::c());
    }

    void messwert_und_seine_zwei_felder_data() {
        QTest::addColumn<float>("mew");
        QTest::addColumn<int>("counts");
        QTest::addColumn<float>("messwert");
        QTest::addColumn<QString>("vorn");
        QTest::addColumn<QString>("hinten");
        QTest::newRow("half of 100") << 100.0f << 32768 << 50.0008f << "5"
                                     << "0.00";
        QTest::newRow("zero") << 100.0f << 0 << 0.0f << ""
                              << "0";
        QTest::newRow("below 10") << 100.0f << 5000 << 7.6295f << ""
                                  << "7.63";
        QTest::newRow("52.3456") << 100.0f << 34305 << 52.3457f << "5"
                                 << "2.35";
        QTest::newRow("above 100") << 200.0f << 49919 << 152.3445f << "15"
                                   << "2.3";
        QTest::newRow("above 1000") << 2000.0f << 40000 << 1220.7156f << "12"
                                    << "20.7";
    }
    void messwert_und_seine_zwei_felder() {
        QFETCH(float, mew);
        QFETCH(int, counts);
        QFETCH(float, messwert);
        QFETCH(QString, vorn);
        QFETCH(QString, hinten);
        zeige(counts, geraet(mew, U05, -1));
        QCOMPARE(w.Messwert, messwert);
        QCOMPARE(v.text("lblAktMW"), vorn);
        QCOMPARE(v.text("lblAktMW1"), hinten);
        QVERIFY(v.protokoll.contains("lblAktMW Hintergrund #80000018"));
    }

    void hohe_counts_gelten_als_endwert_data() {
        QTest::addColumn<int>("counts");
        QTest::newRow("65533") << 65533;
        QTest::newRow("65534") << 65534;
        QTest::newRow("65535") << 65535;
    }
    void hohe_counts_gelten_als_endwert() {
        QFETCH(int, counts);
        zeige(counts, geraet(100, U05, 0));
        QCOMPARE(w.Counts, 65535);
        QCOMPARE(w.Messwert, 100.0f);
        QVERIFY(v.protokoll.contains("lblAktMW Hintergrund #ff0000"));
        QCOMPARE(v.text("AnzAnalog"), QStringLiteral("0"));
        QCOMPARE(v.text("lblAktMW"), QStringLiteral("> 100"));
    }

    void ohne_fehlerwert_bleibt_die_zahl_stehen() {
        zeige(65535, geraet(100, U05, 3));  // "up" leaves a voltage output unchanged
        QCOMPARE(v.text("lblAktMW"), QStringLiteral("10"));
        QCOMPARE(v.text("lblAktMW1"), QStringLiteral("0.0"));
        QCOMPARE(v.text("lblANAOUT1"), QStringLiteral("5.00"));
        QVERIFY(v.protokoll.contains("lblANAOUT Hintergrund #ff0000"));
    }

    void analogausgang_je_art_bereich_und_fehlerverhalten_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("bereich");
        QTest::addColumn<int>("fehler");
        QTest::addColumn<int>("ueberlauf");
        QTest::addColumn<int>("counts");
        QTest::addColumn<QString>("vorn");
        QTest::addColumn<QString>("hinten");
        QTest::addColumn<QString>("einheit");
        QTest::newRow("0-5 V half") << U05.art << U05.bereich << 0 << 0 << 32768 << ""
                                    << "2.50"
                                    << "Volt";
        QTest::newRow("0-10 V, 75 %") << U010.art << U010.bereich << 0 << 0 << 49151 << ""
                                      << "7.50"
                                      << "Volt";
        QTest::newRow("0-20 mA, 3/4") << I020.art << I020.bereich << 0 << 0 << 49151 << "1"
                                      << "5.00"
                                      << "mA";
        QTest::newRow("4-20 mA, zero flow") << I420.art << I420.bereich << 0 << 0 << 0 << ""
                                            << "4.00"
                                            << "mA";
        QTest::newRow("4-20 mA half") << I420.art << I420.bereich << 0 << 0 << 32768 << "1"
                                      << "2.00"
                                      << "mA";
        QTest::newRow("0-5 V zero") << U05.art << U05.bereich << 0 << 0 << 0 << ""
                                    << "0"
                                    << "Volt";
        QTest::newRow("full, min, 4-20") << I420.art << I420.bereich << 0 << 0 << 65535 << ""
                                         << "4"
                                         << "mA";
        QTest::newRow("full, min, 0-10") << U010.art << U010.bereich << 0 << 0 << 65535 << ""
                                         << "0"
                                         << "Volt";
        QTest::newRow("full, max, 0-5") << U05.art << U05.bereich << 1 << 0 << 65535 << ""
                                        << "5"
                                        << "Volt";
        QTest::newRow("full, max, 0-5, overflow") << U05.art << U05.bereich << 1 << 1 << 65535 << ""
                                                  << "5.5"
                                                  << "Volt";
        QTest::newRow("full, max, 0-10, overflow")
            << U010.art << U010.bereich << 1 << 1 << 65535 << ""
            << "11"
            << "Volt";
        QTest::newRow("full, max, 0-20") << I020.art << I020.bereich << 1 << 0 << 65535 << ""
                                         << "20"
                                         << "mA";
        QTest::newRow("full, max, 4-20, overflow")
            << I420.art << I420.bereich << 1 << 1 << 65535 << ""
            << "22"
            << "mA";
        QTest::newRow("full, up, 0-20") << I020.art << I020.bereich << 3 << 0 << 65535 << ""
                                        << "> 22"
                                        << "mA";
        QTest::newRow("full, down, 4-20") << I420.art << I420.bereich << 2 << 0 << 65535 << ""
                                          << "< 3.5"
                                          << "mA";
        QTest::newRow("full, down, 0-20 unchanged")
            << I020.art << I020.bereich << 2 << 0 << 65535 << "2"
            << "0.00"
            << "mA";
    }
    void analogausgang_je_art_bereich_und_fehlerverhalten() {
        QFETCH(int, art);
        QFETCH(int, bereich);
        QFETCH(int, fehler);
        QFETCH(int, ueberlauf);
        QFETCH(int, counts);
        QFETCH(QString, vorn);
        QFETCH(QString, hinten);
        QFETCH(QString, einheit);
        zeige(counts, geraet(100, Ausgang{art, bereich}, fehler, ueberlauf));
        QCOMPARE(v.text("lblANAOUT"), vorn);
        QCOMPARE(v.text("lblANAOUT1"), hinten);
        QCOMPARE(v.text("lblinfo_50"), einheit);
    }

    void ueberlauf_skaliert_auf_110_prozent() {
        zeige(32768, geraet(100, U05, 0, 1));
        QCOMPARE(w.Messwert, 55.0008f);
        QCOMPARE(v.text("AnzAnalog"), QStringLiteral("55"));
        zeige(65535, geraet(100, U05, 0, 1));
        QCOMPARE(v.text("lblAktMW"), QStringLiteral("> 110"));
    }

    void der_schaltausgang_fuellt_seinen_balken() {
        Geraeteparameter p = geraet(100, I420, 0);
        p.Ausgangsart |= 0x40;
        zeige(16384, p);
        QCOMPARE(v.text("AnzSignal"), QStringLiteral("25"));
        p.Ausgangsart = 0x01 | 0x04 | 0x10;
        v = AufzeichnendeAnzeige{};
        zeige(16384, p);
        QCOMPARE(v.text("AnzSignal"), QString());
    }

    void ein_deutscher_desktop_zeigt_kommas() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        zeige(32768, geraet(100, U05, -1));
        QCOMPARE(v.text("lblAktMW1"), QStringLiteral("0,00"));
        QCOMPARE(v.text("lblANAOUT1"), QStringLiteral("2,50"));
    }

    void minimum_und_maximum_der_counts() {
        const Geraeteparameter p = geraet(100, U05, 0);
        for (int c : {500, 100, 900})
            zeige(c, p);
        QCOMPARE(w.CountsMin, 100);
        QCOMPARE(w.CountsMax, 900);
    }

    void ohne_messbereich_bleibt_alles_endlich() {
        zeige(30000, geraet(0, I420, 0));
        QCOMPARE(w.Messwert, 0.0f);
        QCOMPARE(v.text("AnzAnalog"), QStringLiteral("0"));
    }

    void rohe_counts_gehen_ins_countsfenster() {
        w.CountsanfAktiv = true;
        zeige(1234, geraet(100, U05, 0));
        QCOMPARE(v.text("lblCountsanf"), QStringLiteral("1234"));
        QCOMPARE(v.text("lblAktMW1"), QString());
    }
};

QTEST_GUILESS_MAIN(TstMesswertAnzeigen)
#include "tst_messwert_anzeigen.moc"
