#include "app/IndicateursClavier.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <dlfcn.h>

#include <array>
#include <memory>

namespace {

#if QT_CONFIG(xcb)

// Xlib is reached at run time, so that the program neither needs its
// headers to build nor fails to start where it is absent.
using FnAtome = unsigned long (*)(void* pAffichage, const char* szNom, int bSiExiste);
using FnIndicateur = int (*)(void* pAffichage, unsigned long nAtome, int* pIndice, int* pEtat,
                             void* pCarte, int* pReel);

struct CXkb {
    void* pBibliotheque = nullptr;
    void* pAffichage = nullptr;
    FnIndicateur indicateur = nullptr;
    std::array<unsigned long, 3> atomes{};

    ~CXkb() {
        if (pBibliotheque != nullptr) {
            dlclose(pBibliotheque);
        }
    }
};

std::shared_ptr<CXkb> OuvrirXkb() {
    auto* pX11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                    : nullptr;
    if (pX11 == nullptr || pX11->display() == nullptr) {
        return nullptr;
    }
    auto xkb = std::make_shared<CXkb>();
    xkb->pBibliotheque = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
    if (xkb->pBibliotheque == nullptr) {
        return nullptr;
    }
    auto atome = reinterpret_cast<FnAtome>(dlsym(xkb->pBibliotheque, "XInternAtom"));
    xkb->indicateur =
        reinterpret_cast<FnIndicateur>(dlsym(xkb->pBibliotheque, "XkbGetNamedIndicator"));
    if (atome == nullptr || xkb->indicateur == nullptr) {
        return nullptr;
    }
    xkb->pAffichage = pX11->display();
    const char* noms[3] = {"Caps Lock", "Num Lock", "Scroll Lock"};
    for (int i = 0; i < 3; ++i) {
        xkb->atomes[static_cast<std::size_t>(i)] = atome(xkb->pAffichage, noms[i], 0);
    }
    return xkb;
}

#endif

} // namespace

LecteurVerrous LecteurVerrousSysteme() {
#if QT_CONFIG(xcb)
    std::shared_ptr<CXkb> xkb = OuvrirXkb();
    if (!xkb) {
        return {};
    }
    return [xkb](EVerrou verrou) -> std::optional<bool> {
        int nEtat = 0;
        const unsigned long nAtome = xkb->atomes[static_cast<std::size_t>(verrou)];
        if (nAtome == 0 ||
            xkb->indicateur(xkb->pAffichage, nAtome, nullptr, &nEtat, nullptr, nullptr) == 0) {
            return std::nullopt;
        }
        return nEtat != 0;
    };
#else
    return {};
#endif
}
