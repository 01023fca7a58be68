// Writes the ten piece pictures into the folder given as the only argument.

#include <iostream>
#include <string>

#include "tools/Fichas.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "uso: " << argv[0] << " <carpeta de salida>\n";
        return 2;
    }
    const std::string carpeta = argv[1];
    for (const Ficha& f : fichas()) {
        const std::string ruta = carpeta + "/" + f.nombre;
        if (!f.dibujar().guardarBMP(ruta)) {
            std::cerr << "no se pudo escribir " << ruta << "\n";
            return 1;
        }
    }
    return 0;
}
