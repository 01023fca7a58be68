#ifndef PLATFORM_FLTK_AREALIENZO_H
#define PLATFORM_FLTK_AREALIENZO_H

// A window's client area as a canvas. Everything is drawn into an off-screen
// buffer of the area's size and copied to the window at once, because the
// program draws from inside event handlers and may then block for a while;
// an expose only copies the buffer back.

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Widget.H>
#include <FL/x.H>

#include <memory>
#include <string>

#include "platform/Lienzo.h"

// A picture loaded through FLTK (cargarImagen), ready to be drawn on an AreaLienzo.
class ImagenFltk : public Imagen {
public:
    ImagenFltk(const std::string& ruta, std::unique_ptr<Fl_RGB_Image> imagen)
        : Imagen(ruta), fltk(std::move(imagen)) {}

    int ancho() const override { return fltk->w(); }
    int alto() const override { return fltk->h(); }
    // Draws the picture at (x, y) of FLTK's current drawing surface.
    void dibujar(int x, int y) const { fltk->draw(x, y); }

private:
    std::unique_ptr<Fl_RGB_Image> fltk;
};

class AreaLienzo : public Fl_Widget, public Lienzo {
public:
    // A widget at (x, y) of its window, backed by a w x h buffer cleared to COLOR_CARA_BOTON.
    AreaLienzo(int x, int y, int w, int h);
    ~AreaLienzo() override;
    AreaLienzo(const AreaLienzo&) = delete;
    AreaLienzo& operator=(const AreaLienzo&) = delete;

    // Fills the whole buffer with c and shows it.
    void limpiar(Color c) override;
    void rellenar(int x, int y, int ancho, int alto) override;
    // New widget and buffer size, cleared to COLOR_CARA_BOTON.
    void redimensionar(int w, int h);
    // Copies the buffer to the window and flushes it to the screen. Like every
    // drawing call, meant for event handlers, not for inside another widget's draw().
    void mostrar();
    // An expose: only copies the buffer back.
    void draw() override;
    // Keeps the buffer the size of the widget.
    void resize(int x, int y, int w, int h) override;

    void colorPincel(Color c) override;
    void fuente(const std::string& nombre, int puntos, Color c) override;
    int anchoTexto(const std::string& texto) override;
    int altoTexto(const std::string& texto) override;
    void escribirTexto(int x, int y, const std::string& texto) override;
    void dibujarImagen(int x, int y, const Imagen& imagen) override;

private:
    // The buffer, created on first use once the display is open.
    Fl_Offscreen buffer();
    void liberarBuffer();
    // Fills the part (x, y, w, h) of the buffer with c, without showing it.
    void rellenarBuffer(int x, int y, int w, int h, Color c);
    // Copies the part (x, y, w, h) of the buffer to the window, if it is shown.
    void mostrarZona(int x, int y, int w, int h);
    // Makes the present font FLTK's current one (measuring and drawing need it).
    void ponerFuente() const;

    Fl_Offscreen pixmap = 0;
    Color pincel = COLOR_CARA_BOTON;
    Fl_Font caraFuente = FL_HELVETICA;
    int pixelesFuente = 13;
    Color colorFuente = COLOR_NEGRO;
};

#endif
