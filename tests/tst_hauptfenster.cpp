#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>

#include "session/info_texts.h"
#include "ui/beschriftungen.h"
#include "ui/frm_nd.h"
#include "ui/hauptfenster.h"
#include "ui/tabellen.h"
#include "ui/texte_anwenden.h"

namespace {

// Labels that carry a caption; the others show values, units or pictures.
bool istBeschriftung(const QString& name, bool geraetefenster) {
    static const QStringList feste = {"lblSpracheDeutsch",
                                      "lblSpracheEnglisch",
                                      "lblSpracheFranzoesisch",
                                      "lblEinheitName",
                                      "lblEinheitFaktor",
                                      "lblGasart",
                                      "lblKopfText",
                                      "lblLampe"};
    if (feste.contains(name)) return true;
    if (!name.startsWith(QLatin1String("lblinfo_"))) return false;
    const int i = name.mid(8).toInt();
    static const QList<int> einheitenHaupt = {15, 28, 32, 94};
    static const QList<int> einheitenND = {8, 17, 20, 21, 22, 23, 24};
    return geraetefenster ? !einheitenND.contains(i) : !einheitenHaupt.contains(i) && i < 36;
}

QString beschriftungVon(QObject* o) {
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        return b->text().isEmpty() && !b->icon().isNull() ? QStringLiteral("icon") : b->text();
    if (auto* g = qobject_cast<QGroupBox*>(o)) return g->title();
    if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
    return QStringLiteral("-");
}

// Every caption the user can see in a window.
QStringList leereBeschriftungen(QWidget* wurzel, bool geraetefenster) {
    QStringList leer;
    for (QObject* o : wurzel->findChildren<QObject*>()) {
        const QString name = o->objectName();
        if (name.isEmpty() || (qobject_cast<QLabel*>(o) && !istBeschriftung(name, geraetefenster)))
            continue;
        if (qobject_cast<QTabBar*>(o->parent())) continue;  // the tab bar's own scroll buttons
        if (qobject_cast<QAbstractButton*>(o) || qobject_cast<QGroupBox*>(o) ||
            qobject_cast<QLabel*>(o))
            if (beschriftungVon(o).isEmpty()) leer << name;
    }
    for (QAction* a : wurzel->findChildren<QAction*>())
        if (!a->objectName().isEmpty() && !a->isSeparator() && a->text().isEmpty())
            leer << a->objectName();
    return leer;
}

}  // namespace

// The main window and the device data window carry every control the tool
// needs, laid out and captioned in all three languages.
class TstHauptfenster : public QObject {
    Q_OBJECT

private slots:
    void jeder_eintrag_der_beschriftungstabelle_trifft_genau_ein_element() {
        Hauptfenster f;
        for (const Beschriftung& b : beschriftungen()) {
            const QString name = QString::fromUtf8(b.name).section(QLatin1Char('#'), 0, 0);
            if (name.startsWith(QLatin1String("regkor2_"))) continue;
            QWidget* wurzel =
                qstrcmp(b.fenster, "frmND") == 0 ? static_cast<QWidget*>(&f.frmND()) : &f;
            const int treffer = int(wurzel->findChildren<QObject*>(name).size()) +
                                (wurzel->objectName() == name ? 1 : 0);
            QVERIFY2(treffer == 1, qPrintable(QStringLiteral("%1: %2").arg(name).arg(treffer)));
        }
    }

