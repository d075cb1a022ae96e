// Replays fuzz inputs without libFuzzer: every file named on the command line, and every file
// under every folder named, goes once through LLVMFuzzerTestOneInput, in name order. A folder
// or file that is missing, or no input at all, fails the run rather than passing unseen.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const fs::path given = argv[i];
    std::error_code ec;
    if (fs::is_directory(given, ec)) {
      for (fs::recursive_directory_iterator it(given, ec), end; !ec && it != end;
           it.increment(ec)) {
        if (it->is_regular_file(ec)) inputs.push_back(it->path());
      }
    } else if (fs::is_regular_file(given, ec)) {
      inputs.push_back(given);
    } else {
      std::cerr << argv[0] << ": no file or folder " << given << '\n';
      return 2;
    }
    if (ec) {
      std::cerr << argv[0] << ": cannot list " << given << ": " << ec.message() << '\n';
      return 2;
    }
  }
  if (inputs.empty()) {
    std::cerr << argv[0] << ": no inputs to replay\n";
    return 2;
  }
  std::sort(inputs.begin(), inputs.end());
  for (const fs::path& input : inputs) {
    std::ifstream in(input, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    if (in.bad()) {
      std::cerr << argv[0] << ": cannot read " << input << '\n';
      return 2;
    }
    // An empty vector's data() may be null; libFuzzer passes a valid pointer for size 0 too.
    static const std::uint8_t kNothing = 0;
    const auto* data =
        bytes.empty() ? &kNothing : reinterpret_cast<const std::uint8_t*>(bytes.data());
    LLVMFuzzerTestOneInput(data, bytes.size());
  }
  std::cout << "replayed " << inputs.size() << " inputs\n";
  return 0;
}
