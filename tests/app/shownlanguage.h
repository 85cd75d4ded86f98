// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A language shown for the length of one test, as LANG would choose it at start-up: the
// program's shipped catalogue and Qt's own, removed again when the test ends.

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/translations.h"

namespace pelorin::test {

class ShownLanguage {
public:
    ShownLanguage() = default;
    ShownLanguage(const ShownLanguage&) = delete;
    ShownLanguage& operator=(const ShownLanguage&) = delete;
    ~ShownLanguage() {
        QCoreApplication::removeTranslator(&qt_);
        QCoreApplication::removeTranslator(&program_);
    }

    // False when the program has no catalogue for `language` ("de", "zh_CN").
    [[nodiscard]] bool show(const QString& language) {
        const QLocale locale(language);
        if (loadProgramCatalogue(program_, locale).isEmpty())
            return false;
        QCoreApplication::installTranslator(&program_);
        if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_);
        return true;
    }

private:
    QTranslator program_;
    QTranslator qt_;
};

}  // namespace pelorin::test
