// Walks the tool with its window through the views a service technician
// uses, against the simulator on a pseudo-terminal, and saves a PNG of each:
// start-up and port (connect), the meter's data (read), the analog page with
// an option ticked (edit), the device data window and a write in progress
// (write), the curve window
// (curve), the calibration frame of the service page (calibration), the
// logging dialog (logging), a page of the configuration report (reports) and
// the lost-link message in German and French (message).
// Beside the pictures it writes shots.txt (each picture with its size) and
// layout.txt (controls whose text does not fit, that their parent cuts off
// or that overlap a sibling, and pages that need scrolling).
//
//   screenshot_tour OUTDIR [NOTE] [--size WxH] [--language de|en|fr] [--no-reset]
//
// NOTE is written into shots.txt, e.g. the QT_SCALE_FACTOR the run used.
// --size resizes the main window before the views are taken. --no-reset
// skips the calibration reset, which fills the exchange list of the
// calibration frame but keeps the meter busy for some seconds. Reports never
// reach a printer: the print seam renders the page into a preview widget.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileSystemModel>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QTreeView>
#include <functional>

#include "bench/counting_port.h"
#include "files/program_folder.h"
#include "files/report_painter.h"
#include "link/protocol.h"
#include "link/serial_port.h"
#include "link/steady_clock.h"
#include "session/console_dialogs.h"
#include "session/port_list.h"
#include "ui/app.h"
#include "ui/frm_md_save.h"
#include "ui/frm_nd.h"
#include "ui/qt_dialogs.h"

namespace {

constexpr int WritingShotMs = 5000;  // into a configuration write, when its bar is pictured

QTextStream& err() {
    static QTextStream s(stderr);
    return s;
}

// Runs the event loop until `done` holds or `s` seconds have passed, looking every 5 ms.
bool runFor(double s, const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer checkTimer;
    bool reached = false;
    QObject::connect(&checkTimer, &QTimer::timeout, [&] {
        if (done()) {
            reached = true;
            loop.quit();
        }
    });
    checkTimer.start(5);
    QTimer::singleShot(int(s * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    return reached;
}

void settle(double s = 0.6) {
    runFor(s, [] { return false; });
}

struct Options {
    QString out;
    QString note;
    QSize size;
    QString language = QStringLiteral("Englisch");
    bool reset = true;
};

bool parse(const QStringList& args, Options& o) {
    QStringList plain;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--size") && i + 1 < args.size()) {
            const QStringList wh = args[++i].split(QLatin1Char('x'));
            if (wh.size() != 2) return false;
            o.size = QSize(wh[0].toInt(), wh[1].toInt());
            if (o.size.isEmpty()) return false;
        } else if (a == QLatin1String("--language") && i + 1 < args.size()) {
            const QString l = args[++i];
            if (l == QLatin1String("de"))
                o.language = QStringLiteral("Deutsch");
            else if (l == QLatin1String("en"))
                o.language = QStringLiteral("Englisch");
            else if (l == QLatin1String("fr"))
                o.language = QStringLiteral("Franzoesisch");
            else
                return false;
        } else if (a == QLatin1String("--no-reset")) {
            o.reset = false;
        } else if (a.startsWith(QLatin1String("--"))) {
            return false;
        } else {
            plain << a;
        }
    }
    if (plain.isEmpty() || plain.size() > 2) return false;
    o.out = plain[0];
    o.note = plain.value(1);
    return true;
}

void createProgramFolder(const QString& folder, const QString& language) {
    for (const QString& d : programFolder::shippedFiles())
        QFile::copy(QStringLiteral(ORBIS_DATA "/") + d, QDir(folder).filePath(d));
    QFile settings(QDir(folder).filePath(QStringLiteral("Q_orbis.CON")));
    settings.open(QIODevice::WriteOnly);
    settings.write("Com1\r\n1\r\nLPT1\r\n" + language.toLatin1() +
                   "\r\nkg/h\r\n1\r\n(-)\r\nLuft\r\n");
    QFile marker(QDir(folder).filePath(QStringLiteral("Q_orbis.SPR")));
    marker.open(QIODevice::WriteOnly);
    marker.write(language.toLatin1() + "\r\n");
    QDir(folder).mkdir(QStringLiteral("ports"));
    QDir(folder).mkdir(QStringLiteral("measurements"));
}

// The console's answers (a question is answered with Cancel), every message
// kept for the summary; a report sent to print is rendered into a preview
// widget and kept as a picture instead.
class TourDialogs : public ConsoleDialogs {
public:
    Answer message(const QString& text, const QString& title, Buttons buttons,
                   Symbol symbol) override {
        messages << title + QStringLiteral(": ") + QString(text).simplified();
        return ConsoleDialogs::message(text, title, buttons, symbol);
    }
    PrintOutcome print(const report::Document& report, const QString& title) override {
        QTemporaryDir scratch;
        QPrinter printer(QPrinter::HighResolution);
        // A PDF printer: nothing here asks the print system for a printer.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(scratch.filePath(QStringLiteral("report.pdf")));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setDocName(title);
        QPrintPreviewWidget preview(&printer);
        preview.setWindowTitle(title);
        QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, &preview,
                         [&report](QPrinter* p) { report::paintReport(report, *p); });
        preview.setViewMode(QPrintPreviewWidget::SinglePageView);
        preview.resize(760, 1075);
        preview.show();
        settle(0.3);
        preview.updatePreview();
        preview.setZoomMode(QPrintPreviewWidget::FitInView);
        settle(0.3);
        reportPages = preview.pageCount();
        reportPicture = preview.grab();
        preview.hide();
        return {PrintOutcome::Cancelled, QString(), 0};
    }

