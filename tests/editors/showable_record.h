#pragma once
// Random records for screen tests. ShowableRecord holds values the screens
// can show and whose OK steps pass (an OK without edits keeps every byte).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "checks/slave_checks.h"
#include "checks/slmp_devices.h"
#include "model/field_path.h"
#include "tests/model/random_record.h"

namespace tk48::test {

// Random field values within what the schema accepts and the screens show:
// short texts (printable ASCII for the restricted ones, else with CR LF and
// three-byte characters), reals at and between the rounding ties.
class ShowableRecord : public RandomRecord {
 public:
  // kListed: every value one the screens' lists hold, so an OK without edits
  // keeps every byte. kUnlisted: also values a list lacks, which a screen
  // shows (and OK stores) by its Load rule.
  enum Values { kListed, kUnlisted };
  explicit ShowableRecord(unsigned seed, Values values = kListed) : RandomRecord(seed), values_(values) {}

 private:
  double Real(int) override {
    // Whole sixteenths and thirty-seconds sit on the "%.3f" and "%.4f" ties.
    switch (Pick(3)) {
      case 0:
        return static_cast<double>(Between(-1000000, 1000000)) / 16;
      case 1:
        return static_cast<double>(Between(-1000000, 1000000)) / 32;
      default:
        return static_cast<double>(Between(-99999999, 99999999)) / 1000;
    }
  }

  std::string Ascii(std::size_t most) {
    std::string text;
    for (std::size_t n = Pick(most + 1); text.size() < n;) {
      const char c = static_cast<char>(Between(0x20, 0x7E));
      if (c != '\\') text += c;
    }
    return text;
  }

  void Text(const Node& n, char* field) override {
    static const char* const pieces[] = {"a", "Z", " ", "#", "<", "&", "\r\n", "\xE6\x97\xA5"};
    std::string text;
    if (n.ascii) {
      text = Ascii(12);
    } else {
      for (std::size_t k = Pick(11); k > 0; --k) text += pieces[Pick(8)];
    }
    if (text.size() >= n.capacity) text.clear();
    std::memset(field, 0, n.capacity);
    std::memcpy(field, text.data(), text.size());
  }

  std::string Dotted() {
    return std::to_string(Between(0, 255)) + "." + std::to_string(Between(0, 255)) + "." +
           std::to_string(Between(0, 255)) + "." + std::to_string(Between(0, 255));
  }

  // Zone limits rising from zone to zone (zones may touch).
  void OrderZones(AlarmArea (&areas)[kAreaCount]) {
    double at = static_cast<double>(Between(-1000000, 1000000)) / 16;
    for (AlarmArea& a : areas) {
      a.LEVEL_LOWER = at;
      at += static_cast<double>(Between(1, 100000)) / 16;
      a.LEVEL_UPPER = at;
      at += static_cast<double>(Between(0, 1000)) / 32;
    }
  }

