#ifndef GAMES_UTMATRIZ_H
#define GAMES_UTMATRIZ_H

// A rectangular matrix addressed (x, y): numColumnas columns of numFilas
// elements each. Reads and writes outside it return false and touch nothing.

#include <cstdint>

template <class T>
class Matriz {
public:
    Matriz() = default;
    Matriz(std::uint32_t nc, std::uint32_t nf, const T& valor) { inicializar(nc, nf, valor); }
    Matriz(const Matriz& otra) { *this = otra; }
    ~Matriz() { liberar(); }

    // Copies the other matrix's extents and elements; assigning a matrix to itself changes nothing.
    Matriz& operator=(const Matriz& otra)
    {
        if (this == &otra) return *this;
        redimensionar(otra.numCols, otra.numFils);
        for (std::uint32_t x = 0; datos && x < numCols; ++x)
            for (std::uint32_t y = 0; y < numFils; ++y) datos[x][y] = otra.datos[x][y];
        return *this;
    }

    // Releases the storage and allocates nc columns of nf (uninitialised) elements.
    void redimensionar(std::uint32_t nc, std::uint32_t nf)
    {
        liberar();
        numCols = nc;
        numFils = nf;
        if (nc > 0 && nf > 0) {
            datos = new T*[nc];
            for (std::uint32_t x = 0; x < nc; ++x) datos[x] = new T[nf];
        }
    }

    // Resizes, then sets every element to valor.
    void inicializar(std::uint32_t nc, std::uint32_t nf, const T& valor)
    {
        redimensionar(nc, nf);
        for (std::uint32_t x = 0; datos && x < numCols; ++x)
            for (std::uint32_t y = 0; y < numFils; ++y) datos[x][y] = valor;
    }

    std::uint32_t numColumnas() const { return numCols; }
    std::uint32_t numFilas() const { return numFils; }
    bool enRango(std::uint32_t x, std::uint32_t y) const { return x < numCols && y < numFils; }

    // Copies element (x, y) into valor; false, valor untouched, outside the matrix.
    bool leer(std::uint32_t x, std::uint32_t y, T& valor) const
    {
        if (!enRango(x, y)) return false;
        valor = datos[x][y];
        return true;
    }

    // Stores valor at (x, y); false, nothing stored, outside the matrix.
    bool escribir(std::uint32_t x, std::uint32_t y, const T& valor)
    {
        if (!enRango(x, y)) return false;
        datos[x][y] = valor;
        return true;
    }

private:
    void liberar()
    {
        if (datos) {
            for (std::uint32_t x = 0; x < numCols; ++x) delete[] datos[x];
            delete[] datos;
            datos = nullptr;
        }
    }

    std::uint32_t numCols = 0;
    std::uint32_t numFils = 0;
    T** datos = nullptr;
};

#endif
