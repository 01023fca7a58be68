#ifndef SUPPORT_UTLISTAORD_H
#define SUPPORT_UTLISTAORD_H

// A list kept in the order of a strict less-than function Orden, holding no
// two equivalent elements. Its contents change only through the ordered
// insertar(x) and by removal; the search starts from the current position.

#include "support/Utlista.h"

template <class T, bool (*Orden)(T, T)>
class ListaOrd : private Lista<T> {
public:
    ListaOrd() = default;
    ~ListaOrd() override = default;

    using Lista<T>::vaciar;
    using Lista<T>::longitud;
    using Lista<T>::vacia;
    using Lista<T>::consultar;

    // The element at pos, read-only; throws ErrRango "La casilla no existe." when pos holds none.
    const T& operator[](unsigned pos) const override { return Lista<T>::operator[](pos); }

    // Removes the element at pos; throws ErrRango "Error: Fuera de Rango." when pos holds none.
    void borrar(unsigned pos) override;

    // True when an element equivalent to x is present; pos gets its position or the
    // position where x belongs. An empty list leaves pos untouched. Never throws.
    virtual bool buscar(const T& x, unsigned& pos);

    // Inserts a copy of x in order and returns true; false, changing nothing,
    // when an equivalent element is present.
    virtual bool insertar(const T& x);

private:
    // The positional insertion stays hidden: it could break the order.
    using Lista<T>::insertar;

    static bool equivalentes(const T& a, const T& b) { return !Orden(a, b) && !Orden(b, a); }
    // Whether the current position holds an element that must stand before x.
    bool actualAntesDe(const T& x) const;
};

template <class T, bool (*Orden)(T, T)>
void ListaOrd<T, Orden>::borrar(unsigned pos)
{
    if (pos >= longitud()) throw ErrRango();
    Lista<T>::borrar(pos);
}

template <class T, bool (*Orden)(T, T)>
bool ListaOrd<T, Orden>::actualAntesDe(const T& x) const
{
    return this->indiceActual() < longitud() && Orden(this->datoActual(), x);
}

template <class T, bool (*Orden)(T, T)>
bool ListaOrd<T, Orden>::buscar(const T& x, unsigned& pos)
{
    if (vacia()) return false;
    if (this->indiceActual() == longitud()) this->retroceder();

    if (Orden(this->datoActual(), x)) {
        // Forward to the first element not before x, or to the end position.
        do {
            this->avanzar();
        } while (actualAntesDe(x));
    } else if (Orden(x, this->datoActual())) {
        // Back while the element must stand after x, then one step on past an element before x.
        while (this->indiceActual() > 0 && Orden(x, this->datoActual())) this->retroceder();
        if (Orden(this->datoActual(), x)) this->avanzar();
    }

    pos = this->indiceActual();
    return this->indiceActual() < longitud() && equivalentes(x, this->datoActual());
}

template <class T, bool (*Orden)(T, T)>
bool ListaOrd<T, Orden>::insertar(const T& x)
{
    unsigned pos = 0;
    if (buscar(x, pos)) return false;
    // buscar left the current position where x belongs (on an empty list, the end position).
    this->insertarAntes(x);
    return true;
}

#endif
