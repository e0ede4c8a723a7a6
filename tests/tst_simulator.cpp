#include <QtTest>

#include "link/byte_order.h"
#include "device/eeprom_map.h"
#include "link/requests.h"
#include "link/protocol.h"
#include "support/bench.h"

// The simulated meter is the partner of most tests; these pin down that it
// behaves like the meter the tool expects.
class TstSimulator : public QObject {
    Q_OBJECT

    // Sends a frame and returns everything the meter answered within `zeit`.
    static QByteArray frage(Bench& p, const QByteArray& rahmen, double zeit = 1.0) {
        p.sim.port.output(rahmen);
        p.clock.vergehen(zeit);
        return p.sim.port.input();
    }

    static QByteArray eeprom(Bench& p) { return frage(p, request::eepromLesen()).mid(1); }

private slots:
    void schreiben_aendert_erst_mit_speichern_das_eeprom() {
        Bench p;
        QCOMPARE(frage(p, request::byteSchreiben(protocol::byteparam::Impulsdauer, 99)),
                 hex("10"));
        QCOMPARE(frage(p, request::wortSchreiben(protocol::wortparam::Filterfaktor, 12345)),
                 hex("10"));
        QCOMPARE(frage(p, request::floatSchreiben(protocol::floatparam::MEW, 250.0f)), hex("10"));
        QCOMPARE(quint8(eeprom(p)[adresse::Impulsdauer]), quint8(50));
        QCOMPARE(frage(p, request::speichern()), hex("10"));
        const QByteArray e = eeprom(p);
        QCOMPARE(quint8(e[adresse::Impulsdauer]), quint8(99));
        QCOMPARE(bytefolge::leseWord16(e, adresse::Filterfaktor), quint16(12345));
        QCOMPARE(bytefolge::leseFloat32(e, adresse::MEW), 250.0f);
    }

    void neustart_verwirft_ungespeicherte_aenderungen() {
        Bench p;
        frage(p, request::byteSchreiben(protocol::byteparam::Ausgangsart, 0x02));
        QCOMPARE(frage(p, request::kaltstartReset(), 5.0), QByteArray());
        frage(p, request::speichern());
        QCOMPARE(quint8(eeprom(p)[adresse::Ausgangsart]), quint8(0x15));
    }

