#include "app/Upartidaguardada.h"

#include <memory>

#include "app/Ufabrica.h"
#include "support/Uerrores.h"

namespace {

std::uint32_t leer32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void escribir32(std::vector<std::uint8_t>& bytes, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

LecturaPartida rechazo(std::string motivo)
{
    LecturaPartida r;
    r.motivo = std::move(motivo);
    return r;
}

std::string texto(std::uint64_t n) { return std::to_string(n); }

// Empty when the settings are sound, else what is wrong with them.
std::string motivoAjustes(const PartidaGuardada& p)
{
    if (p.tipoJuego < JUEGO_CONECTA4 || p.tipoJuego > JUEGO_OTELO)
        return "el juego (" + texto(p.tipoJuego) + ") no es ninguno de los tres (1, 2 o 3)";
    if (p.tipoJugador != JUGADOR_ALEATORIO && p.tipoJugador != JUGADOR_CONCIENZUDO)
        return "el tipo de jugador (" + texto(p.tipoJugador) + ") no es 1 (aleatorio) ni 2 (concienzudo)";
    const int nivel = p.nivelJugador;
    const bool nivelDeBusqueda = nivel == 2 || nivel == 4 || nivel == 6;
    if (p.tipoJugador == JUGADOR_CONCIENZUDO && !nivelDeBusqueda)
        return "el nivel del jugador concienzudo (" + std::to_string(nivel) + ") no es 2, 4 ni 6";
    if (p.tipoJugador == JUGADOR_ALEATORIO && !nivelDeBusqueda && nivel != 0)
        return "el nivel guardado con el jugador aleatorio (" + std::to_string(nivel) + ") no es 0, 2, 4 ni 6";
    if (p.primerTurno != JUGADOR1 && p.primerTurno != JUGADOR2)
        return "el turno inicial (" + texto(p.primerTurno) + ") no es 1 (usuario) ni 2 (ordenador)";
    return "";
}

std::string nombreJugada(std::size_t k, Casilla c)
{
    return "la jugada " + texto(k + 1) + " (x = " + texto(c.x) + ", y = " + texto(c.y) + ")";
}

// Empty when every move is legal in turn from the starting position, else the first fault.
std::string motivoJugadas(const PartidaGuardada& p)
{
    const std::unique_ptr<tJuegoLogT2> juego(crearJuego(p.tipoJuego, p.primerTurno));
    for (std::size_t k = 0; k < p.jugadas.size(); ++k) {
        const Casilla c = p.jugadas[k];
        if (juego->finJuego()) return nombreJugada(k, c) + " llega después del final de la partida";
        if (!juego->probar(c)) return nombreJugada(k, c) + " no es válida en su posición";
        try {
            juego->jugar(c);
        } catch (const EJuego&) {
            return nombreJugada(k, c) + " no es válida en su posición";
        }
    }
    return "";
}

}  // namespace

LecturaPartida leerPartida(const std::uint8_t* datos, std::size_t tamano)
{
    if (tamano < BYTES_CABECERA)
        return rechazo("el fichero mide " + texto(tamano) + " bytes y una partida guardada mide al menos " +
                       texto(BYTES_CABECERA));
    const std::uint32_t n = leer32(datos + 4);
    const std::uint64_t esperado = BYTES_CABECERA + std::uint64_t{BYTES_JUGADA} * n;
    if (tamano != esperado)
        return rechazo("el fichero mide " + texto(tamano) + " bytes, pero anuncia " + texto(n) +
                       " jugadas, que ocuparían " + texto(esperado) + " bytes");

    LecturaPartida r;
    PartidaGuardada& p = r.partida;
    p.tipoJuego = datos[0];
    p.tipoJugador = datos[1];
    p.nivelJugador = static_cast<std::int8_t>(datos[2]);
    p.primerTurno = static_cast<Turno>(datos[3]);
    std::string motivo = motivoAjustes(p);
    if (!motivo.empty()) return rechazo(motivo);

    p.jugadas.reserve(n);
    for (std::uint32_t k = 0; k < n; ++k) {
        const std::uint8_t* jugada = datos + BYTES_CABECERA + BYTES_JUGADA * k;
        p.jugadas.push_back(Casilla{leer32(jugada), leer32(jugada + 4)});
    }
    motivo = motivoJugadas(p);
    if (!motivo.empty()) return rechazo(motivo);
    r.aceptada = true;
    return r;
}

LecturaPartida leerPartida(const std::vector<std::uint8_t>& datos) { return leerPartida(datos.data(), datos.size()); }

std::vector<std::uint8_t> codificarPartida(const PartidaGuardada& partida)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(BYTES_CABECERA + BYTES_JUGADA * partida.jugadas.size());
    bytes.push_back(partida.tipoJuego);
    bytes.push_back(partida.tipoJugador);
    bytes.push_back(static_cast<std::uint8_t>(partida.nivelJugador));
    bytes.push_back(static_cast<std::uint8_t>(partida.primerTurno));
    escribir32(bytes, static_cast<std::uint32_t>(partida.jugadas.size()));
    for (const Casilla& c : partida.jugadas) {
        escribir32(bytes, c.x);
        escribir32(bytes, c.y);
    }
    return bytes;
}
