// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows on a real display server, as a user sees them: the main window over
// the real serial control, connected to a running virtual transmitter, with the live bars
// moving, and the throttle curve editor with its live marker, and the Monitor with its trace.
// scripts/screenshots.sh runs this under Xvfb (at screen scales 1, 1.25, 1.5 and 2) and under
// a headless Weston, with pelorin-txsim in a private runtime dir; with PELORIN_SCREENSHOT_DIR
// set, the windows are saved there as main-window.png, throttle-curve.png, monitor.png and
// models.png, and the model window's sheet as sheet.pdf; with PELORIN_SCREENSHOT_LANGUAGE
// ("de", "zh_CN") the windows speak that language and are saved in a folder named after it.
// On any other platform it skips.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

#include "app/channeldisplay.h"
#include "app/channeltrace.h"
#include "app/historyrecorder.h"
#include "app/historywindow.h"
#include "app/maindialog.h"
#include "app/modelswindow.h"
#include "app/modelwindow.h"
#include "app/monitorwindow.h"
#include "dialogkit/systemmenu.h"
#include "editors/channeleditors.h"
#include "editors/curvedialogs.h"
#include "link/settingsblock.h"
#include "platform/portdiscovery.h"
#include "platform/savefile.h"
#include "platform/serialport.h"
#include "sheet/setupsheet.h"
#include "tests/app/shownlanguage.h"
#include "tests/app/windowtour.h"
#include "tests/link/fakeserial.h"
#include "tests/support/modal.h"
#include "tools/txsim/virtualtransmitter.h"

// Rectangles in failure messages as x, y, width x height.
inline void PrintTo(const QRect& rect, std::ostream* os) {
    *os << rect.x() << ", " << rect.y() << ", " << rect.width() << " x " << rect.height();
}

namespace pelorin::test {
namespace {

constexpr int kWaitMs = 20000;  // generous: other builds may be loading the machine
constexpr QRgb kBlack = qRgb(0, 0, 0);

// A helicopter set-up, so the curve buttons show, with a throttle curve of the usual shape.
BlockBytes demoModel() {
    BlockBytes block = txsim::defaultModels()[1];
    constexpr std::array<int, 5> throttleNormal = {0, 40, 60, 80, 100};
    for (std::size_t i = 0; i < throttleNormal.size(); ++i)
        block[block::kThrottleCurve + 2 * i] = lowByte(throttleNormal[i]);
    return block;
}

// The rectangle covered by pixels of this colour, each channel within `tolerance`.
QRect boundsOf(const QImage& image, QRgb colour, int tolerance = 0) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (std::abs(qRed(pixel) - qRed(colour)) <= tolerance &&
                std::abs(qGreen(pixel) - qGreen(colour)) <= tolerance &&
                std::abs(qBlue(pixel) - qBlue(colour)) <= tolerance)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

int countOf(const QImage& image, const QRect& area, QRgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFFu) == (colour & 0xFFFFFFu) ? 1 : 0;
    }
    return count;
}

bool onX11() {
    return QGuiApplication::platformName() == QStringLiteral("xcb");
}

