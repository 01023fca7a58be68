#include <FL/Fl_BMP_Image.H>

#include "platform/CabeceraBMP.h"
#include "platform/fltk/AreaLienzo.h"

std::unique_ptr<Imagen> cargarImagen(const std::string& ruta)
{
    // FLTK's reader trusts any file that starts with "BM": check the headers first.
    CabeceraBMP cabecera;
    if (!leerCabeceraBMP(ruta, cabecera))
        return nullptr;
    auto bmp = std::make_unique<Fl_BMP_Image>(ruta.c_str());
    if (bmp->fail() || bmp->w() != cabecera.ancho || bmp->h() != cabecera.alto)
        return nullptr;
    return std::make_unique<ImagenFltk>(ruta, std::move(bmp));
}
