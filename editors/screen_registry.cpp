#include "editors/screen_registry.h"

#include <algorithm>
#include <cstring>

#include "editors/com/CDlgSetCom.h"
#include "editors/com/CDlgSetComFtpc.h"
#include "editors/com/CDlgSetComFtps.h"
#include "editors/com/CDlgSetComModbus.h"
#include "editors/com/CDlgSetComSmtp.h"
#include "editors/com/CDlgSetComSntp.h"
#include "editors/com/CDlgSetComWebAuth.h"
#include "editors/com/CDlgSetComWebAuthConf.h"
#include "editors/com/CDlgSetComWebAuthCtrl.h"
#include "editors/display/CDlgSetDisp.h"
#include "editors/display/CDlgSetDispTrend.h"
#include "editors/io/CDlgSetIo.h"
#include "editors/io/CDlgSetIoAiCh.h"
#include "editors/io/CDlgSetIoAo.h"
#include "editors/io/CDlgSetIoArea.h"
#include "editors/io/CDlgSetIoDiCh.h"
#include "editors/io/CDlgSetIoDo.h"
#include "editors/io/CDlgSetIoDoUsed.h"
#include "editors/io/CDlgSetIoGdo.h"
#include "editors/io/CDlgSetIoMaCh.h"
#include "editors/io/CDlgSetIoMdCh.h"
#include "editors/io/CDlgSetIoMdUsed.h"
#include "editors/io/CDlgSetIoNode.h"
#include "editors/io/CDlgSetIoNodeCom.h"
#include "editors/io/CDlgSetIoNodeConf.h"
#include "editors/io/CDlgSetIoPiCh.h"
#include "editors/mail/CDlgSetRep.h"
#include "editors/mail/CDlgSetRepAddr.h"
#include "editors/mail/CDlgSetRepCalendar.h"
#include "editors/mail/CDlgSetRepForm.h"
#include "editors/mail/CDlgSetRepTime.h"
#include "editors/network/CDlgBaseIpAddress.h"
#include "editors/network/CDlgBaseTk48cfg.h"
#include "editors/opemon/CDlgSetOpemon.h"
#include "editors/record/CDlgSetRecord.h"
#include "editors/record/CDlgSetRecordLogging.h"
#include "editors/record/CDlgSetRecordReport.h"
#include "editors/schedule/CDlgSetSchMenu.h"
#include "editors/schedule/CDlgSetSchedule.h"
#include "editors/system/CDlgSetSystem.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

template <class Screen>
std::unique_ptr<QDialog> Make(const ScreenEnv& env, int) {
  return std::make_unique<Screen>(env.parent, env.record, env.ui);
}

template <class Screen>
std::unique_ptr<QDialog> MakeDirect(const ScreenEnv& env, int) {
  return std::make_unique<Screen>(env.parent, env.record, *env.device, env.upload);
}

// A screen on one web identity of the record.
template <class Screen>
std::unique_ptr<QDialog> MakeIdentity(const ScreenEnv& env, int item) {
  return std::make_unique<Screen>(env.parent, env.record.COM.WEB.AUTH[item], env.record, env.ui);
}

std::unique_ptr<QDialog> MakeWebAuthConf(const ScreenEnv& env, int item) {
  return std::make_unique<CDlgSetComWebAuthConf>(env.parent, env.record.COM.WEB.AUTH[item], item, env.record, env.ui);
}

template <class Screen>
std::unique_ptr<QDialog> MakeItem(const ScreenEnv& env, int item) {
  return std::make_unique<Screen>(env.parent, env.record, item, env.ui);
}

template <ListScreenSetup (*Setup)(SettingData&, UiPort&)>
std::unique_ptr<QDialog> MakeList(const ScreenEnv& env, int) {
  return std::make_unique<ListScreen>(env.parent, Setup(env.record, env.ui));
}

// The zone editor on an AI's zones; its OK stores them back into the channel,
// as the channel editor's OK would.
struct AiZonesHeld {
  ZoneBlock zones;
};
class AiZoneScreen : private AiZonesHeld, public CDlgSetIoArea {
 public:
  AiZoneScreen(const ScreenEnv& env, int item)
      : AiZonesHeld{ZonesOf(env.record.IO.AI[item])},
        CDlgSetIoArea(env.parent, env.record, zones, text::kAiZoneTitle, item + 1, env.ui),
        channel_(env.record.IO.AI[item]) {}

 protected:
  bool Finish() override {
    StoreZones(zones, channel_);
    return true;
  }

 private:
  AiCh& channel_;
};

