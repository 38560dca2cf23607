#include "import/LectureModele.h"

#include <assimp/Importer.hpp>
#include <assimp/ProgressHandler.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <array>
#include <memory>
#include <utility>

namespace {

// A node's transform to the model's root, in doubles: the points are kept
// in doubles from there on.
using CMatrice = std::array<std::array<double, 4>, 4>;

CMatrice EnDouble(const aiMatrix4x4& m) {
    const ai_real* a = m[0];
    CMatrice r{};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            r[i][j] = static_cast<double>(a[i * 4 + j]);
        }
    }
    return r;
}

CMatrice Produit(const CMatrice& a, const CMatrice& b) {
    CMatrice r{};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            for (int k = 0; k < 4; ++k) {
                r[i][j] += a[i][k] * b[k][j];
            }
        }
    }
    return r;
}

CVecteur Transformer(const CMatrice& m, const aiVector3D& v) {
    const double x = v.x, y = v.y, z = v.z;
    return CVecteur(m[0][0] * x + m[0][1] * y + m[0][2] * z + m[0][3],
                    m[1][0] * x + m[1][1] * y + m[1][2] * z + m[1][3],
                    m[2][0] * x + m[2][1] * y + m[2][2] * z + m[2][3]);
}

// The glTF reader names an unnamed node "nodes[3]": its mesh's name says more.
bool NomGenere(const aiString& nom) {
    const std::string s = nom.C_Str();
    return s.empty() || (s.starts_with("nodes[") && s.ends_with("]") && s.size() > 7 &&
                         s.find_first_not_of("0123456789", 6) == s.size() - 1);
}

class CAvancement : public Assimp::ProgressHandler {
public:
    explicit CAvancement(const FonctionAvancement& f) : m_avancement(f) {}
    bool Update(float fPourcentage) override {
        m_bArrete = m_bArrete || (m_avancement && !m_avancement(fPourcentage));
        return !m_bArrete;
    }
    bool m_bArrete = false;

private:
    const FonctionAvancement& m_avancement;
};

} // namespace

bool LireModele(const std::string& chemin, std::vector<CPolygoneModele>& polygones,
                std::string& strErreur, const FonctionAvancement& avancement) {
    polygones.clear();
    Assimp::Importer importeur;
    auto* pAvancement = new CAvancement(avancement);
    importeur.SetProgressHandler(pAvancement); // the importer owns it
    // No triangulation: polygons stay whole so that the quadrilaterals survive.
    const aiScene* pScene = importeur.ReadFile(chemin, aiProcess_JoinIdenticalVertices);
    if (pAvancement->m_bArrete) {
        strErreur = "The import of \"" + chemin + "\" was stopped.";
        return false;
    }
    if (pScene == nullptr || pScene->mRootNode == nullptr) {
        std::string strRaison = importeur.GetErrorString();
        while (!strRaison.empty() && (strRaison.back() == '.' || strRaison.back() == ' ')) {
            strRaison.pop_back();
        }
        strErreur = "Cannot import \"" + chemin +
                    "\": " + (strRaison.empty() ? std::string("it holds no scene") : strRaison) +
                    ".";
        return false;
    }

    // Walked with a stack of our own: a file can nest nodes deeper than the
    // call stack would take.
    std::vector<std::pair<const aiNode*, CMatrice>> pile = {
        {pScene->mRootNode, EnDouble(pScene->mRootNode->mTransformation)}};
    while (!pile.empty()) {
        const auto [pNoeud, matrice] = pile.back();
        pile.pop_back();
        for (unsigned k = 0; k < pNoeud->mNumMeshes; ++k) {
            if (pNoeud->mMeshes[k] >= pScene->mNumMeshes) {
                continue;
            }
            const aiMesh* pMaillage = pScene->mMeshes[pNoeud->mMeshes[k]];
            const std::string strNom =
                NomGenere(pNoeud->mName) ? pMaillage->mName.C_Str() : pNoeud->mName.C_Str();
            for (unsigned f = 0; f < pMaillage->mNumFaces; ++f) {
                const aiFace& face = pMaillage->mFaces[f];
                CPolygoneModele polygone{strNom, {}};
                polygone.points.reserve(face.mNumIndices);
                for (unsigned i = 0; i < face.mNumIndices; ++i) {
                    if (face.mIndices[i] < pMaillage->mNumVertices) {
                        polygone.points.push_back(
                            Transformer(matrice, pMaillage->mVertices[face.mIndices[i]]));
                    }
                }
                polygones.push_back(std::move(polygone));
            }
        }
        // Children pushed last first, so that they come out in file order.
        for (unsigned k = pNoeud->mNumChildren; k-- > 0;) {
            const aiNode* pEnfant = pNoeud->mChildren[k];
            pile.emplace_back(pEnfant, Produit(matrice, EnDouble(pEnfant->mTransformation)));
        }
    }
    return true;
}

std::string FiltreModeles() {
    std::string strExtensions;
    Assimp::Importer().GetExtensionList(strExtensions); // "*.3ds;*.obj;..."
    for (char& c : strExtensions) {
        if (c == ';') {
            c = ' ';
        }
    }
    return "Models (" + strExtensions + ");;All files (*)";
}
