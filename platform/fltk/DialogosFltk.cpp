// The open and save dialogs over FLTK's own file chooser.

#include <FL/Fl.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_File_Input.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Window.H>

#include <cctype>
#include <string>
#include <vector>

#include "platform/Dialogos.h"

namespace {

// A pattern that matches either case: "*.JT2" becomes "*.[Jj][Tt]2".
std::string sinMayusculas(const std::string& patron)
{
    std::string r;
    for (const char c : patron) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalpha(u)) {
            r += '[';
            r += static_cast<char>(std::toupper(u));
            r += static_cast<char>(std::tolower(u));
            r += ']';
        } else {
            r += c;
        }
    }
    return r;
}

// The description without its trailing "(...)", which FLTK reads as the pattern.
std::string sinPatron(const std::string& descripcion)
{
    std::string d = descripcion;
    const std::string::size_type p = d.rfind('(');
    if (p != std::string::npos) d.erase(p);
    while (!d.empty() && d.back() == ' ') d.pop_back();
    return d;
}

// "Description|pattern|..." in FLTK's form: "Description (pattern)\t...".
// Several patterns of one entry ("*.a;*.b") become FLTK's "{*.a,*.b}".
std::string filtroFltk(const std::string& filtro)
{
    std::vector<std::string> partes;
    std::string::size_type inicio = 0;
    while (inicio <= filtro.size()) {
        const std::string::size_type fin = filtro.find('|', inicio);
        partes.push_back(filtro.substr(inicio, fin == std::string::npos ? std::string::npos : fin - inicio));
        if (fin == std::string::npos) break;
        inicio = fin + 1;
    }
    std::string r;
    for (std::size_t i = 0; i + 1 < partes.size(); i += 2) {
        std::string patron = sinMayusculas(partes[i + 1]);
        if (patron.find(';') != std::string::npos) {
            for (char& c : patron) {
                if (c == ';') c = ',';
            }
            patron = "{" + patron + "}";
        }
        if (!r.empty()) r += '\t';
        r += sinPatron(partes[i]) + " (" + patron + ")";
    }
    return r;
}

// The first file-name field inside g, or null.
Fl_File_Input* campoNombre(Fl_Group* g)
{
    for (int i = 0; i < g->children(); ++i) {
        Fl_Widget* w = g->child(i);
        if (Fl_File_Input* campo = dynamic_cast<Fl_File_Input*>(w)) return campo;
        if (Fl_Group* dentro = w->as_group()) {
            if (Fl_File_Input* campo = campoNombre(dentro)) return campo;
        }
    }
    return nullptr;
}

// The chooser shows its folder in the name field, all selected; a name typed
// over that selection is relative, and the chooser then mangles it while it
// is typed. With the cursor after the folder, what is typed is appended to it.
void cursorAlFinal(const char* titulo)
{
    for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) {
        if (!w->label() || std::string(w->label()) != titulo) continue;
        if (Fl_File_Input* campo = campoNombre(w)) campo->position(campo->size());
        return;
    }
}

// The folder of the last file chosen, where the next dialog opens.
std::string& ultimaCarpeta()
{
    static std::string carpeta = ".";
    return carpeta;
}

}  // namespace

bool DialogoFichero::ejecutar()
{
    const bool guardar = modo == Modo::GUARDAR;
    const std::string patrones = filtroFltk(filtro);
    Fl_File_Chooser dialogo(ultimaCarpeta().c_str(), patrones.empty() ? nullptr : patrones.c_str(),
                            guardar ? Fl_File_Chooser::CREATE : Fl_File_Chooser::SINGLE,
                            guardar ? "Guardar como" : "Abrir");
    dialogo.preview(0);
    dialogo.ok_label(guardar ? "Guardar" : "Abrir");
    dialogo.show();
    cursorAlFinal(guardar ? "Guardar como" : "Abrir");
    while (dialogo.shown()) Fl::wait();
    if (dialogo.count() < 1 || !dialogo.value()) return false;
    const std::string elegido = dialogo.value();
    if (elegido.empty()) return false;
    nombreFichero = conExtension(elegido, extensionPorDefecto);
    const std::string::size_type barra = nombreFichero.find_last_of('/');
    if (barra != std::string::npos) ultimaCarpeta() = nombreFichero.substr(0, barra + 1);
    return true;
}