    QStringList messages;
    QPixmap reportPicture;
    int reportPages = 0;
};

// A control's name for the findings: objectName, else its class, with its text.
QString describe(const QWidget* w) {
    QString name = w->objectName();
    if (name.isEmpty()) name = QString::fromLatin1(w->metaObject()->className());
    QString text;
    if (auto* l = qobject_cast<const QLabel*>(w))
        text = l->text();
    else if (auto* b = qobject_cast<const QAbstractButton*>(w))
        text = b->text();
    else if (auto* g = qobject_cast<const QGroupBox*>(w))
        text = g->title();
    else if (auto* e = qobject_cast<const QLineEdit*>(w))
        text = e->text();
    else if (auto* c = qobject_cast<const QComboBox*>(w))
        text = c->currentText();
    text = text.simplified();
    if (text.size() > 40) text = text.left(37) + QStringLiteral("...");
    return text.isEmpty() ? name : QStringLiteral("%1 \"%2\"").arg(name, text);
}

// Widgets whose children belong to the control itself (viewport, scroll bars, buttons).
bool isComposite(const QWidget* w) {
    if (qobject_cast<const QScrollArea*>(w)) return false;  // a page: its content is checked
    return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QTabBar*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QStatusBar*>(w);
}

bool insideComposite(const QWidget* w, const QWidget* top) {
    for (const QWidget* p = w->parentWidget(); p && p != top; p = p->parentWidget())
        if (isComposite(p)) return true;
    return false;
}

// The scroll area whose viewport holds `w`, if any.
const QScrollArea* scrolledBy(const QWidget* w, const QWidget* top) {
    for (const QWidget* p = w->parentWidget(); p && p != top; p = p->parentWidget())
        if (auto* s = qobject_cast<const QScrollArea*>(p->parentWidget()))
            if (s->viewport() == p) return s;
    return nullptr;
}

int textWidth(const QWidget* w, QString text) {
    text.remove(QLatin1Char('&'));
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, w->fontMetrics().horizontalAdvance(line));
    return widest;
}

