#include "ui/menus.h"

QString menuName(Menu m) {
    switch (m) {
        case Menu::mnuhaupt:
            return QStringLiteral("mnuhaupt");
        case Menu::mnudatei:
            return QStringLiteral("mnudatei");
        case Menu::mnuverbindung:
            return QStringLiteral("mnuverbindung");
        case Menu::mnusicher:
            return QStringLiteral("mnusicher");
        case Menu::mnuHilfe:
            return QStringLiteral("mnuHilfe");
    }
    return QString();
}
