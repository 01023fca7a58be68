#ifndef PLAYERS_UPUNTUACION_H
#define PLAYERS_UPUNTUACION_H

// The group score shared by the Connect 4 and Tic-tac-toe evaluations.

#include <initializer_list>

#include "games/Utjuegologt2.h"

// Adds to total the score of one group of cells, from JUGADOR2's side:
// 10^n for n pieces of JUGADOR2 alone in the group, -10^n for n of JUGADOR1
// alone, nothing for a group holding both sides or none.
inline void puntuarGrupo(int& total, std::initializer_list<Turno> grupo)
{
    int j1 = 0, j2 = 0;
    for (Turno t : grupo) {
        j1 += t == JUGADOR1;
        j2 += t == JUGADOR2;
    }
    if (j1 > 0 && j2 > 0) return;
    int peso = 1;
    for (int n = j1 + j2; n > 0; --n) peso *= 10;
    if (j2 > 0) total += peso;
    else if (j1 > 0) total -= peso;
}

// The content of cell (x, y), NINGUNO outside the board.
inline Turno leerCelda(const Tablero& t, unsigned x, unsigned y)
{
    Turno v = NINGUNO;
    t.leer(x, y, v);
    return v;
}

#endif
