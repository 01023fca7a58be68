#ifndef TESTS_PLAYERS_PARTIDAS_H
#define TESTS_PLAYERS_PARTIDAS_H

// Positions reached by seeded random play, the same on every run and machine
// (std::mt19937's output is fixed by the language; draws are taken modulo).

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "games/Utjuego3raya.h"
#include "games/Utjuegoconecta4.h"
#include "games/Utjuegootelo.h"

namespace partidas {

// Every cell that juego accepts now, x then y.
inline std::vector<Casilla> validas(tJuegoLogT2& juego)
{
    std::vector<Casilla> v;
    for (unsigned x = 0; x < juego.numColumnas(); ++x)
        for (unsigned y = 0; y < juego.numFilas(); ++y)
            if (juego.probar({x, y})) v.push_back({x, y});
    return v;
}

// Plays one valid cell drawn from azar; false (nothing played) when there is none.
inline bool jugarUna(tJuegoLogT2& juego, std::mt19937& azar)
{
    const std::vector<Casilla> v = validas(juego);
    if (v.empty()) return false;
    juego.jugar(v[azar() % v.size()]);
    return true;
}

// Plays up to n random moves, stopping when the game is over.
inline void jugarAlAzar(tJuegoLogT2& juego, int n, std::mt19937& azar)
{
    for (int i = 0; i < n && !juego.finalizado(); ++i)
        if (!jugarUna(juego, azar)) return;
}

inline std::unique_ptr<tJuegoLogT2> conecta4(Turno empieza)
{
    return std::make_unique<tJuegoConecta4>(8, 6, empieza);
}
inline std::unique_ptr<tJuegoLogT2> tresEnRaya(Turno empieza) { return std::make_unique<tJuego3Raya>(empieza); }
inline std::unique_ptr<tJuegoLogT2> otelo(Turno empieza) { return std::make_unique<tJuegoOtelo>(empieza); }

inline int discos(tJuegoLogT2& juego)
{
    auto& o = dynamic_cast<tJuegoOtelo&>(juego);
    return o.fichasJ1() + o.fichasJ2();
}

// A Connect 4 game that JUGADOR1 opened, after n random moves, not finished and
// (for odd n) with JUGADOR2 to move: the first such game from seed semilla on.
inline std::unique_ptr<tJuegoLogT2> conecta4Tras(int n, std::uint32_t semilla)
{
    for (;; ++semilla) {
        std::mt19937 azar(semilla);
        auto juego = conecta4(JUGADOR1);
        jugarAlAzar(*juego, n, azar);
        if (!juego->finalizado()) return juego;
    }
}

// An Othello game that JUGADOR1 opened, played at random until it holds at
// least n discs with JUGADOR2 to move and not finished.
inline std::unique_ptr<tJuegoLogT2> oteloConDiscos(int n, std::uint32_t semilla)
{
    for (;; ++semilla) {
        std::mt19937 azar(semilla);
        auto juego = otelo(JUGADOR1);
        while (!juego->finalizado() && (discos(*juego) < n || juego->dameTurno() != JUGADOR2))
            jugarUna(*juego, azar);
        if (!juego->finalizado()) return juego;
    }
}

// An Othello game in which JUGADOR2 is to move and has to pass, not finished.
inline std::unique_ptr<tJuegoLogT2> oteloConPaseForzado(std::uint32_t semilla)
{
    for (;; ++semilla) {
        std::mt19937 azar(semilla);
        auto juego = otelo(JUGADOR1);
        while (!juego->finalizado()) {
            if (juego->dameTurno() == JUGADOR2 && juego->probar({COLUMNA_PASAR, 0})) return juego;
            jugarUna(*juego, azar);
        }
    }
}

}  // namespace partidas

#endif
