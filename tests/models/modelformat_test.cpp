// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The readable model format: every 67-byte file survives it unchanged, and every kind of bad
// input is refused with the field and the reason.

#include "models/modelformat.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <set>
#include <vector>

#include "link/blockfields.h"

namespace pelorin::models {
namespace {

Model roundTrip(const Model& model) {
    auto back = modelFromJson(modelToJson(model));
    if (const auto* error = std::get_if<FormatError>(&back)) {
        ADD_FAILURE() << error->text(QStringLiteral("json")).toStdString();
        return {};
    }
    return std::get<Model>(back);
}

TEST(ModelFormat, RandomBlocks_SurviveJsonByteForByte) {
    std::mt19937 random(12);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 500; ++i) {
        Model model;
        model.name = QStringLiteral("Trainer \"%1\" / Übung ✈").arg(i);
        model.notes = QStringLiteral("line one\nline two\t\\ {}");
        for (auto& b : model.blockBytes)
            b = static_cast<std::uint8_t>(byte(random));
        ASSERT_EQ(roundTrip(model), model) << "block " << i;
    }
}

// Pass v gives byte i the value v + 37 i: over the 256 passes every byte takes every value,
// and no two neighbouring bytes hold the same one.
TEST(ModelFormat, EveryValueOfEveryByte_SurvivesJson) {
    for (int pass = 0; pass < 256; ++pass) {
        Model model;
        for (std::size_t i = 0; i < kBlockBytesSize; ++i)
            model.blockBytes[i] = static_cast<std::uint8_t>(pass + 37 * static_cast<int>(i));
        ASSERT_EQ(roundTrip(model).blockBytes, model.blockBytes) << "pass " << pass;
    }
}

TEST(ModelFormat, Written_ListsTheFieldsInBlockOrderOneEditorGroupAfterAnother) {
    Model model;
    model.blockBytes[block::kModelAndStick] = 0x21;
    const QList<QByteArray> lines = modelToJson(model).split('\n');
    const qsizetype start = lines.indexOf("    \"settings\": {");
    ASSERT_GE(start, 0);
    // Runs of fields between blank lines, each run one editor's.
    std::vector<std::vector<const BlockField*>> runs(1);
    for (qsizetype i = start + 1; i < lines.size() && lines[i] != "    }"; ++i) {
        if (lines[i].isEmpty()) {
            runs.emplace_back();
            continue;
        }
        const QByteArray name = lines[i].trimmed().split('"').value(1);
        const BlockField* field = findBlockField(name.toStdString());
        ASSERT_NE(field, nullptr) << lines[i].toStdString();
        runs.back().push_back(field);
    }
    std::size_t count = 0;
    std::size_t lastByte = 0;
    std::set<EditorGroup> seen;
    for (const auto& run : runs) {
        ASSERT_FALSE(run.empty());
        EXPECT_TRUE(seen.insert(run.front()->editorGroup).second) << "a group split in two";
        for (const BlockField* field : run) {
            EXPECT_EQ(field->editorGroup, run.front()->editorGroup) << field->name;
            EXPECT_GE(field->byte, lastByte) << field->name;
            lastByte = field->byte;
            ++count;
        }
    }
    EXPECT_EQ(count, blockFields().size());
    EXPECT_EQ(runs.front().front()->name, "model type");
}

TEST(ModelFormat, FileWrittenWithSortedKeys_StillOpens) {
    Model model;
    model.name = QStringLiteral("Old");
    model.notes = QStringLiteral("kept");
    for (std::size_t i = 0; i < kBlockBytesSize; ++i)
        model.blockBytes[i] = static_cast<std::uint8_t>(3 * i + 1);
    // The layout of earlier files: every key sorted, as QJsonObject writes them.
    QJsonObject settings;
    for (const BlockField& field : blockFields()) {
        const int value = fieldValue(field, model.blockBytes);
        const std::string* name = valueName(field, value);
        settings.insert(QString::fromStdString(field.name),
                        name ? QJsonValue(QString::fromStdString(*name)) : QJsonValue(value));
    }
    QJsonObject root{{"format", kFormatName},
                     {"version", kFormatVersion},
                     {"name", model.name},
                     {"notes", model.notes},
                     {"settings", settings}};
    const auto back = modelFromJson(QJsonDocument(root).toJson());
    ASSERT_TRUE(std::holds_alternative<Model>(back));
    EXPECT_EQ(std::get<Model>(back), model);
}

TEST(ModelFormat, KnownValues_AreWrittenByNameAndReadByNameOrNumber) {
    Model model;
    model.blockBytes[block::kModelAndStick] = 0x12;  // HELI-90, MODEL2
    const QJsonObject settings =
        QJsonDocument::fromJson(modelToJson(model)).object().value("settings").toObject();
    EXPECT_EQ(settings.value("model type").toString(), "HELI-90");
    EXPECT_EQ(settings.value("stick mode").toString(), "MODEL2");
    EXPECT_EQ(settings.size(), static_cast<qsizetype>(blockFields().size()));

    QJsonObject root = QJsonDocument::fromJson(modelToJson(model)).object();
    QJsonObject numeric = settings;
    numeric["model type"] = 2;
    root["settings"] = numeric;
    const auto back = modelFromJson(QJsonDocument(root).toJson());
    ASSERT_TRUE(std::holds_alternative<Model>(back));
    EXPECT_EQ(std::get<Model>(back).blockBytes, model.blockBytes);
}

struct BadCase {
    const char* what;
    std::function<void(QJsonObject& root)> spoil;
    QString field;
    QString reasonPart;
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.what;
}

class BadJson : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadJson, IsRefusedNamingTheFieldAndTheReason) {
    QJsonObject root = QJsonDocument::fromJson(modelToJson(Model{})).object();
    GetParam().spoil(root);
    const auto result = modelFromJson(QJsonDocument(root).toJson());
    ASSERT_TRUE(std::holds_alternative<FormatError>(result));
    const FormatError& error = std::get<FormatError>(result);
    EXPECT_EQ(error.field, GetParam().field);
    EXPECT_TRUE(error.reason.contains(GetParam().reasonPart)) << error.reason.toStdString();
    const QString text = error.text(QStringLiteral("/m/x.json"));
    EXPECT_TRUE(text.contains("/m/x.json") && text.contains(GetParam().field));
}

