#ifndef TESTS_GAMES_AYUDAS_H
#define TESTS_GAMES_AYUDAS_H

// Small helpers shared by the game tests: a snapshot of a position, a picture
// of the board, and playing a list of moves.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/Utjuegologt2.h"
#include "support/Uerrores.h"

namespace ayudas {

// Everything a move may change that the base class shows.
struct Foto {
    std::vector<Turno> celdas;
    Turno turno;
    bool fin;
    bool operator==(const Foto& o) const { return celdas == o.celdas && turno == o.turno && fin == o.fin; }
};

inline Foto foto(const tJuegoLogT2& j)
{
    Foto f{{}, j.dameTurno(), j.finalizado()};
    const Tablero& t = *j.dameTablero();
    for (unsigned y = 0; y < t.numFilas(); ++y)
        for (unsigned x = 0; x < t.numColumnas(); ++x) {
            Turno v = NINGUNO;
            t.leer(x, y, v);
            f.celdas.push_back(v);
        }
    return f;
}

inline Turno celda(const tJuegoLogT2& j, unsigned x, unsigned y)
{
    Turno v = NINGUNO;
    j.dameTablero()->leer(x, y, v);
    return v;
}

// The board as text, one line per row from the top: '.' empty, 'X' JUGADOR1, 'O' JUGADOR2.
inline std::string dibujo(const tJuegoLogT2& j)
{
    std::string s;
    for (unsigned y = 0; y < j.numFilas(); ++y) {
        for (unsigned x = 0; x < j.numColumnas(); ++x) {
            const Turno v = celda(j, x, y);
            s += v == JUGADOR1 ? 'X' : v == JUGADOR2 ? 'O' : '.';
        }
        s += '\n';
    }
    return s;
}

// Sets the board from text in the form dibujo() gives (rows may be shorter than the board).
inline void ponerDibujo(tJuegoLogT2& j, const std::vector<std::string>& filas)
{
    for (unsigned y = 0; y < filas.size(); ++y)
        for (unsigned x = 0; x < filas[y].size(); ++x) {
            const char c = filas[y][x];
            j.dameTablero()->escribir(x, y, c == 'X' ? JUGADOR1 : c == 'O' ? JUGADOR2 : NINGUNO);
        }
}

inline std::string unir(const std::vector<std::string>& filas)
{
    std::string s;
    for (const std::string& f : filas) s += f + '\n';
    return s;
}

// The same picture with the two sides swapped.
inline std::vector<std::string> cambiarLados(std::vector<std::string> filas)
{
    for (std::string& f : filas)
        for (char& c : f) c = c == 'X' ? 'O' : c == 'O' ? 'X' : c;
    return filas;
}

// Plays c; returns the message of the EJuego it raises, or "" when it is accepted.
inline std::string intentar(tJuegoLogT2& j, Casilla c)
{
    try {
        j.jugar(c);
    } catch (EJuego e) {
        return e.dameMensaje();
    }
    return "";
}

// Expects c to be refused with mensaje and the game to stay exactly as it was.
inline void esperarRechazo(tJuegoLogT2& j, Casilla c, const std::string& mensaje)
{
    SCOPED_TRACE("jugada (" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")");
    const Foto antes = foto(j);
    EXPECT_FALSE(j.probar(c));
    EXPECT_EQ(intentar(j, c), mensaje);
    EXPECT_TRUE(foto(j) == antes);
}

// Plays every move, expecting the game not to end before the last one.
inline void jugarTodas(tJuegoLogT2& j, const std::vector<Casilla>& jugadas)
{
    for (std::size_t i = 0; i < jugadas.size(); ++i) {
        ASSERT_FALSE(j.finJuego()) << "terminó antes de la jugada " << i;
        ASSERT_EQ(intentar(j, jugadas[i]), "") << "jugada " << i;
    }
}

}  // namespace ayudas

#endif
