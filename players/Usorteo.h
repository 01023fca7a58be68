#ifndef PLAYERS_USORTEO_H
#define PLAYERS_USORTEO_H

// Random draws shared by the random players: the process-wide generator of the
// standard library, seeded from the clock in whole seconds at every move.

#include <cstdlib>
#include <ctime>

#include "games/Utjuegologt2.h"

// Seeds the generator from the calendar clock.
inline void sembrarDelReloj() { std::srand(static_cast<unsigned>(std::time(nullptr))); }

// The next draw reduced below n (0 when n is 0).
inline unsigned sortearBajo(unsigned n) { return n == 0 ? 0 : static_cast<unsigned>(std::rand()) % n; }

// Whether juego accepts any cell of its board.
inline bool hayCasillaValida(tJuegoLogT2& juego)
{
    for (unsigned x = 0; x < juego.numColumnas(); ++x)
        for (unsigned y = 0; y < juego.numFilas(); ++y)
            if (juego.esValido({x, y})) return true;
    return false;
}

#endif
