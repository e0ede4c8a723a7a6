#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include "ui/app.h"
#include "ui/frm_nd.h"

using Box = Session::Box;
using Area = hintTexts::Area;

namespace {

// Calls back whenever the mouse enters a control, for the status-bar hints.
class HoverHint : public QObject {
public:
    HoverHint(QWidget* w, std::function<void()> onEnter)
        : QObject(w), onEnter_(std::move(onEnter)) {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Enter) onEnter_();
        return false;
    }

private:
    std::function<void()> onEnter_;
};

}  // namespace

void App::wireEditors() {
    for (int i = 0; i < EditState::AnalogOptions; ++i)
        connect(find<QAbstractButton>(qPrintable(QStringLiteral("chkKonfAnalog_%1").arg(i))),
                &QAbstractButton::clicked, this,
                [this, i](bool on) { session_.tickAnalog(i, on); });
    for (int i = 0; i <= EditState::NoOutput; ++i)
        connect(find<QAbstractButton>(qPrintable(QStringLiteral("optDigital_%1").arg(i))),
                &QAbstractButton::clicked, this, [this, i] { session_.chooseDigital(i); });
    const std::pair<const char*, void (Session::*)(int)> lists[] = {
        {"ListAnalogAus", &Session::chooseAnalogOutput},
        {"ListKonfErr", &Session::chooseErrorOutput},
        {"ListUeberlauf", &Session::chooseOverflow},
        {"ListFrequenz", &Session::chooseFrequencyRange},
        {"ListKonfImpPol", &Session::choosePulsePolarity},
        {"ListkonfSchaltPol", &Session::chooseSwitchPolarity}};
    for (const auto& [name, handler] : lists)
        connect(find<QListWidget>(name), &QListWidget::currentRowChanged, this,
                [this, handler = handler](int row) { (session_.*handler)(row); });
    connect(find<QScrollBar>("hscKonfFiltfakt"), &QScrollBar::valueChanged, this,
            [this](int v) { session_.dampingMoved(v); });
    connect(find<QScrollBar>("hscKonfImpDauer"), &QScrollBar::valueChanged, this,
            [this](int v) { session_.pulseDurationMoved(v); });
    for (Box b : {Box::MEW, Box::Schleich, Box::MOG, Box::FrequenzMin, Box::FrequenzMax,
                  Box::ImpWert, Box::SchaltMin, Box::SchaltMax, Box::StpCounts, Box::StpFlow})
        connect(window_.element<QLineEdit>(Session::boxName(b)), &QLineEdit::textEdited, this,
                [this, b](const QString& t) { session_.boxChanged(b, t); });
    const std::pair<const char*, void (Session::*)()> buttons[] = {
        {"cmdabbruchanalog", &Session::cancelAnalog},
        {"cmdabbruchdigital", &Session::cancelDigital}};
    for (const auto& [name, handler] : buttons)
        connect(find<QAbstractButton>(name), &QAbstractButton::clicked, this,
                [this, handler = handler] { (session_.*handler)(); });
    for (const char* ok : {"cmdokAnalog", "cmdokdigital"})
        connect(find<QAbstractButton>(ok), &QAbstractButton::clicked, this,
                [this] { features_.deviceData.showDeviceData(); });
}

void App::wireDeviceData() {
    using B = DeviceData::Button;
    FrmND& nd = window_.frmND();
    const std::pair<const char*, B> buttons[] = {
        {"cmdNDspeichern", B::Write}, {"cmdNDDateispeichern", B::SaveFile},
        {"cmdNDLesen", B::Read},      {"cmdNDAnalog", B::Analog},
        {"cmdNDDigital", B::Digital}, {"cmdNDAbbruch", B::Cancel}};
    for (const auto& [name, b] : buttons)
        connect(nd.findChild<QAbstractButton*>(QLatin1String(name)), &QAbstractButton::clicked,
                this, [this, b = b] { features_.deviceData.deviceDataButton(b); });
    // Closing the window is its cancel button.
    connect(&nd, &QDialog::rejected, this, [this] {
        if (features_.deviceData.shown()) features_.deviceData.deviceDataButton(B::Cancel);
    });
    connect(window_.menuEntry(Menu::mnudatei, 0), &QAction::triggered, this,
            [this] { features_.deviceData.factorySettings(); });
    connect(window_.menuEntry(Menu::mnudatei, 3), &QAction::triggered, this,
            [this] { features_.deviceData.loadConfigAs(); });
}

void App::wireHints() {
    const auto hover = [this](const QString& name, Area area, int index) {
        new HoverHint(window_.element(name),
                      [this, area, index] { session_.showHint(area, index); });
    };
    for (int i = 0; i < EditState::AnalogOptions; ++i)
        hover(QStringLiteral("chkKonfAnalog_%1").arg(i), Area::AnalogOption, i);
    for (int i = 0; i <= EditState::NoOutput; ++i)
        hover(QStringLiteral("optDigital_%1").arg(i), Area::DigitalOption, i);
    hover(QStringLiteral("raKonfAnaOut"), Area::AnalogFrame, -1);
    hover(QStringLiteral("raDigitalAus"), Area::DigitalFrame, -1);
    hover(QStringLiteral("TxtEinheitFaktor"), Area::UnitFactor, -1);
    hover(QStringLiteral("raEinheitenAdd"), Area::UnitFrame, -1);
}
