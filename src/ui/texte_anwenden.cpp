#include "ui/texte_anwenden.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

#include "ui/beschriftungen.h"
#include "ui/frm_nd.h"
#include "ui/hauptfenster.h"

namespace {

void listeneintrag(QWidget* wurzel, const QString& name, const QString& text) {
    const QString liste = name.section(QLatin1Char('#'), 0, 0);
    const int i = name.section(QLatin1Char('#'), 1).toInt();
    if (auto* l = wurzel->findChild<QListWidget*>(liste))
        if (QListWidgetItem* e = l->item(i)) e->setText(text);
}

void tabtitel(QWidget* wurzel, const QString& name, const QString& text) {
    if (auto* t = wurzel->findChild<QTabWidget*>(name.section(QLatin1Char('_'), 0, 0)))
        t->setTabText(name.section(QLatin1Char('_'), 1).toInt(), text);
}

void setzen(QObject* o, const QString& text) {
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

void beschriftungenSetzen(QWidget* wurzel, const char* fenster, Sprache s) {
    for (const Beschriftung& b : beschriftungen()) {
        if (qstrcmp(b.fenster, fenster) != 0) continue;
        const QString name = QString::fromUtf8(b.name);
        const QString text = b.text(s);
        if (name.contains(QLatin1Char('#')))
            listeneintrag(wurzel, name, text);
        else if (name.startsWith(QLatin1String("regkor2_")))
            tabtitel(wurzel, name, text);
        else if (name == wurzel->objectName())
            wurzel->setWindowTitle(text);
        else if (QObject* o = wurzel->findChild<QObject*>(name))
            setzen(o, text);
    }
}

void TexteAnwenden(Hauptfenster& fenster, Sprache s) {
    beschriftungenSetzen(&fenster, "frmkor2", s);
    beschriftungenSetzen(&fenster.frmND(), "frmND", s);
}

QStringList beschrifteteElemente() {
    QStringList names;
    for (const Beschriftung& b : beschriftungen()) {
        const QString name = QString::fromUtf8(b.name);
        names << name;
        if (qstrcmp(b.fenster, "frmND") == 0) names << QStringLiteral("frmND.") + name;
    }
    return names;
}
