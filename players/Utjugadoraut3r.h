#ifndef PLAYERS_UTJUGADORAUT3R_H
#define PLAYERS_UTJUGADORAUT3R_H

// The Tic-tac-toe opponents: random and thorough, and the Tic-tac-toe evaluation.

#include "players/Utarboljt2.h"
#include "players/Utjugadorautt2.h"

class tJugadorAut3R : public tJugadorAutT2 {};

// Picks a cell at random among the free ones.
class tJugAlea3R : public tJugadorAut3R {
public:
    Casilla elegirJugada(tJuegoLogT2* juego) override;
};

// Searches the game tree nivel plies deep with evaluar3R.
class tJugConz3R : public tJugadorAut3R {
public:
    explicit tJugConz3R(int nivel);
    // EJugador "Error de jugador." for a finished game or when there is no move.
    Casilla elegirJugada(tJuegoLogT2* juego) override;

private:
    int nivel;
    FuncionEvaluacion evaluacion;
};

// Adds the score of one line of three cells to total: 10^n for n marks of
// JUGADOR2 alone, -10^n for n marks of JUGADOR1 alone, nothing when mixed or empty.
void puntuarLinea(int& total, Turno a, Turno b, Turno c);

// The Tic-tac-toe position for JUGADOR2: the sum over the eight lines.
int evaluar3R(tJuegoLogT2* juego);

#endif
