// The headless pictures: a BMP file is read only as far as its headers, which
// is enough to know that it is a picture and its size.

#include <array>
#include <cstdint>
#include <fstream>

#include "platform/Lienzo.h"

namespace {

class ImagenCabecera : public Imagen {
public:
    ImagenCabecera(const std::string& ruta, int ancho, int alto)
        : Imagen(ruta), anchoPx(ancho), altoPx(alto) {}

    int ancho() const override { return anchoPx; }
    int alto() const override { return altoPx; }

private:
    int anchoPx;
    int altoPx;
};

constexpr std::size_t CABECERAS = 14 + 40;
// Far beyond any picture of the program; keeps the size arithmetic small.
constexpr std::int32_t LADO_MAXIMO = 1 << 16;

std::uint32_t leer32(const std::array<unsigned char, CABECERAS>& b, std::size_t en)
{
    return std::uint32_t(b[en]) | std::uint32_t(b[en + 1]) << 8 | std::uint32_t(b[en + 2]) << 16 |
           std::uint32_t(b[en + 3]) << 24;
}

std::uint16_t leer16(const std::array<unsigned char, CABECERAS>& b, std::size_t en)
{
    return std::uint16_t(b[en] | b[en + 1] << 8);
}

bool profundidadValida(unsigned bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

// Accepts an uncompressed (or bit-field) Windows BMP whose pixel rows all lie in the file.
std::unique_ptr<Imagen> cargarImagen(const std::string& ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    std::array<unsigned char, CABECERAS> b{};
    if (!f.read(reinterpret_cast<char*>(b.data()), std::streamsize(b.size())))
        return nullptr;
    f.seekg(0, std::ios::end);
    const auto tamano = static_cast<std::uint64_t>(f.tellg());

    const std::uint32_t inicioPixeles = leer32(b, 10);
    const auto ancho = static_cast<std::int32_t>(leer32(b, 18));
    const auto alto = static_cast<std::int32_t>(leer32(b, 22));
    const unsigned bits = leer16(b, 28);
    const std::uint32_t compresion = leer32(b, 30);
    if (b[0] != 'B' || b[1] != 'M' || leer32(b, 14) < 40 || leer16(b, 26) != 1 || !profundidadValida(bits))
        return nullptr;
    if (ancho <= 0 || ancho > LADO_MAXIMO || alto == 0 || alto < -LADO_MAXIMO || alto > LADO_MAXIMO ||
        (compresion != 0 && compresion != 3))
        return nullptr;

    const std::uint64_t altoAbs = std::uint64_t(alto < 0 ? -std::int64_t(alto) : alto);
    const std::uint64_t fila = (std::uint64_t(ancho) * bits + 31) / 32 * 4;
    if (inicioPixeles < CABECERAS || inicioPixeles + fila * altoAbs > tamano)
        return nullptr;
    return std::make_unique<ImagenCabecera>(ruta, int(ancho), int(altoAbs));
}
