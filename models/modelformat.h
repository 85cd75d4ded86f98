// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Model files: the 67-byte settings file, and the readable format, a JSON object with one key
// per field of the block (the names pelorin-dump prints), a format version, the model's name
// and notes. Any 67 bytes, unused bits and checksum slots included, survive the readable
// format unchanged. Files of either format are told apart by their content.

#include <QByteArray>
#include <QString>

#include <variant>

#include "link/settingsblock.h"

namespace pelorin::models {

inline constexpr int kFormatVersion = 1;
// The value of the "format" key, so a model file is recognised as such.
inline constexpr char kFormatName[] = "pelorin-model";

struct Model {
    QString name;
    QString notes;
    BlockBytes blockBytes{};

    friend bool operator==(const Model&, const Model&) = default;
};

enum class FileFormat { Settings67, Json };

// What is wrong with a file: the field concerned (empty when it is the file as a whole) and
// the reason. text() names the file too.
struct FormatError {
    QString field;
    QString reason;
    [[nodiscard]] QString text(const QString& path) const;
};

[[nodiscard]] QByteArray modelToJson(const Model& model);
[[nodiscard]] std::variant<Model, FormatError> modelFromJson(const QByteArray& json);

// A settings file's content in either format. Exactly 67 bytes are a settings file (no model
// in the readable format is that short); content starting with "{" is the readable format.
// A settings file's model has no name or notes.
struct LoadedModel {
    Model model;
    FileFormat format = FileFormat::Settings67;
};
[[nodiscard]] std::variant<LoadedModel, FormatError> modelFromContent(const QByteArray& content);

// Reads a file of either format; the error text names the file, the field and the reason.
[[nodiscard]] std::variant<LoadedModel, QString> readModelFile(const QString& path);

// The file content of a model in the given format.
[[nodiscard]] QByteArray modelFileContent(const Model& model, FileFormat format);

}  // namespace pelorin::models
