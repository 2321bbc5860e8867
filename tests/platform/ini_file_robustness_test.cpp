// Random and mutated INI files, and writers killed in the middle of a write.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/ini_file.h"
#include "ini_fixture.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class IniRobustness : public IniFixture {};

const std::array<const char*, 5> kSections{"A", "a", "Sect", " SECT ", "B"};
const std::array<const char*, 5> kKeys{"k", "K", "key", " Key ", "x"};
const std::array<const char*, 5> kValues{"", "1", "two words", "=eq=", "\x01\xfe"};

std::string Lower(std::string text) {
    std::string trimmed;
    for (char c : text) {
        if (c != ' ') trimmed += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return trimmed;
}

// A file made of INI-like pieces and noise, in random order.
std::string RandomFile(std::mt19937& random) {
    static const std::array<const char*, 18> pieces{
        "[A]", "[a ]", "[Sect]", "[B", "k=1", " K = 2 ", "key=", "x", "=v", ";k=c", "#x=1",
        "\r\n", "\n", "\n", "\r", "\t", "]", "=="};
    std::string file;
    const int count = static_cast<int>(random() % 40);
    for (int i = 0; i < count; ++i) {
        const size_t pick = random() % (pieces.size() + 2);
        if (pick == pieces.size()) {
            file += static_cast<char>(random() % 256);
        } else if (pick == pieces.size() + 1) {
            file += '\0';
        } else {
            file += pieces[pick];
        }
    }
    return file;
}

// Flips, inserts and deletes bytes of a plausible settings file.
std::string MutatedFile(std::mt19937& random) {
    std::string file = "[A]\r\nk=1\r\nkey=abc\r\n\r\n[Sect]\nx=5\n; note\n[B]\nk=9\n";
    static const std::string specials = "\r\n=[]; \t";
    const int edits = 1 + static_cast<int>(random() % 6);
    for (int i = 0; i < edits && !file.empty(); ++i) {
        const size_t at = random() % file.size();
        switch (random() % 3) {
            case 0: file[at] = specials[random() % specials.size()]; break;
            case 1: file.insert(at, 1, static_cast<char>(random() % 256)); break;
            default: file.erase(at, 1); break;
        }
    }
    return file;
}

struct Probe {
    std::string section;
    std::string key;
    std::string value;
};

std::vector<Probe> ReadAll(const IniFile& ini) {
    std::vector<Probe> probes;
    for (const char* section : kSections) {
        for (const char* key : kKeys) probes.push_back({section, key, ini.ReadString(section, key, "<none>")});
    }
    return probes;
}

// Everything outside the one changed stretch is kept, and that stretch lies
// within one line of the old file.
void ExpectOneLineChanged(const std::string& before, const std::string& after) {
    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::string removed = before.substr(prefix, before.size() - prefix - suffix);
    EXPECT_EQ(removed.find('\n'), std::string::npos) << "lost a line break";
}

void CheckOneWrite(IniFile& ini, std::mt19937& random) {
    const std::string section = kSections[random() % kSections.size()];
    const std::string key = kKeys[random() % kKeys.size()];
    const std::string value = kValues[random() % kValues.size()];
    const std::vector<Probe> old_reads = ReadAll(ini);
    ASSERT_TRUE(ini.WriteString(section, key, value));
    EXPECT_EQ(ini.ReadString(section, key, "<none>"), value);
    const std::vector<Probe> new_reads = ReadAll(ini);
    for (size_t i = 0; i < old_reads.size(); ++i) {
        const Probe& probe = old_reads[i];
        const bool target = Lower(probe.section) == Lower(section) && Lower(probe.key) == Lower(key);
        if (!target) {
            EXPECT_EQ(new_reads[i].value, probe.value) << probe.section << "/" << probe.key;
        }
    }
}

TEST_F(IniRobustness, RandomAndMutatedFilesKeepEveryOtherByte) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        const std::string before = (round % 2 == 0) ? RandomFile(random) : MutatedFile(random);
        Put(before);
        IniFile ini(path);
        SCOPED_TRACE(testing::Message() << "round " << round);
        CheckOneWrite(ini, random);
        ExpectOneLineChanged(before, Contents());
        // Writing a key back with the value it reads keeps the rest as well
        // (a stray carriage return inside a value cannot be written back).
        const std::string once = Contents();
        const std::string value = ini.ReadString("Sect", "x", "");
        EXPECT_EQ(ini.WriteString("Sect", "x", value), value.find('\r') == std::string::npos);
        ExpectOneLineChanged(once, Contents());
        if (HasFailure()) break;
    }
}

