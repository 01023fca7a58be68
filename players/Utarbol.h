#ifndef PLAYERS_UTARBOL_H
#define PLAYERS_UTARBOL_H

// A node of an n-ary tree: a datum held by value and the child nodes in the
// order they were added. A node owns its children, never what its datum
// points to.

#include "support/Utlista.h"

template <class T>
class Arbol {
public:
    explicit Arbol(const T& d) : dato(d) {}
    Arbol(const Arbol&) = delete;
    Arbol& operator=(const Arbol&) = delete;

    // Destroys the children in order (each with its own subtree); dato's targets stay.
    // Virtual because a node of a derived kind may be destroyed as its parent's child.
    virtual ~Arbol()
    {
        const unsigned n = hijos.longitud();
        for (unsigned i = 0; i < n; ++i) delete hijos[i];
        hijos.vaciar();
    }

    T& dameDato() { return dato; }
    unsigned numHijos() const { return hijos.longitud(); }
    // The child at index i (from 0); ErrRango when there is none.
    Arbol* dameHijo(unsigned i) { return hijos[i]; }
    // Appends h after the last child; the node owns it from now on.
    void anadirHijo(Arbol* h) { hijos.insertarFinal(h); }
    virtual bool esHoja() const { return numHijos() == 0; }

private:
    T dato;
    Lista<Arbol*> hijos;
};

#endif
