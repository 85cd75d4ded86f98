// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/modelformat.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>
#include <QUtf8StringView>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "link/blockfields.h"
#include "link/settingsfile.h"

namespace pelorin::models {

namespace {

// The texts of this file, under one translation context (lupdate files them there too).
struct ModelFormatTexts {
    Q_DECLARE_TR_FUNCTIONS(pelorin::models::ModelFormatTexts)
};

const QString kFormatKey = QStringLiteral("format");
const QString kVersionKey = QStringLiteral("version");
const QString kNameKey = QStringLiteral("name");
const QString kNotesKey = QStringLiteral("notes");
const QString kSettingsKey = QStringLiteral("settings");

QString fieldName(const BlockField& field) {
    return QString::fromStdString(field.name);
}

// Known values go in by name, so the file reads like the dump; values without a name go in
// as numbers, so every byte survives.
QJsonValue jsonValue(const BlockField& field, int value) {
    if (const std::string* name = valueName(field, value))
        return QString::fromStdString(*name);
    return value;
}

QString allowedValues(const BlockField& field) {
    const QString range =
        ModelFormatTexts::tr("a whole number %1..%2").arg(field.minValue()).arg(field.maxValue());
    if (field.names.empty())
        return range;
    QStringList names;
    for (const std::string& name : field.names)
        names << QStringLiteral("\"%1\"").arg(QString::fromStdString(name));
    return ModelFormatTexts::tr("one of %1, or %2").arg(names.join(QStringLiteral(", ")), range);
}

std::variant<int, FormatError> readValue(const BlockField& field, const QJsonValue& json) {
    const QString name = fieldName(field);
    if (json.isString()) {
        if (const auto value = valueOfName(field, json.toString().toStdString()))
            return *value;
        return FormatError{name,
                           ModelFormatTexts::tr("\"%1\" is not a value of this field; expected %2")
                               .arg(json.toString(), allowedValues(field))};
    }
    if (!json.isDouble())
        return FormatError{name, ModelFormatTexts::tr("expected %1").arg(allowedValues(field))};
    const double number = json.toDouble();
    if (std::trunc(number) != number || !std::isfinite(number))
        return FormatError{name, ModelFormatTexts::tr("%1 is not a whole number").arg(number)};
    if (number < field.minValue() || number > field.maxValue()) {
        return FormatError{name, ModelFormatTexts::tr("%1 is out of range; expected %2")
                                     .arg(number, 0, 'g', 17)
                                     .arg(allowedValues(field))};
    }
    return static_cast<int>(number);
}

// The line and column of a character offset, for a parse error a person can find.
std::pair<int, int> lineAndColumn(const QByteArray& text, int offset) {
    int line = 1;
    int column = 1;
    for (int i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return {line, column};
}

// The first key that appears twice in one object of `json`, which has parsed already; the
// parser itself keeps only the last of them without a word. Keys are compared as the parser
// reads them, escapes decoded ("a" and "\u0061" are the same key).
std::optional<QString> firstDuplicateKey(const QByteArray& json) {
    std::vector<std::optional<std::set<QString>>>
        open;  // per container: its keys, or none for an array
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '{') {
            open.emplace_back(std::set<QString>());
        } else if (c == '[') {
            open.emplace_back(std::nullopt);
        } else if ((c == '}' || c == ']') && !open.empty()) {
            open.pop_back();
        } else if (c == '"') {
            const qsizetype start = i;
            bool escaped = false;
            for (++i; i < json.size(); ++i) {
                if (json[i] == '\\' && !escaped) {
                    escaped = true;
                    continue;
                }
                if (json[i] == '"' && !escaped)
                    break;
                escaped = false;
            }
            qsizetype next = i + 1;
            while (next < json.size() && (json[next] == ' ' || json[next] == '\t' ||
                                          json[next] == '\r' || json[next] == '\n'))
                ++next;
            if (next >= json.size() || json[next] != ':' || open.empty() || !open.back())
                continue;  // a value, not a key
            const QByteArray quoted = json.mid(start, i + 1 - start);
            QString key = QString::fromUtf8(quoted.mid(1, quoted.size() - 2));
            if (quoted.contains('\\'))
                key = QJsonDocument::fromJson("[" + quoted + "]").array().at(0).toString();
            if (!open.back()->insert(key).second)
                return key;
        }
    }
    return std::nullopt;
}

std::variant<QString, FormatError> optionalText(const QJsonObject& object, const QString& key) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return QString();
    if (!value.isString())
        return FormatError{key, ModelFormatTexts::tr("expected a text in double quotes")};
    return value.toString();
}

