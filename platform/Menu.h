#ifndef PLATFORM_MENU_H
#define PLATFORM_MENU_H

// The menu bar of a window: a tree of items with captions, click handlers
// and an enabled state. Captions keep their "&" access keys.

#include <functional>
#include <string>
#include <vector>

class MenuPrincipal;

class ElementoMenu {
public:
    explicit ElementoMenu(std::string titulo);
    ElementoMenu(const ElementoMenu&) = delete;
    ElementoMenu& operator=(const ElementoMenu&) = delete;

    // Runs when the item is picked; items that open a submenu have none.
    std::function<void()> alPulsar;

    // Adds hijo at the end of this item's submenu.
    void agregar(ElementoMenu& hijo);
    const std::vector<ElementoMenu*>& hijos() const { return subelementos; }
    const std::string& titulo() const { return texto; }

    bool habilitado() const { return activo; }
    // A disabled item is greyed and cannot be picked.
    void ponerHabilitado(bool valor);

    // Picks the item as a person would: runs alPulsar unless the item is
    // disabled or opens a submenu.
    void pulsar();

private:
    friend class MenuPrincipal;
    void unirAMenu(MenuPrincipal* m);

    std::string texto;
    bool activo = true;
    std::vector<ElementoMenu*> subelementos;  // not owned
    MenuPrincipal* menu = nullptr;            // the bar this item hangs from
};

class MenuPrincipal {
public:
    MenuPrincipal() = default;
    MenuPrincipal(const MenuPrincipal&) = delete;
    MenuPrincipal& operator=(const MenuPrincipal&) = delete;

    // Adds a top-level item (with its submenu as built so far or later).
    void agregar(ElementoMenu& elemento);
    const std::vector<ElementoMenu*>& elementos() const { return raiz; }

    // The item reached by following captions from the top, or null.
    ElementoMenu* buscar(const std::vector<std::string>& ruta) const;

    // Told by the window that shows the bar whenever an item changes.
    std::function<void(ElementoMenu&)> alCambiar;

private:
    friend class ElementoMenu;
    void notificar(ElementoMenu& e)
    {
        if (alCambiar) alCambiar(e);
    }

    std::vector<ElementoMenu*> raiz;  // not owned
};

// ---- inline definitions: the tree itself needs no backend ----

inline ElementoMenu::ElementoMenu(std::string titulo) : texto(std::move(titulo)) {}

inline void ElementoMenu::unirAMenu(MenuPrincipal* m)
{
    menu = m;
    for (ElementoMenu* h : subelementos) h->unirAMenu(m);
}

inline void ElementoMenu::agregar(ElementoMenu& hijo)
{
    subelementos.push_back(&hijo);
    hijo.unirAMenu(menu);
}

inline void ElementoMenu::ponerHabilitado(bool valor)
{
    if (activo == valor) return;
    activo = valor;
    if (menu) menu->notificar(*this);
}

inline void ElementoMenu::pulsar()
{
    if (activo && subelementos.empty() && alPulsar) alPulsar();
}

inline void MenuPrincipal::agregar(ElementoMenu& elemento)
{
    raiz.push_back(&elemento);
    elemento.unirAMenu(this);
}

inline ElementoMenu* MenuPrincipal::buscar(const std::vector<std::string>& ruta) const
{
    const std::vector<ElementoMenu*>* nivel = &raiz;
    ElementoMenu* hallado = nullptr;
    for (const std::string& titulo : ruta) {
        hallado = nullptr;
        for (ElementoMenu* e : *nivel) {
            if (e->titulo() == titulo) hallado = e;
        }
        if (!hallado) return nullptr;
        nivel = &hallado->hijos();
    }
    return hallado;
}

#endif