    void wortparameter_landen_an_ihren_adressen_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("adresse");
        QTest::newRow("offset 0-5 V") << int(protocol::wortparam::OffsetU05) << 250;
        QTest::newRow("factor 0-5 V") << int(protocol::wortparam::FaktorU05) << 252;
        QTest::newRow("offset 0-10 V") << int(protocol::wortparam::OffsetU010) << 254;
        QTest::newRow("offset 0-20 mA") << int(protocol::wortparam::OffsetI020) << 258;
        QTest::newRow("factor 4-20 mA") << int(protocol::wortparam::FaktorI420) << 266;
        QTest::newRow("FrequenzMax") << int(protocol::wortparam::FrequenzMax) << 221;
        QTest::newRow("FrequenzMin") << int(protocol::wortparam::FrequenzMin) << 223;
    }
    void wortparameter_landen_an_ihren_adressen() {
        QFETCH(int, k);
        QFETCH(int, adresse);
        Bench p;
        frage(p, request::wortSchreiben(quint8(k), 0xBEEF));
        frage(p, request::speichern());
        QCOMPARE(bytefolge::leseWord16(eeprom(p), adresse), quint16(0xBEEF));
    }

    void unbekannte_parameter_und_befehle_bekommen_nak_data() {
        QTest::addColumn<QByteArray>("rahmen");
        QTest::addColumn<QByteArray>("antwort");
        QTest::newRow("byte parameter 3") << request::byteSchreiben(3, 1) << hex("15");
        QTest::newRow("bad checksum") << hex("0B 00 0C") << hex("15");
        QTest::newRow("unknown command, one NAK for the burst") << hex("7E 01 02 03") << hex("15");
        QTest::newRow("address beyond the EEPROM") << request::eepromByte(1, 512) << hex("15");
    }
    void unbekannte_parameter_und_befehle_bekommen_nak() {
        QFETCH(QByteArray, rahmen);
        QFETCH(QByteArray, antwort);
        Bench p;
        QCOMPARE(frage(p, rahmen), antwort);
        QCOMPARE(frage(p, request::verbindungstest()), hex("10"));
    }

    void direkter_eeprom_schreibzugriff_und_stuetzstellen() {
        Bench p;
        QCOMPARE(frage(p, request::eepromByte(1, adresse::Ueberlauf)), hex("10"));
        QCOMPARE(quint8(eeprom(p)[adresse::Ueberlauf]), quint8(1));
        const QVector<request::Stuetzstelle> punkte = {{100, 0.0f}, {60000, 300.0f}};
        QCOMPARE(frage(p, request::stuetzstellen(2, punkte)), hex("10"));
        QCOMPARE(frage(p, request::speichern()), hex("10"));
        const QByteArray e = eeprom(p);
        QCOMPARE(quint8(e[adresse::StpAnzahl]), quint8(2));
        QCOMPARE(bytefolge::leseWord16(e, adresse::StpErster + 6), quint16(60000));
        QCOMPARE(bytefolge::leseFloat32(e, adresse::StpErster + 8), 300.0f);
    }

    void kalibrierkonfiguration_wird_gelesen_und_zurueckgeschrieben() {
        Bench p;
        const QByteArray antwort = frage(p, request::konfigLesen());
        QCOMPARE(antwort, hex("10 0D 04 15 18 85 00"));
        const QByteArray gemerkt =
            antwort.mid(protocol::KonfigAntwortStart, protocol::KonfigBytes);
        frage(p, request::byteSchreiben(protocol::byteparam::Ausgangsart, 0x02));
        QCOMPARE(frage(p, request::konfigSchreiben(gemerkt)), hex("10"));
        QCOMPARE(p.sim.geraet.arbeitsdaten().left(4), hex("15 18 85 00"));
    }

    void fehlerstatus_meldet_den_eingestellten_code() {
        Bench p;
        p.sim.geraet.fehlercode = 17;
        QCOMPARE(frage(p, request::fehlerstatus()), hex("10 11"));
    }

    void counts_folgen_messbereich_und_ueberlauf_data() {
        QTest::addColumn<double>("kgh");
        QTest::addColumn<int>("ueberlauf");
        QTest::addColumn<int>("counts");
        QTest::newRow("half scale") << 75.0 << 0 << 32768;
        QTest::newRow("full scale") << 150.0 << 0 << 65535;
        QTest::newRow("beyond full scale") << 300.0 << 0 << 65535;
        QTest::newRow("below creep flow") << 0.4 << 0 << 0;
        QTest::newRow("with overflow") << 165.0 << 1 << 65535;
        QTest::newRow("a fifth with overflow") << 33.0 << 1 << 13107;
    }
    void counts_folgen_messbereich_und_ueberlauf() {
        QFETCH(double, kgh);
        QFETCH(int, ueberlauf);
        QFETCH(int, counts);
        Bench p;
        p.sim.geraet.profil = {Durchflussprofil::Art::Konstant, kgh};
        frage(p, request::eepromByte(quint8(ueberlauf), adresse::Ueberlauf));
        QCOMPARE(frage(p, request::counts(false)),
                 char(protocol::DLE) + bytefolge::word16(quint16(counts)));
    }

    void rohe_counts_interpolieren_die_kennlinie() {
        Bench p;
        p.sim.geraet.profil = {Durchflussprofil::Art::Konstant, 85.0};  // between 70 and 100 kg/h
        QCOMPARE(frage(p, request::counts(true)), char(protocol::DLE) + bytefolge::word16(41000));
    }

    void die_rampe_steigt_in_ihrer_periode() {
        Bench p;
        p.sim.geraet.profil = {Durchflussprofil::Art::Rampe, 150.0, 10.0};
        QCOMPARE(p.sim.geraet.durchflussKgh(5.0), 75.0);
        QCOMPARE(p.sim.geraet.durchflussKgh(12.5), 37.5);
        p.sim.geraet.profil.art = Durchflussprofil::Art::Rauschen;
        const double r = p.sim.geraet.durchflussKgh(0);
        QVERIFY(r > 100 && r < 200 && r != 150.0);
    }

    void kaltstart_braucht_zwei_resets() {
        Bench p;
        p.sim.geraet.kaltstartNoetig = true;
        QCOMPARE(frage(p, request::eepromLesen()).size(), 1);
        frage(p, request::kaltstartReset(), 4.0);
        QCOMPARE(frage(p, request::eepromLesen()).size(), 1);
        frage(p, request::kaltstartReset(), 4.0);
        QCOMPARE(frage(p, request::eepromLesen()).size(), 513);
    }

    void ein_neustartendes_geraet_antwortet_erst_danach() {
        Bench p;
        p.sim.leitung.neustartZeit = 3.0;
        QCOMPARE(frage(p, request::resetNachStuetzstellen(), 0.5), hex("10"));
        p.sim.port.output(request::counts(false));
        const double gesendet = p.clock.jetzt();
        p.clock.warteBis(
            gesendet + 10, [&] { return p.sim.port.inBufferCount() == 3; }, Ereignisse::Alle);
        QVERIFY(p.clock.jetzt() > 3.0);
        QVERIFY(p.clock.jetzt() < 3.02);
    }

    void bytes_brauchen_ihre_leitungszeit() {
        Bench p;
        p.sim.leitung.latenz = 0.010;
        p.sim.port.output(request::counts(false));
        QVector<double> ankunft;
        while (ankunft.size() < 3) {
            p.clock.warteBis(
                1.0, [&] { return p.sim.port.inBufferCount() > ankunft.size(); }, Ereignisse::Alle);
            ankunft.append(p.clock.jetzt());
        }
        const double b = Leitung::ByteZeit;
        QCOMPARE(ankunft[0], 3 * b + 0.010 + b);
        QCOMPARE(ankunft[2], 3 * b + 0.010 + 3 * b);
    }

    void jeder_rahmen_wird_mit_seiner_sendezeit_protokolliert() {
        Bench p;
        frage(p, request::verbindungstest(), 2.0);
        frage(p, request::fehlerstatus(), 1.0);
        QCOMPARE(p.frames(), (QVector<QByteArray>{hex("00 00"), hex("12 12")}));
        QCOMPARE(p.gaps(), QVector<double>{2.0});
    }

    void ein_unterbrochener_rahmen_wird_nach_einer_pause_verworfen() {
        Bench p;
        p.sim.port.output(hex("0B"));
        p.clock.vergehen(0.2);
        QCOMPARE(frage(p, request::fehlerstatus()), hex("10 00"));
    }

    void ein_verschwundener_port_laesst_sich_nicht_oeffnen_und_schweigt() {
        Bench p;
        p.sim.leitung.fehler.weg = true;
        QCOMPARE(frage(p, request::verbindungstest()), QByteArray());
        p.sim.port.schliessen();
        QCOMPARE(p.sim.port.oeffnen().fehler, PortFehler::NichtVorhanden);
    }

    void oeffnen_verwirft_alte_bytes() {
        Bench p;
        p.sim.port.liefere(hex("01 02"));
        p.sim.port.schliessen();
        QVERIFY(p.sim.port.oeffnen().ok());
        QCOMPARE(p.sim.port.inBufferCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TstSimulator)
#include "tst_simulator.moc"
