#pragma once
// The rules between the slave table (IO.NODE_CONF) and the channels that read
// from or write to a slave (AI, DI, PI, AO, DO with TYPE Modbus/TCP or SLMP and
// MOD_NODE naming the slave). Qt-free: the editors and the CSV import share them.
#include <cstdint>

#include "model/sections/io.h"

namespace tk48 {

inline constexpr std::int32_t kSlaveModbusTcp = 0, kSlaveSlmp = 1;  // NODE_TYPE
inline constexpr std::int8_t kNotShared = -1;                        // SHAR_ID 0xFF

// What a channel of `kind` (TYPE) on slave `slave` needs of the slave table:
// an address (290: for Modbus/TCP the address of the slave whose connection it
// shares), then the slave's protocol (305: the slave is SLMP, 306: it is
// Modbus/TCP). 0 when the channel may use the slave; other kinds always pass.
int SlaveRefMessage(const NodeConf& nodes, std::int32_t kind, int slave);

// Whether slave `slave` names another slave whose connection it shares.
bool SharesConnection(const NodeConf& nodes, int slave);
// Whether some Modbus/TCP slave other than `slave` shares `slave`'s connection.
bool IsShared(const NodeConf& nodes, int slave);

// Whether some channel of the five families has `type` (Modbus/TCP or SLMP) on slave `slave`.
bool HasChannelsOn(const IoSection& io, int slave, std::int32_t type);
// The channels a deleted slave takes along: those of either type on the slave
// itself and on every Modbus/TCP slave sharing its connection.
bool HasChannelsOfDeleted(const IoSection& io, int slave);
// Sets TYPE 0 on those channels; nothing else of them changes.
void DisableChannelsOfDeleted(IoSection& io, int slave);

// The ten per-slave fields of `from` over `to`.
void CopySlave(NodeConf& nodes, int from, int to);
// A paste the slave list refuses (147): a Modbus/TCP slave sharing a
// connection pasted onto a lower-numbered slave, or a paste that would make a
// slave other slaves share SLMP or sharing in its turn.
bool PasteRefused(const NodeConf& nodes, int from, int to);

}  // namespace tk48
