#include "files/config_file.h"

#include <QFile>
#include <QStringList>
#include <cmath>

#include "config/saved_file.h"
#include "config/sequential_input.h"
#include "device/numbers.h"
#include "files/text_file.h"

namespace configFile {
namespace {

constexpr int InputPastEnd = 62;
constexpr int TypeMismatch = 13;
constexpr int Overflow = 6;
constexpr int FileNotFound = 53;

// Print form of an integer: sign or blank, digits, one blank.
QString printForm(int v) {
    return (v < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(std::abs(v)) +
           QLatin1Char(' ');
}

class Reader {
public:
    Reader(const QString& text, ReadResult& r) : in_(text), r_(r) {}

    bool integer(int& v) {
        double d = 0;
        if (!number(d)) return false;
        // Written so that "nan", which no comparison holds for, overflows too.
        if (!(std::fabs(d) <= 32767.5)) return fail(QStringLiteral("Überlauf"), Overflow);
        v = int(roundHalfEven(d, 0));
        return true;
    }
    bool single(float& v) {
        double d = 0;
        if (!number(d)) return false;
        v = float(d);
        return true;
    }
    bool text(QString& v) {
        if (in_.next(v)) return true;
        return fail(QStringLiteral("Einlesen hinter Dateiende"), InputPastEnd);
    }

private:
    bool number(double& d) {
        QString t;
        if (!text(t)) return false;
        bool ok = false;
        d = t.isEmpty() ? 0.0 : t.toDouble(&ok);
        return t.isEmpty() || ok ? true : fail(QStringLiteral("Typen unverträglich"), TypeMismatch);
    }
    bool fail(const QString& description, int number) {
        r_.error = description;
        r_.errorNumber = number;
        return false;
    }

    SequentialInput in_;
    ReadResult& r_;
};

}  // namespace

ConfigFile factory(double umrechnungsfaktor) {
    ConfigFile c;
    c.MEW = float(int(100.0 / umrechnungsfaktor));
    return c;
}

QByteArray text(const ConfigFile& c) {
    const QStringList lines = {printForm(c.Ausgangsart),
                               printForm(c.Analogbereich),
                               printForm(c.Digitalflags),
                               printForm(c.Konfigbyte3),
                               strForm(c.MEW),
                               strForm(roundHalfEven(c.Schleichmenge, 4)),
                               printForm(c.Daempfungszeit),
                               printForm(c.Frequenzbereich),
                               strForm(c.FrequenzMin),
                               strForm(c.FrequenzMax),
                               strForm(c.Impulswert),
                               printForm(c.Impulsdauer),
                               c.Polaritaet,
                               strForm(c.SchaltMin),
                               strForm(c.SchaltMax),
                               c.SchaltPolaritaet,
                               strForm(c.Ueberlauf)};
    QByteArray out;
    for (const QString& line : lines)
        out += line.toLatin1() + "\r\n";
    return out;
}

ReadResult parse(const QString& text) {
    ReadResult r;
    ConfigFile& c = r.values;
    Reader in(text, r);
    // Each line in table order; reading stops at the first input error, which `r` holds.
    (void)(in.integer(c.Ausgangsart) && in.integer(c.Analogbereich) && in.integer(c.Digitalflags) &&
           in.integer(c.Konfigbyte3) && in.single(c.MEW) && in.single(c.Schleichmenge) &&
           in.integer(c.Daempfungszeit) && in.integer(c.Frequenzbereich) &&
           in.integer(c.FrequenzMin) && in.integer(c.FrequenzMax) && in.single(c.Impulswert) &&
           in.integer(c.Impulsdauer) && in.text(c.Polaritaet) && in.single(c.SchaltMin) &&
           in.single(c.SchaltMax) && in.text(c.SchaltPolaritaet) && in.integer(c.Ueberlauf));
    return r;
}

ReadResult read(const QString& path) {
    QString text;
    ReadResult r;
    if (readLatin1(path, text, r.error)) return parse(text);
    r.errorNumber = FileNotFound;
    return r;
}

bool write(const QString& path, const ConfigFile& c, QString& error) {
    return saveWhole(path, text(c), error);
}

QString saveName(const QString& chosen) {
    if (chosen.right(4).toUpper() == QLatin1String(".USE")) return chosen;
    const bool threeLetterExtension = chosen.size() > 4 && chosen[chosen.size() - 4] == '.' &&
                                      !chosen.right(3).contains(QLatin1Char('/'));
    return threeLetterExtension ? chosen.left(chosen.size() - 4) + QStringLiteral(".use")
                                : chosen + QStringLiteral(".use");
}

}  // namespace configFile

// Two configurations are the same when they make the same file.
bool ConfigFile::operator==(const ConfigFile& o) const {
    return configFile::text(*this) == configFile::text(o);
}
