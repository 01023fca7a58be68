#include "players/Utarboljt2.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "games/Utjuegootelo.h"
#include "support/Uerrores.h"

namespace {

constexpr int MAS_INFINITO = std::numeric_limits<int>::max();
constexpr int MENOS_INFINITO = std::numeric_limits<int>::min();
constexpr unsigned SIN_COLUMNA = std::numeric_limits<unsigned>::max();
constexpr Casilla NINGUNA{SIN_COLUMNA, 0};

using JuegoPropio = std::unique_ptr<tJuegoLogT2>;

// The position reached from juego by playing c (a move the game accepted).
JuegoPropio jugarEnCopia(tJuegoLogT2& juego, Casilla c)
{
    JuegoPropio copia(juego.clonar());
    copia->jugar(c);
    return copia;
}

// Everything that tells two positions of one search apart: the pieces of each
// side (one bit per cell), the side to move, the end flag and whether the move
// that led there was a pass. The rest of a game's state follows from these and
// the root: the counts of free cells and discs from the pieces, and Othello's
// "previous move was a pass" from the move that led to the node.
struct Clave {
    std::uint64_t piezas1 = 0;
    std::uint64_t piezas2 = 0;
    std::uint8_t resto = 0;

    bool operator==(const Clave& o) const
    {
        return piezas1 == o.piezas1 && piezas2 == o.piezas2 && resto == o.resto;
    }
};

// The key of juego; false when a piece lies beyond the 64 cells a key can hold.
bool claveDe(tJuegoLogT2& juego, bool trasPase, Clave& k)
{
    const Tablero& t = *juego.dameTablero();
    const unsigned nc = t.numColumnas();
    const unsigned nf = t.numFilas();
    k = Clave{};
    for (unsigned x = 0; x < nc; ++x) {
        for (unsigned y = 0; y < nf; ++y) {
            Turno v = NINGUNO;
            t.leer(x, y, v);
            if (v == NINGUNO) continue;
            const unsigned i = x * nf + y;
            if (i >= 64) return false;
            (v == JUGADOR1 ? k.piezas1 : k.piezas2) |= std::uint64_t{1} << i;
        }
    }
    k.resto = static_cast<std::uint8_t>(juego.dameTurno() | (juego.finalizado() ? 4 : 0) | (trasPase ? 8 : 0));
    return true;
}

std::uint64_t mezclar(const Clave& k)
{
    std::uint64_t h = k.piezas1 * 0x9E3779B97F4A7C15ull ^ (k.piezas2 + k.resto) * 0xC2B2AE3D27D4EB4Full;
    return h ^ (h >> 29);
}

// What a node's value, searched with some window, says of its true value.
enum class Cota : std::uint8_t { EXACTA, MINIMA, MAXIMA };

// Values found so far, per position and depth searched, and the move that was
// best there (tried first next time). A position met again, by another order
// of the same moves or in a deeper pass of the search, is not searched again.
class Tabla {
public:
    struct Entrada {
        Clave clave;
        int valor = 0;
        int profundidad = -1;  // -1: empty
        Cota cota = Cota::EXACTA;
        Casilla jugada = NINGUNA;
    };

    // Room for 2^bits positions.
    explicit Tabla(unsigned bits) : mascara((std::size_t{1} << bits) - 1), entradas(mascara + 1) {}

    // The entry of k, or null.
    const Entrada* buscar(const Clave& k) const
    {
        const Entrada& e = entradas[mezclar(k) & mascara];
        return e.profundidad >= 0 && e.clave == k ? &e : nullptr;
    }

    void guardar(const Entrada& e) { entradas[mezclar(e.clave) & mascara] = e; }

private:
    std::size_t mascara;
    std::vector<Entrada> entradas;
};

// A child position waiting to be searched, with its rank for ordering.
struct Hijo {
    JuegoPropio juego;
    Casilla casilla;
    int estimacion;
};

// Depth-first alpha-beta over the positions below one root. Its buffers are
// kept per ply and reused, so a search allocates little besides its table and
// the game copies on its present path.
class Busqueda {
public:
    Busqueda(tJuegoLogT2& raiz, int profundidad, FuncionEvaluacion evaluacion);

