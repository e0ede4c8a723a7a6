#pragma once

#include <QTranslator>

#include "config/language.h"

// Qt's own texts (standard buttons, file dialogs, the print preview) in the
// window's language, from the translations Qt ships; English needs none.
class QtTranslations {
public:
    ~QtTranslations();
    // Replaces the texts of the previous language; where Qt's translation
    // for `s` is not installed, Qt's texts stay English.
    void use(Language s);

private:
    QTranslator translator_;
    bool installed_ = false;
};
