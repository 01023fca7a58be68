#ifndef PLATFORM_CABECERABMP_H
#define PLATFORM_CABECERABMP_H

// Checks the headers of a Windows BMP file before any loader trusts them: a
// damaged or foreign file that merely starts with "BM" must be refused, not
// read with whatever sizes its first bytes happen to give.

#include <array>
#include <cstdint>
#include <fstream>
#include <string>

struct CabeceraBMP {
    int ancho = 0;
    int alto = 0;  // rows, whichever way they are stored
};

namespace cabecera_bmp {

constexpr std::size_t BYTES = 14 + 40;
// Far beyond any picture of the program; keeps the size arithmetic small.
constexpr std::int64_t LADO_MAXIMO = 1 << 16;

inline std::uint32_t leer32(const std::array<unsigned char, BYTES>& b, std::size_t en)
{
    return std::uint32_t(b[en]) | std::uint32_t(b[en + 1]) << 8 | std::uint32_t(b[en + 2]) << 16 |
           std::uint32_t(b[en + 3]) << 24;
}

inline unsigned leer16(const std::array<unsigned char, BYTES>& b, std::size_t en)
{
    return unsigned(b[en]) | unsigned(b[en + 1]) << 8;
}

inline bool profundidadValida(unsigned bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace cabecera_bmp

// True, with the picture's size, when ruta is an uncompressed (or bit-field)
// BMP with a Windows header whose pixel rows all lie inside the file.
inline bool leerCabeceraBMP(const std::string& ruta, CabeceraBMP& cabecera)
{
    using namespace cabecera_bmp;
    std::ifstream f(ruta, std::ios::binary);
    std::array<unsigned char, BYTES> b{};
    if (!f.read(reinterpret_cast<char*>(b.data()), std::streamsize(b.size())))
        return false;
    f.seekg(0, std::ios::end);
    const auto tamano = std::int64_t(f.tellg());

    const std::int64_t inicioPixeles = leer32(b, 10);
    const std::int64_t ancho = std::int32_t(leer32(b, 18));
    const std::int64_t alto = std::int32_t(leer32(b, 22));
    const unsigned bits = leer16(b, 28);
    const std::uint32_t compresion = leer32(b, 30);
    if (b[0] != 'B' || b[1] != 'M' || leer32(b, 14) < 40 || leer16(b, 26) != 1 || !profundidadValida(bits))
        return false;
    if (compresion != 0 && compresion != 3)
        return false;
    const std::int64_t filas = alto < 0 ? -alto : alto;
    if (ancho <= 0 || ancho > LADO_MAXIMO || filas == 0 || filas > LADO_MAXIMO)
        return false;
    const std::int64_t bytesFila = (ancho * bits + 31) / 32 * 4;
    if (inicioPixeles < std::int64_t(BYTES) || inicioPixeles + bytesFila * filas > tamano)
        return false;
    cabecera.ancho = int(ancho);
    cabecera.alto = int(filas);
    return true;
}

#endif
