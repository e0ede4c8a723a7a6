#include "ui/main_view.h"

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

QString elementName(Element e) {
    switch (e) {
        case Element::raAktuell:
            return QStringLiteral("raAktuell");
        case Element::AnzAnalog:
            return QStringLiteral("AnzAnalog");
        case Element::cmdNDspeichern:
            return QStringLiteral("frmND.cmdNDspeichern");
        case Element::cmdNDLesen:
            return QStringLiteral("frmND.cmdNDLesen");
        case Element::chkKonfAnalogUeberlauf:
            return QStringLiteral("chkKonfAnalog_5");
        case Element::lblKonfULAkt:
            return QStringLiteral("lblKonfULAkt");
        case Element::lblUeberlauf:
            return QStringLiteral("lblUeberlauf");
    }
    return QString();
}