  // Outputs on distinct module points, short texts, ordered browser limits, a
  // scaling other than 0; a mapped output is no scheduler output or GDO
  // member, and a GDO mapped to an MD does not hold it.
  void SettleOutputs(SettingData& r) {
    auto shorten = [](char* t) {
      if (std::strlen(t) > 8) t[0] = '\0';
    };
    for (int i = 0; i < kAoCount; ++i) {
      AoCh& ao = r.IO.AO[i];
      ao.TYPE = static_cast<std::int32_t>(Pick(2));
      ao.CARD_NO = static_cast<std::int16_t>(i / 4 + 1);
      ao.CARD_CH = static_cast<std::int16_t>(i % 4 + 1);
      ao.MOD_TYPE = 4;
      for (char* t : {ao.NAME, ao.COMMENT, ao.UNIT}) shorten(t);
      ao.WEB_UPPER = ao.WEB_LOWER + static_cast<double>(Between(1, 100000)) / 16;
      if (ao.WEB_SCALE == 0) ao.WEB_SCALE = 1;
    }
    auto unname = [&r](int patternKind, int no) {
      for (SchedulePattern& p : r.SCHEDULE.PATTERN)
        for (PatternOut& o : p.OUT)
          if (o.CH.kind == patternKind && o.CH.no == no) o.CH.kind = 0;
    };
    for (int i = 0; i < kDoCount; ++i) {
      DoCh& d = r.IO.DO[i];
      d.TYPE = static_cast<std::int32_t>(Pick(2));
      d.CARD_NO = static_cast<std::int16_t>(i / 16 + 1);
      d.CARD_CH = static_cast<std::int16_t>(i % 16 + 1);
      d.MOD_TYPE = 0;
      for (char* t : {d.NAME, d.COMMENT, d.STATUS.ON.DISP_STRING, d.STATUS.OFF.DISP_STRING}) shorten(t);
      if (d.IO_MAPPING.kind == 0) continue;
      unname(1, i + 1);
      for (GdoCh& g : r.IO.GDO)
        for (ChannelRef& slot : g.CH)
          if (slot.kind == 1 && slot.no == i + 1) slot.kind = 0;
    }
    for (int i = 0; i < kGdoCount; ++i) {
      GdoCh& g = r.IO.GDO[i];
      for (char* t : {g.NAME, g.COMMENT, g.STATUS.ON.DISP_STRING, g.STATUS.OFF.DISP_STRING}) shorten(t);
      if (g.IO_MAPPING.kind == 0) continue;
      unname(2, i + 1);
      for (ChannelRef& slot : g.CH)
        if (g.IO_MAPPING.kind == 2 && slot.kind == 2 && slot.no == g.IO_MAPPING.no) slot.kind = 0;
    }
  }

 protected:
  // Only values the screens' lists hold: a listed SLMP device, a colour
  // without bits above it.
  void ListOnly(SettingData& r) {
    const auto listed = [this](std::uint16_t& code, std::span<const SlmpDevice> devices) {
      if (SlmpDeviceIndex(devices, code) < 0) code = devices[Pick(devices.size())].code;
    };
    for (AiCh& ch : r.IO.AI) listed(ch.SLMP_DEV_CODE, SlmpWordDevices());
    for (AoCh& ch : r.IO.AO) listed(ch.SLMP_DEV_CODE, SlmpWordDevices());
    for (DiCh& ch : r.IO.DI) listed(ch.SLMP_DEV_CODE, SlmpBitDevices());
    for (DoCh& ch : r.IO.DO) listed(ch.SLMP_DEV_CODE, SlmpBitDevices());
    for (PiCh& ch : r.IO.PI) listed(ch.SLMP_DEV_CODE, SlmpPulseDevices());
    ForEachField(r, [](const std::string&, const FieldRef& f) {
      if (f.node->fmt == Fmt::Hex8 && f.node->name.find("COLOR") != std::string::npos)
        StoreI32(f.slot.value, LoadI32(f.slot.value) & 0x00FFFFFF);
    });
  }

