// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Help window without a 1.bmp of the user's: the program's own picture for the language
// its texts are in, from the pictures the build drew beside the test program.

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include "app/helpdialog.h"
#include "dialogkit/pictures.h"
#include "platform/translations.h"
#include "tests/support/modal.h"

namespace pelorin::test {
namespace {

// Runs in a folder of its own, so no 1.bmp is found.
class OwnHelpPicture : public ::testing::Test {
protected:
    OwnHelpPicture() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~OwnHelpPicture() override { QDir::setCurrent(previous_); }

    // The picture a Help window shows as it opens.
    static QImage shownPicture() {
        QImage image;
        HelpDialog help;
        whenModalOpens<HelpDialog>([&](HelpDialog* d) {
            image = d->control<QLabel>(HelpDialog::kPictureId)->pixmap().toImage();
            d->reject();
        });
        help.run();
        return image;
    }

private:
    QTemporaryDir folder_;
    QString previous_;
};

TEST_F(OwnHelpPicture, EachLanguage_ShowsThePictureDrawnFromItsCatalogue) {
    ASSERT_FALSE(findPicture(QStringLiteral("help_en.pic")).isEmpty()) << "pictures not built";
    EXPECT_EQ(HelpDialog::ownPictureName(), QStringLiteral("help_en.pic"));
    const QImage english = shownPicture();
    EXPECT_EQ(english.size(), QSize(423, 254));
    for (const char* language : {"de", "zh_CN"}) {
        QTranslator catalogue;
        ASSERT_FALSE(
            loadProgramCatalogue(catalogue, QLocale(QString::fromLatin1(language))).isEmpty());
        QCoreApplication::installTranslator(&catalogue);
        EXPECT_EQ(HelpDialog::ownPictureName(), QStringLiteral("help_%1.pic").arg(language));
        const QImage translated = shownPicture();
        QCoreApplication::removeTranslator(&catalogue);
        EXPECT_EQ(translated.size(), english.size()) << language;
        EXPECT_NE(translated, english) << language;
    }
}

// A catalogue without a picture of its own (a language added later) falls back to English.
TEST_F(OwnHelpPicture, LanguageWithoutItsOwnPicture_ShowsTheEnglishOne) {
    class NoPictureLanguage : public QTranslator {
    public:
        bool isEmpty() const override { return false; }
        QString translate(const char*, const char* source, const char* disambiguation,
                          int) const override {
            return disambiguation && QByteArray(disambiguation) == "language code"
                       ? QStringLiteral("xx")
                       : QString::fromUtf8(source);
        }
    } xx;
    const QImage english = shownPicture();
    ASSERT_FALSE(english.isNull()) << "pictures not built";
    QCoreApplication::installTranslator(&xx);
    EXPECT_EQ(HelpDialog::ownPictureName(), QStringLiteral("help_xx.pic"));
    const QImage shown = shownPicture();
    QCoreApplication::removeTranslator(&xx);
    EXPECT_EQ(shown, english);
}

}  // namespace
}  // namespace pelorin::test
