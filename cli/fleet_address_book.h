#pragma once
// The desktop application's address book as the devices of a fleet run: its
// preferences file (QSettings' INI form, organisation "VELTRA", application
// "TK48GCFG"), entries "DST1" to "DST32" with "NAME" and "ADDR", all reached
// on the stored network port "NETPORT" (section "TK48GCFG").
#include <string>
#include <vector>

#include "cli/fleet_devices.h"
#include "cli/fleet_ini.h"

namespace tk48::cli {

// $XDG_CONFIG_HOME/VELTRA/TK48GCFG.conf, or ~/.config/... without it.
std::string AddressBookPath();

// The entries the Connect dialog offers (a name and an address), in entry
// order, each with `login`; an entry with a name and no address is skipped as
// the dialog skips it. A name that cannot name a file, or one given twice, is
// a fault naming its entry ("DST4: ...").
DevicesRead AddressBookDevices(const IniValues& preferences, const std::string& login);

}  // namespace tk48::cli
