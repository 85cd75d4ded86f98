// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The setup sheet: its text holds every value the field table gives for a block, in order;
// the PDF is one page of the right paper that pdftotext reads the same values from; the
// page stays inside the rectangle it is given, whatever the notes and the name.

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "link/blockfields.h"
#include "sheet/setupsheet.h"
#include "tests/sheet/sheetblocks.h"

namespace pelorin::test {
namespace {

struct SheetCase {
    const char* label;
    SheetSubject subject;
};

SheetSubject subjectOf(const QString& name, const BlockBytes& block = {}) {
    SheetSubject subject;
    subject.name = name;
    subject.block = block;
    return subject;
}

std::vector<SheetCase> sheetCases() {
    return {
        {"Acro",
         {.name = QStringLiteral("Trainer"),
          .notes = QStringLiteral("Battery 3S 2200\nCG 65 mm behind the leading edge"),
          .memory = 1,
          .block = acroSheetBlock()}},
        {"Heli", subjectOf(QStringLiteral("Rotor 450"), kHeliSampleBlock)},
    };
}

class SetupSheetCases : public ::testing::TestWithParam<SheetCase> {};

QStringList lines(const QString& text) {
    return text.split(QLatin1Char('\n'));
}

std::vector<std::string> cellsOf(const QString& line) {
    static const QRegularExpression kGap(QStringLiteral("\\s{2,}"));
    std::vector<std::string> cells;
    for (const QString& cell : line.trimmed().split(kGap, Qt::SkipEmptyParts))
        cells.push_back(cell.toStdString());
    return cells;
}

QString checksumText(const BlockBytes& block) {
    const unsigned sum = std::accumulate(block.begin(), block.begin() + kSettingsBlockSize, 0u);
    return QStringLiteral("0x") + QStringLiteral("%1").arg(sum, 4, 16, QLatin1Char('0')).toUpper();
}

TEST_P(SetupSheetCases, Text_HoldsEveryValueOfTheBlock_RowByRowInOrder) {
    const SheetSubject& subject = GetParam().subject;
    const QStringList text = lines(setupSheetText(subject));
    qsizetype from = 0;
    for (const std::vector<std::string>& row : expectedSheetRows(subject.block)) {
        qsizetype found = -1;
        for (qsizetype i = from; i < text.size() && found < 0; ++i) {
            if (cellsOf(text[i]) == row)
                found = i;
        }
        ASSERT_GE(found, 0) << "no row " << ::testing::PrintToString(row) << " after line " << from
                            << " in\n"
                            << setupSheetText(subject).toStdString();
        from = found + 1;
    }
}

TEST_P(SetupSheetCases, Text_NamesTheModelItsTypeMemoryNotesAndChecksum) {
    const SheetSubject& subject = GetParam().subject;
    const QString text = setupSheetText(subject);
    const QStringList all = lines(text);
    EXPECT_TRUE(all.contains(QStringLiteral("Setup sheet: ") + subject.name)) << text.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("Type: ") +
                             QString::fromStdString(shownValue(subject.block, "model type"))));
    EXPECT_TRUE(all.contains(QStringLiteral("Stick mode: ") +
                             QString::fromStdString(shownValue(subject.block, "stick mode"))));
    EXPECT_EQ(all.contains(QStringLiteral("Memory: USER2")), subject.memory == 1);
    EXPECT_EQ(text.contains(QStringLiteral("Memory")), subject.memory >= 0);
    for (const QString& line : subject.notes.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        EXPECT_TRUE(all.contains(QStringLiteral("  ") + line)) << line.toStdString();
    EXPECT_EQ(text.contains(QStringLiteral("Notes:")), !subject.notes.isEmpty());
    EXPECT_TRUE(all.contains(QStringLiteral("Settings checksum: ") + checksumText(subject.block)))
        << text.toStdString();
}

TEST_P(SetupSheetCases, Page_StaysInsideItsRectangle_WithLongNotesAndName) {
    // A page drawn into the middle of a larger picture: nothing may land outside it.
    SheetSubject subject = GetParam().subject;
    subject.name = QString(QStringLiteral("Very long model name ")).repeated(6);
    subject.notes = QString(QStringLiteral("Notes that go on and on. ")).repeated(400);
    constexpr QRgb kOutside = 0xFFFF00FFu;
    QImage image(700, 900, QImage::Format_RGB32);
    image.fill(kOutside);
    const QRect page(50, 50, 595, 800);
    {
        QPainter painter(&image);
        paintSetupSheet(painter, page, subject);
    }
    int outside = 0;
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (!page.contains(x, y))
                outside += pixel != kOutside;
            else
                inked += qGray(pixel) < 128;
        }
    }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inked, 2000);  // text, tables and graphs, not a blank page
}

