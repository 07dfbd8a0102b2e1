#include "common/Version.h"
#include "cli/Tanda.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

using namespace velmora;

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << TextoAyuda();
        return 0;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-V") == 0)) {
        std::cout << "velmora-calc " VELMORA_VERSION "\n";
        return 0;
    }
    // --sin-estado, si se da, va antes del fichero.
    const bool conEstado = !(argc >= 2 && std::strcmp(argv[1], "--sin-estado") == 0);
    if (!conEstado) {
        --argc;
        ++argv;
    }
    if (argc > 2 || (argc == 2 && argv[1][0] == '-' && argv[1][1] != '\0')) {
        std::cerr << "velmora-calc: orden mal escrita. Uso: velmora-calc [FICHERO]; "
                     "velmora-calc --help explica el formato.\n";
        return 2;
    }
    if (argc == 1 || std::strcmp(argv[1], "-") == 0) {
        ProcesarFlujo(std::cin, std::cout, conEstado);
        return 0;
    }
    std::error_code error;
    if (std::filesystem::is_directory(argv[1], error)) {
        std::cerr << "velmora-calc: no se puede abrir el fichero «" << argv[1]
                  << "»: es una carpeta.\n";
        return 1;
    }
    std::ifstream fichero(argv[1], std::ios::binary);
    if (!fichero) {
        std::cerr << "velmora-calc: no se puede abrir el fichero «" << argv[1]
                  << "»: " << std::strerror(errno) << ".\n";
        return 1;
    }
    ProcesarFlujo(fichero, std::cout, conEstado);
    if (fichero.bad()) {
        std::cerr << "velmora-calc: no se ha podido leer entero el fichero «" << argv[1] << "».\n";
        return 1;
    }
    return 0;
}
