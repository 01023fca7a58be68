// The random players: a valid move at once, inside the board, and Othello's
// pass only when no disc can be placed.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <random>

#include "players/Utjugadoraut3r.h"
#include "players/Utjugadorautc4.h"
#include "players/Utjugadorautot.h"
#include "tests/players/partidas.h"

namespace {

using Fabrica = std::unique_ptr<tJuegoLogT2> (*)(Turno);

struct Caso {
    const char* nombre;
    Fabrica fabrica;
    tJugadorAutT2* jugador;
};

tJugAleaC4 aleaC4;
tJugAlea3R alea3R;
tJugAleaOt aleaOt;

bool hayDisco(tJuegoLogT2& juego)
{
    for (unsigned x = 0; x < 8; ++x)
        for (unsigned y = 0; y < 8; ++y)
            if (juego.probar({x, y})) return true;
    return false;
}

TEST(JugadoresAleatorios, SiempreUnaJugadaValidaDentroDelTablero)
{
    const Caso casos[] = {{"conecta 4", partidas::conecta4, &aleaC4},
                          {"tres en raya", partidas::tresEnRaya, &alea3R},
                          {"otelo", partidas::otelo, &aleaOt}};
    for (const Caso& c : casos) {
        int pases = 0;
        for (std::uint32_t semilla = 0; semilla < 40; ++semilla) {
            std::mt19937 azar(semilla);
            auto juego = c.fabrica(semilla % 2 ? JUGADOR1 : JUGADOR2);
            // A whole game, every move of either side chosen by the random player.
            while (!juego->finalizado()) {
                const Casilla m = c.jugador->elegirJugada(juego.get());
                ASSERT_LT(m.x, juego->numColumnas()) << c.nombre;
                ASSERT_LT(m.y, juego->numFilas()) << c.nombre;
                ASSERT_TRUE(juego->probar(m)) << c.nombre << " (" << m.x << ", " << m.y << ")";
                if (c.fabrica == partidas::otelo) {
                    const bool pasa = m.x == COLUMNA_PASAR;
                    ASSERT_EQ(pasa, !hayDisco(*juego)) << "pass exactly when no disc is valid";
                    if (pasa) {
                        EXPECT_EQ(m.y, 0u);
                        ++pases;
                    }
                }
                if (c.fabrica == partidas::conecta4) {
                    ASSERT_EQ(m.y, 0u);
                }
                juego->jugar(m);
                if (azar() % 3 == 0) partidas::jugarUna(*juego, azar);  // vary the positions
            }
        }
        if (c.fabrica == partidas::otelo) {
            EXPECT_GT(pases, 0) << "some games must have met a forced pass";
        }
    }
}

TEST(JugadoresAleatorios, UnaSolaCasillaLibreSeEncuentraEnSeguida)
{
    // Eight of nine cells taken, no line: the one free cell must come back, every time.
    tJuego3Raya tres(JUGADOR1);
    for (Casilla c : {Casilla{0, 0}, Casilla{1, 0}, Casilla{2, 0}, Casilla{0, 1}, Casilla{2, 1},
                      Casilla{1, 1}, Casilla{0, 2}, Casilla{2, 2}})
        tres.jugar(c);
    ASSERT_FALSE(tres.finalizado());
    tJuegoConecta4 c4(8, 6, JUGADOR1);
    for (unsigned x = 0; x < 7; ++x)
        for (unsigned y = 0; y < 6; ++y) c4.dameTablero()->escribir(x, y, (x / 2 + y) % 2 ? JUGADOR1 : JUGADOR2);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(alea3R.elegirJugada(&tres), (Casilla{1, 2}));
        EXPECT_EQ(aleaC4.elegirJugada(&c4), (Casilla{7, 0}));
    }
}

TEST(JugadoresAleatorios, LaPrimeraTiradaEsLaDelRelojDeEseSegundo)
{
    tJuegoConecta4 c4(8, 6, JUGADOR2);
    tJuego3Raya tres(JUGADOR2);
    for (int intento = 0; intento < 5; ++intento) {
        const std::time_t antes = std::time(nullptr);
        std::srand(static_cast<unsigned>(antes));
        const unsigned x4 = static_cast<unsigned>(std::rand()) % 8;
        std::srand(static_cast<unsigned>(antes));
        const unsigned x3 = static_cast<unsigned>(std::rand()) % 3;
        const unsigned y3 = static_cast<unsigned>(std::rand()) % 3;
        const Casilla m4 = aleaC4.elegirJugada(&c4);
        const Casilla m3 = alea3R.elegirJugada(&tres);
        if (std::time(nullptr) != antes) continue;  // the clock ticked in between: try again
        EXPECT_EQ(m4, (Casilla{x4, 0}));
        EXPECT_EQ(m3, (Casilla{x3, y3}));
        return;
    }
    FAIL() << "the clock kept ticking";
}

TEST(JugadoresAleatorios, SinCasillaValidaNoSeQuedanEsperando)
{
    // A full board: nothing is valid, and the player answers anyway (the game will refuse it).
    tJuegoConecta4 c4(8, 6, JUGADOR1);
    std::mt19937 azar(1);
    partidas::jugarAlAzar(c4, 48, azar);
    while (partidas::jugarUna(c4, azar)) {
    }
    const Casilla m = aleaC4.elegirJugada(&c4);
    EXPECT_LT(m.x, 8u);
    EXPECT_EQ(m.y, 0u);
}

}  // namespace
