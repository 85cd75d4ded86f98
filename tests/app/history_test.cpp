// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The history and undo through the real windows, against the virtual transmitter on a
// pseudo-terminal: an Open taken back with Ctrl+Z and Return, also after a restart; Escape
// sends nothing; an editor's OK without a transmitter kept and sent once it is connected.

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "app/historyrecorder.h"
#include "app/historywindow.h"
#include "app/modelswindow.h"
#include "app/serialsettingdialog.h"
#include "dialogkit/systemmenu.h"
#include "editors/channeleditors.h"
#include "editors/typedialogs.h"
#include "models/history.h"
#include "models/modelformat.h"
#include "models/modellibrary.h"
#include "platform/serialport.h"
#include "tests/app/apptest.h"
#include "tests/support/serialtesting.h"

namespace pelorin::test {
namespace {

constexpr int kWaitMs = 10000;
constexpr int kEndPointCh1Right = 1015;  // the End Point dialog's field for CH1's right end
constexpr std::size_t kCh1Right = block::kEndPoint + 1;

// The fields a send confirmation lists, under all its groups.
QStringList fieldNames(QDialog* dialog) {
    QStringList names;
    if (auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("differences"))) {
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            for (int j = 0; j < list->topLevelItem(i)->childCount(); ++j)
                names << list->topLevelItem(i)->child(j)->text(0);
        }
    }
    return names;
}

// Ticks in a send confirmation only the groups named.
void tickOnly(QDialog* dialog, const QStringList& groups) {
    auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("differences"));
    ASSERT_NE(list, nullptr);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* group = list->topLevelItem(i);
        group->setCheckState(0, groups.contains(group->text(0)) ? Qt::Checked : Qt::Unchecked);
    }
}

bool sameSettings(const BlockBytes& a, const BlockBytes& b) {
    return std::equal(a.begin(), a.begin() + kSettingsBlockSize, b.begin());
}

class HistoryWithTransmitter : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime.isValid());
        ASSERT_TRUE(dir.isValid());
        transmitter = testing::startTransmitter("history", testing::quietOptions());
    }
    void TearDown() override {
        if (transmitter)
            transmitter->stop();
    }

    QString historyPath() const { return dir.filePath("history.jsonl"); }

    // A run of the program: a new window on the same history file, up once the transmitter's
    // settings have arrived.
    void run(const std::function<void(MainDialog&)>& body, bool waitForSettings = true) {
        MainDialog window(makeSerialControl());
        window.setHistoryFile(historyPath());
        whenModalOpens<MainDialog>(
            [&](MainDialog* w) {
                if (waitForSettings) {
                    EXPECT_TRUE(QTest::qWaitFor(
                        [&] { return w->session().counters().settingsAccepted >= 1; }, kWaitMs));
                }
                if (!::testing::Test::HasFailure())
                    body(*w);
                w->reject();
            },
            kWaitMs);
        window.run();
    }

    // Chooses the file of that content with Open.
    void openFile(MainDialog& w, const QString& name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        w.setOpenChooser([path](QWidget*, const QString&) { return path; });
        w.control<QPushButton>(mainid::kOpen)->click();
    }
    void openBlock(MainDialog& w, const QString& name, const BlockBytes& block) {
        openFile(w, name, QByteArray(reinterpret_cast<const char*>(block.data()), 67));
    }

    // Opens a settings file holding the transmitter's block with CH1's right end point changed.
    void openChanged(MainDialog& w, int endPoint) {
        BlockBytes block = transmitter->currentBlock();
        block[kCh1Right] = static_cast<std::uint8_t>(endPoint);
        openBlock(w, QStringLiteral("ep%1.bin").arg(endPoint), block);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return transmitter->currentBlock()[kCh1Right] == endPoint; }, kWaitMs));
    }

    // Ctrl+Z (or Ctrl+Shift+Z) in the main window; `inDialog` acts on the question.
    void pressUndo(MainDialog& w, std::function<void(QDialog*)> inDialog, bool redo = false) {
        whenModalOpens<QDialog>(std::move(inDialog));
        w.activateWindow();
        QApplication::setActiveWindow(&w);
        QTest::keyClick(&w, Qt::Key_Z,
                        redo ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
    }

    // Ctrl+Z finds nothing to take back: one message says so, nothing is sent.
    void expectNothingToUndo(MainDialog& w) {
        messages.messages.clear();
        w.activateWindow();
        QApplication::setActiveWindow(&w);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QTest::qWait(200);
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_TRUE(messages.messages[0].contains("Nothing to undo"));
    }

    HistoryWindow* openHistory(MainDialog& w) {
        w.systemCommand(kHistoryCommand);
        HistoryWindow* window = w.history() ? w.history()->historyWindow() : nullptr;
        EXPECT_NE(window, nullptr);
        return window;
    }

    std::vector<models::HistoryRecord> records() const {
        return models::HistoryStore(historyPath()).load().records;
    }

    testing::PrivateRuntimeDir runtime;
    QTemporaryDir dir;
    std::unique_ptr<txsim::VirtualTransmitter> transmitter;
    MessageRecorder messages;
};