// What the X server shows of a window now, not a fresh rendering by Qt. A Wayland client
// cannot read the screen: there it is the window's own rendering, at the screen's scale.
QImage onScreen(QWidget* window) {
    const QPixmap picture =
        onX11() ? window->screen()->grabWindow(window->winId()) : window->grab();
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

// The whole screen as Weston shows it (weston-screenshooter, with weston run with --debug),
// when scripts/screenshots.sh says it can; else a null image.
QImage westonScreen() {
    if (onX11() || qEnvironmentVariable("PELORIN_WESTON_SCREENSHOOTER") != QStringLiteral("1"))
        return {};
    QTemporaryDir folder;
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    if (!shooter.waitForFinished(kWaitMs) || shooter.exitCode() != 0)
        return {};
    const QStringList pictures = QDir(folder.path()).entryList({QStringLiteral("*.png")});
    return pictures.isEmpty() ? QImage()
                              : QImage(QDir(folder.path()).filePath(pictures.first()))
                                    .convertToFormat(QImage::Format_RGB32);
}

// The runs of rows (or columns) of `area` that are black over at least 95 % of their length:
// the display's lines, whatever the screen's scale.
int blackRuns(const QImage& image, const QRect& area, Qt::Orientation along) {
    const bool rows = along == Qt::Horizontal;
    int runs = 0;
    bool inRun = false;
    for (int i = 0; i < (rows ? area.height() : area.width()); ++i) {
        const QRect line = rows ? QRect(area.left(), area.top() + i, area.width(), 1)
                                : QRect(area.left() + i, area.top(), 1, area.height());
        const int length = rows ? line.width() : line.height();
        const bool black = countOf(image, line, kBlack) * 20 >= length * 19;
        runs += black && !inRun ? 1 : 0;
        inRun = black;
    }
    return runs;
}

// The live display on `screen`, at any scale: the only green of the window, its six boxes
// closed (twelve black lines across), the four marker lines down its whole height.
// Weston's own screenshot has the colours a few steps off: `tolerance`.
void expectDisplayDrawn(const QImage& screen, const QSize& logicalSize, qreal scale,
                        int tolerance = 0) {
    // The top row is the first box's top line, not green.
    const QRect display = boundsOf(screen, kDisplayBackground, tolerance)
                              .adjusted(0, -static_cast<int>(std::ceil(scale)), 0, 0);
    ASSERT_TRUE(display.isValid()) << "no display on the screen";
    EXPECT_NEAR(display.width(), logicalSize.width() * scale, 2.0 + scale);
    EXPECT_NEAR(display.height(), logicalSize.height() * scale, 2.0 + scale);
    EXPECT_EQ(blackRuns(screen, display, Qt::Horizontal), 12) << "a box is not closed";
    EXPECT_EQ(blackRuns(screen, display, Qt::Vertical), 4) << "the markers";
}

// The device pixels `widget` covers in a screenshot of `window` at `scale`.
QRect devicePixelsOf(QWidget* widget, QWidget* window, qreal scale) {
    const QRect logical(widget->mapTo(window, QPoint(0, 0)), widget->size());
    const QPoint first(qRound(logical.left() * scale), qRound(logical.top() * scale));
    const QPoint end(qRound((logical.right() + 1) * scale), qRound((logical.bottom() + 1) * scale));
    return {first, end - QPoint(1, 1)};
}

// The runs of rows of `area` that are black over at least 95 % of the width, as first row
// and count of rows.
std::vector<std::pair<int, int>> blackRowRuns(const QImage& image, const QRect& area) {
    std::vector<std::pair<int, int>> runs;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const bool black = countOf(image, QRect(area.left(), y, area.width(), 1), kBlack) * 20 >=
                           area.width() * 19;
        if (!black)
            continue;
        if (!runs.empty() && runs.back().first + runs.back().second == y)
            ++runs.back().second;
        else
            runs.emplace_back(y, 1);
    }
    return runs;
}

// Every line of the display's six boxes on the screen, each as thick as the others: the first
// box's top line on the display's first row, the last box's bottom line two background rows
// above its end, and the left and right edges black along every box.
void expectBoxLinesEven(const QImage& screen, const QRect& display, qreal scale) {
    const auto runs = blackRowRuns(screen, display);
    ASSERT_EQ(runs.size(), 12u) << "a box line is missing";
    EXPECT_EQ(runs.front().first, display.top()) << "the first box's top line";
    const int thickness = std::max(1, static_cast<int>(scale));
    for (const auto& [row, rows] : runs)
        EXPECT_EQ(rows, thickness) << "the line at row " << row;
    EXPECT_NEAR(display.bottom() - (runs.back().first + runs.back().second - 1), 2 * scale, 1.0)
        << "the last box's bottom line";
    for (std::size_t box = 0; box < 6; ++box) {
        const int top = runs[2 * box].first;
        const int bottom = runs[2 * box + 1].first;
        for (const int x : {display.left(), display.right()}) {
            EXPECT_EQ(countOf(screen, QRect(x, top, 1, bottom - top + 1), kBlack), bottom - top + 1)
                << "CH" << box + 1 << "'s edge at column " << x;
        }
    }
}

