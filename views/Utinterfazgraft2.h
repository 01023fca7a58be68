#ifndef VIEWS_UTINTERFAZGRAFT2_H
#define VIEWS_UTINTERFAZGRAFT2_H

// A board view draws one game on a window's canvas and turns a point of the
// window into the cell under it. Each game's view fixes the cell size and the
// pictures; the pictures are loaded once at program start and shared by every
// view of that game in every window.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "games/Utjuegologt2.h"
#include "platform/Lienzo.h"

// One picture, loaded from a BMP file by the constructor.
class tBMP {
public:
    explicit tBMP(std::string nombreFichero);
    ~tBMP();
    tBMP(const tBMP&) = delete;
    tBMP& operator=(const tBMP&) = delete;

    // The picture; null when the file was missing or not a BMP, and after destruction.
    const Imagen* dameImagen() const { return imagen.get(); }

private:
    std::unique_ptr<Imagen> imagen;
};

// The pictures of one game, in the order they are loaded.
class ConjuntoImagenes {
public:
    explicit ConjuntoImagenes(std::vector<std::string> nombresFicheros);

    // Loads every picture, each from the first of lugares (folders, "" being
    // the current one) where it loads. False, with a message naming the file
    // and every place looked at, when one cannot be loaded anywhere; the
    // pictures loaded before it stay until liberar().
    bool cargar(const std::vector<std::string>& lugares, std::string& mensajeError);
    // Frees the pictures in the reverse order of loading.
    void liberar();
    // Picture i, or null when it is not loaded.
    const Imagen* imagen(std::size_t i) const;

private:
    std::vector<std::string> nombres;
    std::vector<std::unique_ptr<tBMP>> cargadas;
};

// Loads the pictures of the three games, looking for each file in the current
// directory, then in dirEjecutable, then in dirEjecutable/../share/tablexo.
// On failure it frees whatever it had loaded, returns false and leaves in
// mensajeError a message (Spanish) naming the file and the places searched.
bool cargarImagenesJuegos(const std::string& dirEjecutable, std::string& mensajeError);
// Frees every game's pictures, in the reverse order of loading.
void liberarImagenesJuegos();

// The strip below the board that holds the status lines.
constexpr unsigned ALTO_FRANJA_ESTADO = 50;

class tInterfazGrafT2 {
public:
    explicit tInterfazGrafT2(Lienzo* lienzo) : lienzo(lienzo) {}
    virtual ~tInterfazGrafT2() = default;
    tInterfazGrafT2(const tInterfazGrafT2&) = delete;
    tInterfazGrafT2& operator=(const tInterfazGrafT2&) = delete;

    // The column of the cell under pixel column px of the client area.
    virtual unsigned indiceX(unsigned px) = 0;
    // The row of the cell under pixel row py.
    virtual unsigned indiceY(unsigned py) = 0;
    // Draws the status line(s) and every cell of juego's board.
    virtual void dibujar(tJuegoLogT2* juego) = 0;
    // The width of the drawing in pixels.
    virtual unsigned dameAncho() = 0;
    // The height of the board in pixels; the status lines go below it.
    virtual unsigned dameAlto() = 0;

    // The cell under (px, py); outside the board for a point outside it.
    Casilla casillaEn(unsigned px, unsigned py);

protected:
    // Brush: button face; font: "Arial" of the given size, black.
    void prepararLienzo(int puntos);
    // The line naming the side to move, centred below the board, on a cleared strip.
    void escribirTurno(const tJuegoLogT2& juego);
    // texto centred on the view's width, its top at y.
    void escribirCentrado(const std::string& texto, int y);
    // Every cell of the board with its picture A, B or N, each a square of lado pixels.
    void dibujarCasillas(const tJuegoLogT2& juego, unsigned lado, const ConjuntoImagenes& imagenes);
    // The picture at (x, y); nothing when it is not loaded.
    void dibujarImagen(int x, int y, const Imagen* imagen);

    Lienzo* lienzo;  // the window's canvas, not owned
};

// The positions of the pictures in each game's set.
enum ImagenFicha : std::size_t { IMAGEN_A = 0, IMAGEN_B = 1, IMAGEN_N = 2, IMAGEN_PASAR = 3 };

#endif
