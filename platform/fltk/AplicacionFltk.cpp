// The application object and the modal boxes over FLTK.

#include <FL/Fl.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>
#include <FL/x.H>

#include <chrono>
#include <thread>

#include "platform/Aplicacion.h"
#include "platform/Dialogos.h"
#include "platform/Formulario.h"

namespace {

constexpr unsigned char CARA_BOTON_R = (COLOR_CARA_BOTON >> 16) & 0xFF;
constexpr unsigned char CARA_BOTON_G = (COLOR_CARA_BOTON >> 8) & 0xFF;
constexpr unsigned char CARA_BOTON_B = COLOR_CARA_BOTON & 0xFF;

// The texts of FLTK's own boxes and file chooser, in the program's language.
void traducirTextos()
{
    fl_ok = "Aceptar";
    fl_cancel = "Cancelar";
    fl_close = "Aceptar";
    fl_yes = "Sí";
    fl_no = "No";
    Fl_File_Chooser::add_favorites_label = "Añadir a favoritos";
    Fl_File_Chooser::all_files_label = "Todos los ficheros (*)";
    Fl_File_Chooser::custom_filter_label = "Filtro personalizado";
    Fl_File_Chooser::existing_file_label = "Elija un fichero que exista.";
    Fl_File_Chooser::favorites_label = "Favoritos";
    Fl_File_Chooser::filename_label = "Nombre:";
    Fl_File_Chooser::filesystems_label = "Sistemas de ficheros";
    Fl_File_Chooser::manage_favorites_label = "Organizar favoritos";
    Fl_File_Chooser::new_directory_label = "Nombre de la carpeta nueva:";
    Fl_File_Chooser::new_directory_tooltip = "Crear una carpeta nueva.";
    Fl_File_Chooser::preview_label = "Vista previa";
    Fl_File_Chooser::save_label = "Guardar";
    Fl_File_Chooser::show_label = "Mostrar:";
    Fl_File_Chooser::hidden_label = "Mostrar ficheros ocultos";
}

// In an open menu FLTK first matches a letter, case and all, against every
// access key of the open menus and the bar, and only then ignoring case: the
// "u" of the bar's "J&ugador" would take the key meant for "&Usuario" in an
// open submenu. Every item inside a menu has a capital access key, so a plain
// letter typed while a menu is open is matched as a capital; the bar's titles
// still take it in the second, case-blind round.
int despacharEvento(int evento, Fl_Window* ventana)
{
    const bool tecla = evento == FL_KEYBOARD || evento == FL_SHORTCUT;
    if (tecla && Fl::grab() && !Fl::event_state(FL_ALT | FL_CTRL | FL_META) && Fl::e_length == 1 &&
        Fl::e_text[0] >= 'a' && Fl::e_text[0] <= 'z')
        Fl::e_text[0] = static_cast<char>(Fl::e_text[0] - 'a' + 'A');
    return Fl::handle_(evento, ventana);
}

}  // namespace

Aplicacion::Aplicacion()
{
    Fl::event_dispatch(despacharEvento);
    Fl::option(Fl::OPTION_FNFC_USES_GTK, false);
    Fl::background(CARA_BOTON_R, CARA_BOTON_G, CARA_BOTON_B);
    traducirTextos();
}

Aplicacion::~Aplicacion() { procesarPendientes(); }

void Aplicacion::ejecutar(Formulario& principal)
{
    ponerPrincipal(&principal);
    principal.mostrar();
    // Closed windows are destroyed here, between events, when none of their handlers runs.
    while (principal.visible()) {
        Fl::wait();
        procesarPendientes();
    }
    procesarPendientes();
}

bool pantallaDisponible()
{
    Display* d = XOpenDisplay(nullptr);
    if (!d) return false;
    XCloseDisplay(d);
    return true;
}

void mostrarMensaje(const std::string& texto)
{
    fl_message_title("Tablexo");
    fl_message("%s", texto.c_str());
}

void pausar(int ms)
{
    // Whatever a menu that just closed uncovered is drawn again before the wait.
    if (fl_display) XSync(fl_display, False);
    for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) w->redraw();
    Fl::flush();
    if (fl_display) XSync(fl_display, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