// What does not fit in `top` as it is laid out now.
QStringList layoutFindings(QWidget* top, const QString& view) {
    QStringList found;
    const auto note = [&](const QWidget* w, const QString& what) {
        found << QStringLiteral("%1: %2 %3").arg(view, describe(w), what);
    };
    const QList<QWidget*> all = top->findChildren<QWidget*>();
    QList<QWidget*> shown;
    for (QWidget* w : all)
        if (w->window() == top && w->isVisibleTo(top) && !insideComposite(w, top)) shown << w;
    for (QWidget* w : shown) {
        const int wd = w->width(), ht = w->height();
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (!l->text().isEmpty() && !l->wordWrap() && l->pixmap().isNull() &&
                l->sizeHint().width() > wd + 1)
                note(w, QStringLiteral("text cut: needs %1 px, has %2")
                            .arg(l->sizeHint().width())
                            .arg(wd));
            else if (l->wordWrap() && !l->text().isEmpty() && l->heightForWidth(wd) > ht + 1)
                note(w, QStringLiteral("wrapped text cut: needs %1 px high, has %2")
                            .arg(l->heightForWidth(wd))
                            .arg(ht));
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            auto* b = static_cast<QAbstractButton*>(w);
            if (!b->text().isEmpty() && b->sizeHint().width() > wd + 1)
                note(w, QStringLiteral("text cut: needs %1 px, has %2")
                            .arg(b->sizeHint().width())
                            .arg(wd));
        } else if (auto* b = qobject_cast<QPushButton*>(w)) {
            const int need =
                textWidth(b, b->text()) + 8 + (b->icon().isNull() ? 0 : b->iconSize().width() + 4);
            if (!b->text().isEmpty() && need > wd)
                note(w, QStringLiteral("caption cut: needs %1 px, has %2").arg(need).arg(wd));
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            const int need = textWidth(g, g->title()) + 16;
            if (!g->title().isEmpty() && need > wd)
                note(w, QStringLiteral("frame title cut: needs %1 px, has %2").arg(need).arg(wd));
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            const int need = textWidth(c, c->currentText()) + 28;
            if (need > wd)
                note(w, QStringLiteral("entry cut: needs %1 px, has %2").arg(need).arg(wd));
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            const int need = textWidth(e, e->displayText()) + 8;
            if (!e->displayText().isEmpty() && need > wd)
                note(w, QStringLiteral("text longer than the box: needs %1 px, has %2")
                            .arg(need)
                            .arg(wd));
        } else if (auto* t = qobject_cast<QTabBar*>(w)) {
            if (t->sizeHint().width() > wd + 1)
                note(w, QStringLiteral("tabs do not fit (scroll arrows): need %1 px, have %2")
                            .arg(t->sizeHint().width())
                            .arg(wd));
        }
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
            qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) {
            if (ht < w->fontMetrics().height())
                note(w, QStringLiteral("too low for its text: %1 px, text %2 px")
                            .arg(ht)
                            .arg(w->fontMetrics().height()));
        }
        // Cut off by an ancestor; content of a scroll area can be scrolled into view.
        // A row whose parts are all hidden shrinks to nothing: there is nothing to cut.
        if (w->rect().isEmpty()) continue;
        const QScrollArea* scroller = scrolledBy(w, top);
        QRect r = w->rect();
        for (const QWidget* c = w; c != top && c->parentWidget(); c = c->parentWidget()) {
            QWidget* p = c->parentWidget();
            r.translate(c->pos());
            if (scroller && p == scroller->viewport()) break;
            if (!p->rect().contains(r) && !r.intersected(p->rect()).isEmpty()) {
                note(w, QStringLiteral("cut off by %1").arg(describe(p)));
                break;
            }
            if (r.intersected(p->rect()).isEmpty()) {
                note(w, QStringLiteral("outside %1, not visible").arg(describe(p)));
                break;
            }
        }
    }
    // Siblings that overlap.
    for (int i = 0; i < shown.size(); ++i) {
        QWidget* a = shown[i];
        if (a->isWindow() || qobject_cast<QStatusBar*>(a->parentWidget())) continue;
        for (int j = i + 1; j < shown.size(); ++j) {
            QWidget* b = shown[j];
            if (b->parentWidget() != a->parentWidget() || b->isWindow()) continue;
            const QRect both = a->geometry().intersected(b->geometry());
            if (both.width() > 2 && both.height() > 2)
                found << QStringLiteral("%1: %2 overlaps %3 by %4x%5 px")
                             .arg(view, describe(a), describe(b))
                             .arg(both.width())
                             .arg(both.height());
        }
    }
    // Lists and tables that show a scroll bar: some of their content is hidden.
    for (QWidget* w : shown)
        if (auto* v = qobject_cast<QAbstractItemView*>(w)) {
            QStringList bars;
            if (v->horizontalScrollBar()->isVisibleTo(v)) bars << QStringLiteral("horizontal");
            if (v->verticalScrollBar()->isVisibleTo(v)) bars << QStringLiteral("vertical");
            if (!bars.isEmpty())
                found << QStringLiteral("%1: %2 shows a %3 scroll bar (%4x%5 px)")
                             .arg(view, describe(w), bars.join(QStringLiteral(" and ")))
                             .arg(w->width())
                             .arg(w->height());
        }
    // Pages that are larger than their place.
    for (QWidget* w : shown)
        if (auto* s = qobject_cast<QScrollArea*>(w); s && s->widget()) {
            const QSize need = s->widget()->minimumSizeHint();
            const QSize has = s->viewport()->size();
            if (need.width() > has.width() || need.height() > has.height())
                found << QStringLiteral("%1: page %2 scrolls: needs %3x%4 px, shows %5x%6")
                             .arg(view, describe(s->widget()))
                             .arg(need.width())
                             .arg(need.height())
                             .arg(has.width())
                             .arg(has.height());
        }
    return found;
}