    void every_caption_is_set_in_each_language_data() {
        QTest::addColumn<int>("sprache");
        QTest::addColumn<QString>("menue");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("ueberlauf");
        QTest::newRow("German") << int(Sprache::Deutsch) << "S&prache wählen"
                                << "Konfiguration Veltrano KRN410-Q Orbis [Version 1.0.0] an COM2"
                                << "Überlauf ist aktiv";
        QTest::newRow("English") << int(Sprache::Englisch) << "s&elect language"
                                 << "Configuration Veltrano KRN410-Q Orbis [Version 1.0.0] an COM2"
                                 << "Overflow active";
        QTest::newRow("French") << int(Sprache::Franzoesisch) << "Ch&oix de la langue"
                                << "Configuration Veltrano KRN410-Q Orbis [Version 1.0.0] an COM2"
                                << "Dépassement actif";
    }
    void every_caption_is_set_in_each_language() {
        QFETCH(int, sprache);
        QFETCH(QString, menue);
        QFETCH(QString, titel);
        QFETCH(QString, ueberlauf);
        Hauptfenster f;
        TexteAnwenden(f, Sprache(sprache));
        QCOMPARE(leereBeschriftungen(&f, false).join(' '), QString());
        QCOMPARE(leereBeschriftungen(&f.frmND(), true), QStringList());
        for (int i = 0; i < 4; ++i)
            QVERIFY(!f.regkor2()->tabText(i).isEmpty());
        QVERIFY(!f.frmND().windowTitle().isEmpty());
        QCOMPARE(f.menueEintrag(Menue::mnudatei, 7)->text(), menue);
        QCOMPARE(infotexte::fenstertitel(Sprache(sprache), 2), titel);
        QCOMPARE(infotexte::ueberlaufText(Sprache(sprache), true), ueberlauf);
    }

    void die_erststartmeldung_hat_ihre_trenner() {
        const QString de = infotexte::erststart(Sprache::Deutsch).text;
        QVERIFY(
            de.startsWith(QStringLiteral("Bitte beachten !\r\n\nDefault Einstellungen sind "
                                         ":\r\n\nSchnittstelle - Com1\r\nEinheit - kg/h\r\n\n")));
        QVERIFY(de.endsWith(QStringLiteral(
            "Konfiguration <<\r\nMenüpunkt >> Einheit wählen << eine andere Einheit auszuwählen")));
        const QString fr = infotexte::erststart(Sprache::Franzoesisch).text;
        QVERIFY(
            fr.endsWith(QStringLiteral("sous menu >> choix de l'unité <<.\r\n\nchoisir veuillez "
                                       "agréer mes salutations distinguées")));
        QCOMPARE(fr.count(QStringLiteral("\r\n")), 8);
    }

    void menues_haben_ihre_eintraege_und_trenner() {
        Hauptfenster f;
        for (int i : {1, 6, 9, 12, 14})
            QVERIFY(f.menueEintrag(Menue::mnudatei, i)->isSeparator());
        for (int i : {0, 2, 3, 4, 5, 7, 8, 10, 11, 13, 15})
            QVERIFY(!f.menueEintrag(Menue::mnudatei, i)->isSeparator());
        for (int i = 0; i < 4; ++i)
            QVERIFY(f.menueEintrag(Menue::mnuhaupt, i));
        for (Menue m : {Menue::mnuverbindung, Menue::mnusicher, Menue::mnuHilfe})
            for (int i = 0; i < 2; ++i)
                QVERIFY(f.menueEintrag(m, i));
    }

