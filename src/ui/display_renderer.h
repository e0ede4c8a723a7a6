#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "session/display_model.h"

class MainWindow;
class QObject;

// Puts what the session publishes onto the main window and the device data
// window: each change of a value touches exactly the control it names.
class DisplayRenderer {
public:
    explicit DisplayRenderer(MainWindow& window) : w_(window) {}

    void render(const QString& name, Aspect aspect, const QVariant& value);
    // The texts the display holds for these controls, after something else
    // (the captions of a new language) wrote over them.
    void restoreTexts(const DisplayModel& d, const QStringList& names);

private:
    // A control, or an entry of a list, a cell of a grid or a page of the tab control.
    struct Target {
        QObject* object = nullptr;
        int row = -1;
        int column = -1;
    };
    Target target(const QString& name);
    Target find(const QString& name) const;
    QObject* named(const QString& name) const;

    void text(const Target& t, const QString& s);
    void enabled(const Target& t, bool on);
    void items(const Target& t, const QStringList& entries);
    void number(const Target& t, Aspect aspect, int value);
    void colour(const Target& t, Aspect aspect, Color c);

    MainWindow& w_;
    QHash<QString, Target> found_;
};
