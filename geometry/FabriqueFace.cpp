#include "geometry/FabriqueFace.h"

#include "geometry/Face3.h"
#include "geometry/Face4.h"
#include "geometry/Face5.h"
#include "geometry/Face6.h"

std::unique_ptr<CFace> CreerFace(const std::string& strNomClasse) {
    if (strNomClasse == "CFace3") {
        return std::make_unique<CFace3>();
    }
    if (strNomClasse == "CFace4") {
        return std::make_unique<CFace4>();
    }
    if (strNomClasse == "CFace5") {
        return std::make_unique<CFace5>();
    }
    if (strNomClasse == "CFace6") {
        return std::make_unique<CFace6>();
    }
    return nullptr;
}

const std::vector<std::string>& NomsClassesFaces() {
    static const std::vector<std::string> noms = {"CFace3", "CFace4", "CFace5", "CFace6"};
    return noms;
}
