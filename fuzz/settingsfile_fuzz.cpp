// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for settings files: the input is the content of a file the user opens. Only a
// file of exactly 67 bytes is taken, and then byte for byte; anything else is refused with a
// text that names the file. Every block then survives a save and a load unchanged, both onto
// the existing file and as a new one, without leaving temporary files or descriptors behind.

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

// A folder of our own on a memory file system when there is one: saving syncs to disk.
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
    for (const char* name : {"/chosen file.pel", "/new"})
        ::unlink((workFolder() + name).c_str());
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

long fileSize(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : -1;
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

void roundTrip(const std::string& path, const BlockBytes& block) {
    const std::optional<FileError> saved = pelorin::writeSettingsFile(path, block);
    check(!saved.has_value(), "saving a settings file failed");
    check(fileSize(path) == 67, "a saved file is not 67 bytes");
    const auto loaded = pelorin::readSettingsFile(path);
    check(std::holds_alternative<BlockBytes>(loaded), "a saved file does not load");
    check(std::get<BlockBytes>(loaded) == block, "a saved file loads different bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const int descriptorsAtStart = openDescriptors();
    const std::string input = workFolder() + "/chosen file.pel";
    const std::string fresh = workFolder() + "/new";

    writeRaw(input, data, size);
    const auto loaded = pelorin::readSettingsFile(input);
    if (size == 67) {
        check(std::holds_alternative<BlockBytes>(loaded), "a 67-byte file was refused");
        const BlockBytes& block = std::get<BlockBytes>(loaded);
        check(std::equal(block.begin(), block.end(), data), "loaded bytes differ from the file");
    } else {
        check(std::holds_alternative<FileError>(loaded), "a file that is not 67 bytes was taken");
        const std::string& text = std::get<FileError>(loaded).text;
        check(text.find(input) != std::string::npos, "the refusal does not name the file");
        check(text.find(std::to_string(size) + " byte") != std::string::npos,
              "the refusal does not give the size");
    }

    // Whatever the file held, its first bytes as a block must survive saving and loading.
    BlockBytes block{};
    std::copy_n(data, std::min(size, block.size()), block.begin());
    roundTrip(input, block);  // replaces an existing file
    roundTrip(fresh, block);  // creates a new one
    check(::unlink(fresh.c_str()) == 0, "the new file is not where it was saved");
    check(entryCount() == 1, "a save left a file behind");

    check(openDescriptors() == descriptorsAtStart, "a descriptor was left open");
    return 0;
}
