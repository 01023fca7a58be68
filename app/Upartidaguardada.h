#ifndef APP_UPARTIDAGUARDADA_H
#define APP_UPARTIDAGUARDADA_H

// The saved-game file ("*.jt2"): four bytes of settings (game, opponent,
// level, side that moved first), the number of moves as 4 bytes, then every
// move as its x and y, 4 bytes each; all little-endian, nothing else.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "games/Utjuegologt2.h"

// A match as the file holds it.
struct PartidaGuardada {
    std::uint8_t tipoJuego = 0;    // 1 Connect 4, 2 Tic-tac-toe, 3 Othello
    std::uint8_t tipoJugador = 0;  // 1 random, 2 thorough
    std::int8_t nivelJugador = 0;  // 2, 4 or 6 (anything the window held, for the random one)
    Turno primerTurno = NINGUNO;   // the side of the first move
    std::vector<Casilla> jugadas;  // every move, oldest first
};

// The outcome of reading a file: the match, or why it was refused.
struct LecturaPartida {
    bool aceptada = false;
    PartidaGuardada partida;  // meaningful only when aceptada
    std::string motivo;       // in Spanish, when refused: what is wrong with the file
};

constexpr std::size_t BYTES_CABECERA = 8;
constexpr std::size_t BYTES_JUGADA = 8;

// Reads a saved game from its bytes and checks all of it: the exact length,
// every setting, and every move replayed on a scratch game (legal, and none
// after the end of the game). Never throws.
LecturaPartida leerPartida(const std::uint8_t* datos, std::size_t tamano);
LecturaPartida leerPartida(const std::vector<std::uint8_t>& datos);

// The bytes of the file that holds partida.
std::vector<std::uint8_t> codificarPartida(const PartidaGuardada& partida);

#endif
