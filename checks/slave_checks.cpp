#include "checks/slave_checks.h"

#include <algorithm>
#include <iterator>

#include "resources/text_ids.h"

namespace tk48 {
namespace {

bool InRange(int slave) { return slave >= 0 && slave < kNodeCount; }

// Every channel of the five families that can name a slave: f(TYPE, MOD_NODE).
template <class Io, class F>
void ForEachRemoteChannel(Io& io, F f) {
  for (auto& c : io.AI) f(c.TYPE, c.MOD_NODE);
  for (auto& c : io.DI) f(c.TYPE, c.MOD_NODE);
  for (auto& c : io.PI) f(c.TYPE, c.MOD_NODE);
  for (auto& c : io.AO) f(c.TYPE, c.MOD_NODE);
  for (auto& c : io.DO) f(c.TYPE, c.MOD_NODE);
}

bool Remote(std::int32_t type) { return type == kTypeModbusTcp || type == kTypeSlmp; }

// The slave itself and the Modbus/TCP slaves sharing its connection.
bool GoesWithDeleted(const NodeConf& nodes, int deleted, int slave) {
  if (slave == deleted) return true;
  return InRange(slave) && nodes.NODE_TYPE[slave] == kSlaveModbusTcp && nodes.SHAR_ID[slave] == deleted;
}

}  // namespace

bool SharesConnection(const NodeConf& nodes, int slave) { return nodes.SHAR_ID[slave] != kNotShared; }

bool IsShared(const NodeConf& nodes, int slave) {
  for (int i = 0; i < kNodeCount; ++i)
    if (i != slave && nodes.NODE_TYPE[i] == kSlaveModbusTcp && nodes.SHAR_ID[i] == slave) return true;
  return false;
}

int SlaveRefMessage(const NodeConf& nodes, std::int32_t kind, int slave) {
  if (!Remote(kind)) return 0;
  if (!InRange(slave)) return text::kSlaveAddressMissing;
  int addressed = slave;
  if (kind == kTypeModbusTcp && SharesConnection(nodes, slave)) addressed = nodes.SHAR_ID[slave];
  if (!InRange(addressed) || nodes.NODE[addressed][0] == '\0') return text::kSlaveAddressMissing;
  if (kind == kTypeModbusTcp && nodes.NODE_TYPE[slave] != kSlaveModbusTcp) return text::kSlaveIsSlmp;
  if (kind == kTypeSlmp && nodes.NODE_TYPE[slave] != kSlaveSlmp) return text::kSlaveIsModbusTcp;
  return 0;
}

bool HasChannelsOn(const IoSection& io, int slave, std::int32_t type) {
  bool found = false;
  ForEachRemoteChannel(io, [&](std::int32_t t, std::int16_t node) {
    if (t == type && node == slave) found = true;
  });
  return found;
}

bool HasChannelsOfDeleted(const IoSection& io, int slave) {
  bool found = false;
  ForEachRemoteChannel(io, [&](std::int32_t t, std::int16_t node) {
    if (Remote(t) && GoesWithDeleted(io.NODE_CONF, slave, node)) found = true;
  });
  return found;
}

void DisableChannelsOfDeleted(IoSection& io, int slave) {
  ForEachRemoteChannel(io, [&](std::int32_t& t, std::int16_t node) {
    if (Remote(t) && GoesWithDeleted(io.NODE_CONF, slave, node)) t = kTypeNone;
  });
}

void CopySlave(NodeConf& n, int from, int to) {
  if (from == to) return;
  std::copy(std::begin(n.NODE[from]), std::end(n.NODE[from]), n.NODE[to]);
  n.NODE_TYPE[to] = n.NODE_TYPE[from];
  n.DEV_ID[to] = n.DEV_ID[from];
  n.SHAR_ID[to] = n.SHAR_ID[from];
  n.PORT[to] = n.PORT[from];
  n.ERROUT_KIND[to] = n.ERROUT_KIND[from];
  n.ERROUT_NO[to] = n.ERROUT_NO[from];
  n.SLMP_NO[to] = n.SLMP_NO[from];
  n.SLMP_SS[to] = n.SLMP_SS[from];
  n.SLMP_CPU[to] = n.SLMP_CPU[from];
  n.SLMP_DROP[to] = n.SLMP_DROP[from];
}

bool PasteRefused(const NodeConf& n, int from, int to) {
  const bool modbusSharer = n.NODE_TYPE[from] == kSlaveModbusTcp && SharesConnection(n, from);
  if (modbusSharer && from > to) return true;
  // Slaves sharing `to` need it to stay a Modbus/TCP slave with its own connection.
  return IsShared(n, to) && (n.NODE_TYPE[from] != kSlaveModbusTcp || modbusSharer);
}

}  // namespace tk48
