#ifndef TESTS_PLAYERS_REFERENCIA_H
#define TESTS_PLAYERS_REFERENCIA_H

// The computer's move by plain exhaustive minimax, the way the first version
// of the program chose it: every valid cell of every node is tried (all eight
// Othello pass cells too), every node is valued, nothing is pruned or
// reordered. The tests and the benchmark hold the fast search against it.
//
// Two forms with the same result: a plain recursion (only the present path
// alive) and the whole tree built with Arbol before any leaf is valued.

#include <cstddef>
#include <limits>

#include "games/Utjuegologt2.h"
#include "players/Utarboljt2.h"
#include "support/Uerrores.h"

namespace referencia {

// The value of juego searched p plies deep; counts every node made in nodos.
inline int valorar(tJuegoLogT2& juego, int p, FuncionEvaluacion evaluacion, std::size_t& nodos)
{
    if (p <= 0) return evaluacion(&juego);
    bool hayHijo = false;
    int v = 0;
    const bool minimiza = juego.dameTurno() == JUGADOR1;
    for (unsigned x = 0; x < juego.numColumnas(); ++x) {
        for (unsigned y = 0; y < juego.numFilas(); ++y) {
            if (!juego.probar({x, y})) continue;
            tJuegoLogT2* copia = juego.clonar();
            copia->jugar({x, y});
            ++nodos;
            const int w = valorar(*copia, p - 1, evaluacion, nodos);
            delete copia;
            if (!hayHijo || (minimiza ? w < v : w > v)) v = w;
            hayHijo = true;
        }
    }
    return hayHijo ? v : evaluacion(&juego);
}

// The root's move: the first child (x then y) of the greatest value.
// EJugador when the root has no child. nodos, when given, gets the node count.
inline Casilla mejorJugada(tJuegoLogT2* juego, int p, FuncionEvaluacion evaluacion,
                           std::size_t* nodos = nullptr)
{
    std::size_t cuenta = 0;
    bool hayHijo = false;
    int mejorValor = 0;
    Casilla mejor{0, 0};
    for (unsigned x = 0; p > 0 && x < juego->numColumnas(); ++x) {
        for (unsigned y = 0; y < juego->numFilas(); ++y) {
            if (!juego->probar({x, y})) continue;
            tJuegoLogT2* copia = juego->clonar();
            copia->jugar({x, y});
            ++cuenta;
            const int w = valorar(*copia, p - 1, evaluacion, cuenta);
            delete copia;
            if (!hayHijo || w > mejorValor) {
                mejor = {x, y};
                mejorValor = w;
            }
            hayHijo = true;
        }
    }
    if (nodos) *nodos = cuenta;
    if (!hayHijo) throw EJugador();
    return mejor;
}

// The whole tree to depth p, every node holding its own copy of the game,
// built before any leaf is valued. Building stops, leaving completo() false,
// once more than limite nodes have been made.
class ArbolCompleto {
public:
    ArbolCompleto(tJuegoLogT2* juego, int p, FuncionEvaluacion f,
                  std::size_t tope = std::numeric_limits<std::size_t>::max())
        : raiz(new ArbolJ(datoT2{juego->clonar(), {0, 0}})), evaluacion(f), limite(tope)
    {
        try {
            expandir(raiz, p);
        } catch (const Limite&) {
            lleno = true;
        }
    }
    ~ArbolCompleto()
    {
        liberar(raiz);
        delete raiz;
    }
    ArbolCompleto(const ArbolCompleto&) = delete;
    ArbolCompleto& operator=(const ArbolCompleto&) = delete;

    bool completo() const { return !lleno; }
    std::size_t nodos() const { return cuenta; }

    // As the free function; only meaningful when completo().
    Casilla mejorJugada()
    {
        if (raiz->numHijos() == 0) throw EJugador();
        unsigned mejor = 0;
        int mejorValor = valorar(raiz->dameHijo(0));
        for (unsigned i = 1; i < raiz->numHijos(); ++i) {
            const int w = valorar(raiz->dameHijo(i));
            if (w > mejorValor) {
                mejor = i;
                mejorValor = w;
            }
        }
        return raiz->dameHijo(mejor)->dameDato().casilla;
    }

private:
    struct Limite {};

    void expandir(ArbolJ* nodo, int p)
    {
        if (p <= 0) return;
        tJuegoLogT2* g = nodo->dameDato().juego;
        for (unsigned x = 0; x < g->numColumnas(); ++x) {
            for (unsigned y = 0; y < g->numFilas(); ++y) {
                if (!g->probar({x, y})) continue;
                if (cuenta >= limite) throw Limite{};
                tJuegoLogT2* copia = g->clonar();
                copia->jugar({x, y});
                ArbolJ* hijo = new ArbolJ(datoT2{copia, {x, y}});
                nodo->anadirHijo(hijo);
                ++cuenta;
                expandir(hijo, p - 1);
            }
        }
    }

    int valorar(ArbolJ* nodo)
    {
        if (nodo->numHijos() == 0) return evaluacion(nodo->dameDato().juego);
        const bool minimiza = nodo->dameDato().juego->dameTurno() == JUGADOR1;
        int v = valorar(nodo->dameHijo(0));
        for (unsigned i = 1; i < nodo->numHijos(); ++i) {
            const int w = valorar(nodo->dameHijo(i));
            if (minimiza ? w < v : w > v) v = w;
        }
        return v;
    }

    void liberar(ArbolJ* nodo)
    {
        delete nodo->dameDato().juego;
        for (unsigned i = 0; i < nodo->numHijos(); ++i) liberar(nodo->dameHijo(i));
    }

    ArbolJ* raiz;
    FuncionEvaluacion evaluacion;
    std::size_t limite;
    std::size_t cuenta = 0;
    bool lleno = false;
};

}  // namespace referencia

#endif
