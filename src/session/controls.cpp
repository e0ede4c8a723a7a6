#include "session/controls.h"

namespace {

void enable(QVector<ControlSetting>& out, const QString& name, bool on) {
    out.append({name, ControlSetting::Enabled, on});
}

void show(QVector<ControlSetting>& out, const QString& name, bool on) {
    out.append({name, ControlSetting::Visible, on});
}

void menus(QVector<ControlSetting>& out, const ControlInputs& s) {
    // The file menu opens once a check has ended; help and security once
    // the meter was read; the connection menu always.
    enable(out, QStringLiteral("mnuhaupt_0"), s.checked || s.stepFailed);
    enable(out, QStringLiteral("mnuhaupt_1"), true);
    enable(out, QStringLiteral("mnuhaupt_2"), s.meterRead);
    enable(out, QStringLiteral("mnuhaupt_3"), s.meterRead);
    // Writing the configuration waits for something to write.
    enable(out, QStringLiteral("mnusicher_0"), s.pending() && !s.writing);
    enable(out, QStringLiteral("mnusicher_1"), s.meterRead);
    // A snapshot is written back only to a meter that answers, while nothing else runs.
    enable(out, QStringLiteral("mnusicher_2"),
           s.connected && s.meterRead && !s.writing && s.Initialisierung == 0);
    // The language can be changed while the meter answers or has not been asked yet.
    enable(out, QStringLiteral("mnudatei_7"), !s.linkDown);
}

void pages(QVector<ControlSetting>& out, const ControlInputs& s) {
    // A configuration can be prepared without a meter, so the pages open
    // after any check.
    for (int tab = 1; tab <= 3; ++tab)
        enable(out, QStringLiteral("regkor2_%1").arg(tab), s.checked);
    enable(out, QStringLiteral("frmND.cmdNDLesen"), !s.linkDown);
    enable(out, QStringLiteral("frmND.cmdNDspeichern"), s.pending() && !s.linkDown && !s.writing);
}

void frames(QVector<ControlSetting>& out, const ControlInputs& s) {
    show(out, QStringLiteral("raSpracheBeginn"), !s.languageChosen);
    show(out, QStringLiteral("raKopf"), s.languageChosen);
    show(out, QStringLiteral("raSchnittstellen"), s.task == Task::Port);
    show(out, QStringLiteral("raSprache"), s.task == Task::Language);
    show(out, QStringLiteral("raEinheiten"), s.task == Task::Units);
    show(out, QStringLiteral("raEinheitenAdd"), s.task == Task::UnitAdd);
    show(out, QStringLiteral("raEinheitenloesch"), s.task == Task::UnitDelete);
    show(out, QStringLiteral("raAktuell"),
         s.currentShown && s.task == Task::None && !s.deviceDataShown);
    show(out, QStringLiteral("frmND"), s.deviceDataShown);
    show(out, QStringLiteral("raKonfAnaOut"),
         !s.deviceDataShown && s.passwordFrame != PasswordFrame::Change);
    show(out, QStringLiteral("raDigitalAus"), !s.deviceDataShown);
    show(out, QStringLiteral("AnzAnalog"), s.liveShown);
    // A planned restart silences the meter for a while; that is not a lost link.
    show(out, QStringLiteral("Picconnect"), s.connected && !s.restarting);
    show(out, QStringLiteral("Picdisconnect"), !s.connected && !s.restarting);
    show(out, QStringLiteral("Picrestart"), s.restarting);
    show(out, QStringLiteral("lblNeustart"), s.restarting);
}

void showAll(QVector<ControlSetting>& out, std::initializer_list<const char*> names, bool on) {
    for (const char* n : names)
        show(out, QLatin1String(n), on);
}

// Each ticked option of the analog page shows its input and the new value it
// writes; the new column shows nothing a write would leave as it is.
void analogEditor(QVector<ControlSetting>& out, const ControlInputs& s) {
    static const std::initializer_list<const char*> inputs[AnalogEdit::Options] = {
        {"ListAnalogAus", "lblKonfAnaOutNeu", "lblinfo_32"},
        {"txtKonfMEW", "lblinfo_15", "lblKonfMEWNeu"},
        {"txtKonfSchleich", "lblinfo_28", "lblKonfSchleichNeu"},
        {"hscKonfFiltfakt", "lblAnZms", "lblKonfFiltFaktNeu"},
        {"ListKonfErr", "lblKonfErrNeu"},
        {"ListUeberlauf", "lblKonfULNeu"},
        {"txtKonfMOG", "lblinfo_94", "lblKonfMOGNeu"}};
    bool any = false;
    for (int i = 0; i < AnalogEdit::Options; ++i) {
        const bool ticked = s.analogTicked[size_t(i)];
        out.append({QStringLiteral("chkKonfAnalog_%1").arg(i), ControlSetting::Checked, ticked});
        showAll(out, inputs[i], ticked);
        any = any || ticked;
    }
    show(out, QStringLiteral("raKonfAnaNeu"), any);
}

// The chosen kind of the digital page shows its inputs and new values, here
// and in the device data window.
void digitalEditor(QVector<ControlSetting>& out, const ControlInputs& s) {
    const int chosen = s.digitalChosen;
    static const std::initializer_list<const char*> inputs[DigitalEdit::NoOutput] = {
        {"ListFrequenz", "lblinfo_36", "lblKonfFrequenzNeu"},
        {"txtFrequenzmin", "lblinfo_37", "txtFrequenzmax", "lblinfo_38", "lblFrequenzminNeu",
         "lblFrequenzmaxNeu"},
        {"txtKonfImpWert", "lblinfo_39", "hscKonfImpDauer", "lblinfo_40", "ListKonfImpPol",
         "lblKonfImpWertNeu", "lblKonfImpDauerNeu", "pulsePolarityNew"},
        {"txtKonfSchaltMin", "lblinfo_41", "txtKonfSchaltMax", "lblinfo_42", "ListkonfSchaltPol",
         "lblKonfSchaltMinNeu", "lblKonfSchaltMaxNeu", "switchPolarityNew"}};
    static const char* const deviceDataFrames[DigitalEdit::NoOutput] = {
        "raNDFrequenzstandard", "raNDFrequenzvariabel", "raNDImpuls", "raNDSchalt"};
    for (int i = 0; i <= DigitalEdit::NoOutput; ++i)
        out.append({QStringLiteral("optDigital_%1").arg(i), ControlSetting::Checked, chosen == i});
    for (int i = 0; i < DigitalEdit::NoOutput; ++i) {
        showAll(out, inputs[i], chosen == i);
        if (chosen >= 0) show(out, QLatin1String(deviceDataFrames[i]), chosen == i);
    }
    show(out, QStringLiteral("raKonfDigiNeu"), chosen >= 0);
}

// The service page opens to the password; the upper range limit is a service setting.
void service(QVector<ControlSetting>& out, const ControlInputs& s) {
    const bool prompt = s.passwordFrame == PasswordFrame::Service,
               change = s.passwordFrame == PasswordFrame::Change;
    show(out, QStringLiteral("raPasswortWD"), prompt);
    show(out, QStringLiteral("raPasswortAna"), change);
    showAll(out, {"cmdPasswortWDpruefen", "cmdPasswortAnapruefen"}, s.passwordChecking);
    showAll(out, {"cmdPasswortWDspeichern", "cmdPasswortAnaspeichern"}, !s.passwordChecking);
    show(out, QStringLiteral("raweiteredaten"), s.serviceOpen);
    showAll(out, {"chkKonfAnalog_6", "lblKonfMOGAkt"}, s.serviceUnlocked);
    enable(out, QStringLiteral("cmdStpSichern"), s.pointsChanged && !s.writing);
}

void countsWindow(QVector<ControlSetting>& out, const ControlInputs& s, const LiveValues& l) {
    show(out, QStringLiteral("frmCounts"), s.countsWindowShown);
    show(out, QStringLiteral("frmMdSave"), s.loggingDialogShown);
    enable(out, QStringLiteral("frmCounts.raMittelwerte"), l.CountsRequestActive);
    enable(out, QStringLiteral("frmCounts.chkMittelwert"),
           l.averaging || (l.readingsGiven && l.MwAnzahl >= 2));
}

}  // namespace

QVector<ControlSetting> controlState(const ControlInputs& s, const LiveValues& l) {
    QVector<ControlSetting> out;
    menus(out, s);
    pages(out, s);
    frames(out, s);
    analogEditor(out, s);
    digitalEditor(out, s);
    service(out, s);
    countsWindow(out, s, l);
    return out;
}
