#pragma once

#include <QDialog>

class QTreeView;

// The logging dialog frmMdSave: folder, base name, interval and recording on
// or off. A folder view takes the place of separate drive and folder lists.
class FrmMdSave : public QDialog {
    Q_OBJECT

public:
    explicit FrmMdSave(QWidget* parent);
    QTreeView* folders() const { return folders_; }

private:
    QTreeView* folders_;
};
