#include "ui/texte_anwenden.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

#include "ui/captions.h"
#include "ui/frm_nd.h"
#include "ui/main_window.h"

namespace {

void listEntry(QWidget* root, const QString& name, const QString& text) {
    const QString list = name.section(QLatin1Char('#'), 0, 0);
    const int i = name.section(QLatin1Char('#'), 1).toInt();
    if (auto* l = root->findChild<QListWidget*>(list))
        if (QListWidgetItem* e = l->item(i)) e->setText(text);
}

void tabTitle(QWidget* root, const QString& name, const QString& text) {
    if (auto* t = root->findChild<QTabWidget*>(name.section(QLatin1Char('_'), 0, 0)))
        t->setTabText(name.section(QLatin1Char('_'), 1).toInt(), text);
}

void applyCaption(QObject* o, const QString& text) {
    if (auto* a = qobject_cast<QAction*>(o))
        a->setText(text);
    else if (auto* b = qobject_cast<QAbstractButton*>(o))
        b->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(o))
        g->setTitle(text);
    else if (auto* l = qobject_cast<QLabel*>(o))
        l->setText(text);
    else if (auto* w = qobject_cast<QWidget*>(o))
        w->setWindowTitle(text);
}

}  // namespace

void setCaptions(QWidget* root, const char* window, Language s) {
    for (const Caption& b : captions()) {
        if (qstrcmp(b.window, window) != 0) continue;
        const QString name = QString::fromUtf8(b.name);
        const QString text = b.text(s);
        if (name.contains(QLatin1Char('#')))
            listEntry(root, name, text);
        else if (name.startsWith(QLatin1String("regkor2_")))
            tabTitle(root, name, text);
        else if (name == root->objectName())
            root->setWindowTitle(text);
        else if (QObject* o = root->findChild<QObject*>(name))
            applyCaption(o, text);
    }
}

void TexteAnwenden(MainWindow& window, Language s) {
    setCaptions(&window, "frmkor2", s);
    for (const QString& name : MainWindow::subWindows())
        setCaptions(window.subWindow(name), qPrintable(name), s);
}

QStringList captionedControls() {
    QStringList names;
    for (const Caption& b : captions()) {
        const QString name = QString::fromUtf8(b.name);
        names << name;
        if (qstrcmp(b.window, "frmkor2") != 0)
            names << QString::fromUtf8(b.window) + QLatin1Char('.') + name;
    }
    return names;
}
