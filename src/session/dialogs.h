#pragma once

#include <QString>

enum class Schaltflaechen { Ok, OkAbbrechen, JaNein };
enum class Symbol { Kritisch, Information, Warnung, Frage };
enum class Antwort { Ok, Abbrechen, Ja, Nein };

// Message boxes and the end of the program. Production shows Qt dialogs;
// tests script the answers and record every message.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Antwort meldung(const QString& text, const QString& titel, Schaltflaechen knoepfe,
                            Symbol symbol) = 0;
    virtual void programmBeenden() = 0;
};
