#include "files/settings_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include "device/zahlen.h"

namespace einstellungen {
namespace {

// One field of a line: blanks around it skipped, a comma ends it.
QString feld(const QStringList& zeilen, int i) {
    if (i >= zeilen.size()) return QString();
    return zeilen[i].section(QLatin1Char(','), 0, 0).trimmed();
}

// The period is the decimal point whatever the desktop's number format.
QString zahlText(double wert) {
    return QString::number(wert, 'g', 15);
}

}  // namespace

Einstellungen lesen(const QString& pfad) {
    Einstellungen e;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return e;
    const QString inhalt = QString::fromLatin1(datei.readAll());
    QStringList zeilen = inhalt.split(QLatin1Char('\n'));
    for (QString& z : zeilen)
        z.remove(QLatin1Char('\r'));
    e.Portname = feld(zeilen, 0);
    e.Portnummer = int(fuehrendeZahl(feld(zeilen, 1)));
    e.Parallelport = feld(zeilen, 2);
    e.Sprache = feld(zeilen, 3);
    e.einheit.Einheit = feld(zeilen, 4);
    e.einheit.Umrechnungsfaktor = fuehrendeZahl(feld(zeilen, 5));
    e.einheit.Normzustand = feld(zeilen, 6);
    e.einheit.Gasart = feld(zeilen, 7);
    return e;
}

bool schreiben(const QString& pfad, const Einstellungen& e) {
    const QStringList zeilen = {e.Portname,
                                QString::number(e.Portnummer),
                                e.Parallelport,
                                e.Sprache,
                                e.einheit.Einheit,
                                zahlText(e.einheit.Umrechnungsfaktor),
                                e.einheit.Normzustand,
                                e.einheit.Gasart};
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) return false;
    for (const QString& z : zeilen)
        datei.write(z.toLatin1() + "\r\n");
    return datei.commit();
}

bool feldtauglich(const QString& text) {
    return !text.contains(QLatin1Char(','));
}

}  // namespace einstellungen
