// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Models window as a pilot uses it, through the real windows: against the virtual
// transmitter on a pseudo-terminal (keep, change, keep again, compare, send back), and over
// the fake serial control for Open of the readable format and bad library input.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "app/modelswindow.h"
#include "dialogkit/systemmenu.h"
#include "editors/channeleditors.h"
#include "link/blockfields.h"
#include "models/modelformat.h"
#include "platform/serialport.h"
#include "tests/app/apptest.h"
#include "tests/support/serialtesting.h"

namespace pelorin::test {
namespace {

constexpr int kWaitMs = 10000;
constexpr int kEndPointCh1Right = 1015;  // the End Point dialog's field for CH1's right end

ModelsWindow* openModels(MainDialog& w) {
    w.systemCommand(kModelsCommand);
    auto* models = w.findChild<ModelsWindow*>();
    EXPECT_NE(models, nullptr);
    return models;
}

QPushButton* action(ModelsWindow* models, const char* id) {
    return models->findChild<QPushButton*>(QLatin1String(id));
}

// Clicks `button`, answering the name dialog with `name`.
void keepAs(ModelsWindow* models, const QString& name) {
    whenModalOpens<QInputDialog>([name](QInputDialog* d) {
        d->setTextValue(name);
        d->accept();
    });
    action(models, "keep")->click();
}

// Clicks Keep, answers the name dialog with `name`, and cancels the one that follows.
void keepAsThenCancel(ModelsWindow* models, const QString& name) {
    int asked = 0;
    std::function<void(QInputDialog*)> answer = [&](QInputDialog* d) {
        if (++asked == 1) {
            d->setTextValue(name);
            whenModalOpens<QInputDialog>(answer);
            d->accept();
        } else {
            d->reject();
        }
    };
    whenModalOpens<QInputDialog>(answer);
    action(models, "keep")->click();
    EXPECT_EQ(asked, 2);
}

QStringList columnTexts(QTreeWidget* list, int column) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(column);
    return texts;
}

class ModelsWithTransmitter : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime.isValid());
        transmitter = testing::startTransmitter("models", testing::quietOptions());
        window = std::make_unique<MainDialog>(makeSerialControl());
    }
    void TearDown() override { transmitter->stop(); }

    void run(const std::function<void(MainDialog&)>& body) {
        whenModalOpens<MainDialog>(
            [&](MainDialog* w) {
                EXPECT_TRUE(QTest::qWaitFor(
                    [&] { return w->session().counters().settingsAccepted >= 1; }, kWaitMs));
                if (!::testing::Test::HasFailure())
                    body(*w);
                w->reject();
            },
            kWaitMs);
        window->run();
    }

    DataHome home;
    testing::PrivateRuntimeDir runtime;
    std::unique_ptr<txsim::VirtualTransmitter> transmitter;
    MessageRecorder messages;
    std::unique_ptr<MainDialog> window;
};

