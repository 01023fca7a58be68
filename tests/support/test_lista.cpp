// The list: positions, where the current position stands after each
// operation, the walks and their wrap-arounds, and the errors.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "support/Utlista.h"

namespace {

// Opens the current position and the walks to the tests.
class ListaVista : public Lista<int> {
public:
    using Lista<int>::avanzar;
    using Lista<int>::datoActual;
    using Lista<int>::indiceActual;
    using Lista<int>::irAlPrimero;
    using Lista<int>::posicionar;
    using Lista<int>::retroceder;
};

static_assert(std::has_virtual_destructor_v<Lista<int>>);
static_assert(!std::is_copy_constructible_v<Lista<int>> && !std::is_copy_assignable_v<Lista<int>>);

std::vector<int> contenido(Lista<int>& l)
{
    std::vector<int> v;
    for (unsigned i = 0; i < l.longitud(); ++i) v.push_back(l[i]);
    return v;
}

// Fills a list with 10, 20, ... through insertarFinal.
void llenar(Lista<int>& l, int n)
{
    for (int i = 1; i <= n; ++i) l.insertarFinal(10 * i);
}

// Runs f, which must throw ErrRango, and returns the error's message.
template <class F>
std::string mensajeDeRango(F f)
{
    try {
        f();
    } catch (ErrRango e) {
        return e.dameMensaje();
    }
    return "no lanzó";
}

TEST(Lista, NuevaEstaVaciaYSoloAdmiteInsertarEnCero)
{
    ListaVista l;
    EXPECT_EQ(l.longitud(), 0u);
    EXPECT_TRUE(l.vacia());
    EXPECT_EQ(l.indiceActual(), 0u);
    EXPECT_EQ(mensajeDeRango([&] { l[0]; }), "La casilla no existe.");
    l.borrar(0);
    l.insertar(1, 7);
    EXPECT_TRUE(l.vacia());
    l.insertar(0, 7);
    EXPECT_EQ(contenido(l), std::vector<int>{7});
    EXPECT_FALSE(l.vacia());
}

TEST(Lista, InsertarPorPosicionAlPrincipioEnMedioYAlFinal)
{
    ListaVista l;
    l.insertar(0, 2);              // [2]
    l.insertar(l.longitud(), 4);   // append: [2 4]
    l.insertar(0, 1);              // prepend: [1 2 4]
    l.insertar(2, 3);              // middle: [1 2 3 4]
    EXPECT_EQ(l.indiceActual(), 2u);
    EXPECT_EQ(l.datoActual(), 3);  // the current position stands on the new element
    l.insertar(9, 99);             // beyond the end: nothing
    EXPECT_EQ(l.indiceActual(), 2u);
    EXPECT_EQ(contenido(l), (std::vector<int>{1, 2, 3, 4}));
}

TEST(Lista, BorrarDejaLaPosicionEnElSiguienteOEnElFinal)
{
    ListaVista l;
    llenar(l, 4);  // [10 20 30 40]
    l.borrar(1);
    EXPECT_EQ(l.indiceActual(), 1u);
    EXPECT_EQ(l.datoActual(), 30);
    l.borrar(2);  // the last one: the current position is now the end
    EXPECT_EQ(l.indiceActual(), 2u);
    EXPECT_EQ(l.longitud(), 2u);
    l.borrar(2);  // no element there: nothing
    l.borrar(100);
    EXPECT_EQ(l.indiceActual(), 2u);
    EXPECT_EQ(contenido(l), (std::vector<int>{10, 30}));
}

TEST(Lista, LecturaFueraDeRangoNoCambiaNiListaNiPosicion)
{
    ListaVista l;
    llenar(l, 3);
    l[1];
    const Lista<int>& lc = l;
    int x = -1;
    EXPECT_EQ(mensajeDeRango([&] { l[3]; }), "La casilla no existe.");
    EXPECT_EQ(mensajeDeRango([&] { lc[3]; }), "La casilla no existe.");
    EXPECT_EQ(mensajeDeRango([&] { l.consultar(3, x); }), "La casilla no existe.");
    EXPECT_EQ(mensajeDeRango([&] { l.consultar(4000000000u, x); }), "La casilla no existe.");
    EXPECT_EQ(x, -1);
    EXPECT_EQ(l.indiceActual(), 1u);
    EXPECT_EQ(contenido(l), (std::vector<int>{10, 20, 30}));
}

TEST(Lista, LasLecturasMuevenLaPosicionAunEnUnaListaConstante)
{
    ListaVista l;
    llenar(l, 5);
    const Lista<int>& lc = l;
    EXPECT_EQ(lc[3], 40);
    EXPECT_EQ(l.indiceActual(), 3u);
    int x = 0;
    lc.consultar(1, x);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(l.indiceActual(), 1u);
    l[4] = 55;  // the modifiable form writes into the list
    EXPECT_EQ(lc[4], 55);
}

TEST(Lista, InsertarFinalConservaElIndice)
{
    ListaVista l;
    llenar(l, 3);
    l[2];
    l.insertarFinal(40);
    EXPECT_EQ(l.indiceActual(), 2u);
    EXPECT_EQ(l.datoActual(), 30);
    l[0];
    l.insertarFinal(50);
    EXPECT_EQ(l.indiceActual(), 0u);
    EXPECT_EQ(l.datoActual(), 10);
    // From the end position the new element takes the current index.
    l.borrar(4);
    EXPECT_EQ(l.indiceActual(), 4u);
    l.insertarFinal(60);
    EXPECT_EQ(l.indiceActual(), 4u);
    EXPECT_EQ(l.datoActual(), 60);
    EXPECT_EQ(contenido(l), (std::vector<int>{10, 20, 30, 40, 60}));
}

TEST(Lista, AvanzarYRetrocederDanLaVueltaEnLosExtremos)
{
    ListaVista l;
    l.avanzar();
    EXPECT_EQ(l.indiceActual(), 0u);  // an empty list has only the end position
    l.retroceder();
    EXPECT_EQ(l.indiceActual(), 0u);

    llenar(l, 3);
    l.irAlPrimero();
    std::vector<unsigned> indices;
    for (int paso = 0; paso < 5; ++paso) {
        indices.push_back(l.indiceActual());
        l.avanzar();
    }
    EXPECT_EQ(indices, (std::vector<unsigned>{0, 1, 2, 3, 0}));
    l.irAlPrimero();
    l.retroceder();  // from position 0 to the end position
    EXPECT_EQ(l.indiceActual(), 3u);
    l.retroceder();
    EXPECT_EQ(l.indiceActual(), 2u);
    EXPECT_EQ(l.datoActual(), 30);
}

TEST(Lista, PosicionarFueraDeRangoLanzaYNoSeMueve)
{
    ListaVista l;
    llenar(l, 3);
    l.posicionar(3);  // the end position is valid
    EXPECT_EQ(l.indiceActual(), 3u);
    l.posicionar(1);
    EXPECT_EQ(l.datoActual(), 20);
    EXPECT_EQ(mensajeDeRango([&] { l.posicionar(4); }), "Error: Fuera de Rango.");
    EXPECT_EQ(l.indiceActual(), 1u);
}

TEST(Lista, VaciarDejaUnaListaQueSePuedeVolverALlenar)
{
    for (int n : {0, 1, 2, 7}) {
        SCOPED_TRACE(n);
        ListaVista l;
        llenar(l, n);
        if (n > 0) l[static_cast<unsigned>(n) - 1];
        l.vaciar();
        EXPECT_TRUE(l.vacia());
        EXPECT_EQ(l.indiceActual(), 0u);
        EXPECT_EQ(mensajeDeRango([&] { l[0]; }), "La casilla no existe.");
        llenar(l, 2);
        EXPECT_EQ(contenido(l), (std::vector<int>{10, 20}));
    }
}

TEST(Lista, GuardaCopiasDeObjetosConRecursos)
{
    Lista<std::string> l;
    std::string s = "una cadena lo bastante larga para no caber en el objeto";
    l.insertarFinal(s);
    l.insertar(0, "otra");
    s[0] = 'X';
    EXPECT_EQ(l[1][0], 'u');
    l.borrar(0);
    EXPECT_EQ(l.longitud(), 1u);
}  // the destructor frees what is left (the sanitizer build checks for leaks)

// A long run of random operations checked against a vector and the place the
// current position must stand after each one.
TEST(Lista, SecuenciaAleatoriaCoincideConUnModelo)
{
    std::mt19937 azar(12345);
    ListaVista l;
    std::vector<int> modelo;
    unsigned cursor = 0;
    auto al = [&](unsigned hasta) { return static_cast<unsigned>(azar() % (hasta + 1)); };

    for (int paso = 0; paso < 4000; ++paso) {
        const unsigned n = static_cast<unsigned>(modelo.size());
        const int valor = static_cast<int>(azar() % 1000);
        switch (azar() % 6) {
        case 0: {  // insertar, sometimes one past the end
            const unsigned pos = al(n + 1);
            l.insertar(pos, valor);
            if (pos <= n) {
                modelo.insert(modelo.begin() + pos, valor);
                cursor = pos;
            }
            break;
        }
        case 1: {  // borrar, sometimes where no element is
            const unsigned pos = al(n);
            l.borrar(pos);
            if (pos < n) {
                modelo.erase(modelo.begin() + pos);
                cursor = pos;
            }
            break;
        }
        case 2:
            l.insertarFinal(valor);
            modelo.push_back(valor);
            break;
        case 3: {  // read, sometimes out of range
            const unsigned pos = al(n);
            if (pos < n) {
                ASSERT_EQ(l[pos], modelo[pos]);
                cursor = pos;
            } else {
                EXPECT_THROW(l[pos], ErrRango);
            }
            break;
        }
        case 4: {
            const unsigned pos = al(n);
            l.posicionar(pos);
            cursor = pos;
            break;
        }
        default:
            if (azar() % 20 == 0) {
                l.vaciar();
                modelo.clear();
                cursor = 0;
            }
        }
        ASSERT_EQ(l.longitud(), modelo.size()) << "paso " << paso;
        ASSERT_EQ(l.indiceActual(), cursor) << "paso " << paso;
        if (cursor < modelo.size()) {
            ASSERT_EQ(l.datoActual(), modelo[cursor]) << "paso " << paso;
        }
    }
    EXPECT_EQ(contenido(l), modelo);
}

}  // namespace
