// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// pelorin-picturecheck [--missing]: loads the program's pictures the way its windows do
// (loadPicture: the current directory, beside the executable, the data folder of the prefix the
// executable sits in, the configured data folder) and checks what it got. The install test
// copies it into an installed prefix's bin/ and runs it from another directory, so
// applicationDirPath is that of an installed program.
//
// Without options every picture must load at the size its window is laid out for; with
// --missing none may load (the check that the first run did not find them somewhere else).
// Exit 0 when the check holds, 1 otherwise.

#include <QApplication>
#include <QDir>
#include <QPicture>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <cstdio>
#include <cstring>

#include "dialogkit/pictures.h"

namespace {

struct Expected {
    const char* name;
    QSize size;
};

constexpr Expected kPictures[] = {
    {"help_en.pic", {423, 254}}, {"help_de.pic", {423, 254}}, {"help_zh_CN.pic", {423, 254}},
    {"stick1.bmp", {150, 100}},  {"stick2.bmp", {150, 100}},  {"stick3.bmp", {150, 100}},
    {"stick4.bmp", {150, 100}},
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool expectMissing = argc > 1 && std::strcmp(argv[1], "--missing") == 0;
    QApplication app(argc, argv);

    std::printf("executable in %s, working directory %s\n",
                qPrintable(QCoreApplication::applicationDirPath()),
                qPrintable(QDir::currentPath()));
    int failures = 0;
    for (const Expected& picture : kPictures) {
        const QString name = QString::fromLatin1(picture.name);
        // The Help pictures are vector art: their size is their frame.
        QSize size;
        if (name.endsWith(QStringLiteral(".pic"))) {
            QPicture vector;
            const QString path = pelorin::findPicture(name);
            if (!path.isEmpty() && vector.load(path))
                size = vector.boundingRect().size();
        } else {
            size = pelorin::loadPicture(name).size();
        }
        const bool found = size.isValid() && !size.isEmpty();
        bool good = false;
        if (expectMissing) {
            good = !found;
            std::printf("%-14s %s\n", picture.name, good ? "not found, as expected" : "FOUND");
        } else {
            good = found && size == picture.size;
            std::printf("%-14s %dx%d%s\n", picture.name, size.width(), size.height(),
                        good ? "" : " WRONG");
        }
        failures += good ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}
