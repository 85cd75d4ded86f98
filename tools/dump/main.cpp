// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// pelorin-dump: prints a settings file field by field, compares two of them, or converts
// between the 67-byte file and the readable model format.
//
//   pelorin-dump FILE
//   pelorin-dump --diff FILE_A FILE_B
//   pelorin-dump --json FILE
//   pelorin-dump --pack MODEL.json OUT
//   pelorin-dump --sheet OUT.pdf FILE      (OUT.pdf "-": the sheet as text on stdout)
//
// Exit status: 0 done (--diff: no field differs), 1 --diff: fields differ, 2 wrong usage,
// 3 a file could not be read or written, or is not a settings file.

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include "models/modelformat.h"
#include "platform/guiplatform.h"
#include "platform/savefile.h"
#include "platform/translations.h"
#include "sheet/setupsheet.h"
#include "tools/cli/printable.h"
#include "tools/dump/settingsreport.h"

namespace {

using namespace pelorin;

constexpr int kExitOk = 0;
constexpr int kExitDiffer = 1;
constexpr int kExitUsage = 2;
constexpr int kExitFile = 3;

constexpr const char* kUsage =
    "Usage: pelorin-dump FILE\n"
    "       pelorin-dump --diff FILE_A FILE_B\n"
    "       pelorin-dump --json FILE\n"
    "       pelorin-dump --pack MODEL.json OUT\n"
    "       pelorin-dump --sheet OUT.pdf FILE\n"
    "\n"
    "Prints a Pelorin settings file (exactly 67 bytes, or a model in JSON) field by field:\n"
    "model type, stick mode, end points, reverse, sub trim, dual rates, swash AFR, throttle\n"
    "and pitch curves, program mixes, switch and VR functions and the two checksum slots.\n"
    "With --diff, prints only the fields in which FILE_B differs from FILE_A.\n"
    "With --json, prints the file as a model in JSON, one key per field.\n"
    "With --pack, writes the model of MODEL.json to OUT as a 67-byte settings file.\n"
    "With --sheet, writes the model's one-page setup sheet to OUT.pdf (A4, or Letter in\n"
    "the United States), in the user's language; with OUT.pdf \"-\", prints it as text.\n"
    "\n"
    "Exit status: 0 done (--diff: no field differs), 1 --diff: fields differ,\n"
    "2 wrong usage, 3 a file cannot be read or written, or is not a settings file.\n";

int usageError(const std::string& problem) {
    std::fprintf(stderr, "pelorin-dump: %s\n%s", problem.c_str(), kUsage);
    return kExitUsage;
}

// The file's model (either format), or an error printed to stderr.
bool load(const std::string& path, models::Model& model) {
    // By the bytes the system gave: a name that is not UTF-8 still opens.
    auto result = models::readNativeModelFile(QByteArray::fromStdString(path));
    if (const auto* error = std::get_if<QString>(&result)) {
        std::fprintf(stderr, "pelorin-dump: %s\n",
                     cli::printable(*error).toLocal8Bit().constData());
        return false;
    }
    model = std::get<models::LoadedModel>(std::move(result)).model;
    return true;
}

bool load(const std::string& path, BlockBytes& blockBytes) {
    models::Model model;
    if (!load(path, model))
        return false;
    blockBytes = model.blockBytes;
    return true;
}

int printJson(const std::string& path) {
    models::Model model;
    if (!load(path, model))
        return kExitFile;
    // A settings file has no name of its own: the file's name stands in.
    if (model.name.isEmpty())
        model.name = QFileInfo(QFile::decodeName(path.c_str())).completeBaseName();
    const QByteArray json = cli::printableJson(models::modelToJson(model));
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    return kExitOk;
}

int pack(const std::string& input, const std::string& output) {
    BlockBytes blockBytes{};
    if (!load(input, blockBytes))
        return kExitFile;
    // Saving goes by a QString, which bytes that are not UTF-8 do not survive: saved under the
    // name they turn into, another file could be replaced.
    const QByteArray native = QByteArray::fromStdString(output);
    if (QFile::encodeName(QFile::decodeName(native)) != native) {
        std::fprintf(stderr,
                     "pelorin-dump: %s: cannot be saved under this name: it is not valid UTF-8. "
                     "Choose a name of UTF-8 characters.\n",
                     cli::printable(QFile::decodeName(native)).toLocal8Bit().constData());
        return kExitFile;
    }
    const QString error =
        saveFileAtomically(QFile::decodeName(output.c_str()),
                           QByteArray(reinterpret_cast<const char*>(blockBytes.data()),
                                      static_cast<qsizetype>(blockBytes.size())));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "pelorin-dump: %s\n", cli::printable(error).toLocal8Bit().constData());
        return kExitFile;
    }
    return kExitOk;
}

