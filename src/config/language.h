#pragma once

#include <QString>

// The three user-interface languages; Unbekannt for a settings file that names
// none of them.
enum class Language { German, English, French, Unknown };

// From the settings file's language field, compared in capitals.
Language languageFromName(const QString& name);

// The language's name in the settings file.
QString languageName(Language s);

// Picks the text of the current language; German where the language is unknown.
QString choose(Language s, const QString& de, const QString& en, const QString& fr);