// The curve on a screenshot of the graph: one line without gaps from the first point to the
// last, as thick everywhere as a line of the scale's whole pixels (no dots of a pixel more);
// the columns of the live marker, which crosses it, and the frame are left out.
void expectCurveEven(const QImage& screen, const QRect& graph, qreal scale) {
    const int thickness = std::max(1, static_cast<int>(scale));
    const QRect inside =
        graph.adjusted(thickness + 1, thickness + 1, -thickness - 1, -thickness - 1);
    auto marker = [&](int x) {
        for (int dx = -thickness - 1; dx <= thickness + 1; ++dx) {
            if (countOf(screen, QRect(x + dx, graph.top(), 1, graph.height()), kBlack) * 10 >=
                graph.height() * 9)
                return true;
        }
        return false;
    };
    auto black = [&](int x, int y) { return qGray(screen.pixel(x, y)) == 0; };
    // The rows of the line in each column left of the marker or right of it.
    std::vector<std::optional<std::pair<int, int>>> lineRows;
    for (int x = inside.left(); x <= inside.right(); ++x) {
        std::optional<std::pair<int, int>>& rows = lineRows.emplace_back();
        if (marker(x))
            continue;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            if (!black(x, y))
                continue;
            rows = rows ? std::pair(rows->first, y) : std::pair(y, y);
            // A square one pixel larger than the line is thick is a dot on it.
            bool square = x + thickness <= inside.right() && y + thickness <= inside.bottom();
            for (int i = 0; square && i <= thickness; ++i) {
                for (int j = 0; square && j <= thickness; ++j)
                    square = black(x + i, y + j);
            }
            ASSERT_FALSE(square) << "a dot on the curve at " << x << ", " << y;
        }
    }
    // From the first column with the line to the last, no column without it, each touching
    // the one before.
    std::size_t first = 0;
    while (first < lineRows.size() && !lineRows[first])
        ++first;
    std::size_t last = lineRows.size();
    while (last > first && !lineRows[last - 1])
        --last;
    ASSERT_GT(last - first, lineRows.size() / 2) << "no curve";
    for (std::size_t i = first; i < last; ++i) {
        const int x = inside.left() + static_cast<int>(i);
        if (marker(x))
            continue;
        ASSERT_TRUE(lineRows[i].has_value()) << "a gap in the curve at column " << x;
        if (i > first && lineRows[i - 1]) {
            EXPECT_LE(std::max(lineRows[i - 1]->first, lineRows[i]->first),
                      std::min(lineRows[i - 1]->second, lineRows[i]->second) + 1)
                << "the curve jumps at column " << x;
        }
    }
}

// The language the windows are shown in, PELORIN_SCREENSHOT_LANGUAGE ("de", "zh_CN"); empty:
// the sources' English.
QString screenshotLanguage() {
    return qEnvironmentVariable("PELORIN_SCREENSHOT_LANGUAGE");
}

// Where the pictures go: the folder, or for a language its subfolder; empty: not saved.
QString screenshotFolder() {
    const QString folder = qEnvironmentVariable("PELORIN_SCREENSHOT_DIR");
    if (folder.isEmpty() || screenshotLanguage().isEmpty())
        return folder;
    QDir(folder).mkpath(screenshotLanguage());
    return QDir(folder).filePath(screenshotLanguage());
}

void saveScreenshot(QWidget* window, const QString& fileName) {
    const QString folder = screenshotFolder();
    if (folder.isEmpty())
        return;
    const QString path = QDir(folder).filePath(fileName);
    EXPECT_TRUE(window->grab().save(path, "PNG")) << path.toStdString();
}

class ScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!onX11() && QGuiApplication::platformName() != QStringLiteral("wayland"))
            GTEST_SKIP() << "needs an X server or Wayland: run scripts/screenshots.sh";
        if (!screenshotLanguage().isEmpty()) {
            ASSERT_TRUE(shownLanguage.show(screenshotLanguage()))
                << screenshotLanguage().toStdString();
        }
        ASSERT_FALSE(discoverVirtualPorts().empty())
            << "no virtual transmitter in " << virtualPortFolder().toStdString();
        ASSERT_TRUE(files.isValid());
        modelFile = files.filePath(QStringLiteral("heli.pel"));
        const BlockBytes model = demoModel();
        ASSERT_EQ(
            saveFileAtomically(modelFile, QByteArray(reinterpret_cast<const char*>(model.data()),
                                                     static_cast<qsizetype>(model.size()))),
            QString());
        window = std::make_unique<MainDialog>(makeSerialControl());
        window->setOpenChooser([this](QWidget*, const QString&) { return modelFile; });
    }

    // Runs the window as the program does; once the transmitter's settings and a stream of
    // live frames have arrived and the helicopter model is loaded with Open, `body` acts on
    // the window. The window is closed afterwards.
    void runConnected(const std::function<void(MainDialog&)>& body) {
        bool ran = false;
        whenModalOpens<MainDialog>(
            [&](MainDialog* dialog) {
                ran = true;
                EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog, kWaitMs));
                const Session& session = dialog->session();
                EXPECT_TRUE(QTest::qWaitFor(
                    [&] { return session.counters().settingsAccepted >= 1; }, kWaitMs))
                    << "no settings from the transmitter";
                dialog->control<QPushButton>(mainid::kOpen)->click();
                const auto seen = session.counters().liveAccepted;
                EXPECT_TRUE(QTest::qWaitFor(
                    [&] { return session.counters().liveAccepted >= seen + 25; }, kWaitMs))
                    << "no live frames";
                if (!::testing::Test::HasFailure())
                    body(*dialog);
                dialog->reject();
            },
            kWaitMs);
        window->run();
        EXPECT_TRUE(ran) << "the main window did not open";
        EXPECT_TRUE(messages.messages.isEmpty())
            << messages.messages.join(QStringLiteral("\n")).toStdString();
    }

    ShownLanguage shownLanguage;
    MessageRecorder messages;  // what the window would show in message boxes
    QTemporaryDir files;
    QString modelFile;
    std::unique_ptr<MainDialog> window;
};

QStringList clippedTexts(QWidget* window);

TEST_F(ScreenshotTest, MainWindow_ConnectedToTransmitter_ShowsLiveBarsOnTheGreenDisplay) {
    runConnected([](MainDialog& w) {
        EXPECT_FALSE(w.control(mainid::kThrottleCurve)->isHidden());
        EXPECT_TRUE(w.channelDisplay()->lineDownText().isEmpty());
        QTest::qWait(100);  // a few repaints with the latest values
        const QImage screen = onScreen(&w);
        const qreal scale = w.devicePixelRatioF();
        const QSize size = w.channelDisplay()->size();
        expectDisplayDrawn(screen, size, scale);
        expectBoxLinesEven(screen, devicePixelsOf(w.channelDisplay(), &w, scale), scale);
        const QRect display = boundsOf(screen, kDisplayBackground);
        if (scale == 1.0) {
            // 237 x 108 pixels at the template's place, 85, 13 dialog units; the top row is
            // the first box's top line (hence not green).
            EXPECT_EQ(display.adjusted(0, -1, 0, 0), QRect(128, 26, 237, 108));
        }
        // The bars: far more black than the boxes, centre lines and markers alone.
        QImage idle(size, QImage::Format_RGB32);
        renderChannelDisplay(idle, {});
        const int idleBlack = countOf(idle, idle.rect(), kBlack);
        EXPECT_GT(countOf(screen, display, kBlack), (idleBlack + 6 * 15 * 10) * scale * scale);

        // On Wayland, what the compositor shows too: the whole display, not a part of it.
        if (const QImage weston = westonScreen(); !weston.isNull()) {
            expectDisplayDrawn(weston, size, scale, 6);
            if (const QString folder = qEnvironmentVariable("PELORIN_SCREENSHOT_DIR");
                !folder.isEmpty())
                weston.save(QDir(folder).filePath(QStringLiteral("weston-screen.png")));
        } else if (!onX11())
            std::cout << "weston-screenshooter not available: checked Qt's rendering only\n";
        EXPECT_TRUE(clippedTexts(&w).isEmpty()) << clippedTexts(&w).join(u'\n').toStdString();
        saveScreenshot(&w, QStringLiteral("main-window.png"));
    });
}