std::unique_ptr<QDialog> MakeAiZones(const ScreenEnv& env, int item) {
  return std::make_unique<AiZoneScreen>(env, item);
}

// The mapping screen on an AO's mapping block, as the channel screen hands it over.
std::unique_ptr<QDialog> MakeAoMap(const ScreenEnv& env, int item) {
  return std::make_unique<CDlgSetIoAoMap>(env.parent, env.record, env.record.IO.AO[item].IO_MAPPING, env.ui);
}

// The member screen on slot item % 32 of GDO item / 32.
std::unique_ptr<QDialog> MakeGdoMember(const ScreenEnv& env, int item) {
  return std::make_unique<CDlgSetIoGdoIncCh>(env.parent, env.record, env.record.IO.GDO[item / 32].CH[item % 32],
                                             env.ui);
}

// A function setting screen (item = function 1 to 16) on MA001's inputs and
// constants; its OK stores them back, as the register's OK would.
struct MaFunctionHeld {
  MaFunctionBlock block;
};
class MaFunctionScreen : private MaFunctionHeld, public CDlgSetIoMaFunc {
 public:
  MaFunctionScreen(const ScreenEnv& env, int item)
      : MaFunctionHeld{FunctionOf(env.record.IO.MA[0])},
        CDlgSetIoMaFunc(env.parent, env.record, item + 1, block, env.ui),
        channel_(env.record.IO.MA[0]) {}

 protected:
  bool Finish() override {
    channel_.CONST = block.CONST;
    channel_.INPUT = block.INPUT;
    return true;
  }

 private:
  MaCh& channel_;
};

std::unique_ptr<QDialog> MakeMaFunction(const ScreenEnv& env, int item) {
  return std::make_unique<MaFunctionScreen>(env, item);
}

// A sub-screen that edits its parent's working copy: the copy is made from
// the record and lives as long as the screen.
template <class Block>
struct HeldCopy : QObject {
  explicit HeldCopy(Block from) : block(std::move(from)) {}
  Block block;
};
template <class Block, class Build>
std::unique_ptr<QDialog> OnCopy(Block from, Build build) {
  auto held = new HeldCopy<Block>(std::move(from));
  std::unique_ptr<QDialog> screen = build(held->block);
  held->setParent(screen.get());
  return screen;
}

std::unique_ptr<QDialog> MakeMailBook(const ScreenEnv& env, int) {
  return OnCopy(MailBookOf(env.record), [&](MailBook& copy) {
    return std::make_unique<ListScreen>(env.parent, AddressListSetup(env.record, copy, env.ui));
  });
}
std::unique_ptr<QDialog> MakeMailBookEntry(const ScreenEnv& env, int item) {
  return OnCopy(MailBookOf(env.record), [&](MailBook& copy) {
    return std::make_unique<CDlgSetRepAddrConf>(env.parent, copy, item, env.ui);
  });
}

// The template choosers run on a copy of one template's recipients or channels.
std::unique_ptr<QDialog> MakeRecipients(const ScreenEnv& env, int) {
  MailRecipients from{};
  std::copy(std::begin(env.record.MAIL_REPORT.FORM[0].DST), std::end(env.record.MAIL_REPORT.FORM[0].DST), from.DST);
  return OnCopy(from, [&](MailRecipients& copy) {
    return std::make_unique<ListScreen>(env.parent, RecipientChooserSetup(env.record, copy, env.ui));
  });
}
std::unique_ptr<QDialog> MakeRecipient(const ScreenEnv& env, int item) {
  return std::make_unique<CDlgSetRepDstConf>(env.parent, env.record.MAIL_REPORT.FORM[0].DST[item], item, env.ui);
}
std::unique_ptr<QDialog> MakeAttachments(const ScreenEnv& env, int) {
  MailAttachments from{};
  std::copy(std::begin(env.record.MAIL_REPORT.FORM[0].CH), std::end(env.record.MAIL_REPORT.FORM[0].CH), from.CH);
  return OnCopy(from, [&](MailAttachments& copy) {
    return std::make_unique<ListScreen>(env.parent, ChannelChooserSetup(env.record, copy, env.ui));
  });
}
std::unique_ptr<QDialog> MakeAttachment(const ScreenEnv& env, int item) {
  return std::make_unique<CDlgSetRepChConf>(env.parent, env.record.MAIL_REPORT.FORM[0].CH[item], item, env.record,
                                            env.ui);
}