    void die_raster_zeigen_ihre_koepfe_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<QStringList>("kopf");
        QTest::addColumn<QString>("ersteZeile");
        QTest::newRow("tabError") << "tabError" << 2 << QStringList{"Code", "Fehler"} << "";
        QTest::newRow("tabOF") << "tabOF" << 5 << QStringList{"Offset", "Faktor"} << "U1";
        QTest::newRow("tabDAC") << "tabDAC" << 7 << QStringList{"Counts", "Spannung  [Volt]"}
                                << "U1";
        QTest::newRow("tabStp 1") << "tabStp_1" << 16 << QStringList{"Counts", "Masse [kg/h]"}
                                  << "1";
        QTest::newRow("tabStp 2") << "tabStp_2" << 16 << QStringList{"Counts", "Masse [kg/h]"}
                                  << "16";
    }
    void die_raster_zeigen_ihre_koepfe() {
        QFETCH(QString, name);
        QFETCH(int, zeilen);
        QFETCH(QStringList, kopf);
        QFETCH(QString, ersteZeile);
        Hauptfenster f;
        auto* t = f.element<QTableWidget>(name);
        QVERIFY(t);
        QCOMPARE(t->rowCount(), zeilen);
        QCOMPARE(t->columnCount(), 3);
        QCOMPARE((QStringList{t->item(0, 1)->text(), t->item(0, 2)->text()}), kopf);
        QCOMPARE(t->item(1, 0)->text(), ersteZeile);
        QCOMPARE(t->item(1, 1)->textAlignment(), int(Qt::AlignCenter));
        QVERIFY(t->item(1, 1)->text().isEmpty());
        QVERIFY(t->rowHeight(0) > t->rowHeight(1));
    }

    void spaetere_teile_finden_ihre_steuerelemente() {
        Hauptfenster f;
        const QStringList namen = {"chkKonfAnalog_0",
                                   "chkKonfAnalog_6",
                                   "ListAnalogAus",
                                   "ListKonfErr",
                                   "ListUeberlauf",
                                   "txtKonfMEW",
                                   "txtKonfSchleich",
                                   "txtKonfMOG",
                                   "hscKonfFiltfakt",
                                   "optDigital_0",
                                   "optDigital_4",
                                   "ListFrequenz",
                                   "txtFrequenzmin",
                                   "txtFrequenzmax",
                                   "txtKonfImpWert",
                                   "hscKonfImpDauer",
                                   "ListKonfImpPol",
                                   "ListkonfSchaltPol",
                                   "txtKonfSchaltMin",
                                   "txtKonfSchaltMax",
                                   "vscrStp",
                                   "lblStpNr",
                                   "txtCounts",
                                   "txtFlow",
                                   "cmdAnders",
                                   "cmdlösch",
                                   "cmdeinf",
                                   "cmdStpSichern",
                                   "cmdDACReset",
                                   "lst_rs232",
                                   "cmdCounts",
                                   "cmdKennlinie",
                                   "cmdDruckeStp",
                                   "cmdAusdruckEEProm",
                                   "raPasswortWD",
                                   "raPasswortAna",
                                   "txtPasswortWD",
                                   "txtPasswortAna",
                                   "raEinheiten",
                                   "raEinheitenAdd",
                                   "raEinheitenloesch",
                                   "ListeEinheiten",
                                   "ListeEinheitenAnz",
                                   "ListeEinheitenloesch",
                                   "TxtEinheitFaktor",
                                   "raweiteredaten",
                                   "lblAktMW",
                                   "lblAktMW1",
                                   "lblANAOUT",
                                   "lblANAOUT1",
                                   "AnzAnalog",
                                   "AnzSignal",
                                   "Picconnect",
                                   "Picdisconnect",
                                   "Lampe",
                                   "cbCom",
                                   "optLPT_0",
                                   "optLPT_1",
                                   "ImDeutsch",
                                   "ImEng",
                                   "ImFranz",
                                   "cmdAbbruch",
                                   "raSpracheBeginn",
                                   "raKopf",
                                   "SB1_1"};
        for (const QString& n : namen)
            QVERIFY2(f.element(n), qPrintable(n));
        for (const char* n :
             {"lblNDAnalogausgang", "lblNDMew", "lblNDMog", "lblNDUL", "lblNDAusgangFehler",
              "lblNDFilterfaktor", "lblNDSchleichmenge", "lblNDFrequenz", "lblNDFrequenzmin",
              "lblNDFrequenzmax", "lblNDWertigkeit", "lblNDDauer", "lblNDImpulsPol",
              "lblNDSchaltMin", "lblNDSchaltMax", "lblNDSchaltPol", "cmdNDspeichern", "cmdNDLesen",
              "raNDImpuls"})
            QVERIFY2(f.frmND().findChild<QWidget*>(QLatin1String(n)), n);
    }
};

QTEST_MAIN(TstHauptfenster)
#include "tst_hauptfenster.moc"
