// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace pelorin {

QStringList translationFolders() {
    const QString programDir = QCoreApplication::applicationDirPath();
    return {
        programDir + QStringLiteral("/translations"),
        QDir::cleanPath(programDir + QStringLiteral("/../share/pelorin/translations")),
        QStringLiteral(PELORIN_DATA_DIR "/translations"),
    };
}

QString loadProgramCatalogue(QTranslator& translator, const QLocale& locale) {
    // English is the language of the sources: an English first choice gets no catalogue, even
    // when a later language in the user's list has one.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return {};
    for (const QString& folder : translationFolders()) {
        if (translator.load(locale, QStringLiteral("pelorin"), QStringLiteral("_"), folder))
            return translator.filePath();
    }
    return {};
}

QString installTranslations(QCoreApplication& app, const QLocale& locale) {
    auto* program = new QTranslator(&app);
    if (loadProgramCatalogue(*program, locale).isEmpty()) {
        delete program;
        return {};
    }
    QCoreApplication::installTranslator(program);
    // Qt's catalogue in the language the program's catalogue was written for, not the user's
    // first choice: a French user without a French catalogue sees English buttons beside
    // English texts.
    const QString language = program->language();
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    return language;
}

}  // namespace pelorin