bool UnnamedFilesWorkIn(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

// The file a writer produces for one counter value.
std::string VersionFor(const std::string& counter) {
    std::string head;
    std::string tail;
    for (int i = 0; i < 400; ++i) head += "[Head" + std::to_string(i) + "]\r\nfiller=" + std::string(40, 'h') + "\r\n";
    for (int i = 0; i < 400; ++i) tail += "[Tail" + std::to_string(i) + "]\r\nfiller=" + std::string(40, 't') + "\r\n";
    return head + "[Counter]\r\nvalue=" + counter + "\r\n" + tail;
}

std::string CounterValue(int i) { return std::to_string(i) + "-" + std::string(static_cast<size_t>(i % 3000), 'x'); }

// Runs one write in a child process that the system kills as soon as the
// write passes `limit` bytes of any file (the file-size limit raises SIGXFSZ
// inside write()), so the writer is stopped at a known point of the write.
int WriteInChildLimitedTo(const std::string& path, rlim_t limit, const std::string& value) {
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit no_core{0, 0};
        ::setrlimit(RLIMIT_CORE, &no_core);
        const rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        IniFile(path).WriteString("Counter", "value", value);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

TEST_F(IniRobustness, KilledWriterLeavesOldOrNewFile) {
    Put(VersionFor("start"));
    const size_t new_size = VersionFor(CounterValue(2999)).size();
    for (const rlim_t limit : {rlim_t{0}, rlim_t{1}, rlim_t{4096}, rlim_t{new_size / 2}, rlim_t{new_size - 1}}) {
        SCOPED_TRACE(testing::Message() << "killed after " << limit << " bytes");
        ASSERT_EQ(WriteInChildLimitedTo(path, limit, CounterValue(2999)), SIGXFSZ);
        EXPECT_EQ(Contents(), VersionFor("start"));
        // Where the file system has files without a name, the half-written
        // one went with the writer; elsewhere its named temporary stayed.
        std::vector<fs::path> leftovers;
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path() != fs::path(path)) leftovers.push_back(entry.path());
        }
        ASSERT_EQ(leftovers.size(), UnnamedFilesWorkIn(folder) ? 0u : 1u);
        for (const fs::path& leftover : leftovers) {
            EXPECT_LE(fs::file_size(leftover), limit);
            fs::remove(leftover);
        }
    }
    // A writer that is not stopped puts the whole new file in place.
    ASSERT_EQ(WriteInChildLimitedTo(path, RLIM_INFINITY, CounterValue(2999)), 0);
    EXPECT_EQ(Contents(), VersionFor(CounterValue(2999)));
    EXPECT_EQ(EntriesInFolder(), 1u);
}

// Kills at whatever moment the timing gives (inside a write, between the
// flush and the rename, between two writes): the file is always one whole
// version. How many kills land inside a write depends on the machine, so
// only the file is checked here.
TEST_F(IniRobustness, RandomlyKilledWritersLeaveWholeFiles) {
    Put(VersionFor("start"));
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            IniFile ini(path);
            for (int i = round * 100000; i < round * 100000 + 100000; ++i) ini.WriteString("Counter", "value", CounterValue(i));
            ::_exit(0);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200 + random() % 20000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::string value = IniFile(path).ReadString("Counter", "value", "<missing>");
        ASSERT_EQ(Contents(), VersionFor(value)) << "round " << round;
    }
}

}  // namespace
}  // namespace velmora
