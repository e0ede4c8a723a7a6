#pragma once

#include <QString>

// The menu control arrays of the main window.
enum class Menue { mnuhaupt, mnudatei, mnuverbindung, mnusicher, mnuHilfe };

// The objectName prefix of a menu control array.
QString menueName(Menue m);