std::unique_ptr<QDialog> MakeMailTemplates(const ScreenEnv& env, int) {
  TemplateBits bits{};
  std::copy(std::begin(env.record.MAIL_REPORT.TIME.MAIL), std::end(env.record.MAIL_REPORT.TIME.MAIL), bits.MAIL);
  return OnCopy(bits, [&](TemplateBits& copy) {
    return std::make_unique<ListScreen>(env.parent,
                                        TemplateChooserSetup(env.record, copy.MAIL, Tx(text::kMailTemplateNo)));
  });
}
std::unique_ptr<QDialog> MakeSendTimes(const ScreenEnv& env, int) {
  return OnCopy(SendTimesOf(env.record.MAIL_REPORT.TIME), [&](HourTable& copy) {
    return std::make_unique<ListScreen>(env.parent, SendTimeListSetup(copy, env.ui));
  });
}
std::unique_ptr<QDialog> MakeSendTime(const ScreenEnv& env, int hour) {
  return OnCopy(SendTimesOf(env.record.MAIL_REPORT.TIME), [&](HourTable& copy) {
    return std::make_unique<CDlgSetRepTimeSendConf>(env.parent, copy[static_cast<std::size_t>(hour)], hour, env.ui);
  });
}

// A month screen of 2024 on a copy of the calendar.
std::unique_ptr<QDialog> MakeCalendarMonth(const ScreenEnv& env, int month) {
  CalendarMarks marks{};
  std::memcpy(marks.WORK_DAY, env.record.MAIL_REPORT.CALENDAR.WORK_DAY, sizeof marks.WORK_DAY);
  std::memcpy(marks.HOLIDAY, env.record.MAIL_REPORT.CALENDAR.HOLIDAY, sizeof marks.HOLIDAY);
  return OnCopy(marks, [&](CalendarMarks& copy) {
    return std::make_unique<CDlgSetRepCalendarConf>(env.parent, copy, 2024, month + 1, env.ui);
  });
}

std::unique_ptr<QDialog> MakeLoggingHead(const ScreenEnv& env, int line) {
  return OnCopy(LoggingHeaders(env.record.RECORD.LOGGING), [&](HeaderLines& copy) {
    return std::make_unique<CDlgSetRecordLoggingHead>(env.parent, copy, line, env.ui);
  });
}
std::unique_ptr<QDialog> MakeLoggingHour(const ScreenEnv& env, int) {
  return OnCopy(LoggingHours(env.record.RECORD.LOGGING), [&](HourTable& copy) {
    return std::make_unique<ListScreen>(env.parent, LoggingHourListSetup(copy, env.ui));
  });
}
std::unique_ptr<QDialog> MakeLoggingHourConf(const ScreenEnv& env, int hour) {
  return OnCopy(LoggingHours(env.record.RECORD.LOGGING), [&](HourTable& copy) {
    return std::make_unique<CDlgSetRecordLoggingHourConf>(env.parent, copy[static_cast<std::size_t>(hour)], hour,
                                                          env.ui);
  });
}
std::unique_ptr<QDialog> MakeLoggingPens(const ScreenEnv& env, int) {
  return std::make_unique<ListScreen>(env.parent, LoggingPenListSetup(env.record, env.record.RECORD.LOGGING.PEN, env.ui));
}
std::unique_ptr<QDialog> MakeLoggingPen(const ScreenEnv& env, int pen) {
  return std::make_unique<CDlgSetRecordLoggingPenConf>(env.parent, env.record, env.record.RECORD.LOGGING.PEN[pen], pen,
                                                       env.ui);
}
std::unique_ptr<QDialog> MakeReportPens(const ScreenEnv& env, int) {
  return std::make_unique<ListScreen>(env.parent, ReportPenListSetup(env.record, env.record.RECORD.REPORT.PEN, env.ui));
}
std::unique_ptr<QDialog> MakeReportPen(const ScreenEnv& env, int pen) {
  return std::make_unique<CDlgSetRecordReportPenConf>(env.parent, env.record, env.record.RECORD.REPORT.PEN[pen], pen,
                                                      env.ui);
}
std::unique_ptr<QDialog> MakeReportMail(const ScreenEnv& env, int) {
  TemplateBits bits{};
  std::copy(std::begin(env.record.RECORD.REPORT.MAIL), std::end(env.record.RECORD.REPORT.MAIL), bits.MAIL);
  return OnCopy(bits, [&](TemplateBits& copy) {
    return std::make_unique<ListScreen>(env.parent, TemplateChooserSetup(env.record, copy.MAIL, Tx(text::kMailTemplateNo)));
  });
}

std::unique_ptr<QDialog> MakeTrendPage(const ScreenEnv& env, int page) {
  return std::make_unique<CDlgSetDispTrendPage>(env.parent, env.record, env.record.DISP.TREND.TREND_PAGE[page], page,
                                                env.ui);
}

