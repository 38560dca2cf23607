#pragma once

#include "geometry/Face.h"

#include <memory>
#include <string>
#include <vector>

// A new default face of the kind named as in scene files ("CFace3" to
// "CFace6"); null for any other name.
std::unique_ptr<CFace> CreerFace(const std::string& strNomClasse);

// The four class names, in kind order.
const std::vector<std::string>& NomsClassesFaces();
