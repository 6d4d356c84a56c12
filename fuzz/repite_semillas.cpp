// Runs the file-reader fuzz harness once on each file named, without libFuzzer: the
// ordinary build compiles the harness and replays its seeds, so a harness that no
// longer builds, or a seed that now breaks one of its rules, fails `make test`.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo);

int main(int argc, char** argv) {
  for (int k = 1; k < argc; ++k) {
    std::ifstream f(argv[k], std::ios::binary);
    if (!f) {
      std::fprintf(stderr, "no se pudo leer %s\n", argv[k]);
      return 1;
    }
    const std::string bytes{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%d semillas\n", argc - 1);
  return 0;
}