std::unique_ptr<QDialog> MakePatterns(const ScreenEnv& env, int) {
  return std::make_unique<ListScreen>(env.parent, PatternListSetup(env.record, env.ui));
}
std::unique_ptr<QDialog> MakePattern(const ScreenEnv& env, int n) {
  return std::make_unique<CDlgSetSchPattern>(env.parent, env.record, env.record.SCHEDULE.PATTERN[n], n, env.ui);
}
// One output of a pattern, item = pattern * 8 + output.
std::unique_ptr<QDialog> MakePatternOutput(const ScreenEnv& env, int item) {
  return std::make_unique<CDlgSetSchConf>(env.parent, env.record, env.record.SCHEDULE.PATTERN[item / 8].OUT[item % 8],
                                          item % 8, env.ui);
}
std::unique_ptr<QDialog> MakeUnits(const ScreenEnv& env, int) {
  return std::make_unique<ListScreen>(env.parent, UnitListSetup(env.record, env.ui));
}
std::unique_ptr<QDialog> MakeUnit(const ScreenEnv& env, int n) {
  return std::make_unique<CDlgSetSchUnitReg>(env.parent, env.record, env.record.SCHEDULE.UNIT[n], n, env.ui);
}

constexpr ScreenEntry kScreens[] = {
    {"CDlgSetSystem", 1, &Make<CDlgSetSystem>},
    {"CDlgSetIo", 1, &Make<CDlgSetIo>},
    {"list:AI", 1, &MakeList<&AiListSetup>},
    {"list:DI", 1, &MakeList<&DiListSetup>},
    {"list:PI", 1, &MakeList<&PiListSetup>},
    {"list:MA", 1, &MakeList<&MaListSetup>},
    {"list:MD", 1, &MakeList<&MdListSetup>},
    {"CDlgSetCom", 1, &Make<CDlgSetCom>},
    {"CDlgSetComWebAuth", 1, &Make<CDlgSetComWebAuth>},
    {"CDlgSetComWebAuthConf", 32, &MakeWebAuthConf},
    {"CDlgSetComWebAuthCtrlCh", 32, &MakeIdentity<CDlgSetComWebAuthCtrlCh>},
    {"CDlgSetComWebAuthCtrlSu", 32, &MakeIdentity<CDlgSetComWebAuthCtrlSu>},
    {"CDlgSetComFtps", 1, &Make<CDlgSetComFtps>},
    {"CDlgSetComSntp", 1, &Make<CDlgSetComSntp>},
    {"CDlgSetComModbus", 1, &Make<CDlgSetComModbus>},
    {"CDlgSetComSmtp", 1, &Make<CDlgSetComSmtp>},
    {"CDlgSetComFtpc", 1, &Make<CDlgSetComFtpc>},
    {"CDlgSetIoNode", 1, &MakeList<&SlaveListSetup>},
    {"CDlgSetIoNodeCom", 1, &Make<CDlgSetIoNodeCom>},
    {"CDlgSetIoNodeConf", kNodeCount, &MakeItem<CDlgSetIoNodeConf>},
    {"CDlgSetIoAiCh", kAiCount, &MakeItem<CDlgSetIoAiCh>},
    {"CDlgSetIoArea", kAiCount, &MakeAiZones},
    {"CDlgSetIoAo", 1, &MakeList<&AoListSetup>},
    {"CDlgSetIoAoCh", kAoCount, &MakeItem<CDlgSetIoAoCh>},
    {"CDlgSetIoAoMap", kAoCount, &MakeAoMap},
    {"CDlgSetIoDo", 1, &MakeList<&DoListSetup>},
    {"CDlgSetIoDoCh", kDoCount, &MakeItem<CDlgSetIoDoCh>},
    {"CDlgSetIoGdo", 1, &MakeList<&GdoListSetup>},
    {"CDlgSetIoGdoCh", kGdoCount, &MakeItem<CDlgSetIoGdoCh>},
    {"CDlgSetIoGdoIncCh", kGdoCount * 32, &MakeGdoMember},
    {"CDlgSetIoDiCh", kDiCount, &MakeItem<CDlgSetIoDiCh>},
    {"CDlgSetIoMaCh", kMaCount, &MakeItem<CDlgSetIoMaCh>},
    {"CDlgSetIoMaFunc", kMaFunctionCount - 1, &MakeMaFunction},
    {"CDlgSetIoMdCh", kMdCount, &MakeItem<CDlgSetIoMdCh>},
    {"CDlgSetIoMdUsed", 1, &Make<CDlgSetIoMdUsed>},
    {"CDlgSetIoPiCh", kPiCount, &MakeItem<CDlgSetIoPiCh>},
    {"CDlgSetIoDoUsed", 1, &Make<CDlgSetIoDoUsed>},
    {"CDlgSetIoGdoUsed", 1, &Make<CDlgSetIoGdoUsed>},
    {"CDlgBaseTk48cfg", 1, &MakeDirect<CDlgBaseTk48cfg>},
    {"CDlgBaseIpAddress", 1, &MakeDirect<CDlgBaseIpAddress>},
    {"CDlgSetRecord", 1, &Make<CDlgSetRecord>},
    {"CDlgSetRecordLogging", 1, &Make<CDlgSetRecordLogging>},
    {"CDlgSetRecordLoggingHead", 3, &MakeLoggingHead},
    {"CDlgSetRecordLoggingPen", 1, &MakeLoggingPens},
    {"CDlgSetRecordLoggingPenConf", 128, &MakeLoggingPen},
    {"CDlgSetRecordLoggingHour", 1, &MakeLoggingHour},
    {"CDlgSetRecordLoggingHourConf", 24, &MakeLoggingHourConf},
    {"CDlgSetRecordEvent", 1, &Make<CDlgSetRecordEvent>},
    {"CDlgSetRecordReport", 1, &Make<CDlgSetRecordReport>},
    {"CDlgSetRecordReportMail", 1, &MakeReportMail},
    {"CDlgSetRecordReportPen", 1, &MakeReportPens},
    {"CDlgSetRecordReportPenConf", 128, &MakeReportPen},
    {"CDlgSetSchMenu", 1, &Make<CDlgSetSchMenu>},
    {"CDlgSetSchedule", 1, &MakePatterns},
    {"CDlgSetSchPattern", 64, &MakePattern},
    {"CDlgSetSchConf", 64 * 8, &MakePatternOutput},
    {"CDlgSetSchUnit", 1, &MakeUnits},
    {"CDlgSetSchUnitReg", 32, &MakeUnit},
    {"CDlgSetSchInputConf", 1, &Make<CDlgSetSchInputConf>},
    {"CDlgSetDisp", 1, &Make<CDlgSetDisp>},
    {"CDlgSetDispData", 1, &Make<CDlgSetDispData>},
    {"CDlgSetDispTrend", 1, &MakeList<&TrendPageListSetup>},
    {"CDlgSetDispTrendPage", 16, &MakeTrendPage},
    {"CDlgSetOpemon", 1, &MakeList<&OpemonListSetup>},
    {"CDlgSetOpemonProc", 32, &MakeItem<CDlgSetOpemonProc>},
    {"CDlgSetRep", 1, &Make<CDlgSetRep>},
    {"CDlgSetRepAddr", 1, &MakeMailBook},
    {"CDlgSetRepAddrConf", kMailAddressCount, &MakeMailBookEntry},
    {"CDlgSetRepError", 1, &Make<CDlgSetRepError>},
    {"CDlgSetRepForm", 1, &MakeList<&FormListSetup>},
    {"CDlgSetRepFormConf", kMailTemplateCount, &MakeItem<CDlgSetRepFormConf>},
    {"CDlgSetRepDst", 1, &MakeRecipients},
    {"CDlgSetRepDstConf", 64, &MakeRecipient},
    {"CDlgSetRepCh", 1, &MakeAttachments},
    {"CDlgSetRepChConf", kAttachedChannels, &MakeAttachment},
    {"CDlgSetRepTime", 1, &Make<CDlgSetRepTime>},
    {"CDlgSetRepTimeMail", 1, &MakeMailTemplates},
    {"CDlgSetRepTimeSend", 1, &MakeSendTimes},
    {"CDlgSetRepTimeSendConf", 24, &MakeSendTime},
    {"CDlgSetRepCalendar", 1, &Make<CDlgSetRepCalendar>},
    {"CDlgSetRepCalendarConf", 12, &MakeCalendarMonth},
};

}  // namespace

std::span<const ScreenEntry> ScreenRegistry() { return kScreens; }

const ScreenEntry* FindScreen(std::string_view id) {
  for (const ScreenEntry& entry : kScreens)
    if (entry.id == id) return &entry;
  return nullptr;
}

bool OpenScreen(std::string_view id, const ScreenEnv& env, int item) {
  const ScreenEntry* entry = FindScreen(id);
  if (!entry || item < 0 || item >= entry->items) return false;
  const auto screen = entry->make(env, item);
  return screen->exec() == QDialog::Accepted;
}

}  // namespace tk48
