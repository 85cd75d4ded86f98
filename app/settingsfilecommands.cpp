// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settingsfilecommands.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <variant>

#include "dialogkit/messages.h"
#include "link/session.h"
#include "models/history.h"
#include "models/modelformat.h"
#include "platform/savefile.h"

namespace pelorin {

namespace {

// A file that Open would take: 67 bytes, or a model in the readable format.
bool isSettingsFile(const QString& path) {
    return std::holds_alternative<models::LoadedModel>(models::readModelFile(path));
}

}  // namespace

// The texts are the main window's: its buttons' own words.
void saveSettingsFile(QWidget* window, const FileChooser& choose, const Session& session) {
    const QString path = choose(window, QCoreApplication::translate("pelorin::MainDialog", "Save"));
    if (path.isEmpty())
        return;
    // Replacing a settings file (either format) is what Save is for; replacing any other file
    // may lose something that has nothing to do with the transmitter, so that is asked first.
    if (QFileInfo(path).isFile() && !isSettingsFile(path) &&
        !askToGoOn(window,
                   QCoreApplication::translate("pelorin::MainDialog",
                                               "%1 already exists and is not a settings file.\n"
                                               "Replace it with the transmitter's settings?")
                       .arg(path),
                   QCoreApplication::translate("pelorin::MainDialog", "&Replace"))) {
        return;
    }
    // The file gets blockBytes as they stand; the previous file survives a failed save.
    const BlockBytes& block = session.blockBytes;
    const QString error =
        saveFileAtomically(path, QByteArray(reinterpret_cast<const char*>(block.data()),
                                            static_cast<qsizetype>(block.size())));
    if (!error.isEmpty())
        showMessage(window, error);
}

std::optional<BlockSend> openSettingsFile(QWidget* window, const FileChooser& choose) {
    const QString path = choose(window, QCoreApplication::translate("pelorin::MainDialog", "Open"));
    if (path.isEmpty())
        return std::nullopt;
    // A 67-byte settings file or a model in the readable format, told apart by content.
    const auto loaded = models::readModelFile(path);
    if (const auto* error = std::get_if<QString>(&loaded)) {
        showMessage(window, *error);
        return std::nullopt;
    }
    BlockSend send;
    send.block = std::get<models::LoadedModel>(loaded).model.blockBytes;
    send.cause = models::HistoryCause::Open;
    send.detail = path;
    send.source = path;
    return send;
}

}  // namespace pelorin
