#include "ui/menus.h"

QString menueName(Menue m) {
    switch (m) {
        case Menue::mnuhaupt:
            return QStringLiteral("mnuhaupt");
        case Menue::mnudatei:
            return QStringLiteral("mnudatei");
        case Menue::mnuverbindung:
            return QStringLiteral("mnuverbindung");
        case Menue::mnusicher:
            return QStringLiteral("mnusicher");
        case Menue::mnuHilfe:
            return QStringLiteral("mnuHilfe");
    }
    return QString();
}
