// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The model library: named models, one file each in the readable format, in a folder of the
// user's data folder. Names are free text (the file name is made from the name, but the name
// inside the file is what counts); the library gives no two models the same name, and files
// put in the folder by other means that do are all listed, each knowing the others. Every file
// is written whole or not at all. The library follows changes other programs make to the folder.

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "models/modelformat.h"

namespace pelorin::models {

struct LibraryEntry {
    QString path;           // the model's file
    Model model;            // valid when error is empty
    QString error;          // why the file could not be read
    QStringList namesakes;  // the other files that name the same model
    [[nodiscard]] bool valid() const { return error.isEmpty(); }
};

class ModelLibrary : public QObject {
    Q_OBJECT

public:
    // The library of this user: <AppDataLocation>/models.
    [[nodiscard]] static QString defaultFolder();

    explicit ModelLibrary(const QString& folder, QObject* parent = nullptr);

    [[nodiscard]] const QString& folder() const { return folder_; }
    // Every file of the folder that looks like a model, good ones sorted by name, then the
    // files that could not be read.
    [[nodiscard]] const std::vector<LibraryEntry>& entries() const { return entries_; }
    // Why the folder itself cannot be used, or empty.
    [[nodiscard]] const QString& folderError() const { return folderError_; }
    [[nodiscard]] const LibraryEntry* findByName(const QString& name) const;
    [[nodiscard]] const LibraryEntry* findByPath(const QString& path) const;

    // Reads the folder again; emits changed().
    void reload();

    // Each operation returns an empty text when done, else a message for the user that names
    // the file or the model and the reason. Nothing is lost when one fails.
    [[nodiscard]] QString add(const Model& model);
    [[nodiscard]] QString rename(const QString& path, const QString& newName);
    [[nodiscard]] QString setNotes(const QString& path, const QString& notes);
    // Puts new settings into the model at `path`, keeping its name and notes.
    [[nodiscard]] QString replaceSettings(const QString& path, const BlockBytes& blockBytes);
    [[nodiscard]] QString duplicate(const QString& path, const QString& newName);
    // To the desktop's trash; where there is none, the file stays and the reason is told.
    [[nodiscard]] QString remove(const QString& path);
    [[nodiscard]] QString exportModel(const QString& path, const QString& target,
                                      FileFormat format) const;
    // Adds the model of a settings file of either format. A settings file gives no name: the
    // file's name without its extension is taken.
    [[nodiscard]] QString importFile(const QString& file);

    // Why a name cannot be given to a model (other than the one at `exceptPath`), or empty.
    // A name that another file holds is refused however many files hold it.
    [[nodiscard]] QString checkName(const QString& name, const QString& exceptPath = {}) const;

signals:
    void changed();

private:
    [[nodiscard]] QString write(const QString& path, const Model& model);
    [[nodiscard]] QString writeAndReload(const QString& path, const Model& model);
    // A copy of the good model kept in `path`; none when the library has none there now, and
    // goneText() says so.
    [[nodiscard]] std::optional<Model> keptModel(const QString& path) const;
    [[nodiscard]] static QString goneText(const QString& path);
    [[nodiscard]] QString freeFileName(const QString& name) const;
    void watchFiles();

    QString folder_;
    QString folderError_;
    std::vector<LibraryEntry> entries_;
    QFileSystemWatcher watcher_;
};

}  // namespace pelorin::models
