// The kept game's file: what is written reads back the same, anything else
// (cut, changed, another version, well sealed but malformed) is refused, and
// a write that fails leaves the old file in place.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "engine/play/move_log.h"
#include "program_folder.h"
#include "storage/kept_game_file.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing_support::ProgramFolder;

std::vector<std::string> Position(const std::string& tableau_one) {
    std::vector<std::string> lines(57);
    lines[0] = "01200130";
    lines[3] = "0011";
    lines[19] = tableau_one;  // the first tableau pile
    return lines;
}

KeptGame Sample() {
    KeptGame kept;
    kept.game = 2;
    kept.deal_number = "1234567";
    kept.seconds = 754;
    kept.score = "-37";
    kept.counters = {2, 2, 0, 3, 1, 5, true, 1};
    kept.displacement[0] = {0, 1, -1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    kept.position = Position("0250");
    AppendStep(kept.undo, Position(""), "");
    AppendStep(kept.undo, Position("0251"), "001");
    AppendStep(kept.redo, Position("02510260"), "");
    return kept;
}

// FNV-1a, 64 bits: the seal the file carries, computed here independently.
std::string Sealed(const std::string& body) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : body) hash = (hash ^ c) * 1099511628211ull;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return body + "end " + hex + "\n";
}

std::string BodyOf(const std::string& text) {
    return text.substr(0, text.rfind("end "));
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

bool Parses(const std::string& text, std::string* why = nullptr) {
    KeptGame kept;
    std::string reason;
    const bool ok = ParseKeptGame(text, kept, reason);
    if (why) *why = reason;
    if (!ok) {
        EXPECT_FALSE(reason.empty());
    }
    return ok;
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(KeptGameFile, WhatIsWrittenReadsBackTheSame) {
    for (KeptGame kept : {Sample(), KeptGame{}}) {
        if (kept.position.empty()) kept.position.resize(57);  // a fresh deal with no moves yet
        const std::string text = FormatKeptGame(kept);
        KeptGame read;
        std::string why;
        ASSERT_TRUE(ParseKeptGame(text, read, why)) << why << "\n" << text;
        EXPECT_EQ(read, kept);
    }
}

TEST(KeptGameFile, ASavedGameAndTheKeptGameAreNeverTakenForEachOther) {
    const KeptGame kept = Sample();
    const std::string saved = FormatKeptGame(kept, GameFileKind::kSaved);
    KeptGame read;
    std::string why;
    ASSERT_TRUE(ParseKeptGame(saved, read, why, GameFileKind::kSaved)) << why;
    EXPECT_EQ(read, kept);
    EXPECT_FALSE(ParseKeptGame(saved, read, why));
    EXPECT_EQ(why, "it is not a kept game");
    EXPECT_FALSE(ParseKeptGame(FormatKeptGame(kept), read, why, GameFileKind::kSaved));
    EXPECT_EQ(why, "it is not a saved game");
}

TEST(KeptGameFile, EveryCutAndEveryChangedByteIsRefused) {
    const std::string text = FormatKeptGame(Sample());
    for (size_t cut = 0; cut < text.size(); ++cut) ASSERT_FALSE(Parses(text.substr(0, cut))) << "cut at " << cut;
    for (size_t at = 0; at < text.size(); ++at) {
        std::string changed = text;
        changed[at] = static_cast<char>(changed[at] ^ 0x04);
        ASSERT_FALSE(Parses(changed)) << "byte " << at << " changed";
    }
    EXPECT_FALSE(Parses(text + "\n"));
    EXPECT_FALSE(Parses(text + text));
}

TEST(KeptGameFile, AnotherVersionOrAnotherFileIsNamedAsSuch) {
    std::string text = FormatKeptGame(Sample());
    std::string why;
    Replace(text, "version 2", "version 3");
    EXPECT_FALSE(Parses(Sealed(BodyOf(text)), &why));
    EXPECT_NE(why.find("another version"), std::string::npos) << why;
    EXPECT_FALSE(Parses("[Preference]\nGame=2\n", &why));
    EXPECT_NE(why.find("not a kept game"), std::string::npos) << why;
    EXPECT_FALSE(Parses("", &why));
}

// A file of the first version has no line for the deal's own steps: it
// reads with them unknown, to be counted again from the deal.
TEST(KeptGameFile, AFileOfTheFirstVersionReadsWithoutTheDealsSteps) {
    std::string body = BodyOf(FormatKeptGame(Sample()));
    Replace(body, "version 2", "version 1");
    Replace(body, "deal_steps 1\n", "");
    KeptGame read;
    std::string why;
    ASSERT_TRUE(ParseKeptGame(Sealed(body), read, why)) << why;
    EXPECT_EQ(read.counters.deal_steps, -1);
    KeptGame expected = Sample();
    expected.counters.deal_steps = -1;
    EXPECT_EQ(read, expected);
    Replace(body, "no_refill 1\n", "no_refill 1\ndeal_steps 1\n");
    EXPECT_FALSE(Parses(Sealed(body)));
}

// Files that carry a valid seal yet are not what the writer makes: a reader
// that trusted the seal alone would read past the end or take junk.
TEST(KeptGameFile, SealedButMalformedFilesAreRefused) {
    const std::string body = BodyOf(FormatKeptGame(Sample()));
    ASSERT_TRUE(Parses(Sealed(body)));
    const std::vector<std::pair<std::string, std::string>> changes{
        {"undo 2\n", "undo 3\n"},              // more steps than lines
        {"undo 2\n", "undo 999999999\n"},      // a count that would allocate wildly
        {"redo 1\n", "redo -1\n"},
        {"clock 754\n", "clock 7x\n"},
        {"clock 754\n", "clock 99999999999\n"},  // beyond an int
        {"game 2\n", "game \n"},
        {"no_refill 1\n", "no_refill 2\n"},
        {"deal_steps 1\n", "deal_steps -2\n"},
        {"deal_steps 1\n", ""},
        {"shifts 0 1 -1 2", "shifts 0 1 -1"},  // 97 numbers
        {"shifts 0 1 -1 2", "shifts 0 1  -1 2"},
        {"position\n|01200130\n", "position\n01200130\n"},  // a line without its mark
        {"notes |,001,", "notes ,001,"},
        {"passes 2\nmoves 2\n", "moves 2\npasses 2\n"},  // items out of order
    };
    for (const auto& [from, to] : changes) {
        std::string changed = body;
        Replace(changed, from, to);
        EXPECT_FALSE(Parses(Sealed(changed))) << from << " -> " << to;
    }
    EXPECT_FALSE(Parses(Sealed(body + "|0011\n"))) << "a line after the redo side";
}

class KeptGameOnDisk : public testing::Test {
  protected:
    void SetUp() override {
        params.ParamInit(true, folder.Folder());
        params.SetDataFolder(folder.Folder());
        fs::create_directories(folder.Folder() + "DATA");
        path = KeptGamePath(params);
    }
    size_t EntriesInData() const {
        size_t n = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Folder() + "DATA")) ++n;
        return n;
    }

    ProgramFolder folder;
    ParamRecord params;
    std::string path;
};