TEST_F(HistoryWithTransmitter, OpenThenCtrlZAndReturn_SendsBackTheBlockFromBefore) {
    run([&](MainDialog& w) {
        const BlockBytes before = transmitter->currentBlock();
        openChanged(w, 77);

        // Escape first: nothing is sent.
        pressUndo(w, [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
        QTest::qWait(200);
        EXPECT_EQ(transmitter->currentBlock()[kCh1Right], 77);

        QStringList listed;
        pressUndo(w, [&](QDialog* d) {
            listed = fieldNames(d);
            QTest::keyClick(d, Qt::Key_Return);
        });
        EXPECT_EQ(listed, QStringList{"end point CH1 R"});
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return sameSettings(transmitter->currentBlock(), before); }, kWaitMs));
        // The same path as Open: the editors hold it too.
        EXPECT_EQ(w.session().settings.endPointRight[0],
                  static_cast<std::int8_t>(before[kCh1Right]));

        // Forward again.
        pressUndo(
            w, [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); }, true);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return transmitter->currentBlock()[kCh1Right] == 77; }, kWaitMs));
    });
    const auto all = records();
    ASSERT_GE(all.size(), 4u);
    EXPECT_TRUE(all.front().received);
    EXPECT_EQ(all[1].cause, models::HistoryCause::Open);
    EXPECT_EQ(all[2].cause, models::HistoryCause::Undo);
    EXPECT_EQ(all[2].target, all[1].key);
    EXPECT_EQ(all[3].cause, models::HistoryCause::Redo);
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join('\n').toStdString();
}

// The window menu's Undo and Redo name what they would do when it opens, and take the same
// steps as the keys.
TEST_F(HistoryWithTransmitter, WindowMenu_UndoAndRedoNameTheirStepAndTakeIt) {
    run([&](MainDialog& w) {
        auto* menu = w.findChild<QMenu*>(QStringLiteral("systemMenu"));
        ASSERT_NE(menu, nullptr);
        const auto entry = [&](unsigned command) -> QAction* {
            for (QAction* a : menu->actions()) {
                if (a->data().toUInt() == command)
                    return a;
            }
            return nullptr;
        };
        const auto opened = [&](unsigned command) {
            QMetaObject::invokeMethod(menu, "aboutToShow");
            return entry(command)->text();
        };
        EXPECT_EQ(opened(kUndoCommand), "Undo (nothing to undo)");
        openChanged(w, 77);
        EXPECT_EQ(opened(kUndoCommand), "Undo \u201COpen ep77.bin\u201D");
        EXPECT_EQ(opened(kRedoCommand), "Redo (nothing to redo)");

        whenModalOpens<QDialog>([](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); });
        entry(kUndoCommand)->trigger();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return transmitter->currentBlock()[kCh1Right] != 77; }, kWaitMs));
        EXPECT_EQ(opened(kRedoCommand), "Redo \u201COpen ep77.bin\u201D");
        EXPECT_EQ(entry(kUndoCommand)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    });
}