TEST_F(ScreenshotTest, ThrottleCurve_WithStreamingTransmitter_DrawsTheLiveMarker) {
    runConnected([](MainDialog& w) {
        whenModalOpens<ThrottleCurveDialog>(
            [&](ThrottleCurveDialog* dialog) {
                EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog, kWaitMs));
                // The marker somewhere in the middle, where it is easy to see.
                EXPECT_TRUE(QTest::qWaitFor(
                    [&] {
                        const int aux = w.session().liveAux();
                        return aux > 400 && aux < 600;
                    },
                    kWaitMs));
                QTest::qWait(2 * CurveDialog::kTickMs + 20);

                const QImage screen = onScreen(dialog);
                const QRect graph = boundsOf(screen, kCurveGraphBackground);
                EXPECT_TRUE(graph.isValid()) << "no graph on the screen";
                // One column inside the graph is black from top to bottom: the marker.
                int markers = 0;
                for (int x = graph.left() + 2; graph.isValid() && x < graph.right() - 1; ++x) {
                    if (countOf(screen, QRect(x, graph.top(), 1, graph.height()), kBlack) >=
                        graph.height() - 1)
                        ++markers;
                }
                EXPECT_GE(markers, 1);
                // The throttle curve 0, 40, 60, 80, 100 %.
                expectCurveEven(screen, graph, dialog->devicePixelRatioF());

                saveScreenshot(dialog, QStringLiteral("throttle-curve.png"));
                dialog->reject();
            },
            kWaitMs);
        w.control<QPushButton>(mainid::kThrottleCurve)->click();
    });
}

// Pixels within `tolerance` of the colour in each channel (the trace's lines are smoothed).
int countNear(const QImage& image, const QRect& area, QColor colour, int tolerance = 24) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += std::abs(pixel.red() - colour.red()) <= tolerance &&
                             std::abs(pixel.green() - colour.green()) <= tolerance &&
                             std::abs(pixel.blue() - colour.blue()) <= tolerance
                         ? 1
                         : 0;
        }
    }
    return count;
}

TEST_F(ScreenshotTest, Monitor_WithStreamingTransmitter_TracesEveryChannel) {
    runConnected([](MainDialog& w) {
        w.systemCommand(kMonitorCommand);
        auto* monitor = w.findChild<MonitorWindow*>();
        ASSERT_NE(monitor, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(monitor, kWaitMs));
        // Most of the ten seconds filled, so the picture shows the channels' swings.
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return monitor->trace()->sampleCount() >= 400; }, 3 * kWaitMs));
        QTest::qWait(3 * MonitorWindow::kRefreshMs);
        EXPECT_FALSE(monitor->noDataShown());

        const QImage screen = onScreen(monitor);
        const qreal scale = monitor->devicePixelRatioF();
        const QRect trace(monitor->trace()->mapTo(monitor, QPoint(0, 0)) * scale,
                          monitor->trace()->size() * scale);
        for (int channel = 0; channel < 6; ++channel) {
            EXPECT_GT(countNear(screen, trace, channelColour(channel)), 150)
                << "CH" << channel + 1 << " is not drawn";
        }
        saveScreenshot(monitor, QStringLiteral("monitor.png"));
        monitor->close();
    });
}

// The library with three models, the one the transmitter holds marked, and its notes.
TEST_F(ScreenshotTest, Models_WithTransmitterHoldingAModel_MarksItAndFitsEveryText) {
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());  // never the user's own library
    runConnected([](MainDialog& w) {
        w.systemCommand(kModelsCommand);
        auto* models = w.findChild<ModelsWindow*>();
        ASSERT_NE(models, nullptr);
        models::ModelLibrary& library = models->library();
        const BlockBytes held = w.session().blockBytes;
        BlockBytes glider = startingBlock();
        glider[block::kModelAndStick] = 0x10;  // ACRO, MODEL2
        ASSERT_EQ(library.add({QStringLiteral("Glider 2 m"), {}, glider}), QString());
        ASSERT_EQ(
            library.add({QStringLiteral("Heli 450 / 3D"),
                         QStringLiteral("Throttle curve for the club field; pitch +-12."), held}),
            QString());
        BlockBytes trainer = held;
        trainer[block::kEndPoint] = 90;
        ASSERT_EQ(library.add({QStringLiteral("Trainer"), {}, trainer}), QString());
        ASSERT_TRUE(models->selectModel(QStringLiteral("Heli 450 / 3D")));
        EXPECT_EQ(models->modelsMatchingTransmitter(),
                  QStringList{QStringLiteral("Heli 450 / 3D")});
        EXPECT_TRUE(QTest::qWaitForWindowExposed(models, kWaitMs));
        QTest::qWait(100);

        // No text cut off in the list: each column is as wide as its widest text.
        QTreeWidget* list = models->modelList();
        const QFontMetrics metrics(list->font());
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            for (int column = 0; column < list->columnCount(); ++column) {
                const QString text = list->topLevelItem(row)->text(column);
                EXPECT_LE(metrics.horizontalAdvance(text), list->columnWidth(column))
                    << text.toStdString();
            }
        }
        saveScreenshot(models, QStringLiteral("models.png"));
        models->close();
    });
}

