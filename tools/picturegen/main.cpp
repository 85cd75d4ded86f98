// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// pelorin-picturegen OUTDIR CATALOGUEDIR [LANGUAGE...]: draws the program's pictures into
// OUTDIR: the Help picture in English and in each LANGUAGE ("help_en.pic", "help_de.pic", ...),
// its texts taken from the program's catalogue CATALOGUEDIR/pelorin_LANGUAGE.qm as the windows
// take theirs, and "stick1.bmp" .. "stick4.bmp". Runs at build time without a display; fails
// when a text does not fit or has no translation.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QPicture>
#include <QTranslator>
#include <cstdio>

#include "tools/picturegen/paintkit.h"
#include "tools/picturegen/pictures.h"

namespace {

bool save(const QImage& image, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    if (!image.save(path, "BMP")) {
        std::fprintf(stderr, "pelorin-picturegen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool save(QPicture picture, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    if (!picture.save(path)) {
        std::fprintf(stderr, "pelorin-picturegen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The Help picture in `language` ("en": the sources' own texts).
bool drawHelp(const QDir& out, const QDir& catalogues, const QString& language) {
    QTranslator program;
    QTranslator qt;  // Qt's own texts, such as the shortcuts' "Ctrl", as the window shows them
    if (language != QStringLiteral("en")) {
        if (!program.load(QStringLiteral("pelorin_") + language, catalogues.path())) {
            std::fprintf(stderr, "pelorin-picturegen: no catalogue pelorin_%s.qm in %s\n",
                         qPrintable(language), qPrintable(catalogues.path()));
            return false;
        }
        QCoreApplication::installTranslator(&program);
        if (qt.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
    }
    bool translated = true;
    const picturegen::Translate tr = [&](const char* context, const char* source) {
        if (language != QStringLiteral("en") && program.translate(context, source).isEmpty()) {
            std::fprintf(stderr,
                         "pelorin-picturegen: pelorin_%s.qm has no translation of %s \"%s\"\n",
                         qPrintable(language), context, source);
            translated = false;
        }
        return QCoreApplication::translate(context, source);
    };
    const qsizetype errorsBefore = picturegen::layoutErrors().size();
    QPicture picture = picturegen::drawHelpPicture(tr);
    for (qsizetype i = errorsBefore; i < picturegen::layoutErrors().size(); ++i)
        picturegen::layoutErrors()[i].prepend(language + QStringLiteral(": "));
    QCoreApplication::removeTranslator(&qt);
    QCoreApplication::removeTranslator(&program);
    return save(picture, out, QStringLiteral("help_%1.pic").arg(language)) && translated;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: pelorin-picturegen OUTDIR CATALOGUEDIR [LANGUAGE...]\n");
        return 2;
    }
    // Text needs a GUI application object, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (!picturegen::loadFonts()) {
        std::fprintf(stderr, "pelorin-picturegen: DejaVu Sans not found (fonts-dejavu-core)\n");
        return 1;
    }

    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "pelorin-picturegen: cannot create %s\n", argv[1]);
        return 1;
    }
    const QDir catalogues(QString::fromLocal8Bit(argv[2]));

    bool ok = drawHelp(dir, catalogues, QStringLiteral("en"));
    for (int i = 3; i < argc; ++i)
        ok = drawHelp(dir, catalogues, QString::fromLocal8Bit(argv[i])) && ok;
    for (int mode = 1; mode <= 4; ++mode) {
        ok = save(picturegen::drawStickPicture(mode), dir,
                  QStringLiteral("stick%1.bmp").arg(mode)) &&
             ok;
    }
    for (const QString& error : picturegen::layoutErrors()) {
        std::fprintf(stderr, "pelorin-picturegen: text does not fit: %s\n", qPrintable(error));
    }
    return ok && picturegen::layoutErrors().isEmpty() ? 0 : 1;
}
