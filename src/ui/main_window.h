#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QTabWidget>

#include "ui/menus.h"

class FrmCounts;
class FrmMdSave;
class FrmND;
class QProgressBar;

// The main window frmkor2: menus, header, the four tabs, the live values,
// the task frames and the status bar. It holds controls only; the session
// wires them to the link and the device model.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow();

    template <typename T = QWidget>
    T* element(const QString& name) const {
        return findChild<T*>(name);
    }
    // Entry `index` of a menu control array; entry i of mnuhaupt is the menu itself.
    QAction* menuEntry(Menu m, int index) const;
    QTabWidget* regkor2() const { return regkor2_; }
    QLabel* statusPanel() const { return status_; }
    // The device data window, created on first use.
    FrmND& frmND();
    FrmND* frmNDIfCreated() const { return frmND_; }
    // The counts and logging windows, created on first use.
    FrmCounts& frmCounts();
    FrmMdSave& frmMdSave();
    // One of the windows above by its objectName ("frmND", ...); null for another name.
    QWidget* subWindow(const QString& name);
    static const QStringList& subWindows();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void createMenus();
    QWidget* content();
    static QProgressBar* progressBar();

    QTabWidget* regkor2_ = nullptr;
    QLabel* status_ = nullptr;
    FrmND* frmND_ = nullptr;
    FrmCounts* frmCounts_ = nullptr;
    FrmMdSave* frmMdSave_ = nullptr;
};
