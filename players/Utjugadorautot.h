#ifndef PLAYERS_UTJUGADORAUTOT_H
#define PLAYERS_UTJUGADORAUTOT_H

// The Othello opponents: random and thorough, and the Othello evaluation.

#include "players/Utarboljt2.h"
#include "players/Utjugadorautt2.h"

class tJugadorAutOt : public tJugadorAutT2 {};

// Picks a valid disc at random, or passes when no disc is valid.
class tJugAleaOt : public tJugadorAutOt {
public:
    Casilla elegirJugada(tJuegoLogT2* juego) override;
};

// Searches the game tree nivel plies deep with evaluarOt.
class tJugConzOt : public tJugadorAutOt {
public:
    explicit tJugConzOt(int nivel);
    // EJugador "Error de jugador." for a finished game or when there is no move.
    Casilla elegirJugada(tJuegoLogT2* juego) override;

private:
    int nivel;
    FuncionEvaluacion evaluacion;
};

// The worth of each cell of the playing area, [x][y]: corners high, the cells
// that give a corner away low.
extern const int PESOS_OTELO[8][8];

// The Othello position for JUGADOR2: the weights of its discs less those of JUGADOR1's.
int evaluarOt(tJuegoLogT2* juego);

#endif
