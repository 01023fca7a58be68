#include "app/Ufabrica.h"

#include "games/Utjuego3raya.h"
#include "games/Utjuegoconecta4.h"
#include "games/Utjuegootelo.h"
#include "players/Utjugadoraut3r.h"
#include "players/Utjugadorautc4.h"
#include "players/Utjugadorautot.h"

namespace {
constexpr unsigned COLUMNAS_CONECTA4 = 8;
constexpr unsigned FILAS_CONECTA4 = 6;
}  // namespace

tJuegoLogT2* crearJuego(std::uint8_t tipoJuego, Turno primero)
{
    switch (tipoJuego) {
    case JUEGO_CONECTA4: return new tJuegoConecta4(COLUMNAS_CONECTA4, FILAS_CONECTA4, primero);
    case JUEGO_3RAYA: return new tJuego3Raya(primero);
    case JUEGO_OTELO: return new tJuegoOtelo(primero);
    default: return nullptr;
    }
}

tJugadorAutT2* crearJugador(std::uint8_t tipoJuego, std::uint8_t tipoJugador, int nivel)
{
    const bool aleatorio = tipoJugador == JUGADOR_ALEATORIO;
    if (!aleatorio && tipoJugador != JUGADOR_CONCIENZUDO) return nullptr;
    switch (tipoJuego) {
    case JUEGO_CONECTA4:
        return aleatorio ? static_cast<tJugadorAutT2*>(new tJugAleaC4) : new tJugConzC4(nivel);
    case JUEGO_3RAYA:
        return aleatorio ? static_cast<tJugadorAutT2*>(new tJugAlea3R) : new tJugConz3R(nivel);
    case JUEGO_OTELO:
        return aleatorio ? static_cast<tJugadorAutT2*>(new tJugAleaOt) : new tJugConzOt(nivel);
    default: return nullptr;
    }
}