  // The screens' own rules between fields, met with values that stay random.
  void Settle(SettingData& r) override {
    r.SYSTEM.DST.END.MON = static_cast<std::uint8_t>(r.SYSTEM.DST.START.MON % 12 + 1);
    for (int i = 0; i < 8; ++i) {
      AccessAccount& a = r.TK48GCFG.AUTH[i];
      const std::string login = "id" + std::to_string(i) + Ascii(6);
      const std::string password = "pw" + Ascii(10);
      std::strcpy(a.LOGIN, login.c_str());
      std::strcpy(a.PASSWORD, password.c_str());
    }
    // The three services' ports differ; HTTPS never on 80; enabled web
    // identities have logins of their own; the FTP client's server name is
    // of the login character set.
    ComSection& com = r.COM;
    com.FTP.PORT = static_cast<std::uint16_t>(com.WEB.PORT + 1);
    com.MODBUS_TCP.PORT = static_cast<std::uint16_t>(com.WEB.PORT + 2);
    if (com.WEB.PROTOCOL == 1 && com.WEB.PORT == 80) com.WEB.PORT = 443;
    for (int i = 0; i < 32; ++i) {
      const std::string login = "w" + std::to_string(i) + Ascii(6);
      std::memset(com.WEB.AUTH[i].LOGIN, 0, sizeof com.WEB.AUTH[i].LOGIN);
      std::strcpy(com.WEB.AUTH[i].LOGIN, login.c_str());
    }
    const std::string server = Ascii(12);
    std::memset(com.FTPC.FTP_SERVER, 0, sizeof com.FTPC.FTP_SERVER);
    std::strcpy(com.FTPC.FTP_SERVER, server.c_str());
    // Channel texts the AI screen limits to 16 and 8 characters; zones in order.
    for (AiCh& ai : r.IO.AI) {
      for (char* t : {ai.NAME, ai.COMMENT, ai.UNIT})
        if (std::strlen(t) > 8) t[0] = '\0';
      OrderZones(ai.AREA);
    }
    // Discrete states: display comments of 8, delays 0 to 999.
    const auto settleStates = [](StatusPair& states) {
      for (StatusBlock* b : {&states.ON, &states.OFF}) {
        if (std::strlen(b->DISP_STRING) > 8) b->DISP_STRING[0] = '\0';
        b->DELAY = static_cast<std::int16_t>(std::abs(b->DELAY % 1000));
      }
    };
    for (DiCh& di : r.IO.DI) settleStates(di.STATUS);
    // Channels on slaves: Modbus/TCP channels on slaves 1 to 16, SLMP ones on
    // 17 to 32, each slave reachable and of the channel's protocol.
    NodeConf& nodes = r.IO.NODE_CONF;
    for (int s = 0; s < kNodeCount; ++s) {
      std::memset(nodes.NODE[s], 0, sizeof nodes.NODE[s]);
      std::snprintf(nodes.NODE[s], sizeof nodes.NODE[s], "10.0.0.%d", s + 1);
      nodes.NODE_TYPE[s] = s < 16 ? kSlaveModbusTcp : kSlaveSlmp;
      nodes.SHAR_ID[s] = -1;
    }
    const auto onSlave = [](auto& ch) {
      if (ch.TYPE == kTypeModbusTcp || ch.TYPE == kTypeSlmp)
        ch.MOD_NODE = static_cast<std::int16_t>(std::abs(ch.MOD_NODE % 16) + (ch.TYPE == kTypeSlmp ? 16 : 0));
    };
    for (AiCh& ai : r.IO.AI) onSlave(ai);
    for (DiCh& di : r.IO.DI) onSlave(di);
    for (PiCh& pi : r.IO.PI) onSlave(pi);
    for (MdCh& md : r.IO.MD) {
      settleStates(md.STATUS);
      for (char* t : {md.NAME, md.COMMENT})
        if (std::strlen(t) > 8) t[0] = '\0';
      md.CONST.K1 = static_cast<std::int16_t>(std::abs(md.CONST.K1 % 1000));
      // A run of 3 to 16 that ends by MD256, or none.
      const int n = md.INPUT_CONT.CN % 15;
      md.INPUT_CONT.CN = static_cast<std::uint8_t>(n < 3 ? 0 : n);
      if (md.INPUT_CONT.CH.no > 240) md.INPUT_CONT.CH.no = 240;
    }
    for (PiCh& pi : r.IO.PI) {
      OrderZones(pi.AREA);
      // A pulse range in use runs upwards.
      if (pi.WIDTH.LOW >= pi.WIDTH.HIGH) pi.WIDTH = {pi.WIDTH.HIGH % 1000, pi.WIDTH.HIGH % 1000 + 1};
    }
    for (MaCh& ma : r.IO.MA) {
      OrderZones(ma.AREA);
      for (char* t : {ma.NAME, ma.COMMENT, ma.UNIT})
        if (std::strlen(t) > 8) t[0] = '\0';
      if (!(ma.WEB_UPPER > ma.WEB_LOWER)) std::swap(ma.WEB_LOWER, ma.WEB_UPPER);
      if (ma.WEB_UPPER == ma.WEB_LOWER) ma.WEB_UPPER += 1;
      for (ChannelRef& x : ma.INPUT.X)
        if (x.kind == 1 && (ma.TYPE == 12 || ma.TYPE == 14)) x.kind = 0;
    }
    // MA001's constants pass every function's checks (the function screens open on it).
    for (int k = 1; k <= 5; ++k) r.IO.MA[0].CONST.K[k] = k;
    SettleOutputs(r);
    IpAddressBlock& ip = r.COM.TCP_IP.IP_ADDRESS;
    for (char* text : {ip.MY, ip.SUBNETMASK, ip.DEFAULT_GATEWAY, ip.DNS1, ip.DNS2}) {
      std::memset(text, 0, 32);
      const std::string address = text == ip.MY || text == ip.SUBNETMASK || Pick(2) ? Dotted() : "";
      std::strcpy(text, address.c_str());
    }
    // Pens: limits in order, fixed characters within their 8.
    auto settlePen = [this](auto& pen) {
      if (pen.BAND.LOWER >= pen.BAND.UPPER) std::swap(pen.BAND.LOWER, pen.BAND.UPPER);
      if (pen.BAND.LOWER == pen.BAND.UPPER) pen.BAND.UPPER += 1;
      std::memset(pen.ERR_CHAR, 0, sizeof pen.ERR_CHAR);
      const std::string chars = Ascii(8);
      std::memcpy(pen.ERR_CHAR, chars.data(), chars.size());
    };
    for (auto& pen : r.RECORD.LOGGING.PEN) settlePen(pen);
    for (auto& pen : r.RECORD.REPORT.PEN) settlePen(pen);
    // Process references of the kinds their lists offer (the screen rewrites any
    // other kind to NONE, which its own tests cover).
    for (OpemonProc& proc : r.OPEMON.PROC) {
      for (int k = 1; k < 5; ++k)
        if (proc.CH[k].kind != 4 && proc.CH[k].kind != 5) proc.CH[k].kind = 0;
      if (proc.NUM_MAIN.kind > 3) proc.NUM_MAIN.kind = 0;
    }
    // Pattern outputs: the end after the start (24 only as 24:00), and no output on a mapped DO or GDO.
    for (auto& pattern : r.SCHEDULE.PATTERN) {
      for (auto& out : pattern.OUT) {
        if (out.STOP.HOUR == 24) out.STOP.MIN = 0;
        if (out.STOP.HOUR < out.START.HOUR || (out.STOP.HOUR == out.START.HOUR && out.STOP.MIN <= out.START.MIN)) {
          out.STOP.HOUR = 24;
          out.STOP.MIN = 0;
        }
        if (out.CH.kind == 1 && out.CH.no >= 1 && out.CH.no <= kDoCount) r.IO.DO[out.CH.no - 1].IO_MAPPING.kind = 0;
        if (out.CH.kind == 2 && out.CH.no >= 1 && out.CH.no <= kGdoCount) r.IO.GDO[out.CH.no - 1].IO_MAPPING.kind = 0;
      }
    }
    // Mail: recipient names without quotation marks; business hours that end after they start.
    for (auto& name : r.COM.SMTP_POP3.MAIL_NAME) std::replace(std::begin(name), std::end(name), '"', 'q');
    for (auto& period : r.MAIL_REPORT.CALENDAR.WORK_HOUR) {
      const int start = period.START.HOUR * 60 + period.START.MIN, end = period.END.HOUR * 60 + period.END.MIN;
      if (end <= start) period = {{0, 0}, {23, 59}};
    }
    if (values_ == kListed) ListOnly(r);
  }

  Values values_;
};

}  // namespace tk48::test
