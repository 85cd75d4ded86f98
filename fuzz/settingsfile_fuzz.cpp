// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for settings files: the input is the content of a file the user opens. Only a
// file of exactly 67 bytes that contentKind calls a block (not one starting like a model in
// the readable format, "{" after a byte order mark and blanks, unless it holds a control
// character) is taken, and then byte for byte; anything else is refused with a text that
// names the file. Reading leaves no descriptor open and no file behind.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

#include "link/settingsfile.h"

namespace {

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
const std::string& workFolder() {
    // Never destroyed: removeWorkFolder() still needs it when the process exits.
    static const std::string& folder = *new std::string([] {
        std::string base = "/dev/shm";
        struct stat info {};
        if (::stat(base.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            const char* tmp = std::getenv("TMPDIR");
            base = tmp && *tmp ? tmp : "/tmp";
        }
        std::string templ = base + "/pelorin-fuzz-XXXXXX";
        if (::mkdtemp(templ.data()) == nullptr)
            fail("cannot create a work folder");
        std::atexit(removeWorkFolder);
        return templ;
    }());
    return folder;
}

void removeWorkFolder() {
    ::unlink((workFolder() + "/chosen file.pel").c_str());
    ::rmdir(workFolder().c_str());
}

void writeRaw(const std::string& path, const std::uint8_t* data, std::size_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        fail("cannot write the input file");
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n <= 0)
            fail("short write of the input file");
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    ::close(fd);
}

// Entries of the work folder other than "." and "..".
int entryCount() {
    DIR* dir = ::opendir(workFolder().c_str());
    if (dir == nullptr)
        fail("cannot list the work folder");
    int count = 0;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..")
            ++count;
    }
    ::closedir(dir);
    return count;
}

int openDescriptors() {
    DIR* dir = ::opendir("/proc/self/fd");
    if (dir == nullptr)
        return -1;
    int count = 0;
    while (::readdir(dir) != nullptr)
        ++count;
    ::closedir(dir);
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const int descriptorsAtStart = openDescriptors();
    const std::string input = workFolder() + "/chosen file.pel";

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

    check(entryCount() == 1, "reading left a file behind");
    check(openDescriptors() == descriptorsAtStart, "a descriptor was left open");
    return 0;
}
