#include "views/Utinterfazgraft2.h"

#include <filesystem>

#include "views/Utinterfazgraf3r.h"
#include "views/Utinterfazgrafc4.h"
#include "views/Utinterfazgrafot.h"

tBMP::tBMP(std::string nombreFichero) : imagen(cargarImagen(nombreFichero)) {}

tBMP::~tBMP()
{
    imagen.reset();
}

ConjuntoImagenes::ConjuntoImagenes(std::vector<std::string> nombresFicheros)
    : nombres(std::move(nombresFicheros))
{
}

namespace {

// The path of fichero inside lugar ("" is the current directory).
std::string rutaEn(const std::string& lugar, const std::string& fichero)
{
    return lugar.empty() ? fichero : lugar + "/" + fichero;
}

// How a place is named in the error message: its absolute, tidy path.
std::string rutaLegible(const std::string& ruta)
{
    std::error_code error;
    const std::filesystem::path absoluta = std::filesystem::absolute(ruta, error);
    return error ? ruta : absoluta.lexically_normal().string();
}

std::string mensajeNoCargada(const std::string& fichero, const std::vector<std::string>& lugares)
{
    std::string m = "No se ha podido cargar la imagen \"" + fichero + "\". Se ha buscado en:";
    for (const std::string& lugar : lugares) {
        const std::string ruta = rutaEn(lugar, fichero);
        std::error_code error;
        const bool existe = std::filesystem::exists(ruta, error);
        m += "\n  " + rutaLegible(ruta) + (existe ? " (no es un BMP válido)" : " (no existe)");
    }
    return m;
}

}  // namespace

bool ConjuntoImagenes::cargar(const std::vector<std::string>& lugares, std::string& mensajeError)
{
    liberar();
    for (const std::string& fichero : nombres) {
        std::unique_ptr<tBMP> bmp;
        for (const std::string& lugar : lugares) {
            bmp = std::make_unique<tBMP>(rutaEn(lugar, fichero));
            if (bmp->dameImagen())
                break;
        }
        if (!bmp || !bmp->dameImagen()) {
            mensajeError = mensajeNoCargada(fichero, lugares);
            return false;
        }
        cargadas.push_back(std::move(bmp));
    }
    return true;
}

void ConjuntoImagenes::liberar()
{
    while (!cargadas.empty())
        cargadas.pop_back();
}

const Imagen* ConjuntoImagenes::imagen(std::size_t i) const
{
    return i < cargadas.size() ? cargadas[i]->dameImagen() : nullptr;
}

namespace {

// Every game's set, in the order they are loaded.
std::vector<ConjuntoImagenes*> conjuntosJuegos()
{
    return {&imagenesConecta4(), &imagenes3Raya(), &imagenesOtelo()};
}

}  // namespace

bool cargarImagenesJuegos(const std::string& dirEjecutable, std::string& mensajeError)
{
    std::vector<std::string> lugares{""};
    if (!dirEjecutable.empty()) {
        lugares.push_back(dirEjecutable);
        lugares.push_back(dirEjecutable + "/../share/tablexo");
    }
    for (ConjuntoImagenes* conjunto : conjuntosJuegos())
        if (!conjunto->cargar(lugares, mensajeError)) {
            liberarImagenesJuegos();
            return false;
        }
    return true;
}

void liberarImagenesJuegos()
{
    const std::vector<ConjuntoImagenes*> conjuntos = conjuntosJuegos();
    for (auto it = conjuntos.rbegin(); it != conjuntos.rend(); ++it)
        (*it)->liberar();
}

Casilla tInterfazGrafT2::casillaEn(unsigned px, unsigned py)
{
    const unsigned x = indiceX(px);
    const unsigned y = indiceY(py);
    return Casilla{x, y};
}

void tInterfazGrafT2::prepararLienzo(int puntos)
{
    lienzo->colorPincel(COLOR_CARA_BOTON);
    lienzo->fuente("Arial", puntos, COLOR_NEGRO);
}

void tInterfazGrafT2::escribirCentrado(const std::string& texto, int y)
{
    const int x = int(dameAncho() / 2) - lienzo->anchoTexto(texto) / 2;
    lienzo->escribirTexto(x, y, texto);
}

void tInterfazGrafT2::escribirTurno(const tJuegoLogT2& juego)
{
    const std::string turno = juego.dameTurno() == JUGADOR1 ? "Turno: Jugador 1" : "Turno: Ordenador";
    const int x = int(dameAncho() / 2) - lienzo->anchoTexto(turno) / 2;
    const int y = int(dameAlto()) + lienzo->altoTexto(turno) / 2;
    // The lines differ in width and so start at different x: clear what the
    // last one left, or the edge of a longer line shows beside a shorter one.
    lienzo->rellenar(0, int(dameAlto()), int(dameAncho()), int(ALTO_FRANJA_ESTADO));
    // The person's line carries four spaces, measured out but written, so that
    // its box also covers the end of a longer line drawn there before.
    lienzo->escribirTexto(x, y, juego.dameTurno() == JUGADOR1 ? turno + "    " : turno);
}

void tInterfazGrafT2::dibujarCasillas(const tJuegoLogT2& juego, unsigned lado, const ConjuntoImagenes& imagenes)
{
    const Tablero* tablero = juego.dameTablero();
    if (!tablero)
        return;
    for (unsigned x = 0; x < juego.numColumnas(); ++x)
        for (unsigned y = 0; y < juego.numFilas(); ++y) {
            Turno t = NINGUNO;
            tablero->leer(x, y, t);
            const ImagenFicha i = t == JUGADOR1 ? IMAGEN_A : t == JUGADOR2 ? IMAGEN_B : IMAGEN_N;
            dibujarImagen(int(x * lado), int(y * lado), imagenes.imagen(i));
        }
}

void tInterfazGrafT2::dibujarImagen(int x, int y, const Imagen* imagen)
{
    if (imagen)
        lienzo->dibujarImagen(x, y, *imagen);
}
