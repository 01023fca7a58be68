#ifndef PLAYERS_UTARBOLJT2_H
#define PLAYERS_UTARBOLJT2_H

// The game tree of the thorough players: from a position, every sequence of
// valid moves to a fixed depth, valued by minimax with an evaluation function,
// and the computer's best first move chosen from it.

#include <memory>

#include "games/Utjuegologt2.h"
#include "players/Utarbol.h"

// The score of a position for JUGADOR2 (greater is better for the computer).
// It only reads the game.
using FuncionEvaluacion = int (*)(tJuegoLogT2* juego);

// One node of a game tree: the node's own position and the move that led to it.
struct datoT2 {
    tJuegoLogT2* juego;
    Casilla casilla;
};

using ArbolJ = Arbol<datoT2>;

// The minimax choice of the computer's move to a depth of profundidad plies.
//
// Leaves are the positions at that depth and the positions where the game
// accepts no cell (finished positions are still played on wherever the game
// accepts a move). A node whose game has JUGADOR1 to move takes the least value
// of its children, any other node the greatest; the root always takes the
// greatest, and among equal values the first move in x-then-y order wins.
//
// The search goes depth first and keeps only the positions on its present path
// (with their brothers, for ordering), and leaves out the subtrees that cannot
// change the result, so the move is the same as that of the whole tree at a
// small part of its cost.
class ArbolJT2 {
public:
    // Keeps a copy of juego (which stays the caller's and unchanged).
    ArbolJT2(tJuegoLogT2* juego, int profundidad, FuncionEvaluacion evaluacion);
    ~ArbolJT2();
    ArbolJT2(const ArbolJT2&) = delete;
    ArbolJT2& operator=(const ArbolJT2&) = delete;

    // The computer's move; EJugador "Error de jugador." when the root has no
    // child (a depth of 0 or less, or no valid cell).
    Casilla mejorJugada();

private:
    std::unique_ptr<tJuegoLogT2> raiz;  // the position the tree was made for
    int profundidad;
    FuncionEvaluacion evaluacion;
};

#endif
