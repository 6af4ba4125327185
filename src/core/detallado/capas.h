// Whether a group of bars fits across a beam's web in one layer or two (ACI 318-19 §25.2),
// and the effective depth d of the group as it is laid out.
//
// The corner bars' centres lie recub from the side faces (the corner bar touches the
// stirrup, so this is the cover plus the stirrup for any stirrup size), recub being the
// design's distance from a face to the bars' centroid. The aggregate size is not known, so
// the clear spacing asked for is max(2.5 cm, db) (§25.2.1), and between two layers
// max(2.5 cm, db) too (§25.2.2). Lengths in cm.
#pragma once

#include <vector>

namespace trabelux {

struct Disposicion {
    int capas = 1;
    int enCapa1 = 0, enCapa2 = 0;  // bars in the layer at the face and in the one over it
    double d = 0;                  // face in compression to the group's centroid
    double separacionLibre = 0;    // clear spacing of all the bars in one layer
    double separacionCapa1 = 0;    // clear spacing in the first layer as laid out
    double separacionMinima = 0;   // max(2.5, largest db)
    bool cabe = true;              // the layers hold every bar at the spacings asked
};

// Clear spacing of `barras` (indices into kBarras) side by side in one layer of a web b
// wide, the first and the last at the corners:
//   s = (b − 2·recub − Σdb + (db_first + db_last)/2) / (n − 1)
// Infinite for fewer than two bars (no neighbour).
double SeparacionLibre(const std::vector<int>& barras, double bCm, double recubCm);

// Most bars of one size that fit in one layer:
//   1 + floor((b − 2·recub) / (db + max(2.5, db))), at least 1.
int MaximoEnCapa(int barra, double bCm, double recubCm);

// Lays out a tension group in a b × h section: `barras` lists the bars across the web, the
// first and the last at the corners (the hangers of a top group), the others between them.
// One layer when they fit; otherwise the first layer holds the corner bars and as many of
// the others, in order, as fit between them, and the rest go in a second layer, each over a
// bar of the first (so it holds no more than the first). Its centres lie
// largest db + max(2.5, largest db) further from the face, and the group's centroid, weighted
// by the bars' areas, gives d:
//   d = h − recub − (A_layer2 / A_all)·(db + max(2.5, db))
// A group that does not fit in two layers keeps that layout with `cabe` false.
Disposicion DisponeGrupo(const std::vector<int>& barras, double bCm, double hCm, double recubCm);

}  // namespace trabelux
