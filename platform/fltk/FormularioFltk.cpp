// A program window over FLTK: a fixed-size Fl_Window holding the menu bar
// and, below it, the client area, which is the window's canvas.

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Window.H>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "platform/Aplicacion.h"
#include "platform/Formulario.h"
#include "platform/fltk/AreaLienzo.h"

namespace {

constexpr int ALTO_MENU = 25;
constexpr int ANCHO_INICIAL = 363;
constexpr int ALTO_INICIAL = 331;

// The client area: a canvas that reports mouse releases in its own coordinates.
class AreaCliente : public AreaLienzo {
public:
    AreaCliente(Formulario& f, int x, int y, int w, int h) : AreaLienzo(x, y, w, h), dueno(f) {}

    int handle(int evento) override
    {
        if (evento == FL_PUSH) return 1;  // so that the release comes here too
        if (evento == FL_RELEASE) {
            const int px = Fl::event_x() - x();
            const int py = Fl::event_y() - y();
            Formulario& f = dueno;
            Aplicacion::despachar([&f, px, py] {
                if (f.alSoltarRaton) f.alSoltarRaton(px, py);
            });
            return 1;
        }
        return AreaLienzo::handle(evento);
    }

private:
    Formulario& dueno;
};

// Closes the form as its close box asks; Escape reaches here too and is ignored.
void alPedirCierre(Fl_Widget*, void* datos)
{
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    Formulario* f = static_cast<Formulario*>(datos);
    Aplicacion::despachar([f] { f->cerrar(); });
}

// Alt and the letter after the "&" of a caption; 0 when it has none.
int teclaDeAcceso(const std::string& titulo)
{
    const std::string::size_type p = titulo.find('&');
    if (p == std::string::npos || p + 1 >= titulo.size()) return 0;
    const unsigned char letra = static_cast<unsigned char>(titulo[p + 1]);
    return FL_ALT | std::tolower(letra);
}

void alElegirMenu(Fl_Widget*, void* datos)
{
    ElementoMenu* e = static_cast<ElementoMenu*>(datos);
    Aplicacion::despachar([e] { e->pulsar(); });
}

}  // namespace

struct Formulario::Impl {
    std::string titulo;
    Fl_Window* ventana = nullptr;  // owns the bar and the area
    Fl_Menu_Bar* barra = nullptr;
    AreaCliente* area = nullptr;
    std::vector<Fl_Menu_Item> elementos;  // the bar's menu, in FLTK's flat form
    std::map<const ElementoMenu*, std::size_t> indices;

    // Sizes the window to a client area of ancho x alto, fixed.
    void dimensionar(int ancho, int alto)
    {
        ventana->size_range(ancho, alto + ALTO_MENU, ancho, alto + ALTO_MENU);
        ventana->size(ancho, alto + ALTO_MENU);
        barra->resize(0, 0, ancho, ALTO_MENU);
        area->redimensionar(ancho, alto);
        area->resize(0, ALTO_MENU, ancho, alto);
    }

    // Appends the items of one level of the menu, each submenu closed by an empty item.
    void aplanar(const std::vector<ElementoMenu*>& nivel, bool barra)
    {
        for (ElementoMenu* e : nivel) {
            Fl_Menu_Item item{};
            item.text = e->titulo().c_str();
            // FLTK's bar opens a submenu by its access key but does not pick a plain command by it.
            if (barra && e->hijos().empty()) item.shortcut_ = teclaDeAcceso(e->titulo());
            item.callback_ = e->hijos().empty() ? alElegirMenu : nullptr;
            item.user_data_ = e;
            item.flags = (e->hijos().empty() ? 0 : FL_SUBMENU) | (e->habilitado() ? 0 : FL_MENU_INACTIVE);
            indices[e] = elementos.size();
            elementos.push_back(item);
            if (!e->hijos().empty()) {
                aplanar(e->hijos(), false);
                elementos.push_back(Fl_Menu_Item{});
            }
        }
    }

    void actualizarElemento(const ElementoMenu& e)
    {
        const auto i = indices.find(&e);
        if (i == indices.end()) return;
        Fl_Menu_Item& item = elementos[i->second];
        if (e.habilitado())
            item.activate();
        else
            item.deactivate();
        barra->redraw();
    }
};

Formulario::Formulario() : impl(new Impl)
{
    Fl_Group* actual = Fl_Group::current();
    Fl_Group::current(nullptr);
    impl->ventana = new Fl_Window(0, 0, ANCHO_INICIAL, ALTO_INICIAL + ALTO_MENU);
    impl->ventana->xclass("Tablexo");
    impl->barra = new Fl_Menu_Bar(0, 0, ANCHO_INICIAL, ALTO_MENU);
    impl->area = new AreaCliente(*this, 0, ALTO_MENU, ANCHO_INICIAL, ALTO_INICIAL);
    impl->ventana->end();
    impl->ventana->resizable(nullptr);
    impl->ventana->size_range(ANCHO_INICIAL, ALTO_INICIAL + ALTO_MENU, ANCHO_INICIAL,
                              ALTO_INICIAL + ALTO_MENU);
    impl->ventana->callback(alPedirCierre, this);
    Fl_Group::current(actual);
}

Formulario::~Formulario()
{
    if (Aplicacion::principal() == this) Aplicacion::ponerPrincipal(nullptr);
    delete impl->ventana;
}

void Formulario::ponerTitulo(const std::string& texto)
{
    impl->titulo = texto;
    impl->ventana->copy_label(texto.c_str());
}

const std::string& Formulario::titulo() const { return impl->titulo; }

void Formulario::ponerAnchoCliente(int ancho) { impl->dimensionar(ancho, altoCliente()); }
void Formulario::ponerAltoCliente(int alto) { impl->dimensionar(anchoCliente(), alto); }
int Formulario::anchoCliente() const { return impl->area->w(); }
int Formulario::altoCliente() const { return impl->area->h(); }

void Formulario::ponerPosicion(int izquierda, int arriba) { impl->ventana->position(izquierda, arriba); }
int Formulario::izquierda() const { return impl->ventana->x(); }
int Formulario::arriba() const { return impl->ventana->y(); }

void Formulario::ponerMenu(MenuPrincipal& menu)
{
    impl->elementos.clear();
    impl->indices.clear();
    impl->aplanar(menu.elementos(), true);
    impl->elementos.push_back(Fl_Menu_Item{});
    impl->barra->menu(impl->elementos.data());
    menu.alCambiar = [this](ElementoMenu& e) { impl->actualizarElemento(e); };
}

void Formulario::mostrar() { impl->ventana->show(); }
bool Formulario::visible() const { return impl->ventana->shown() && impl->ventana->visible(); }

void Formulario::cerrar()
{
    AccionCierre accion = AccionCierre::OCULTAR;
    if (alCerrar) alCerrar(accion);
    impl->ventana->hide();
    if (Aplicacion::principal() == this) {
        // The main window takes the program with it: no other window may keep the loop going.
        while (Fl_Window* w = Fl::first_window()) w->hide();
        return;
    }
    if (accion == AccionCierre::LIBERAR) Aplicacion::liberarDespues(this);
}

void Formulario::repintar()
{
    impl->area->limpiar(COLOR_CARA_BOTON);
    if (alPintar) alPintar();
    impl->area->mostrar();
}

void Formulario::actualizar()
{
    impl->area->mostrar();
    Fl::flush();
}

Lienzo* Formulario::lienzo() { return impl->area; }
