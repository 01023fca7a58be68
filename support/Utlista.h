#ifndef SUPPORT_UTLISTA_H
#define SUPPORT_UTLISTA_H

// A list of values addressed by 0-based positions, kept in a doubly linked
// ring with a sentinel node. The list remembers a current position and every
// positional operation walks there from it, so visiting positions in rising
// order costs one step each.

#include <cstdint>
#include <new>

#include "support/Uerrores.h"

// The text of the error raised when a read asks for a position holding no element.
inline const char* const MENSAJE_CASILLA_NO_EXISTE = "La casilla no existe.";

template <class T>
class Lista {
public:
    Lista();
    Lista(const Lista&) = delete;
    Lista& operator=(const Lista&) = delete;
    virtual ~Lista();

    // Removes and frees every element; the current position ends at index 0.
    virtual void vaciar();
    virtual unsigned longitud() const { return numElementos; }
    virtual bool vacia() const { return numElementos == 0; }
    // The element at pos, walking there; throws ErrRango when pos holds no element.
    virtual T& operator[](unsigned pos);
    // Copies the element at pos into x; throws ErrRango when pos holds no element.
    virtual void consultar(unsigned pos, T& x) const;
    // As the other operator[], read-only; the walk still moves the current position.
    virtual const T& operator[](unsigned pos) const;
    // Inserts a copy of x so that it becomes position pos; does nothing when pos > longitud().
    virtual void insertar(unsigned pos, const T& x);
    // Removes the element at pos; does nothing when pos holds no element.
    virtual void borrar(unsigned pos);

    // Appends a copy of x; the current position keeps its index.
    void insertarFinal(const T& x);

protected:
    bool posicionValida(unsigned pos) const { return pos <= numElementos; }
    // The walks below only move the current position, never the contents,
    // so reading operations of a const list may use them.
    void irAlPrimero() const;
    // One step on; from the end position it wraps to position 0.
    void avanzar() const;
    // One step back; from position 0 it wraps to the end position.
    void retroceder() const;
    // Walks to pos in the direction of pos, never round the ring; throws ErrRango if pos is invalid.
    void posicionar(unsigned pos) const;
    // Links a copy of x before the current node, which it replaces at the current index.
    // A node that cannot be allocated is dropped silently.
    void insertarAntes(const T& x);
    // Unlinks and frees the current node (never the sentinel); its successor takes its index.
    void borrarActual();
    unsigned indiceActual() const { return cursor->indice; }
    T& datoActual() { return cursor->ptrNodo->elem; }
    const T& datoActual() const { return cursor->ptrNodo->elem; }

private:
    struct Nodo {
        T elem;
        Nodo* sig;
        Nodo* ant;
    };
    struct Posicion {
        std::uint32_t indice;
        Nodo* ptrNodo;
    };

    // Throws ErrRango "La casilla no existe." unless pos holds an element.
    void comprobarElemento(unsigned pos) const;

    Nodo* cabecera;      // owned sentinel: sig is position 0, ant the last position
    Posicion* cursor;    // owned current position
    std::uint32_t numElementos;
};

template <class T>
Lista<T>::Lista() : cabecera(new Nodo{T(), nullptr, nullptr}), cursor(nullptr), numElementos(0)
{
    cabecera->sig = cabecera;
    cabecera->ant = cabecera;
    try {
        cursor = new Posicion{0, cabecera};
    } catch (...) {
        delete cabecera;
        throw;
    }
}

template <class T>
Lista<T>::~Lista()
{
    Lista<T>::vaciar();
    delete cabecera;
    delete cursor;
}

template <class T>
void Lista<T>::vaciar()
{
    if (numElementos == 0) return;
    irAlPrimero();
    while (cursor->ptrNodo != cabecera) borrarActual();
    cabecera->sig = cabecera;
    cabecera->ant = cabecera;
    numElementos = 0;
    *cursor = Posicion{0, cabecera};
}

template <class T>
void Lista<T>::comprobarElemento(unsigned pos) const
{
    if (pos >= numElementos) throw ErrRango(MENSAJE_CASILLA_NO_EXISTE);
}

template <class T>
T& Lista<T>::operator[](unsigned pos)
{
    comprobarElemento(pos);
    posicionar(pos);
    return datoActual();
}

template <class T>
const T& Lista<T>::operator[](unsigned pos) const
{
    comprobarElemento(pos);
    posicionar(pos);
    return datoActual();
}

template <class T>
void Lista<T>::consultar(unsigned pos, T& x) const
{
    x = Lista<T>::operator[](pos);
}

template <class T>
void Lista<T>::insertar(unsigned pos, const T& x)
{
    if (!posicionValida(pos)) return;
    posicionar(pos);
    insertarAntes(x);
}

template <class T>
void Lista<T>::borrar(unsigned pos)
{
    if (pos >= numElementos) return;
    posicionar(pos);
    borrarActual();
}

template <class T>
void Lista<T>::insertarFinal(const T& x)
{
    const unsigned k = cursor->indice;
    irAlPrimero();
    retroceder();  // from position 0 this wraps to the end position
    insertarAntes(x);
    posicionar(k);
}

template <class T>
void Lista<T>::irAlPrimero() const
{
    *cursor = Posicion{0, cabecera->sig};
}

template <class T>
void Lista<T>::avanzar() const
{
    if (posicionValida(cursor->indice + 1)) {
        cursor->ptrNodo = cursor->ptrNodo->sig;
        ++cursor->indice;
    } else {
        irAlPrimero();
    }
}

template <class T>
void Lista<T>::retroceder() const
{
    if (posicionValida(cursor->indice) && cursor->indice > 0) {
        cursor->ptrNodo = cursor->ptrNodo->ant;
        --cursor->indice;
    } else {
        *cursor = Posicion{numElementos, cabecera};
    }
}

template <class T>
void Lista<T>::posicionar(unsigned pos) const
{
    if (!posicionValida(pos)) throw ErrRango();
    if (cursor->indice > pos) {
        while (cursor->indice != pos) retroceder();
    } else {
        while (cursor->indice != pos) avanzar();
    }
}

template <class T>
void Lista<T>::insertarAntes(const T& x)
{
    Nodo* const actual = cursor->ptrNodo;
    Nodo* const nuevo = new (std::nothrow) Nodo{x, actual, actual->ant};
    if (!nuevo) return;
    actual->ant->sig = nuevo;
    actual->ant = nuevo;
    cursor->ptrNodo = nuevo;
    ++numElementos;
}

template <class T>
void Lista<T>::borrarActual()
{
    Nodo* const actual = cursor->ptrNodo;
    actual->ant->sig = actual->sig;
    actual->sig->ant = actual->ant;
    cursor->ptrNodo = actual->sig;
    delete actual;
    --numElementos;
}

#endif
