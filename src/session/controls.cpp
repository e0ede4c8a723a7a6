#include "session/controls.h"

namespace {

void enable(QVector<ControlSetting>& out, const QString& name, bool on) {
    out.append({name, ControlSetting::Enabled, on});
}

void show(QVector<ControlSetting>& out, const QString& name, bool on) {
    out.append({name, ControlSetting::Visible, on});
}

void menus(QVector<ControlSetting>& out, const SessionState& s) {
    // The file menu opens once a check has ended; help and security once
    // the meter was read; the connection menu always.
    enable(out, QStringLiteral("mnuhaupt_0"), s.checked || s.stepFailed);
    enable(out, QStringLiteral("mnuhaupt_1"), true);
    enable(out, QStringLiteral("mnuhaupt_2"), s.meterRead);
    enable(out, QStringLiteral("mnuhaupt_3"), s.meterRead);
    // Writing the configuration waits for something to write.
    enable(out, QStringLiteral("mnusicher_0"), s.pending && !s.writing);
    enable(out, QStringLiteral("mnusicher_1"), s.meterRead);
    // The language can be changed while the meter answers or has not been asked yet.
    enable(out, QStringLiteral("mnudatei_7"), !s.linkDown);
}

void pages(QVector<ControlSetting>& out, const SessionState& s) {
    // A configuration can be prepared without a meter, so the pages open
    // after any check.
    for (int tab = 1; tab <= 3; ++tab)
        enable(out, QStringLiteral("regkor2_%1").arg(tab), s.checked);
    enable(out, QStringLiteral("frmND.cmdNDLesen"), !s.linkDown);
    enable(out, QStringLiteral("frmND.cmdNDspeichern"), s.pending && !s.linkDown && !s.writing);
}

void frames(QVector<ControlSetting>& out, const SessionState& s) {
    show(out, QStringLiteral("raSpracheBeginn"), !s.languageChosen);
    show(out, QStringLiteral("raKopf"), s.languageChosen);
    show(out, QStringLiteral("raSchnittstellen"), s.task == Task::Port);
    show(out, QStringLiteral("raSprache"), s.task == Task::Language);
    show(out, QStringLiteral("raEinheiten"), s.task == Task::Units);
    show(out, QStringLiteral("raEinheitenAdd"), s.task == Task::UnitAdd);
    show(out, QStringLiteral("raEinheitenloesch"), s.task == Task::UnitDelete);
    show(out, QStringLiteral("raAktuell"), s.currentShown && s.task == Task::None);
    show(out, QStringLiteral("AnzAnalog"), s.liveShown);
    show(out, QStringLiteral("Picconnect"), s.connected);
    show(out, QStringLiteral("Picdisconnect"), !s.connected);
}

}  // namespace

QVector<ControlSetting> controlState(const SessionState& s) {
    QVector<ControlSetting> out;
    menus(out, s);
    pages(out, s);
    frames(out, s);
    return out;
}
