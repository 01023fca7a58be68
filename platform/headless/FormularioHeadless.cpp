// The headless platform: windows that only remember their state, a canvas
// that records the drawing, and boxes that record what they were asked.

#include <deque>
#include <optional>

#include "platform/Aplicacion.h"
#include "platform/Dialogos.h"
#include "platform/Formulario.h"
#include "platform/headless/LienzoGrabador.h"
#include "platform/headless/Simulacion.h"

namespace {

struct Estado {
    std::vector<Suceso> sucesos;
    std::deque<std::optional<std::string>> respuestas;
    std::set<const Formulario*> vivos;
    int destruidos = 0;
};

Estado& estado()
{
    static Estado e;
    return e;
}

void registrar(Suceso::Tipo tipo, std::string texto, int ms = 0)
{
    estado().sucesos.push_back(Suceso{tipo, std::move(texto), ms});
}

}  // namespace

// ---- the window ----

struct Formulario::Impl {
    std::string titulo = "";
    int ancho = 0;
    int alto = 0;
    int izquierda = 0;
    int arriba = 0;
    bool visible = false;
    LienzoGrabador lienzo;
};

Formulario::Formulario() : impl(new Impl) { estado().vivos.insert(this); }

Formulario::~Formulario()
{
    estado().vivos.erase(this);
    ++estado().destruidos;
    if (Aplicacion::principal() == this) Aplicacion::ponerPrincipal(nullptr);
}

void Formulario::ponerTitulo(const std::string& texto) { impl->titulo = texto; }
const std::string& Formulario::titulo() const { return impl->titulo; }
void Formulario::ponerAnchoCliente(int ancho) { impl->ancho = ancho; }
void Formulario::ponerAltoCliente(int alto) { impl->alto = alto; }
int Formulario::anchoCliente() const { return impl->ancho; }
int Formulario::altoCliente() const { return impl->alto; }

void Formulario::ponerPosicion(int izquierda, int arriba)
{
    impl->izquierda = izquierda;
    impl->arriba = arriba;
}

int Formulario::izquierda() const { return impl->izquierda; }
int Formulario::arriba() const { return impl->arriba; }
void Formulario::ponerMenu(MenuPrincipal&) {}
void Formulario::mostrar() { impl->visible = true; }
bool Formulario::visible() const { return impl->visible; }

void Formulario::cerrar()
{
    AccionCierre accion = AccionCierre::OCULTAR;
    if (alCerrar) alCerrar(accion);
    impl->visible = false;
    if (Aplicacion::principal() == this) return;
    if (accion == AccionCierre::LIBERAR) Aplicacion::liberarDespues(this);
}

void Formulario::repintar()
{
    impl->lienzo.limpiar(COLOR_CARA_BOTON);
    if (alPintar) alPintar();
}

void Formulario::actualizar() {}
Lienzo* Formulario::lienzo() { return &impl->lienzo; }

// ---- the application ----

Aplicacion::Aplicacion() = default;

Aplicacion::~Aplicacion() { procesarPendientes(); }

void Aplicacion::ejecutar(Formulario& principal)
{
    ponerPrincipal(&principal);
    principal.mostrar();
}

bool pantallaDisponible() { return false; }

// ---- the boxes ----

void mostrarMensaje(const std::string& texto) { registrar(Suceso::Tipo::MENSAJE, texto); }

void pausar(int ms) { registrar(Suceso::Tipo::PAUSA, "", ms); }

bool DialogoFichero::ejecutar()
{
    registrar(Suceso::Tipo::DIALOGO, filtro + "\n" + extensionPorDefecto);
    std::deque<std::optional<std::string>>& respuestas = estado().respuestas;
    if (respuestas.empty()) return false;
    const std::optional<std::string> respuesta = respuestas.front();
    respuestas.pop_front();
    if (!respuesta) return false;
    nombreFichero = conExtension(*respuesta, extensionPorDefecto);
    return true;
}

// ---- what the tests see and do ----

namespace simulacion {

const std::vector<Suceso>& sucesos() { return estado().sucesos; }

std::vector<std::string> mensajes()
{
    std::vector<std::string> textos;
    for (const Suceso& s : estado().sucesos) {
        if (s.tipo == Suceso::Tipo::MENSAJE) textos.push_back(s.texto);
    }
    return textos;
}

int numPausas()
{
    int n = 0;
    for (const Suceso& s : estado().sucesos) n += s.tipo == Suceso::Tipo::PAUSA;
    return n;
}

int msPausados()
{
    int total = 0;
    for (const Suceso& s : estado().sucesos) total += s.ms;
    return total;
}

void responderDialogo(const std::string& fichero) { estado().respuestas.emplace_back(fichero); }
void cancelarDialogo() { estado().respuestas.emplace_back(std::nullopt); }
std::size_t respuestasPendientes() { return estado().respuestas.size(); }

void reiniciar()
{
    estado().sucesos.clear();
    estado().respuestas.clear();
}

void soltarRaton(Formulario& f, int x, int y)
{
    Aplicacion::despachar([&] {
        if (f.alSoltarRaton) f.alSoltarRaton(x, y);
    });
}

void pulsarMenu(ElementoMenu& elemento)
{
    Aplicacion::despachar([&] { elemento.pulsar(); });
}

void pulsarCierre(Formulario& f)
{
    Aplicacion::despachar([&] { f.cerrar(); });
}

const std::set<const Formulario*>& formulariosVivos() { return estado().vivos; }
int formulariosDestruidos() { return estado().destruidos; }

}  // namespace simulacion
