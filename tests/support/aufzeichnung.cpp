#include "support/aufzeichnung.h"

namespace {

QString anAus(bool b) {
    return b ? QStringLiteral("an") : QStringLiteral("aus");
}

}  // namespace

void AufzeichnendeAnzeige::setzeLampe(Lampe farbe) {
    lampe_ = farbe;
    const char* namen[] = {"Gruen", "Grau", "Rot"};
    protokoll << QStringLiteral("Lampe %1").arg(QLatin1String(namen[int(farbe)]));
}

void AufzeichnendeAnzeige::zeigeVerbunden(bool verbunden) {
    protokoll << (verbunden ? QStringLiteral("Picconnect") : QStringLiteral("Picdisconnect"));
}

void AufzeichnendeAnzeige::setzeSichtbar(Element e, bool sichtbar) {
    protokoll << QStringLiteral("%1 sichtbar %2").arg(elementName(e), anAus(sichtbar));
}

void AufzeichnendeAnzeige::setzeAktiv(Element e, bool aktiv) {
    protokoll << QStringLiteral("%1 aktiv %2").arg(elementName(e), anAus(aktiv));
}

void AufzeichnendeAnzeige::setzeMenueAktiv(Menue m, int index, bool aktiv) {
    protokoll << QStringLiteral("%1(%2) aktiv %3").arg(menueName(m)).arg(index).arg(anAus(aktiv));
}

void AufzeichnendeAnzeige::setzeCountsTimer(bool an) {
    countsTimer = an;
    protokoll << QStringLiteral("TimCounts %1").arg(anAus(an));
}

void AufzeichnendeAnzeige::countsErhalten(quint8 high, quint8 low) {
    protokoll << QStringLiteral("Counts %1").arg(high * 256 + low);
}

void AufzeichnendeAnzeige::setzeFehlerzeile(const QString& code, const QString& text) {
    protokoll << QStringLiteral("tabError %1 | %2").arg(code, text);
}

void AufzeichnendeAnzeige::setzeStatus(const QString& text) {
    protokoll << QStringLiteral("Status ") + text;
}

void AufzeichnendeAnzeige::setzeSkalenendwert(int prozent) {
    protokoll << QStringLiteral("Skala %1").arg(prozent);
}

void AufzeichnendeAnzeige::setzeUeberlaufText(const QString& text, Farbe farbe) {
    protokoll
        << QStringLiteral("lblUeberlauf %1 #%2").arg(text).arg(farbe, 6, 16, QLatin1Char('0'));
}

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

QStringList AufzeichnendeAnzeige::zu(const QString& name) const {
    QStringList l;
    for (const QString& z : protokoll)
        if (z.startsWith(name + QLatin1Char(' '))) l << z;
    return l;
}

void AufzeichnendeAnzeige::setzeText(const QString& name, const QString& text) {
    texte[name] = text;
    protokoll << QStringLiteral("%1 = %2").arg(name, text);
}

void AufzeichnendeAnzeige::setzeSichtbarkeit(const QString& name, bool sichtbar) {
    protokoll << QStringLiteral("%1 sichtbar %2").arg(name, anAus(sichtbar));
}

void AufzeichnendeAnzeige::setzeTextfarbe(const QString& name, Farbe farbe) {
    protokoll << QStringLiteral("%1 Textfarbe #%2").arg(name).arg(farbe, 6, 16, QLatin1Char('0'));
}

void AufzeichnendeAnzeige::setzeHintergrund(const QString& name, Farbe farbe) {
    protokoll << QStringLiteral("%1 Hintergrund #%2").arg(name).arg(farbe, 6, 16, QLatin1Char('0'));
}

void AufzeichnendeAnzeige::setzeZahl(const QString& name, int wert) {
    texte[name] = QString::number(wert);
    protokoll << QStringLiteral("%1 Wert %2").arg(name).arg(wert);
}

void AufzeichnendeAnzeige::setzeAuswahl(const QString& liste, int index) {
    protokoll << QStringLiteral("%1 Auswahl %2").arg(liste).arg(index);
}

void AufzeichnendeAnzeige::setzeEintrag(const QString& liste, int index, const QString& text) {
    texte[QStringLiteral("%1#%2").arg(liste).arg(index)] = text;
    protokoll << QStringLiteral("%1#%2 = %3").arg(liste).arg(index).arg(text);
}

void AufzeichnendeAnzeige::setzeZelle(const QString& raster, int zeile, int spalte,
                                      const QString& text) {
    texte[QStringLiteral("%1(%2,%3)").arg(raster).arg(zeile).arg(spalte)] = text;
}

void AufzeichnendeAnzeige::setzeZellfarbe(const QString& raster, int zeile, int spalte,
                                          Farbe farbe) {
    texte[QStringLiteral("%1(%2,%3) Farbe").arg(raster).arg(zeile).arg(spalte)] =
        QStringLiteral("#%1").arg(farbe, 6, 16, QLatin1Char('0'));
}

void AufzeichnendeAnzeige::setzeLaufzeiger(bool warten) {
    protokoll << (warten ? QStringLiteral("Sanduhr") : QStringLiteral("Pfeil"));
}

void AufzeichnendeAnzeige::setzeFenstertitel(const QString& titel) {
    protokoll << QStringLiteral("Titel ") + titel;
}

void AufzeichnendeAnzeige::setzeTabAktiv(int tab, bool aktiv) {
    protokoll << QStringLiteral("regkor2(%1) aktiv %2").arg(tab).arg(anAus(aktiv));
}

void AufzeichnendeAnzeige::waehleTab(int tab) {
    protokoll << QStringLiteral("regkor2 Tab %1").arg(tab);
}
