#pragma once
// How the holders of an output reference name the output families. Each
// holder numbers them its own way (a slave's error output 1 MD, 2 DO, 3 GDO;
// a mail report 0 MD, 1 DO, 2 GDO; a pattern output 1 DO, 2 GDO, 3 MD): the
// kind numbers are taken from the schema's family lists, so a holder that
// cannot name a family (a GDO member is never a GDO) gets -1.
#include <cstdint>

namespace tk48 {

enum class OutputFamily : std::uint8_t { Md, Do, Gdo };

// The holders that name outputs by a channel reference.
enum class OutputHolder : std::uint8_t { SlaveErrorOutput, FtpFailure, MailOutput, PatternOutput, GdoMember,
                                         MaintenanceSwitch };

// The stored kind by which `holder` names `family`; -1 when its family list has none.
std::int32_t HolderKind(OutputHolder holder, OutputFamily family);

// Every holder's kind for one family.
struct HolderKinds {
  std::int32_t slave, ftp, mail, pattern, member, mente;
};
const HolderKinds& KindsOf(OutputFamily family);

}  // namespace tk48
