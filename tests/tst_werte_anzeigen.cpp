#include <QtTest>

#include "device/eeprom_auswerten.h"
#include "device/eeprom_map.h"
#include "session/show_tables.h"
#include "session/show_units.h"
#include "session/show_values.h"
#include "support/bench.h"

Q_DECLARE_METATYPE(MeterParameters)

// Given a decoded meter, the configuration display fills labels, lists, frames and grids.
class TstWerteAnzeigen : public QObject {
    Q_OBJECT

    DisplayModel v;

    static Unit unitNamed(const QString& name) { return {name, 1.0, "(-)", "Luft"}; }
    static MeterParameters standard() {
        MeterParameters p;
        EEPromAuswerten(replyWith(images::standard()), p, unitNamed("kg/h"));
        return p;
    }

    // What the display shows instead, for each entry of `expected` (separated by "; ") it does
    // not show: "name=text" for a label, list entry ("List#2") or grid cell ("tab(1,2)"), "name@n"
    // for the entry selected in a list, "name:n" for a slider, "+name"/"-name" shown or hidden.
    QStringList differences(const QString& expected) const {
        QStringList l;
        for (const QString& e : expected.split(QStringLiteral("; "))) {
            const int at = e.indexOf(QRegularExpression(QStringLiteral("[=@:]")));
            const QString name = at < 0 ? e.mid(1) : e.left(at);
            const QChar kind = at < 0 ? QChar() : e[at];
            const QString shown = kind == '='   ? name + kind + v.text(name)
                                  : kind == '@' ? name + kind + QString::number(v.selection(name))
                                  : kind == ':' ? name + kind + QString::number(v.value(name))
                                                : (v.visible(name) ? "+" : "-") + name;
            if (shown != e) l << shown;
        }
        return l;
    }

private slots:
    void init() {
        v = DisplayModel{};
        QLocale::setDefault(QLocale::c());
    }

    void the_meter_appears_on_every_page_data() {
        QTest::addColumn<MeterParameters>("meter");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const MeterParameters& p, const QString& shown,
                            const char* unit = "kg/h", const char* failure = "") {
            QTest::newRow(name) << p << QString(unit) << QString(failure) << shown;
        };
        using M = MeterParameters;
        const auto with = [](auto M::*field, auto value) {
            M p = standard();
            p.*field = value;
            return p;
        };
        row("standard meter", standard(),
            "lblGANAOUT=4 - 20; lblKonfAnaOutAkt=4 - 20; lblKonfAnaOutNeu=4 - 20; "
            "lblNDAnalogausgang=4 - 20; lblinfo_32=mA; ListKonfErr#2=down; ListAnalogAus@1; "
            "+raImpuls; -raFrequenz; -raNDSchalt; lblPulsWert=0.1; lblNDDauer=50 ms; "
            "+PicImpPolPlus; -PicImpPolMinus; lblNDImpulsPol=Positiv; lblERR=min; "
            "+PicKonfImpPolPlusAkt; -picKonfImpPolMinusAkt; -PicKonfSchaltPolPlusAkt; "
            "-PicKonfSchaltPolMinusAkt; "
            "lblKonfULAkt=passiv; ListUeberlauf@1; lblMEW=150; lblMOG= 200; lblFILTFAKT=18; "
            "hscKonfFiltfakt:18; lblNDFilterfaktor=18 ms; lblSCHLEICH=0.5000; "
            "lblNorm=(-)  Luft; lblVersion=V3.1 R03");
        row("MEW 123.45678", with(&M::MEW, 123.45678f), "lblKonfMEWAkt=123.4568");
        row("filter near 65535", with(&M::Filterfaktor, 65534), "hscKonfFiltfakt:5000");
        row("bits 4 and 6 show min", with(&M::Analogbereich, 0x58), "lblKonfErrNeu=min");
        row("up only", with(&M::Analogbereich, 0x88), "lblKonfErrNeu=up");
        // A damping without a time constant is left empty, and the rest of the meter shown.
        const QString rest =
            "lblFILTFAKT=; lblNDFilterfaktor=; lblSCHLEICH=0.5000; lblFNr=QO24031507";
        row("filter 65535", with(&M::Filterfaktor, 65535), rest + "; hscKonfFiltfakt:5000", "kg/h",
            "Division durch Null");
        row("filter 0", with(&M::Filterfaktor, 0), rest, "kg/h",
            "Ungültiger Prozeduraufruf oder ungültiges Argument");
        // The pulse value follows the time base of the unit.
        const QString pulse =
            "lblKonfImpWertAkt=%1; lblinfo_46=%2; frmND.lblinfo_17=%2; lblinfo_15=%3";
        row("kg/min", with(&M::Impulswert, 0.0125f), pulse.arg("0.8", "kg/Puls", "kg/min"),
            "kg/min");
        row("kg/h", with(&M::Impulswert, 2.25f), pulse.arg("2.2", "kg/Puls", "kg/h"), "kg/h");
        row("g/sec", with(&M::Impulswert, 0.0001f), pulse.arg("0.4", "g/Puls", "g/sec"), "g/sec");
        row("SCFM", with(&M::Impulswert, 0.5f), pulse.arg("30", "SCFM/Puls", "SCFM"), "SCFM");
        M frequency = with(&M::Ausgangsart, 0x01 | 0x08);
        frequency.Frequenzbereich = 0;
        frequency.FrequenzMax = 2272;
        row("variable frequency", frequency,
            "+raNDFrequenzvariabel; -raNDFrequenzstandard; lblNDFrequenzmin=10; "
            "lblNDFrequenzmax=2272; -PicKonfImpPolPlusAkt; -picKonfImpPolMinusAkt; "
            "-PicKonfSchaltPolPlusAkt; -PicKonfSchaltPolMinusAkt");
        frequency.Frequenzbereich = 2;
        row("frequency 10 - 1000", frequency, "lblKonfFrequenzAkt=10 - 1000; ListFrequenz@1");
        row("switch output", with(&M::Ausgangsart, 0x02 | 0x40),
            "lblSchaltMax=120; +PicSchaltPolPlus; -PicSchaltPolMinus; lblNDSchaltPol=Positiv; "
            "+PicKonfSchaltPolPlusAkt; -PicKonfSchaltPolMinusAkt; -PicKonfImpPolPlusAkt; "
            "-picKonfImpPolMinusAkt; "
            "ListKonfErr#2=; +raSchalt; -raImpuls; -raFrequenz; lblPulsWert=");
        M points = standard();
        points.StpCounts[16] = 4000;
        points.StpFlow[16] = 12.5f;
        // Point 1 shows its 0 kg/h, there is no point 13, point 16 is on the second grid.
        row("support points and calibration", points,
            "tabStp_1(1,2)=0; tabStp_1(13,1)=; tabStp_1(13,2)=; tabStp_2(1,0)=16; "
            "tabStp_2(1,2)=12.5; tabOF(1,1)=44; tabOF(1,2)=29193; tabDAC(4,1)=511; "
            "tabDAC(4,2)=00.035001");
    }
    void the_meter_appears_on_every_page() {
        QFETCH(MeterParameters, meter);
        QFETCH(QString, unit);
        QFETCH(QString, shown);
        QTEST(WerteAnzeigen(meter, unitNamed(unit), Language::German, v).failure, "failure");
        EinheitenAnzeigen(unitNamed(unit), v);
        showSupportPoints(meter, v);
        showCalibration(meter, v);
        QCOMPARE(differences(shown), QStringList());
    }
};

QTEST_GUILESS_MAIN(TstWerteAnzeigen)
#include "tst_werte_anzeigen.moc"
