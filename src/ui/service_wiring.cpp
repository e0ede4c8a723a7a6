#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>

#include "ui/app.h"
#include "ui/frm_counts.h"
#include "ui/frm_kennlinie.h"

void App::wirePassword() {
    connect(window_.regkor2(), &QTabWidget::currentChanged, this,
            [this](int tab) { features_.password.tabChanged(tab); });
    auto* service = find<QLineEdit>("txtPasswortWD");
    auto* change = find<QLineEdit>("txtPasswortAna");
    const auto check = [this](QLineEdit* box) { features_.password.PasswortPruefen(box->text()); };
    connect(find<QAbstractButton>("cmdPasswortWDpruefen"), &QAbstractButton::clicked, this,
            [check, service] { check(service); });
    connect(service, &QLineEdit::returnPressed, this, [check, service] { check(service); });
    connect(find<QAbstractButton>("cmdPasswortAnapruefen"), &QAbstractButton::clicked, this,
            [check, change] { check(change); });
    connect(find<QAbstractButton>("cmdPasswortAnaspeichern"), &QAbstractButton::clicked, this,
            [this, change] { features_.password.storePassword(change->text()); });
    connect(find<QAbstractButton>("cmdPasswortWDspeichern"), &QAbstractButton::clicked, this,
            [this, service] { features_.password.storePassword(service->text()); });
    for (const char* cancel :
         {"cmdPasswortAbbrechen", "cmdPasswortAnaAbbrechen", "cmdPasswortDigiAbbrechen"})
        connect(find<QAbstractButton>(cancel), &QAbstractButton::clicked, this,
                [this] { features_.password.closePasswordFrame(); });
    connect(window_.menuEntry(Menu::mnudatei, 13), &QAction::triggered, this,
            [this] { features_.password.changePassword(); });
}

void App::wireSupportPoints() {
    connect(find<QScrollBar>("vscrStp"), &QScrollBar::valueChanged, this,
            [this](int p) { features_.points.selectPoint(p); });
    for (int grid = 1; grid <= 2; ++grid) {
        auto* table = find<QTableWidget>(qPrintable(QStringLiteral("tabStp_%1").arg(grid)));
        connect(table, &QTableWidget::currentCellChanged, this,
                [this, grid](int row) { features_.points.chooseRow(grid, row); });
        connect(table, &QTableWidget::cellClicked, this, [this, grid](int row, int column) {
            features_.points.pickCell(grid, row, column);
        });
    }
    const std::pair<const char*, void (SupportPoints::*)()> buttons[] = {
        {"cmdAnders", &SupportPoints::applyPoint},
        {"cmdeinf", &SupportPoints::insertPoint},
        {"cmdlösch", &SupportPoints::deletePoint}};
    for (const auto& [name, handler] : buttons)
        connect(find<QAbstractButton>(name), &QAbstractButton::clicked, this,
                [this, handler = handler] { (features_.points.*handler)(); });
    connect(find<QAbstractButton>("cmdCounts"), &QAbstractButton::clicked, this,
            [this] { features_.counts.openCountsWindow(); });
    connect(find<QAbstractButton>("cmdStpSichern"), &QAbstractButton::clicked, this,
            [this] { features_.points.writeSupportPoints(); });
    connect(find<QAbstractButton>("cmdDACReset"), &QAbstractButton::clicked, this,
            [this] { features_.calibration.calibrationReset(); });
    connect(find<QAbstractButton>("cmdKennlinie"), &QAbstractButton::clicked, this, [this] {
        if (!kennlinie_) kennlinie_ = new FrmKennlinie(&window_);
        kennlinie_->show(session_.meter,
                         features_.points.changed() ? &session_.meterAsRead() : nullptr,
                         session_.language);
    });
}

void App::wireCounts() {
    FrmCounts* counts = &window_.frmCounts();
    const auto part = [counts](const char* name) {
        return counts->findChild<QWidget*>(QLatin1String(name));
    };
    connect(static_cast<QCheckBox*>(part("chkCountsanf")), &QCheckBox::clicked, this,
            [this](bool on) { features_.counts.requestCounts(on); });
    connect(static_cast<QCheckBox*>(part("chkMittelwert")), &QCheckBox::clicked, this,
            [this](bool on) { features_.counts.startAveraging(on); });
    connect(static_cast<QLineEdit*>(part("txtMittelwerte")), &QLineEdit::textEdited, this,
            [this](const QString& t) { features_.counts.readingsTyped(t); });
    connect(counts, &QDialog::rejected, this, [this] { features_.counts.closeCountsWindow(); });
}
