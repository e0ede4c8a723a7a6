#include "cli/service_password.h"

#include <termios.h>
#include <unistd.h>
#include <QTextStream>

#include "files/password_file.h"

namespace cli {
namespace {

// A line typed at the terminal without echoing it.
QString prompted() {
    QTextStream err(stderr);
    err << "Password: " << Qt::flush;
    termios before{};
    const bool quiet = tcgetattr(STDIN_FILENO, &before) == 0;
    termios silent = before;
    silent.c_lflag &= ~tcflag_t(ECHO);
    if (quiet) tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    const QString typed = QTextStream(stdin).readLine();
    if (quiet) tcsetattr(STDIN_FILENO, TCSAFLUSH, &before);
    err << Qt::endl;
    return typed;
}

}  // namespace

int servicePassword(Headless& tool, const Options& o) {
    QTextStream err(stderr);
    const QString path = tool.session.file(QLatin1String(passwordFile::FileName));
    const passwordFile::ReadResult stored = passwordFile::PasswortLesen(path);
    if (!stored.ok()) {
        err << "orbis-cli: " << path << ": " << stored.error << Qt::endl;
        return Refused;
    }
    if (stored.password != QLatin1String(passwordFile::NoPassword)) {
        if (!o.passwordGiven && !isatty(STDIN_FILENO)) {
            err << "orbis-cli: this operation needs the service password (--password TEXT)"
                << Qt::endl;
            return Refused;
        }
        if ((o.passwordGiven ? o.password : prompted()) != stored.password) {
            err << "orbis-cli: wrong service password" << Qt::endl;
            return Refused;
        }
    }
    tool.features.password.serviceGranted();
    return Done;
}

}  // namespace cli
