// Runs a fuzz harness over stored inputs without libFuzzer, so that the
// ordinary build and CTest replay each corpus on every test run: every file
// named on the command line, and every regular file directly inside a named
// folder, in name order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
// Only the harnesses that need a set-up define it.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Inputs(int argc, char** argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path named = argv[i];
        if (!fs::is_directory(named)) {
            inputs.push_back(named);
            continue;
        }
        std::vector<fs::path> folder;
        for (const fs::directory_entry& entry : fs::directory_iterator(named))
            if (entry.is_regular_file()) folder.push_back(entry.path());
        std::sort(folder.begin(), folder.end());
        inputs.insert(inputs.end(), folder.begin(), folder.end());
    }
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    const std::vector<fs::path> inputs = Inputs(argc, argv);
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: %s <input file or folder>... (no inputs found)\n", argv[0]);
        return 2;
    }
    for (const fs::path& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 2;
        }
        // A buffer of exactly the input's size, so the sanitizers see any
        // read past its end.
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                      std::istreambuf_iterator<char>()};
        std::vector<uint8_t> data(bytes.begin(), bytes.end());
        std::fprintf(stderr, "replaying %s (%zu bytes)\n", input.c_str(), data.size());
        std::fflush(stderr);
        LLVMFuzzerTestOneInput(data.data(), data.size());
    }
    std::fprintf(stderr, "replayed %zu inputs\n", inputs.size());
    return 0;
}
