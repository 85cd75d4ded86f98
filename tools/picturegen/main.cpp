// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// pelorin-picturegen OUTDIR: draws the program's pictures and writes them into OUTDIR as
// BMP files ("1.bmp", "stick1.bmp" .. "stick4.bmp"). Runs at build time without a display.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pelorin-picturegen OUTDIR\n");
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

    bool ok = save(picturegen::drawHelpPicture(), dir, QStringLiteral("1.bmp"));
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
