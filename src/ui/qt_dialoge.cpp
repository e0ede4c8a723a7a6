#include "ui/qt_dialoge.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon symbolVon(Symbol s) {
    switch (s) {
        case Symbol::Kritisch:
            return QMessageBox::Critical;
        case Symbol::Warnung:
            return QMessageBox::Warning;
        case Symbol::Frage:
            return QMessageBox::Question;
        case Symbol::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons knoepfeVon(Schaltflaechen k) {
    switch (k) {
        case Schaltflaechen::OkAbbrechen:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Schaltflaechen::JaNein:
            return QMessageBox::Yes | QMessageBox::No;
        case Schaltflaechen::Ok:
            break;
    }
    return QMessageBox::Ok;
}

}  // namespace

Antwort QtDialoge::meldung(const QString& text, const QString& titel, Schaltflaechen knoepfe,
                           Symbol symbol) {
    QMessageBox box(symbolVon(symbol), titel,
                    QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                    knoepfeVon(knoepfe), eltern_);
    switch (box.exec()) {
        case QMessageBox::Cancel:
            return Antwort::Abbrechen;
        case QMessageBox::Yes:
            return Antwort::Ja;
        case QMessageBox::No:
            return Antwort::Nein;
        default:
            return Antwort::Ok;
    }
}

void QtDialoge::programmBeenden() {
    QApplication::closeAllWindows();
    QApplication::exit(0);
}
