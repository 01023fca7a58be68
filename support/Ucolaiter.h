#ifndef SUPPORT_UCOLAITER_H
#define SUPPORT_UCOLAITER_H

// A queue that can be walked from head to tail without being emptied.
// There is one walk per queue: it is the list's current position, and
// queueing keeps its index.

#include "support/Utlista.h"

template <class T>
class ColaIter : private Lista<T> {
public:
    ColaIter() = default;
    ~ColaIter() override = default;

    using Lista<T>::vaciar;
    using Lista<T>::longitud;
    using Lista<T>::vacia;

    // Appends a copy of x at the tail; the walk keeps its index, so a walk
    // that had run past the tail now stands on x.
    void encolar(const T& x) { this->insertarFinal(x); }

    // Puts the walk on the head; true when the queue holds an element.
    bool iniciar()
    {
        this->irAlPrimero();
        return !vacia();
    }

    // Copies the element under the walk into x and returns true; false, x untouched, past the tail.
    bool dameActual(T& x) const
    {
        if (!enElemento()) return false;
        x = this->datoActual();
        return true;
    }

    // One step on (past the tail it wraps to the head); true when the walk stands on an element.
    bool siguiente()
    {
        this->avanzar();
        return enElemento();
    }

private:
    bool enElemento() const { return this->indiceActual() < longitud(); }
};

#endif