TEST_F(ModelsWithTransmitter, KeepChangeKeepCompareSendBack_MarksWhatTheTransmitterHolds) {
    run([&](MainDialog& w) {
        ModelsWindow* models = openModels(w);
        ASSERT_NE(models, nullptr);
        EXPECT_TRUE(models->isVisible());
        EXPECT_FALSE(models->isModal());
        keepAs(models, "Trainer");
        const BlockBytes trainer = w.session().blockBytes;

        // New end points through the main window's own editor: written to the transmitter.
        whenModalOpens<EndPointDialog>([](EndPointDialog* d) {
            setFieldText(d, kEndPointCh1Right, "110");
            static_cast<QDialog*>(d)->accept();
        });
        w.control<QPushButton>(mainid::kEndPoint)->click();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return transmitter->currentBlock()[block::kEndPoint + 1] == 110; }, kWaitMs));
        EXPECT_TRUE(models->modelsMatchingTransmitter().isEmpty());
        keepAs(models, "Trainer 2");
        EXPECT_EQ(models->modelsMatchingTransmitter(), QStringList{"Trainer 2"});

        // Both selected: Compare lists the end point and nothing else.
        models->modelList()->selectAll();
        whenModalOpens<QDialog>([](QDialog* d) {
            auto* list = d->findChild<QTreeWidget*>(QStringLiteral("differences"));
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(columnTexts(list, 0), QStringList{"end point CH1 R"});
            EXPECT_EQ(columnTexts(list, 1), QStringList{"100"});
            EXPECT_EQ(columnTexts(list, 2), QStringList{"110"});
            d->reject();
        });
        action(models, "compare")->click();

        // Send "Trainer" back: the confirmation lists what changes, and Send goes ahead.
        ASSERT_TRUE(models->selectModel("Trainer"));
        bool confirmed = false;
        whenModalOpens<QDialog>([&](QDialog* d) {
            auto* list = d->findChild<QTreeWidget*>(QStringLiteral("differences"));
            ASSERT_NE(list, nullptr);
            ASSERT_EQ(columnTexts(list, 0), QStringList{"End points"});
            ASSERT_EQ(list->topLevelItem(0)->childCount(), 1);
            EXPECT_EQ(list->topLevelItem(0)->child(0)->text(0), "end point CH1 R");
            confirmed = true;
            d->accept();
        });
        action(models, "send")->click();
        EXPECT_TRUE(confirmed);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return transmitter->currentBlock()[block::kEndPoint + 1] == 100; }, kWaitMs));
        EXPECT_TRUE(std::equal(trainer.begin(), trainer.begin() + kSettingsBlockSize,
                               transmitter->currentBlock().begin()));
        EXPECT_EQ(w.session().settings.endPointRight[0], 100);  // the editor shows it
        EXPECT_EQ(models->modelsMatchingTransmitter(), QStringList{"Trainer"});
        const QStringList marks = columnTexts(models->modelList(), 3);
        EXPECT_FALSE(marks[0].isEmpty());  // "Trainer" sorts first
        EXPECT_TRUE(marks[1].isEmpty());
    });
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join('\n').toStdString();
}

// The mark says what the transmitter got: set once the WriteFrame was handed to the port,
// never by a send that failed (the line closed while the confirmation was open).
struct SendCase {
    const char* name;
    bool unplugWhileConfirming;
};

class MarkAfterSend : public ModelsWithTransmitter,
                      public ::testing::WithParamInterface<SendCase> {};

TEST_P(MarkAfterSend, SendBack_MarksTheModelOnlyWhenTheFrameWentOut) {
    const bool unplug = GetParam().unplugWhileConfirming;
    run([&](MainDialog& w) {
        ModelsWindow* models = openModels(w);
        ASSERT_NE(models, nullptr);
        keepAs(models, "Glider");
        whenModalOpens<EndPointDialog>([](EndPointDialog* d) {
            setFieldText(d, kEndPointCh1Right, "111");
            static_cast<QDialog*>(d)->accept();
        });
        w.control<QPushButton>(mainid::kEndPoint)->click();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return transmitter->currentBlock()[block::kEndPoint + 1] == 111; }, kWaitMs));
        EXPECT_TRUE(models->modelsMatchingTransmitter().isEmpty());

        ASSERT_TRUE(models->selectModel("Glider"));
        whenModalOpens<QDialog>([&](QDialog* d) {
            if (unplug) {
                transmitter->closeLine();
                EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.messages.isEmpty(); }, kWaitMs));
            }
            d->accept();
        });
        action(models, "send")->click();
        const QString marks = columnTexts(models->modelList(), 3).join(QString());
        if (unplug) {
            EXPECT_TRUE(models->modelsMatchingTransmitter().isEmpty());
            EXPECT_TRUE(marks.isEmpty()) << marks.toStdString();
        } else {
            EXPECT_EQ(models->modelsMatchingTransmitter(), QStringList{"Glider"});
            EXPECT_FALSE(marks.isEmpty());
        }
    });
    // Unplugged: the line lost, then the send that failed.
    EXPECT_EQ(messages.messages.size(), unplug ? 2 : 0)
        << messages.messages.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Line, MarkAfterSend,
                         ::testing::Values(SendCase{"Open", false}, SendCase{"Unplugged", true}),
                         [](const ::testing::TestParamInfo<SendCase>& c) { return c.param.name; });