// Whether `text`, which failed to parse as JSON with `parse`, reads as a readable model file cut
// short: text throughout (valid UTF-8, no control character but tab and line ends) with a key
// begun after its "{", which the parser read to its end. A settings block that happens to start
// with blanks and "{" has bytes no text has, stops the parser long before its end, or is blanks
// around the brace and nothing else.
bool looksLikeCutText(const QByteArray& text, const QJsonParseError& parse) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\n' && c != '\r') || byte == 0x7F)
            return false;
    }
    if (!QUtf8StringView(text).isValidUtf8() || !text.mid(text.indexOf('{')).contains('"'))
        return false;
    qsizetype end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\n' ||
                       text[end - 1] == '\r'))
        --end;
    return parse.offset >= end;
}

}  // namespace

QString FormatError::text(const QString& path) const {
    if (field.isEmpty())
        return ModelFormatTexts::tr("%1: %2").arg(path, reason);
    return ModelFormatTexts::tr("%1: field \"%2\": %3").arg(path, field, reason);
}

// QJsonObject keeps its keys sorted, which puts "model type" among the mixes; the file is
// written by hand instead, so a pilot reads the fields in the order of the block, one group of
// an editor after another with a blank line between them. Readers take the keys in any order.
QByteArray modelToJson(const Model& model) {
    // One value as JSON text, escaped by Qt's own writer.
    const auto json = [](const QJsonValue& value) {
        const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        return array.mid(1, array.size() - 2);
    };
    const auto key = [&json](const QString& name) { return json(name) + ": "; };

    std::vector<const BlockField*> fields;
    for (const BlockField& field : blockFields())
        fields.push_back(&field);
    std::stable_sort(fields.begin(), fields.end(),
                     [](const BlockField* a, const BlockField* b) { return a->byte < b->byte; });

    QByteArray text = "{\n";
    text += "    " + key(kFormatKey) + json(QString::fromLatin1(kFormatName)) + ",\n";
    text += "    " + key(kVersionKey) + json(kFormatVersion) + ",\n";
    text += "    " + key(kNameKey) + json(model.name) + ",\n";
    text += "    " + key(kNotesKey) + json(model.notes) + ",\n";
    text += "    " + key(kSettingsKey) + "{\n";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const BlockField& field = *fields[i];
        if (i > 0 && field.editorGroup != fields[i - 1]->editorGroup)
            text += "\n";
        text += "        " + key(fieldName(field)) +
                json(jsonValue(field, fieldValue(field, model.blockBytes)));
        text += i + 1 < fields.size() ? ",\n" : "\n";
    }
    text += "    }\n}\n";
    return text;
}

std::variant<Model, FormatError> modelFromJson(const QByteArray& json) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const auto [line, column] = lineAndColumn(json, parseError.offset);
        return FormatError{{},
                           ModelFormatTexts::tr("not valid JSON at line %1, column %2: %3")
                               .arg(line)
                               .arg(column)
                               .arg(parseError.errorString())};
    }
    if (!document.isObject())
        return FormatError{{}, ModelFormatTexts::tr("not a model: the JSON is not an object")};
    if (const std::optional<QString> twice = firstDuplicateKey(json))
        return FormatError{*twice, ModelFormatTexts::tr("given more than once; each key once")};
    const QJsonObject root = document.object();

    const QJsonValue format = root.value(kFormatKey);
    if (format.isUndefined())
        return FormatError{kFormatKey, ModelFormatTexts::tr("missing")};
    if (format.toString() != QLatin1String(kFormatName)) {
        return FormatError{
            kFormatKey,
            ModelFormatTexts::tr("expected \"%1\"").arg(QString::fromLatin1(kFormatName))};
    }
    const QJsonValue version = root.value(kVersionKey);
    if (version.isUndefined())
        return FormatError{kVersionKey, ModelFormatTexts::tr("missing")};
    if (!version.isDouble())
        return FormatError{kVersionKey,
                           ModelFormatTexts::tr("expected the number %1").arg(kFormatVersion)};
    if (version.toDouble() != kFormatVersion) {
        return FormatError{
            kVersionKey,
            ModelFormatTexts::tr("unknown format version %1; this program reads version %2")
                .arg(version.toDouble(), 0, 'g', 17)
                .arg(kFormatVersion)};
    }

    Model model;
    for (auto [key, target] : {std::pair{kNameKey, &model.name}, {kNotesKey, &model.notes}}) {
        auto text = optionalText(root, key);
        if (auto* error = std::get_if<FormatError>(&text))
            return *error;
        *target = std::get<QString>(text);
    }

    const QJsonValue settingsValue = root.value(kSettingsKey);
    if (settingsValue.isUndefined())
        return FormatError{kSettingsKey, ModelFormatTexts::tr("missing")};
    if (!settingsValue.isObject())
        return FormatError{kSettingsKey,
                           ModelFormatTexts::tr("expected an object with one key per field")};
    const QJsonObject settings = settingsValue.toObject();

    // A key the program does not know is most likely a misspelt field: refused, not ignored.
    std::set<QString> known;
    for (const BlockField& field : blockFields())
        known.insert(fieldName(field));
    for (auto it = settings.begin(); it != settings.end(); ++it) {
        if (!known.contains(it.key()))
            return FormatError{it.key(), ModelFormatTexts::tr("unknown field")};
    }

    for (const BlockField& field : blockFields()) {
        const QJsonValue stored = settings.value(fieldName(field));
        if (stored.isUndefined())
            return FormatError{fieldName(field), ModelFormatTexts::tr("missing")};
        const auto value = readValue(field, stored);
        if (const auto* error = std::get_if<FormatError>(&value))
            return *error;
        setFieldValue(field, model.blockBytes, std::get<int>(value));
    }
    return model;
}

