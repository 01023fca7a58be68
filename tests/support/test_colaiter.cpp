// The iterable queue: its single walk, the wrap-around past the tail, and
// queueing while a walk is under way.

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

#include "games/Utjuegologt2.h"
#include "support/Ucolaiter.h"

namespace {

static_assert(!std::is_convertible_v<ColaIter<int>*, Lista<int>*>, "only the queue's operations are public");
static_assert(!std::is_copy_constructible_v<ColaIter<int>> && !std::is_copy_assignable_v<ColaIter<int>>);

// The walk a saved game makes: from the head while dameActual succeeds.
std::vector<int> recorrer(ColaIter<int>& c)
{
    std::vector<int> v;
    c.iniciar();
    int x = 0;
    while (c.dameActual(x)) {
        v.push_back(x);
        c.siguiente();
    }
    return v;
}

TEST(ColaIter, VaciaNoTieneNadaQueRecorrer)
{
    ColaIter<int> c;
    int x = 42;
    EXPECT_TRUE(c.vacia());
    EXPECT_FALSE(c.dameActual(x));
    EXPECT_FALSE(c.iniciar());
    EXPECT_FALSE(c.dameActual(x));
    EXPECT_FALSE(c.siguiente());
    EXPECT_FALSE(c.dameActual(x));
    EXPECT_EQ(x, 42);
}

TEST(ColaIter, RecorridoEnOrdenDeLlegadaYVueltaAlPrincipio)
{
    ColaIter<int> c;
    for (int x : {1, 2, 3}) c.encolar(x);
    EXPECT_EQ(c.longitud(), 3u);
    int x = 0;
    // A new queue's walk stood past the (empty) tail, so the first element came in under it.
    EXPECT_TRUE(c.dameActual(x));
    EXPECT_EQ(x, 1);
    ASSERT_TRUE(c.iniciar());
    std::vector<int> vistos;
    std::vector<bool> siguientes;
    for (int paso = 0; paso < 3; ++paso) {
        EXPECT_TRUE(c.dameActual(x));
        EXPECT_TRUE(c.dameActual(x));  // reading does not move the walk
        vistos.push_back(x);
        siguientes.push_back(c.siguiente());
    }
    EXPECT_EQ(vistos, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(siguientes, (std::vector<bool>{true, true, false}));
    x = -1;
    EXPECT_FALSE(c.dameActual(x));
    EXPECT_EQ(x, -1);
    EXPECT_TRUE(c.siguiente());  // past the tail the walk starts over
    EXPECT_TRUE(c.dameActual(x));
    EXPECT_EQ(x, 1);
    EXPECT_EQ(recorrer(c), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(c.longitud(), 3u);  // walking empties nothing
}

TEST(ColaIter, EncolarDuranteUnRecorridoConservaSuSitio)
{
    ColaIter<int> c;
    c.encolar(1);
    c.iniciar();
    c.encolar(2);
    int x = 0;
    ASSERT_TRUE(c.dameActual(x));
    EXPECT_EQ(x, 1);
    ASSERT_TRUE(c.siguiente());
    c.encolar(3);
    ASSERT_TRUE(c.dameActual(x));
    EXPECT_EQ(x, 2);
    EXPECT_TRUE(c.siguiente());
    EXPECT_FALSE(c.siguiente());  // past the tail...
    c.encolar(4);                 // ...a new element comes in under the walk
    ASSERT_TRUE(c.dameActual(x));
    EXPECT_EQ(x, 4);
    EXPECT_FALSE(c.siguiente());
    EXPECT_EQ(recorrer(c), (std::vector<int>{1, 2, 3, 4}));
}

TEST(ColaIter, VaciarYVolverAEncolar)
{
    ColaIter<int> c;
    for (int x = 0; x < 5; ++x) c.encolar(x);
    c.iniciar();
    c.siguiente();
    c.vaciar();
    int x = 9;
    EXPECT_TRUE(c.vacia());
    EXPECT_FALSE(c.dameActual(x));
    c.encolar(7);
    EXPECT_EQ(c.longitud(), 1u);
    EXPECT_EQ(recorrer(c), std::vector<int>{7});
}

TEST(ColaIter, HistorialDeCasillas)
{
    ColaIter<Casilla> historial;
    const std::vector<Casilla> jugadas = {{3, 0}, {8, 7}, {0, 2}, {4294967295u, 1}};
    for (Casilla c : jugadas) historial.encolar(c);
    std::vector<Casilla> leidas;
    historial.iniciar();
    Casilla c{0, 0};
    while (historial.dameActual(c)) {
        leidas.push_back(c);
        historial.siguiente();
    }
    EXPECT_EQ(leidas, jugadas);
}

}  // namespace