TEST_F(HistoryWithTransmitter, UndoWithOnlyThrottleCurveTicked_ChangesOnlyThoseBytes) {
    run([&](MainDialog& w) {
        const BlockBytes before = transmitter->currentBlock();
        BlockBytes changed = before;
        changed[kCh1Right] = 66;
        changed[block::kThrottleCurve + 4] =
            static_cast<std::uint8_t>(before[block::kThrottleCurve + 4] + 9);
        changed[block::kPitchCurve] = static_cast<std::uint8_t>(before[block::kPitchCurve] + 5);
        openBlock(w, QStringLiteral("three.bin"), changed);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return sameSettings(transmitter->currentBlock(), changed); }, kWaitMs));

        QStringList groups;
        pressUndo(w, [&](QDialog* d) {
            auto* list = d->findChild<QTreeWidget*>(QStringLiteral("differences"));
            ASSERT_NE(list, nullptr);
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                groups << list->topLevelItem(i)->text(0);
            // Space unticks the selected group, the first.
            QTest::keyClick(list, Qt::Key_Space);
            EXPECT_EQ(list->topLevelItem(0)->checkState(0), Qt::Unchecked);
            tickOnly(d, {QStringLiteral("Throttle curve")});
            QTest::keyClick(list, Qt::Key_Return);  // the list leaves Return to Send
        });
        EXPECT_EQ(groups, (QStringList{"End points", "Throttle curve", "Pitch curve"}));
        BlockBytes expected = changed;
        for (std::size_t i = 0; i < block::kCurveSize; ++i)
            expected[block::kThrottleCurve + i] = before[block::kThrottleCurve + i];
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return sameSettings(transmitter->currentBlock(), expected); }, kWaitMs));
        EXPECT_EQ(transmitter->currentBlock()[kCh1Right], 66);

        // Nothing ticked (in the redo's confirmation): nothing to send, and the user is told.
        pressUndo(
            w,
            [&](QDialog* d) {
                tickOnly(d, {});
                QTest::keyClick(d, Qt::Key_Return);
            },
            true);
        QTest::qWait(200);
        EXPECT_TRUE(sameSettings(transmitter->currentBlock(), expected));
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_TRUE(messages.messages[0].contains("no group was ticked"));
    });
}

TEST_F(HistoryWithTransmitter, OpenOfValuesNoEditorMakes_AsksAndByDefaultSendsNothing) {
    run([&](MainDialog& w) {
        const BlockBytes before = transmitter->currentBlock();
        BlockBytes typeSeven = before;
        typeSeven[block::kModelAndStick] =
            static_cast<std::uint8_t>((before[block::kModelAndStick] & 0xF0) | 7);
        models::Model readable{QStringLiteral("far"), {}, before};
        readable.blockBytes[block::kEndPoint] = static_cast<std::uint8_t>(-100);
        struct Case {
            const char* file;
            QByteArray content;
            const char* named;
        };
        const Case cases[] = {
            {"type7.bin", QByteArray(reinterpret_cast<const char*>(typeSeven.data()), 67),
             "model type: unknown (7)"},
            {"far.json", models::modelToJson(readable), "end point CH1 L: -100"},
        };
        for (const Case& c : cases) {
            messages.questions.clear();
            openFile(w, QString::fromLatin1(c.file), c.content);
            ASSERT_EQ(messages.questions.size(), 1) << c.file;
            EXPECT_TRUE(messages.questions[0].contains(QLatin1String(c.named)))
                << messages.questions[0].toStdString();
            EXPECT_TRUE(sameSettings(w.session().blockBytes, before)) << c.file;
        }
        QTest::qWait(200);
        EXPECT_TRUE(sameSettings(transmitter->currentBlock(), before));

        // Inside every range: sent at once, no question.
        messages.questions.clear();
        openChanged(w, 120);
        EXPECT_TRUE(messages.questions.isEmpty());
    });
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join('\n').toStdString();
}

