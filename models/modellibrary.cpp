// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/modellibrary.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <variant>

#include "platform/savefile.h"

namespace pelorin::models {

namespace {

const QString kSuffix = QStringLiteral(".json");
constexpr int kLongestFileStem = 60;

// A file name made from a model name: characters that file systems or shells take badly
// become "_". The model keeps its own name inside the file.
QString fileStem(const QString& name) {
    QString stem;
    for (const QChar c : name.trimmed()) {
        const bool awkward = c.unicode() < 0x20 || c == QLatin1Char('/') ||
                             c == QLatin1Char('\\') || c == QLatin1Char(':') ||
                             c == QLatin1Char('*') || c == QLatin1Char('?') ||
                             c == QLatin1Char('"') || c == QLatin1Char('<') ||
                             c == QLatin1Char('>') || c == QLatin1Char('|');
        stem += awkward ? QLatin1Char('_') : c;
    }
    stem = stem.left(kLongestFileStem);
    while (stem.startsWith(QLatin1Char('.')))
        stem[0] = QLatin1Char('_');
    return stem.isEmpty() ? QStringLiteral("model") : stem;
}

}  // namespace

QString ModelLibrary::defaultFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("models"));
}

ModelLibrary::ModelLibrary(const QString& folder, QObject* parent)
    : QObject(parent), folder_(QDir::cleanPath(folder)) {
    // Another program (or a second Pelorin) adding, replacing or removing a file.
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &ModelLibrary::reload);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &ModelLibrary::reload);
    reload();
}

const LibraryEntry* ModelLibrary::findByName(const QString& name) const {
    for (const LibraryEntry& entry : entries_) {
        if (entry.valid() && entry.model.name == name)
            return &entry;
    }
    return nullptr;
}

const LibraryEntry* ModelLibrary::findByPath(const QString& path) const {
    for (const LibraryEntry& entry : entries_) {
        if (entry.path == path)
            return &entry;
    }
    return nullptr;
}

void ModelLibrary::reload() {
    entries_.clear();
    folderError_.clear();
    QDir dir(folder_);
    if (!dir.exists() && !QDir().mkpath(folder_)) {
        folderError_ = tr("The model folder %1 cannot be created.").arg(folder_);
    } else if (!QFileInfo(folder_).isReadable()) {
        folderError_ = tr("The model folder %1 cannot be read.").arg(folder_);
    } else {
        const QStringList names = dir.entryList({QStringLiteral("*") + kSuffix},
                                                QDir::Files | QDir::Readable | QDir::Hidden);
        for (const QString& name : names) {
            // A file saved atomically is written under a temporary name first.
            if (name.startsWith(QLatin1Char('.')))
                continue;
            LibraryEntry entry;
            entry.path = dir.filePath(name);
            auto read = readModelFile(entry.path);
            if (auto* error = std::get_if<QString>(&read)) {
                entry.error = *error;
            } else {
                auto& loaded = std::get<LoadedModel>(read);
                if (loaded.format != FileFormat::Json)
                    entry.error = tr("%1: not a model in JSON").arg(entry.path);
                else
                    entry.model = std::move(loaded.model);
                if (entry.model.name.isEmpty() && entry.valid())
                    entry.model.name = QFileInfo(name).completeBaseName();
            }
            entries_.push_back(std::move(entry));
        }
        QCollator collator;
        collator.setNumericMode(true);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(entries_.begin(), entries_.end(),
                         [&](const LibraryEntry& a, const LibraryEntry& b) {
                             if (a.valid() != b.valid())
                                 return a.valid();
                             return collator.compare(a.model.name, b.model.name) < 0;
                         });
        for (LibraryEntry& entry : entries_) {
            for (const LibraryEntry& other : entries_) {
                if (&other != &entry && entry.valid() && other.valid() &&
                    other.model.name == entry.model.name)
                    entry.namesakes << other.path;
            }
        }
    }
    watchFiles();
    emit changed();
}

void ModelLibrary::watchFiles() {
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty())
        watcher_.removePaths(watched);
    if (!QFileInfo::exists(folder_))
        return;
    QStringList paths{folder_};
    for (const LibraryEntry& entry : entries_)
        paths << entry.path;
    watcher_.addPaths(paths);
}

