#include "games/Utjuegootelo.h"

#include "support/Uerrores.h"

namespace {

constexpr unsigned LADO = 8;        // the playing area is LADO by LADO
constexpr int ULTIMA = LADO - 1;    // its last index on either axis
constexpr int CASILLAS = LADO * LADO;

struct Direccion {
    int dx;
    int dy;
};

// West, east, north, south, north-west, north-east, south-west, south-east.
constexpr Direccion DIRECCIONES[] = {{-1, 0}, {1, 0},  {0, -1}, {0, 1},
                                     {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

// Whether one more step from (x, y) along d stays inside the playing area.
bool puedeAvanzar(int x, int y, Direccion d)
{
    return (d.dx >= 0 || x > 0) && (d.dx <= 0 || x < ULTIMA) && (d.dy >= 0 || y > 0) &&
           (d.dy <= 0 || y < ULTIMA);
}

Turno celda(const Tablero& t, int x, int y)
{
    Turno v = NINGUNO;
    t.leer(static_cast<unsigned>(x), static_cast<unsigned>(y), v);
    return v;
}

// Walks from (x, y) along d over the opponent's discs; returns how many of them
// a disc of 'propio' at (x, y) brackets in that direction (0 when none).
int capturasEn(const Tablero& t, int x, int y, Direccion d, Turno propio)
{
    if (!puedeAvanzar(x, y, d)) return 0;
    const Turno rival = otroJugador(propio);
    int cx = x + d.dx, cy = y + d.dy;
    int pasos = 0;
    Turno v = celda(t, cx, cy);
    while (v == rival && puedeAvanzar(cx, cy, d)) {
        cx += d.dx;
        cy += d.dy;
        ++pasos;
        v = celda(t, cx, cy);
    }
    return v == propio ? pasos : 0;
}

}  // namespace

tJuegoOtelo::tJuegoOtelo(Turno empieza)
    : tJuegoLogT2(LADO + 1, LADO, empieza), libres(CASILLAS - 4), fichas1(2), fichas2(2), pasado(false)
{
    tablero->escribir(3, 3, JUGADOR1);
    tablero->escribir(4, 3, JUGADOR2);
    tablero->escribir(3, 4, JUGADOR2);
    tablero->escribir(4, 4, JUGADOR1);
}

bool tJuegoOtelo::flanquea(unsigned x, unsigned y)
{
    if (!tablero || x >= LADO || y >= LADO) return false;
    for (const Direccion& d : DIRECCIONES)
        if (capturasEn(*tablero, static_cast<int>(x), static_cast<int>(y), d, turno) > 0) return true;
    return false;
}

void tJuegoOtelo::voltear(unsigned x, unsigned y)
{
    if (!tablero || x >= LADO || y >= LADO) return;
    const int ox = static_cast<int>(x), oy = static_cast<int>(y);
    for (const Direccion& d : DIRECCIONES) {
        const int n = capturasEn(*tablero, ox, oy, d, turno);
        for (int k = n; k >= 1; --k) {
            tablero->escribir(static_cast<unsigned>(ox + k * d.dx), static_cast<unsigned>(oy + k * d.dy), turno);
            if (turno == JUGADOR1) {
                ++fichas1;
                --fichas2;
            } else {
                ++fichas2;
                --fichas1;
            }
        }
    }
}

bool tJuegoOtelo::esValido(Casilla c)
{
    if (c.x == COLUMNA_PASAR) {
        for (unsigned i = 0; i < LADO; ++i)
            for (unsigned j = 0; j < LADO; ++j)
                if (esValido({i, j})) return false;
        return true;
    }
    if (libres <= 0 || !tablero) return false;
    Turno v = JUGADOR1;
    if (!tablero->leer(c.x, c.y, v) || v != NINGUNO) return false;
    return flanquea(c.x, c.y);
}

void tJuegoOtelo::mover(Casilla c)
{
    if (!tablero || !esValido(c)) throw EJuego();
    if (c.x == COLUMNA_PASAR) {
        if (!pasado) {
            turno = otroJugador(turno);
            pasado = true;
        } else {
            fin = true;
            turno = fichas1 > fichas2 ? JUGADOR1 : JUGADOR2;
        }
        return;
    }
    pasado = false;
    tablero->escribir(c.x, c.y, turno);
    --libres;
    if (turno == JUGADOR1) ++fichas1; else ++fichas2;
    voltear(c.x, c.y);
    fin = finJuego();
    if (!fin)
        turno = otroJugador(turno);
    else
        turno = fichas1 > fichas2 ? JUGADOR1 : JUGADOR2;
}

bool tJuegoOtelo::finJuego() { return fin || libres == 0; }

tJuegoLogT2* tJuegoOtelo::clonar() { return new tJuegoOtelo(*this); }
