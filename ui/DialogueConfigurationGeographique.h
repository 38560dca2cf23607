#pragma once

#include "ui/Dialogue.h"

#include <memory>

class CConfigurationGeographique;
struct CTamponConfigurationGeographique;
namespace Ui {
class ConfigurationGeographique;
}

// "Geographical configuration": the place list and the coordinates follow
// the site's place and check box rules; "Validate" hands the fields to the
// site, which checks and stores them.
class CDialogueConfigurationGeographique : public CDialogueVantrel {
    Q_OBJECT
public:
    CDialogueConfigurationGeographique(CConfigurationGeographique& site, CInteraction& interaction,
                                       QWidget* pParent = nullptr);
    ~CDialogueConfigurationGeographique() override;

private:
    CTamponConfigurationGeographique Lire() const;
    void Montrer(const CTamponConfigurationGeographique& tampon);
    void ChoisirLieu(int nLieu);
    void CocherIgnorerLongitude(bool bCoche);
    void Valider();

    CConfigurationGeographique& m_site;
    std::unique_ptr<Ui::ConfigurationGeographique> m_ui;
};
