// Escribe en la carpeta indicada los dibujos que el programa lee junto a su ejecutable y el
// icono del programa (velmora.png).

#include "assets/Dibujos.h"
#include "assets/DibujosFicheros.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

using namespace velmora;

int main(int argc, char* argv[]) {
    QGuiApplication aplicacion(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Uso: generar_dibujos <carpeta>\n");
        return 2;
    }
    const QDir carpeta(QString::fromLocal8Bit(argv[1]));
    if (!carpeta.exists() && !QDir().mkpath(carpeta.path())) {
        std::fprintf(stderr, "No se puede crear la carpeta %s\n", argv[1]);
        return 1;
    }
    for (const QString& nombre : NombresDibujos()) {
        if (!DibujarFichero(nombre).save(carpeta.filePath(nombre), "BMP")) {
            std::fprintf(stderr, "No se puede escribir %s\n", qPrintable(nombre));
            return 1;
        }
    }
    if (!DibujarIcono(128).save(carpeta.filePath(QStringLiteral("velmora.png")), "PNG")) {
        std::fprintf(stderr, "No se puede escribir velmora.png\n");
        return 1;
    }
    return 0;
}
