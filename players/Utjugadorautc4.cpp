#include "players/Utjugadorautc4.h"

#include "players/Upuntuacion.h"
#include "players/Usorteo.h"
#include "support/Uerrores.h"

Casilla tJugAleaC4::elegirJugada(tJuegoLogT2* juego)
{
    sembrarDelReloj();
    const unsigned n = juego->numColumnas();
    unsigned x = sortearBajo(n);
    // A full column would come back at once from the same second's seed:
    // draw on from the same stream until an open one turns up.
    if (hayCasillaValida(*juego))
        while (!juego->esValido({x, 0})) x = sortearBajo(n);
    return {x, 0};
}

tJugConzC4::tJugConzC4(int n) : nivel(n), evaluacion(evaluarC4) {}

Casilla tJugConzC4::elegirJugada(tJuegoLogT2* juego)
{
    if (juego->finalizado()) throw EJugador();
    ArbolJT2 arbol(juego, nivel, evaluacion);
    return arbol.mejorJugada();
}

void puntuarVentana(int& total, Turno a, Turno b, Turno c, Turno d)
{
    puntuarGrupo(total, {a, b, c, d});
}

int evaluarC4(tJuegoLogT2* juego)
{
    const Tablero* t = juego->dameTablero();
    if (!t) return 0;
    auto celda = [t](unsigned x, unsigned y) { return leerCelda(*t, x, y); };
    const unsigned nc = t->numColumnas();
    const unsigned nf = t->numFilas();
    int total = 0;
    for (unsigned x = 0; x < nc; ++x)  // vertical
        for (unsigned y = 3; y < nf; ++y)
            puntuarVentana(total, celda(x, y - 3), celda(x, y - 2), celda(x, y - 1), celda(x, y));
    for (unsigned x = 3; x < nc; ++x)  // horizontal
        for (unsigned y = 0; y < nf; ++y)
            puntuarVentana(total, celda(x - 3, y), celda(x - 2, y), celda(x - 1, y), celda(x, y));
    for (unsigned x = 3; x < nc; ++x)  // rising diagonal
        for (unsigned y = 3; y < nf; ++y)
            puntuarVentana(total, celda(x - 3, y), celda(x - 2, y - 1), celda(x - 1, y - 2), celda(x, y - 3));
    for (unsigned x = 3; x < nc; ++x)  // falling diagonal
        for (unsigned y = 3; y < nf; ++y)
            puntuarVentana(total, celda(x - 3, y - 3), celda(x - 2, y - 2), celda(x - 1, y - 1), celda(x, y));
    return total;
}
