#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include "ui/app.h"
#include "ui/frm_nd.h"

using Area = hintTexts::Area;

namespace {

// Calls back whenever the mouse enters a control, for the status-bar hints;
// a control that cannot be used (a locked page's) has nothing to explain.
class HoverHint : public QObject {
public:
    HoverHint(QWidget* w, std::function<void()> onEnter)
        : QObject(w), control_(w), onEnter_(std::move(onEnter)) {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Enter && control_->isEnabled()) onEnter_();
        return false;
    }

private:
    QWidget* control_;
    std::function<void()> onEnter_;
};

}  // namespace

void App::wireEditors() {
    AnalogEditor& analog = features_.analog;
    DigitalEditor& digital = features_.digital;
    for (int i = 0; i < AnalogEdit::Options; ++i)
        connect(find<QAbstractButton>(qPrintable(QStringLiteral("chkKonfAnalog_%1").arg(i))),
                &QAbstractButton::clicked, this,
                [&analog, i](bool on) { analog.tickAnalog(i, on); });
    for (int i = 0; i <= DigitalEdit::NoOutput; ++i)
        connect(find<QAbstractButton>(qPrintable(QStringLiteral("optDigital_%1").arg(i))),
                &QAbstractButton::clicked, this, [&digital, i] { digital.chooseDigital(i); });
    const std::pair<const char*, std::function<void(int)>> lists[] = {
        {"ListAnalogAus", [&analog](int i) { analog.chooseAnalogOutput(i); }},
        {"ListKonfErr", [&analog](int i) { analog.chooseErrorOutput(i); }},
        {"ListUeberlauf", [&analog](int i) { analog.chooseOverflow(i); }},
        {"ListFrequenz", [&digital](int i) { digital.chooseFrequencyRange(i); }},
        {"ListKonfImpPol", [&digital](int i) { digital.choosePulsePolarity(i); }},
        {"ListkonfSchaltPol", [&digital](int i) { digital.chooseSwitchPolarity(i); }}};
    for (const auto& [name, handler] : lists)
        connect(find<QListWidget>(name), &QListWidget::currentRowChanged, this, handler);
    connect(find<QScrollBar>("hscKonfFiltfakt"), &QScrollBar::valueChanged, this,
            [&analog](int v) { analog.dampingMoved(v); });
    connect(find<QScrollBar>("hscKonfImpDauer"), &QScrollBar::valueChanged, this,
            [&digital](int v) { digital.pulseDurationMoved(v); });
    wireBoxes();
    connect(find<QAbstractButton>("cmdabbruchanalog"), &QAbstractButton::clicked, this,
            [&analog] { analog.cancelAnalog(); });
    connect(find<QAbstractButton>("cmdabbruchdigital"), &QAbstractButton::clicked, this,
            [&digital] { digital.cancelDigital(); });
    for (const char* ok : {"cmdokAnalog", "cmdokdigital"})
        connect(find<QAbstractButton>(ok), &QAbstractButton::clicked, this,
                [this] { features_.deviceData.showDeviceData(); });
}

// Each number box goes to the editor of its page.
void App::wireBoxes() {
    const auto wire = [this](std::initializer_list<Box> boxes, auto& editor) {
        for (Box b : boxes)
            connect(window_.element<QLineEdit>(boxName(b)), &QLineEdit::textEdited, this,
                    [&editor, b](const QString& t) { editor.boxChanged(b, t); });
    };
    wire({Box::MEW, Box::Schleich, Box::MOG}, features_.analog);
    wire({Box::FrequenzMin, Box::FrequenzMax, Box::ImpWert, Box::SchaltMin, Box::SchaltMax},
         features_.digital);
    wire({Box::StpCounts, Box::StpFlow}, features_.points);
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
    for (int i = 0; i < AnalogEdit::Options; ++i)
        hover(QStringLiteral("chkKonfAnalog_%1").arg(i), Area::AnalogOption, i);
    for (int i = 0; i <= DigitalEdit::NoOutput; ++i)
        hover(QStringLiteral("optDigital_%1").arg(i), Area::DigitalOption, i);
    hover(QStringLiteral("raKonfAnaOut"), Area::AnalogFrame, -1);
    hover(QStringLiteral("raDigitalAus"), Area::DigitalFrame, -1);
    hover(QStringLiteral("TxtEinheitFaktor"), Area::UnitFactor, -1);
    hover(QStringLiteral("raEinheitenAdd"), Area::UnitFrame, -1);
}
