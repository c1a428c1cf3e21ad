#include "screens/AppContext.h"

namespace mv {

void AppContext::refreshSettings()
{
    const GeneralSettings file = GeneralSettings::read(folder.settingsPath());
    settings.disVeriSablon = file.disVeriSablon;
    settings.teraziSecim = file.teraziSecim;
    settings.disVerideEskiSil = file.disVerideEskiSil;
    settings.kusurat = file.kusurat;
    settings.departman = file.departman;
    settings.rafOmru = file.rafOmru;
    settings.dara = file.dara;
    settings.barkodTipi = file.barkodTipi;
    settings.mesaj1 = file.mesaj1;
    templatePath = mv::templatePath(folder, settings.disVeriSablon);
}

void AppContext::readAllSettings()
{
    settings = GeneralSettings::read(folder.settingsPath());
    templatePath = mv::templatePath(folder, settings.disVeriSablon);
}

} // namespace mv
