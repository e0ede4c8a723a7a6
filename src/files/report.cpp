#include "files/report.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

#include "config/damping.h"
#include "config/time_base.h"
#include "curve/support_points.h"
#include "device/numbers.h"

namespace report {

namespace {

constexpr int TitleSize = 16;
constexpr int LabelTab = 10;
constexpr int ValueTab = 65;
constexpr int HeadTab = 9;
constexpr int DumpBytesPerRow = 12;
constexpr int DumpLastPosition = 513;

const QString Rule(70, QLatin1Char('_'));
const QString Is = QStringLiteral("= ");

void addEmpty(Document& d, int count = 1) {
    for (int i = 0; i < count; ++i)
        d.append(Line{});
}

void add(Document& d, const QVector<Item>& items) {
    d.append(Line{items});
}

void addRuleAndGap(Document& d) {
    add(d, {{LabelTab, Rule}});
    addEmpty(d);
}

// Numbers in a table keep their digits aligned: a sign place before, a blank after.
QString printed(double value) {
    return strForm(value) + QLatin1Char(' ');
}

QString trimmedLeft(const QString& text) {
    int i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    return text.mid(i);
}

QString text(Language s, const char* de, const char* en, const char* fr) {
    return choose(s, QString::fromUtf8(de), QString::fromUtf8(en), QString::fromUtf8(fr));
}

Document header(const QString& title, const QDateTime& now) {
    Document d;
    addEmpty(d, 3);
    const QLocale locale;
    d.append(Line{{{7, title, true},
                   {45, locale.toString(now.date(), QLocale::ShortFormat), true},
                   {60, locale.toString(now.time(), QLocale::ShortFormat), true}},
                  TitleSize});
    addRuleAndGap(d);
    return d;
}

// Service files these by serial number.
void addServiceHead(Document& d, const QString& name, const QString& Fertigungsnummer) {
    add(d, {{HeadTab, name, true}, {60, QStringLiteral("FNr. :   ") + Fertigungsnummer, true}});
    addRuleAndGap(d);
}

void addSectionHead(Document& d, const QString& name, Language s) {
    const bool french = s == Language::French;
    add(d, {{HeadTab, name, true}, {french ? 35 : 26, QStringLiteral(":"), true}});
    add(d, {{LabelTab, QString(french ? 22 : 16, QLatin1Char('_'))}});
    addEmpty(d);
}

void addRow(Document& d, const QString& label, const QString& value = QString()) {
    if (value.isEmpty())
        add(d, {{LabelTab, label}});
    else
        add(d, {{LabelTab, label}, {ValueTab, value}});
}

// The text of the first set bit from `firstBit` on; empty when none is set.
QString byFirstBit(int bits, int firstBit, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i)
        if (bits & (1 << (firstBit + i))) return texts[i];
    return QString();
}

void addRowIfAny(Document& d, const QString& label, const QString& value) {
    if (!value.isEmpty()) addRow(d, label, value);
}

void deviceSection(Document& d, const MeterParameters& m, const Unit& unit, Language s) {
    const QString blankUnit = QLatin1Char(' ') + unit.Einheit;
    addSectionHead(d, text(s, "Gerätedaten", "Settings", "Donnée de l'appareil"), s);
    addRow(d,
           text(s, "kalibrierte Messbereichsobergrenze (MOG)", "Calibrated upper range value (MOG)",
                "Valeur de seuil haut après calibrage (MOG)"),
           Is + boxForm(m.MOG) + blankUnit);
    addRow(d,
           text(s, "eingestellter Messbereichsendwert", "Range full scale value",
                "Valeur de fin d'échelle réçlée"),
           Is + boxForm(m.MEW) + blankUnit);
    addRow(d,
           text(s, "Umrechnungsfaktor eingestellte Einheit", "Conversion factor for selected unit",
                "Valeur de calcul de l'unité par rapport"),
           Is + boxForm(unit.Umrechnungsfaktor));
    addRow(d, text(s, "(bezogen auf kg/h)                           ", "(to kg/h)", "à kg/h"));
    if (unit.Normzustand.size() > 2)
        addRow(d, text(s, "Normzustand", "Standard specification", "Etat normal / de norme"),
               Is + trimmedLeft(unit.Normzustand));
    addRow(d, text(s, "Fertigungsnummer", "Serial Number", "Numéro de production"),
           Is + trimmedLeft(m.Fertigungsnummer));
    addRow(
        d,
        text(s, "Versionsnummer Firmware", "Version Firmware", "Numéro de version de la software"),
        Is + trimmedLeft(m.Firmwareversion));
    if (s == Language::French) addRow(d, QStringLiteral("de l'appareil (firmware)"));
}

void analogSection(Document& d, const MeterParameters& m, const Unit& unit, Language s) {
    addSectionHead(d, text(s, "Analogausgang", "Analog Output", "Sortie analogue"), s);
    addRowIfAny(d, text(s, "Analog Ausgang", "Analog Output", "Sortie analogue"),
                byFirstBit(m.Analogbereich, 0,
                           {QStringLiteral("= 0 - 5 Volt"), QStringLiteral("= 0 - 10 Volt"),
                            QStringLiteral("= 0 - 20 mA"), QStringLiteral("= 4 - 20 mA")}));
    addRowIfAny(d, text(s, "Ausgang im Fehlerfall", "Output at error", "Sortie en cas d'erreur"),
                byFirstBit(m.Analogbereich, 4,
                           {QStringLiteral("= Min"), QStringLiteral("= Max"),
                            QStringLiteral("= Down"), QStringLiteral("= Up")}));
    const double filterMs = double(std::lround(filterTime(m.Filterfaktor)));
    addRow(d, text(s, "Filterfaktor", "creep factor", "Facteur filtre"),
           Is + boxForm(filterMs) + QStringLiteral(" ms"));
    addRow(d, text(s, "Schleichmenge", "offset suppression", "Débit résiduel"),
           Is + boxForm(roundHalfEven(m.Schleichmenge, 4)) + QLatin1Char(' ') + unit.Einheit);
    const bool overflow = m.Ueberlauf == 1;
    addRow(d, text(s, "Überlauf 10%", "Overflow 10%", "Dépassement 10%"),
           overflow ? text(s, "= aktiv", "= active", "= actif")
                    : text(s, "= passiv", "= passive", "= passif"));
}

QString polarityValue(bool plus) {
    return plus ? QStringLiteral("= Positiv") : QStringLiteral("= Negativ");
}

void pulseRows(Document& d, const MeterParameters& m, const Unit& unit, float Impulswertigkeit,
               Language s) {
    addRow(d, text(s, "Impulswertigkeit", "Weld effeciency", "Poids de l'impulsion"),
           Is + boxForm(Impulswertigkeit) + QLatin1Char(' ') + timeBase::amountUnit(unit.Einheit));
    addRow(d, text(s, "Impulsdauer", "lenght", "Durée"),
           Is + boxForm(m.Impulsdauer) + QStringLiteral(" ms"));
    const bool plus = m.Polaritaet == QLatin1String("Plus");
    addRow(d,
           text(s, plus ? "Impulsausgang Polarität" : "Impulsausgang Polaritat", "Polarity",
                "Polarité"),
           polarityValue(plus));
}

QString frequencyRange(const MeterParameters& m, Language s) {
    switch (m.Frequenzbereich) {
        case 0:
            return Is + boxForm(m.FrequenzMin) + QStringLiteral(" - ") + boxForm(m.FrequenzMax) +
                   QStringLiteral(" Hz");
        case 1:
            return QStringLiteral("= 1 - 100 Hz");
        case 2:
            return QStringLiteral("= 10 - 1000 Hz");
        case 4:
            return text(s, "= 100 - 10 kHz", " = 100 - 10; kHz", "= 100 - 10 kHz");
        default:
            return QString();
    }
}

void switchRows(Document& d, const MeterParameters& m, const Unit& unit, Language s) {
    const QString blankUnit = QLatin1Char(' ') + unit.Einheit;
    addRow(d, text(s, "Schaltausgang (Min)", "Switch Output (Min)", "Sortie alarme Seuil bas"),
           Is + boxForm(m.SchaltMin) + blankUnit);
    addRow(d, text(s, "Schaltausgang (Max)", "Switch Output (Max)", "Sortie alarme Seuil haut"),
           Is + boxForm(m.SchaltMax) + blankUnit);
    addRow(d, text(s, "Schaltausgang Polarität", "Switch Output polarity", "Polarité"),
           polarityValue(m.Polaritaet == QLatin1String("Plus")));
}

void digitalSection(Document& d, const MeterParameters& m, const Unit& unit, float Impulswertigkeit,
                    Language s) {
    addSectionHead(d, text(s, "Digitalausgang", "Digital Output", "Sortie numérique"), s);
    if (m.Ausgangsart & 4)
        pulseRows(d, m, unit, Impulswertigkeit, s);
    else if (m.Ausgangsart & 8)
        addRowIfAny(d, text(s, "Frequenzausgang", "Frequency Output", "Sortie fréquence"),
                    frequencyRange(m, s));
    else if (m.Digitalflags & 8)
        switchRows(d, m, unit, s);
}

void dacSection(Document& d, const QString& name, const QString& measured,
                const std::array<qint32, 4>& counts, const std::array<float, 4>& outputs) {
    add(d, {{HeadTab, name, true}});
    addRuleAndGap(d);
    add(d, {{LabelTab, QStringLiteral("Vorgabe Counts")}, {30, measured}});
    addEmpty(d);
    for (size_t i = 1; i <= 3; ++i)
        add(d, {{14, boxForm(counts[i])}, {34, boxForm(outputs[i])}});
}

}  // namespace

