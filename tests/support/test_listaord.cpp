// The ordered list: order kept, equivalent elements refused, removal by
// position, and the search from wherever the current position stands.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "support/Utlistaord.h"

namespace {

bool menor(int a, int b) { return a < b; }
// Orders by tens only, so 12 and 15 are equivalent.
bool menorDecena(int a, int b) { return a / 10 < b / 10; }

using ListaEnteros = ListaOrd<int, &menor>;

// Whether insertar(pos, x) can be called from outside.
template <class L, class = void>
struct InsertaPorPosicion : std::false_type {};
template <class L>
struct InsertaPorPosicion<L, std::void_t<decltype(std::declval<L&>().insertar(0u, 0))>> : std::true_type {};

// Whether the modifiable operator[] can be called from outside.
template <class L, class = void>
struct EscribePorPosicion : std::false_type {};
template <class L>
struct EscribePorPosicion<L, std::void_t<decltype(std::declval<L&>()[0u] = 1)>> : std::true_type {};

static_assert(!InsertaPorPosicion<ListaEnteros>::value, "the order must not be breakable by position");
static_assert(!EscribePorPosicion<ListaEnteros>::value, "elements must be read-only from outside");
static_assert(InsertaPorPosicion<Lista<int>>::value && EscribePorPosicion<Lista<int>>::value);
static_assert(!std::is_convertible_v<ListaEnteros*, Lista<int>*>, "the list is not a public Lista");
static_assert(!std::is_copy_constructible_v<ListaEnteros> && !std::is_copy_assignable_v<ListaEnteros>);

template <class L>
std::vector<int> contenido(const L& l)
{
    std::vector<int> v;
    for (unsigned i = 0; i < l.longitud(); ++i) v.push_back(l[i]);
    return v;
}

TEST(ListaOrd, InsertaEnOrdenYRechazaDuplicados)
{
    ListaEnteros l;
    std::vector<bool> resultados;
    for (int x : {30, 10, 20, 25, 5, 25}) resultados.push_back(l.insertar(x));
    EXPECT_EQ(resultados, (std::vector<bool>{true, true, true, true, true, false}));
    EXPECT_EQ(contenido(l), (std::vector<int>{5, 10, 20, 25, 30}));

    unsigned p = 99;
    EXPECT_TRUE(l.buscar(25, p));
    EXPECT_EQ(p, 3u);
    EXPECT_FALSE(l.buscar(22, p));
    EXPECT_EQ(p, 3u);
}

TEST(ListaOrd, EquivalenteNoEsLoMismoQueIgual)
{
    ListaOrd<int, &menorDecena> l;
    EXPECT_TRUE(l.insertar(12));
    EXPECT_FALSE(l.insertar(15));  // same ten: equivalent, refused, the first one stays
    EXPECT_TRUE(l.insertar(3));
    EXPECT_TRUE(l.insertar(27));
    EXPECT_EQ(contenido(l), (std::vector<int>{3, 12, 27}));
    unsigned p = 0;
    EXPECT_TRUE(l.buscar(19, p));
    EXPECT_EQ(p, 1u);
}

TEST(ListaOrd, BuscarEnListaVaciaNoTocaPos)
{
    ListaEnteros l;
    unsigned p = 77;
    EXPECT_FALSE(l.buscar(1, p));
    EXPECT_EQ(p, 77u);
    // Emptied lists behave the same.
    l.insertar(1);
    l.vaciar();
    EXPECT_FALSE(l.buscar(1, p));
    EXPECT_EQ(p, 77u);
    EXPECT_TRUE(l.insertar(1));
    EXPECT_EQ(contenido(l), std::vector<int>{1});
}

// Leaves the current position of a list holding 10, 20, 30, 40, 50 at 'inicio'
// (the end position when inicio is 5).
void situar(ListaEnteros& l, unsigned inicio)
{
    if (inicio < l.longitud()) {
        l[inicio];
    } else {
        l.insertar(1000);  // stands on it, the last element...
        l.borrar(l.longitud() - 1);  // ...and its removal leaves the end position
    }
}

// buscar answers the same wherever it starts: before, after, on the element, at the end.
TEST(ListaOrd, BuscarDesdeCualquierPosicion)
{
    struct Caso {
        int x;
        bool esta;
        unsigned pos;
    };
    const Caso casos[] = {
        {1, false, 0},  {10, true, 0}, {15, false, 1}, {20, true, 1},  {30, true, 2},
        {35, false, 3}, {40, true, 3}, {50, true, 4},  {51, false, 5}, {999, false, 5},
    };
    for (unsigned inicio = 0; inicio <= 5; ++inicio) {
        for (const Caso& c : casos) {
            SCOPED_TRACE("inicio " + std::to_string(inicio) + ", x " + std::to_string(c.x));
            ListaEnteros l;
            for (int x : {50, 20, 40, 10, 30}) l.insertar(x);
            situar(l, inicio);
            unsigned p = 1234;
            EXPECT_EQ(l.buscar(c.x, p), c.esta);
            EXPECT_EQ(p, c.pos);
            EXPECT_EQ(contenido(l), (std::vector<int>{10, 20, 30, 40, 50}));
            // insertar puts x exactly where buscar said, or refuses it.
            situar(l, inicio);
            EXPECT_EQ(l.insertar(c.x), !c.esta);
            EXPECT_EQ(l[c.pos], c.x);
            const std::vector<int> despues = contenido(l);
            EXPECT_EQ(despues.size(), c.esta ? 5u : 6u);
            EXPECT_TRUE(std::is_sorted(despues.begin(), despues.end()));
        }
    }
}

TEST(ListaOrd, BorrarPorPosicionYFueraDeRango)
{
    ListaEnteros l;
    for (int x : {3, 1, 2}) l.insertar(x);
    auto mensaje = [&](unsigned pos) {
        try {
            l.borrar(pos);
        } catch (ErrRango e) {
            return e.dameMensaje();
        }
        return std::string("no lanzó");
    };
    EXPECT_EQ(mensaje(3), "Error: Fuera de Rango.");
    EXPECT_EQ(mensaje(4000000000u), "Error: Fuera de Rango.");
    EXPECT_EQ(contenido(l), (std::vector<int>{1, 2, 3}));
    l.borrar(1);
    EXPECT_EQ(contenido(l), (std::vector<int>{1, 3}));
    l.borrar(1);
    l.borrar(0);
    EXPECT_TRUE(l.vacia());
    EXPECT_EQ(mensaje(0), "Error: Fuera de Rango.");

    // Reading keeps the plain list's message.
    int x = 0;
    EXPECT_THROW(l.consultar(0, x), ErrRango);
    try {
        l[0];
    } catch (ErrRango e) {
        EXPECT_EQ(e.dameMensaje(), "La casilla no existe.");
    }
}

struct Ventana {
    int n;
};
bool ordenDirecciones(Ventana* a, Ventana* b) { return std::less<Ventana*>()(a, b); }

TEST(ListaOrd, PunterosEnOrdenCrecienteDeDireccion)
{
    Ventana ventanas[12];
    std::vector<Ventana*> punteros;
    for (Ventana& v : ventanas) punteros.push_back(&v);
    std::shuffle(punteros.begin(), punteros.end(), std::mt19937(7));

    ListaOrd<Ventana*, &ordenDirecciones> l;
    for (Ventana* p : punteros) EXPECT_TRUE(l.insertar(p));
    EXPECT_FALSE(l.insertar(&ventanas[5]));
    ASSERT_EQ(l.longitud(), 12u);
    for (unsigned i = 0; i < l.longitud(); ++i) EXPECT_EQ(l[i], &ventanas[i]);

    // The window list looks a window up and removes it by position.
    unsigned pos = 0;
    ASSERT_TRUE(l.buscar(&ventanas[7], pos));
    l.borrar(pos);
    EXPECT_FALSE(l.buscar(&ventanas[7], pos));
    EXPECT_EQ(l.longitud(), 11u);
    EXPECT_EQ(l[7], &ventanas[8]);
}

// Random insertions, removals and searches from random places, against a sorted vector.
TEST(ListaOrd, SecuenciaAleatoriaCoincideConUnVectorOrdenado)
{
    std::mt19937 azar(2024);
    ListaEnteros l;
    std::vector<int> modelo;
    for (int paso = 0; paso < 3000; ++paso) {
        const int x = static_cast<int>(azar() % 200);
        if (!modelo.empty() && azar() % 2) l[static_cast<unsigned>(azar() % modelo.size())];
        const auto donde = std::lower_bound(modelo.begin(), modelo.end(), x);
        const bool esta = donde != modelo.end() && *donde == x;
        const unsigned posModelo = static_cast<unsigned>(donde - modelo.begin());
        switch (azar() % 3) {
        case 0: {
            unsigned p = 0;
            ASSERT_EQ(l.buscar(x, p), esta) << "paso " << paso;
            if (!modelo.empty()) {
                ASSERT_EQ(p, posModelo) << "paso " << paso;
            }
            break;
        }
        case 1:
            ASSERT_EQ(l.insertar(x), !esta) << "paso " << paso;
            if (!esta) modelo.insert(donde, x);
            break;
        default:
            if (!modelo.empty()) {
                const unsigned pos = static_cast<unsigned>(azar() % modelo.size());
                l.borrar(pos);
                modelo.erase(modelo.begin() + pos);
            }
        }
        ASSERT_EQ(l.longitud(), modelo.size());
    }
    EXPECT_EQ(contenido(l), modelo);
}

}  // namespace
