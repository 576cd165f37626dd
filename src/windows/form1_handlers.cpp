#include "windows/form1.h"

// Handlers of the calculation, collection and help buttons; each is wired to
// its button's click in the window's constructor.
namespace gears {

void Form1::Cmd1_calcul_Click() {}

void Form1::Cmd2_calcul_Click() {}

void Form1::CmdChoixRoues_Click() {}

void Form1::CmdRappel_Click() {}

void Form1::CmdInfos_Click() {}

}  // namespace gears
