#ifndef TOOLS_PINTURA_H
#define TOOLS_PINTURA_H

// Painting a shape given as a signed distance onto a raster, pixel by pixel,
// with the colour the painter chooses for each point.

#include "tools/Formas.h"
#include "tools/Raster.h"

// Fills the shape forma(p) with colorEn(p), each pixel covered by the part
// of it inside the shape, times opacidad.
template <class Forma, class ColorEn>
void pintar(Raster& r, Forma forma, ColorEn colorEn, double opacidad = 1.0)
{
    for (int y = 0; y < r.alto(); ++y)
        for (int x = 0; x < r.ancho(); ++x) {
            const Punto p{x + 0.5, y + 0.5};
            const double a = cobertura(forma(p)) * opacidad;
            if (a > 0)
                r.cubrir(x, y, colorEn(p), a);
        }
}

// As pintar, with the edge blurred over ancho pixels (shadows, glows).
template <class Forma>
void pintarSuave(Raster& r, Forma forma, Rgb color, double ancho, double opacidad)
{
    for (int y = 0; y < r.alto(); ++y)
        for (int x = 0; x < r.ancho(); ++x) {
            const Punto p{x + 0.5, y + 0.5};
            r.cubrir(x, y, color, coberturaSuave(forma(p), ancho) * opacidad);
        }
}

// One colour everywhere.
inline auto liso(Rgb c)
{
    return [c](Punto) { return c; };
}

#endif