TEST_F(HistoryWithTransmitter, TwoOpensThenRestart_CtrlZStepsBackThroughBothFromTheHistory) {
    BlockBytes first{};
    run([&](MainDialog& w) {
        first = transmitter->currentBlock();
        openChanged(w, 70);
        openChanged(w, 60);
    });
    run([&](MainDialog& w) {
        pressUndo(w, [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); });
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return transmitter->currentBlock()[kCh1Right] == 70; }, kWaitMs));
        pressUndo(w, [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); });
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return sameSettings(transmitter->currentBlock(), first); }, kWaitMs));
    });
    // A third start: nothing is left to take back.
    run([&](MainDialog& w) {
        w.activateWindow();
        QApplication::setActiveWindow(&w);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    });
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].contains("Nothing to undo"));
}

// A history far longer than what undo and the History window read at first: the write lies
// behind megabytes of another transmitter's records, and Ctrl+Z still takes it back to what this
// transmitter held; the History window shows the newest entries and reads the rest as it is
// scrolled, until every entry is there.
TEST_F(HistoryWithTransmitter, WriteBehindALongOtherHistory_IsStillTakenBackAndListed) {
    BlockBytes first{};
    run([&](MainDialog& w) {
        first = transmitter->currentBlock();
        openChanged(w, 70);
    });
    const std::size_t own = records().size();
    {
        QFile file(historyPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Append));
        models::HistoryRecord other;
        other.device = QStringLiteral("/dev/ttyUSB7");
        other.time = QDateTime::currentDateTimeUtc();
        other.cause = models::HistoryCause::Editor;
        other.detail = QStringLiteral("SubTrim");
        for (int i = 0; i < 12000; ++i) {
            other.key = QStringLiteral("other%1").arg(i);
            other.block[block::kSubTrim] = static_cast<std::uint8_t>(i);
            file.write(models::historyLine(other));
        }
    }
    run([&](MainDialog& w) {
        pressUndo(w, [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); });
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return sameSettings(transmitter->currentBlock(), first); }, kWaitMs));

        HistoryWindow* window = openHistory(w);
        ASSERT_NE(window, nullptr);
        HistoryModel* model = window->model();
        const int total = static_cast<int>(records().size());
        EXPECT_FALSE(model->allRead());
        EXPECT_LT(model->rowCount(), total - static_cast<int>(own));
        for (int fetches = 0; model->canFetchMore({}) && fetches < 1000; ++fetches)
            model->fetchMore({});
        ASSERT_EQ(model->rowCount(), total);
        // The write of the first run, now read, shows what it changed on its transmitter.
        int write = -1;
        for (int row = 0; row < total; ++row) {
            if (model->record(row).cause == models::HistoryCause::Open)
                write = row;
        }
        ASSERT_GE(write, 0);
        const QString changed = model->index(write, HistoryModel::ChangesColumn).data().toString();
        EXPECT_FALSE(changed.isEmpty() || changed == QStringLiteral("…")) << changed.toStdString();
    });
}

// Two transmitters in turn on the same history: undo on each only ever sends that
// transmitter's own earlier settings, never a block recorded for the other.
TEST_F(HistoryWithTransmitter, TwoTransmittersInTurn_UndoOnEachSendsOnlyItsOwnSettings) {
    const BlockBytes firstA = transmitter->currentBlock();
    run([&](MainDialog& w) { openChanged(w, 70); });
    transmitter.reset();  // stopped, and its port gone

    txsim::Options options = testing::quietOptions();
    for (BlockBytes& model : options.models)
        model[kCh1Right] = 95;  // B holds other settings
    transmitter = testing::startTransmitter("historyB", options);
    const BlockBytes firstB = transmitter->currentBlock();
    run([&](MainDialog& w) {
        // Nothing of A's is B's to take back.
        expectNothingToUndo(w);
        openChanged(w, 60);
        pressUndo(w, [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); });
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return sameSettings(transmitter->currentBlock(), firstB); }, kWaitMs));
    });
    transmitter.reset();

    // A again, as the first run left it: its own write is taken back to what A held.
    options = testing::quietOptions();
    for (BlockBytes& model : options.models) {
        model = firstA;
        model[kCh1Right] = 70;
    }
    transmitter = testing::startTransmitter("history", options);
    run([&](MainDialog& w) {
        pressUndo(w, [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); });
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return sameSettings(transmitter->currentBlock(), firstA); }, kWaitMs));
    });
    for (const models::HistoryRecord& r : records()) {
        if (!r.received && r.device.contains(QStringLiteral("historyB"))) {
            EXPECT_NE(r.block[kCh1Right], 70) << "A's write recorded for B";
        }
    }
}

