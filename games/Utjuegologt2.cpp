#include "games/Utjuegologt2.h"

tJuegoLogT2::tJuegoLogT2(unsigned ancho, unsigned alto, Turno empieza)
    : fin(false), turno(empieza), tablero(new Tablero(ancho, alto, NINGUNO))
{
}

tJuegoLogT2::tJuegoLogT2(const tJuegoLogT2& otro)
    : fin(otro.fin), turno(otro.turno), tablero(new Tablero())
{
    if (otro.tablero) *tablero = *otro.tablero;
}

tJuegoLogT2::~tJuegoLogT2() { delete tablero; }

void tJuegoLogT2::reiniciar(Turno empieza)
{
    if (!tablero) return;
    // The new board is made before the old one goes, so a failed allocation leaves the game whole.
    Tablero* nuevo = new Tablero(tablero->numColumnas(), tablero->numFilas(), NINGUNO);
    delete tablero;
    tablero = nuevo;
    turno = empieza;
}
