#include "platform/fltk/AreaLienzo.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <map>


namespace {

constexpr int PUNTOS_POR_PULGADA = 72;
constexpr int PIXELES_POR_PULGADA = 96;

void ponerColor(Color c)
{
    fl_color(uchar(c >> 16), uchar(c >> 8), uchar(c));
}

// Screen pixels for a size in points, rounded to the nearest.
int pixelesDePuntos(int puntos)
{
    return (puntos * PIXELES_POR_PULGADA + PUNTOS_POR_PULGADA / 2) / PUNTOS_POR_PULGADA;
}

// The FLTK face for a font name, registered on first use. FLTK keeps the
// pointer to the name it is given, so the names live as long as the program.
Fl_Font caraDe(const std::string& nombre)
{
    struct Cara {
        std::string nombreFltk;
        Fl_Font numero;
    };
    static std::map<std::string, Cara> caras;
    static Fl_Font siguiente = FL_FREE_FONT;

    auto it = caras.find(nombre);
    if (it == caras.end()) {
        // A leading space asks for the plain style: otherwise a first letter
        // B, I or P would be read as bold or italic.
        it = caras.emplace(nombre, Cara{" " + nombre, siguiente++}).first;
        Fl::set_font(it->second.numero, it->second.nombreFltk.c_str());
    }
    return it->second.numero;
}

}  // namespace

AreaLienzo::AreaLienzo(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {}

AreaLienzo::~AreaLienzo()
{
    liberarBuffer();
}

Fl_Offscreen AreaLienzo::buffer()
{
    if (!pixmap) {
        fl_open_display();
        pixmap = fl_create_offscreen(std::max(w(), 1), std::max(h(), 1));
        fl_begin_offscreen(pixmap);
        ponerColor(COLOR_CARA_BOTON);
        fl_rectf(0, 0, w(), h());
        fl_end_offscreen();
    }
    return pixmap;
}

void AreaLienzo::liberarBuffer()
{
    if (pixmap && fl_display)
        fl_delete_offscreen(pixmap);
    pixmap = 0;
}

void AreaLienzo::mostrarZona(int zx, int zy, int zw, int zh)
{
    Fl_Window* ventana = window();
    if (!pixmap || !ventana || !ventana->shown() || !visible_r())
        return;
    ventana->make_current();
    fl_copy_offscreen(x() + zx, y() + zy, zw, zh, pixmap, zx, zy);
    XFlush(fl_display);
}

void AreaLienzo::mostrar()
{
    buffer();
    mostrarZona(0, 0, w(), h());
}

void AreaLienzo::draw()
{
    fl_copy_offscreen(x(), y(), w(), h(), buffer(), 0, 0);
}

void AreaLienzo::resize(int nx, int ny, int nw, int nh)
{
    const bool otroTamano = nw != w() || nh != h();
    Fl_Widget::resize(nx, ny, nw, nh);
    if (otroTamano)
        liberarBuffer();  // the next use makes a new one, cleared
}

void AreaLienzo::redimensionar(int nw, int nh)
{
    size(nw, nh);
    rellenarBuffer(0, 0, w(), h(), COLOR_CARA_BOTON);
    redraw();
}

void AreaLienzo::limpiar(Color c)
{
    rellenarBuffer(0, 0, w(), h(), c);
    mostrar();
}

void AreaLienzo::rellenar(int rx, int ry, int ancho, int alto)
{
    rellenarBuffer(rx, ry, ancho, alto, pincel);
    mostrarZona(rx, ry, ancho, alto);
}

void AreaLienzo::rellenarBuffer(int rx, int ry, int ancho, int alto, Color c)
{
    Fl_Offscreen b = buffer();
    fl_begin_offscreen(b);
    ponerColor(c);
    fl_rectf(rx, ry, ancho, alto);
    fl_end_offscreen();
}

void AreaLienzo::colorPincel(Color c)
{
    pincel = c;
}

void AreaLienzo::fuente(const std::string& nombre, int puntos, Color c)
{
    caraFuente = caraDe(nombre);
    pixelesFuente = pixelesDePuntos(puntos);
    colorFuente = c;
}

void AreaLienzo::ponerFuente() const
{
    fl_open_display();
    fl_font(caraFuente, pixelesFuente);
}

int AreaLienzo::anchoTexto(const std::string& texto)
{
    ponerFuente();
    return int(fl_width(texto.c_str(), int(texto.size())) + 0.5);
}

int AreaLienzo::altoTexto(const std::string&)
{
    ponerFuente();
    return fl_height();
}

void AreaLienzo::escribirTexto(int tx, int ty, const std::string& texto)
{
    const int ancho = anchoTexto(texto);
    const int alto = altoTexto(texto);
    Fl_Offscreen b = buffer();
    fl_begin_offscreen(b);
    ponerColor(pincel);
    fl_rectf(tx, ty, ancho, alto);
    ponerFuente();
    ponerColor(colorFuente);
    // FLTK places the baseline; the box's top is ascent above it.
    fl_draw(texto.c_str(), int(texto.size()), tx, ty + fl_height() - fl_descent());
    fl_end_offscreen();
    mostrarZona(tx, ty, ancho, alto);
}

void AreaLienzo::dibujarImagen(int ix, int iy, const Imagen& imagen)
{
    const auto* fltk = dynamic_cast<const ImagenFltk*>(&imagen);
    if (!fltk)
        return;  // not loaded by this backend: nothing this surface can draw
    Fl_Offscreen b = buffer();
    fl_begin_offscreen(b);
    fltk->dibujar(ix, iy);
    fl_end_offscreen();
    mostrarZona(ix, iy, imagen.ancho(), imagen.alto());
}