// The rest over the fake serial control: what was sent is read off the fake.
class ModelsWindowTest : public MainWindowTest {
protected:
    QString writeFile(const QString& name, const QByteArray& content) {
        const QString path = files.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    DataHome home;
    QTemporaryDir files;
};

TEST_F(ModelsWindowTest,
       SendingAHelicopterModelWithNothingChanged_SendsWithoutAskingAndShowsButtons) {
    BlockBytes heli = startingBlock();
    heli[block::kModelAndStick] = 0x11;
    runWindow([&](MainDialog& w) {
        ModelsWindow* models = openModels(w);
        ASSERT_NE(models, nullptr);
        ASSERT_EQ(models->library().add({"Heli", "", heli}), "");
        ASSERT_TRUE(models->selectModel("Heli"));
        bool asked = false;
        whenModalOpens<QDialog>([&](QDialog* d) {
            asked = true;
            d->accept();
        });
        fake->clearCalls();
        action(models, "send")->click();
        EXPECT_TRUE(asked);  // the type differs
        EXPECT_EQ(fake->writes(), std::vector<std::vector<std::uint8_t>>{writeFrameFor(heli)});
        EXPECT_FALSE(w.control(mainid::kThrottleCurve)->isHidden());

        fake->clearCalls();
        action(models, "send")->click();  // nothing differs now: no question
        EXPECT_EQ(fake->writes().size(), 1u);
    });
}

TEST_F(ModelsWindowTest, OpenOfReadableModel_SendsItsBlockAndBrokenOneSendsNothing) {
    models::Model model{"Glider", "notes", startingBlock()};
    model.blockBytes[block::kSubTrim] = 0xFB;
    const QString good = writeFile("glider.json", models::modelToJson(model));
    QByteArray spoilt = models::modelToJson(model);
    spoilt.replace("\"sub trim CH1\": -5", "\"sub trim CH1\": 300");
    const QString bad = writeFile("spoilt.json", spoilt);

    QString chosen;
    window->setOpenChooser([&](QWidget*, const QString&) { return chosen; });
    runWindow([&](MainDialog& w) {
        fake->clearCalls();
        chosen = good;
        button(mainid::kOpen)->click();
        EXPECT_EQ(fake->writes(),
                  std::vector<std::vector<std::uint8_t>>{writeFrameFor(model.blockBytes)});
        EXPECT_EQ(w.session().settings.subTrim[0], -5);

        fake->clearCalls();
        chosen = bad;
        button(mainid::kOpen)->click();
        EXPECT_TRUE(fake->writes().empty());
        EXPECT_EQ(w.session().blockBytes, model.blockBytes);
    });
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].contains(bad) &&
                messages.messages[0].contains("sub trim CH1") &&
                messages.messages[0].contains("300"))
        << messages.messages[0].toStdString();
}

TEST_F(ModelsWindowTest, NameClashAndBadImports_AreToldAndTheLibraryKeepsWorking) {
    const QString wrongSize = writeFile("short.bin", QByteArray(10, '\0'));
    const QString raw = writeFile("Imported.pel", QByteArray(67, '\x02'));
    runWindow([&](MainDialog& w) {
        ModelsWindow* models = openModels(w);
        ASSERT_NE(models, nullptr);
        keepAs(models, "Trainer");
        // The same name again: asked whether to replace it; no (the default) asks for another
        // name, and that is cancelled.
        keepAsThenCancel(models, "Trainer");
        ASSERT_EQ(messages.questions.size(), 1);
        EXPECT_TRUE(messages.questions[0].contains("Trainer"));

        models->setImportChooser([&](QWidget*) { return QStringList{wrongSize, raw}; });
        action(models, "import")->click();
        EXPECT_EQ(columnTexts(models->modelList(), 0), QStringList({"Imported", "Trainer"}));
    });
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].contains(wrongSize) &&
                messages.messages[0].contains("10 bytes"));
}

