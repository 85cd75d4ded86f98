// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog layer every window is built on.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "dialogkit/dataexchange.h"
#include "dialogkit/pictures.h"
#include "dialogkit/templatedialog.h"
#include "tests/support/modal.h"

namespace pelorin {
namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

TEST(DialogUnits, MapToOneAndAHalfPixelsAcrossAndTwoDownRoundedEach) {
    const struct {
        int dlu;
        int x;
        int y;
    } rows[] = {{0, 0, 0}, {1, 2, 2}, {2, 3, 4}, {3, 5, 6}, {7, 11, 14}, {158, 237, 316}};
    for (const auto& row : rows) {
        EXPECT_EQ(dluToPixelsX(row.dlu), row.x) << row.dlu;
        EXPECT_EQ(dluToPixelsY(row.dlu), row.y) << row.dlu;
    }
}

TEST(DialogUnits, MainWindowAndDisplayGetTheirPixelSizes) {
    EXPECT_EQ(dluSizeToPixels(325, 276), QSize(488, 552));                // the main window
    EXPECT_EQ(dluToPixels({85, 13, 158, 54}), QRect(128, 26, 237, 108));  // the live display
    EXPECT_EQ(dluSizeToPixels(282, 127), QSize(423, 254));                // Help
}

TEST(ParseDialogInteger, AcceptsWholeFieldIntegersOnly) {
    const struct {
        const char* text;
        std::optional<int> value;
    } rows[] = {
        {"0", 0},
        {"42", 42},
        {"  42  ", 42},
        {"\t-7\t", -7},
        {"+7", 7},
        {"-120", -120},
        {"007", 7},
        {"2147483647", kIntMax},
        {"-2147483648", kIntMin},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"50%", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5", std::nullopt},
        {"0x10", std::nullopt},
        {"- 5", std::nullopt},
        {"++5", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(parseDialogInteger(QString::fromUtf8(row.text)), row.value)
            << '"' << row.text << '"';
    }
    // Digits of other scripts are not decimal digits here.
    EXPECT_EQ(parseDialogInteger(QStringLiteral("\u0661\u0662")), std::nullopt);
}

TEST(ParseLeadingInteger, ReadsTheDigitsUpToTheFirstOtherCharacter) {
    const struct {
        const char* text;
        int value;
    } rows[] = {
        {"12ab", 12},
        {"", 0},
        {"abc", 0},
        {"  -7x", -7},
        {"+3", 3},
        {"- 5", 0},
        {"100", 100},
        {"1 2", 1},
        {"99999999999", kIntMax},
        {"-99999999999", kIntMin},
        {"-2147483648", kIntMin},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(parseLeadingInteger(QString::fromUtf8(row.text)), row.value)
            << '"' << row.text << '"';
    }
}

// A small template with the controls the tests need.
class ProbeDialog : public TemplateDialog {
public:
    ProbeDialog() : TemplateDialog(QStringLiteral("Probe"), 120, 60, 9) {
        edit = addEdit(1015, {10, 10, 40, 12});
        other = addEdit(1016, {10, 30, 40, 12});
        picture = addPicture(1035, {60, 10, 0, 0});
        ok = addButton(kIdOk, QStringLiteral("OK"), {70, 40, 40, 14}, true);
        cancel = addButton(kIdCancel, QStringLiteral("Cancel"), {20, 40, 40, 14});
    }
    QLineEdit* edit;
    QLineEdit* other;
    QLabel* picture;
    QPushButton* ok;
    QPushButton* cancel;
};

TEST(TemplateDialog, FindsControlsByIdAndType) {
    ProbeDialog dialog;
    EXPECT_EQ(dialog.control(1015), dialog.edit);
    EXPECT_EQ(dialog.control<QLineEdit>(1015), dialog.edit);
    EXPECT_EQ(dialog.control<QPushButton>(1015), nullptr);  // wrong kind
    EXPECT_EQ(dialog.control(4242), nullptr);
    EXPECT_EQ(dialog.control<QPushButton>(kIdOk), dialog.ok);
    EXPECT_EQ(dialog.edit->objectName(), "control1015");
    EXPECT_EQ(dialog.edit->property("controlId").toInt(), 1015);
    EXPECT_EQ(dialog.edit->geometry(), QRect(15, 20, 60, 24));
    EXPECT_EQ(dialog.size(), QSize(180, 120));
    EXPECT_EQ(dialog.windowTitle(), "Probe");
}

TEST(TemplateDialog, ButtonOneAcceptsAndButtonTwoCancels) {
    ProbeDialog dialog;
    test::whenModalOpens<QDialog>([&](QDialog*) { dialog.ok->click(); });
    EXPECT_EQ(dialog.run(), QDialog::Accepted);
    test::whenModalOpens<QDialog>([&](QDialog*) { dialog.cancel->click(); });
    EXPECT_EQ(dialog.run(), QDialog::Rejected);
}

struct FieldCase {
    const char* text;
    int min;
    int max;
    const char* message;  // empty when the field is good
};

// A caption that would reach into its button's frame is set tighter until it fits, and only
// then; one that fits keeps the font it has. Mnemonics are not counted as drawn.
TEST(FitCaption, TightensOnlyWhatWouldRunIntoTheFrame) {
    const struct {
        const char* caption;
        int extra;  // pixels beyond the button's room that the caption needs (negative: spare)
    } rows[] = {{"Swash Afr", 1}, {"Swash Afr", 6}, {"&Swash Afr", 1}, {"Swash Afr", -4}};
    for (const auto& row : rows) {
        QPushButton button(QString::fromLatin1(row.caption));
        const int frame =
            button.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
        const QString shown = QString(button.text()).remove(u'&');
        const int needed = QFontMetrics(button.font(), &button).horizontalAdvance(shown);
        button.resize(needed - row.extra + 4 * frame, 30);
        const QFont before = button.font();
        fitCaption(&button);
        EXPECT_LE(QFontMetrics(button.font(), &button).horizontalAdvance(shown),
                  button.width() - 4 * frame)
            << row.caption << " " << row.extra;
        EXPECT_EQ(button.font() == before, row.extra <= 0) << row.caption << " " << row.extra;
    }
}

TEST(ReadIntegerField, RefusesWithMessageFocusAndWholeTextSelected) {
    const FieldCase cases[] = {
        {"abc", 0, 120, "Please enter an integer."},
        {"", 0, 120, "Please enter an integer."},
        {"121", 0, 120, "Please enter an integer between 0 and 120."},
        {"-101", -100, 100, "Please enter an integer between -100 and 100."},
    };
    for (const FieldCase& c : cases) {
        ProbeDialog dialog;
        dialog.show();
        dialog.other->setFocus();
        test::MessageRecorder messages;
        dialog.edit->setText(QString::fromUtf8(c.text));
        dialog.edit->setCursorPosition(0);
        int value = 55;
        EXPECT_FALSE(readIntegerField(dialog.edit, c.min, c.max, value)) << c.text;
        EXPECT_EQ(value, 55);
        EXPECT_EQ(messages.messages, QStringList{QString::fromUtf8(c.message)}) << c.text;
        EXPECT_EQ(dialog.focusWidget(), dialog.edit) << c.text;
        EXPECT_EQ(dialog.edit->selectedText(), QString::fromUtf8(c.text));
    }
}

TEST(ReadIntegerField, TakesValuesInsideTheRangeIncludingItsEnds) {
    const FieldCase cases[] = {{"0", 0, 120, ""}, {"120", 0, 120, ""}, {" -100 ", -100, 100, ""}};
    for (const FieldCase& c : cases) {
        ProbeDialog dialog;
        test::MessageRecorder messages;
        dialog.edit->setText(QString::fromUtf8(c.text));
        int value = 55;
        EXPECT_TRUE(readIntegerField(dialog.edit, c.min, c.max, value)) << c.text;
        EXPECT_EQ(value, QString::fromUtf8(c.text).trimmed().toInt());
        EXPECT_TRUE(messages.messages.isEmpty());
    }
}

TEST(WriteIntegerField, ShowsPlainDecimal) {
    ProbeDialog dialog;
    for (int v : {0, 7, -7, 120, kIntMin}) {
        writeIntegerField(dialog.edit, v);
        EXPECT_EQ(dialog.edit->text(), QString::number(v));
    }
}

// A picture file of one colour and size.
void savePicture(const QString& path, const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(path, "BMP"));
}

class PictureLookup : public ::testing::Test {
protected:
    PictureLookup()
        : name_(QStringLiteral("lookup-%1.bmp").arg(QUuid::createUuid().toString(QUuid::Id128))),
          previous_(QDir::currentPath()) {
        QDir::setCurrent(folder_.path());
    }
    ~PictureLookup() override {
        QDir::setCurrent(previous_);
        QFile::remove(besideProgram());
    }
    QString besideProgram() const {
        return QDir(QCoreApplication::applicationDirPath()).filePath(name_);
    }
    QString inCurrentFolder() const { return QDir::current().filePath(name_); }

