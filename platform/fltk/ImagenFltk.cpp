#include "platform/fltk/AreaLienzo.h"

#include <FL/Fl_BMP_Image.H>

std::unique_ptr<Imagen> cargarImagen(const std::string& ruta)
{
    auto bmp = std::make_unique<Fl_BMP_Image>(ruta.c_str());
    // fail() covers a missing file and a file that is not a BMP.
    if (bmp->fail() || bmp->w() <= 0 || bmp->h() <= 0)
        return nullptr;
    return std::make_unique<ImagenFltk>(ruta, std::move(bmp));
}