class Tour {
public:
    Tour(App& tool, TourDialogs& dialogs, CountingPort& port, const Options& o)
        : tool_(tool), dialogs_(dialogs), port_(port), o_(o), dir_(o.out) {}

    // Saves `w` as NAME.png and notes what does not fit in it.
    bool save(QWidget* w, const QString& name, const QString& what) {
        if (!w || !w->isVisible()) {
            failures << QStringLiteral("%1: %2 is not shown").arg(name, what);
            return false;
        }
        settle(0.1);
        return savePixmap(w->grab(), name, what, layoutFindings(w, name));
    }

    bool savePixmap(const QPixmap& p, const QString& name, const QString& what,
                    const QStringList& findings = {}) {
        const QString file = dir_.filePath(name + QStringLiteral(".png"));
        if (p.isNull() || !p.save(file)) {
            failures << QStringLiteral("%1: could not save %2").arg(name, file);
            return false;
        }
        index << QStringLiteral("%1.png  %2x%3  %4")
                     .arg(name)
                     .arg(p.width())
                     .arg(p.height())
                     .arg(what);
        layout << findings;
        return true;
    }

    // Waits until the meter answers live-value requests again.
    bool waitForPolling(double seconds) {
        const int before = port_.amount(protocol::Counts);
        return runFor(seconds, [&] { return port_.amount(protocol::Counts) >= before + 5; });
    }

