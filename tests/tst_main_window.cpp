#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>

#include "ui/captions.h"
#include "ui/frm_nd.h"
#include "ui/main_window.h"
#include "ui/tables.h"
#include "ui/texte_anwenden.h"

namespace {

// Labels that carry a caption; the others show values, units or pictures.
bool isCaption(const QString& name, bool isMeterDataWindow) {
    static const QStringList fixedCaptions = {"lblSpracheDeutsch",
                                              "lblSpracheEnglisch",
                                              "lblSpracheFranzoesisch",
                                              "lblEinheitName",
                                              "lblEinheitFaktor",
                                              "lblGasart",
                                              "lblKopfText",
                                              "lblLampe"};
    if (fixedCaptions.contains(name)) return true;
    if (!name.startsWith(QLatin1String("lblinfo_"))) return false;
    const int i = name.mid(8).toInt();
    static const QList<int> unitLabelsMain = {15, 28, 32, 94};
    static const QList<int> unitLabelsND = {8, 17, 20, 21, 22, 23, 24};
    return isMeterDataWindow ? !unitLabelsND.contains(i) : !unitLabelsMain.contains(i) && i < 36;
}

QString captionOf(QObject* o) {
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        return b->text().isEmpty() && !b->icon().isNull() ? QStringLiteral("icon") : b->text();
    if (auto* g = qobject_cast<QGroupBox*>(o)) return g->title();
    if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
    return QStringLiteral("-");
}

// Every caption the user can see in a window.
QStringList emptyCaptions(QWidget* root, bool isMeterDataWindow) {
    QStringList blank;
    for (QObject* o : root->findChildren<QObject*>()) {
        const QString name = o->objectName();
        if (name.isEmpty() || (qobject_cast<QLabel*>(o) && !isCaption(name, isMeterDataWindow)))
            continue;
        if (qobject_cast<QTabBar*>(o->parent())) continue;  // the tab bar's own scroll buttons
        if (qobject_cast<QAbstractButton*>(o) || qobject_cast<QGroupBox*>(o) ||
            qobject_cast<QLabel*>(o))
            if (captionOf(o).isEmpty()) blank << name;
    }
    for (QAction* a : root->findChildren<QAction*>())
        if (!a->objectName().isEmpty() && !a->isSeparator() && a->text().isEmpty())
            blank << a->objectName();
    return blank;
}

}  // namespace

// The main window and its device data and counts windows carry every control the tool
// needs, laid out and captioned in all three languages.
class TstMainWindow : public QObject {
    Q_OBJECT

private slots:
    void every_caption_table_entry_hits_exactly_one_element() {
        MainWindow f;
        for (const Caption& b : captions()) {
            const QString name = QString::fromUtf8(b.name).section(QLatin1Char('#'), 0, 0);
            if (name.startsWith(QLatin1String("regkor2_"))) continue;
            QWidget* root =
                qstrcmp(b.window, "frmkor2") == 0 ? &f : f.subWindow(QString::fromUtf8(b.window));
            const int hit = int(root->findChildren<QObject*>(name).size()) +
                            (root->objectName() == name ? 1 : 0);
            QVERIFY2(hit == 1, qPrintable(QStringLiteral("%1: %2").arg(name).arg(hit)));
        }
    }

    void every_caption_is_set_in_each_language_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("menu");
        QTest::newRow("German") << Language::German << "S&prache wählen";
        QTest::newRow("English") << Language::English << "s&elect language";
        QTest::newRow("French") << Language::French << "Ch&oix de la langue";
    }
    void every_caption_is_set_in_each_language() {
        QFETCH(Language, language);
        MainWindow f;
        TexteAnwenden(f, language);
        QCOMPARE(emptyCaptions(&f, false).join(' '), QString());
        QCOMPARE(emptyCaptions(&f.frmND(), true), QStringList());
        for (int i = 0; i < 4; ++i)
            QVERIFY(!f.regkor2()->tabText(i).isEmpty());
        QVERIFY(!f.frmND().windowTitle().isEmpty());
        QTEST(f.menuEntry(Menu::mnudatei, 7)->text(), "menu");
    }

    void the_grids_show_their_headers_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<QString>("firstRow");
        QTest::newRow("tabError") << "tabError" << 2 << QStringList{"Code", "Fehler"} << "";
        QTest::newRow("tabOF") << "tabOF" << 5 << QStringList{"Offset", "Faktor"} << "U1";
        QTest::newRow("tabDAC") << "tabDAC" << 7 << QStringList{"Counts", "Spannung  [Volt]"}
                                << "U1";
        QTest::newRow("tabStp 1") << "tabStp_1" << 16 << QStringList{"Counts", "Masse [kg/h]"}
                                  << "1";
        QTest::newRow("tabStp 2") << "tabStp_2" << 16 << QStringList{"Counts", "Masse [kg/h]"}
                                  << "16";
    }
    void the_grids_show_their_headers() {
        QFETCH(QString, name);
        MainWindow f;
        auto* t = f.element<QTableWidget>(name);
        QVERIFY(t);
        QTEST(t->rowCount(), "rows");
        QCOMPARE(t->columnCount(), 3);
        QTEST((QStringList{t->item(0, 1)->text(), t->item(0, 2)->text()}), "header");
        QTEST(t->item(1, 0)->text(), "firstRow");
        QCOMPARE(t->item(1, 1)->textAlignment(), int(Qt::AlignCenter));
        QVERIFY(t->item(1, 1)->text().isEmpty());
        QVERIFY(t->rowHeight(0) > t->rowHeight(1));
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_main_window.moc"
