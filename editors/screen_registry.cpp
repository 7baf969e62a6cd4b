#include "editors/screen_registry.h"

#include "editors/CDlgBaseIpAddress.h"
#include "editors/CDlgBaseTk48cfg.h"
#include "editors/CDlgSetCom.h"
#include "editors/CDlgSetComFtpc.h"
#include "editors/CDlgSetComFtps.h"
#include "editors/CDlgSetComModbus.h"
#include "editors/CDlgSetComSmtp.h"
#include "editors/CDlgSetComSntp.h"
#include "editors/CDlgSetComWebAuth.h"
#include "editors/CDlgSetComWebAuthConf.h"
#include "editors/CDlgSetComWebAuthCtrl.h"
#include "editors/CDlgSetIo.h"
#include "editors/CDlgSetIoAiCh.h"
#include "editors/CDlgSetIoArea.h"
#include "editors/CDlgSetIoDiCh.h"
#include "editors/CDlgSetIoMaCh.h"
#include "editors/CDlgSetIoMdCh.h"
#include "editors/CDlgSetIoMdUsed.h"
#include "editors/CDlgSetIoPiCh.h"
#include "editors/CDlgSetIoDoUsed.h"
#include "editors/CDlgSetIoNode.h"
#include "editors/CDlgSetIoNodeCom.h"
#include "editors/CDlgSetIoNodeConf.h"
#include "editors/CDlgSetSystem.h"
#include "editors/editor_text.h"
#include "editors/standard_lists.h"
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

template <ListScreenSpec (*Spec)(SettingData&, UiPort&)>
std::unique_ptr<QDialog> MakeList(const ScreenEnv& env, int) {
  return std::make_unique<ListScreen>(env.parent, Spec(env.record, env.ui));
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
        CDlgSetIoArea(env.parent, env.record, zones, 460, item + 1, env.ui),
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

// A family list before its item editor exists: it lists, copies and pastes.
template <FamilyId F, int TitleId>
std::unique_ptr<QDialog> MakeFamilyList(const ScreenEnv& env, int) {
  return std::make_unique<ListScreen>(env.parent, FamilyListSpec(env.record, FamilyOf(F), {}, Tx(TitleId)));
}

constexpr ScreenEntry kScreens[] = {
    {"CDlgSetSystem", 1, &Make<CDlgSetSystem>},
    {"CDlgSetIo", 1, &Make<CDlgSetIo>},
    {"list:AI", 1, &MakeList<&AiListSpec>},
    {"list:DI", 1, &MakeList<&DiListSpec>},
    {"list:PI", 1, &MakeList<&PiListSpec>},
    {"list:MA", 1, &MakeList<&MaListSpec>},
    {"list:MD", 1, &MakeList<&MdListSpec>},
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
    {"CDlgSetIoNode", 1, &MakeList<&SlaveListSpec>},
    {"CDlgSetIoNodeCom", 1, &Make<CDlgSetIoNodeCom>},
    {"CDlgSetIoNodeConf", kNodeCount, &MakeItem<CDlgSetIoNodeConf>},
    {"CDlgSetIoAiCh", kAiCount, &MakeItem<CDlgSetIoAiCh>},
    {"CDlgSetIoArea", kAiCount, &MakeAiZones},
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
