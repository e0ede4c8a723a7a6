#include "support/scripted_dialogs.h"

Antwort SkriptDialoge::meldung(const QString& text, const QString& titel, Schaltflaechen knoepfe,
                               Symbol symbol) {
    gezeigt.append({text, titel, knoepfe, symbol});
    return antworten.isEmpty() ? Antwort::Ok : antworten.takeFirst();
}

QStringList SkriptDialoge::texte() const {
    QStringList l;
    for (const auto& m : gezeigt)
        l << m.text;
    return l;
}
