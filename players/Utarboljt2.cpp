#include "players/Utarboljt2.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "games/Utjuegootelo.h"
#include "support/Uerrores.h"

namespace {

constexpr int MAS_INFINITO = std::numeric_limits<int>::max();
constexpr int MENOS_INFINITO = std::numeric_limits<int>::min();
constexpr unsigned SIN_COLUMNA = std::numeric_limits<unsigned>::max();

using JuegoPropio = std::unique_ptr<tJuegoLogT2>;

// A child position waiting to be searched, with its static score for ordering.
struct Hijo {
    JuegoPropio juego;
    int estimacion;
};

// The position reached from juego by playing c (a move the game accepted).
JuegoPropio jugarEnCopia(tJuegoLogT2& juego, Casilla c)
{
    JuegoPropio copia(juego.clonar());
    copia->jugar(c);
    return copia;
}

// Depth-first alpha-beta over the positions below one root. Its buffers are
// kept per ply and reused, so a search allocates little besides the game copies
// on its present path.
class Busqueda {
public:
    Busqueda(tJuegoLogT2& raiz, int profundidad, FuncionEvaluacion evaluacion);

    // The valid moves of juego in x-then-y order, into salida.
    void jugadas(tJuegoLogT2& juego, std::vector<Casilla>& salida) const;

    // The minimax value of juego searched p plies deep, exact when it lies
    // strictly between alfa and beta; otherwise a bound on the same side.
    int valorar(tJuegoLogT2& juego, int p, int alfa, int beta);

private:
    int valorarUltimoNivel(tJuegoLogT2& juego, const std::vector<Casilla>& movs, bool maximiza,
                           int alfa, int beta);
    int valorarOrdenando(tJuegoLogT2& juego, int p, const std::vector<Casilla>& movs, bool maximiza,
                         int alfa, int beta);

    FuncionEvaluacion evaluacion;
    // Othello's pass column: all its cells play the same pass, so one stands for the eight.
    unsigned columnaPase;
    std::vector<std::vector<Casilla>> jugadasPorNivel;
    std::vector<std::vector<Hijo>> hijosPorNivel;
};

Busqueda::Busqueda(tJuegoLogT2& raiz, int profundidad, FuncionEvaluacion f)
    : evaluacion(f),
      columnaPase(dynamic_cast<tJuegoOtelo*>(&raiz) ? COLUMNA_PASAR : SIN_COLUMNA),
      jugadasPorNivel(static_cast<std::size_t>(std::max(profundidad, 0)) + 1),
      hijosPorNivel(static_cast<std::size_t>(std::max(profundidad, 0)) + 1)
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

int Busqueda::valorar(tJuegoLogT2& juego, int p, int alfa, int beta)
{
    if (p <= 0) return evaluacion(&juego);
    std::vector<Casilla>& movs = jugadasPorNivel[static_cast<std::size_t>(p)];
    jugadas(juego, movs);
    if (movs.empty()) return evaluacion(&juego);
    const bool maximiza = juego.dameTurno() != JUGADOR1;
    if (p == 1) return valorarUltimoNivel(juego, movs, maximiza, alfa, beta);
    return valorarOrdenando(juego, p, movs, maximiza, alfa, beta);
}

// Children that are leaves: each is made, scored and dropped in turn.
int Busqueda::valorarUltimoNivel(tJuegoLogT2& juego, const std::vector<Casilla>& movs, bool maximiza,
                                 int alfa, int beta)
{
    int mejor = maximiza ? MENOS_INFINITO : MAS_INFINITO;
    for (Casilla c : movs) {
        const int v = evaluacion(jugarEnCopia(juego, c).get());
        if (maximiza) {
            mejor = std::max(mejor, v);
            alfa = std::max(alfa, v);
        } else {
            mejor = std::min(mejor, v);
            beta = std::min(beta, v);
        }
        if (alfa >= beta) break;
    }
    return mejor;
}

// Inner children: searched best-looking first, which lets the window close early.
// The order does not change a node's value, only how much is searched.
int Busqueda::valorarOrdenando(tJuegoLogT2& juego, int p, const std::vector<Casilla>& movs,
                               bool maximiza, int alfa, int beta)
{
    std::vector<Hijo>& hijos = hijosPorNivel[static_cast<std::size_t>(p)];
    hijos.clear();
    for (Casilla c : movs) {
        JuegoPropio hijo = jugarEnCopia(juego, c);
        const int estimacion = evaluacion(hijo.get());
        hijos.push_back({std::move(hijo), estimacion});
    }
    std::stable_sort(hijos.begin(), hijos.end(), [maximiza](const Hijo& a, const Hijo& b) {
        return maximiza ? a.estimacion > b.estimacion : a.estimacion < b.estimacion;
    });
    int mejor = maximiza ? MENOS_INFINITO : MAS_INFINITO;
    for (Hijo& h : hijos) {
        const int v = valorar(*h.juego, p - 1, alfa, beta);
        h.juego.reset();  // its value is known: release the position at once
        if (maximiza) {
            mejor = std::max(mejor, v);
            alfa = std::max(alfa, v);
        } else {
            mejor = std::min(mejor, v);
            beta = std::min(beta, v);
        }
        if (alfa >= beta) break;
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

    // The root keeps x-then-y order: a later move replaces the best only when
    // strictly greater, so a null window at the best value tells whether it does.
    const int resto = profundidad - 1;
    std::size_t mejor = 0;
    int mejorValor = busqueda.valorar(*jugarEnCopia(*raiz, movs[0]), resto, MENOS_INFINITO, MAS_INFINITO);
    for (std::size_t i = 1; i < movs.size() && mejorValor < MAS_INFINITO; ++i) {
        JuegoPropio hijo = jugarEnCopia(*raiz, movs[i]);
        int v = busqueda.valorar(*hijo, resto, mejorValor, mejorValor + 1);
        if (v <= mejorValor) continue;
        v = busqueda.valorar(*hijo, resto, v - 1, MAS_INFINITO);
        mejor = i;
        mejorValor = v;
    }
    return movs[mejor];
}
