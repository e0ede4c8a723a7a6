#pragma once

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <functional>

#include "files/program_folder.h"

// A program folder with the shipped files, German, port 1 configured, and
// a folder for the port links.
inline void createProgramFolder(const QString& folder) {
    for (const QString& d : programFolder::shippedFiles())
        QFile::copy(QStringLiteral(ORBIS_DATA "/") + d, QDir(folder).filePath(d));
    QFile settings(QDir(folder).filePath(QStringLiteral("Q_orbis.CON")));
    settings.open(QIODevice::WriteOnly);
    settings.write("Com1\r\n1\r\nLPT1\r\nDeutsch\r\nkg/h\r\n1\r\n(-)\r\nLuft\r\n");
    QFile marker(QDir(folder).filePath(QStringLiteral("Q_orbis.SPR")));
    marker.open(QIODevice::WriteOnly);
    marker.write("Deutsch\r\n");
    QDir(folder).mkdir(QStringLiteral("ports"));
}

// Runs the event loop until `done` holds or `s` seconds have passed, looking every 5 ms.
inline void runFor(double s, const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer checkTimer;
    QObject::connect(&checkTimer, &QTimer::timeout, [&] {
        if (done()) loop.quit();
    });
    checkTimer.start(5);
    QTimer::singleShot(int(s * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop for `s` seconds without looking at anything, so that
// the CPU time measured meanwhile is the tool's own.
inline void idleFor(double s) {
    QEventLoop loop;
    QTimer::singleShot(int(s * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

// Starts the simulated meter, steady at 75 kg/h without latency, linked as
// port 1 in the folder `ports`; false when it did not come up.
inline bool startLinkedSimulator(QProcess& sim, const QString& ports) {
    sim.start(QStringLiteral(ORBIS_SIM), {"--latency", "0", "--profile", "constant", "--flow", "75",
                                          "--link", ports + QStringLiteral("/com1")});
    return sim.waitForReadyRead(5000);
}
