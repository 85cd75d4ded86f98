// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Help window and a tooltip on a real X server in each shipped language, as a user sees
// them: the Help picture is the one drawn for the window's language, at the screen's pixel
// ratio (scripts/screenshots.sh runs this at the scales 1, 1.25, 1.5 and 2), and the tooltip
// says what GetUser does. With PELORIN_SCREENSHOT_DIR set, the English Help window is saved
// there as help.png and each tooltip as [<language>/]tooltip-getuser.png.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "app/helpdialog.h"
#include "app/maindialog.h"
#include "tests/app/shownlanguage.h"
#include "tests/link/fakeserial.h"
#include "tests/support/modal.h"

namespace pelorin::test {
namespace {

constexpr int kWaitMs = 20000;  // generous: other builds may be loading the machine

// Saves a picture as the other screenshots are kept: English ones in the folder itself, the
// others in a folder named after their language.
void save(const QImage& image, const QString& language, const QString& name) {
    const QString folder = qEnvironmentVariable("PELORIN_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir dir(folder);
    if (language != QStringLiteral("en")) {
        ASSERT_TRUE(dir.mkpath(language));
        dir.cd(language);
    }
    EXPECT_TRUE(image.save(dir.filePath(name), "PNG")) << name.toStdString();
}

QWidget* shownToolTip() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->inherits("QTipLabel") && w->isVisible())
            return w;
    }
    return nullptr;
}

class HelpShots : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QStringLiteral("xcb"))
            GTEST_SKIP() << "needs an X server: run scripts/screenshots.sh";
        language = QString::fromLatin1(GetParam());
        if (language == QStringLiteral("en"))
            return;
        ASSERT_TRUE(shownLanguage.show(language)) << GetParam();
    }

    QString language;
    ShownLanguage shownLanguage;
};

// The pictures the earlier languages showed, to tell that each language has its own.
std::map<QString, QImage>& picturesShown() {
    static std::map<QString, QImage> shown;
    return shown;
}

TEST_P(HelpShots, HelpAndToolTipOnX11_InThisLanguage_ShowItsOwnSharpPictureAndText) {
    ASSERT_FALSE(QFileInfo::exists(QDir::current().filePath(HelpDialog::kPictureName)))
        << "a 1.bmp in the working folder would be shown instead";
    MessageRecorder messages;
    auto serial = std::make_unique<testing::FakeSerialControl>();
    serial->makeOpenable(1);
    PortDiscovery discovery = serial->discovery();
    MainDialog window(std::move(serial), std::move(discovery));
    whenModalOpens<MainDialog>(
        [&](MainDialog* main) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(main, kWaitMs));
            whenModalOpens<HelpDialog>(
                [&](HelpDialog* help) {
                    ASSERT_TRUE(QTest::qWaitForWindowExposed(help, kWaitMs));
                    const qreal ratio = help->devicePixelRatioF();
                    const QPixmap picture = help->control<QLabel>(HelpDialog::kPictureId)->pixmap();
                    // Drawn for the screen's pixels, not scaled up from a bitmap.
                    EXPECT_EQ(picture.devicePixelRatio(), ratio);
                    EXPECT_EQ(picture.size(), (QSizeF(423, 254) * ratio).toSize());
                    EXPECT_EQ(help->size(), QSize(423, 254));
                    const QImage image = picture.toImage();
                    for (const auto& [other, shown] : picturesShown()) {
                        if (shown.size() == image.size()) {
                            EXPECT_NE(shown, image)
                                << "the same picture as " << other.toStdString();
                        }
                    }
                    picturesShown()[language] = image;
                    // The translated Help windows are saved by the tour of every window.
                    if (language == QStringLiteral("en"))
                        save(help->grab().toImage(), language, QStringLiteral("help.png"));
                    help->reject();
                },
                kWaitMs);
            main->control<QPushButton>(mainid::kHelp)->click();

            QWidget* getUser = main->control(mainid::kGetUser);
            QToolTip::showText(getUser->mapToGlobal(QPoint(10, getUser->height())),
                               getUser->toolTip(), getUser);
            ASSERT_TRUE(QTest::qWaitFor([] { return shownToolTip() != nullptr; }, kWaitMs));
            QWidget* tip = shownToolTip();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(tip, kWaitMs));
            const QString text = qobject_cast<QLabel*>(tip)->text();
            EXPECT_TRUE(
                text.startsWith(MainDialog::tr("Switches the transmitter to USER1 and "
                                               "reads its settings.")))
                << text.toStdString();
            if (language != QStringLiteral("en")) {
                EXPECT_FALSE(text.startsWith(QStringLiteral("Switches"))) << "not translated";
            }
            // The tooltip over the window it belongs to, as the screen shows them.
            const QRect area = main->frameGeometry() | tip->frameGeometry();
            save(main->screen()
                     ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                     .toImage(),
                 language, QStringLiteral("tooltip-getuser.png"));
            QToolTip::hideText();
            main->reject();
        },
        kWaitMs);
    window.run();
    EXPECT_TRUE(messages.messages.isEmpty())
        << messages.messages.join(QStringLiteral("\n")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpShots, ::testing::Values("en", "de", "zh_CN"));

}  // namespace
}  // namespace pelorin::test