    QTemporaryDir folder_;
    QString name_;
    QString previous_;
};

TEST_F(PictureLookup, CurrentFolderComesBeforeTheProgramsFolder) {
    savePicture(inCurrentFolder(), {3, 4});
    savePicture(besideProgram(), {5, 6});
    EXPECT_EQ(loadPicture(name_).size(), QSize(3, 4));
    QFile::remove(inCurrentFolder());
    EXPECT_EQ(loadPicture(name_).size(), QSize(5, 6));
    QFile::remove(besideProgram());
    EXPECT_TRUE(loadPicture(name_).isNull());
}

TEST_F(PictureLookup, UnreadableFileInCurrentFolder_FallsBackToTheNextCopy) {
    QFile broken(inCurrentFolder());
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    savePicture(besideProgram(), {5, 6});
    EXPECT_EQ(loadPicture(name_).size(), QSize(5, 6));
}

TEST_F(PictureLookup, ShowPicture_SizesTheControlAndEmptiesItForNoPicture) {
    ProbeDialog dialog;
    savePicture(inCurrentFolder(), {30, 20});
    showPicture(dialog.picture, loadPicture(name_));
    EXPECT_EQ(dialog.picture->size(), QSize(30, 20));
    EXPECT_FALSE(dialog.picture->pixmap().isNull());
    showPicture(dialog.picture, QPixmap());
    EXPECT_TRUE(dialog.picture->pixmap().isNull());
}

}  // namespace
}  // namespace pelorin