void setSetting(QJsonObject& root, const QString& key, const QJsonValue& value) {
    QJsonObject settings = root["settings"].toObject();
    if (value.isUndefined())
        settings.remove(key);
    else
        settings[key] = value;
    root["settings"] = settings;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadJson,
    ::testing::Values(
        BadCase{"newer version", [](QJsonObject& r) { r["version"] = 2; }, "version", "2"},
        BadCase{"no version", [](QJsonObject& r) { r.remove("version"); }, "version", "missing"},
        BadCase{"other format", [](QJsonObject& r) { r["format"] = "x"; }, "format", "expected"},
        BadCase{"no settings", [](QJsonObject& r) { r.remove("settings"); }, "settings", "missing"},
        BadCase{"missing field",
                [](QJsonObject& r) { setSetting(r, "sub trim CH4", QJsonValue::Undefined); },
                "sub trim CH4", "missing"},
        BadCase{"above a signed byte",
                [](QJsonObject& r) { setSetting(r, "end point CH2 R", 128); }, "end point CH2 R",
                "128"},
        BadCase{"below a signed byte",
                [](QJsonObject& r) { setSetting(r, "pitch curve ID EP4", -129); },
                "pitch curve ID EP4", "-129"},
        BadCase{"above a nibble", [](QJsonObject& r) { setSetting(r, "model type", 16); },
                "model type", "16"},
        BadCase{"above two bits",
                [](QJsonObject& r) { setSetting(r, "reverse spare bits 6-7", 4); },
                "reverse spare bits 6-7", "4"},
        BadCase{"negative checksum slot",
                [](QJsonObject& r) { setSetting(r, "checksum slot 2 (byte 66)", -1); },
                "checksum slot 2 (byte 66)", "-1"},
        BadCase{"fraction", [](QJsonObject& r) { setSetting(r, "swash AFR CH6", 1.5); },
                "swash AFR CH6", "1.5"},
        BadCase{"unknown name", [](QJsonObject& r) { setSetting(r, "model type", "HELI-100"); },
                "model type", "HELI-100"},
        BadCase{"wrong kind", [](QJsonObject& r) { setSetting(r, "reverse CH3", true); },
                "reverse CH3", "expected"},
        BadCase{"misspelt field", [](QJsonObject& r) { setSetting(r, "end pont CH1 L", 100); },
                "end pont CH1 L", "unknown"},
        BadCase{"name not text", [](QJsonObject& r) { r["name"] = 3; }, "name", "text"}),
    [](const ::testing::TestParamInfo<BadCase>& param) {
        std::string name = param.param.what;
        std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
        return name;
    });

