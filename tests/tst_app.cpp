#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTreeView>
#include <QtTest>

#include "files/password_file.h"
#include "files/program_folder.h"
#include "session/info_texts.h"
#include "session/status_line.h"
#include "support/bench.h"
#include "support/file_helpers.h"
#include "ui/app.h"
#include "ui/frm_counts.h"
#include "ui/frm_md_save.h"
#include "ui/frm_nd.h"

namespace {

// A program folder with the shipped files, the settings and, unless at first start, the language
// marker; the tool on the simulated meter, whose port it opens itself, loaded after `before`.
struct Start {
    explicit Start(const QByteArray& settings, const std::function<void(Start&)>& before = {},
                   bool firstStart = false) {
        for (const QString& d : programFolder::shippedFiles())
            QFile::copy(QStringLiteral(ORBIS_DATA "/") + d, folder.filePath(d));
        writeFile(folder.filePath(QStringLiteral("Q_orbis.CON")), settings);
        if (!firstStart) writeFile(folder.filePath(QStringLiteral("irgendwas.spr")), "Deutsch\r\n");
        app = std::make_unique<App>(b.sim.port, b.clock, b.dialogs, folder.path(),
                                    [] { return QStringList{"/dev/ttyS0"}; });
        b.sim.port.closePort();
        if (before) before(*this);
        app->load();
    }

    MainWindow& window() { return app->window(); }
    Session& session() { return app->session(); }
    Features& features() { return app->features(); }
    QString text(const char* label) { return window().element<QLabel>(label)->text(); }
    void use(const QString& name) {
        auto* a = window().findChild<QAction*>(name);
        a ? a->trigger() : window().element<QAbstractButton>(name)->click();
    }
    QByteArray settingsFile() { return readFile(folder.filePath(QStringLiteral("Q_orbis.CON"))); }
    void hover(const QString& name) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(window().element(name), &enter);
    }
    QString status() { return window().statusPanel()->text(); }
    // Whether a menu entry, tab or button is usable, or a frame or picture shown.
    bool on(const QString& name) {
        if (name.startsWith(QLatin1String("regkor2_")))
            return window().regkor2()->isTabEnabled(name.mid(8).toInt());
        if (name.startsWith(QLatin1String("frmND.")))
            return window().frmND().findChild<QWidget*>(name.mid(6))->isEnabled();
        if (auto* a = window().findChild<QAction*>(name)) return a->isEnabled();
        return !window().element(name)->isHidden();
    }
    // Which of `names` are on.
    QStringList on(QStringList names) {
        names.removeIf([this](const QString& name) { return !on(name); });
        return names;
    }

    QTemporaryDir folder;
    Bench b;
    std::unique_ptr<App> app;
};

