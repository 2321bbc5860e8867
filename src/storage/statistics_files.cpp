#include "storage/statistics_files.h"

#include <filesystem>
#include <system_error>

#include "platform/durable_files.h"
#include "platform/files.h"
#include "platform/temporary_files.h"
#include "storage/preference_keys.h"
#include "storage/score_file_texts.h"
#include "storage/settings_file.h"
#include "text/ascii_case.h"
#include "text/fixed_text.h"
#include "text/sections.h"
#include "text/whole_file.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kVersionSection = "Version";
constexpr std::string_view kVersionHeader = "[Version]";
constexpr std::string_view kVersionKey = "Version=";
constexpr std::string_view kVersionMissing = "0000";
constexpr std::string_view kTempPrefix = "rpl";
constexpr std::string_view kLineEnd = "\r\n";
// A score line: 89 characters of record data, then this mark.
constexpr int kScoreRecordWidth = 89;
constexpr std::string_view kScoreLineMark = " x";
// Values an older release wrote for two flags; they mean "Y".
constexpr std::string_view kOldFlagValue = "S";

bool IsCurrentVersion(const std::string& score_file) {
    std::vector<std::string> values;
    ReadTextSection(score_file, kVersionSection, {std::string(kVersionSection)}, {std::string(kVersionMissing)},
                    values);
    return values.front() >= kScoreFileVersion;
}

// The new contents: the header, then the old lines without their own header.
std::string UpgradedContents(std::string_view old_contents) {
    std::string out = std::string(kVersionHeader) + std::string(kLineEnd) + std::string(kVersionKey) +
                      std::string(kScoreFileVersion) + std::string(kLineEnd) + std::string(kLineEnd);
    for (const std::string& line : SplitLines(old_contents)) {
        if (line.starts_with(kVersionHeader) || line.starts_with(kVersionKey)) continue;
        out += line.starts_with('0') ? PadRight(line, kScoreRecordWidth) + std::string(kScoreLineMark) : line;
        out += kLineEnd;
    }
    return out;
}

// The upgraded copy, flushed to the disk, takes the score file's name in one
// step: a kill or a full disk at any moment leaves the old file whole (and at
// worst a temporary, swept at the next start). A failure is shown and the
// temporary removed.
bool WriteAndReplace(const std::string& score_file, const std::string& temp_file, const std::string& contents,
                     const FileWriter& write, Messages& messages) {
    if (!write(temp_file, contents)) {
        RemoveFile(temp_file);
        messages.ShowInfo(text::ErrorCopyingFile(score_file));
        return false;
    }
    if (!RenameOver(temp_file, score_file)) {
        RemoveFile(temp_file);
        messages.ShowInfo(text::ErrorRenamingFile(temp_file, score_file));
        return false;
    }
    return true;
}

void RepairOldFlags(const ParamRecord& params) {
    SettingsFile settings = OpenSettingsFile(params);
    for (const SettingKey* flag : {&key::kCardsAnimate, &key::kConfirmQuit}) {
        if (settings.Read(*flag) == kOldFlagValue) settings.Write(*flag, "Y");
    }
}

bool IsPlayerStatisticsName(std::string_view name) {
    const std::string lower = AsciiLower(name);
    const auto digit = [&lower](size_t i) { return lower[i] >= '0' && lower[i] <= '9'; };
    return lower.size() == 12 && lower.starts_with("stat_e") && digit(6) && digit(7) && lower.ends_with(".dat");
}

}  // namespace

bool ReadTextSection(const std::string& path, std::string_view section, const std::vector<std::string>& keys,
                     const std::vector<std::string>& defaults, std::vector<std::string>& values) {
    values.assign(keys.size(), std::string());
    for (size_t i = 0; i < keys.size() && i < defaults.size(); ++i) values[i] = defaults[i];
    std::string contents;
    if (!ReadRegularFile(path, contents)) return false;
    const std::string header = "[" + std::string(section) + "]";
    std::vector<bool> found(keys.size(), false);
    size_t found_count = 0;
    bool open = false;
    for (const std::string& line : SplitLines(contents)) {
        if (!open) {
            open = line.starts_with(header);
            continue;
        }
        if (line.starts_with('[')) break;
        for (size_t i = 0; i < keys.size(); ++i) {
            if (!line.starts_with(keys[i])) continue;
            const size_t equals = line.find('=');
            values[i] = equals == std::string::npos ? line : line.substr(equals + 1);
            if (!found[i]) ++found_count;
            found[i] = true;
            if (found_count == keys.size()) return true;
            break;
        }
    }
    return false;
}

bool UpgradeScoreFile(const ParamRecord& params, Messages& messages) {
    return UpgradeScoreFile(params, messages, WriteFileDurably);
}

bool UpgradeScoreFile(const ParamRecord& params, Messages& messages, const FileWriter& write) {
    const std::string score_file = FindPath(params.DataFolder(), kScoreFileName, EntryKind::File);
    if (!FileExists(score_file)) return false;
    bool upgraded = false;
    if (!IsCurrentVersion(score_file)) {
        std::string old_contents;
        const bool read = ReadRegularFile(score_file, old_contents);
        std::string temp_file;
        if (read && !TempFileName(fs::path(score_file).parent_path().string(), std::string(kTempPrefix), &temp_file)) {
            messages.ShowInfo(text::kErrorCreatingTempFile);
            return false;
        }
        if (read) {
            upgraded = WriteAndReplace(score_file, temp_file, UpgradedContents(old_contents), write, messages);
        } else {
            messages.ShowInfo(text::ErrorCopyingFile(score_file));
        }
    }
    RepairOldFlags(params);
    return upgraded;
}

int RemoveStaleScoreUpgrades(const ParamRecord& params) {
    const std::string data = FindPath(params.DataFolder(), "DATA", EntryKind::Folder);
    return RemoveStalePrefixedTemporaries(data, kTempPrefix);
}

bool HasPlayerStatistics(const ParamRecord& params) {
    const std::string data = FindPath(params.DataFolder(), "DATA", EntryKind::Folder);
    std::error_code error;
    for (fs::directory_iterator it(data, error), end; !error && it != end; it.increment(error)) {
        if (IsPlayerStatisticsName(it->path().filename().string()) && FileExists(it->path().string())) return true;
    }
    return false;
}

}  // namespace velmora
