#pragma once
// Who uses an output: every function of the configuration that switches an MD,
// DO or GDO, as the "Which functions assigned to ...?" views list it. Qt-free:
// one scan over the record gathers, per output, the functions that name it;
// the rows are plain texts the view shows as they stand.
// A holder that cannot name a family (checks/output_holders.h) is skipped.
#include <cstdint>
#include <string>
#include <vector>

#include "checks/output_holders.h"
#include "model/setting_data.h"

namespace tk48 {

struct WhoUsesRow {
  std::string channel;   // "DO005" on an output's first row, empty on the rows below it
  std::string function;  // "I/O (AI001)", "E-mail", "Schduler (PAT No.3)"
  std::string detail;    // "Zone 1 Zone 3 ", "Template 4, 7 Delivery failure output"
};

// Number of outputs of the family (256 MD, 128 DO, 32 GDO).
int OutputCount(OutputFamily family);

// Whether output `index` (0-based) is examined: a DO with a TYPE, an enabled
// GDO, every MD.
bool OutputInUse(const SettingData& record, OutputFamily family, int index);

// The rows of the view: for every output in order its own row, then one row
// per further function naming it. An output not in use shows its row alone.
std::vector<WhoUsesRow> WhoUsesRows(const SettingData& record, OutputFamily family);

// The holders' "in use" rules, shared with the cross-checks.
// A slave is defined when it has an address or shares another's connection.
bool SlaveDefined(const NodeConf& nodes, int slave);
// The alarm zones a channel uses (0 to 5): a stored count above 5 counts as 5.
int ZonesInUse(std::int16_t useAreas);

}  // namespace tk48
