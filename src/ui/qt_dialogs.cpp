#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "files/report_painter.h"

namespace {

QMessageBox::Icon iconOf(Symbol s) {
    switch (s) {
        case Symbol::Critical:
            return QMessageBox::Critical;
        case Symbol::Warning:
            return QMessageBox::Warning;
        case Symbol::Question:
            return QMessageBox::Question;
        case Symbol::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(Buttons k) {
    switch (k) {
        case Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        case Buttons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

}  // namespace

std::unique_ptr<QMessageBox> messageBox(const QString& text, const QString& title, Buttons buttons,
                                        Symbol symbol, QWidget* parent) {
    return std::make_unique<QMessageBox>(
        iconOf(symbol), title, QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")),
        buttonsOf(buttons), parent);
}

Answer QtDialogs::message(const QString& text, const QString& title, Buttons buttons,
                          Symbol symbol) {
    switch (messageBox(text, title, buttons, symbol, parent_)->exec()) {
        case QMessageBox::Cancel:
            return Answer::Cancel;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Retry:
            return Answer::Retry;
        default:
            return Answer::Ok;
    }
}

// Qt's own file dialog rather than the desktop's, which would speak the
// system's language instead of the window's.
QString QtDialogs::fileName(const FileQuestion& q) {
    constexpr auto own = QFileDialog::DontUseNativeDialog;
    return q.kind == FileQuestion::Save
               ? QFileDialog::getSaveFileName(parent_, q.title, q.initialName, q.filter, nullptr,
                                              own)
               : QFileDialog::getOpenFileName(parent_, q.title, q.initialName, q.filter, nullptr,
                                              own);
}

void QtDialogs::endProgram() {
    QApplication::closeAllWindows();
    QApplication::exit(0);
}

// The preview shows the pages as they will be printed; its print button
// opens the printer dialog, which also prints to a PDF file.
PrintOutcome QtDialogs::print(const report::Document& report, const QString& title) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    QPrintPreviewDialog preview(&printer, parent_);
    preview.setWindowTitle(title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&report](QPrinter* p) { report::paintReport(report, *p); });
    if (preview.exec() != QDialog::Accepted) return {PrintOutcome::Cancelled, QString(), 0};
    if (printer.printerState() == QPrinter::Error) return {PrintOutcome::DeviceError, QString(), 0};
    return {};
}
