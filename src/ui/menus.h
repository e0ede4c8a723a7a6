#pragma once

#include <QString>

// The menu control arrays of the main window.
enum class Menu { mnuhaupt, mnudatei, mnuverbindung, mnusicher, mnuHilfe };

// The objectName prefix of a menu control array.
QString menuName(Menu m);
