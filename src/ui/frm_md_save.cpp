#include "ui/frm_md_save.h"

#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/building_blocks.h"
#include "ui/texte_anwenden.h"

using namespace buildingBlocks;

namespace {

QTreeView* folderView() {
    auto* model = new QFileSystemModel;
    model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model->setRootPath(QString());
    auto* view = new QTreeView;
    view->setObjectName(QStringLiteral("DirMdSave"));
    view->setModel(model);
    model->setParent(view);
    for (int column = 1; column < model->columnCount(); ++column)
        view->hideColumn(column);
    view->header()->hide();
    return view;
}

}  // namespace

FrmMdSave::FrmMdSave(QWidget* parent) : QDialog(parent), folders_(folderView()) {
    setObjectName(QStringLiteral("frmMdSave"));
    setModal(false);
    auto* checking = caption(QStringLiteral("lblDateipruefen"));
    checking->setWordWrap(true);
    checking->hide();
    // A folder path is read from its start; it takes the dialog's whole width.
    auto* folder = display(QStringLiteral("lblMdPfad"));
    folder->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    folder->setWordWrap(true);
    auto* l = new QVBoxLayout(this);
    l->addWidget(folders_, 1);
    l->addWidget(row({caption(element("lblinfo", 0)), folder}));
    l->addLayout(grid({
        {caption(element("lblinfo", 1)), textField(QStringLiteral("txtDateiname")),
         display(QStringLiteral("lblDateiname"))},
        {caption(element("lblinfo", 2)), textField(QStringLiteral("txtInterval")),
         row({button(QStringLiteral("cmdauf")), button(QStringLiteral("cmdab"))})},
        {checkBox(QStringLiteral("chkMdSave")), caption(element("lblinfo", 3)),
         display(QStringLiteral("lblSaetze"))},
    }));
    l->addWidget(checking);
    l->addWidget(button(QStringLiteral("cmdMdSaveEnde")));
    setCaptions(this, "frmMdSave", Language::German);
}
