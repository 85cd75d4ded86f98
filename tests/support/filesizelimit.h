// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A disk that fills up, for this process and for as long as the object lives: files may grow
// to `bytes` and no further, and a write beyond fails with EFBIG as on a full disk, also for
// root. SIGXFSZ, which the system sends on such a write and which would end the process, is
// ignored meanwhile. POSIX systems only (posix/filesizelimit.cpp).
//
//     {
//         FileSizeLimit limit(400);
//         ASSERT_TRUE(limit.applied());
//         ...writes that fail past 400 bytes...
//     }   // the old limit and the old SIGXFSZ handling are back

#include <cstdint>

namespace pelorin::test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uint64_t bytes);
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit();

    // The limit is in force (false: the system refused it, and nothing was changed).
    [[nodiscard]] bool applied() const { return applied_; }

private:
    bool applied_ = false;
    std::uint64_t previousSoft_ = 0;
    std::uint64_t previousHard_ = 0;
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace pelorin::test
