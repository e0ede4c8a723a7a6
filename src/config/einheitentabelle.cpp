#include "config/einheitentabelle.h"

#include <QFile>

#include "config/sequential_input.h"

namespace {

const QString Ende = QStringLiteral("Ende");

Masseinheit kgh() {
    return {QStringLiteral("kg/h"), 1.0, QStringLiteral("(-)"), QStringLiteral("Luft")};
}

}  // namespace

Einheitentabelle EinheitenLesen(const QString& pfad) {
    Einheitentabelle t;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        t.probleme.append({Einheitenproblem::Art::Fehlt, datei.errorString()});
    } else {
        SequenzielleEingabe ein(QString::fromLatin1(datei.readAll()));
        QString name, faktor;
        for (;;) {
            if (!ein.naechster(name)) {
                t.probleme.append({Einheitenproblem::Art::OhneEnde, QString()});
                break;
            }
            if (name == Ende) break;
            Masseinheit e{name, 0.0, QString(), QString()};
            if (!ein.naechster(faktor) || !ein.naechster(e.Normzustand) ||
                !ein.naechster(e.Gasart)) {
                t.probleme.append({Einheitenproblem::Art::Unvollstaendig, name});
                break;
            }
            bool ok = false;
            e.Umrechnungsfaktor = faktor.toDouble(&ok);
            if (!ok || !(e.Umrechnungsfaktor > 0)) {
                t.probleme.append({Einheitenproblem::Art::Faktor, name});
                continue;
            }
            if (t.eintraege.size() == Einheitentabelle::Max) {
                t.probleme.append(
                    {Einheitenproblem::Art::ZuViele, QString::number(Einheitentabelle::Max)});
                break;
            }
            t.eintraege.append(e);
        }
    }
    if (t.eintraege.isEmpty()) t.eintraege.append(kgh());
    return t;
}

QString listentext(const Masseinheit& e) {
    return e.Einheit + QStringLiteral("  ") + e.Normzustand + QStringLiteral("  ") + e.Gasart;
}

namespace {

QString problemText(const Einheitenproblem& p, Sprache s) {
    switch (p.art) {
        case Einheitenproblem::Art::Fehlt:
            return waehle(s, QStringLiteral("Die Datei kann nicht gelesen werden (%1)."),
                          QStringLiteral("The file cannot be read (%1)."),
                          QStringLiteral("Le fichier ne peut pas être lu (%1)."))
                .arg(p.detail);
        case Einheitenproblem::Art::OhneEnde:
            return waehle(s, QStringLiteral("Die Zeile \"Ende\" fehlt."),
                          QStringLiteral("The line \"Ende\" is missing."),
                          QStringLiteral("La ligne \"Ende\" manque."));
        case Einheitenproblem::Art::Unvollstaendig:
            return waehle(s, QStringLiteral("Die Einheit \"%1\" ist unvollständig."),
                          QStringLiteral("The unit \"%1\" is incomplete."),
                          QStringLiteral("L'unité \"%1\" est incomplète."))
                .arg(p.detail);
        case Einheitenproblem::Art::Faktor:
            return waehle(
                       s,
                       QStringLiteral(
                           "Die Einheit \"%1\" hat keinen Faktor über 0 und wird nicht angeboten."),
                       QStringLiteral("The unit \"%1\" has no factor above 0 and is not offered."),
                       QStringLiteral("L'unité \"%1\" n'a pas de facteur supérieur à 0 et n'est "
                                      "pas proposée."))
                .arg(p.detail);
        case Einheitenproblem::Art::ZuViele:
            return waehle(s, QStringLiteral("Nur die ersten %1 Einheiten werden gelesen."),
                          QStringLiteral("Only the first %1 units are read."),
                          QStringLiteral("Seules les %1 premières unités sont lues."))
                .arg(p.detail);
    }
    return QString();
}

}  // namespace

QString problemMeldung(const QVector<Einheitenproblem>& probleme, Sprache s) {
    QString text = waehle(s, QStringLiteral("Einheitendatei UNIT.CON:"),
                          QStringLiteral("Units file UNIT.CON:"),
                          QStringLiteral("Fichier des unités UNIT.CON :"));
    for (const Einheitenproblem& p : probleme)
        text += QStringLiteral("\r\n") + problemText(p, s);
    return text;
}
