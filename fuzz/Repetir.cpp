// Sin libFuzzer: pasa una vez cada fichero de las carpetas (o ficheros) dados por el objetivo
// de fuzzing. Así las entradas que fallaron alguna vez se repiten en cada ctest, con cualquier
// compilador.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano);

namespace {

void Repetir(const std::filesystem::path& fichero) {
    std::ifstream f(fichero, std::ios::binary);
    const std::vector<char> datos((std::istreambuf_iterator<char>(f)),
                                  std::istreambuf_iterator<char>());
    std::printf("%s\n", fichero.filename().string().c_str());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(datos.data()), datos.size());
}

} // namespace

int main(int argc, char** argv) {
    int casos = 0;
    for (int a = 1; a < argc; ++a) {
        const std::filesystem::path ruta(argv[a]);
        if (std::filesystem::is_directory(ruta)) {
            for (const auto& e : std::filesystem::directory_iterator(ruta))
                if (e.is_regular_file()) {
                    Repetir(e.path());
                    ++casos;
                }
        } else {
            Repetir(ruta);
            ++casos;
        }
    }
    std::printf("%d casos sin fallo\n", casos);
    return casos > 0 ? 0 : 1;
}
