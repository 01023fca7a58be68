#include "games/Utjuego3raya.h"

#include "support/Uerrores.h"

namespace {

constexpr unsigned LADO = 3;

// Whether the three cells hold the same piece.
bool linea(const Tablero& t, Casilla a, Casilla b, Casilla c)
{
    Turno va = NINGUNO, vb = NINGUNO, vc = NINGUNO;
    t.leer(a.x, a.y, va);
    t.leer(b.x, b.y, vb);
    t.leer(c.x, c.y, vc);
    return va != NINGUNO && va == vb && va == vc;
}

}  // namespace

tJuego3Raya::tJuego3Raya(Turno empieza) : tJuegoLogT2(LADO, LADO, empieza), libres(LADO * LADO) {}

bool tJuego3Raya::esValido(Casilla c)
{
    Turno v = JUGADOR1;
    return tablero && tablero->leer(c.x, c.y, v) && v == NINGUNO;
}

void tJuego3Raya::mover(Casilla c)
{
    if (!tablero || !esValido(c)) throw EJuego();
    tablero->escribir(c.x, c.y, turno);
    --libres;
    fin = finJuego();
    if (!fin) turno = otroJugador(turno);
}

bool tJuego3Raya::finJuego()
{
    if (libres <= 0 || fin) return true;
    if (!tablero) return false;
    const Tablero& t = *tablero;
    for (unsigned i = 0; i < LADO; ++i) {
        if (linea(t, {i, 0}, {i, 1}, {i, 2})) return true;
        if (linea(t, {0, i}, {1, i}, {2, i})) return true;
    }
    return linea(t, {0, 0}, {1, 1}, {2, 2}) || linea(t, {0, 2}, {1, 1}, {2, 0});
}

tJuegoLogT2* tJuego3Raya::clonar() { return new tJuego3Raya(*this); }
