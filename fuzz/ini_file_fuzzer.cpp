// The INI reader and writer on any file: reads agree with each other, a
// write that succeeds reads back and leaves every other key alone, a write
// that fails leaves the file as it was, and writing the same value twice
// changes nothing.
//
// The input is the file's contents up to the first NUL byte, then up to
// twelve writes, each as NUL-ended fields: an operation byte, a section, a
// key and a value.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "platform/ini_file.h"

namespace {

using velmora::fuzz::Check;

constexpr int kMaxWrites = 12;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Folded(std::string_view name) {
    std::string folded(TrimBlanks(name));
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

struct Name {
    std::string section;
    std::string key;
    bool operator==(const Name& other) const {
        return Folded(section) == Folded(other.section) && Folded(key) == Folded(other.key);
    }
};

// Reads of one key that must agree whatever the file holds.
void CheckReads(const velmora::IniFile& ini, const Name& name) {
    const auto Check = [&name](bool holds, const std::string& what) {
        velmora::fuzz::Check(holds, what + " ([" + name.section + "] " + name.key + ")");
    };
    const bool has = ini.HasKey(name.section, name.key);
    const std::string a = ini.ReadString(name.section, name.key, "\x01 fallback a");
    const std::string b = ini.ReadString(name.section, name.key, "\x01 fallback b");
    Check(has ? a == b : (a == "\x01 fallback a" && b == "\x01 fallback b"),
          "HasKey and ReadString disagree");
    if (has) {
        Check(a.find('\n') == std::string::npos, "a value holds a line break");
        Check(a == TrimBlanks(a), "a value keeps surrounding blanks");
    }
    const int n = ini.ReadInteger(name.section, name.key, 7);
    const int m = ini.ReadInteger(name.section, name.key, -7);
    if (n == m) {
        Check(has, "a missing key reads as a number");
        const std::string_view digits =
            std::string_view(a).substr(a[0] == '-' || a[0] == '+' ? 1 : 0);
        Check(!digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos,
              "a value that is no whole number reads as one: " + a);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = (velmora::fuzz::ScratchFolder() / "settings.ini").string();
    velmora::fuzz::InputBytes input(data, size);
    {
        const std::string contents = input.Field();
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << contents;
        Check(static_cast<bool>(out), "cannot write the scratch INI file");
    }
    velmora::IniFile writer(path);
    const velmora::IniFile reader(path);  // a second object on the same file
    std::vector<Name> seen;
    for (int n = 0; n < kMaxWrites && !input.Empty(); ++n) {
        const uint8_t operation = input.Byte();
        Name name{input.Field(), input.Field()};
        std::string value = input.Field();
        CheckReads(reader, name);
        std::vector<std::string> others;
        for (const Name& other : seen)
            others.push_back(reader.ReadString(other.section, other.key, "\x01 none"));

        const std::string before = ReadAll(path);
        bool written = false;
        if (operation % 2 == 0) {
            written = writer.WriteString(name.section, name.key, value);
        } else {
            uint32_t bits = 0;
            for (char c : value) bits = bits * 31 + static_cast<unsigned char>(c);
            const int number = static_cast<int>(bits);
            value = std::to_string(number);
            written = writer.WriteInteger(name.section, name.key, number);
            if (written)
                Check(reader.ReadInteger(name.section, name.key, number == 0 ? 1 : 0) == number,
                      "a number reads back");
        }
        if (!written) {
            Check(ReadAll(path) == before, "a refused write changed the file");
            continue;
        }
        Check(reader.ReadString(name.section, name.key, "\x01 none") == TrimBlanks(value),
              "a value reads back");
        Check(writer.ReadString(name.section, name.key, "\x01 none") == TrimBlanks(value),
              "a value reads back through the writer");
        for (size_t i = 0; i < seen.size(); ++i) {
            if (seen[i] == name) continue;
            Check(reader.ReadString(seen[i].section, seen[i].key, "\x01 none") == others[i],
                  "a write changed another key: [" + seen[i].section + "] " + seen[i].key);
        }
        const std::string after = ReadAll(path);
        Check(writer.WriteString(name.section, name.key, value),
              "the same write fails the second time");
        Check(ReadAll(path) == after, "writing the same value again changed the file");
        CheckReads(reader, name);
        seen.push_back(std::move(name));
    }
    return 0;
}