// A question on screen and painted, no text of it cut.
void expectShownWhole(QWidget* question) {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(question, kWaitMs));
    QTest::qWait(50);
    EXPECT_TRUE(clippedTexts(question).isEmpty())
        << clippedTexts(question).join(u'\n').toStdString();
}

// A model edited without the transmitter: the editor buttons under its setup sheet, every
// text whole.
TEST_F(ScreenshotTest, ModelWindowOnX11_ShowsTheSheetAndTheEditorsAndFitsEveryText) {
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());  // never the user's own library
    runConnected([](MainDialog& w) {
        w.systemCommand(kModelsCommand);
        auto* models = w.findChild<ModelsWindow*>();
        ASSERT_NE(models, nullptr);
        ASSERT_EQ(models->library().add({QStringLiteral("Heli 450 / 3D"),
                                         QStringLiteral("Throttle curve for the club field."),
                                         w.session().blockBytes}),
                  QString());
        ASSERT_TRUE(models->selectModel(QStringLiteral("Heli 450 / 3D")));
        // New model…'s question, every text whole; cancelled.
        bool asked = false;
        whenModalOpens<QDialog>([&](QDialog* question) {
            asked = true;
            expectShownWhole(question);
            saveScreenshot(question, QStringLiteral("new-model.png"));
            question->reject();
        });
        EXPECT_EQ(models->newModel(), nullptr);
        EXPECT_TRUE(asked);
        ModelWindow* model = models->editModel();
        ASSERT_NE(model, nullptr);
        model->resize(560, 760);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(model, kWaitMs));
        QTest::qWait(100);
        EXPECT_TRUE(clippedTexts(model).isEmpty()) << clippedTexts(model).join(u'\n').toStdString();
        saveScreenshot(model, QStringLiteral("model-window.png"));
        // Its sheet as a PDF page, which scripts/screenshots.sh turns into sheet.png.
        if (const QString folder = screenshotFolder(); !folder.isEmpty()) {
            const SheetSubject subject{
                .name = QStringLiteral("Heli 450 / 3D"),
                .notes = QStringLiteral("Throttle curve for the club field."),
                .block = w.session().blockBytes};
            EXPECT_EQ(
                writeSetupSheetPdf(QDir(folder).filePath(QStringLiteral("sheet.pdf")), subject),
                QString());
        }
        model->close();
        models->close();
    });
}

// A history as a pilot's afternoon leaves it: settings read, a file opened, edits, one of them
// made while the cable was out, and an undo.
void writeSampleHistory(const QString& path) {
    const models::HistoryStore store(path);
    QDateTime time = QDateTime::currentDateTimeUtc().addSecs(-3600);
    BlockBytes block = demoModel();
    auto add = [&](bool received, models::HistoryCause cause, const QString& detail, bool sent) {
        models::HistoryRecord record;
        record.time = time = time.addSecs(97);
        record.received = received;
        record.cause = cause;
        record.detail = detail;
        record.sent = sent;
        record.device = QStringLiteral("/dev/ttyUSB0");
        record.block = block;
        EXPECT_EQ(store.append(record), QString());
    };
    add(true, models::HistoryCause::None, {}, true);
    block[block::kEndPoint + 1] = 110;
    add(false, models::HistoryCause::Editor, QStringLiteral("EndPoint"), true);
    block[block::kThrottleCurve + 4] = lowByte(55);
    add(false, models::HistoryCause::Editor, QStringLiteral("Thro Cuv"), false);
    block[block::kThrottleCurve + 4] = lowByte(60);
    block[block::kSubTrim] = lowByte(-4);
    add(false, models::HistoryCause::Open, QStringLiteral("/home/pilot/heli-450.json"), true);
    block[block::kSubTrim] = 0;
    add(false, models::HistoryCause::Undo, {}, true);
}