// A history kept aside when it grew full is still shown: chosen in the History window, its
// entries are listed (and can be sent again); choosing the current file comes back to it.
TEST_F(HistoryWithTransmitter, HistoryKeptAside_IsShownWhenChosenAndTheCurrentOneAgain) {
    const QString kept = dir.filePath(QStringLiteral("history-20261201-101010.jsonl"));
    models::HistoryRecord old;
    old.device = QStringLiteral("/dev/ttyUSB3");
    old.cause = models::HistoryCause::Open;
    old.detail = QStringLiteral("old.bin");
    for (int i = 0; i < 3; ++i) {
        old.key.clear();
        old.block[block::kSubTrim] = static_cast<std::uint8_t>(i);
        ASSERT_EQ(models::HistoryStore(kept).append(old), QString());
    }
    run([&](MainDialog& w) {
        HistoryWindow* window = openHistory(w);
        ASSERT_NE(window, nullptr);
        const int current = window->model()->rowCount();
        QString chosen = kept;
        window->setFileChooser([&](QWidget*, const QString& folder) {
            EXPECT_EQ(QFileInfo(folder), QFileInfo(dir.path()));
            return chosen;
        });
        window->findChild<QPushButton*>(QStringLiteral("older"))->click();
        ASSERT_EQ(window->model()->rowCount(), 3);
        EXPECT_EQ(window->model()->record(0).block[block::kSubTrim], 2);
        EXPECT_TRUE(window->windowTitle().contains(QFileInfo(kept).fileName()));
        chosen = historyPath();
        window->findChild<QPushButton*>(QStringLiteral("older"))->click();
        EXPECT_EQ(window->model()->rowCount(), current);
        EXPECT_FALSE(window->windowTitle().contains(QFileInfo(kept).fileName()));
    });
}

TEST_F(HistoryWithTransmitter, EditorOkWithoutTransmitter_IsKeptAsNotSentAndTheMessageSaysSo) {
    run([&](MainDialog& w) {
        // The cable pulled: the port counts as closed.
        transmitter->closeLine();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.messages.isEmpty(); }, kWaitMs));
        messages.messages.clear();
        whenModalOpens<EndPointDialog>([](EndPointDialog* d) {
            setFieldText(d, kEndPointCh1Right, "111");
            static_cast<QDialog*>(d)->accept();
        });
        w.control<QPushButton>(mainid::kEndPoint)->click();
    });
    ASSERT_EQ(messages.messages.size(), 1) << messages.messages.join('\n').toStdString();
    EXPECT_TRUE(messages.messages[0].contains("kept in the history"))
        << messages.messages[0].toStdString();
    const auto all = records();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_TRUE(all[0].received);
    EXPECT_FALSE(all[1].sent);
    EXPECT_EQ(all[1].cause, models::HistoryCause::Editor);
    EXPECT_EQ(all[1].detail, QStringLiteral("EndPoint"));
    EXPECT_EQ(all[1].block[kCh1Right], 111);
}

