#include <QtTest>

#include "session/controls.h"

Q_DECLARE_METATYPE(ControlInputs)

namespace {

// The controls a technician relies on to tell what the tool can do next.
const QStringList Usable = {"mnuhaupt_0",          "mnuhaupt_1",  "mnuhaupt_2",  "mnuhaupt_3",
                            "mnusicher_0",         "mnusicher_1", "mnusicher_2", "mnudatei_7",
                            "regkor2_1",           "regkor2_2",   "regkor2_3",   "frmND.cmdNDLesen",
                            "frmND.cmdNDspeichern"};
const QStringList Shown = {"raSpracheBeginn", "raKopf",    "raSchnittstellen", "raSprache",
                           "raAktuell",       "AnzAnalog", "Picconnect",       "Picdisconnect"};

ControlInputs loaded() {
    ControlInputs s;
    s.PortOk = true;
    s.Startphase = true;
    s.languageChosen = true;
    return s;
}

ControlInputs started() {
    ControlInputs s = loaded();
    s.Startphase = false;
    s.checked = s.meterRead = s.connected = true;
    return s;
}

template <typename F>
ControlInputs with(ControlInputs s, F change) {
    change(s);
    return s;
}

}  // namespace

// Given a state of the session, the menus, pages, buttons and frames the
// window offers follow from that state alone.
class TstControls : public QObject {
    Q_OBJECT

private slots:
    void controls_follow_the_state_and_are_set_once_data() {
        QTest::addColumn<ControlInputs>("state");
        QTest::addColumn<QStringList>("on");  // usable or shown; every other control is not
        QTest::newRow("loaded, before any check")
            << loaded() << QStringList{"mnuhaupt_1", "mnudatei_7", "frmND.cmdNDLesen", "raKopf",
                                       "raAktuell",  "AnzAnalog",  "Picdisconnect"};
        QTest::newRow("first start, no language chosen yet")
            << with(loaded(), [](ControlInputs& s) { s.languageChosen = false; })
            << QStringList{"mnuhaupt_1", "mnudatei_7", "frmND.cmdNDLesen", "raSpracheBeginn",
                           "raAktuell",  "AnzAnalog",  "Picdisconnect"};
        QTest::newRow("port frame open at load") << with(loaded(), [](ControlInputs& s) {
            s.PortOk = false;
            s.task = Task::Port;
        }) << QStringList{"mnuhaupt_1",       "mnudatei_7", "frmND.cmdNDLesen", "raKopf",
                          "raSchnittstellen", "AnzAnalog",  "Picdisconnect"};
        QTest::newRow("start-up finished")
            << started()
            << QStringList{"mnuhaupt_0",  "mnuhaupt_1",       "mnuhaupt_2", "mnuhaupt_3",
                           "mnusicher_1", "mnudatei_7",       "regkor2_1",  "regkor2_2",
                           "regkor2_3",   "frmND.cmdNDLesen", "raKopf",     "raAktuell",
                           "AnzAnalog",   "Picconnect",       "mnusicher_2"};
        QTest::newRow("language frame open after the start-up")
            << with(started(), [](ControlInputs& s) { s.task = Task::Language; })
            << QStringList{"mnuhaupt_0",  "mnuhaupt_1",       "mnuhaupt_2", "mnuhaupt_3",
                           "mnusicher_1", "mnudatei_7",       "regkor2_1",  "regkor2_2",
                           "regkor2_3",   "frmND.cmdNDLesen", "raKopf",     "raSprache",
                           "AnzAnalog",   "Picconnect",       "mnusicher_2"};
        QTest::newRow("check found no meter") << with(loaded(), [](ControlInputs& s) {
            s.checked = s.linkDown = true;
            s.currentShown = false;
        }) << QStringList{"mnuhaupt_0", "mnuhaupt_1", "regkor2_1", "regkor2_2",
                          "regkor2_3",  "raKopf",     "AnzAnalog", "Picdisconnect"};
        QTest::newRow("link broke while polling") << with(started(), [](ControlInputs& s) {
            s.linkDown = true;
            s.connected = s.currentShown = s.liveShown = false;
        }) << QStringList{"mnuhaupt_0", "mnuhaupt_1", "mnuhaupt_2", "mnuhaupt_3", "mnusicher_1",
                          "regkor2_1",  "regkor2_2",  "regkor2_3",  "raKopf",     "Picdisconnect"};
        QTest::newRow("an edit waits to be written")
            << with(started(), [](ControlInputs& s) { s.digitalChosen = DigitalEdit::NoOutput; })
            << QStringList{"mnuhaupt_0",  "mnuhaupt_1",  "mnuhaupt_2",       "mnuhaupt_3",
                           "mnusicher_0", "mnusicher_1", "mnudatei_7",       "regkor2_1",
                           "regkor2_2",   "regkor2_3",   "frmND.cmdNDLesen", "frmND.cmdNDspeichern",
                           "raKopf",      "raAktuell",   "AnzAnalog",        "Picconnect",
                           "mnusicher_2"};
        QTest::newRow("an edit waits while the link is down")
            << with(loaded(),
                    [](ControlInputs& s) {
                        s.digitalChosen = DigitalEdit::NoOutput;
                        s.checked = s.linkDown = true;
                    })
            << QStringList{"mnuhaupt_0", "mnuhaupt_1", "mnusicher_0", "regkor2_1", "regkor2_2",
                           "regkor2_3",  "raKopf",     "raAktuell",   "AnzAnalog", "Picdisconnect"};
        QTest::newRow("a start-up step failed before the meter was read")
            << with(loaded(), [](ControlInputs& s) { s.connected = s.stepFailed = true; })
            << QStringList{"mnuhaupt_0", "mnuhaupt_1", "mnudatei_7", "frmND.cmdNDLesen",
                           "raKopf",     "raAktuell",  "AnzAnalog",  "Picconnect"};
    }
    void controls_follow_the_state_and_are_set_once() {
        QFETCH(ControlInputs, state);
        QFETCH(QStringList, on);
        QHash<QString, ControlSetting> got;
        for (const ControlSetting& c : controlState(state)) {
            if (c.kind == ControlSetting::Checked) continue;  // an option is also shown or not
            QVERIFY2(!got.contains(c.name), qPrintable(c.name + " is set twice"));
            got.insert(c.name, c);
        }
        for (const QString& name : Usable + Shown) {
            QVERIFY2(got.contains(name), qPrintable(name));
            QCOMPARE(got[name].kind,
                     Usable.contains(name) ? ControlSetting::Enabled : ControlSetting::Visible);
            QVERIFY2(got[name].on == on.contains(name), qPrintable(name));
        }
    }
};

QTEST_MAIN(TstControls)
#include "tst_controls.moc"
