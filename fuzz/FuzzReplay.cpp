// Replays fuzz inputs without libFuzzer, as an ordinary test in any build:
// every file named on the command line, and every file in every directory
// named (in name order), goes once through the target's
// LLVMFuzzerTestOneInput, after its LLVMFuzzerInitialize when it has one.
// An input that breaks a check aborts, and the test fails with its name as
// the last one printed. Nothing is fuzzed or written here.

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> InputsOf(int argc, char** argv)
{
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path named(argv[i]);
        if (!std::filesystem::is_directory(named)) {
            inputs.push_back(named);
            continue;
        }
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(named)) {
            if (entry.is_regular_file())
                files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        inputs.insert(inputs.end(), files.begin(), files.end());
    }
    return inputs;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::filesystem::path> inputs = InputsOf(argc, argv);
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: %s FILE|DIRECTORY... (no input found)\n", argv[0]);
        return 2;
    }
    if (LLVMFuzzerInitialize != nullptr)
        LLVMFuzzerInitialize(&argc, &argv);
    const auto started = std::chrono::steady_clock::now();
    std::size_t bytes = 0;
    for (const std::filesystem::path& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 1;
        }
        const std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(file), {}};
        std::fprintf(stderr, "%s\n", input.c_str());
        LLVMFuzzerTestOneInput(data.data(), data.size());
        bytes += data.size();
    }
    const auto took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("replayed %zu inputs (%zu bytes) in %.2f s\n", inputs.size(), bytes, took);
    return 0;
}
