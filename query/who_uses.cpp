#include "query/who_uses.h"

#include <array>
#include <bit>
#include <initializer_list>
#include <span>
#include <string_view>

#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// The order of the functions in the view; an output's rows follow it.
enum Order : int { kBySlave, kByAi, kByPi, kByMa, kByGdo, kByFtp, kByMail, kByPattern, kByMente };

struct FamilyInfo {
  int count;
  int labelId;
  std::string_view keyword;
};

constexpr std::array<FamilyInfo, 3> kFamilyInfo{
    {{kMdCount, text::kMdLabel, "MD"}, {kDoCount, text::kDoLabel, "DO"}, {kGdoCount, text::kGdoLabel, "GDO"}}};

const FamilyInfo& Info(OutputFamily family) { return kFamilyInfo[static_cast<std::size_t>(family)]; }

// ---- Gathering ------------------------------------------------------------------------

struct Entry {
  int order;
  int holder;
  std::string function;
  std::string detail;
};

std::string IoFunction(int labelId, int number) {
  return FormatText(text::kWhoIoFunction, FormatText(labelId, number).c_str());
}

class Gathered {
 public:
  Gathered(OutputFamily family, const HolderKinds& kinds)
      : family_(family), kinds_(kinds), count_(Info(family).count), entries_(static_cast<std::size_t>(count_)) {}

  // The output a reference of `kind` names, or -1 when it names another family
  // or no channel of this one.
  int Named(std::int32_t kind, std::int32_t refKind, int number) const {
    if (kind < 0 || refKind != kind || number < 1 || number > count_) return -1;
    return number - 1;
  }

  // The entry of `holder` for function `order` on `output`, made with the text
  // `function()` gives when the output has none yet.
  template <class Function>
  Entry& At(int output, int order, int holder, Function&& function) {
    std::vector<Entry>& list = entries_[static_cast<std::size_t>(output)];
    if (list.empty() || list.back().order != order || list.back().holder != holder)
      list.push_back({order, holder, function(), {}});
    return list.back();
  }

  std::vector<Entry>& Of(int output) { return entries_[static_cast<std::size_t>(output)]; }
  OutputFamily family() const { return family_; }
  const HolderKinds& kinds() const { return kinds_; }
  int count() const { return count_; }

 private:
  OutputFamily family_;
  const HolderKinds& kinds_;
  int count_;
  std::vector<std::vector<Entry>> entries_;
};

void Slaves(const NodeConf& nodes, Gathered& g) {
  for (int s = 0; s < kNodeCount; ++s) {
    if (!SlaveDefined(nodes, s)) continue;
    const int out = g.Named(g.kinds().slave, nodes.ERROUT_KIND[s], nodes.ERROUT_NO[s]);
    if (out < 0) continue;
    Entry& e = g.At(out, kBySlave, 0,
                    [] { return FormatText(text::kWhoIoFunction, std::string(LoadText(text::kWhoSlave)).c_str()); });
    if (e.detail.empty()) e.detail = LoadText(text::kWhoErrorOutput);
    e.detail += FormatText(text::kWhoSlaveNo, s);
    e.detail += ' ';
  }
}

// The bits of a zone's output set that name this family's outputs.
std::span<const std::uint32_t> ZoneBits(const AlarmArea& area, OutputFamily family) {
  switch (family) {
    case OutputFamily::Md: return area.MD_ON;
    case OutputFamily::Do: return area.DO_ON;
    case OutputFamily::Gdo: return {&area.GDO_ON1, 1};
  }
  return {};
}

template <class Channel>
void Zones(std::span<const Channel> channels, int order, int labelId, bool (*inUse)(const Channel&), Gathered& g) {
  // "Zone 1 " .. "Zone 5 ", formatted once: a full record names every output from every zone.
  std::array<std::string, kAreaCount> zoneTexts;
  for (int z = 0; z < kAreaCount; ++z) zoneTexts[static_cast<std::size_t>(z)] = FormatText(text::kWhoZone, z + 1) + ' ';
  for (std::size_t c = 0; c < channels.size(); ++c) {
    const Channel& ch = channels[c];
    if (!inUse(ch)) continue;
    const int number = static_cast<int>(c) + 1;
    std::string function;
    for (int z = 0; z < ZonesInUse(ch.USE_AREAS); ++z) {
      const std::span<const std::uint32_t> words = ZoneBits(ch.AREA[z], g.family());
      for (std::size_t w = 0; w < words.size(); ++w) {
        for (std::uint32_t bits = words[w]; bits != 0; bits &= bits - 1) {
          const int out = static_cast<int>(w * 32) + std::countr_zero(bits);
          if (out >= g.count()) break;
          Entry& e = g.At(out, order, number, [&] {
            if (function.empty()) function = IoFunction(labelId, number);
            return function;
          });
          e.detail += zoneTexts[static_cast<std::size_t>(z)];
        }
      }
    }
  }
}

void Members(std::span<const GdoCh> gdos, Gathered& g) {
  for (std::size_t n = 0; n < gdos.size(); ++n) {
    if (gdos[n].MODE == 0) continue;
    const int number = static_cast<int>(n) + 1;
    for (int slot = 0; slot < 32; ++slot) {
      const int out = g.Named(g.kinds().member, gdos[n].CH[slot].kind, gdos[n].CH[slot].no);
      if (out < 0) continue;
      Entry& e = g.At(out, kByGdo, number, [&] { return IoFunction(text::kGdoLabel, number); });
      e.detail += FormatText(text::kWhoMemberNo, slot + 1);
      e.detail += ' ';
    }
  }
}

