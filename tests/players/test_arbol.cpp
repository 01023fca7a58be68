// The generic tree node: children in order, ownership of the subtree, and
// nothing done to what the data point to.

#include <gtest/gtest.h>

#include <vector>

#include "players/Utarbol.h"
#include "support/Uerrores.h"

namespace {

// A datum that records, by id, how many times a node's copy of it was destroyed.
struct Sonda {
    int id;
    std::vector<int>* destrucciones;
    int* apuntado;  // something the datum points to, which the tree must leave alone
    bool enNodo = false;

    Sonda(int i, std::vector<int>* d, int* a) : id(i), destrucciones(d), apuntado(a) {}
    Sonda(const Sonda& o) : id(o.id), destrucciones(o.destrucciones), apuntado(o.apuntado), enNodo(true) {}
    Sonda& operator=(const Sonda&) = delete;
    ~Sonda()
    {
        if (enNodo) ++(*destrucciones)[static_cast<std::size_t>(id)];
    }
};

TEST(Arbol, NodoNuevoEsHoja)
{
    Arbol<int> nodo(7);
    EXPECT_TRUE(nodo.esHoja());
    EXPECT_EQ(nodo.numHijos(), 0u);
    EXPECT_EQ(nodo.dameDato(), 7);
    EXPECT_THROW(nodo.dameHijo(0), ErrRango);
}

TEST(Arbol, HijosEnElOrdenEnQueSeAnaden)
{
    Arbol<int> raiz(0);
    Arbol<int>* a = new Arbol<int>(1);
    Arbol<int>* b = new Arbol<int>(2);
    Arbol<int>* c = new Arbol<int>(3);
    raiz.anadirHijo(a);
    raiz.anadirHijo(b);
    EXPECT_EQ(raiz.dameHijo(1), b);  // moves the list's current position before the next append
    raiz.anadirHijo(c);
    ASSERT_EQ(raiz.numHijos(), 3u);
    EXPECT_FALSE(raiz.esHoja());
    EXPECT_EQ(raiz.dameHijo(0), a);
    EXPECT_EQ(raiz.dameHijo(1), b);
    EXPECT_EQ(raiz.dameHijo(2), c);
    EXPECT_EQ(raiz.dameHijo(2), c);
    EXPECT_EQ(raiz.dameHijo(0), a);
    EXPECT_THROW(raiz.dameHijo(3), ErrRango);
    raiz.dameHijo(2)->dameDato() = 30;  // a reference to the node's own datum
    EXPECT_EQ(c->dameDato(), 30);
}

TEST(Arbol, DestruirLaRaizDestruyeCadaNodoUnaVezYRespetaLosDatos)
{
    // Three levels: the root, 3 children, and 2 grandchildren under each child.
    const int nodos = 1 + 3 + 3 * 2;
    std::vector<int> destrucciones(nodos, 0);
    std::vector<int> objetivos(nodos);
    for (int i = 0; i < nodos; ++i) objetivos[static_cast<std::size_t>(i)] = 100 + i;
    auto sonda = [&](int i) { return Sonda(i, &destrucciones, &objetivos[static_cast<std::size_t>(i)]); };

    auto* raiz = new Arbol<Sonda>(sonda(0));
    int siguiente = 1;
    for (int h = 0; h < 3; ++h) {
        auto* hijo = new Arbol<Sonda>(sonda(siguiente++));
        for (int n = 0; n < 2; ++n) hijo->anadirHijo(new Arbol<Sonda>(sonda(siguiente++)));
        raiz->anadirHijo(hijo);
    }
    for (int d : destrucciones) ASSERT_EQ(d, 0);
    EXPECT_EQ(raiz->dameHijo(2)->dameHijo(1)->dameDato().id, 9);

    delete raiz;
    for (int i = 0; i < nodos; ++i) {
        EXPECT_EQ(destrucciones[static_cast<std::size_t>(i)], 1) << "nodo " << i;
        EXPECT_EQ(objetivos[static_cast<std::size_t>(i)], 100 + i) << "dato del nodo " << i;
    }
}

TEST(Arbol, LosPunterosDeLosDatosNoSonDelArbol)
{
    int* suelto = new int(42);
    {
        Arbol<int*> raiz(suelto);
        raiz.anadirHijo(new Arbol<int*>(suelto));
    }
    EXPECT_EQ(*suelto, 42);  // still alive: the sanitizer build would flag a use after free
    delete suelto;
}

}  // namespace