// The History window after an afternoon's edits: newest first, the fields each one changed,
// the selected entry's fields beside them.
TEST_F(ScreenshotTest, HistoryOnX11_AfterEditsAndAnUndo_ListsThemNewestFirstAndFitsEveryText) {
    writeSampleHistory(files.filePath(QStringLiteral("history.jsonl")));
    window->setHistoryFile(files.filePath(QStringLiteral("history.jsonl")));
    runConnected([](MainDialog& w) {
        w.systemCommand(kHistoryCommand);
        HistoryWindow* history = w.history()->historyWindow();
        ASSERT_NE(history, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(history, kWaitMs));
        history->selectRow(1);
        QTest::qWait(100);
        EXPECT_TRUE(clippedTexts(history).isEmpty())
            << clippedTexts(history).join(u'\n').toStdString();
        saveScreenshot(history, QStringLiteral("history.png"));
        history->close();
    });
}

// Ctrl+Z after an editor's OK: the question lists the fields the undo changes, every text
// whole, and Return sends the settings from before.
TEST_F(ScreenshotTest, UndoOnX11_AfterAnEdit_AsksWithTheFieldsThatChange) {
    window->setHistoryFile(files.filePath(QStringLiteral("history.jsonl")));
    runConnected([](MainDialog& w) {
        const BlockBytes before = w.session().blockBytes;
        whenModalOpens<EndPointDialog>([](EndPointDialog* d) {
            setFieldText(d, 1015, QStringLiteral("110"));  // CH1's right end point
            setFieldText(d, 1017, QStringLiteral("105"));  // CH2's right end point
            static_cast<QDialog*>(d)->accept();
        });
        w.control<QPushButton>(mainid::kEndPoint)->click();
        bool asked = false;
        whenModalOpens<QDialog>([&](QDialog* question) {
            asked = true;
            expectShownWhole(question);
            EXPECT_NE(question->findChild<QTreeWidget*>(QStringLiteral("differences")), nullptr);
            saveScreenshot(question, QStringLiteral("undo.png"));
            QTest::keyClick(question, Qt::Key_Return);
        });
        w.activateWindow();
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(asked);
        EXPECT_EQ(w.session().blockBytes, before);
    });
}

// The texts of `window` that its fixed layout cuts off, each as "text: needs N px, has M".
QStringList clippedTexts(QWidget* window) {
    QStringList clipped;
    auto check = [&](const QString& text, int needed, int has) {
        if (needed > has)
            clipped << QStringLiteral("%1: needs %2 px, has %3").arg(text).arg(needed).arg(has);
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        const QFontMetrics metrics = w->fontMetrics();
        if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && !label->text().isEmpty()) {
            // A label with a buddy shows its mnemonic underlined, without the "&".
            QString shown = label->text();
            if (label->buddy() != nullptr)
                shown.replace(QStringLiteral("&&"), QStringLiteral("\1"))
                    .remove(u'&')
                    .replace(u'\1', u'&');
            if (label->wordWrap())
                check(label->text(), label->heightForWidth(label->width()), label->height());
            else
                check(label->text(), metrics.horizontalAdvance(shown),
                      label->contentsRect().width());
            // A label grown for its text must not run under the control beside it.
            QRect ink = label->geometry();
            const int width = metrics.horizontalAdvance(shown);
            if (label->alignment() & Qt::AlignRight)
                ink.setLeft(ink.right() - width);
            else if (!(label->alignment() & Qt::AlignHCenter))
                ink.setWidth(width);
            for (QWidget* other :
                 label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (other->isVisibleTo(window) && (other->focusPolicy() & Qt::TabFocus) &&
                    other->geometry().intersects(ink))
                    clipped << label->text() + QStringLiteral(": under ") + other->objectName();
            }
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            // The text and the frame's own margin on either side.
            const QString text = QString(button->text()).remove(u'&');
            const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            check(text, metrics.horizontalAdvance(text) + 4 * frame, button->width());
        } else if (auto* box = qobject_cast<QAbstractButton*>(w)) {
            check(box->text(), box->sizeHint().width(), box->width());  // check and radio boxes
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            check(group->title(), metrics.horizontalAdvance(group->title()) + metrics.height(),
                  group->width());
        } else if (auto* list = qobject_cast<QComboBox*>(w); list != nullptr && list->count() > 0) {
            // The box's size hint fits its longest entry.
            check(list->itemText(0), list->sizeHint().width(), list->width());
        }
    }
    clipped.removeDuplicates();
    return clipped;
}