TEST_F(ModelsWindowTest, KeepUnderAKeptName_ReplacesItsSettingsAndKeepsItsNotes) {
    BlockBytes older = startingBlock();
    older[block::kSubTrim] = 7;
    runWindow([&](MainDialog& w) {
        ModelsWindow* models = openModels(w);
        ASSERT_NE(models, nullptr);
        ASSERT_EQ(models->library().add({"Trainer", "CG 62 mm", older}), "");
        // No to the first question, yes to the second.
        int asked = 0;
        std::function<void(QInputDialog*)> answer = [&](QInputDialog* d) {
            messages.answer = ++asked == 2;
            d->setTextValue("Trainer");
            if (asked == 1)
                whenModalOpens<QInputDialog>(answer);
            d->accept();
        };
        whenModalOpens<QInputDialog>(answer);
        action(models, "keep")->click();
        EXPECT_EQ(asked, 2);
        EXPECT_EQ(messages.questions.size(), 2);
        ASSERT_EQ(models->library().entries().size(), 1u);
        const models::Model& kept = models->library().entries().front().model;
        EXPECT_EQ(kept.blockBytes, w.session().blockBytes);
        EXPECT_EQ(kept.notes, "CG 62 mm");
    });
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join('\n').toStdString();
}

TEST_F(ModelsWindowTest, Delete_AsksFirstAndByDefaultKeepsTheModel) {
    runWindow([&](MainDialog& w) {
        ModelsWindow* models = openModels(w);
        ASSERT_NE(models, nullptr);
        ASSERT_EQ(models->library().add({"Glider", "", startingBlock()}), "");
        ASSERT_TRUE(models->selectModel("Glider"));
        action(models, "delete")->click();
        ASSERT_EQ(messages.questions.size(), 1);
        EXPECT_TRUE(messages.questions[0].contains("Glider"));
        EXPECT_EQ(models->library().entries().size(), 1u);

        messages.answer = true;
        action(models, "delete")->click();
        EXPECT_TRUE(models->library().entries().empty());
    });
}

TEST_F(ModelsWindowTest, TwoFilesNamingOneModel_AreBothListedMarkedAndNotReplaced) {
    runWindow([&](MainDialog& w) {
        ModelsWindow* models = openModels(w);
        ASSERT_NE(models, nullptr);
        models::Model twin{"Twin", "", startingBlock()};
        const QDir folder(models->library().folder());
        for (const char* file : {"twin-a.json", "twin-b.json"}) {
            QFile out(folder.filePath(QLatin1String(file)));
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(models::modelToJson(twin));
        }
        models->library().reload();
        const QStringList names = columnTexts(models->modelList(), 0);
        EXPECT_EQ(names, (QStringList{"Twin (twin-a.json)", "Twin (twin-b.json)"}));
        for (int i = 0; i < 2; ++i)
            EXPECT_FALSE(models->modelList()->topLevelItem(i)->icon(0).isNull());
        EXPECT_TRUE(
            models->findChild<QLabel*>(QStringLiteral("status"))->text().contains("marked"));

        // Keeping under that name cannot tell which to replace: told, nothing written.
        keepAsThenCancel(models, "Twin");
        EXPECT_TRUE(messages.questions.isEmpty());
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_TRUE(messages.messages[0].contains("Twin"));
        EXPECT_EQ(models->library().entries().size(), 2u);
    });
}

TEST_F(ModelsWindowTest, EscapeCtrlWAndClose_CloseTheWindow) {
    runWindow([&](MainDialog& w) {
        const std::function<void(ModelsWindow*)> ways[] = {
            [](ModelsWindow* m) { QTest::keyClick(m->modelList(), Qt::Key_Escape); },
            [](ModelsWindow* m) {
                QTest::keyClick(m->modelList(), Qt::Key_W, Qt::ControlModifier);
            },
            [](ModelsWindow* m) { action(m, "close")->click(); },
        };
        for (const auto& closeIt : ways) {
            ModelsWindow* models = openModels(w);
            ASSERT_NE(models, nullptr);
            models->activateWindow();
            QApplication::setActiveWindow(models);
            closeIt(models);
            EXPECT_FALSE(models->isVisible());
        }
    });
}

TEST_F(ModelsWindowTest, Notes_AreKeptWithTheModelWhenTheSelectionMoves) {
    runWindow([&](MainDialog& w) {
        ModelsWindow* models = openModels(w);
        ASSERT_NE(models, nullptr);
        keepAs(models, "A");
        keepAs(models, "B");
        ASSERT_TRUE(models->selectModel("A"));
        models->findChild<QPlainTextEdit*>(QStringLiteral("notes"))->setPlainText("CG 62 mm");
        ASSERT_TRUE(models->selectModel("B"));
        EXPECT_EQ(models->library().findByName("A")->model.notes, "CG 62 mm");
    });
}

}  // namespace
}  // namespace pelorin::test
