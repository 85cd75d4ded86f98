// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A model edited with no transmitter: New model, Edit, the main window's editors on the model,
// every OK in the model's file and nothing on any port; undo and redo as in a document, each a
// history entry of the model's own; then, with the virtual transmitter, Send to transmitter
// carries exactly the model's block.

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "app/historyrecorder.h"
#include "app/historywindow.h"
#include "app/modelswindow.h"
#include "app/modelwindow.h"
#include "app/setupsheetview.h"
#include "dialogkit/systemmenu.h"
#include "editors/channeleditors.h"
#include "editors/curvedialogs.h"
#include "editors/typedialogs.h"
#include "link/frames.h"
#include "models/modelformat.h"
#include "platform/serialport.h"
#include "tests/app/apptest.h"
#include "tests/support/serialtesting.h"
#include "tools/txsim/commandreader.h"

namespace pelorin::test {
namespace {

constexpr int kWaitMs = 10000;
constexpr int kEndPointCh1Right = 1015;  // the End Point dialog's field for CH1's right end

// New model… answered with a name and the entry of the start list that holds `start`.
ModelWindow* newModel(ModelsWindow* models, const QString& name, const QString& start) {
    whenModalOpens<QDialog>([&](QDialog* d) {
        d->findChild<QLineEdit*>()->setText(name);
        auto* list = d->findChild<QComboBox*>(QStringLiteral("start"));
        list->setCurrentIndex(list->findText(start));
        d->accept();
    });
    return models->newModel();
}

// Changes CH1's right end point and throttle curve NOR EP2 through the editors of `window`.
void editEndPointAndThrottle(ModelWindow* window) {
    whenModalOpens<EndPointDialog>([](EndPointDialog* d) {
        setFieldText(d, kEndPointCh1Right, "87");
        static_cast<QDialog*>(d)->accept();
    });
    window->editorButton(mainid::kEndPoint)->click();
    whenModalOpens<ThrottleCurveDialog>([](ThrottleCurveDialog* d) {
        setFieldText(d, CurveDialog::kIdFirstPoint + 2, "40");
        static_cast<QDialog*>(d)->accept();
    });
    window->editorButton(mainid::kThrottleCurve)->click();
}

// Models… in `w`, then New model… of a blank HELI-120 named "Heli 450"; the window edited.
ModelWindow* newHeliModel(MainDialog& w) {
    w.systemCommand(kModelsCommand);
    auto* models = w.findChild<ModelsWindow*>();
    EXPECT_NE(models, nullptr);
    return models != nullptr ? newModel(models, QStringLiteral("Heli 450"),
                                        QStringLiteral("A blank HELI-120 model"))
                             : nullptr;
}

models::Model fileOf(ModelWindow* window) {
    const auto loaded = models::readModelFile(window->path());
    EXPECT_TRUE(std::holds_alternative<models::LoadedModel>(loaded));
    return std::get<models::LoadedModel>(loaded).model;
}

using ModelWindowTest = MainWindowTest;

TEST_F(ModelWindowTest, NewHeliModelEditedWithoutTransmitter_FileHoldsTheEditsAndNoPortIsWritten) {
    DataHome home;
    runWindow([&](MainDialog& w) {
        fake->clearCalls();
        ModelWindow* edited = newHeliModel(w);
        ASSERT_NE(edited, nullptr);
        EXPECT_EQ(edited->windowTitle(), QStringLiteral("Heli 450 — Pelorin"));
        // A helicopter: its curve and swash buttons are there.
        EXPECT_FALSE(edited->editorButton(mainid::kThrottleCurve)->isHidden());
        const BlockBytes blank = edited->block();
        EXPECT_EQ(blank, blankBlock(1));

        editEndPointAndThrottle(edited);
        models::Model kept = fileOf(edited);
        EXPECT_EQ(kept.name, QStringLiteral("Heli 450"));
        EXPECT_EQ(kept.blockBytes[block::kEndPoint + 1], 87);
        EXPECT_EQ(kept.blockBytes[block::kThrottleCurve + 4], 40);  // NOR EP2
        // Everything else as the blank model had it.
        BlockBytes expected = blank;
        expected[block::kEndPoint + 1] = 87;
        expected[block::kThrottleCurve + 4] = 40;
        EXPECT_EQ(kept.blockBytes, expected);
        EXPECT_EQ(edited->sheet()->subject().block, expected) << "the sheet shows the edit";
        EXPECT_TRUE(fake->writes().empty()) << "a model edit reached the serial port";

        // Ctrl+Z takes the curve back, then the end point; Ctrl+Shift+Z makes the end point
        // again. Each step is in the file at once.
        edited->undo();
        EXPECT_EQ(fileOf(edited).blockBytes[block::kThrottleCurve + 4], 50);
        edited->undo();
        EXPECT_EQ(fileOf(edited).blockBytes, blank);
        edited->undo();  // nothing more to take back
        EXPECT_EQ(fileOf(edited).blockBytes, blank);
        edited->redo();
        EXPECT_EQ(fileOf(edited).blockBytes[block::kEndPoint + 1], 87);
        EXPECT_TRUE(fake->writes().empty());

        // No transmitter has sent its settings: Compare says so rather than comparing with
        // the window's starting values.
        messages.messages.clear();
        edited->compareWithTransmitter();
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_TRUE(messages.messages[0].contains("nothing to compare"));
        messages.messages.clear();

        // The Type editor to ACRO: the helicopter buttons go, as in the main window.
        whenModalOpens<TypeDialog>([](TypeDialog* d) {
            auto* list = d->findChild<QComboBox*>();
            list->setCurrentIndex(list->findText(QStringLiteral("ACRO")));
            static_cast<QDialog*>(d)->accept();
        });
        edited->editorButton(mainid::kType)->click();
        EXPECT_TRUE(edited->editorButton(mainid::kThrottleCurve)->isHidden());
        EXPECT_EQ(fileOf(edited).blockBytes[block::kModelAndStick] & 0x0F, 0);
    });
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join('\n').toStdString();
}

// Each model the window stores is a history entry naming the model, on the model's own chain:
// History lists it with the fields it changed and asks before sending it anywhere, and the main
// window's Undo never takes it for a step of the transmitter's.
TEST_F(ModelWindowTest, ModelEdits_AreHistoryEntriesOfTheModelAndNoStepOfTheTransmitter) {
    DataHome home;
    window->setHistoryFile(home.dir.filePath(QStringLiteral("history.jsonl")));
    runWindow([&](MainDialog& w) {
        ModelWindow* model = newHeliModel(w);
        ASSERT_NE(model, nullptr);
        editEndPointAndThrottle(model);
        model->undo();

        w.systemCommand(kHistoryCommand);
        HistoryWindow* history = w.history()->historyWindow();
        ASSERT_NE(history, nullptr);
        HistoryModel* rows = history->model();
        const auto text = [rows](int row, int column) {
            return rows->data(rows->index(row, column), Qt::DisplayRole).toString();
        };
        ASSERT_EQ(rows->rowCount(), 3);
        EXPECT_EQ(text(0, HistoryModel::EventColumn), "Model \u201CHeli 450\u201D: Undo");
        EXPECT_EQ(text(2, HistoryModel::EventColumn), "Model \u201CHeli 450\u201D: OK in EndPoint");
        EXPECT_EQ(text(1, HistoryModel::ChangesColumn), "throttle curve NOR EP2");
        EXPECT_EQ(text(0, HistoryModel::ChangesColumn), "throttle curve NOR EP2");

        // Sent from History, it is asked about by the model's name, and by default not sent.
        fake->clearCalls();
        history->selectRow(1);
        history->sendToTransmitter();
        ASSERT_EQ(messages.questions.size(), 1);
        EXPECT_TRUE(messages.questions[0].contains("the model \u201CHeli 450\u201D"))
            << messages.questions[0].toStdString();
        EXPECT_TRUE(fake->writes().empty());

        messages.messages.clear();
        w.systemCommand(kUndoCommand);
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_TRUE(messages.messages[0].contains("Nothing to undo"));
        EXPECT_TRUE(fake->writes().empty());
        messages.messages.clear();
    });
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join('\n').toStdString();
}

TEST(ModelWindowWithTransmitter, SendToTransmitter_TheWriteFrameCarriesExactlyTheModelsBlock) {
    DataHome home;
    testing::PrivateRuntimeDir runtime;
    ASSERT_TRUE(runtime.isValid());
    MessageRecorder messages;
    auto transmitter = testing::startTransmitter("modelwindow", testing::quietOptions());
    MainDialog main(makeSerialControl());
    whenModalOpens<MainDialog>(
        [&](MainDialog* w) {
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return w->session().counters().settingsAccepted >= 1; }, kWaitMs));
            w->systemCommand(kModelsCommand);
            auto* models = w->findChild<ModelsWindow*>();
            ASSERT_NE(models, nullptr);
            ModelWindow* window =
                newModel(models, QStringLiteral("Bench"), QStringLiteral("A blank HELI-120 model"));
            ASSERT_NE(window, nullptr);
            editEndPointAndThrottle(window);
            const BlockBytes model = window->block();
            whenModalOpens<QDialog>([](QDialog* d) { d->accept(); });  // every group
            window->sendToTransmitter();
            ASSERT_TRUE(QTest::qWaitFor(
                [&] {
                    for (const txsim::Command& c : transmitter->receivedCommands()) {
                        if (c.kind == txsim::Command::Kind::WriteFrame)
                            return true;
                    }
                    return false;
                },
                kWaitMs));
            std::vector<std::uint8_t> written;
            for (const txsim::Command& c : transmitter->receivedCommands()) {
                if (c.kind == txsim::Command::Kind::WriteFrame)
                    written = c.bytes;
            }
            const WriteFrame expected = writeFrame(model);
            EXPECT_EQ(written, std::vector<std::uint8_t>(expected.begin(), expected.end()));
            w->reject();
        },
        kWaitMs);
    main.run();
    transmitter->stop();
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join('\n').toStdString();
}

}  // namespace
}  // namespace pelorin::test