QString ModelLibrary::checkName(const QString& name, const QString& exceptPath) const {
    if (name.trimmed().isEmpty())
        return tr("A model needs a name.");
    for (const LibraryEntry& same : entries_) {
        if (same.valid() && same.model.name == name && same.path != exceptPath)
            return tr("A model named \"%1\" already exists (%2).").arg(name, same.path);
    }
    return {};
}

QString ModelLibrary::freeFileName(const QString& name) const {
    const QDir dir(folder_);
    const QString stem = fileStem(name);
    QString path = dir.filePath(stem + kSuffix);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(kSuffix));
    return path;
}

QString ModelLibrary::write(const QString& path, const Model& model) {
    return saveFileAtomically(path, modelToJson(model));
}

QString ModelLibrary::writeAndReload(const QString& path, const Model& model) {
    const QString error = write(path, model);
    reload();
    return error;
}

std::optional<Model> ModelLibrary::keptModel(const QString& path) const {
    const LibraryEntry* entry = findByPath(path);
    if (entry == nullptr || !entry->valid())
        return std::nullopt;
    return entry->model;
}

QString ModelLibrary::goneText(const QString& path) {
    return tr("%1: the model is no longer in the library.").arg(path);
}

QString ModelLibrary::add(const Model& model) {
    if (!folderError_.isEmpty())
        return folderError_;
    if (QString problem = checkName(model.name); !problem.isEmpty())
        return problem;
    return writeAndReload(freeFileName(model.name), model);
}

QString ModelLibrary::rename(const QString& path, const QString& newName) {
    std::optional<Model> renamed = keptModel(path);
    if (!renamed)
        return goneText(path);
    if (QString problem = checkName(newName, path); !problem.isEmpty())
        return problem;
    renamed->name = newName;
    // The new name goes into the file first; the file's own name follows when it can. A
    // file that keeps its old name has lost nothing.
    QString error = write(path, *renamed);
    if (error.isEmpty() && fileStem(newName) != fileStem(QFileInfo(path).completeBaseName())) {
        const QString target = freeFileName(newName);
        QFile::rename(path, target);
    }
    reload();
    return error;
}

QString ModelLibrary::setNotes(const QString& path, const QString& notes) {
    std::optional<Model> model = keptModel(path);
    if (!model)
        return goneText(path);
    if (model->notes == notes)
        return {};
    model->notes = notes;
    return writeAndReload(path, *model);
}

QString ModelLibrary::replaceSettings(const QString& path, const BlockBytes& blockBytes) {
    std::optional<Model> model = keptModel(path);
    if (!model)
        return goneText(path);
    model->blockBytes = blockBytes;
    return writeAndReload(path, *model);
}

QString ModelLibrary::duplicate(const QString& path, const QString& newName) {
    std::optional<Model> copy = keptModel(path);
    if (!copy)
        return goneText(path);
    copy->name = newName;
    return add(*copy);
}

QString ModelLibrary::remove(const QString& path) {
    QFile file(path);
    if (!file.moveToTrash()) {
        return tr("%1 cannot be moved to the trash (%2); the file is kept.")
            .arg(path, file.errorString());
    }
    reload();
    return {};
}

QString ModelLibrary::exportModel(const QString& path, const QString& target,
                                  FileFormat format) const {
    const std::optional<Model> model = keptModel(path);
    if (!model)
        return goneText(path);
    return saveFileAtomically(target, modelFileContent(*model, format));
}

QString ModelLibrary::importFile(const QString& file) {
    auto read = readModelFile(file);
    if (const auto* error = std::get_if<QString>(&read))
        return *error;
    Model model = std::get<LoadedModel>(std::move(read)).model;
    if (model.name.trimmed().isEmpty())
        model.name = QFileInfo(file).completeBaseName();
    if (QString problem = checkName(model.name); !problem.isEmpty())
        return tr("%1: %2").arg(file, problem);
    return add(model);
}

}  // namespace pelorin::models
