#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// The file name Qt gives its translation of the base module into `s`;
// empty for English, which is what Qt's texts are written in.
QString baseTranslation(Language s) {
    switch (s) {
        case Language::German:
            return QStringLiteral("qtbase_de");
        case Language::French:
            return QStringLiteral("qtbase_fr");
        case Language::English:
        case Language::Unknown:
            break;
    }
    return QString();
}

}  // namespace

QtTranslations::~QtTranslations() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}

void QtTranslations::use(Language s) {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
    const QString name = baseTranslation(s);
    installed_ = !name.isEmpty() &&
                 translator_.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                 QCoreApplication::installTranslator(&translator_);
}
