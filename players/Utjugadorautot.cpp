#include "players/Utjugadorautot.h"

#include "games/Utjuegootelo.h"
#include "players/Usorteo.h"
#include "support/Uerrores.h"

namespace {

constexpr unsigned LADO = 8;  // the playing area is LADO by LADO

}  // namespace

// Symmetric, so [x][y] equals [y][x].
const int PESOS_OTELO[8][8] = {
    {50, -1, 5, 2, 2, 5, -1, 50},   {-1, -10, 1, 1, 1, 1, -10, -1}, {5, 1, 1, 1, 1, 1, 1, 5},
    {2, 1, 1, 0, 0, 1, 1, 2},       {2, 1, 1, 0, 0, 1, 1, 2},       {5, 1, 1, 1, 1, 1, 1, 5},
    {-1, -10, 1, 1, 1, 1, -10, -1}, {50, -1, 5, 2, 2, 5, -1, 50},
};

Casilla tJugAleaOt::elegirJugada(tJuegoLogT2* juego)
{
    sembrarDelReloj();
    bool hayDisco = false;
    for (unsigned x = 0; x < LADO && !hayDisco; ++x)
        for (unsigned y = 0; y < LADO && !hayDisco; ++y) hayDisco = juego->esValido({x, y});
    if (!hayDisco) return {COLUMNA_PASAR, 0};
    // The pass column can be drawn, but a pass is refused while a disc is valid.
    Casilla c{};
    do {
        c.x = sortearBajo(juego->numColumnas());
        c.y = sortearBajo(juego->numFilas());
    } while (!juego->esValido(c));
    return c;
}

tJugConzOt::tJugConzOt(int n) : nivel(n), evaluacion(evaluarOt) {}

Casilla tJugConzOt::elegirJugada(tJuegoLogT2* juego)
{
    if (juego->finalizado()) throw EJugador();
    ArbolJT2 arbol(juego, nivel, evaluacion);
    return arbol.mejorJugada();
}

int evaluarOt(tJuegoLogT2* juego)
{
    const Tablero* t = juego->dameTablero();
    if (!t) return 0;
    int total = 0;
    for (unsigned x = 0; x < LADO; ++x) {
        for (unsigned y = 0; y < LADO; ++y) {
            Turno v = NINGUNO;
            t->leer(x, y, v);
            if (v == JUGADOR2) total += PESOS_OTELO[x][y];
            else if (v == JUGADOR1) total -= PESOS_OTELO[x][y];
        }
    }
    return total;
}
