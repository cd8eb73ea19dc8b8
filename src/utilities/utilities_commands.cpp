#include "utilities/utilities_commands.h"

#include "shell/command_registry.h"
#include "shell/window_instances.h"
#include "utilities/calculator/Kalkul.h"
#include "utilities/ciphers/CHT.h"
#include "utilities/ciphers/Confeld.h"
#include "utilities/ciphers/RND_Sifra.h"
#include "utilities/ciphers/ShiftByte.h"
#include "utilities/ciphers/ShiftKod.h"
#include "utilities/ciphers/ZaKod.h"

void RegisterUtilitiesCommands(CommandRegistry& commands) {
    commands.add(MenuId::mnucalk, [] { ShowOwned(LoadedWindow<Kalkul>()); });
    commands.add(MenuId::mnucode, [] { ShowOwned(LoadedWindow<ZaKod>()); });
    commands.add(MenuId::mnu_encrypt_shift, [] { ShowOwned(LoadedWindow<ShiftKod>()); });
    commands.add(MenuId::Mnu_Encrypt_Confeld, [] { ShowOwned(LoadedWindow<Confeld>()); });
    commands.add(MenuId::Mnu_Encrypt_ByteShift, [] { ShowOwned(LoadedWindow<ShiftByte>()); });
    commands.add(MenuId::mnu_rnd_encrypt, [] { ShowOwned(LoadedWindow<RND_Sifra>()); });
    commands.add(MenuId::Mnu_Hack_cry, [] { ShowOwned(LoadedWindow<CHT>()); });
}
