#pragma once

#include <QObject>
#include <functional>

#include "features/features.h"
#include "session/session.h"
#include "ui/display_renderer.h"
#include "ui/main_window.h"
#include "ui/paint_pacer.h"
#include "ui/qt_translations.h"

class FrmKennlinie;
class FrmTrend;

// The tool with its window: the main window, the session it shows, and the
// wiring of menus and buttons to the session's operations. Tests drive it
// with the simulated port, virtual time and scripted dialogs.
class App : public QObject {
    Q_OBJECT

public:
    App(Port& port, Clock& clock, Dialogs& dialogs, const QString& programFolder,
        std::function<QStringList()> systemPorts);
    ~App() override;

    // The window load.
    void load() { session_.load(); }

    MainWindow& window() { return window_; }
    Session& session() { return session_; }
    Features& features() { return features_; }

private:
    void wireMenus();
    void wireFrames();
    void wireUnits();
    void wireEditors();
    void wireBoxes();
    void wireDeviceData();
    void wireHints();
    void wirePassword();
    void wireSupportPoints();
    void wireCounts();
    void wireLogging();
    void wireTrend();
    void wireReports();
    template <typename W>
    W* find(const char* name) const {
        return window_.element<W>(QString::fromUtf8(name));
    }
    void applyCaptions(Language s);

    MainWindow window_;
    DisplayRenderer renderer_;
    PaintPacer pacer_;
    Session session_;
    Features features_{session_};
    QtTranslations qtTexts_;
    FrmKennlinie* kennlinie_ = nullptr;  // built on first use
    FrmTrend* trend_ = nullptr;
};
