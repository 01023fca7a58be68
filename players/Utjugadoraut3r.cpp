#include "players/Utjugadoraut3r.h"

#include "players/Upuntuacion.h"
#include "players/Usorteo.h"
#include "support/Uerrores.h"

Casilla tJugAlea3R::elegirJugada(tJuegoLogT2* juego)
{
    sembrarDelReloj();
    const unsigned nc = juego->numColumnas();
    const unsigned nf = juego->numFilas();
    unsigned x = sortearBajo(nc);
    unsigned y = sortearBajo(nf);
    // An occupied cell would come back at once from the same second's seed:
    // draw on from the same stream until a free one turns up.
    if (hayCasillaValida(*juego)) {
        while (!juego->esValido({x, y})) {
            x = sortearBajo(nc);
            y = sortearBajo(nf);
        }
    }
    return {x, y};
}

tJugConz3R::tJugConz3R(int n) : nivel(n), evaluacion(evaluar3R) {}

Casilla tJugConz3R::elegirJugada(tJuegoLogT2* juego)
{
    if (juego->finalizado()) throw EJugador();
    ArbolJT2 arbol(juego, nivel, evaluacion);
    return arbol.mejorJugada();
}

void puntuarLinea(int& total, Turno a, Turno b, Turno c)
{
    puntuarGrupo(total, {a, b, c});
}

int evaluar3R(tJuegoLogT2* juego)
{
    const Tablero* t = juego->dameTablero();
    if (!t) return 0;
    auto celda = [t](unsigned x, unsigned y) { return leerCelda(*t, x, y); };
    int total = 0;
    for (unsigned i = 0; i < 3; ++i) {
        puntuarLinea(total, celda(i, 0), celda(i, 1), celda(i, 2));  // column
        puntuarLinea(total, celda(0, i), celda(1, i), celda(2, i));  // row
    }
    puntuarLinea(total, celda(0, 0), celda(1, 1), celda(2, 2));
    puntuarLinea(total, celda(0, 2), celda(1, 1), celda(2, 0));
    return total;
}
