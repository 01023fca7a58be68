#ifndef PLAYERS_UTJUGADORAUTC4_H
#define PLAYERS_UTJUGADORAUTC4_H

// The Connect 4 opponents: random and thorough, and the Connect 4 evaluation.

#include "players/Utarboljt2.h"
#include "players/Utjugadorautt2.h"

class tJugadorAutC4 : public tJugadorAutT2 {};

// Picks a column at random among those still open.
class tJugAleaC4 : public tJugadorAutC4 {
public:
    Casilla elegirJugada(tJuegoLogT2* juego) override;
};

// Searches the game tree nivel plies deep with evaluarC4.
class tJugConzC4 : public tJugadorAutC4 {
public:
    explicit tJugConzC4(int nivel);
    // EJugador "Error de jugador." for a finished game or when there is no move.
    Casilla elegirJugada(tJuegoLogT2* juego) override;

private:
    int nivel;
    FuncionEvaluacion evaluacion;
};

// Adds the score of one group of four cells to total: 10^n for n pieces of
// JUGADOR2 alone, -10^n for n pieces of JUGADOR1 alone, nothing when mixed or empty.
void puntuarVentana(int& total, Turno a, Turno b, Turno c, Turno d);

// The Connect 4 position for JUGADOR2: the sum over every group of four cells in a line.
int evaluarC4(tJuegoLogT2* juego);

#endif