INSTANTIATE_TEST_SUITE_P(Blocks, SetupSheetCases, ::testing::ValuesIn(sheetCases()),
                         [](const auto& test) { return std::string(test.param.label); });

TEST(SetupSheetText, AnAeroplane_HasNoCurvesAndNoSwash) {
    const QString text = setupSheetText(subjectOf(QStringLiteral("Glider"), acroSheetBlock()));
    EXPECT_FALSE(text.contains(QStringLiteral("curve"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Swash"))) << text.toStdString();
}

TEST(SetupSheetText, AModelWithoutName_IsCalledUnnamed) {
    EXPECT_TRUE(setupSheetText(subjectOf(QStringLiteral("  ")))
                    .startsWith(QStringLiteral("Setup sheet: Unnamed model\n")));
}

TEST(SetupSheetPaper, FollowsTheWayTheLocaleMeasures) {
    EXPECT_EQ(setupSheetPaper(QLocale(QLocale::English, QLocale::UnitedStates)), QPageSize::Letter);
    EXPECT_EQ(setupSheetPaper(QLocale(QLocale::English, QLocale::UnitedKingdom)), QPageSize::A4);
    EXPECT_EQ(setupSheetPaper(QLocale(QLocale::German, QLocale::Germany)), QPageSize::A4);
    EXPECT_EQ(setupSheetPaper(QLocale(QLocale::Chinese, QLocale::China)), QPageSize::A4);
}

TEST(SetupSheetPdf, AFolderThatIsMissing_IsNamedInTheMessage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no such folder/sheet.pdf"));
    const QString error = writeSetupSheetPdf(path, subjectOf(QStringLiteral("x")));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

// The output of a poppler tool, or an empty string when it cannot run.
QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::vector<std::string> tokensOf(const std::vector<std::string>& cells) {
    std::vector<std::string> tokens;
    for (const std::string& cell : cells) {
        for (const QString& t :
             QString::fromStdString(cell).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            tokens.push_back(t.toStdString());
    }
    return tokens;
}

// Whether `wanted` appear in order among the words of `line`.
bool inOrder(const QString& line, const std::vector<std::string>& wanted) {
    std::size_t next = 0;
    for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (next < wanted.size() && word.toStdString() == wanted[next])
            ++next;
    }
    return next == wanted.size();
}

TEST_P(SetupSheetCases, Pdf_IsOnePageWhoseTextHoldsEveryValue) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdftotext or pdfinfo missing (Debian package poppler-utils)";
    const SheetSubject& subject = GetParam().subject;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_EQ(writeSetupSheetPdf(pdf, subject), QString());

    const QString info = popplerOutput(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
        << info.toStdString();
    const bool letter = setupSheetPaper() == QPageSize::Letter;
    EXPECT_TRUE(info.contains(letter ? QStringLiteral("(letter)") : QStringLiteral("(A4)")))
        << info.toStdString();

    const QString text = popplerOutput(QStringLiteral("pdftotext"),
                                       {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const QStringList all = lines(text);
    EXPECT_TRUE(text.contains(subject.name)) << text.toStdString();
    EXPECT_TRUE(text.contains(checksumText(subject.block))) << text.toStdString();
    for (const std::vector<std::string>& row : expectedSheetRows(subject.block)) {
        const std::vector<std::string> tokens = tokensOf(row);
        EXPECT_TRUE(std::any_of(all.begin(), all.end(),
                                [&](const QString& line) { return inOrder(line, tokens); }))
            << "no line with " << ::testing::PrintToString(tokens) << " in\n"
            << text.toStdString();
    }
}

}  // namespace
}  // namespace pelorin::test