std::variant<LoadedModel, FormatError> modelFromContent(const QByteArray& content) {
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(content.data()),
                                              static_cast<std::size_t>(content.size()));
    switch (contentKind(bytes)) {
        case ContentKind::SettingsBlock: {
            LoadedModel loaded;
            std::copy(bytes.begin(), bytes.end(), loaded.model.blockBytes.begin());
            return loaded;
        }
        case ContentKind::ReadableModel: {
            // The parser is handed the text after the byte order mark some editors write.
            const QByteArray text = content.startsWith("\xEF\xBB\xBF") ? content.mid(3) : content;
            auto model = modelFromJson(text);
            if (auto* error = std::get_if<FormatError>(&model)) {
                // A block of 67 bytes can start with blanks and "{" too (values of 32, then
                // 123). What does not parse as JSON at all is such a block, unless it is a
                // readable file cut to that length, which is never sent as a block.
                QJsonParseError parse{};
                QJsonDocument::fromJson(text, &parse);
                if (content.size() != static_cast<qsizetype>(kBlockBytesSize) ||
                    parse.error == QJsonParseError::NoError)
                    return *error;
                if (looksLikeCutText(text, parse)) {
                    return FormatError{
                        {},
                        ModelFormatTexts::tr("this looks like a readable model file that was "
                                             "cut short: its text breaks off after %1 bytes. "
                                             "Open the complete file, or save the model again")
                            .arg(content.size())};
                }
                LoadedModel loaded;
                std::copy(bytes.begin(), bytes.end(), loaded.model.blockBytes.begin());
                return loaded;
            }
            return LoadedModel{std::get<Model>(std::move(model)), FileFormat::Json};
        }
        case ContentKind::Neither:
            break;
    }
    return FormatError{
        {},
        ModelFormatTexts::tr("not a settings file: it is %1 bytes long, and a settings file is "
                             "exactly %2 bytes or a model in JSON")
            .arg(content.size())
            .arg(kBlockBytesSize)};
}

std::variant<LoadedModel, QString> readModelFile(const QString& path) {
    return readNativeModelFile(QFile::encodeName(path));
}

std::variant<LoadedModel, QString> readNativeModelFile(const QByteArray& nativePath) {
    // The name as the system gives it; bytes that are not UTF-8 show as replacement marks, but
    // the file is opened by its own bytes, which a QString could not carry.
    const QString path = QFile::decodeName(nativePath);
    const std::filesystem::path native(nativePath.toStdString());
    std::error_code status;
    const std::filesystem::file_status kind = std::filesystem::status(native, status);
    // Only a regular file: a named pipe or a terminal chosen by mistake would block the read.
    if (!status && std::filesystem::exists(kind) && !std::filesystem::is_regular_file(kind))
        return ModelFormatTexts::tr("%1: cannot be read: not a regular file").arg(path);
    std::FILE* stream = std::fopen(nativePath.constData(), "rb");
    if (stream == nullptr) {
        return ModelFormatTexts::tr("%1: cannot be read: %2")
            .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    QFile file;
    if (!file.open(stream, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        std::fclose(stream);
        return ModelFormatTexts::tr("%1: cannot be read: %2").arg(path, file.errorString());
    }
    // A model file is small; anything much larger is not one, and is not read whole.
    constexpr qint64 kLargest = 1 << 20;
    QByteArray content;
    while (content.size() <= kLargest) {
        const QByteArray piece = file.read(kLargest + 1 - content.size());
        if (piece.isEmpty())
            break;
        content += piece;
    }
    if (content.size() > kLargest)
        return ModelFormatTexts::tr("%1: not a settings file: larger than 1 MiB").arg(path);
    if (file.error() != QFileDevice::NoError)
        return ModelFormatTexts::tr("%1: cannot be read: %2").arg(path, file.errorString());
    auto loaded = modelFromContent(content);
    if (const auto* error = std::get_if<FormatError>(&loaded))
        return error->text(path);
    return std::get<LoadedModel>(std::move(loaded));
}

QByteArray modelFileContent(const Model& model, FileFormat format) {
    if (format == FileFormat::Json)
        return modelToJson(model);
    return QByteArray(reinterpret_cast<const char*>(model.blockBytes.data()),
                      static_cast<qsizetype>(model.blockBytes.size()));
}

}  // namespace pelorin::models
