#include "common/NombreFichero.h"

#include <gtest/gtest.h>

#include <array>

using namespace velmora;

namespace {

constexpr std::array<std::string_view, 2> Html{"html", "htm"};

struct CasoNombre {
    const char* nombre;
    const char* escrita;
    const char* ruta;
    bool otra;
    const char* conExtension;
};

class NombreParaGuardarTabla : public ::testing::TestWithParam<CasoNombre> {};

TEST_P(NombreParaGuardarTabla, ExtensionDelTipo) {
    const auto& c = GetParam();
    const NombreParaGuardar n = RutaParaGuardar(c.escrita, Html);
    EXPECT_EQ(n.ruta, c.ruta);
    EXPECT_EQ(n.otraExtension, c.otra);
    EXPECT_EQ(n.conExtension, c.conExtension);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, NombreParaGuardarTabla,
    ::testing::Values(
        CasoNombre{"SinExtension", "/tmp/memoria", "/tmp/memoria.html", false, ""},
        CasoNombre{"AcabaEnPunto", "/tmp/x.", "/tmp/x.html", false, ""},
        CasoNombre{"AcabaEnVariosPuntos", "x..", "x.html", false, ""},
        CasoNombre{"SuExtension", "/tmp/x.html", "/tmp/x.html", false, ""},
        CasoNombre{"SuOtraExtensionEnMayusculas", "/tmp/x.HTM", "/tmp/x.HTM", false, ""},
        CasoNombre{"ExtensionDeUnDibujo", "/tmp/x.png", "/tmp/x.png", true, "/tmp/x.png.html"},
        CasoNombre{"ExtensionDeUnProyecto", "x.velmora", "x.velmora", true, "x.velmora.html"},
        CasoNombre{"PuntoEnLaCarpetaNoEsExtension", "/tmp/v1.2/memoria", "/tmp/v1.2/memoria.html",
                   false, ""},
        CasoNombre{"NombreQueEmpiezaPorPunto", "/tmp/.memoria", "/tmp/.memoria.html", false, ""}),
    [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