// The text Qt gives a standard Cancel button, as every message box and dialog shows it.
QString cancelButtonText() {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

// Presses the keys named ("Down", "PageUp", "Tab", ...) where the window has its focus, each
// where the one before left it; any other word is typed.
void press(QWidget* window, const QString& keys) {
    static const QHash<QString, Qt::Key> named{
        {"Up", Qt::Key_Up},       {"Down", Qt::Key_Down},     {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right}, {"PageUp", Qt::Key_PageUp}, {"PageDown", Qt::Key_PageDown},
        {"Tab", Qt::Key_Tab},     {"Space", Qt::Key_Space}};
    for (const QString& k : keys.split(' ', Qt::SkipEmptyParts)) {
        if (named.contains(k))
            QTest::keyClick(window->focusWidget(), named[k]);
        else
            QTest::keyClicks(window->focusWidget(), k);
    }
}

// The named controls below `top` the tab key reaches, in the order it reaches them.
QStringList tabOrder(QWidget* top) {
    QStringList names;
    for (QWidget* w = top->nextInFocusChain(); w != top; w = w->nextInFocusChain())
        if (top->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
            names << w->objectName();
    return names;
}

const QByteArray Com1German = "Com1\r\n1\r\nLPT1\r\nDeutsch\r\nkg/h\r\n1\r\n(-)\r\nLuft\r\n";
const QByteArray Com0German = "Com0\r\n0\r\nLPT1\r\nDeutsch\r\nkg/h\r\n1\r\n\r\n\r\n";
const QByteArray Com0English = "Com0\r\n0\r\nLPT1\r\nEnglisch\r\nkg/h\r\n1\r\n\r\n\r\n";

}  // namespace

// When the tool starts, it asks for the language or the port as needed, then checks the meter.
class TstApp : public QObject {
    Q_OBJECT

private slots:
    void at_first_start_the_language_is_chosen_first_data() {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QByteArray>("marker");
        QTest::newRow("German") << "ImDeutsch" << Language::German << QByteArray("Deutsch\r\n");
        QTest::newRow("English") << "ImEng" << Language::English << QByteArray("Englisch\r\n");
        QTest::newRow("French") << "ImFranz" << Language::French << QByteArray("Franzoesisch\r\n");
    }
    void at_first_start_the_language_is_chosen_first() {
        QFETCH(QString, flag);
        QFETCH(Language, language);
        QFETCH(QByteArray, marker);
        Start s(Com1German, {}, true);
        QCOMPARE(s.on({"raSpracheBeginn", "raKopf"}), QStringList{"raSpracheBeginn"});
        s.b.clock.advance(10.0);
        QVERIFY(s.b.frames().isEmpty());
        s.use(flag);
        QCOMPARE(s.b.dialogs.texts(), QStringList{infoTexts::firstStart(language).text});
        QCOMPARE(readFile(s.folder.filePath(QStringLiteral("Q_orbis.SPR"))), marker);
        QVERIFY(s.settingsFile().contains("\r\n" + marker));
        QCOMPARE(s.on({"raSpracheBeginn", "raKopf"}), QStringList{"raKopf"});
        QVERIFY(s.b.frames().isEmpty());
        s.b.clock.advance(1.0);
        QCOMPARE(s.b.frames().value(0), hex("00 00"));
    }

    void a_missing_language_file_is_reported_data() {
        QTest::addColumn<Answer>("button");
        QTest::newRow("OK goes on") << Answer::Ok;
        QTest::newRow("Cancel ends") << Answer::Cancel;
    }
    void a_missing_language_file_is_reported() {
        QFETCH(Answer, button);
        Start s(Com1German, [button](Start& t) {
            QFile::remove(t.folder.filePath(QStringLiteral("Texte.ger")));
            t.b.dialogs.answers = {button};
        });
        QCOMPARE(s.b.dialogs.texts(), QStringList{"Datei Texte.GER nicht vorhanden !"});
        QCOMPARE(s.b.dialogs.ended, button == Answer::Cancel);
    }

    void without_port_the_tool_waits_for_ok_in_the_port_choice_data() {
        QTest::addColumn<bool>("gone");
        QTest::newRow("the port opens") << false;
        QTest::newRow("the port is missing") << true;
    }
    void without_port_the_tool_waits_for_ok_in_the_port_choice() {
        QFETCH(bool, gone);
        Start s(Com0English);
        QCOMPARE(s.on({"raSchnittstellen", "raAktuell"}), QStringList{"raSchnittstellen"});
        // No meter was read, so no output's polarity is known.
        QCOMPARE(
            s.on({"PicImpPolPlus", "PicImpPolMinus", "PicKonfImpPolPlusAkt",
                  "picKonfImpPolMinusAkt", "PicKonfSchaltPolPlusAkt", "PicKonfSchaltPolMinusAkt"}),
            QStringList());
        QCOMPARE(s.window().regkor2()->currentIndex(), 0);
        QCOMPARE(s.status(), "Installation and/or selection of the serial interface required !");
        QVERIFY(!s.session().TimCheckVerb().active());
        s.b.clock.advance(5.0);
        QVERIFY(s.b.frames().isEmpty());
        s.b.sim.line.fault.gone = gone;
        // OK opens the port the frame shows, and keeps it as the chosen one.
        QCOMPARE(s.window().element<QComboBox>(QStringLiteral("cbCom"))->currentText(), "1");
        s.use(QStringLiteral("cmdSchnittstellen"));
        QVERIFY(!s.on("raSchnittstellen"));
        QCOMPARE(s.b.sim.port.commPort(), QStringLiteral("1"));
        QVERIFY(s.settingsFile().startsWith("Com1\r\n1\r\n"));
        QCOMPARE(s.b.sim.port.portOpen(), !gone);
        QCOMPARE(s.session().TimCheckVerb().active(), !gone);
        s.b.clock.advance(1.0);
        QCOMPARE(s.b.frames().value(0), gone ? QByteArray() : hex("00 00"));
        if (!gone) return;
        QCOMPARE(s.b.dialogs.texts(), QStringList{s.session().texts[7]});
        QCOMPARE(s.session().display.background(QStringLiteral("Lampe")), color::Grey);
    }

    void the_language_can_be_changed_via_the_menu() {
        Start s("Com2\r\n2\r\nLPT1\r\nDeutsch\r\nkg/h\r\n1\r\n(-)\r\nLuft\r\n");
        s.session().meter.Ueberlauf = 1;
        s.window().regkor2()->setCurrentIndex(0);  // the technician's own choice of page
        QCOMPARE(cancelButtonText(), QStringLiteral("Abbrechen"));
        s.use(QStringLiteral("mnudatei_7"));
        QCOMPARE(s.on({"raSprache", "raAktuell"}), QStringList{"raSprache"});
        s.b.clock.advance(3.0);  // the check that was due waits for the frame to close
        QVERIFY(s.b.frames().isEmpty());
        s.use(QStringLiteral("ImSprache_2"));
        QCOMPARE(s.window().menuEntry(Menu::mnuhaupt, 1)->text(), QStringLiteral("&Liaison"));
        QCOMPARE(s.window().windowTitle(),
                 QStringLiteral("Configuration Veltrano KRN410-Q Orbis [Version 1.0.0] an COM2"));
        QCOMPARE(s.text("lblUeberlauf"), QStringLiteral("Dépassement actif"));
        QCOMPARE(s.text("lblKonfULAkt"), QStringLiteral("actif"));
        QVERIFY(s.settingsFile().contains("\r\nFranzoesisch\r\n"));
        QCOMPARE(s.on({"raSprache", "raAktuell"}), QStringList{"raAktuell"});
        QVERIFY(s.session().texts[13].startsWith(QStringLiteral("L'appareil ne répond pas.")));
        QCOMPARE(s.window().regkor2()->currentIndex(), 0);  // new captions, same page
        QCOMPARE(cancelButtonText(), QStringLiteral("Annuler"));
        s.b.clock.advance(1.0);
        QCOMPARE(s.b.frames().value(0), hex("00 00"));
    }

    // Given a control under the mouse, then the status bar explains it, unless the control cannot
    // be used, the meter is waited for or the status bar asks the technician to act.
    void a_hint_explains_only_a_usable_control_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("given");  // after the start-up: the meter "waited for" again
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("status");
        const QString choosePort =
            "Installation and/or selection of the serial interface required !";
        // clang-format off
        QTest::newRow("the locked digital page, no port") << Com0English << "" << "optDigital_1" << choosePort;
        QTest::newRow("the locked analog page, no port") << Com0English << "" << "raKonfAnaOut" << choosePort;
        QTest::newRow("a digital option") << Com1German << "started" << "optDigital_1" << "Frequenzausgang variabel konfigurieren (min = 1; max = 2500 Hz)";
        QTest::newRow("the analog frame") << Com1German << "started" << "raKonfAnaOut" << "Konfiguration ändern durch Auswahl der Kontrollkästchen.";
        QTest::newRow("the meter waited for") << Com1German << "waited for" << "optDigital_1" << "Initialisierung durchgeführt.";
        QTest::newRow("the data to be checked") << Com1German << "check data" << "optDigital_1" << "Überprüfen ob Daten korrekt übernommen wurden ! ";
        // clang-format on
    }
    void a_hint_explains_only_a_usable_control() {
        QFETCH(QByteArray, settings);
        QFETCH(QString, given);
        QFETCH(QString, control);
        Start s(settings);
        if (!given.isEmpty()) s.b.clock.advance(2.0);
        if (given == "waited for") s.session().state.Initialisierung = 1;
        if (given == "check data") s.session().setStatus(askingTexts::checkData());
        s.hover(control);
        QTEST(s.status(), "status");
    }

    // Given a status text, when the language changes, then the status bar says it in the new one.
    void the_status_bar_follows_the_language_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("firstStart");  // French chosen at the first start, else by the menu
        QTest::addColumn<QString>("hovered");  // before the change, or none
        QTest::addColumn<QString>("status");
        // clang-format off
        QTest::newRow("the port request, at the first start") << Com0German << true << "" << "Installation et/ou sélection de l'interface série requise !";
        QTest::newRow("the started meter") << Com1German << false << "" << "Initialisation termineé.";
        QTest::newRow("a hint") << Com1German << false << "optDigital_4" << "non sortie numérique";
        // clang-format on
    }
    void the_status_bar_follows_the_language() {
        QFETCH(QByteArray, settings);
        QFETCH(bool, firstStart);
        QFETCH(QString, hovered);
        Start s(settings, {}, firstStart);
        if (!firstStart) s.b.clock.advance(2.0);
        if (!hovered.isEmpty()) s.hover(hovered);
        const QStringList choice =
            firstStart ? QStringList{"ImFranz"} : QStringList{"mnudatei_7", "ImSprache_2"};
        for (const QString& c : choice)
            s.use(c);
        QTEST(s.status(), "status");
    }

    // Whatever is ticked, each option of the analog page keeps the meter's value and its new
    // value on its line, and the new column shows only what a write would set.
    void the_analog_page_keeps_each_option_on_its_line_data() {
        QTest::addColumn<QList<int>>("clicked");
        QTest::addColumn<QString>("newValues");
        QTest::newRow("nothing ticked") << QList<int>{} << "";
        QTest::newRow("the output type, with the error output")
            << QList<int>{0} << "lblKonfAnaOutNeu lblKonfErrNeu";
        QTest::newRow("full scale and damping")
            << QList<int>{1, 3} << "lblKonfMEWNeu lblKonfFiltFaktNeu";
        QTest::newRow("creep flow ticked and cleared") << QList<int>{2, 2} << "";
    }
    void the_analog_page_keeps_each_option_on_its_line() {
        QFETCH(QList<int>, clicked);
        Start s(Com1German);
        s.b.clock.advance(2.0);
        s.window().show();
        s.window().regkor2()->setCurrentIndex(1);
        const auto option = [](int i) { return QStringLiteral("chkKonfAnalog_%1").arg(i); };
        for (int i : clicked)
            s.window().element<QAbstractButton>(option(i))->click();
        // The layout follows what was shown and hidden; nothing else posted needs to run.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QStringList current = {"lblKonfAnaOutAkt",   "lblKonfMEWAkt", "lblKonfSchleichAkt",
                                     "lblKonfFiltfaktAkt", "lblKonfErrAkt", "lblKonfULAkt",
                                     "lblKonfMOGAkt"},
                          next = {"lblKonfAnaOutNeu",   "lblKonfMEWNeu", "lblKonfSchleichNeu",
                                  "lblKonfFiltFaktNeu", "lblKonfErrNeu", "lblKonfULNeu",
                                  "lblKonfMOGNeu"};
        QTEST(s.on(next).join(' '), "newValues");
        const auto line = [&s](const QString& name) {
            QWidget* w = s.window().element(name);
            return w->mapTo(&s.window(), w->rect().center()).y();
        };
        for (int i = 0; i < AnalogEdit::Options; ++i) {
            if (!s.on(option(i))) continue;  // overflow and range limit, not offered here
            QVERIFY2(qAbs(line(current[i]) - line(option(i))) <= 1, qPrintable(current[i]));
            if (s.on(next[i]))
                QVERIFY2(qAbs(line(next[i]) - line(option(i))) <= 1, qPrintable(next[i]));
        }
    }

    // Ticking, typing and the device data window's write button reach the meter.
    void an_edit_in_the_window_is_written_to_the_meter() {
        Start s(Com1German);
        s.b.clock.advance(2.0);
        s.window().element<QAbstractButton>("chkKonfAnalog_1")->click();
        QVERIFY(s.on(QStringLiteral("txtKonfMEW")));
        auto* box = s.window().element<QLineEdit>("txtKonfMEW");
        box->clear();
        QTest::keyClicks(box, "12x0,5");
        QCOMPARE(box->text(), QStringLiteral("120.5"));
        s.window().element<QAbstractButton>("optDigital_4")->click();
        QVERIFY(!s.on(QStringLiteral("txtFrequenzmin")));
        s.use(QStringLiteral("cmdokAnalog"));
        FrmND& nd = s.window().frmND();
        QVERIFY(nd.isVisible());
        QVERIFY(!s.on(QStringLiteral("raKonfAnaOut")));
        QCOMPARE(nd.findChild<QLabel*>(QStringLiteral("lblNDMew"))->text(),
                 QLocale().toString(120.5));
        nd.findChild<QAbstractButton*>(QStringLiteral("cmdNDspeichern"))->click();
        QVERIFY(!nd.isVisible());
        QCOMPARE(s.session().meter.MEW, 120.5f);
        QCOMPARE(s.session().meter.Ausgangsart & 0xFC, 0);
        QCOMPARE(s.window().statusPanel()->text(),
                 QStringLiteral("Initialisierung erfolgreich durchgeführt."));
        QVERIFY(!s.window().element<QAbstractButton>("chkKonfAnalog_1")->isChecked());
    }

    // The service page asks for the password; Enter checks it and opens the page,
    // whose buttons open the curve and counts windows.
    void the_service_page_opens_with_its_password() {
        Start s(Com1German, [](Start& st) {
            QString error;
            QVERIFY(passwordFile::PasswortSchreiben(
                st.folder.filePath(QLatin1String(passwordFile::FileName)), "Geheim", error));
        });
        s.b.clock.advance(2.0);
        s.window().regkor2()->setCurrentIndex(3);
        QCOMPARE(s.on({"raPasswortWD", "raweiteredaten"}), QStringList{"raPasswortWD"});
        auto* box = s.window().element<QLineEdit>("txtPasswortWD");
        QCOMPARE(box->echoMode(), QLineEdit::Password);
        QTest::keyClicks(box, "Geheim");
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(s.on({"raPasswortWD", "raweiteredaten", "chkKonfAnalog_6"}),
                 (QStringList{"raweiteredaten", "chkKonfAnalog_6"}));
        s.use(QStringLiteral("cmdKennlinie"));
        QVERIFY(s.window().findChild<QWidget*>(QStringLiteral("frmKennlinie"))->isVisible());
        s.use(QStringLiteral("cmdCounts"));
        QVERIFY(s.window().frmCounts().isVisible());
    }

    // Arrow keys and typing in the logging dialog's folder tree choose a folder as a click does.
    void keys_choose_the_logging_folder_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("folder");  // below the folder of the test
        // clang-format off
        QTest::newRow("arrow down") << "Down" << "b";
        QTest::newRow("arrow up to the parent") << "Up" << "";
        QTest::newRow("a name typed") << "c" << "c";
        // clang-format on
    }
    void keys_choose_the_logging_folder() {
        QFETCH(QString, keys);
        QFETCH(QString, folder);
        Start s(Com1German);
        QTemporaryDir logs;
        s.features().recording.openLoggingDialog();
        QTreeView* tree = s.window().frmMdSave().folders();
        auto* model = static_cast<QFileSystemModel*>(tree->model());
        for (const char* d : {"a", "b", "c"}) {
            QVERIFY(QDir(logs.path()).mkdir(d));
            model->index(logs.filePath(d));
        }
        const QModelIndex a = model->index(logs.filePath("a"));
        tree->scrollTo(a);
        tree->setCurrentIndex(a);  // the technician clicked folder a
        tree->setFocus();
        press(&s.window().frmMdSave(), keys);
        const QString chosen = QDir::cleanPath(logs.path() + '/' + folder);
        QCOMPARE(s.features().recording.logging.MdPfad, chosen);
        QCOMPARE(s.window().frmMdSave().findChild<QLabel*>("lblMdPfad")->text(), chosen);
    }

    // The service page opens on point 1; a click on a row of a grid or an arrow key there
    // chooses a point as the scroll bar does, and the keys go on from it.
    void a_grid_row_chooses_the_support_point_data() {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("click");  // the row clicked first, 0: none
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("point");
        QTest::newRow("the page opened") << "tabStp_1" << 0 << "" << 1;
        QTest::newRow("arrows down") << "tabStp_1" << 0 << "Down Down" << 3;
        QTest::newRow("arrow up to the header") << "tabStp_1" << 0 << "Up" << 1;
        QTest::newRow("a click, then arrow up") << "tabStp_1" << 7 << "Up" << 6;
        QTest::newRow("a click in the second grid") << "tabStp_2" << 2 << "" << 17;
    }
    void a_grid_row_chooses_the_support_point() {
        QFETCH(QString, grid);
        QFETCH(int, click);
        QFETCH(QString, keys);
        QFETCH(int, point);
        Start s(Com1German);
        s.b.clock.advance(2.0);
        s.window().show();
        s.window().regkor2()->setCurrentIndex(3);
        auto* table = s.window().element<QTableWidget>(grid);
        table->setFocus();
        if (click)
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                              table->visualItemRect(table->item(click, 1)).center());
        press(&s.window(), keys);
        QCOMPARE(s.text("lblStpNr"), QString::number(point));
        QCOMPARE(s.window().element<QScrollBar>("vscrStp")->value(), point);
        const qint32 counts = s.session().meter.StpCounts[size_t(point)];
        QCOMPARE(s.window().element<QLineEdit>("txtCounts")->text(),
                 counts ? QString::number(counts) : QString());
    }

    // Chosen with the space bar, the damping and pulse-duration scroll bars are reached with the
    // tab key; an arrow key steps them by 1 ms, a page key by a page. The pulse duration has a
    // pixel for every ms.
    void keys_step_the_scroll_bars_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("option");  // shows the scroll bar
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("shown");  // the label that shows the new value
        // clang-format off
        QTest::newRow("damping, arrow") << 1 << "chkKonfAnalog_3" << "Tab Right" << "hscKonfFiltfakt" << 1 << "lblAnZms";
        QTest::newRow("damping, page") << 1 << "chkKonfAnalog_3" << "Tab PageUp" << "hscKonfFiltfakt" << 100 << "lblAnZms";
        QTest::newRow("pulse, arrow") << 2 << "optDigital_2" << "Tab Left" << "hscKonfImpDauer" << -1 << "lblKonfImpDauerNeu";
        QTest::newRow("pulse, page") << 2 << "optDigital_2" << "Tab PageDown" << "hscKonfImpDauer" << -10 << "lblKonfImpDauerNeu";
        // clang-format on
    }
    void keys_step_the_scroll_bars() {
        QFETCH(int, tab);
        QFETCH(QString, option);
        QFETCH(QString, keys);
        QFETCH(QString, bar);
        QFETCH(int, step);
        QFETCH(QString, shown);
        Start s(Com1German);
        s.b.clock.advance(2.0);
        s.window().show();
        s.window().regkor2()->setCurrentIndex(tab);
        s.window().element(option)->setFocus();
        press(&s.window(), "Space");
        auto* slider = s.window().element<QScrollBar>(bar);
        const int before = slider->value();
        press(&s.window(), keys);
        QCOMPARE(slider->value(), before + step);
        QCOMPARE(s.window().element<QLabel>(shown)->text().section(' ', 0, 0),
                 QString::number(before + step));
        QVERIFY(s.window().element("hscKonfImpDauer")->minimumWidth() > 256);
    }

    // The tab key goes through a page or dialog as it reads: down the rows, each from the left.
    void the_tab_key_follows_the_layout_data() {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("order");
        // clang-format off
        QTest::newRow("analog output") << "raKonfAnaOut" << "chkKonfAnalog_0 ListAnalogAus chkKonfAnalog_1 txtKonfMEW chkKonfAnalog_2 txtKonfSchleich chkKonfAnalog_3 hscKonfFiltfakt chkKonfAnalog_4 ListKonfErr chkKonfAnalog_5 ListUeberlauf chkKonfAnalog_6 txtKonfMOG cmdokAnalog cmdabbruchanalog";
        QTest::newRow("digital output") << "raDigitalAus" << "optDigital_0 ListFrequenz optDigital_1 txtFrequenzmin txtFrequenzmax optDigital_2 txtKonfImpWert hscKonfImpDauer ListKonfImpPol optDigital_3 txtKonfSchaltMin txtKonfSchaltMax ListkonfSchaltPol optDigital_4 cmdokdigital cmdabbruchdigital";
        QTest::newRow("service") << "raweiteredaten" << "tabStp_1 tabStp_2 txtCounts txtFlow cmdAnders cmdlösch cmdeinf cmdStpSichern cmdKennlinie cmdDruckeStp tabOF tabDAC lst_rs232 cmdDACReset cmdAusdruckEEProm cmdCounts";
        QTest::newRow("logging") << "frmMdSave" << "DirMdSave txtDateiname txtInterval cmdauf cmdab chkMdSave cmdMdSaveEnde";
        // clang-format on
    }
    void the_tab_key_follows_the_layout() {
        QFETCH(QString, top);
        Start s(Com1German);
        QWidget* w = top == "frmMdSave" ? &s.window().frmMdSave() : s.window().element(top);
        QTEST(tabOrder(w).join(' '), "order");
    }

    void exit_ends_the_program() {
        Start s(Com1German);
        s.use(QStringLiteral("mnudatei_15"));
        QVERIFY(s.b.dialogs.ended);
        QVERIFY(!s.session().TimCheckVerb().active());
        s.b.clock.advance(2.0);
        QVERIFY(s.b.frames().isEmpty());
    }
};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