Document configurationReport(const MeterParameters& m, const Unit& unit, float Impulswertigkeit,
                             Language s, const QDateTime& now) {
    Document d =
        header(text(s, "Konfiguration  oQ", "Configuration  oQ", "Configuration  oQ"), now);
    deviceSection(d, m, unit, s);
    addEmpty(d, 2);
    analogSection(d, m, unit, s);
    addEmpty(d, 2);
    digitalSection(d, m, unit, Impulswertigkeit, s);
    return d;
}

Document serviceReport(const MeterParameters& m, const QDateTime& now) {
    Document d = header(QStringLiteral("Servicedaten"), now);
    addServiceHead(d, QStringLiteral("Stützpunkte"), m.Fertigungsnummer);
    add(d, {{LabelTab, QStringLiteral("Nr.")},
            {18, QStringLiteral("Counts")},
            {28, QStringLiteral("Luftmasse [kg/h]")}});
    addEmpty(d);
    for (size_t i = 1; i <= supportPoints::Shown; ++i)
        add(d, {{LabelTab, printed(double(i))},
                {18, printed(m.StpCounts[i])},
                {33, printed(m.StpFlow[i])}});
    addRuleAndGap(d);
    dacSection(d, QStringLiteral("DAC Abgleich (Spannung)"), QStringLiteral("gemessene Spannung"),
               m.DacCountsU, m.DacAusgangU);
    addRuleAndGap(d);
    dacSection(d, QStringLiteral("DAC Abgleich (Strom)"), QStringLiteral("gemessener Strom"),
               m.DacCountsI, m.DacAusgangI);
    return d;
}

Document eepromReport(const QByteArray& EEPromInhalt, const QString& Fertigungsnummer,
                      const QDateTime& now) {
    Document d = header(QStringLiteral("EEPromdaten"), now);
    addServiceHead(d, QStringLiteral("Byte"), Fertigungsnummer);
    const int last = qMin(DumpLastPosition, int(EEPromInhalt.size()));
    for (int p = 1; p <= last; p += DumpBytesPerRow) {
        QVector<Item> row{{LabelTab, boxForm(p - 1), true}};
        for (int q = p; q < p + DumpBytesPerRow && q <= last; ++q)
            row.append({20 + 6 * (q - p), printed(quint8(EEPromInhalt[q - 1]))});
        add(d, row);
    }
    return d;
}

}  // namespace report
