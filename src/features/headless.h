#pragma once

#include <QString>
#include <functional>

#include "features/features.h"
#include "link/named_port.h"
#include "link/steady_clock.h"
#include "session/console_dialogs.h"
#include "session/session.h"

// The tool without a window on a real port (serial or network), as the command-line
// tool, the benchmarks and the pseudo-terminal tests use it: messages go
// to standard error, and a question is answered with Cancel.
struct Headless {
    // `programFolder` holds the settings, language and units files;
    // `deviceName` maps a port number to the system's device.
    explicit Headless(const QString& programFolder = QString(),
                      std::function<QString(int)> deviceName = defaultDeviceName);

    // Opens `port` (a number, a device path or a URL); false with the reason in `failure`.
    bool open(const QString& port, QString& failure);

    SteadyClock clock;
    NamedPort port;
    ConsoleDialogs dialogs;
    Session session;
    Features features{session};
};
