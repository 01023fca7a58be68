#ifndef PLATFORM_HEADLESS_LIENZOGRABADOR_H
#define PLATFORM_HEADLESS_LIENZOGRABADOR_H

// A canvas that draws nothing and records every call, for tests and for the
// headless windows.
//
// Text metrics are fixed so that positions can be predicted exactly:
//   width  = 8 px per UTF-8 character, times the size in points, divided by 10
//            (integer division of 8 * characters * points by 10);
//   height = 2 px per point.
// With 18 points, "Turno: Jugador 1" (16 characters) is 230 by 36 pixels.

#include <string>
#include <vector>

#include "platform/Lienzo.h"

// One recorded call.
struct LlamadaLienzo {
    enum Tipo { PINCEL, FUENTE, TEXTO, IMAGEN, LIMPIAR, RELLENAR };

    Tipo tipo = PINCEL;
    int x = 0, y = 0;     // TEXTO, IMAGEN and RELLENAR: the top-left corner
    std::string texto;    // TEXTO: the text; IMAGEN: the picture's file name without folder;
                          // FUENTE: the face name
    int ancho = 0;        // TEXTO: the measured box; IMAGEN: the picture's size; RELLENAR: the rectangle's
    int alto = 0;
    Color color = 0;      // PINCEL, LIMPIAR and RELLENAR: that colour; FUENTE and TEXTO: the font's colour
    Color pincel = 0;     // TEXTO: the brush colour its box was filled with
    std::string fuente;   // TEXTO: the face it was written in
    int puntos = 0;       // FUENTE and TEXTO: the size in points

    explicit LlamadaLienzo(Tipo t) : tipo(t) {}
};

class LienzoGrabador : public Lienzo {
public:
    void colorPincel(Color c) override;
    void fuente(const std::string& nombre, int puntos, Color c) override;
    int anchoTexto(const std::string& texto) override;
    int altoTexto(const std::string& texto) override;
    void escribirTexto(int x, int y, const std::string& texto) override;
    void dibujarImagen(int x, int y, const Imagen& imagen) override;
    void limpiar(Color c) override;
    void rellenar(int x, int y, int ancho, int alto) override;

    // Every call since the start or the last olvidar(), in order.
    const std::vector<LlamadaLienzo>& llamadas() const { return registro; }
    // Only the calls of one kind, in order.
    std::vector<LlamadaLienzo> llamadas(LlamadaLienzo::Tipo tipo) const;
    // Empties the record; the brush and font settings stay.
    void olvidar() { registro.clear(); }

private:
    std::vector<LlamadaLienzo> registro;
    Color pincelActual = COLOR_CARA_BOTON;
    std::string fuenteActual = "Arial";
    int puntosActuales = 10;
    Color colorFuente = COLOR_NEGRO;
};

#endif