    void run() {
        MainWindow& w = tool_.window();
        Session& s = tool_.session();
        QTabWidget* tabs = w.regkor2();

        // read: the overview page with the meter's data and live values.
        tabs->setCurrentIndex(0);
        settle(1.0);
        save(&w, QStringLiteral("02-read"), QStringLiteral("overview page with the meter's data"));
        tabs->setCurrentIndex(2);
        settle();
        save(&w, QStringLiteral("02-digital"), QStringLiteral("digital page, the meter's output"));

        // connect: the port frame of Connection > Port, then OK connects again.
        tool_.features().ports.configurePort();
        settle();
        save(&w, QStringLiteral("01-connect"),
             QStringLiteral("port frame, port 1 on the simulator"));
        w.element<QAbstractButton>(QStringLiteral("cmdSchnittstellen"))->click();
        if (!waitForPolling(30.0)) failures << QStringLiteral("connect: no live values after OK");
        settle(1.0);

        // edit: the analog page with the full scale ticked and a new value typed.
        tabs->setCurrentIndex(1);
        settle();
        w.element<QAbstractButton>(QStringLiteral("chkKonfAnalog_1"))->click();
        settle(0.2);
        if (auto* box = w.element<QLineEdit>(QStringLiteral("txtKonfMEW"))) {
            const float limit = s.meter.MOG > 0 ? s.meter.MOG : s.meter.MEW;
            const int fullScale = qMax(1, int(limit * 0.8f));
            box->clear();
            QTest::keyClicks(box, QString::number(fullScale));
        }
        settle();
        save(&w, QStringLiteral("03-edit"),
             QStringLiteral("analog page, full scale ticked and changed"));

        // write: OK shows the device data window; it is discarded here, nothing is written.
        w.element<QAbstractButton>(QStringLiteral("cmdokAnalog"))->click();
        settle();
        save(&w.frmND(), QStringLiteral("04-write"), QStringLiteral("device data window after OK"));
        // writing: the write runs, and midway the window shows its progress,
        // then the meter's planned restart.
        QTimer::singleShot(WritingShotMs, &w, [this, &w] {
            save(&w, QStringLiteral("04-writing"),
                 QStringLiteral("a write in progress, its bar in the status bar"));
        });
        QTimer restartWatch;
        QObject::connect(&restartWatch, &QTimer::timeout, &w, [this, &w, &restartWatch] {
            const auto* restart = w.element<QWidget>(QStringLiteral("lblNeustart"));
            if (!restart || !restart->isVisible()) return;
            restartWatch.stop();
            save(&w, QStringLiteral("04-restarting"),
                 QStringLiteral("the meter restarting after the write"));
        });
        restartWatch.start(50);
        if (auto* write = w.frmND().findChild<QAbstractButton*>(QStringLiteral("cmdNDspeichern")))
            write->click();
        if (!waitForPolling(60.0)) failures << QStringLiteral("write: no live values after it");
        if (restartWatch.isActive()) failures << QStringLiteral("write: no restart pictured");
        restartWatch.stop();
        settle();

        // curve: the service page (no Pass file: open at once) and the curve window.
        tabs->setCurrentIndex(3);
        settle(1.0);
        save(&w, QStringLiteral("05-service"),
             QStringLiteral("service page with the support points"));
        w.element<QAbstractButton>(QStringLiteral("cmdKennlinie"))->click();
        settle(1.0);
        QWidget* curve = w.findChild<QWidget*>(QStringLiteral("frmKennlinie"));
        save(curve, QStringLiteral("05-curve"), QStringLiteral("curve window"));
        if (curve) curve->hide();
        settle();

        // logging: the logging dialog with a folder and a base name.
        tool_.features().recording.openLoggingDialog();
        settle();
        FrmMdSave& logging = w.frmMdSave();
        const QString logs = QDir(folder).filePath(QStringLiteral("measurements"));
        if (auto* model = qobject_cast<QFileSystemModel*>(logging.folders()->model())) {
            // The model reads folders in the background: show the folder once it is there.
            for (int attempt = 0; attempt < 10; ++attempt) {
                const QModelIndex i = model->index(logs);
                logging.folders()->setCurrentIndex(i);
                logging.folders()->scrollTo(i, QAbstractItemView::PositionAtCenter);
                settle(0.2);
            }
            emit logging.folders()->clicked(model->index(logs));
        }
        if (auto* name = logging.findChild<QLineEdit*>(QStringLiteral("txtDateiname"))) {
            name->clear();
            QTest::keyClicks(name, QStringLiteral("flowlog"));
        }
        settle(1.0);
        save(&logging, QStringLiteral("07-logging"), QStringLiteral("logging dialog"));
        tool_.features().recording.closeLoggingDialog();
        settle();

        // reports: File > print configuration, rendered by the print seam.
        tabs->setCurrentIndex(0);
        settle();
        w.menuEntry(Menu::mnudatei, 5)->trigger();
        settle();
        if (dialogs_.reportPicture.isNull())
            failures << QStringLiteral("08-report: the report was not rendered");
        else
            savePixmap(
                dialogs_.reportPicture, QStringLiteral("08-report"),
                QStringLiteral("configuration report, page 1 of %1").arg(dialogs_.reportPages));

        // calibration: the calibration frame of the service page, after the reset
        // has filled its exchange list.
        tabs->setCurrentIndex(3);
        settle();
        if (auto* frame = w.element<QWidget>(QStringLiteral("raAbgleich")))
            if (auto* page = qobject_cast<QScrollArea*>(tabs->currentWidget()))
                page->ensureWidgetVisible(frame);
        if (o_.reset) {
            QElapsedTimer t;
            t.start();
            w.element<QAbstractButton>(QStringLiteral("cmdDACReset"))->click();
            resetSeconds = double(t.elapsed()) / 1000.0;
            settle(1.0);
            const auto* list = w.element<QListWidget>(QStringLiteral("lst_rs232"));
            if (!list || list->count() == 0)
                failures << QStringLiteral("06-calibration: the exchange list stayed empty");
            if (auto* frame = w.element<QWidget>(QStringLiteral("raAbgleich")))
                if (auto* page = qobject_cast<QScrollArea*>(tabs->currentWidget()))
                    page->ensureWidgetVisible(frame);
        }
        save(&w, QStringLiteral("06-calibration"),
             QStringLiteral("service page, calibration frame"));

        // message: the lost-link message in German and French, Qt's buttons translated too.
        const std::pair<Language, const char*> languages[] = {{Language::German, "de"},
                                                              {Language::French, "fr"}};
        for (const auto& [language, code] : languages) {
            tool_.features().languages.chooseLanguage(language);
            settle();
            const auto box = messageBox(s.texts[textNo::ConnectionBroken],
                                        s.texts[textNo::TitleConnectionBroken], Buttons::OkCancel,
                                        Symbol::Critical, &w);
            box->show();
            settle(0.3);
            save(box.get(), QStringLiteral("09-message-%1").arg(QLatin1String(code)),
                 QStringLiteral("lost-link message, %1").arg(QLatin1String(code)));
        }
    }

