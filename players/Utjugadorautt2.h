#ifndef PLAYERS_UTJUGADORAUTT2_H
#define PLAYERS_UTJUGADORAUTT2_H

// The computer's side of a match: asked for a move, it returns the cell it
// wants to play and leaves the game as it was; the caller plays it.

#include "games/Utjuegologt2.h"

class tJugadorAutT2 {
public:
    tJugadorAutT2() = default;
    tJugadorAutT2(const tJugadorAutT2&) = delete;
    tJugadorAutT2& operator=(const tJugadorAutT2&) = delete;
    // The window destroys its player through this base.
    virtual ~tJugadorAutT2() = default;

    // The move the computer wants to make in juego (not finished, JUGADOR2 to move).
    virtual Casilla elegirJugada(tJuegoLogT2* juego) = 0;
};

#endif
