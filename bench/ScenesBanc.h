#pragma once

// The scenes of the shading benchmarks, built in code: a street, a city
// block, cities of a chosen size for the scaling tables, and a large ground
// with one wall. Each fills an empty document (receivers declared, the
// processor weight raised as the mesh needs) and picks 21 june.
class CVantrelDoc;

// About 120 faces and 250,000 nodes: a street between two rows of ten
// buildings; the street and the facades along it are receivers.
void ConstruireRueBanc(CVantrelDoc& doc);
// About 3,460 faces and 1,050,000 nodes on a ground and on south facades;
// the facades have windows (openings of glass), and trees and glass
// canopies let part of the light through.
void ConstruireIlot(CVantrelDoc& doc);
// A square ground receiver of about nNoeuds nodes under a grid of nBoites
// buildings (six faces each), the built share of the ground kept constant.
void ConstruireVille(CVantrelDoc& doc, int nBoites, int nNoeuds);
// A ground of about nNoeuds nodes and one wall across it.
void ConstruireSolEtMur(CVantrelDoc& doc, int nNoeuds);
