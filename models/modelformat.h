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

// A settings file's content in either format, told apart by contentKind (link/settingsfile.h):
// content starting with "{" (after a byte order mark and blanks) is the readable format and
// must be a valid model, whatever its length; other content of exactly 67 bytes is a settings
// file. 67 bytes that start like the readable format but do not parse as JSON are a settings
// block too (its values may be blanks and "{"), unless they are text that breaks off like a
// readable file cut to that length, which is refused. A settings file's model has no name or
// notes.
struct LoadedModel {
    Model model;
    FileFormat format = FileFormat::Settings67;
};
[[nodiscard]] std::variant<LoadedModel, FormatError> modelFromContent(const QByteArray& content);

// Reads a file of either format; the error text names the file, the field and the reason.
[[nodiscard]] std::variant<LoadedModel, QString> readModelFile(const QString& path);
// The same for a name in the system's own bytes (a command-line argument), which need not be
// UTF-8 and so may have no QString that opens it.
[[nodiscard]] std::variant<LoadedModel, QString> readNativeModelFile(const QByteArray& nativePath);

// The file content of a model in the given format.
[[nodiscard]] QByteArray modelFileContent(const Model& model, FileFormat format);

}  // namespace pelorin::models
