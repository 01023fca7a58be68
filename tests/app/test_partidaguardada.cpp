// The saved-game reader and writer, without a window.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/Upartidaguardada.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void anadir32(Bytes& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A file of the given settings and moves.
Bytes fichero(std::uint8_t juego, std::uint8_t jugador, std::uint8_t nivel, std::uint8_t primero,
              const std::vector<Casilla>& jugadas)
{
    Bytes b{juego, jugador, nivel, primero};
    anadir32(b, static_cast<std::uint32_t>(jugadas.size()));
    for (const Casilla& c : jugadas) {
        anadir32(b, c.x);
        anadir32(b, c.y);
    }
    return b;
}

// A Tic-tac-toe match the person won with the top row.
const std::vector<Casilla> TRES_EN_RAYA_GANADO = {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}};

}  // namespace

TEST(PartidaGuardada, EjemploDeConecta4ByteAByte)
{
    PartidaGuardada p;
    p.tipoJuego = 1;
    p.tipoJugador = 2;
    p.nivelJugador = 4;
    p.primerTurno = JUGADOR1;
    p.jugadas = {{3, 0}, {5, 0}};
    const Bytes esperado = {0x01, 0x02, 0x04, 0x01, 0x02, 0, 0, 0, 0x03, 0, 0, 0, 0, 0, 0, 0, 0x05, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(codificarPartida(p), esperado);

    const LecturaPartida l = leerPartida(esperado);
    ASSERT_TRUE(l.aceptada) << l.motivo;
    EXPECT_EQ(l.partida.tipoJuego, 1);
    EXPECT_EQ(l.partida.tipoJugador, 2);
    EXPECT_EQ(l.partida.nivelJugador, 4);
    EXPECT_EQ(l.partida.primerTurno, JUGADOR1);
    EXPECT_EQ(l.partida.jugadas, p.jugadas);
}

TEST(PartidaGuardada, LittleEndianAndRoundTrip)
{
    // The count and the coordinates are little-endian; a read gives back exactly what was written.
    const Bytes b = fichero(3, 1, 0, 2, {{2, 3}, {2, 2}});
    EXPECT_EQ(b[8], 2);
    EXPECT_EQ(b[12], 3);
    const LecturaPartida l = leerPartida(b);
    ASSERT_TRUE(l.aceptada) << l.motivo;
    EXPECT_EQ(codificarPartida(l.partida), b);
}

TEST(PartidaGuardada, AcceptsWhatTheProgramWrites)
{
    struct Caso {
        const char* nombre;
        Bytes datos;
    };
    const Caso casos[] = {
        {"no moves", fichero(1, 1, 0, 1, {})},
        {"computer first", fichero(2, 2, 6, 2, {{1, 1}, {0, 0}})},
        {"random with a level left from before", fichero(2, 1, 6, 1, {{1, 1}})},
        {"a finished game", fichero(2, 2, 2, 1, TRES_EN_RAYA_GANADO)},
        {"an Othello opening", fichero(3, 2, 2, 1, {{5, 3}, {3, 2}})},
        {"a Connect 4 column filled to the top", fichero(1, 1, 0, 1, {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}})},
    };
    for (const Caso& c : casos) {
        const LecturaPartida l = leerPartida(c.datos);
        EXPECT_TRUE(l.aceptada) << c.nombre << ": " << l.motivo;
    }
}

TEST(PartidaGuardada, RefusesEveryKindOfBadFileNamingTheProblem)
{
    Bytes largo = fichero(1, 1, 0, 1, {{3, 0}});
    largo.push_back(0);
    Bytes corto = fichero(1, 1, 0, 1, {{3, 0}, {4, 0}});
    corto.pop_back();
    Bytes enorme = fichero(1, 1, 0, 1, {});
    enorme[4] = enorme[5] = enorme[6] = enorme[7] = 0xFF;  // 4294967295 moves announced

    struct Caso {
        const char* nombre;
        Bytes datos;
        const char* motivo;  // a piece of the reason given
    };
    const Caso casos[] = {
        {"empty", {}, "mide 0 bytes"},
        {"shorter than the settings", {1, 1, 0, 1, 0, 0, 0}, "al menos 8"},
        {"one byte too many", largo, "anuncia 1 jugadas"},
        {"truncated move", corto, "mide 23 bytes"},
        {"huge count", enorme, "anuncia 4294967295 jugadas"},
        {"game 0", fichero(0, 1, 0, 1, {}), "el juego (0)"},
        {"game 4", fichero(4, 1, 0, 1, {}), "el juego (4)"},
        {"opponent 0", fichero(1, 0, 0, 1, {}), "tipo de jugador (0)"},
        {"opponent 3", fichero(1, 3, 2, 1, {}), "tipo de jugador (3)"},
        {"thorough level 0", fichero(1, 2, 0, 1, {}), "concienzudo (0)"},
        {"thorough level 3", fichero(1, 2, 3, 1, {}), "concienzudo (3)"},
        {"thorough level -2", fichero(1, 2, 0xFE, 1, {}), "concienzudo (-2)"},
        {"thorough level 8", fichero(2, 2, 8, 1, {}), "concienzudo (8)"},
        {"random level 5", fichero(2, 1, 5, 1, {}), "aleatorio (5)"},
        {"first side 0", fichero(1, 1, 0, 0, {}), "turno inicial (0)"},
        {"first side 3", fichero(1, 1, 0, 3, {}), "turno inicial (3)"},
        {"column outside the board", fichero(1, 1, 0, 1, {{8, 0}}), "la jugada 1 (x = 8, y = 0) no es válida"},
        {"Connect 4 move with a row", fichero(1, 1, 0, 1, {{3, 5}}), "la jugada 1 (x = 3, y = 5)"},
        {"full column", fichero(1, 1, 0, 1, {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}), "la jugada 7"},
        {"occupied cell", fichero(2, 1, 0, 1, {{1, 1}, {1, 1}}), "la jugada 2 (x = 1, y = 1) no es válida"},
        {"cell outside Tic-tac-toe", fichero(2, 1, 0, 1, {{0, 3}}), "la jugada 1"},
        {"Othello cell that turns nothing", fichero(3, 1, 0, 1, {{0, 0}}), "la jugada 1 (x = 0, y = 0)"},
        {"Othello pass with moves left", fichero(3, 1, 0, 1, {{8, 0}}), "la jugada 1 (x = 8, y = 0)"},
        {"a move after the end", fichero(2, 2, 2, 1, [] {
             auto v = TRES_EN_RAYA_GANADO;
             v.push_back({2, 2});
             return v;
         }()), "la jugada 6 (x = 2, y = 2) llega después del final"},
    };
    for (const Caso& c : casos) {
        const LecturaPartida l = leerPartida(c.datos);
        EXPECT_FALSE(l.aceptada) << c.nombre;
        EXPECT_NE(l.motivo.find(c.motivo), std::string::npos) << c.nombre << ": \"" << l.motivo << "\"";
    }
}
