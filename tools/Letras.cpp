#include "tools/Letras.h"

#include <limits>
#include <vector>

namespace {

// Letter coordinates: cap line at y = 0, x-height at 3.5, baseline at 9.
struct Trazo {
    bool esArco;
    Punto a, b;          // segment ends, or the arc's centre in a
    double radio;        // arc only
    double desde, hasta; // arc only, degrees, clockwise on screen
};

struct Letra {
    char c;
    double ancho;
    std::vector<Trazo> trazos;
};

Trazo linea(Punto a, Punto b) { return {false, a, b, 0, 0, 0}; }
Trazo arco(Punto c, double r, double desde, double hasta) { return {true, c, {}, r, desde, hasta}; }

const std::vector<Letra>& alfabeto()
{
    static const std::vector<Letra> letras = {
        {'P', 5.0, {linea({0, 0}, {0, 9}), linea({0, 0}, {2.4, 0}),
                    arco({2.4, 2.5}, 2.5, -90, 90), linea({2.4, 5}, {0, 5})}},
        {'a', 5.2, {arco({2.6, 6.25}, 2.6, 0, 360), linea({5.2, 3.5}, {5.2, 9})}},
        {'s', 4.2, {arco({2.1, 4.9}, 1.45, 90, 325), arco({2.1, 7.6}, 1.45, -90, 145)}},
        {'r', 3.6, {linea({0, 3.5}, {0, 9}), arco({2.9, 6.5}, 2.9, 190, 285)}},
    };
    return letras;
}

const Letra* buscar(char c)
{
    for (const Letra& l : alfabeto())
        if (l.c == c)
            return &l;
    return nullptr;
}

constexpr double ESPACIO_ENTRE_LETRAS = 1.6;
constexpr double ANCHO_DESCONOCIDA = 4.0;

double anchoTexto(const std::string& texto)
{
    double ancho = 0;
    for (char c : texto) {
        const Letra* l = buscar(c);
        ancho += (l ? l->ancho : ANCHO_DESCONOCIDA) + ESPACIO_ENTRE_LETRAS;
    }
    return texto.empty() ? 0 : ancho - ESPACIO_ENTRE_LETRAS;
}

double dTrazoLetra(Punto q, const Trazo& t, double grosor)
{
    if (t.esArco)
        return dArco(q, t.a, t.radio, grados(t.desde), grados(t.hasta), grosor);
    return dTrazo(q, t.a, t.b, grosor);
}

}  // namespace

double dTexto(Punto p, const std::string& texto, double centroX, double arriba, double escala,
              double grosor)
{
    // Work in font units: the stroke's half-width shrinks with them.
    double x0 = (centroX / escala) - anchoTexto(texto) / 2;
    const Punto q0{p.x / escala, (p.y - arriba) / escala};
    double d = std::numeric_limits<double>::max();
    for (char c : texto) {
        const Letra* l = buscar(c);
        if (l)
            for (const Trazo& t : l->trazos)
                d = std::min(d, dTrazoLetra({q0.x - x0, q0.y}, t, grosor / escala));
        x0 += (l ? l->ancho : ANCHO_DESCONOCIDA) + ESPACIO_ENTRE_LETRAS;
    }
    return d * escala;
}
