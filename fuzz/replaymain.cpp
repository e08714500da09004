// Runs inputs through a fuzz target's entry point without libFuzzer, so that any compiler
// builds it and the corpus replays as an ordinary test. Arguments are files, or folders whose
// files (in name order) are all replayed. An argument that names nothing, or a run that finds
// no input at all, fails: a corpus that went missing must not pass as an empty one.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsOf(const fs::path& argument) {
    std::vector<fs::path> inputs;
    if (fs::is_directory(argument)) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(argument)) {
            if (entry.is_regular_file()) {
                inputs.push_back(entry.path());
            }
        }
        std::sort(inputs.begin(), inputs.end());
    } else if (fs::is_regular_file(argument)) {
        inputs.push_back(argument);
    }
    return inputs;
}

void Replay(const fs::path& input) {
    std::cout << input.string() << std::endl;
    std::ifstream in(input, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    // libFuzzer hands over a valid pointer also for an empty input; so does this.
    const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    const std::uint8_t none = 0;
    LLVMFuzzerTestOneInput(data.empty() ? &none : data.data(), data.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::vector<fs::path> inputs = InputsOf(argv[i]);
        if (inputs.empty() && !fs::is_directory(argv[i])) {
            std::cerr << argv[i] << ": no such file or folder\n";
            return 1;
        }
        for (const fs::path& input : inputs) {
            Replay(input);
        }
        count += inputs.size();
    }
    if (count == 0) {
        std::cerr << "No input to replay\n";
        return 1;
    }
    std::cout << count << " inputs replayed\n";
    return 0;
}
