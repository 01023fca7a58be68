// The FLTK canvas in a real window on the given X display: what the views
// draw must be on the screen at once, and survive an expose.

#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <cstdlib>
#include <memory>

#include "games/Utjuegoconecta4.h"
#include "platform/fltk/AreaLienzo.h"
#include "views/Utinterfazgrafc4.h"

namespace {

struct Rgb {
    int r, g, b;
};

bool rojo(Rgb c) { return c.r > 170 && c.g < 90 && c.b < 90; }
bool azul(Rgb c) { return c.b > c.r + 80 && c.b > c.g + 40; }
bool claro(Rgb c) { return c.r > 200 && c.g > 200 && c.b > 200; }
bool oscuro(Rgb c) { return c.r < 100 && c.g < 100 && c.b < 100; }
bool igual(Rgb c, Color color)
{
    return c.r == int(color >> 16) && c.g == int((color >> 8) & 0xFF) && c.b == int(color & 0xFF);
}

class AreaEnVentana : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs an X display";
        std::string error;
        ASSERT_TRUE(cargarImagenesJuegos(TABLEXO_BIN_DIR, error)) << error;
        ventana = std::make_unique<Fl_Window>(0, 0, 400, 350, "Conecta 4");
        area = new AreaLienzo(0, 0, 400, 350);  // owned by the window
        ventana->end();
    }

    void TearDown() override
    {
        ventana.reset();
        liberarImagenesJuegos();
    }

    // Shows the window and lets it be mapped and exposed. With no window
    // manager the server maps it a little after show(), later still on a
    // loaded machine: wait for the server to say so.
    void mostrarVentana()
    {
        ventana->show();
        for (int i = 0; i < 250 && !mapeada(); ++i)
            Fl::wait(0.02);
        ASSERT_TRUE(mapeada());
        for (int i = 0; i < 5; ++i)
            Fl::wait(0.02);
    }

    bool mapeada() const
    {
        if (!ventana->shown())
            return false;
        XSync(fl_display, False);
        XWindowAttributes atributos{};
        return XGetWindowAttributes(fl_display, fl_xid(ventana.get()), &atributos) &&
               atributos.map_state == IsViewable;
    }

    // What the window shows now, read back from the X server.
    void capturar()
    {
        ventana->make_current();
        pantalla.reset(fl_read_image(nullptr, 0, 0, ventana->w(), ventana->h()));
        ASSERT_NE(pantalla, nullptr);
    }

    Rgb en(int x, int y) const
    {
        const unsigned char* p = pantalla.get() + (y * ventana->w() + x) * 3;
        return {p[0], p[1], p[2]};
    }

    // Whether any pixel of the rectangle is dark.
    bool hayOscuro(int x0, int y0, int x1, int y1) const
    {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (oscuro(en(x, y)))
                    return true;
        return false;
    }

    // The board after the person's first move, in column 3.
    void dibujarPrimeraJugada()
    {
        tJuegoConecta4 juego(8, 6, JUGADOR1);
        juego.jugar({3, 0});
        tInterfazGrafC4(area).dibujar(&juego);
    }

    void comprobarPrimeraJugada()
    {
        EXPECT_TRUE(rojo(en(175, 280))) << "picture A at (150, 250)";
        EXPECT_TRUE(claro(en(78, 280))) << "an empty hole at (50, 250)";
        EXPECT_TRUE(azul(en(51, 251))) << "the board around it";
        EXPECT_TRUE(hayOscuro(120, 300, 280, 350)) << "the status text below the board";
        EXPECT_FALSE(hayOscuro(0, 300, 40, 350)) << "nothing written far left";
    }

    std::unique_ptr<Fl_Window> ventana;
    AreaLienzo* area = nullptr;
    std::unique_ptr<unsigned char[]> pantalla;
};

TEST_F(AreaEnVentana, DrawingReachesTheScreenWithoutTheEventLoop)
{
    mostrarVentana();
    dibujarPrimeraJugada();
    capturar();  // no Fl::wait() in between: the handler may block right after drawing
    comprobarPrimeraJugada();
}

TEST_F(AreaEnVentana, DrawingBeforeShowingAppearsWhenExposed)
{
    dibujarPrimeraJugada();
    mostrarVentana();
    // The first expose may still be on its way: give it up to two seconds.
    capturar();
    for (int i = 0; i < 100 && !rojo(en(175, 280)); ++i) {
        Fl::wait(0.02);
        capturar();
    }
    comprobarPrimeraJugada();
}

TEST_F(AreaEnVentana, TextBoxIsFilledWithTheBrushIncludingTrailingSpaces)
{
    mostrarVentana();
    area->limpiar(COLOR_NEGRO);
    area->colorPincel(COLOR_CARA_BOTON);
    area->fuente("Arial", 18, COLOR_NEGRO);
    const int sinEspacios = area->anchoTexto("Turno: Jugador 1");
    const int conEspacios = area->anchoTexto("Turno: Jugador 1    ");
    const int alto = area->altoTexto("Turno: Jugador 1");
    EXPECT_GT(conEspacios, sinEspacios + 10);
    EXPECT_GE(alto, 22);  // 18 points are 24 pixels at 96 dpi
    EXPECT_LE(alto, 32);

    area->escribirTexto(20, 20, "Turno: Jugador 1    ");
    capturar();
    EXPECT_TRUE(igual(en(20, 20), COLOR_CARA_BOTON));
    EXPECT_TRUE(igual(en(20 + conEspacios - 1, 20 + alto - 1), COLOR_CARA_BOTON));
    EXPECT_TRUE(igual(en(20 + sinEspacios + 8, 20 + alto / 2), COLOR_CARA_BOTON)) << "under the spaces";
    EXPECT_TRUE(igual(en(20 + conEspacios + 1, 20), COLOR_NEGRO)) << "right of the box";
    EXPECT_TRUE(igual(en(19, 20), COLOR_NEGRO)) << "left of the box";
    EXPECT_TRUE(igual(en(20, 20 + alto), COLOR_NEGRO)) << "below the box";
    EXPECT_TRUE(hayOscuro(20, 20, 20 + sinEspacios, 20 + alto)) << "the letters";
}

TEST_F(AreaEnVentana, ResizingGivesAFreshBufferOfTheNewSize)
{
    mostrarVentana();
    dibujarPrimeraJugada();
    ventana->size(450, 500);
    area->redimensionar(450, 500);
    EXPECT_EQ(area->w(), 450);
    EXPECT_EQ(area->h(), 500);
    for (int i = 0; i < 10; ++i)
        Fl::wait(0.02);
    capturar();
    EXPECT_TRUE(igual(en(175, 280), COLOR_CARA_BOTON));
    EXPECT_TRUE(igual(en(445, 495), COLOR_CARA_BOTON));
}

}  // namespace
