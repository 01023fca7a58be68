#ifndef PLATFORM_LIENZO_H
#define PLATFORM_LIENZO_H

// The drawing surface of a window's client area, as the board views use it,
// and the pictures drawn on it. Two implementations: one over FLTK that
// reaches the screen at once, and a headless one that records every call.

#include <cstdint>
#include <memory>
#include <string>

// A colour as 0xRRGGBB.
using Color = std::uint32_t;
constexpr Color COLOR_NEGRO = 0x000000;
// The face of the buttons: the window's background and the status lines'.
constexpr Color COLOR_CARA_BOTON = 0xECE9E4;

// A picture loaded from a Windows BMP file.
class Imagen {
public:
    explicit Imagen(std::string nombre) : nombreFichero(std::move(nombre)) {}
    virtual ~Imagen() = default;
    Imagen(const Imagen&) = delete;
    Imagen& operator=(const Imagen&) = delete;

    virtual int ancho() const = 0;
    virtual int alto() const = 0;
    // The path the picture was loaded from.
    const std::string& nombre() const { return nombreFichero; }

private:
    std::string nombreFichero;
};

// Loads the BMP file at ruta; null when it is missing or cannot be read.
std::unique_ptr<Imagen> cargarImagen(const std::string& ruta);

class Lienzo {
public:
    virtual ~Lienzo() = default;

    // The colour that fills the box of every text written from now on.
    virtual void colorPincel(Color c) = 0;
    // The face (a font name such as "Arial"), its size in points and its colour.
    virtual void fuente(const std::string& nombre, int puntos, Color c) = 0;
    // The width and the height in pixels of texto in the present font.
    virtual int anchoTexto(const std::string& texto) = 0;
    virtual int altoTexto(const std::string& texto) = 0;
    // Writes texto with its top-left corner at (x, y), its box filled with the brush colour.
    virtual void escribirTexto(int x, int y, const std::string& texto) = 0;
    // Draws the picture at its own size, opaque, with its top-left corner at (x, y).
    virtual void dibujarImagen(int x, int y, const Imagen& imagen) = 0;
    // Fills the whole surface with c: the start of a full repaint.
    virtual void limpiar(Color c) = 0;
    // Fills the rectangle whose top-left corner is (x, y) with the brush colour.
    virtual void rellenar(int x, int y, int ancho, int alto) = 0;
};

#endif
