// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for settings files: the input is the content of a file the user opens. Only a
// file of exactly 67 bytes that contentKind calls a block (not one starting like a model in
// the readable format, "{" after a byte order mark and blanks, unless it holds a control
// character) is taken, and then byte for byte; anything else is refused with a text that
// names the file. Reading leaves no descriptor open and no file behind.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <variant>

#include "link/settingsfile.h"

namespace {

namespace fs = std::filesystem;
using pelorin::BlockBytes;
using pelorin::FileError;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "settingsfile_fuzz: %s\n", what);
    std::abort();
}

void check(bool condition, const char* what) {
    if (!condition)
        fail(what);
}

void removeWorkFolder();

// A folder of our own on a memory file system when there is one.
const fs::path& workFolder() {
    // Never destroyed: removeWorkFolder() still needs it when the process exits.
    static const fs::path& folder = *new fs::path([] {
        std::error_code ec;
        fs::path base = "/dev/shm";
        if (!fs::is_directory(base, ec))
            base = fs::temp_directory_path(ec);
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            fs::path candidate = base / ("pelorin-fuzz-" + std::to_string(random()));
            if (fs::create_directory(candidate, ec)) {
                std::atexit(removeWorkFolder);
                return candidate;
            }
        }
        fail("cannot create a work folder");
    }());
    return folder;
}

void removeWorkFolder() {
    std::error_code ec;
    fs::remove_all(workFolder(), ec);
}

void writeRaw(const fs::path& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out.flush())
        fail("cannot write the input file");
}

// Entries of a folder; -1 when it cannot be listed.
int entryCount(const fs::path& folder) {
    std::error_code ec;
    int count = 0;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        ++count;
    return ec ? -1 : count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Open descriptors, as the system lists them (where it does).
    static const int descriptorsAtStart = entryCount("/proc/self/fd");
    const std::string input = (workFolder() / "chosen file.pel").string();

    writeRaw(input, data, size);
    const auto loaded = pelorin::readSettingsFile(input);
    const pelorin::ContentKind kind = pelorin::contentKind({data, size});
    if (kind == pelorin::ContentKind::SettingsBlock) {
        check(std::holds_alternative<BlockBytes>(loaded), "a 67-byte file was refused");
        const BlockBytes& block = std::get<BlockBytes>(loaded);
        check(std::equal(block.begin(), block.end(), data), "loaded bytes differ from the file");
    } else {
        check(std::holds_alternative<FileError>(loaded), "a file that is no block was taken");
        const std::string& text = std::get<FileError>(loaded).text;
        check(text.find(input) != std::string::npos, "the refusal does not name the file");
        // Refused for its size, or, when it starts like a model, for being one.
        check(text.find(std::to_string(size) + " byte") != std::string::npos ||
                  text.find("readable format") != std::string::npos,
              "the refusal gives neither the size nor the format");
    }

    check(entryCount(workFolder()) == 1, "reading left a file behind");
    check(entryCount("/proc/self/fd") == descriptorsAtStart, "a descriptor was left open");
    return 0;
}
