// The matrix: extents without storage, reads and writes outside it, copies.

#include <gtest/gtest.h>

#include <climits>

#include "games/Utmatriz.h"

namespace {

TEST(Matriz, ExtensionesSinAlmacen)
{
    struct Caso {
        unsigned nc, nf;
    };
    for (const Caso c : {Caso{3, 0}, Caso{0, 3}, Caso{0, 0}}) {
        SCOPED_TRACE(std::to_string(c.nc) + " x " + std::to_string(c.nf));
        Matriz<int> m(c.nc, c.nf, 5);
        EXPECT_EQ(m.numColumnas(), c.nc);
        EXPECT_EQ(m.numFilas(), c.nf);
        int v = -1;
        for (unsigned x = 0; x < 4; ++x)
            for (unsigned y = 0; y < 4; ++y) {
                EXPECT_FALSE(m.enRango(x, y));
                EXPECT_FALSE(m.leer(x, y, v));
                EXPECT_FALSE(m.escribir(x, y, 1));
            }
        EXPECT_EQ(v, -1);
        Matriz<int> copia(m);  // copying an empty matrix allocates nothing either
        EXPECT_FALSE(copia.leer(0, 0, v));
    }
    Matriz<int> vacia;
    EXPECT_EQ(vacia.numColumnas(), 0u);
    EXPECT_EQ(vacia.numFilas(), 0u);
}

TEST(Matriz, LeerYEscribirFueraNoTocanNada)
{
    Matriz<int> m(3, 2, 7);
    struct Fuera {
        unsigned x, y;
    };
    for (const Fuera f : {Fuera{3, 0}, Fuera{0, 2}, Fuera{3, 2}, Fuera{UINT_MAX, 0}, Fuera{0, UINT_MAX}}) {
        SCOPED_TRACE(std::to_string(f.x) + ", " + std::to_string(f.y));
        int v = -1;
        EXPECT_FALSE(m.enRango(f.x, f.y));
        EXPECT_FALSE(m.leer(f.x, f.y, v));
        EXPECT_EQ(v, -1);
        EXPECT_FALSE(m.escribir(f.x, f.y, 99));
    }
    for (unsigned x = 0; x < 3; ++x)
        for (unsigned y = 0; y < 2; ++y) {
            int v = -1;
            ASSERT_TRUE(m.leer(x, y, v));
            EXPECT_EQ(v, 7);
        }
    // Columns and rows are not swapped: (2, 1) is the last cell.
    EXPECT_TRUE(m.escribir(2, 1, 8));
    int v = 0;
    EXPECT_TRUE(m.leer(2, 1, v));
    EXPECT_EQ(v, 8);
    EXPECT_TRUE(m.leer(1, 1, v));
    EXPECT_EQ(v, 7);
}

// Fills m with a value distinct for every cell.
void numerar(Matriz<int>& m)
{
    for (unsigned x = 0; x < m.numColumnas(); ++x)
        for (unsigned y = 0; y < m.numFilas(); ++y) m.escribir(x, y, static_cast<int>(100 * x + y));
}

bool iguales(const Matriz<int>& a, const Matriz<int>& b)
{
    if (a.numColumnas() != b.numColumnas() || a.numFilas() != b.numFilas()) return false;
    for (unsigned x = 0; x < a.numColumnas(); ++x)
        for (unsigned y = 0; y < a.numFilas(); ++y) {
            int va = 0, vb = 1;
            if (!a.leer(x, y, va) || !b.leer(x, y, vb) || va != vb) return false;
        }
    return true;
}

TEST(Matriz, AsignarUnaMayorUnaMenorOUnaVacia)
{
    Matriz<int> grande(9, 8, 0);
    numerar(grande);
    Matriz<int> m(3, 3, 1);
    m = grande;
    EXPECT_EQ(m.numColumnas(), 9u);
    EXPECT_EQ(m.numFilas(), 8u);
    EXPECT_TRUE(iguales(m, grande));

    m.escribir(8, 7, -5);  // the copy is independent
    int v = 0;
    grande.leer(8, 7, v);
    EXPECT_EQ(v, 807);

    Matriz<int> pequena(2, 1, 4);
    m = pequena;
    EXPECT_TRUE(iguales(m, pequena));
    EXPECT_FALSE(m.leer(2, 0, v));

    m = Matriz<int>();
    EXPECT_EQ(m.numColumnas(), 0u);
    EXPECT_FALSE(m.leer(0, 0, v));
}

TEST(Matriz, AutoasignacionNoCambiaNada)
{
    Matriz<int> m(4, 3, 0);
    numerar(m);
    const Matriz<int> antes(m);
    Matriz<int>& misma = m;
    m = misma;
    EXPECT_TRUE(iguales(m, antes));
}

TEST(Matriz, RedimensionarEInicializar)
{
    Matriz<int> m(2, 2, 1);
    m.inicializar(5, 4, 3);
    EXPECT_EQ(m.numColumnas(), 5u);
    EXPECT_EQ(m.numFilas(), 4u);
    int v = 0;
    EXPECT_TRUE(m.leer(4, 3, v));
    EXPECT_EQ(v, 3);
    m.redimensionar(0, 4);
    EXPECT_FALSE(m.leer(0, 0, v));
    m.inicializar(1, 1, 6);
    EXPECT_TRUE(m.leer(0, 0, v));
    EXPECT_EQ(v, 6);
}

}  // namespace
