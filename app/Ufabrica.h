#ifndef APP_UFABRICA_H
#define APP_UFABRICA_H

// The games and players a window's settings name.

#include <cstdint>

#include "games/Utjuegologt2.h"
#include "players/Utjugadorautt2.h"

constexpr std::uint8_t JUEGO_CONECTA4 = 1;
constexpr std::uint8_t JUEGO_3RAYA = 2;
constexpr std::uint8_t JUEGO_OTELO = 3;

constexpr std::uint8_t JUGADOR_ALEATORIO = 1;
constexpr std::uint8_t JUGADOR_CONCIENZUDO = 2;

// A new starting position of game tipoJuego with primero to move; null for an unknown game.
tJuegoLogT2* crearJuego(std::uint8_t tipoJuego, Turno primero);

// A new opponent for game tipoJuego of kind tipoJugador (nivel for the thorough
// one); null for an unknown game or kind.
tJugadorAutT2* crearJugador(std::uint8_t tipoJuego, std::uint8_t tipoJugador, int nivel);

#endif
