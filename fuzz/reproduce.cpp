// Replays files through a fuzz target without libFuzzer, so the normal build checks
// every file of the seed corpora: each argument is a file or a folder of files.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo);

namespace {

int Reproduce(const std::filesystem::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(f)), {});
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    int archivos = 0;
    for (int k = 1; k < argc; ++k) {
        if (fs::is_directory(argv[k])) {
            for (const auto& e : fs::recursive_directory_iterator(argv[k]))
                if (e.is_regular_file()) archivos += Reproduce(e.path());
        } else {
            archivos += Reproduce(argv[k]);
        }
    }
    std::printf("%d archivos reproducidos\n", archivos);
    // An empty corpus checks nothing: that is a fault of the test set-up.
    return archivos > 0 ? 0 : 1;
}
