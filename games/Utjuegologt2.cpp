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
    const unsigned nc = tablero->numColumnas();
    const unsigned nf = tablero->numFilas();
    delete tablero;
    tablero = new Tablero(nc, nf, NINGUNO);
    turno = empieza;
}
