// Draws the starting position of each game in a real window, as the program
// does, and saves what the window shows as PNG: the pictures in docs/.
//
//   tablexo_capturas <folder with the piece pictures> <output folder>
//
// Needs an X display (Xvfb will do).

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "games/Utjuego3raya.h"
#include "games/Utjuegoconecta4.h"
#include "games/Utjuegootelo.h"
#include "platform/fltk/AreaLienzo.h"
#include "views/Utinterfazgraf3r.h"
#include "views/Utinterfazgrafc4.h"
#include "views/Utinterfazgrafot.h"

namespace {

// The height of the strip below the board where the status lines go.
constexpr int FRANJA_ESTADO = 50;

std::uint32_t crc32(const std::string& datos)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : datos) {
        crc ^= c;
        for (int i = 0; i < 8; ++i)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string bigEndian(std::uint32_t v)
{
    return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}

std::string bloquePNG(const std::string& tipo, const std::string& datos)
{
    return bigEndian(std::uint32_t(datos.size())) + tipo + datos + bigEndian(crc32(tipo + datos));
}

// zlib data made of stored (uncompressed) deflate blocks.
std::string zlibSinComprimir(const std::string& datos)
{
    std::string z = "\x78\x01";
    std::size_t en = 0;
    do {
        const std::size_t n = std::min<std::size_t>(65535, datos.size() - en);
        const bool ultimo = en + n == datos.size();
        z += char(ultimo ? 1 : 0);
        z += {char(n & 0xFF), char(n >> 8), char(~n & 0xFF), char((~n >> 8) & 0xFF)};
        z += datos.substr(en, n);
        en += n;
    } while (en < datos.size());
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : datos) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    return z + bigEndian(b << 16 | a);
}

bool guardarPNG(const std::string& ruta, const unsigned char* rgb, int ancho, int alto)
{
    std::string filas;
    for (int y = 0; y < alto; ++y) {
        filas += '\0';  // no filter
        filas.append(reinterpret_cast<const char*>(rgb) + std::size_t(y) * ancho * 3, std::size_t(ancho) * 3);
    }
    const std::string cabecera = bigEndian(std::uint32_t(ancho)) + bigEndian(std::uint32_t(alto)) +
                                 std::string{8, 2, 0, 0, 0};  // 8-bit RGB
    std::ofstream f(ruta, std::ios::binary);
    f << "\x89PNG\r\n\x1a\n" << bloquePNG("IHDR", cabecera) << bloquePNG("IDAT", zlibSinComprimir(filas))
      << bloquePNG("IEND", "");
    return bool(f);
}

struct Captura {
    std::string fichero;
    std::function<std::unique_ptr<tInterfazGrafT2>(Lienzo*)> vista;
    std::function<std::unique_ptr<tJuegoLogT2>()> juego;
};

// Shows a window of the view's size, draws the game in it and saves the window.
bool capturar(const Captura& c, const std::string& carpeta)
{
    auto medidas = c.vista(nullptr);
    const int ancho = int(medidas->dameAncho());
    const int alto = int(medidas->dameAlto()) + FRANJA_ESTADO;
    Fl_Window ventana(0, 0, ancho, alto);
    auto* area = new AreaLienzo(0, 0, ancho, alto);
    ventana.end();
    ventana.show();
    while (!ventana.visible())
        Fl::wait(0.02);
    for (int i = 0; i < 10; ++i)
        Fl::wait(0.02);

    auto juego = c.juego();
    c.vista(area)->dibujar(juego.get());
    ventana.make_current();
    std::unique_ptr<unsigned char[]> pixeles(fl_read_image(nullptr, 0, 0, ancho, alto));
    return pixeles && guardarPNG(carpeta + "/" + c.fichero, pixeles.get(), ancho, alto);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "uso: " << argv[0] << " <carpeta de las imágenes> <carpeta de salida>\n";
        return 2;
    }
    std::string error;
    if (!cargarImagenesJuegos(argv[1], error)) {
        std::cerr << error << "\n";
        return 1;
    }
    const std::vector<Captura> capturas = {
        {"conecta4.png", [](Lienzo* l) { return std::make_unique<tInterfazGrafC4>(l); },
         [] { return std::make_unique<tJuegoConecta4>(8, 6, JUGADOR1); }},
        {"tresenraya.png", [](Lienzo* l) { return std::make_unique<tInterfazGraf3R>(l); },
         [] { return std::make_unique<tJuego3Raya>(JUGADOR1); }},
        {"otelo.png", [](Lienzo* l) { return std::make_unique<tInterfazGrafOt>(l); },
         [] { return std::make_unique<tJuegoOtelo>(JUGADOR1); }},
    };
    int resultado = 0;
    for (const Captura& c : capturas)
        if (!capturar(c, argv[2])) {
            std::cerr << "no se pudo guardar " << c.fichero << "\n";
            resultado = 1;
        }
    liberarImagenesJuegos();
    return resultado;
}