// The FTP client's outputs: its failure output and, for MD, the registers its
// send commands switch.
struct FtpCommand {
  std::uint16_t FtpcBlock::*md;
  int textId;
};
constexpr FtpCommand kFtpCommands[] = {
    {&FtpcBlock::COM_LOG, text::kWhoLoggingCommand},    {&FtpcBlock::COM_EVE, text::kWhoEventCommand},
    {&FtpcBlock::COM_SYS, text::kWhoSystemCommand},     {&FtpcBlock::COM_COM, text::kWhoComLogCommand},
    {&FtpcBlock::COM_SCHD, text::kSchedulerLogCommand},
};

void FtpClient(const FtpcBlock& ftpc, Gathered& g) {
  if (ftpc.MODE == 0) return;
  auto add = [&g](int out, int textId) {
    Entry& e = g.At(out, kByFtp, 0, [] { return std::string(LoadText(text::kWhoCommunication)); });
    if (!e.detail.empty()) e.detail += ' ';
    e.detail += LoadText(textId);
  };
  if (const int out = g.Named(g.kinds().ftp, ftpc.ERROR.kind, ftpc.ERROR.no); out >= 0) add(out, text::kWhoFtpFailed);
  if (g.family() != OutputFamily::Md) return;
  for (const FtpCommand& c : kFtpCommands)
    if (const int md = ftpc.*c.md; md >= 1 && md <= g.count()) add(md - 1, c.textId);
}

void Mail(const MailReportSection& mail, Gathered& g) {
  auto function = [] { return std::string(LoadText(text::kWhoEmail)); };
  for (std::size_t t = 0; t < std::size(mail.FORM); ++t) {
    const MailForm& form = mail.FORM[t];
    if (form.MODE == 0 || form.SUCCESS.MODE == 0) continue;
    const int out = g.Named(g.kinds().mail, form.SUCCESS.CH.kind, form.SUCCESS.CH.no);
    if (out < 0) continue;
    Entry& e = g.At(out, kByMail, 0, function);
    e.detail += e.detail.empty() ? std::string(LoadText(text::kWhoTemplate)) : std::string(", ");
    e.detail += std::to_string(t + 1);
  }
  if (mail.ERROR.MODE == 0) return;
  const int out = g.Named(g.kinds().mail, mail.ERROR.CH.kind, mail.ERROR.CH.no);
  if (out < 0) return;
  Entry& e = g.At(out, kByMail, 0, function);
  if (!e.detail.empty()) e.detail += ' ';
  e.detail += LoadText(text::kDeliveryFailureOutput);
}

void Patterns(const ScheduleSection& schedule, Gathered& g) {
  for (std::size_t p = 0; p < std::size(schedule.PATTERN); ++p) {
    const int number = static_cast<int>(p) + 1;
    for (int o = 0; o < 8; ++o) {
      const ChannelRef& ref = schedule.PATTERN[p].OUT[o].CH;
      const int out = g.Named(g.kinds().pattern, ref.kind, ref.no);
      if (out < 0) continue;
      Entry& e = g.At(out, kByPattern, number, [&] { return FormatText(text::kWhoPattern, number); });
      e.detail += FormatText(text::kWhoPatternOutNo, o + 1);
      e.detail += ' ';
    }
  }
  const ChannelRef& sw = schedule.MENTE.INPUT.CH;
  if (const int out = g.Named(g.kinds().mente, sw.kind, sw.no); out >= 0)
    g.At(out, kByMente, 0, [] { return std::string(LoadText(text::kWhoScheduler)); }).detail =
        LoadText(text::kWhoMaintenanceSw);
}

template <class Channel>
bool TypeInUse(const Channel& ch) {
  return ch.TYPE != 0;
}
bool Always(const MaCh&) { return true; }

}  // namespace

int OutputCount(OutputFamily family) { return Info(family).count; }

bool OutputInUse(const SettingData& record, OutputFamily family, int index) {
  switch (family) {
    case OutputFamily::Md: return true;
    case OutputFamily::Do: return record.IO.DO[index].TYPE != 0;
    case OutputFamily::Gdo: return record.IO.GDO[index].MODE != 0;
  }
  return false;
}

bool SlaveDefined(const NodeConf& nodes, int slave) {
  return nodes.NODE[slave][0] != '\0' || nodes.SHAR_ID[slave] != -1;
}

int ZonesInUse(std::int16_t useAreas) { return useAreas < 0 ? 0 : useAreas > kAreaCount ? kAreaCount : useAreas; }

std::vector<WhoUsesRow> WhoUsesRows(const SettingData& record, OutputFamily family) {
  Gathered g(family, KindsOf(family));
  const IoSection& io = record.IO;
  Slaves(io.NODE_CONF, g);
  Zones<AiCh>(io.AI, kByAi, text::kAiLabel, &TypeInUse<AiCh>, g);
  Zones<PiCh>(io.PI, kByPi, text::kPiLabel, &TypeInUse<PiCh>, g);
  Zones<MaCh>(io.MA, kByMa, text::kMaLabel, &Always, g);
  Members(io.GDO, g);
  FtpClient(record.COM.FTPC, g);
  Mail(record.MAIL_REPORT, g);
  Patterns(record.SCHEDULE, g);

  std::vector<WhoUsesRow> rows;
  rows.reserve(static_cast<std::size_t>(g.count()));
  for (int out = 0; out < g.count(); ++out) {
    WhoUsesRow own{FormatText(Info(family).labelId, out + 1), {}, {}};
    std::vector<Entry>& entries = g.Of(out);
    if (!OutputInUse(record, family, out) || entries.empty()) {
      rows.push_back(std::move(own));
      continue;
    }
    for (Entry& e : entries) {
      rows.push_back({std::move(own.channel), std::move(e.function), std::move(e.detail)});
      own.channel.clear();
    }
  }
  return rows;
}

}  // namespace tk48