    // The valid moves of juego in x-then-y order, into salida.
    void jugadas(tJuegoLogT2& juego, std::vector<Casilla>& salida) const;

    // Whether c is a pass (which the position reached by it remembers).
    bool esPase(Casilla c) const { return c.x == columnaPase; }

    // The minimax value of juego searched p plies deep, exact when it lies
    // strictly between alfa and beta; otherwise a bound on the same side.
    int valorar(tJuegoLogT2& juego, int p, int alfa, int beta, bool trasPase);

private:
    int valorarHijos(tJuegoLogT2& juego, int p, Casilla recordada, bool maximiza, int& alfa, int& beta,
                     Casilla& mejorCasilla);

    FuncionEvaluacion evaluacion;
    // Othello's pass column: all its cells play the same pass, so one stands for the eight.
    unsigned columnaPase;
    std::vector<std::vector<Casilla>> jugadasPorNivel;
    std::vector<std::vector<Hijo>> hijosPorNivel;
    Tabla tabla;
};

Busqueda::Busqueda(tJuegoLogT2& raiz, int profundidad, FuncionEvaluacion f)
    : evaluacion(f),
      columnaPase(dynamic_cast<tJuegoOtelo*>(&raiz) ? COLUMNA_PASAR : SIN_COLUMNA),
      jugadasPorNivel(static_cast<std::size_t>(std::max(profundidad, 0)) + 1),
      hijosPorNivel(static_cast<std::size_t>(std::max(profundidad, 0)) + 1),
      // A shallow search meets few positions: a small table is cheaper to set up.
      tabla(static_cast<unsigned>(std::clamp(4 + 2 * profundidad, 8, 15)))
{
}

void Busqueda::jugadas(tJuegoLogT2& juego, std::vector<Casilla>& salida) const
{
    salida.clear();
    for (unsigned x = 0; x < juego.numColumnas(); ++x) {
        if (x == columnaPase) {
            // A pass is valid only when no disc is, and (x, 0) stands for the column.
            if (salida.empty() && juego.probar({x, 0})) salida.push_back({x, 0});
            continue;
        }
        for (unsigned y = 0; y < juego.numFilas(); ++y)
            if (juego.probar({x, y})) salida.push_back({x, y});
    }
}

int Busqueda::valorar(tJuegoLogT2& juego, int p, int alfa, int beta, bool trasPase)
{
    if (p <= 0) return evaluacion(&juego);
    Tabla::Entrada nueva;
    const bool conClave = p >= 2 && claveDe(juego, trasPase, nueva.clave);
    const Tabla::Entrada* vista = conClave ? tabla.buscar(nueva.clave) : nullptr;
    Casilla recordada = NINGUNA;
    if (vista) {
        recordada = vista->jugada;
        if (vista->profundidad == p) {
            const int v = vista->valor;
            if (vista->cota == Cota::EXACTA || (vista->cota == Cota::MINIMA && v >= beta) ||
                (vista->cota == Cota::MAXIMA && v <= alfa))
                return v;
        }
    }
    const int alfaInicial = alfa;
    const int betaInicial = beta;
    const bool maximiza = juego.dameTurno() != JUGADOR1;
    Casilla mejorCasilla = NINGUNA;
    const int v = valorarHijos(juego, p, recordada, maximiza, alfa, beta, mejorCasilla);
    if (conClave) {
        nueva.valor = v;
        nueva.profundidad = p;
        nueva.cota = v <= alfaInicial ? Cota::MAXIMA : v >= betaInicial ? Cota::MINIMA : Cota::EXACTA;
        nueva.jugada = mejorCasilla;
        tabla.guardar(nueva);
    }
    return v;
}

// The children of juego, the remembered move first, then (above the last ply,
// where the children are leaves) the best-looking by static score: this lets
// the window close early. The order never changes a node's value, only how
// much is searched. A leaf's value when there is no valid move.
int Busqueda::valorarHijos(tJuegoLogT2& juego, int p, Casilla recordada, bool maximiza, int& alfa, int& beta,
                           Casilla& mejorCasilla)
{
    std::vector<Casilla>& movs = jugadasPorNivel[static_cast<std::size_t>(p)];
    jugadas(juego, movs);
    if (movs.empty()) return evaluacion(&juego);
    int mejor = maximiza ? MENOS_INFINITO : MAS_INFINITO;
    // Folds the value v of the child reached by c in; true when the window has closed.
    auto anotar = [&](int v, Casilla c) {
        if (maximiza ? v > mejor : v < mejor) {
            mejor = v;
            mejorCasilla = c;
        }
        if (maximiza) alfa = std::max(alfa, v);
        else beta = std::min(beta, v);
        return alfa >= beta;
    };
    auto valorarHijo = [&](tJuegoLogT2& hijo, Casilla c) {
        return valorar(hijo, p - 1, alfa, beta, esPase(c));
    };
    if (std::find(movs.begin(), movs.end(), recordada) == movs.end()) recordada = NINGUNA;
    if (recordada != NINGUNA && anotar(valorarHijo(*jugarEnCopia(juego, recordada), recordada), recordada))
        return mejor;
    if (p == 1) {
        for (Casilla c : movs)
            if (c != recordada && anotar(evaluacion(jugarEnCopia(juego, c).get()), c)) break;
        return mejor;
    }
    std::vector<Hijo>& hijos = hijosPorNivel[static_cast<std::size_t>(p)];
    hijos.clear();
    for (Casilla c : movs) {
        if (c == recordada) continue;
        JuegoPropio hijo = jugarEnCopia(juego, c);
        const int estimacion = evaluacion(hijo.get());
        hijos.push_back({std::move(hijo), c, maximiza ? estimacion : -estimacion});
    }
    std::stable_sort(hijos.begin(), hijos.end(),
                     [](const Hijo& a, const Hijo& b) { return a.estimacion > b.estimacion; });
    for (Hijo& h : hijos) {
        const int v = valorarHijo(*h.juego, h.casilla);
        h.juego.reset();  // its value is known: release the position at once
        if (anotar(v, h.casilla)) break;
    }
    hijos.clear();
    return mejor;
}

}  // namespace