TEST_F(KeptGameOnDisk, LivesInTheDataFolderAndComesBackUntilForgotten) {
    EXPECT_EQ(path, folder.Folder() + "DATA/RESUME.DAT");
    KeptGame kept;
    std::string why;
    EXPECT_EQ(ReadKeptGame(path, kept, why), KeptGameRead::kNone);
    ASSERT_TRUE(WriteKeptGame(path, Sample()));
    EXPECT_EQ(ReadKeptGame(path, kept, why), KeptGameRead::kRead) << why;
    EXPECT_EQ(kept, Sample());
    ForgetKeptGame(path);
    EXPECT_EQ(ReadKeptGame(path, kept, why), KeptGameRead::kNone);
    EXPECT_EQ(EntriesInData(), 0u);
}

TEST_F(KeptGameOnDisk, AnUnreadableFileIsSetAsideReplacingAnOlderOne) {
    std::ofstream(path + ".bad") << "an older damaged game";
    std::ofstream(path) << "Velmora kept game\nversion 1\ngame 2\n";
    KeptGame kept;
    std::string why;
    EXPECT_EQ(ReadKeptGame(path, kept, why), KeptGameRead::kUnreadable);
    EXPECT_EQ(SetKeptGameAside(path), path + ".bad");
    EXPECT_EQ(Contents(path + ".bad"), "Velmora kept game\nversion 1\ngame 2\n");
    EXPECT_EQ(ReadKeptGame(path, kept, why), KeptGameRead::kNone);
    EXPECT_EQ(EntriesInData(), 1u);
}

