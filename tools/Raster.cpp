#include "tools/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

Raster::Raster(int ancho, int alto, Rgb fondo)
    : anchoPx(ancho), altoPx(alto), pixeles(std::size_t(ancho) * std::size_t(alto), fondo)
{
}

void Raster::cubrir(int x, int y, Rgb c, double alfa)
{
    if (x < 0 || y < 0 || x >= anchoPx || y >= altoPx || alfa <= 0)
        return;
    Rgb& p = pixeles[indice(x, y)];
    p = mezcla(p, c, std::min(alfa, 1.0));
}

namespace {

void poner16(std::vector<std::uint8_t>& b, std::size_t en, std::uint32_t v)
{
    b[en] = std::uint8_t(v);
    b[en + 1] = std::uint8_t(v >> 8);
}

void poner32(std::vector<std::uint8_t>& b, std::size_t en, std::uint32_t v)
{
    poner16(b, en, v & 0xFFFF);
    poner16(b, en + 2, v >> 16);
}

std::uint8_t canal(double v)
{
    return std::uint8_t(std::lround(std::clamp(v, 0.0, 255.0)));
}

}  // namespace

bool Raster::guardarBMP(const std::string& ruta) const
{
    constexpr std::uint32_t cabeceras = 14 + 40;
    const std::uint32_t fila = (std::uint32_t(anchoPx) * 3 + 3) & ~3u;
    const std::uint32_t datos = fila * std::uint32_t(altoPx);
    std::vector<std::uint8_t> b(cabeceras + datos, 0);

    b[0] = 'B';
    b[1] = 'M';
    poner32(b, 2, cabeceras + datos);
    poner32(b, 10, cabeceras);
    poner32(b, 14, 40);
    poner32(b, 18, std::uint32_t(anchoPx));
    poner32(b, 22, std::uint32_t(altoPx));  // positive: bottom-up rows
    poner16(b, 26, 1);
    poner16(b, 28, 24);
    poner32(b, 34, datos);
    poner32(b, 38, 3780);  // 96 dpi in pixels per metre
    poner32(b, 42, 3780);

    for (int y = 0; y < altoPx; ++y) {
        std::size_t en = cabeceras + std::size_t(altoPx - 1 - y) * fila;
        for (int x = 0; x < anchoPx; ++x) {
            const Rgb p = pixel(x, y);
            b[en++] = canal(p.b);
            b[en++] = canal(p.g);
            b[en++] = canal(p.r);
        }
    }

    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    return bool(f);
}