TEST_F(HistoryWithTransmitter, OkWithoutTransmitter_SentFromTheHistoryWindowAfterConnecting) {
    run([&](MainDialog& w) {
        transmitter->closeLine();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.messages.isEmpty(); }, kWaitMs));
        whenModalOpens<EndPointDialog>([](EndPointDialog* d) {
            setFieldText(d, kEndPointCh1Right, "111");
            static_cast<QDialog*>(d)->accept();
        });
        w.control<QPushButton>(mainid::kEndPoint)->click();

        // The transmitter is back: Setting (cancelled) opens the port again, and the
        // transmitter's settings replace the edit in the window.
        transmitter->stop();
        transmitter = testing::startTransmitter("history", testing::quietOptions());
        const auto before = w.session().counters().settingsAccepted;
        whenModalOpens<SerialSettingDialog>([](SerialSettingDialog* d) { d->reject(); });
        w.control<QPushButton>(mainid::kSetting)->click();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return w.session().counters().settingsAccepted > before; }, kWaitMs));
        ASSERT_NE(transmitter->currentBlock()[kCh1Right], 111);

        HistoryWindow* history = openHistory(w);
        ASSERT_NE(history, nullptr);
        EXPECT_TRUE(history->isVisible());
        EXPECT_FALSE(history->isModal());
        // Newest first: the block received now, then the edit that was not sent.
        HistoryModel* model = history->model();
        ASSERT_EQ(model->rowCount(), 3);
        EXPECT_TRUE(model->record(0).received);
        EXPECT_FALSE(model->record(1).sent);
        EXPECT_TRUE(model->data(model->index(1, HistoryModel::EventColumn), Qt::DisplayRole)
                        .toString()
                        .contains("not sent"));
        EXPECT_EQ(model->data(model->index(1, HistoryModel::ChangesColumn), Qt::DisplayRole),
                  QStringLiteral("end point CH1 R"));

        history->selectRow(1);
        auto* fields = history->findChild<QTreeWidget*>(QStringLiteral("fields"));
        ASSERT_NE(fields, nullptr);
        const auto all = fields->findItems(QStringLiteral("end point CH1 R"), Qt::MatchExactly);
        ASSERT_EQ(all.size(), 1);
        EXPECT_EQ(all[0]->text(1), QStringLiteral("111"));

        // Typed while the memory was not known; Setting switched to USER1: asked, and agreed.
        messages.answer = true;
        QStringList listed;
        whenModalOpens<QDialog>([&](QDialog* d) {
            listed = fieldNames(d);
            QTest::keyClick(d, Qt::Key_Return);
        });
        history->findChild<QPushButton*>(QStringLiteral("send"))->click();
        EXPECT_EQ(messages.questions.size(), 1);
        EXPECT_EQ(listed, QStringList{"end point CH1 R"});
        ASSERT_TRUE(QTest::qWaitFor([&] { return transmitter->currentBlock()[kCh1Right] == 111; },
                                    kWaitMs));
        EXPECT_EQ(w.session().settings.endPointRight[0], 111);
        // The send is the newest entry, and the window shows it.
        ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount() == 4; }, kWaitMs));
        EXPECT_EQ(model->record(0).cause, models::HistoryCause::History);
        EXPECT_EQ(model->record(0).target, model->record(2).key);

        // Escape closes it, as it does the Monitor.
        QTest::keyClick(history, Qt::Key_Escape);
        EXPECT_FALSE(history->isVisible());
    });
}

TEST_F(HistoryWithTransmitter, HistoryWindow_ComparesTwoEntriesAndKeepsOneAsAModel) {
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    run([&](MainDialog& w) {
        openChanged(w, 70);
        openChanged(w, 60);
        HistoryWindow* history = openHistory(w);
        ASSERT_NE(history, nullptr);
        ASSERT_EQ(history->model()->rowCount(), 3);

        // The two Opens: older on the left.
        history->list()->selectionModel()->select(
            QItemSelection(history->model()->index(0, 0),
                           history->model()->index(1, HistoryModel::ColumnCount - 1)),
            QItemSelectionModel::ClearAndSelect);
        QStringList older;
        QStringList newer;
        whenModalOpens<QDialog>([&](QDialog* d) {
            auto* list = d->findChild<QTreeWidget*>(QStringLiteral("differences"));
            ASSERT_NE(list, nullptr);
            ASSERT_EQ(list->topLevelItemCount(), 1);
            older << list->topLevelItem(0)->text(0) << list->topLevelItem(0)->text(1);
            newer << list->topLevelItem(0)->text(2);
            d->reject();
        });
        history->findChild<QPushButton*>(QStringLiteral("compare"))->click();
        EXPECT_EQ(older, (QStringList{"end point CH1 R", "70"}));
        EXPECT_EQ(newer, QStringList{"60"});

        // The first Open kept as a model of the library; a record arriving while the name is
        // asked for reloads the list, and the model keeps the entry's settings all the same.
        history->selectRow(1);
        whenModalOpens<QInputDialog>([&](QInputDialog* d) {
            openChanged(w, 50);
            history->reload();
            d->setTextValue(QStringLiteral("Seventy"));
            d->accept();
        });
        history->findChild<QPushButton*>(QStringLiteral("keep"))->click();
    });
    const models::ModelLibrary kept(models::ModelLibrary::defaultFolder());
    const models::LibraryEntry* model = kept.findByName(QStringLiteral("Seventy"));
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->model.blockBytes[kCh1Right], 70);
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join('\n').toStdString();
}