// The write runs in a child whose file-size limit makes it fail part way
// (the signal ignored, so write() reports the failure instead of killing).
bool WriteLimitedTo(const std::string& path, const KeptGame& kept, rlim_t limit) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        ::_exit(WriteKeptGame(path, kept) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(KeptGameOnDisk, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    KeptGame older = Sample();
    older.seconds = 1;
    ASSERT_TRUE(WriteKeptGame(path, older));
    const std::string before = Contents(path);
    const size_t new_size = FormatKeptGame(Sample()).size();
    for (const rlim_t limit : {rlim_t{0}, rlim_t{100}, rlim_t{new_size - 1}}) {
        EXPECT_FALSE(WriteLimitedTo(path, Sample(), limit)) << limit;
        EXPECT_EQ(Contents(path), before) << limit;
        EXPECT_EQ(EntriesInData(), 1u) << "the temporary is removed again";
    }
    EXPECT_TRUE(WriteLimitedTo(path, Sample(), RLIM_INFINITY));
    EXPECT_EQ(Contents(path), FormatKeptGame(Sample()));
}

// A game of `steps` undo steps: each size its own, so a torn file could not
// pass for a whole shorter one.
KeptGame Grown(int steps) {
    KeptGame kept = Sample();
    for (int i = 0; i < steps; ++i) AppendStep(kept.undo, Position("0251"), "");
    return kept;
}

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    return names;
}

// Saving killed at whatever instant the timing gives, in a folder of the
// player's that no start-up sweeps: the file is always one whole saved game,
// and nothing but the file's own temporaries is ever left, which the next
// save clears once they are old.
TEST_F(KeptGameOnDisk, KilledSavesLeaveAWholeGameAndOnlyTheirOwnTemporaries) {
    const std::string games = folder.Folder() + "my games/";
    fs::create_directories(games);
    const std::string saved = games + "evening.vsg";
    std::ofstream(games + "notes.txt.tmp-abc123") << "the player's, not ours";
    ASSERT_TRUE(WriteKeptGame(saved, Grown(0), GameFileKind::kSaved));
    std::mt19937 random(5);
    for (int trial = 0; trial < 300; ++trial) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int n = 1; n < 200; ++n) WriteKeptGame(saved, Grown(n), GameFileKind::kSaved);
            ::_exit(0);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        KeptGame read;
        std::string why;
        ASSERT_EQ(ReadKeptGame(saved, read, why, GameFileKind::kSaved), KeptGameRead::kRead)
            << "trial " << trial << ": " << why;
        ASSERT_EQ(read, Grown(static_cast<int>(read.undo.Steps()) - Sample().undo.Steps())) << "trial " << trial;
        for (const std::string& name : NamesIn(games)) {
            if (name == "evening.vsg" || name == "notes.txt.tmp-abc123") continue;
            ASSERT_TRUE(name.starts_with("evening.vsg.tmp-")) << name;
            fs::last_write_time(games + name, fs::file_time_type::clock::now() - std::chrono::minutes(5));
        }
        ASSERT_TRUE(WriteKeptGame(saved, Grown(0), GameFileKind::kSaved));
        ASSERT_EQ(NamesIn(games).size(), 2u) << "trial " << trial << ": an old temporary of the save stayed";
    }
    EXPECT_EQ(Contents(games + "notes.txt.tmp-abc123"), "the player's, not ours");
}

}  // namespace
}  // namespace velmora