    QString folder;
    QStringList index, layout, failures;
    double resetSeconds = 0;

private:
    App& tool_;
    TourDialogs& dialogs_;
    CountingPort& port_;
    const Options& o_;
    QDir dir_;
};

bool writeLines(const QString& path, const QStringList& lines) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    QTextStream s(&f);
    for (const QString& l : lines)
        s << l << '\n';
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Offscreen unless a display is named, as under xvfb-run.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Options o;
    if (!parse(app.arguments(), o)) {
        err() << "usage: screenshot_tour OUTDIR [NOTE] [--size WxH] [--language de|en|fr] "
                 "[--no-reset]\n";
        return 1;
    }
    if (!QDir().mkpath(o.out)) {
        err() << "cannot create " << o.out << '\n';
        return 1;
    }
    // The program folder beside the executable, not in the system's temporary
    // folder: the logging dialog's folder tree then shows the build tree around it.
    QTemporaryDir folder(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("orbis-tour-XXXXXX")));
    if (!folder.isValid()) {
        err() << "cannot create the program folder beside the executable\n";
        return 1;
    }
    createProgramFolder(folder.path(), o.language);
    const QString ports = folder.filePath(QStringLiteral("ports"));
    QProcess sim;
    sim.start(QStringLiteral(ORBIS_SIM), {"--latency", "0", "--profile", "constant", "--flow", "75",
                                          "--link", ports + QStringLiteral("/com1")});
    if (!sim.waitForReadyRead(5000)) {
        err() << "the simulator did not start\n";
        return 1;
    }

    SteadyClock clock;
    SerialPort serial([ports](int n) { return portPath(n, ports); });
    serial.onData([&clock] { clock.wake(); });
    CountingPort port(serial);
    TourDialogs dialogs;
    int result = 0;
    {
        App tool(port, clock, dialogs, folder.path(), systemSerialPorts);
        tool.load();
        tool.window().show();
        if (o.size.isValid()) tool.window().resize(o.size);
        if (!runFor(30.0, [&] { return tool.session().live.Counts != 0; })) {
            err() << "the meter was not read within 30 s\n";
            result = 2;
        } else {
            Tour tour(tool, dialogs, port, o);
            tour.folder = folder.path();
            tour.run();
            const QSize ws = tool.window().size();
            QStringList head{
                QStringLiteral("note: %1").arg(o.note.isEmpty() ? "-" : o.note),
                QStringLiteral("platform: %1, device pixel ratio %2")
                    .arg(QGuiApplication::platformName())
                    .arg(tool.window().devicePixelRatioF()),
                QStringLiteral("main window: %1x%2 (asked %3)")
                    .arg(ws.width())
                    .arg(ws.height())
                    .arg(o.size.isValid()
                             ? QStringLiteral("%1x%2").arg(o.size.width()).arg(o.size.height())
                             : QStringLiteral("designed size"))};
            if (o.reset)
                head << QStringLiteral("calibration reset: %1 s").arg(tour.resetSeconds, 0, 'f', 1);
            for (const QString& m : dialogs.messages)
                head << QStringLiteral("message shown: ") + m;
            for (const QString& f : tour.failures)
                head << QStringLiteral("failed: ") + f;
            writeLines(QDir(o.out).filePath(QStringLiteral("shots.txt")), head + tour.index);
            writeLines(QDir(o.out).filePath(QStringLiteral("layout.txt")), tour.layout);
            QTextStream out(stdout);
            for (const QString& l : head + tour.index)
                out << l << '\n';
            out << tour.layout.size() << " layout findings in "
                << QDir(o.out).filePath(QStringLiteral("layout.txt")) << '\n';
            if (!tour.failures.isEmpty()) result = 2;
        }
    }
    sim.terminate();
    sim.waitForFinished();
    return result;
}
