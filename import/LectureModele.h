#pragma once

#include "modelling/ImportModele.h"

#include <functional>
#include <string>
#include <vector>

// Told how far the reading is, from 0 to 1 (negative: unknown); false stops it.
using FonctionAvancement = std::function<bool(float)>;

// Reads a model file into polygons: every face of every mesh of every node,
// through the nodes' transforms, its points in the model's units and axes,
// named after its node (or its mesh, when the node has no name of its own).
// Lines and points come as polygons of fewer than three points, which the
// conversion counts as degenerate. False with a message naming the file when
// it cannot be read, is not a model, or the reading was stopped.
bool LireModele(const std::string& chemin, std::vector<CPolygoneModele>& polygones,
                std::string& strErreur, const FonctionAvancement& avancement = {});

// The file dialog's filter: "Models (*.obj *.stl ...)".
std::string FiltreModeles();
