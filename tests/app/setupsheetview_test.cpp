// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The setup sheet in the desktop program: the page on screen, the Models window's Print, Save
// as PDF and Copy as text for the selected model, and the main window's for the transmitter.

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "app/modelswindow.h"
#include "app/setupsheetview.h"
#include "dialogkit/systemmenu.h"
#include "tests/app/apptest.h"
#include "tests/sheet/sheetblocks.h"

namespace pelorin::test {
namespace {

class SheetActions : public MainWindowTest {
protected:
    // Opens the Models window with one kept helicopter, selected.
    ModelsWindow* openWithModel(MainDialog& w) {
        w.systemCommand(kModelsCommand);
        auto* models = w.findChild<ModelsWindow*>();
        EXPECT_NE(models, nullptr);
        if (models == nullptr)
            return nullptr;
        EXPECT_EQ(models->library().add({kept.name, kept.notes, kept.block}), "");
        EXPECT_TRUE(models->selectModel(kept.name));
        return models;
    }
    static QPushButton* action(ModelsWindow* models, const char* id) {
        return models->findChild<QPushButton*>(QLatin1String(id));
    }

    DataHome home;
    QTemporaryDir files;
    SheetSubject kept{.name = QStringLiteral("Rotor"),
                      .notes = QStringLiteral("Blades 325 mm"),
                      .memory = -1,
                      .block = kHeliSampleBlock};
};

TEST_F(SheetActions, Buttons_AreEnabledOnlyWithOneValidModelSelected) {
    runWindow([&](MainDialog& w) {
        ModelsWindow* models = openWithModel(w);
        ASSERT_NE(models, nullptr);
        ASSERT_EQ(models->library().add({QStringLiteral("Second"), {}, startingBlock()}), "");
        const char* ids[] = {"printSheet", "pdfSheet", "textSheet"};
        ASSERT_TRUE(models->selectModel(kept.name));
        for (const char* id : ids)
            EXPECT_TRUE(action(models, id)->isEnabled()) << id;
        models->modelList()->selectAll();  // two models: whose sheet is unclear
        for (const char* id : ids)
            EXPECT_FALSE(action(models, id)->isEnabled()) << id;
        models->modelList()->clearSelection();
        for (const char* id : ids) {
            EXPECT_FALSE(action(models, id)->isEnabled()) << id;
            EXPECT_FALSE(action(models, id)->accessibleName().isEmpty()) << id;
            EXPECT_FALSE(action(models, id)->toolTip().isEmpty()) << id;
        }
    });
}

TEST_F(SheetActions, CopyAsText_PutsTheModelsSheetOnTheClipboard) {
    runWindow([&](MainDialog& w) {
        ModelsWindow* models = openWithModel(w);
        ASSERT_NE(models, nullptr);
        QGuiApplication::clipboard()->clear();
        action(models, "textSheet")->click();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), setupSheetText(kept));
    });
}

TEST_F(SheetActions, SaveAsPdf_WritesTheChosenFileWithItsSuffix_AndNamesAFileItCannotWrite) {
    const QString chosen = files.filePath(QStringLiteral("rotor sheet"));
    const QString unwritable = files.filePath(QStringLiteral("gone/rotor.pdf"));
    runWindow([&](MainDialog& w) {
        ModelsWindow* models = openWithModel(w);
        ASSERT_NE(models, nullptr);
        QString suggested;
        for (const QString& path : {chosen, unwritable}) {
            whenModalOpens<QFileDialog>([&](QFileDialog* d) {
                suggested = d->selectedFiles().value(0);
                d->selectFile(path);
                static_cast<QDialog*>(d)->accept();
            });
            action(models, "pdfSheet")->click();
        }
        EXPECT_TRUE(suggested.endsWith(QStringLiteral("/Rotor.pdf"))) << suggested.toStdString();
    });
    QFile pdf(chosen + QStringLiteral(".pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].contains(unwritable)) << messages.messages[0].toStdString();
}

TEST_F(SheetActions, Print_OpensAPreviewOfTheSheet) {
    runWindow([&](MainDialog& w) {
        ModelsWindow* models = openWithModel(w);
        ASSERT_NE(models, nullptr);
        bool previewed = false;
        whenModalOpens<QPrintPreviewDialog>([&](QPrintPreviewDialog* d) {
            previewed = true;
            d->reject();
        });
        action(models, "printSheet")->click();
        EXPECT_TRUE(previewed);
    });
}

// The main window's menu: the sheet of what the transmitter holds now, under its memory.
TEST_F(SheetActions, MainWindowMenu_SavesTheSheetOfTheTransmittersSettings) {
    const QString chosen = files.filePath(QStringLiteral("now.pdf"));
    runWindow([&](MainDialog& w) {
        w.session().blockBytes = kHeliSampleBlock;
        const SheetSubject now = transmitterSheet(w.connection());
        EXPECT_TRUE(now.block == kHeliSampleBlock);
        EXPECT_EQ(now.memory, w.connection().userMemory());
        QString suggested;
        whenModalOpens<QFileDialog>([&](QFileDialog* d) {
            suggested = d->selectedFiles().value(0);
            d->selectFile(chosen);
            static_cast<QDialog*>(d)->accept();
        });
        w.systemCommand(kSheetPdfCommand);
        EXPECT_TRUE(suggested.endsWith(QStringLiteral("/Transmitter.pdf")))
            << suggested.toStdString();
    });
    QFile pdf(chosen);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST(SetupSheetViewTest, Page_KeepsThePapersShapeInsideAnyWidget) {
    SetupSheetView view;
    const QSizeF paper = QPageSize(setupSheetPaper()).size(QPageSize::Millimeter);
    for (const QSize size : {QSize(300, 900), QSize(900, 300), QSize(440, 620)}) {
        view.resize(size);
        const QRectF page = view.pageRect();
        EXPECT_TRUE(QRectF(view.rect()).contains(page)) << size.width() << "x" << size.height();
        EXPECT_NEAR(page.width() / page.height(), paper.width() / paper.height(), 0.01);
    }
    view.resize(4, 4);
    EXPECT_TRUE(view.pageRect().isEmpty());
}

TEST(SetupSheetViewTest, Subject_IsPaintedAndReadToScreenReaders) {
    SetupSheetView view;
    const SheetSubject subject{
        .name = QStringLiteral("Trainer"), .notes = {}, .memory = 0, .block = acroSheetBlock()};
    view.setSubject(subject);
    EXPECT_EQ(view.accessibleDescription(), setupSheetText(subject));
    view.resize(440, 620);
    const QImage shown = view.grab().toImage();
    const QColor inside = shown.pixelColor(view.pageRect().center().toPoint());
    EXPECT_NE(shown.pixelColor(1, 1), inside);  // the page stands out from the grey around it
}

TEST(SetupSheetFileName, IsTheModelsNameMadeFitForAFile) {
    const struct {
        const char* name;
        const char* file;
    } cases[] = {
        {"Trainer", "Trainer.pdf"}, {"Heli 450/3D", "Heli 450_3D.pdf"},    {"a:b*c?", "a_b_c_.pdf"},
        {"  ", "setup sheet.pdf"},  {".hidden", "setup sheet.hidden.pdf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(setupSheetFileName(QString::fromUtf8(c.name)), QString::fromUtf8(c.file))
            << c.name;
}

}  // namespace
}  // namespace pelorin::test