ArbolJT2::ArbolJT2(tJuegoLogT2* juego, int p, FuncionEvaluacion f)
    : raiz(juego->clonar()), profundidad(p), evaluacion(f)
{
}

ArbolJT2::~ArbolJT2() = default;

Casilla ArbolJT2::mejorJugada()
{
    if (profundidad <= 0) throw EJugador();
    Busqueda busqueda(*raiz, profundidad, evaluacion);
    std::vector<Casilla> movs;
    busqueda.jugadas(*raiz, movs);
    if (movs.empty()) throw EJugador();
    auto valorarHijo = [&](std::size_t i, int p, int alfa, int beta) {
        return busqueda.valorar(*jugarEnCopia(*raiz, movs[i]), p - 1, alfa, beta, busqueda.esPase(movs[i]));
    };

    // Deeper and deeper searches, each starting from the best move of the last;
    // the shallow ones are cheap and fill the table that orders the deep one.
    std::size_t mejor = 0;
    int valor = MENOS_INFINITO;
    for (int p = 1; p <= profundidad; ++p) {
        valor = valorarHijo(mejor, p, MENOS_INFINITO, MAS_INFINITO);
        for (std::size_t i = 0; i < movs.size() && valor < MAS_INFINITO; ++i) {
            if (i == mejor) continue;
            // A null window at the best value so far: only a greater value needs its exact figure.
            const int v = valorarHijo(i, p, valor, valor + 1);
            if (v <= valor) continue;
            valor = valorarHijo(i, p, v - 1, MAS_INFINITO);
            mejor = i;
        }
    }
    // The root plays the first move, in x-then-y order, of the greatest value:
    // every move before the one found is asked whether it reaches that value too.
    for (std::size_t i = 0; i < mejor; ++i)
        if (valor == MENOS_INFINITO || valorarHijo(i, profundidad, valor - 1, valor) >= valor) return movs[i];
    return movs[mejor];
}
