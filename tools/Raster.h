#ifndef TOOLS_RASTER_H
#define TOOLS_RASTER_H

// An RGB picture in memory, painted with partial coverage and written as a
// 24-bit Windows BMP file.

#include <string>
#include <vector>

struct Rgb {
    double r, g, b;  // 0..255
};

// The colour a fraction t of the way from a to b.
constexpr Rgb mezcla(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// 0xRRGGBB as a colour.
constexpr Rgb rgb(unsigned hex)
{
    return {double((hex >> 16) & 0xFF), double((hex >> 8) & 0xFF), double(hex & 0xFF)};
}

class Raster {
public:
    Raster(int ancho, int alto, Rgb fondo);

    int ancho() const { return anchoPx; }
    int alto() const { return altoPx; }
    Rgb pixel(int x, int y) const { return pixeles[indice(x, y)]; }
    // Lays colour c over pixel (x, y) with opacity alfa (0..1).
    void cubrir(int x, int y, Rgb c, double alfa);

    // Writes the picture as a 24-bit BMP: bottom-up rows padded to 4 bytes.
    bool guardarBMP(const std::string& ruta) const;

private:
    int indice(int x, int y) const { return y * anchoPx + x; }

    int anchoPx;
    int altoPx;
    std::vector<Rgb> pixeles;
};

#endif
