#include <QtTest>

#include "link/requests.h"
#include "device/device_errors.h"
#include "link/protocol.h"
#include "support/bench.h"

class TstAnfragen : public QObject {
    Q_OBJECT

private slots:
    void pruefsumme_ist_das_xor_aller_bytes() {
        QCOMPARE(Pruefsumme(QByteArray()), quint8(0));
        QCOMPARE(Pruefsumme(hex("0B 00")), quint8(0x0B));
        QCOMPARE(Pruefsumme(hex("08 00 0A")), quint8(0x02));
        QCOMPARE(Pruefsumme(hex("FF 0F F0")), quint8(0x00));
    }

    void jede_anfrage_hat_ihren_rahmen_data() {
        QTest::addColumn<QByteArray>("rahmen");
        QTest::addColumn<QByteArray>("erwartet");
        QTest::newRow("connection check") << request::verbindungstest() << hex("00 00");
        QTest::newRow("cold-start reset") << request::kaltstartReset() << hex("02 00 02");
        QTest::newRow("reset after support points")
            << request::resetNachStuetzstellen() << hex("02 01 03");
        QTest::newRow("counts, flow") << request::counts(false) << hex("03 02 01");
        QTest::newRow("counts, raw") << request::counts(true) << hex("03 01 02");
        QTest::newRow("store") << request::speichern() << hex("05 05");
        QTest::newRow("byte parameter 0 = 0A")
            << request::byteSchreiben(0, 0x0A) << hex("08 00 0A 02");
        QTest::newRow("word parameter 2 = 62000")
            << request::wortSchreiben(2, 62000) << hex("09 02 F2 30 C9");
        QTest::newRow("word parameter 13 = 1000")
            << request::wortSchreiben(13, 1000) << hex("09 0D 03 E8 EF");
        QTest::newRow("float parameter 2 = 1000")
            << request::floatSchreiben(2, 1000.0f) << hex("0A 02 00 00 7A 44 36");
        QTest::newRow("dword parameter 0 = 6144")
            << request::dwordSchreiben(0, 6144) << hex("0A 00 00 18 00 00 12");
        QTest::newRow("EEPROM read") << request::eepromLesen() << hex("0B 00 0B");
        QTest::newRow("calibration configuration") << request::konfigLesen() << hex("0D 04 09");
        QTest::newRow("restore configuration")
            << request::konfigSchreiben(hex("15 18 85 00")) << hex("0E 15 18 85 00 86");
        QTest::newRow("overflow byte at 468")
            << request::eepromByte(1, 468) << hex("0F 01 01 D4 DB");
        QTest::newRow("error query") << request::fehlerstatus() << hex("12 12");
    }
    void jede_anfrage_hat_ihren_rahmen() {
        QFETCH(QByteArray, rahmen);
        QFETCH(QByteArray, erwartet);
        QCOMPARE(rahmen.toHex(' '), erwartet.toHex(' '));
        QCOMPARE(rahmen.size(), protocol::rahmenLaenge(quint8(rahmen[0])));
    }

    void stuetzstellentabelle_traegt_immer_dreissig_eintraege() {
        const QVector<request::Stuetzstelle> punkte = {{1000, 0.0f}, {0x12345, 1.0f}};
        const QByteArray r = request::stuetzstellen(2, punkte);
        QCOMPARE(r.size(), 183);
        QCOMPARE(r.left(2), hex("04 02"));
        QCOMPARE(r.mid(2, 6), hex("03 E8 00 00 00 00"));
        QCOMPARE(r.mid(8, 6), hex("23 45 00 00 80 3F"));  // only the low 16 bits of the counts
        QCOMPARE(r.mid(14, 6 * 28), QByteArray(6 * 28, '\0'));
        QCOMPARE(Pruefsumme(r), quint8(0));
    }

    void geraetefehler_haben_ihre_texte_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("4") << 4 << "AD-Wandler Fehler";
        QTest::newRow("5") << 5 << "EEPROM Checkbyte Fehler";
        QTest::newRow("6") << 6 << "EEPROM Timeout Fehler";
        QTest::newRow("16") << 16 << "EEPROM gelöscht";
        QTest::newRow("17") << 17 << "Unterspannung erkannt";
        QTest::newRow("255") << 255 << "Undefinierter Fehler";
        QTest::newRow("0") << 0 << "";
        QTest::newRow("7") << 7 << "";
    }
    void geraetefehler_haben_ihre_texte() {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(geraetefehlerText(code), text);
    }

    void antworttext_beschreibt_die_antwort_data() {
        QTest::addColumn<QByteArray>("antwort");
        QTest::addColumn<QString>("text");
        QTest::newRow("DLE") << hex("10") << "SAVE EEPROM : DLE";
        QTest::newRow("NAK") << hex("15") << "SAVE EEPROM  : NAK";
        QTest::newRow("other byte") << hex("20") << "SAVE EEPROM : not known";
        QTest::newRow("two bytes") << hex("10 04") << "SAVE EEPROM :  16 4";
        QTest::newRow("nothing") << QByteArray() << "SAVE EEPROM : ";
    }
    void antworttext_beschreibt_die_antwort() {
        QFETCH(QByteArray, antwort);
        QFETCH(QString, text);
        QCOMPARE(AntwortText(QStringLiteral("SAVE EEPROM"), antwort), text);
    }
};

QTEST_GUILESS_MAIN(TstAnfragen)
#include "tst_anfragen.moc"
