#pragma once

#include <QString>

// The three user-interface languages; Unbekannt for a settings file that names
// none of them.
enum class Sprache { Deutsch, Englisch, Franzoesisch, Unbekannt };

// From the settings file's language field, compared in capitals.
Sprache spracheAusName(const QString& name);

// The language's name in the settings file.
QString sprachName(Sprache s);

// Picks the text of the current language; German where the language is unknown.
QString waehle(Sprache s, const QString& de, const QString& en, const QString& fr);