// The setup sheet of a file, as a PDF or as text: drawn with QtGui, which needs an
// application object but no screen.
int writeSheet(const std::string& output, const std::string& path) {
    chooseHeadlessGuiPlatform();
    int argc = 1;
    char name[] = "pelorin-dump";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    installTranslations(app);
    models::Model model;
    if (!load(path, model))
        return kExitFile;
    SheetSubject subject{.name = model.name, .notes = model.notes, .block = model.blockBytes};
    if (subject.name.isEmpty())
        subject.name = QFileInfo(QFile::decodeName(path.c_str())).completeBaseName();
    if (output == "-") {
        const QByteArray text = setupSheetText(subject).toUtf8();
        std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
        return kExitOk;
    }
    const QString error = writeSetupSheetPdf(QFile::decodeName(output.c_str()), subject);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "pelorin-dump: %s\n", error.toLocal8Bit().constData());
        return kExitFile;
    }
    return kExitOk;
}

std::size_t widestName(const auto& fields) {
    std::size_t width = 0;
    for (const auto& field : fields)
        width = std::max(width, field.name.size());
    return width;
}

int dumpFile(const std::string& path) {
    BlockBytes blockBytes{};
    if (!load(path, blockBytes))
        return kExitFile;
    const dump::SettingsReport report = dump::makeSettingsReport(blockBytes);
    const int width = static_cast<int>(widestName(report));
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (i > 0 && report[i].group != report[i - 1].group)
            std::fputc('\n', stdout);
        std::printf("%-*s  %s\n", width, report[i].name.c_str(), report[i].value.c_str());
    }
    return kExitOk;
}

int diffFiles(const std::string& first, const std::string& second) {
    BlockBytes a{};
    BlockBytes b{};
    // Both files are checked before anything is printed, so an error is never mixed
    // into a partial comparison.
    const bool haveA = load(first, a);
    const bool haveB = load(second, b);
    if (!haveA || !haveB)
        return kExitFile;

    const dump::ReportOptions complete{.alwaysListSpareReverseBits = true};
    const auto differences = dump::compareReports(dump::makeSettingsReport(a, complete),
                                                  dump::makeSettingsReport(b, complete));
    const int width = static_cast<int>(widestName(differences));
    for (const auto& d : differences) {
        std::printf("%-*s  %s -> %s\n", width, d.name.c_str(), d.first.c_str(), d.second.c_str());
    }
    return differences.empty() ? kExitOk : kExitDiffer;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    enum class Mode { Dump, Diff, Json, Pack, Sheet } mode = Mode::Dump;
    std::string sheetOutput;
    constexpr const char* kSheetAlone = "--sheet excludes --diff, --json and --pack";
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            std::fputs(kUsage, stdout);
            return kExitOk;
        }
        if (!optionsEnded && arg == "--sheet") {
            if (mode != Mode::Dump)
                return usageError(kSheetAlone);
            if (i + 1 >= argc)
                return usageError("--sheet needs an output file (\"-\" for text) and a file");
            mode = Mode::Sheet;
            sheetOutput = argv[++i];
        } else if (!optionsEnded && (arg == "--diff" || arg == "--json" || arg == "--pack")) {
            if (mode == Mode::Sheet)
                return usageError(kSheetAlone);
            if (mode != Mode::Dump)
                return usageError("--diff, --json and --pack exclude each other");
            mode = arg == "--diff" ? Mode::Diff : arg == "--json" ? Mode::Json : Mode::Pack;
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
            return usageError("unknown option " + std::string(arg));
        } else {
            files.emplace_back(arg);
        }
    }
    switch (mode) {
        case Mode::Diff:
            if (files.size() != 2)
                return usageError("--diff needs exactly two files");
            return diffFiles(files[0], files[1]);
        case Mode::Json:
            if (files.size() != 1)
                return usageError("--json needs exactly one file");
            return printJson(files[0]);
        case Mode::Pack:
            if (files.size() != 2)
                return usageError("--pack needs a model file and an output file");
            return pack(files[0], files[1]);
        case Mode::Sheet:
            if (files.size() != 1)
                return usageError("--sheet needs an output file (\"-\" for text) and a file");
            return writeSheet(sheetOutput, files[0]);
        case Mode::Dump:
            break;
    }
    if (files.size() != 1)
        return usageError("expected exactly one file");
    return dumpFile(files[0]);
}