TEST_F(HistoryWithTransmitter, ModelSentFromTheLibrary_IsRecordedUnderItsNameAndCanBeUndone) {
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    run([&](MainDialog& w) {
        const BlockBytes before = transmitter->currentBlock();
        w.systemCommand(kModelsCommand);
        auto* models = w.findChild<ModelsWindow*>();
        ASSERT_NE(models, nullptr);
        BlockBytes glider = before;
        glider[kCh1Right] = 42;
        ASSERT_EQ(models->library().add({QStringLiteral("Glider"), {}, glider}), QString());
        // Another model with the same settings: the history names the one sent.
        ASSERT_EQ(models->library().add({QStringLiteral("Twin"), {}, glider}), QString());
        ASSERT_TRUE(models->selectModel(QStringLiteral("Glider")));
        whenModalOpens<QDialog>([](QDialog* d) { d->accept(); });
        models->sendToTransmitter();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return transmitter->currentBlock()[kCh1Right] == 42; }, kWaitMs));

        pressUndo(w, [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); });
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return sameSettings(transmitter->currentBlock(), before); }, kWaitMs));
    });
    const auto all = records();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1].cause, models::HistoryCause::Model);
    EXPECT_EQ(all[1].detail, QStringLiteral("Glider"));
    EXPECT_EQ(models::describeRecord(all[1]), QStringLiteral("Model “Glider” sent"));
    EXPECT_EQ(all[2].cause, models::HistoryCause::Undo);
}

// Undo steps along the transmitter and memory connected now: an OK on USER1 is not taken
// back once the window works on USER2, and another transmitter's write never is.
TEST_F(HistoryWithTransmitter, UndoAfterSwitchingMemoryOrAnotherTransmittersWrite_SendsNeither) {
    run([&](MainDialog& w) {
        w.control<QPushButton>(mainid::kGetUser)->click();  // USER1, known from now on
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return w.session().counters().settingsAccepted >= 2; }, kWaitMs));
        openChanged(w, 77);  // on USER1

        // A second transmitter's write, recorded by pelorin-cli meanwhile.
        models::HistoryRecord other;
        other.device = QStringLiteral("/dev/another-transmitter");
        other.cause = models::HistoryCause::Command;
        other.block = transmitter->currentBlock();
        other.block[kCh1Right] = 33;
        ASSERT_EQ(models::HistoryStore(historyPath()).append(other), QString());

        // Undo takes back this transmitter's Open, not the other's write.
        QStringList listed;
        pressUndo(w, [&](QDialog* d) {
            listed = fieldNames(d);
            d->reject();
        });
        EXPECT_EQ(listed, QStringList{"end point CH1 R"});

        whenModalOpens<UserSelectDialog>([](UserSelectDialog* d) {
            auto* list = d->control<QComboBox>(1015);
            list->setCurrentIndex(list->findText(QStringLiteral("USER2")));
            d->control<QPushButton>(1)->click();
        });
        const auto frames = w.session().counters().settingsAccepted;
        w.systemCommand(kMemoryCommand);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return w.session().counters().settingsAccepted > frames; }, kWaitMs));
        const BlockBytes user2 = transmitter->currentBlock();
        expectNothingToUndo(w);
        EXPECT_EQ(transmitter->currentBlock(), user2);
    });
    const auto all = records();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back().memory, 1);  // USER2's settings, as they arrived
    EXPECT_TRUE(all.back().received);
}

