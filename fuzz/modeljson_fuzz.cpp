// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for model files as Open and the library read them: the input is a file's
// content. Whatever it holds, reading ends in a model or a reason, never in a crash; the
// content alone decides the format (text starting with "{" is never a block); a block's 67
// bytes are taken byte for byte; a model that was read survives writing and reading again
// unchanged.

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <variant>

#include "link/settingsfile.h"
#include "models/modelformat.h"

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "modeljson_fuzz: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pelorin::models;
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = modelFromContent(content);
    if (const auto* error = std::get_if<FormatError>(&read)) {
        check(!error->reason.isEmpty(), "a refusal without a reason");
        return 0;
    }
    const LoadedModel& loaded = std::get<LoadedModel>(read);
    const auto kind = pelorin::contentKind({data, size});
    check(kind != pelorin::ContentKind::Neither, "content that is neither format was taken");
    // 67 bytes that start like the readable format but are no JSON at all are a block.
    check(loaded.format == FileFormat::Json ? kind == pelorin::ContentKind::ReadableModel
                                            : size == 67,
          "a file read in the other format than its content says");
    if (loaded.format == FileFormat::Settings67) {
        check(QByteArray(reinterpret_cast<const char*>(loaded.model.blockBytes.data()), 67) ==
                  content,
              "a settings file's bytes changed");
    }
    const auto again = modelFromJson(modelToJson(loaded.model));
    check(std::holds_alternative<Model>(again), "a model read does not read back");
    check(std::get<Model>(again) == loaded.model, "a model changed on its way through JSON");
    return 0;
}
