// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The readable model format: every 67-byte file survives it unchanged, and every kind of bad
// input is refused with the field and the reason.

#include "models/modelformat.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <random>

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

TEST(ModelFormat, Content_IsToldApartByLengthAndFirstCharacter) {
    QByteArray braces(67, '{');  // 67 bytes are a settings file whatever they hold
    auto raw = modelFromContent(braces);
    ASSERT_TRUE(std::holds_alternative<LoadedModel>(raw));
    EXPECT_EQ(std::get<LoadedModel>(raw).format, FileFormat::Settings67);
    EXPECT_EQ(std::get<LoadedModel>(raw).model.blockBytes[66], '{');

    auto json = modelFromContent("\xEF\xBB\xBF  \n" + modelToJson(Model{}));
    ASSERT_TRUE(std::holds_alternative<LoadedModel>(json));
    EXPECT_EQ(std::get<LoadedModel>(json).format, FileFormat::Json);

    for (const QByteArray& other : {QByteArray(), QByteArray(66, '\0'), QByteArray(68, '\0')}) {
        auto refused = modelFromContent(other);
        ASSERT_TRUE(std::holds_alternative<FormatError>(refused));
        EXPECT_TRUE(std::get<FormatError>(refused).reason.contains(QString::number(other.size())));
    }
}

}  // namespace
}  // namespace pelorin::models
