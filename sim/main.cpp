// orbis-sim: serves a simulated KRN410-Q Orbis meter on a pseudo-terminal and
// prints the terminal's device path. It runs until it is terminated.

#include <unistd.h>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTextStream>
#include <csignal>

#include "sim/abbilder.h"
#include "sim/echtzeit.h"
#include "sim/leitung.h"
#include "sim/messgeraet.h"
#include "sim/pty_server.h"

namespace {

int signalRohr[2] = {-1, -1};

void beiSignal(int) {
    [[maybe_unused]] const ssize_t n = ::write(signalRohr[1], "x", 1);
}

void beendenBeiSignal(QCoreApplication& app) {
    if (::pipe(signalRohr) != 0) return;
    auto* notifier = new QSocketNotifier(signalRohr[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGTERM, beiSignal);
    std::signal(SIGINT, beiSignal);
    std::signal(SIGHUP, beiSignal);
}

QByteArray abbildNach(const QString& name) {
    if (name == QLatin1String("erased")) return abbild::geloescht();
    if (name == QLatin1String("fw2")) return abbild::firmware2();
    return abbild::standard();
}

Durchflussprofil::Art profilNach(const QString& name) {
    if (name == QLatin1String("constant")) return Durchflussprofil::Art::Konstant;
    if (name == QLatin1String("noisy")) return Durchflussprofil::Art::Rauschen;
    return Durchflussprofil::Art::Rampe;
}

void optionen(QCommandLineParser& p) {
    p.setApplicationDescription(
        QStringLiteral("Simulated KRN410-Q Orbis meter on a pseudo-terminal"));
    p.addHelpOption();
    p.addOptions({
        {QStringLiteral("image"), QStringLiteral("EEPROM image: default, fw2 or erased."),
         QStringLiteral("name"), QStringLiteral("default")},
        {QStringLiteral("profile"), QStringLiteral("Flow profile: constant, ramp or noisy."),
         QStringLiteral("name"), QStringLiteral("ramp")},
        {QStringLiteral("flow"),
         QStringLiteral("Flow in kg/h (ramp top, constant or noise centre)."),
         QStringLiteral("kgh"), QStringLiteral("120")},
        {QStringLiteral("period"), QStringLiteral("Seconds of one ramp."), QStringLiteral("s"),
         QStringLiteral("20")},
        {QStringLiteral("latency"), QStringLiteral("Response latency in milliseconds."),
         QStringLiteral("ms"), QStringLiteral("2")},
        {QStringLiteral("restart"), QStringLiteral("Seconds the meter stays silent after a reset."),
         QStringLiteral("s"), QStringLiteral("2")},
        {QStringLiteral("error-code"),
         QStringLiteral("Error code reported to the status query (17: under-voltage)."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("nak"), QStringLiteral("Answer the first n requests with NAK."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("cold-start"), QStringLiteral("The meter needs a cold start.")},
        {QStringLiteral("silent"), QStringLiteral("The meter never answers.")},
        {QStringLiteral("link"),
         QStringLiteral("Also make a symbolic link to the device at this path."),
         QStringLiteral("path")},
    });
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser p;
    optionen(p);
    p.process(app);

    Echtzeit zeit;
    Messgeraet geraet(abbildNach(p.value(QStringLiteral("image"))));
    geraet.profil.art = profilNach(p.value(QStringLiteral("profile")));
    geraet.profil.kgh = p.value(QStringLiteral("flow")).toDouble();
    geraet.profil.periode = qMax(0.1, p.value(QStringLiteral("period")).toDouble());
    geraet.fehlercode = p.value(QStringLiteral("error-code")).toInt();
    geraet.kaltstartNoetig = p.isSet(QStringLiteral("cold-start"));

    PtyServer server;
    Leitung leitung(geraet, zeit, [&server](const QByteArray& b) { server.sende(b); });
    leitung.latenz = p.value(QStringLiteral("latency")).toDouble() / 1000.0;
    leitung.neustartZeit = p.value(QStringLiteral("restart")).toDouble();
    leitung.fehler.nak = p.value(QStringLiteral("nak")).toInt();
    leitung.fehler.stumm = p.isSet(QStringLiteral("silent")) ? 1 << 30 : 0;
    server.verbinden(leitung);

    QString fehler;
    if (!server.starten(fehler)) {
        QTextStream(stderr) << "orbis-sim: cannot open a pseudo-terminal: " << fehler << '\n';
        return 1;
    }
    const QString link = p.value(QStringLiteral("link"));
    if (!link.isEmpty()) {
        QFile::remove(link);
        if (!QFile::link(server.geraetepfad(), link)) {
            QTextStream(stderr) << "orbis-sim: cannot create the link " << link << '\n';
            return 1;
        }
    }
    QTextStream(stdout) << server.geraetepfad() << Qt::endl;
    beendenBeiSignal(app);
    const int ergebnis = app.exec();
    if (!link.isEmpty()) QFile::remove(link);
    return ergebnis;
}
