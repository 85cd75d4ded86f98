// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// About and Help, and that every caption fits its control.

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include "app/aboutdialog.h"
#include "app/helpdialog.h"
#include "app/serialsettingdialog.h"
#include "tests/app/apptest.h"

namespace pelorin::test {
namespace {

// Saves a plain picture as "1.bmp" in the current folder.
void drawHelpPicture(const QSize& size, Qt::GlobalColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save("1.bmp", "BMP"));
}

// Runs the test in a folder of its own, so "1.bmp" there is the one the program finds first.
class InTemporaryFolder : public MainWindowTest {
protected:
    InTemporaryFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~InTemporaryFolder() override { QDir::setCurrent(previous_); }

private:
    QTemporaryDir folder_;
    QString previous_;
};

using HelpWindowTest = InTemporaryFolder;

TEST_F(HelpWindowTest, Help_ShowsThePictureAndRereadsItAtTheNextRepaint) {
    drawHelpPicture({40, 20}, Qt::red);
    runWindow([&](MainDialog&) {
        QSize first, second, windowSize;
        QRgb secondColour = 0;
        QPoint at;
        clickThrough<HelpDialog>(1006, [&](HelpDialog* help) {
            // A window that is not exposed yet is not painted, and so would not reread.
            ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
            auto* picture = help->control<QLabel>(HelpDialog::kPictureId);
            windowSize = help->size();
            EXPECT_EQ(help->windowTitle(), "Help");
            at = picture->pos();
            first = picture->pixmap().size();
            drawHelpPicture({60, 30}, Qt::blue);
            help->repaint();
            second = picture->pixmap().size();
            secondColour = picture->pixmap().toImage().pixel(5, 5);
            EXPECT_EQ(picture->size(), QSize(60, 30));
            QTest::keyClick(help, Qt::Key_Return);
            EXPECT_FALSE(help->isVisible());
        });
        EXPECT_EQ(windowSize, QSize(423, 254));
        EXPECT_EQ(at, QPoint(0, 0));
        EXPECT_EQ(first, QSize(40, 20));
        EXPECT_EQ(second, QSize(60, 30));
        EXPECT_EQ(secondColour, qRgb(0, 0, 255));
    });
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(HelpWindowTest, Help_ClosesWithEscape) {
    drawHelpPicture({10, 10}, Qt::green);
    runWindow([&](MainDialog&) {
        bool closed = false;
        clickThrough<HelpDialog>(1006, [&](HelpDialog* help) {
            QTest::keyClick(help, Qt::Key_Escape);
            closed = !help->isVisible();
        });
        EXPECT_TRUE(closed);
    });
}

TEST(AboutWindow, HasIconNameVersionAndDefaultOkInTheirPlaces) {
    AboutDialog about;
    EXPECT_EQ(about.windowTitle(), "About Pelorin");
    EXPECT_EQ(about.size(), QSize(353, 110));
    EXPECT_EQ(about.font().pointSize(), 9);
    auto* icon = about.control<QLabel>(AboutDialog::kIconId);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->pos(), QPoint(17, 34));
    EXPECT_FALSE(icon->pixmap().isNull());
    auto* ok = about.control<QPushButton>(kIdOk);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->geometry(), dluToPixels({178, 7, 50, 14}));
    QMap<QString, QPoint> texts;
    for (QLabel* label : about.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!label->text().isEmpty())
            texts[label->text()] = label->pos();
    }
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts.value("Pelorin Version 1.0"), QPoint(60, 20));
    // The licence is named on a line of its own under the others.
    QStringList licenceLines = texts.keys().filter("GPL");
    ASSERT_EQ(licenceLines.size(), 1);
    EXPECT_GT(texts.value(licenceLines.first()).y(), 50);
    texts.remove("Pelorin Version 1.0");
    texts.remove(licenceLines.first());
    EXPECT_EQ(texts.first(), QPoint(60, 50));  // the second line
}

// Every caption of a window fits inside its control at the window's font: the text, with the
// button's frame on both sides, for buttons; the text's own box for labels.
::testing::AssertionResult captionsFit(QWidget* window) {
    for (QAbstractButton* button :
         window->findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QFontMetrics metrics = button->fontMetrics();
        const int frame =
            button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const int needed = metrics.horizontalAdvance(button->text()) + 2 * frame;
        if (needed > button->width() || metrics.height() > button->height()) {
            return ::testing::AssertionFailure()
                   << "\"" << button->text().toStdString() << "\" needs " << needed << " px, has "
                   << button->width();
        }
    }
    for (QLabel* label : window->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->text().isEmpty())
            continue;
        const QSize needed = label->fontMetrics().size(0, label->text());
        if (needed.width() > label->width() || needed.height() > label->height()) {
            return ::testing::AssertionFailure()
                   << "\"" << label->text().toStdString() << "\" needs " << needed.width() << "x"
                   << needed.height() << " px, has " << label->width() << "x" << label->height();
        }
    }
    return ::testing::AssertionSuccess();
}

TEST_F(MainWindowTest, Captions_FitTheirControls) {
    // As shown: the main window fits its channel labels when it starts.
    runWindow([](MainDialog& shown) { EXPECT_TRUE(captionsFit(&shown)); });
    AboutDialog about;
    EXPECT_TRUE(captionsFit(&about));
    SerialSettingDialog setting(window->session());
    EXPECT_TRUE(captionsFit(&setting));
}

}  // namespace
}  // namespace pelorin::test
