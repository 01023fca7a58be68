#ifndef TOOLS_FORMAS_H
#define TOOLS_FORMAS_H

// Shapes as signed distances in pixels (negative inside), so that the
// coverage of each pixel, and with it a smooth edge, follows from the
// distance at the pixel's centre.

#include <algorithm>
#include <cmath>

struct Punto {
    double x, y;
};

constexpr double PI = 3.14159265358979323846;

inline double grados(double g) { return g * PI / 180.0; }

inline double distancia(Punto a, Punto b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The part of a pixel covered by a shape whose edge lies d pixels from its centre.
inline double cobertura(double d) { return std::clamp(0.5 - d, 0.0, 1.0); }

// The same with the edge blurred over ancho pixels: soft shadows and glows.
inline double coberturaSuave(double d, double ancho) { return std::clamp(0.5 - d / ancho, 0.0, 1.0); }

inline double dCirculo(Punto p, Punto c, double r) { return distancia(p, c) - r; }

// A stroke of half-width g along the segment ab, with round ends.
inline double dTrazo(Punto p, Punto a, Punto b, double g)
{
    const double vx = b.x - a.x, vy = b.y - a.y;
    const double largo2 = vx * vx + vy * vy;
    double t = largo2 > 0 ? ((p.x - a.x) * vx + (p.y - a.y) * vy) / largo2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return distancia(p, {a.x + vx * t, a.y + vy * t}) - g;
}

// A stroke of half-width g along the arc of radius r around c, from angle
// desde to hasta (radians, clockwise on screen since y grows downwards).
inline double dArco(Punto p, Punto c, double r, double desde, double hasta, double g)
{
    const double a = std::atan2(p.y - c.y, p.x - c.x);
    const double t = std::fmod(a - desde + 4 * PI, 2 * PI);
    if (t <= hasta - desde)
        return std::abs(distancia(p, c) - r) - g;
    const Punto ini{c.x + r * std::cos(desde), c.y + r * std::sin(desde)};
    const Punto fin{c.x + r * std::cos(hasta), c.y + r * std::sin(hasta)};
    return std::min(distancia(p, ini), distancia(p, fin)) - g;
}

// A rectangle centred on c, of half-sizes sx and sy, with corners of radius r.
inline double dCajaRedondeada(Punto p, Punto c, double sx, double sy, double r)
{
    const double qx = std::abs(p.x - c.x) - sx + r;
    const double qy = std::abs(p.y - c.y) - sy + r;
    const double fuera = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return fuera + std::min(std::max(qx, qy), 0.0) - r;
}

#endif
