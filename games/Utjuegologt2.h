#ifndef GAMES_UTJUEGOLOGT2_H
#define GAMES_UTJUEGOLOGT2_H

// The vocabulary shared by every game, view and player: the cell address,
// the cell/side value, the board and the abstract two-player game.

#include <cstdint>

#include "games/Utmatriz.h"

// The address of one cell: x is the column (0 at the left), y the row (0 at the top).
struct Casilla {
    std::uint32_t x;
    std::uint32_t y;
};

inline bool operator==(Casilla a, Casilla b) { return a.x == b.x && a.y == b.y; }
inline bool operator!=(Casilla a, Casilla b) { return !(a == b); }

// Both the content of a cell and the side to move.
enum Turno : std::uint8_t { NINGUNO = 0, JUGADOR1 = 1, JUGADOR2 = 2 };

// The other side of t: JUGADOR2 after JUGADOR1, JUGADOR1 after anything else.
inline Turno otroJugador(Turno t) { return t == JUGADOR1 ? JUGADOR2 : JUGADOR1; }

using Tablero = Matriz<Turno>;

// One position of a two-player board game: the board, the side to move and
// whether the game is over. Once it is over, turno names the winner.
class tJuegoLogT2 {
public:
    tJuegoLogT2(unsigned ancho, unsigned alto, Turno empieza);
    tJuegoLogT2(const tJuegoLogT2& otro);
    tJuegoLogT2& operator=(const tJuegoLogT2&) = delete;
    virtual ~tJuegoLogT2();

    // Empties the board and hands the first move to empieza; fin and the
    // games' own counters stay as they were.
    virtual void reiniciar(Turno empieza);
    // Applies c as the move of turno; throws EJuego, changing nothing, when c is not valid.
    virtual void mover(Casilla c) = 0;
    // Whether c is a legal move for turno now; never throws, never changes the game.
    virtual bool esValido(Casilla c) = 0;
    // Whether the game is over, from the position; never throws.
    virtual bool finJuego() = 0;
    // A new heap copy of this position, independent of it; the caller owns it.
    virtual tJuegoLogT2* clonar() = 0;
    virtual Turno turnoActual() { return turno; }

    // The entry points the program moves and tests through.
    void jugar(Casilla c) { mover(c); }
    bool probar(Casilla c) { return esValido(c); }
    Turno dameTurno() const { return turno; }
    bool finalizado() const { return fin; }
    unsigned numColumnas() const { return tablero ? tablero->numColumnas() : 0; }
    unsigned numFilas() const { return tablero ? tablero->numFilas() : 0; }
    Tablero* dameTablero() const { return tablero; }

protected:
    bool fin;
    Turno turno;
    Tablero* tablero;
};

#endif
