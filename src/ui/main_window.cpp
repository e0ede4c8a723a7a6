#include "ui/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

#include "ui/building_blocks.h"
#include "ui/frm_counts.h"
#include "ui/frm_md_save.h"
#include "ui/frm_nd.h"
#include "ui/pages.h"
#include "ui/texte_anwenden.h"

namespace {

constexpr int WidthTwips = 13080;
constexpr int ProgressTwips = 3000;
constexpr int HeightTwips = 9240;

struct MenuField {
    Menu menu;
    int entries;
    QList<int> separators;
};

const MenuField MenuFields[] = {
    {Menu::mnudatei, 16, {1, 6, 9, 12, 14}},
    {Menu::mnuverbindung, 2, {}},
    {Menu::mnusicher, 3, {}},
    {Menu::mnuHilfe, 2, {}},
};

}  // namespace

MainWindow::MainWindow() {
    setObjectName(QStringLiteral("frmkor2"));
    createMenus();
    setCentralWidget(content());
    auto* statusLine = new QStatusBar;
    statusLine->setObjectName(QStringLiteral("SB1"));
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("SB1_1"));
    statusLine->addWidget(status_, 1);
    statusLine->addPermanentWidget(progressBar());
    setStatusBar(statusLine);
    // Until a language is chosen the window shows its German design captions.
    setCaptions(this, "frmkor2", Language::German);
    resize(buildingBlocks::px(WidthTwips), buildingBlocks::px(HeightTwips));
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

// The progress of a long operation, shown only while one runs.
QProgressBar* MainWindow::progressBar() {
    auto* bar = new QProgressBar;
    bar->setObjectName(QStringLiteral("SB1_2"));
    bar->setRange(0, 100);
    bar->setMinimumWidth(buildingBlocks::px(ProgressTwips));
    bar->hide();
    return bar;
}

void MainWindow::createMenus() {
    int mainIndex = 0;
    for (const MenuField& f : MenuFields) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->menuAction()->setObjectName(buildingBlocks::element("mnuhaupt", mainIndex++));
        for (int i = 0; i < f.entries; ++i) {
            QAction* a =
                f.separators.contains(i) ? menu->addSeparator() : menu->addAction(QString());
            a->setObjectName(QStringLiteral("%1_%2").arg(menuName(f.menu)).arg(i));
        }
    }
}

QWidget* MainWindow::content() {
    regkor2_ = new QTabWidget;
    regkor2_->setObjectName(QStringLiteral("regkor2"));
    for (QWidget* page :
         {pages::meterData(), pages::analogOutput(), pages::digitalOutput(), pages::service()}) {
        // The window keeps its designed size; a page larger than the screen scrolls.
        auto* role = new QScrollArea;
        role->setWidget(page);
        role->setWidgetResizable(true);
        role->setFrameShape(QFrame::NoFrame);
        regkor2_->addTab(role, QString());
    }
    auto* w = new QWidget;
    auto* l = new QVBoxLayout(w);
    l->addWidget(pages::languageAtStart());
    l->addWidget(pages::header());
    l->addWidget(regkor2_, 1);
    for (QWidget* lower : {pages::currentValues(), pages::portChoice(), pages::language(),
                           pages::units(), pages::addUnit(), pages::deleteUnit()})
        l->addWidget(lower);
    return w;
}

QAction* MainWindow::menuEntry(Menu m, int index) const {
    return findChild<QAction*>(QStringLiteral("%1_%2").arg(menuName(m)).arg(index));
}

FrmND& MainWindow::frmND() {
    if (!frmND_) frmND_ = new FrmND(this);
    return *frmND_;
}

FrmCounts& MainWindow::frmCounts() {
    if (!frmCounts_) frmCounts_ = new FrmCounts(this);
    return *frmCounts_;
}

FrmMdSave& MainWindow::frmMdSave() {
    if (!frmMdSave_) frmMdSave_ = new FrmMdSave(this);
    return *frmMdSave_;
}

const QStringList& MainWindow::subWindows() {
    static const QStringList names = {QStringLiteral("frmND"), QStringLiteral("frmCounts"),
                                      QStringLiteral("frmMdSave")};
    return names;
}

QWidget* MainWindow::subWindow(const QString& name) {
    if (name == QLatin1String("frmND")) return &frmND();
    if (name == QLatin1String("frmCounts")) return &frmCounts();
    if (name == QLatin1String("frmMdSave")) return &frmMdSave();
    return nullptr;
}

void MainWindow::closeEvent(QCloseEvent* e) {
    e->accept();
    emit closed();
}
