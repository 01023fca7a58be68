#include "games/Utjuegoconecta4.h"

#include "support/Uerrores.h"

namespace {

const char* const MENSAJE_COLUMNA_LLENA = "Error de juego: La columna esta llena.";
constexpr unsigned EN_LINEA = 4;

Turno celda(const Tablero& t, unsigned x, unsigned y)
{
    Turno v = NINGUNO;
    t.leer(x, y, v);
    return v;
}

// Whether the four cells starting at (x, y) and stepping (dx, dy) hold the same piece.
bool cuatro(const Tablero& t, unsigned x, unsigned y, int dx, int dy)
{
    const Turno primero = celda(t, x, y);
    if (primero == NINGUNO) return false;
    for (unsigned k = 1; k < EN_LINEA; ++k)
        if (celda(t, x + dx * static_cast<int>(k), y + dy * static_cast<int>(k)) != primero) return false;
    return true;
}

}  // namespace

tJuegoConecta4::tJuegoConecta4(unsigned ancho, unsigned alto, Turno empieza)
    : tJuegoLogT2(ancho, alto, empieza), libres(static_cast<std::int32_t>(ancho * alto))
{
}

bool tJuegoConecta4::esValido(Casilla c)
{
    Turno arriba = JUGADOR1;
    return tablero && c.y == 0 && tablero->leer(c.x, 0, arriba) && arriba == NINGUNO;
}

void tJuegoConecta4::mover(Casilla c)
{
    if (!tablero || !esValido(c)) throw EJuego(MENSAJE_COLUMNA_LLENA);
    unsigned y = tablero->numFilas() - 1;
    while (celda(*tablero, c.x, y) != NINGUNO) --y;  // the top cell is empty, so this stops
    tablero->escribir(c.x, y, turno);
    --libres;
    fin = finJuego();
    if (!fin) turno = otroJugador(turno);
}

bool tJuegoConecta4::finJuego()
{
    if (libres <= 0 || fin) return true;
    if (!tablero) return false;
    const Tablero& t = *tablero;
    const unsigned w = t.numColumnas();
    const unsigned h = t.numFilas();
    const unsigned d = EN_LINEA - 1;
    for (unsigned x = 0; x < w; ++x)  // vertical
        for (unsigned y = d; y < h; ++y)
            if (cuatro(t, x, y - d, 0, 1)) return true;
    for (unsigned y = 0; y < h; ++y)  // horizontal
        for (unsigned x = d; x < w; ++x)
            if (cuatro(t, x - d, y, 1, 0)) return true;
    for (unsigned x = d; x < w; ++x)  // rising diagonal, from its lower-left end
        for (unsigned y = d; y < h; ++y)
            if (cuatro(t, x - d, y, 1, -1)) return true;
    for (unsigned x = d; x < w; ++x)  // falling diagonal, from its upper-left end
        for (unsigned y = d; y < h; ++y)
            if (cuatro(t, x - d, y - d, 1, 1)) return true;
    return false;
}

tJuegoLogT2* tJuegoConecta4::clonar() { return new tJuegoConecta4(*this); }
