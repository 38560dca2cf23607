#pragma once

#include "geometry/Vecteur.h"

#include <string>
#include <vector>

class CFace;
class CVantrelDoc;

// The example scenes that ship with the program, built into an empty
// document: a house with windows and a canopy, rows of solar panels, and a
// street of buildings. The benchmarks and the tests use them too.
struct CExemple {
    const char* szNom;         // "house", "panels", "street"
    const char* szDescription; // one line
    void (*pConstruire)(CVantrelDoc& doc);
};
const std::vector<CExemple>& Exemples();
const CExemple* Exemple(const std::string& strNom);

void ConstruireMaison(CVantrelDoc& doc);
void ConstruirePanneaux(CVantrelDoc& doc);
void ConstruireRue(CVantrelDoc& doc);

// Building blocks, appending at the end of the face list.
CFace* AjouterQuadrilatere(CVantrelDoc& doc, const std::string& strNom, const CVecteur& p0,
                           const CVecteur& p1, const CVecteur& p2, const CVecteur& p3);
// The six faces of an axis-aligned box, named "<nom> 1" to "<nom> 6" as the
// box insertion names them; returns its faces in list order.
std::vector<CFace*> AjouterBoite(CVantrelDoc& doc, const std::string& strNom, const CVecteur& lo,
                                 const CVecteur& hi);
