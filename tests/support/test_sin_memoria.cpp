// What the containers do when a node cannot be allocated: the element is
// dropped without a report and every operation returns normally.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <vector>

#include "support/Ucolaiter.h"
#include "support/Utlistaord.h"

namespace {
bool fallarAsignaciones = false;  // while set, nothrow allocations fail
}

// The containers allocate their nodes with the nothrow form; this one fails on demand.
void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    if (fallarAsignaciones) return nullptr;
    try {
        return ::operator new(n);
    } catch (...) {
        return nullptr;
    }
}

namespace {

// Runs f with every nothrow allocation failing.
template <class F>
void sinMemoria(F f)
{
    fallarAsignaciones = true;
    f();
    fallarAsignaciones = false;
}

class ListaVista : public Lista<int> {
public:
    using Lista<int>::indiceActual;
};

template <class L>
std::vector<int> contenido(L& l)
{
    std::vector<int> v;
    for (unsigned i = 0; i < l.longitud(); ++i) v.push_back(l[i]);
    return v;
}

TEST(SinMemoria, ListaDescartaElElementoYSigue)
{
    ListaVista l;
    for (int x : {10, 20, 30}) l.insertarFinal(x);
    l[1];
    sinMemoria([&] {
        l.insertar(0, 5);
        l.insertarFinal(40);
    });
    EXPECT_EQ(contenido(l), (std::vector<int>{10, 20, 30}));
    l[1];
    sinMemoria([&] { l.insertarFinal(40); });
    EXPECT_EQ(l.indiceActual(), 1u);  // insertarFinal still walked back to its index
    l.insertarFinal(40);              // and the list works on
    EXPECT_EQ(contenido(l), (std::vector<int>{10, 20, 30, 40}));
}

bool menor(int a, int b) { return a < b; }

TEST(SinMemoria, ListaOrdDiceQueInsertoPeroNoCambia)
{
    ListaOrd<int, &menor> l;
    l.insertar(2);
    bool insertado = false;
    sinMemoria([&] { insertado = l.insertar(1); });
    EXPECT_TRUE(insertado);
    EXPECT_EQ(contenido(l), std::vector<int>{2});
    EXPECT_TRUE(l.insertar(1));
    EXPECT_EQ(contenido(l), (std::vector<int>{1, 2}));
}

TEST(SinMemoria, ColaIterPierdeLaJugadaSinAvisar)
{
    ColaIter<int> c;
    c.encolar(1);
    sinMemoria([&] { c.encolar(2); });
    EXPECT_EQ(c.longitud(), 1u);
    int x = 0;
    ASSERT_TRUE(c.iniciar());
    ASSERT_TRUE(c.dameActual(x));
    EXPECT_EQ(x, 1);
    EXPECT_FALSE(c.siguiente());
}

}  // namespace
