#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTreeView>

#include "ui/app.h"
#include "ui/frm_md_save.h"
#include "ui/frm_trend.h"

void App::wireLogging() {
    connect(window_.menuEntry(Menu::mnusicher, 1), &QAction::triggered, this,
            [this] { features_.recording.startLoggingFromMenu(); });
    FrmMdSave& dialog = window_.frmMdSave();
    const auto part = [&dialog](const char* name) {
        return dialog.findChild<QWidget*>(QLatin1String(name));
    };
    // A folder is chosen when it is selected, by a click, the arrow keys or typing its
    // name; the view only moving its current item, as when the tab key enters it, chooses none.
    QTreeView* folders = dialog.folders();
    connect(folders->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, folders](const QItemSelection& chosen) {
                if (chosen.isEmpty()) return;
                features_.recording.chooseLogFolder(static_cast<QFileSystemModel*>(folders->model())
                                                        ->filePath(chosen.indexes().constFirst()));
            });
    connect(static_cast<QLineEdit*>(part("txtDateiname")), &QLineEdit::textEdited, this,
            [this](const QString& t) { features_.recording.logNameTyped(t); });
    connect(static_cast<QLineEdit*>(part("txtInterval")), &QLineEdit::textEdited, this,
            [this](const QString& t) { features_.recording.logIntervalTyped(t); });
    connect(static_cast<QAbstractButton*>(part("cmdauf")), &QAbstractButton::clicked, this,
            [this] { features_.recording.stepInterval(true); });
    connect(static_cast<QAbstractButton*>(part("cmdab")), &QAbstractButton::clicked, this,
            [this] { features_.recording.stepInterval(false); });
    connect(static_cast<QCheckBox*>(part("chkMdSave")), &QCheckBox::clicked, this,
            [this](bool on) { features_.recording.switchLogging(on); });
    connect(static_cast<QAbstractButton*>(part("cmdMdSaveEnde")), &QAbstractButton::clicked, this,
            [this] { features_.recording.closeLoggingDialog(); });
    connect(&dialog, &QDialog::rejected, this,
            [this] { features_.recording.closeLoggingDialog(); });
}

// The trend shows what polling receives anyway; it asks the meter for nothing.
void App::wireTrend() {
    trend_ = new FrmTrend(&window_, session_.clock());
    session_.events.onMeasurement(
        [this](double seconds, float value) { trend_->addValue(seconds, value); });
    features_.recording.onLoggingChanged([this](const QString& note) { trend_->setLogging(note); });
    connect(find<QAbstractButton>("cmdTrend"), &QAbstractButton::clicked, this, [this] {
        trend_->setUnit(session_.settings.unit.Einheit);
        trend_->show();
        trend_->raise();
    });
}

void App::wireReports() {
    using R = Reports::Report;
    connect(window_.menuEntry(Menu::mnudatei, 5), &QAction::triggered, this,
            [this] { features_.reports.printReport(R::Configuration); });
    connect(find<QAbstractButton>("cmdDruckeStp"), &QAbstractButton::clicked, this,
            [this] { features_.reports.printReport(R::Service); });
    connect(find<QAbstractButton>("cmdAusdruckEEProm"), &QAbstractButton::clicked, this,
            [this] { features_.reports.printReport(R::Eeprom); });
}