TEST(ModelFormat, BrokenJson_TellsWhereItBreaks) {
    QByteArray json = modelToJson(Model{});
    json.chop(json.size() / 2);
    const auto result = modelFromJson(json);
    ASSERT_TRUE(std::holds_alternative<FormatError>(result));
    EXPECT_TRUE(std::get<FormatError>(result).reason.contains("line"));
}

// A block whose values read as blanks up to a "{": ACRO in MODEL3 (0x20), every value 32, the
// first point of the lowest curve 123. `slotValue` fills the checksum slots.
QByteArray blanksThenBrace(std::uint8_t slotValue) {
    BlockBytes block{};
    block.fill(32);
    block[kChecksumSlot1] = block[kChecksumSlot2] = slotValue;
    const BlockField* curve = nullptr;
    for (const BlockField& field : blockFields()) {
        if (field.name.find("curve") != std::string::npos && (!curve || field.byte < curve->byte))
            curve = &field;
    }
    setFieldValue(*curve, block, 123);
    return QByteArray(reinterpret_cast<const char*>(block.data()), 67);
}

// What a file is follows from its content: "{" after a byte order mark and blanks is a model
// in the readable format, whatever the length, but 67 bytes of it that are no JSON at all are
// a block, unless they read as a readable file cut short; other content of 67 bytes is a block.
TEST(ModelFormat, Content_DecidesTheFormat) {
    const QByteArray model = modelToJson(Model{});
    QByteArray binary(67, '\0');
    binary[0] = 0x21;
    binary[66] = '{';  // a brace late in a block does not make it text
    const QByteArray bom = "\xEF\xBB\xBF";
    enum class Want { Block, Json, Refused };
    const struct {
        const char* what;
        QByteArray content;
        Want want;
        const char* reason;  // part of the refusal's reason
    } rows[] = {
        {"binary block", binary, Want::Block, ""},
        {"67 zero bytes", QByteArray(67, '\0'), Want::Block, ""},
        {"67 spaces", QByteArray(67, ' '), Want::Block, ""},
        {"model", model, Want::Json, ""},
        {"model after a BOM and blanks", bom + "  \n\t" + model, Want::Json, ""},
        {"model after 100 spaces", QByteArray(100, ' ') + model, Want::Json, ""},
        {"model after 67 newlines", QByteArray(67, '\n') + model, Want::Json, ""},
        {"values of 32 up to a curve point of 123", blanksThenBrace(0), Want::Block, ""},
        {"the same, checksum slots 32 too", blanksThenBrace(32), Want::Block, ""},
        {"model cut to 67 bytes", model.left(67), Want::Refused, "cut short"},
        {"67 braces", QByteArray(67, '{'), Want::Block, ""},
        {"brace, 65 spaces, brace", "{" + QByteArray(65, ' ') + "}", Want::Refused, "missing"},
        {"BOM, then 64 bytes of cut model", bom + model.left(64), Want::Refused, "cut short"},
        {"spaces then a cut model, 67 in all", QByteArray(30, ' ') + model.left(37), Want::Refused,
         "cut short"},
        {"cut model, blanks to 67", model.left(40).leftJustified(67, ' '), Want::Refused,
         "cut short"},
        {"cut model of 68 bytes", model.left(68), Want::Refused, "not valid JSON"},
        {"empty", QByteArray(), Want::Refused, "0 bytes"},
        {"66 bytes", QByteArray(66, '\0'), Want::Refused, "66 bytes"},
        {"68 bytes", QByteArray(68, '\0'), Want::Refused, "68 bytes"},
        {"text of 14 bytes", "shopping list\n", Want::Refused, "14 bytes"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const auto read = modelFromContent(row.content);
        if (row.want == Want::Refused) {
            ASSERT_TRUE(std::holds_alternative<FormatError>(read));
            EXPECT_TRUE(std::get<FormatError>(read).text("f").contains(row.reason))
                << std::get<FormatError>(read).text("f").toStdString();
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<LoadedModel>(read));
        const LoadedModel& loaded = std::get<LoadedModel>(read);
        EXPECT_EQ(loaded.format,
                  row.want == Want::Block ? FileFormat::Settings67 : FileFormat::Json);
        if (row.want == Want::Block) {
            EXPECT_EQ(modelFileContent(loaded.model, FileFormat::Settings67), row.content);
        }
    }
}

// Two values for one key are refused with the key named; the parser alone would keep the last.
TEST(ModelFormat, DuplicateKeys_AreRefusedNamingTheKey) {
    const QByteArray model = modelToJson(Model{});
    auto twice = [&](const QByteArray& line, const QByteArray& extra) {
        QByteArray json = model;
        const qsizetype at = json.indexOf(line);
        EXPECT_GE(at, 0) << line.toStdString();
        json.insert(at, extra);
        return json;
    };
    const struct {
        const char* what;
        QByteArray json;
        const char* field;  // empty: accepted
    } rows[] = {
        {"no duplicate", model, ""},
        {"a setting twice", twice("\"model type\"", "\"model type\": \"HELI-90\",\n"),
         "model type"},
        {"the name twice", twice("\"name\"", "\"name\": \"first\",\n"), "name"},
        {"the same key spelt with an escape", twice("\"notes\"", "\"n\\u006ftes\": \"\",\n"),
         "notes"},
        {"the same text as a value is no key", twice("\"notes\"", "\"name\": \"notes\",\n"),
         "name"},
        {"one key in two objects is no duplicate",
         twice("\"settings\"", "\"extra\": {\"name\": [\"name\"]},\n"), ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const auto read = modelFromJson(row.json);
        if (*row.field == '\0') {
            EXPECT_TRUE(std::holds_alternative<Model>(read));
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<FormatError>(read));
        const FormatError& error = std::get<FormatError>(read);
        EXPECT_EQ(error.field, row.field) << error.reason.toStdString();
    }
}

// A name is opened by the bytes the system gives, and shown as they read; a name that is not
// UTF-8 is no reason to call an existing file missing.
TEST(ModelFormat, FileNames_AreOpenedByTheirOwnBytes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    const QByteArray block(67, '\x05');
    const struct {
        const char* what;
        QByteArray name;
    } rows[] = {
        {"plain", "plain.bin"},
        {"UTF-8 accents and spaces", "mod\xC3\xA8le 1.bin"},
        {"Latin-1, not UTF-8", "mod\xE8le.bin"},
        {"a lone continuation byte", "\x80\xFF.bin"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const QByteArray path = folder + row.name;
        std::ofstream(path.toStdString(), std::ios::binary).write(block.constData(), block.size());
        const auto read = readNativeModelFile(path);
        ASSERT_TRUE(std::holds_alternative<LoadedModel>(read))
            << std::get<QString>(read).toStdString();
        EXPECT_EQ(std::get<LoadedModel>(read).model.blockBytes[0], 5);
    }
    // A file that is not there is still reported so, under its name as it reads.
    const auto missing = readNativeModelFile(folder + "gone\xE8.bin");
    ASSERT_TRUE(std::holds_alternative<QString>(missing));
    EXPECT_TRUE(std::get<QString>(missing).contains(QStringLiteral("gone\uFFFD.bin")))
        << std::get<QString>(missing).toStdString();
    EXPECT_TRUE(std::get<QString>(missing).contains(QString::fromLocal8Bit(std::strerror(ENOENT))));
}

}  // namespace
}  // namespace pelorin::models
