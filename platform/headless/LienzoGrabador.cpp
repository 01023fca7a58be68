#include "platform/headless/LienzoGrabador.h"

namespace {

// The characters of a UTF-8 text: every byte that does not continue one.
int caracteres(const std::string& texto)
{
    int n = 0;
    for (unsigned char c : texto)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

std::string sinCarpeta(const std::string& ruta)
{
    const auto barra = ruta.find_last_of('/');
    return barra == std::string::npos ? ruta : ruta.substr(barra + 1);
}

}  // namespace

void LienzoGrabador::colorPincel(Color c)
{
    pincelActual = c;
    LlamadaLienzo l(LlamadaLienzo::PINCEL);
    l.color = c;
    registro.push_back(l);
}

void LienzoGrabador::fuente(const std::string& nombre, int puntos, Color c)
{
    fuenteActual = nombre;
    puntosActuales = puntos;
    colorFuente = c;
    LlamadaLienzo l(LlamadaLienzo::FUENTE);
    l.texto = nombre;
    l.puntos = puntos;
    l.color = c;
    registro.push_back(l);
}

int LienzoGrabador::anchoTexto(const std::string& texto)
{
    return 8 * caracteres(texto) * puntosActuales / 10;
}

int LienzoGrabador::altoTexto(const std::string&)
{
    return 2 * puntosActuales;
}

void LienzoGrabador::escribirTexto(int x, int y, const std::string& texto)
{
    LlamadaLienzo l(LlamadaLienzo::TEXTO);
    l.x = x;
    l.y = y;
    l.texto = texto;
    l.ancho = anchoTexto(texto);
    l.alto = altoTexto(texto);
    l.color = colorFuente;
    l.pincel = pincelActual;
    l.fuente = fuenteActual;
    l.puntos = puntosActuales;
    registro.push_back(l);
}

void LienzoGrabador::dibujarImagen(int x, int y, const Imagen& imagen)
{
    LlamadaLienzo l(LlamadaLienzo::IMAGEN);
    l.x = x;
    l.y = y;
    l.texto = sinCarpeta(imagen.nombre());
    l.ancho = imagen.ancho();
    l.alto = imagen.alto();
    registro.push_back(l);
}

void LienzoGrabador::limpiar(Color c)
{
    LlamadaLienzo l(LlamadaLienzo::LIMPIAR);
    l.color = c;
    registro.push_back(l);
}

void LienzoGrabador::rellenar(int x, int y, int ancho, int alto)
{
    LlamadaLienzo l(LlamadaLienzo::RELLENAR);
    l.x = x;
    l.y = y;
    l.ancho = ancho;
    l.alto = alto;
    l.color = pincelActual;
    registro.push_back(l);
}

std::vector<LlamadaLienzo> LienzoGrabador::llamadas(LlamadaLienzo::Tipo tipo) const
{
    std::vector<LlamadaLienzo> elegidas;
    for (const LlamadaLienzo& l : registro)
        if (l.tipo == tipo)
            elegidas.push_back(l);
    return elegidas;
}
