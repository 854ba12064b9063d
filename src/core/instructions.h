#pragma once
// The help text that "Instruktioner" puts into the rows box.

#include "core/codepage.h"
#include "core/dialog_table.h"

namespace stenvik {

inline constexpr Cp1252Text<2048> kInstructions{
    u8"Så har anvander du detta program:\r\n",
    u8"Klicka först i om du vill ha enkelrader eller system ovan.\r\n",
    u8"Välj sedan slumpmetod:\r\n",
    u8"klassisk slumpning innebär att slumpningen är:\r\n",
    u8"på enkelrader: 50% ettor, 17% kryss, 33% tvåor.\r\n",
    u8"på system: 20% ettor, 7% kryss, 13% tvåor, 20% 1X, 13% X2, 13% 12 14% 1X2\r\n",
    u8"Statistisk slumpning tar hänsyn till det faktiska teckenutfallet på stryktipset,\r\n",
    u8"siffrorna för detta utgår ifrån vecka 1 2003 och framåt,\r\n",
    u8"dessa siffror ska jag försöka uppdatera varje vecka,därför \r\n",
    u8"är det rekommenderat att titta in varje vecka för att ha den senaste varianten.\r\n",
    u8"Default är det klassisk slumpning.\r\n",
    u8"Om du har tankt ladda upp filen till svenska spels 'egna rader' måste du:\r\n",
    u8"klicka i rutan 'kompatibel...' nar du valjer enkelrader.Detta för att få ratt format på filen.\r\n",
    u8"Klicka sedan i om du vill ha några säkra matcher.\r\n",
    u8"Klicka i dina val angående rader/system och klicka sedan på knappen GENERERA.\r\n",
    u8"Varje tryck på knappen genererar nya rader.\r\n",
    u8"Raderna hamnar i ett text-editor fönster,\r\n",
    u8"så att manuellt andra enskilda tecken ar valdigt latt,\r\n",
    u8"klicka bara på raden och andra det tecken du vill andra på.\r\n",
    u8"Om du ar nöjd med genereringen kan du spara dina rader i en text fil,\r\n",
    u8"genom att trycka på knappen SPARA.\r\n",
    u8"Har du några frågor,synpunkter kan du titta in på: ",
    dialog::kHomePage,
    u8"\r\n",
    u8"Lycka till!",
};

}  // namespace stenvik