// History's Send of another memory's entry asks first, naming both, and sends nothing by
// default; the grouped question starts on the group list, so Space unticks a group.
TEST_F(HistoryWithTransmitter,
       HistorySendOfTheOtherMemorysEntry_AsksFirstAndByDefaultSendsNothing) {
    run([&](MainDialog& w) {
        openChanged(w, 70);  // the memory is not known yet: the start-up read
        openChanged(w, 60);
        w.control<QPushButton>(mainid::kGetUser)->click();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return w.session().counters().settingsAccepted >= 2; }, kWaitMs));
        const BlockBytes now = transmitter->currentBlock();
        HistoryWindow* history = openHistory(w);
        ASSERT_NE(history, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return history->model()->rowCount() >= 2; }, kWaitMs));
        int openRow = -1;
        for (int row = 0; row < history->model()->rowCount(); ++row) {
            const models::HistoryRecord& r = history->model()->record(row);
            if (r.cause == models::HistoryCause::Open && r.block[kCh1Right] == 70)
                openRow = row;
        }
        ASSERT_GE(openRow, 0);
        EXPECT_EQ(history->model()
                      ->data(history->model()->index(openRow, HistoryModel::MemoryColumn),
                             Qt::DisplayRole)
                      .toString(),
                  QStringLiteral("not known"));
        history->selectRow(openRow);
        messages.questions.clear();
        history->findChild<QPushButton*>(QStringLiteral("send"))->click();  // the hook: no
        ASSERT_EQ(messages.questions.size(), 1);
        EXPECT_TRUE(messages.questions[0].contains("not known") &&
                    messages.questions[0].contains("USER1"))
            << messages.questions[0].toStdString();
        QTest::qWait(200);
        EXPECT_EQ(transmitter->currentBlock(), now);

        // Agreed to: the grouped question opens on its first group.
        messages.answer = true;
        bool focusOnGroups = false;
        whenModalOpens<QDialog>([&](QDialog* d) {
            QWidget* focus = d->focusWidget();
            auto* list = d->findChild<QTreeWidget*>(QStringLiteral("differences"));
            focusOnGroups = list != nullptr && focus == list;
            if (focus != nullptr)
                QTest::keyClick(focus, Qt::Key_Space);
            QTest::keyClick(d, Qt::Key_Return);
        });
        history->findChild<QPushButton*>(QStringLiteral("send"))->click();
        EXPECT_TRUE(focusOnGroups);
        // Its only group unticked: nothing was sent, and the user was told.
        QTest::qWait(200);
        EXPECT_EQ(transmitter->currentBlock(), now);
        EXPECT_TRUE(messages.messages.join('\n').contains("no group was ticked"));
    });
}

// A model holding what no editor makes is asked about before it goes, as Open asks.
TEST_F(HistoryWithTransmitter, ModelOfValuesNoEditorMakes_AsksAndByDefaultSendsNothing) {
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    run([&](MainDialog& w) {
        const BlockBytes before = transmitter->currentBlock();
        w.systemCommand(kModelsCommand);
        auto* models = w.findChild<ModelsWindow*>();
        ASSERT_NE(models, nullptr);
        BlockBytes far = before;
        far[block::kEndPoint] = static_cast<std::uint8_t>(-100);
        ASSERT_EQ(models->library().add({QStringLiteral("Far"), {}, far}), QString());
        ASSERT_TRUE(models->selectModel(QStringLiteral("Far")));
        whenModalOpens<QDialog>([](QDialog* d) { d->accept(); });
        models->sendToTransmitter();
        ASSERT_EQ(messages.questions.size(), 1);
        EXPECT_TRUE(messages.questions[0].contains("Far") &&
                    messages.questions[0].contains("end point CH1 L: -100"))
            << messages.questions[0].toStdString();
        QTest::qWait(200);
        EXPECT_TRUE(sameSettings(transmitter->currentBlock(), before));
    });
}

TEST_F(HistoryWithTransmitter, HistoryThatCannotBeWritten_OneMessageAndTheWindowGoesOn) {
    // A folder where the file should be: every record fails.
    ASSERT_TRUE(QDir().mkpath(historyPath()));
    run([&](MainDialog& w) {
        openChanged(w, 90);
        openChanged(w, 91);
    });
    ASSERT_EQ(messages.messages.size(), 1) << messages.messages.join('\n').toStdString();
    EXPECT_TRUE(messages.messages[0].contains(historyPath()));
}

}  // namespace
}  // namespace pelorin::test
