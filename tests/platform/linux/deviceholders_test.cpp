// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the programs that hold a serial device open, and the texts that name them: a made-up
// /proc tree for the cases, a child process holding a real pseudo-terminal for the real thing.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/deviceholders.h"
#include "platform/linux/qtserialcontrol.h"
#include "platform/portadvice.h"

namespace pelorin {
namespace {

namespace fs = std::filesystem;
using ::testing::AllOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

// A scratch folder laid out like /proc: <pid>/comm, <pid>/cmdline and <pid>/fd/<n> links.
class FakeProc {
public:
    FakeProc() {
        std::string pattern = (fs::temp_directory_path() / "pelorin-proc-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            root_ = pattern;
    }
    ~FakeProc() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    FakeProc(const FakeProc&) = delete;
    FakeProc& operator=(const FakeProc&) = delete;

    [[nodiscard]] std::string root() const { return root_.string(); }

    // A process; `comm` as the kernel writes it (with its newline), empty: no comm file.
    void process(int pid, const std::string& comm, const std::string& cmdline = {}) {
        const fs::path dir = root_ / std::to_string(pid);
        fs::create_directories(dir / "fd");
        if (!comm.empty())
            std::ofstream(dir / "comm") << comm;
        if (!cmdline.empty())
            std::ofstream(dir / "cmdline", std::ios::binary) << cmdline;
    }
    void openFile(int pid, int fd, const std::string& target) {
        fs::create_symlink(target, root_ / std::to_string(pid) / "fd" / std::to_string(fd));
    }
    [[nodiscard]] fs::path dir(int pid) const { return root_ / std::to_string(pid); }

private:
    fs::path root_;
};

TEST(DeviceHoldersTest, ProcessesWithTheDeviceOpen_AreFoundOnceEachInPidOrder) {
    FakeProc proc;
    proc.process(4242, "minicom\n");
    proc.openFile(4242, 3, "/dev/ttyUSB0");
    proc.openFile(4242, 4, "/dev/ttyUSB0");
    proc.process(812, "ModemManager\n");
    proc.openFile(812, 0, "/dev/null");
    proc.openFile(812, 7, "/dev/ttyUSB0");
    proc.process(100, "bash\n");
    proc.openFile(100, 0, "/dev/pts/1");
    proc.process(9, "picocom\n");
    proc.openFile(9, 3, "/dev/ttyUSB1");
    proc.openFile(9, 4, "/dev/ttyUSB0 (deleted)");
    // Entries that are no process.
    fs::create_directory_symlink("812", proc.dir(812).parent_path() / "self");
    fs::create_directories(proc.dir(812).parent_path() / "sys");
    fs::create_directories(proc.dir(812).parent_path() / "12ab/fd");
    fs::create_symlink("/dev/ttyUSB0", proc.dir(812).parent_path() / "12ab/fd/1");

    const DeviceHolderScan scan = findDeviceHolders("/dev/ttyUSB0", proc.root());

    EXPECT_THAT(scan.holders,
                ElementsAre(DeviceHolder{812, "ModemManager"}, DeviceHolder{4242, "minicom"}));
    EXPECT_TRUE(scan.complete);
}

TEST(DeviceHoldersTest, NobodyHoldsTheDevice_FindsNothingAndSawEverything) {
    FakeProc proc;
    proc.process(812, "ModemManager\n");
    proc.openFile(812, 7, "/dev/ttyUSB1");

    const DeviceHolderScan scan = findDeviceHolders("/dev/ttyUSB0", proc.root());

    EXPECT_THAT(scan.holders, IsEmpty());
    EXPECT_TRUE(scan.complete);
}

struct NameCase {
    const char* what;
    std::string comm;
    std::string cmdline;
    std::string expected;
};

TEST(DeviceHoldersTest, ProgramName_FromCommOrTheWholeCommandName) {
    using namespace std::string_literals;
    const NameCase cases[] = {
        {"short comm", "brltty\n", "/sbin/brltty\0-P\0/run/brltty.pid\0"s, "brltty"},
        {"cut comm, longer command", "pelorin_serial_\n",
         "/work/build/bin/pelorin_serial_tests\0--gtest_brief\0"s, "pelorin_serial_tests"},
        {"cut comm, unrelated command", "worker-thread-1\n", "/usr/bin/python3\0run.py\0"s,
         "worker-thread-1"},
        {"no comm", "", "/usr/sbin/ModemManager\0"s, "ModemManager"},
        {"neither", "", "", ""},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.what);
        FakeProc proc;
        proc.process(77, c.comm, c.cmdline);
        proc.openFile(77, 5, "/dev/ttyACM0");
        EXPECT_THAT(findDeviceHolders("/dev/ttyACM0", proc.root()).holders,
                    ElementsAre(DeviceHolder{77, c.expected}));
    }
}

TEST(DeviceHoldersTest, ProcessThatEndedDuringTheScan_IsNoGap) {
    FakeProc proc;
    proc.process(500, "brltty\n");
    fs::remove(proc.dir(500) / "fd");

    const DeviceHolderScan scan = findDeviceHolders("/dev/ttyUSB0", proc.root());

    EXPECT_THAT(scan.holders, IsEmpty());
    EXPECT_TRUE(scan.complete);
}

TEST(DeviceHoldersTest, UnreadableOpenFiles_MarkTheScanIncompleteAndKeepWhatWasFound) {
    // A user may not list another user's open files. Root may list anything, so the test
    // makes the folder unlistable by putting a plain file in its place.
    FakeProc proc;
    proc.process(812, "ModemManager\n");
    fs::remove(proc.dir(812) / "fd");
    std::ofstream(proc.dir(812) / "fd") << "";
    proc.process(4242, "minicom\n");
    proc.openFile(4242, 3, "/dev/ttyUSB0");

    const DeviceHolderScan scan = findDeviceHolders("/dev/ttyUSB0", proc.root());

    EXPECT_THAT(scan.holders, ElementsAre(DeviceHolder{4242, "minicom"}));
    EXPECT_FALSE(scan.complete);
}

TEST(DeviceHoldersTest, MissingProcFolder_FindsNothingAndSaysSo) {
    const DeviceHolderScan scan =
        findDeviceHolders("/dev/ttyUSB0", "/nonexistent/pelorin-proc-missing");
    EXPECT_THAT(scan.holders, IsEmpty());
    EXPECT_FALSE(scan.complete);
}

// A child process that opens the slave side of a pseudo-terminal under a name of its own and
// keeps it open until the object goes away.
class PtyHolderChild {
public:
    explicit PtyHolderChild(bool exclusive) {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        std::array<char, PATH_MAX> name{};
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
            ::ptsname_r(master_, name.data(), name.size()) != 0)
            return;
        slavePath_ = name.data();
        int ready[2];
        int release[2];
        if (::pipe2(ready, O_CLOEXEC) != 0 || ::pipe2(release, O_CLOEXEC) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            // Only async-signal-safe calls from here on.
            ::prctl(PR_SET_NAME, "ptyholder", 0, 0, 0);
            // The parent's ends, so that closing them there reaches this process.
            ::close(ready[0]);
            ::close(release[1]);
            const int fd = ::open(name.data(), O_RDWR | O_NOCTTY);
            if (fd >= 0 && exclusive)
                ::ioctl(fd, TIOCEXCL);
            const char status = fd >= 0 ? 'y' : 'n';
            (void)!::write(ready[1], &status, 1);
            char byte = 0;
            (void)!::read(release[0], &byte, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        release_ = release[1];
        char status = 'n';
        opened_ = pid_ > 0 && ::read(ready[0], &status, 1) == 1 && status == 'y';
        ::close(ready[0]);
    }
    ~PtyHolderChild() { finish(); }
    PtyHolderChild(const PtyHolderChild&) = delete;
    PtyHolderChild& operator=(const PtyHolderChild&) = delete;

    // Lets the child end and waits for it.
    void finish() {
        if (release_ >= 0)
            ::close(release_);
        release_ = -1;
        if (pid_ > 0)
            ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

    [[nodiscard]] bool opened() const { return opened_; }
    [[nodiscard]] int pid() const { return pid_; }
    [[nodiscard]] const std::string& slavePath() const { return slavePath_; }

private:
    int master_ = -1;
    int release_ = -1;
    pid_t pid_ = -1;
    bool opened_ = false;
    std::string slavePath_;
};

TEST(DeviceHoldersTest, ChildHoldingAPseudoTerminal_IsFoundByNameAndPidUntilItEnds) {
    PtyHolderChild child(false);
    ASSERT_TRUE(child.opened());
    const int pid = child.pid();
    const std::string path = fs::canonical(child.slavePath()).string();

    const DeviceHolderScan scan = findDeviceHolders(path);
    EXPECT_THAT(scan.holders, Contains(DeviceHolder{pid, "ptyholder"}));
    // This process holds only the master side.
    EXPECT_THAT(scan.holders, Not(Contains(::testing::Field(&DeviceHolder::pid, ::getpid()))));

    child.finish();
    EXPECT_THAT(findDeviceHolders(path).holders,
                Not(Contains(::testing::Field(&DeviceHolder::pid, pid))));
}

// The texts shown when a port does not open.

const DeviceHolder kModemManager{812, "ModemManager"};
const DeviceHolder kBrltty{500, "brltty"};
const DeviceHolder kMinicom{4242, "minicom"};
const DeviceHolder kUnnamed{77, ""};

struct TextCase {
    const char* what;
    OpenFailure failure;
    DeviceHolderScan scan;
    std::vector<const char*> mentions;
    std::vector<const char*> absent;
};

TEST(OpenErrorTextTest, BusyOrRefusedPort_NamesTheHoldersAndWhatToDo) {
    const TextCase cases[] = {
        {"ModemManager probing",
         OpenFailure::Busy,
         {{kModemManager}, true},
         {"in use (Reason X)", "It is held by ModemManager (pid 812).", "Wait a moment",
          "sudo systemctl stop ModemManager"},
         {"Another program", "brltty", "fuser"}},
        {"brltty",
         OpenFailure::Busy,
         {{kBrltty}, false},
         {"It is held by brltty (pid 500).", "Braille display", "sudo apt remove brltty"},
         {"ModemManager", "fuser"}},
        {"a terminal program",
         OpenFailure::Busy,
         {{kMinicom}, true},
         {"It is held by minicom (pid 4242).", "Close minicom (pid 4242), then try again."},
         {"ModemManager", "brltty"}},
        {"several",
         OpenFailure::Busy,
         {{kUnnamed, kBrltty, kModemManager, kMinicom}, true},
         {"held by process 77, brltty (pid 500), ModemManager (pid 812) and minicom (pid 4242).",
          "sudo systemctl stop ModemManager", "sudo apt remove brltty",
          "Close process 77 and minicom (pid 4242), then try again."},
         {}},
        {"nobody found, everything seen",
         OpenFailure::Busy,
         {{}, true},
         {"in use", "Another program holds it open", "ModemManager"},
         {"fuser", "held by"}},
        {"nobody found, not everything seen",
         OpenFailure::Busy,
         {{}, false},
         {"Another program holds it open",
          "To see which program it is:\n    sudo fuser -v "
          "/dev/pts/4"},
         {"held by"}},
        {"no permission, held by brltty",
         OpenFailure::PermissionDenied,
         {{kBrltty}, false},
         {"sudo usermod -aG dialout $USER", "also held by brltty (pid 500).",
          "sudo apt remove brltty"},
         {"fuser"}},
        {"no permission, nobody found",
         OpenFailure::PermissionDenied,
         {{}, false},
         {"dialout"},
         {"held by", "fuser"}},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = openErrorText("COM1", "/run/user/1000/pelorin/ports/txsim",
                                               "/dev/pts/4", c.failure, "Reason X", c.scan)
                                     .toStdString();
        EXPECT_THAT(text, HasSubstr("COM1 (/run/user/1000/pelorin/ports/txsim \u2192 /dev/pts/4)"));
        for (const char* mention : c.mentions)
            EXPECT_THAT(text, HasSubstr(mention));
        for (const char* word : c.absent)
            EXPECT_THAT(text, Not(HasSubstr(word)));
    }
}

TEST(OpenErrorTextTest, PortHeldByAnotherProcess_OpeningItNamesThatProcess) {
    PtyHolderChild child(true);
    ASSERT_TRUE(child.opened());
    const std::string device = child.slavePath();
    QtSerialControl serial;

    const SerialStatus status = serial.open({device, "COM1"}, kLineSettings);

    ASSERT_FALSE(status.ok());
    EXPECT_THAT(status.error(), AllOf(HasSubstr("in use"),
                                      HasSubstr("It is held by ptyholder (pid " +
                                                std::to_string(child.pid()) + ")."),
                                      HasSubstr("Close ptyholder")));
    EXPECT_FALSE(serial.isOpen());
}

}  // namespace
}  // namespace pelorin