// Every window as LANG=de_DE.UTF-8 or LANG=zh_CN.UTF-8 shows it, from the shipped catalogues:
// the fixed layouts cut off no text, and each window is saved as <language>/<window>.png.
class TranslatedWindowsTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QStringLiteral("xcb"))
            GTEST_SKIP() << "needs an X server: run scripts/screenshots.sh";
        ASSERT_TRUE(shownLanguage.show(QString::fromLatin1(GetParam()))) << GetParam();
    }

    ShownLanguage shownLanguage;
};

TEST_P(TranslatedWindowsTest, EveryWindowOnX11_InThisLanguage_ShowsEveryTextWhole) {
    const QString language = QString::fromLatin1(GetParam());
    const QString folder = qEnvironmentVariable("PELORIN_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        ASSERT_TRUE(QDir(folder).mkpath(language));
    }
    MessageRecorder messages;
    QTemporaryDir library;
    qputenv("XDG_DATA_HOME", library.path().toLocal8Bit());  // never the user's own library
    auto serial = std::make_unique<testing::FakeSerialControl>();
    serial->makeOpenable(1);
    PortDiscovery discover = serial->discovery();
    MainDialog window(std::move(serial), std::move(discover));
    window.setSaveChooser([](QWidget*, const QString&) { return QString(); });
    window.setOpenChooser([](QWidget*, const QString&) { return QString(); });
    QTemporaryDir data;
    writeSampleHistory(data.filePath(QStringLiteral("history.jsonl")));
    window.setHistoryFile(data.filePath(QStringLiteral("history.jsonl")));
    // A helicopter type, so every button and list entry shows.
    window.session().settings.modelType = 1;
    window.session().blockBytes[block::kModelAndStick] = 0x01;
    window.updateCurveButtons();
    QStringList clipped;
    int windows = 0;
    whenModalOpens<MainDialog>(
        [&](MainDialog* main) {
            tourWindows(*main, [&](QWidget* w) {
                const QString name =
                    QString::fromLatin1(w->metaObject()->className()).section(u':', -1);
                if (!name.endsWith(QStringLiteral("Dialog")) &&
                    !name.endsWith(QStringLiteral("Window")))
                    return;  // the window menu
                ++windows;
                EXPECT_TRUE(QTest::qWaitForWindowExposed(w, kWaitMs)) << name.toStdString();
                for (const QString& text : clippedTexts(w))
                    clipped << name + QStringLiteral(": ") + text;
                saveScreenshot(w, language + u'/' + name + QStringLiteral(".png"));
            });
            // The model window, which the Models window opens.
            main->systemCommand(kModelsCommand);
            if (auto* models = main->findChild<ModelsWindow*>()) {
                EXPECT_EQ(models->library().add({QStringLiteral("Heli 450"), {}, blankBlock(1)}),
                          QString());
                models->selectModel(QStringLiteral("Heli 450"));
                if (ModelWindow* model = models->editModel()) {
                    EXPECT_TRUE(QTest::qWaitForWindowExposed(model, kWaitMs));
                    for (const QString& text : clippedTexts(model))
                        clipped << QStringLiteral("ModelWindow: ") + text;
                    saveScreenshot(model, language + QStringLiteral("/ModelWindow.png"));
                    model->close();
                }
                models->close();
            }
            main->reject();
        },
        kWaitMs);
    window.run();
    EXPECT_GT(windows, 15);
    EXPECT_TRUE(clipped.isEmpty()) << clipped.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindowsTest, ::testing::Values("de", "zh_CN"));

}  // namespace
}  // namespace pelorin::test
