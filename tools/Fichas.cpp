#include "tools/Fichas.h"

#include "tools/Letras.h"
#include "tools/Pintura.h"

namespace {

constexpr Rgb NEGRO = rgb(0x000000);
constexpr Rgb BLANCO = rgb(0xFFFFFF);

// Light comes from the top left: how much a surface whose outward normal
// points from c to p faces it, from -1 (away) to 1 (towards).
double haciaLaLuz(Punto p, Punto c)
{
    const double d = distancia(p, c);
    if (d == 0)
        return 0;
    return -((p.x - c.x) + (p.y - c.y)) / (d * 1.41421356);
}

// A round piece: a radial gradient lit from the top left and a soft highlight.
void pintarDisco(Raster& r, Punto c, double radio, Rgb claro, Rgb oscuro)
{
    const Punto brillo{c.x - radio * 0.35, c.y - radio * 0.4};
    pintar(r, [&](Punto p) { return dCirculo(p, c, radio); },
           [&](Punto p) { return mezcla(claro, oscuro, std::min(distancia(p, brillo) / (radio * 1.6), 1.0)); });
    pintarSuave(r, [&](Punto p) { return dCirculo(p, brillo, radio * 0.18); }, BLANCO, radio * 0.3, 0.35);
}

// ---- Connect 4: 50 x 50, a blue board with a round hole ----

constexpr int LADO_C4 = 50;
constexpr Punto CENTRO_C4{25, 25};
constexpr double RADIO_HUECO = 20.5;
constexpr Rgb AZUL_CLARO = rgb(0x2F6FE0);
constexpr Rgb AZUL_OSCURO = rgb(0x1A49B0);

Raster celdaConecta4()
{
    // One flat colour, so that the cells join into one board.
    Raster r(LADO_C4, LADO_C4, mezcla(AZUL_CLARO, AZUL_OSCURO, 0.4));
    // The wall of the hole: lit on the far (bottom right) side.
    pintar(r, [](Punto p) { return dCirculo(p, CENTRO_C4, RADIO_HUECO + 2.2); },
           [](Punto p) {
               const double luz = -haciaLaLuz(p, CENTRO_C4);
               return luz > 0 ? mezcla(AZUL_CLARO, BLANCO, 0.35 * luz) : mezcla(AZUL_OSCURO, NEGRO, -0.35 * luz);
           });
    // Through the hole: the pale background, shaded under the board's top edge.
    const Rgb fondo = rgb(0xE4E8EF), sombra = rgb(0x9FA8B8);
    const Punto centroLuz{CENTRO_C4.x + 2.5, CENTRO_C4.y + 3.0};
    pintar(r, [](Punto p) { return dCirculo(p, CENTRO_C4, RADIO_HUECO); },
           [&](Punto p) { return mezcla(sombra, fondo, coberturaSuave(dCirculo(p, centroLuz, RADIO_HUECO - 1.5), 4.0)); });
    return r;
}

// A Connect 4 piece in its hole, with the raised rim such pieces have.
Raster fichaConecta4(Rgb claro, Rgb oscuro)
{
    Raster r = celdaConecta4();
    const double radio = RADIO_HUECO - 1.2;
    pintarSuave(r, [&](Punto p) { return dCirculo(p, {CENTRO_C4.x + 1.2, CENTRO_C4.y + 1.6}, radio); }, NEGRO, 2.5,
                0.45);
    pintarDisco(r, CENTRO_C4, radio, claro, oscuro);
    const double rborde = radio * 0.68;
    pintar(r, [&](Punto p) { return std::abs(dCirculo(p, CENTRO_C4, rborde)) - 0.9; },
           [&](Punto p) { return mezcla(oscuro, NEGRO, 0.15 + 0.15 * haciaLaLuz(p, CENTRO_C4)); }, 0.8);
    pintar(r, [&](Punto p) { return std::abs(dCirculo(p, CENTRO_C4, rborde + 1.6)) - 0.6; },
           [&](Punto p) { return mezcla(claro, BLANCO, 0.3 + 0.3 * haciaLaLuz(p, CENTRO_C4)); }, 0.7);
    return r;
}

Raster fichaA() { return fichaConecta4(rgb(0xF5483E), rgb(0xA9160F)); }
Raster fichaB() { return fichaConecta4(rgb(0xFFE766), rgb(0xD49B00)); }
Raster fichaN() { return celdaConecta4(); }

// ---- Tic-tac-toe: 150 x 150, paper with the grid drawn on its edges ----

constexpr int LADO_3R = 150;
constexpr Punto CENTRO_3R{75, 75};

Raster casilla3Raya()
{
    // Flat paper: a shade within a cell would show the cells as tiles.
    Raster r(LADO_3R, LADO_3R, rgb(0xF8F5EC));
    // Each cell draws half of every grid line it shares.
    const Rgb linea = rgb(0x34495E);
    pintar(r,
           [](Punto p) {
               const double borde = std::min(std::min(p.x, p.y), std::min(LADO_3R - p.x, LADO_3R - p.y));
               return borde - 2.0;
           },
           liso(linea));
    return r;
}

// A piece drawn as strokes, with a soft shadow under it.
template <class Forma>
void pintarTrazoConSombra(Raster& r, Forma forma, Rgb claro, Rgb oscuro)
{
    pintarSuave(r, [&](Punto p) { return forma({p.x - 3, p.y - 4}); }, NEGRO, 5.0, 0.22);
    pintar(r, forma, [&](Punto p) { return mezcla(claro, oscuro, p.y / LADO_3R); });
}

Raster cruz()
{
    Raster r = casilla3Raya();
    constexpr double a = 43, b = 107, g = 10.5;
    pintarTrazoConSombra(
        r, [](Punto p) { return std::min(dTrazo(p, {a, a}, {b, b}, g), dTrazo(p, {b, a}, {a, b}, g)); },
        rgb(0xEE4B3E), rgb(0xB51F17));
    return r;
}

Raster aro()
{
    Raster r = casilla3Raya();
    pintarTrazoConSombra(r, [](Punto p) { return std::abs(dCirculo(p, CENTRO_3R, 33)) - 10.5; },
                         rgb(0x3A8BDB), rgb(0x1B5A9E));
    return r;
}

// ---- Othello: 41 x 41, green felt with dark borders ----

constexpr int LADO_OT = 41;
constexpr Punto CENTRO_OT{20.5, 20.5};

Raster casillaOtelo()
{
    const Rgb claro = rgb(0x2A9D5A), oscuro = rgb(0x1C7A43);
    Raster r(LADO_OT, LADO_OT, claro);
    pintar(r, [](Punto) { return -1.0; },
           [&](Punto p) { return mezcla(claro, oscuro, std::min(distancia(p, CENTRO_OT) / 45.0, 1.0)); });
    pintar(r,
           [](Punto p) {
               const double borde = std::min(std::min(p.x, p.y), std::min(LADO_OT - p.x, LADO_OT - p.y));
               return borde - 0.75;
           },
           liso(rgb(0x0C3D20)));
    return r;
}

Raster discoOtelo(Rgb claro, Rgb oscuro, Rgb contorno)
{
    Raster r = casillaOtelo();
    constexpr double radio = 16.2;
    pintarSuave(r, [](Punto p) { return dCirculo(p, {CENTRO_OT.x + 1.3, CENTRO_OT.y + 1.8}, radio); }, NEGRO, 3.0, 0.5);
    pintarDisco(r, CENTRO_OT, radio, claro, oscuro);
    pintar(r, [](Punto p) { return std::abs(dCirculo(p, CENTRO_OT, radio - 0.4)) - 0.5; }, liso(contorno), 0.8);
    return r;
}

Raster oteloA() { return discoOtelo(rgb(0x5A5A5A), rgb(0x0E0E0E), rgb(0x000000)); }
Raster oteloB() { return discoOtelo(rgb(0xFFFFFF), rgb(0xC4C8C0), rgb(0x7C8279)); }
Raster oteloN() { return casillaOtelo(); }

// The pass button: a rounded key that reads "Pasar", with an arrow under it.
Raster oteloP()
{
    Raster r = casillaOtelo();
    const auto boton = [](Punto p) { return dCajaRedondeada(p, CENTRO_OT, 17.3, 17.3, 5.5); };
    pintarSuave(r, [&](Punto p) { return boton({p.x - 1, p.y - 1.5}); }, NEGRO, 2.5, 0.45);
    const Rgb arriba = rgb(0xFFF8E6), abajo = rgb(0xE6D2A5);
    pintar(r, boton, [&](Punto p) { return mezcla(arriba, abajo, p.y / LADO_OT); });
    pintar(r, [&](Punto p) { return std::abs(boton(p)) - 0.6; }, liso(rgb(0x7A5A2A)));

    const Rgb tinta = rgb(0x3A2812);
    pintar(r, [](Punto p) { return dTexto(p, "Pasar", CENTRO_OT.x, 11.0, 0.92, 0.85); }, liso(tinta));
    const auto flecha = [](Punto p) {
        const Punto punta{28.5, 29.0};
        return std::min({dTrazo(p, {12.5, 29.0}, punta, 1.1), dTrazo(p, {24.5, 25.5}, punta, 1.1),
                         dTrazo(p, {24.5, 32.5}, punta, 1.1)});
    };
    pintar(r, flecha, liso(tinta));
    return r;
}

}  // namespace

const std::vector<Ficha>& fichas()
{
    static const std::vector<Ficha> todas = {
        {"fichaA.bmp", fichaA},  {"fichaB.bmp", fichaB},  {"fichaN.bmp", fichaN},
        {"3RA.bmp", cruz},       {"3RB.bmp", aro},        {"3RN.bmp", casilla3Raya},
        {"OteloA.bmp", oteloA},  {"OteloB.bmp", oteloB},  {"OteloN.bmp", oteloN},
        {"OteloP.bmp", oteloP},
    };
    return todas;
}
