#include <climits>
#include <cstddef>

#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {
using namespace schema;

namespace {

constexpr std::uint32_t kWord = sizeof(std::uint32_t);
constexpr std::uint32_t kRefSize = sizeof(ChannelRef);

// ---- Keyword lists and family lists (index = stored value) ---------------------

constexpr Family kNone{"NONE", 0, true};

// Built on first use, so the schema may be built from any static initialiser.
struct Lists {
  Keywords nodeType{"MODBUS_TCP", "SLMP"};
  Keywords aiType{"NONE", "CARD", "MODBUS_TCP", "SLMP", "REG", "TIME", "DEMO_SIN", "DEMO_PULSE"};
  Keywords timeType{"MON", "DAY", "HOUR", "MIN", "SEC", "WDAY"};
  Keywords aiDataType{"PERCENT", "INT", "UINT"};
  Keywords filter{"NONE", "AVERAGE", "SINGLE"};
  Keywords diType{"NONE", "CARD", "MODBUS_TCP", "SLMP", "AI", "REG", "DEMO"};
  Keywords piType{"NONE", "CARD", "MODBUS_TCP", "SLMP", "DI", "REG", "ANALOG_SUM", "BINARY_SUM", "DEMO"};
  Keywords piMode{"SUM", "REAL"};
  Keywords piModeTcp{"SUM", "REAL", "FLOAT"};
  Keywords piModeDi{"ON", "OFF", "UP", "DOWN"};
  Keywords sumUnit{"MIN", "HOUR", "DAY"};
  Keywords maType{"NONE", "ADD", "MUL", "DIV", "SQRT", "AVERAGE", "SINGLE", "MAX", "MIN",
                  "EXP", "LOG", "LN", "ANALOG_SUM", "POWER", "F_VALUE", "SCALE", "LIMIT"};
  Keywords mdType{"NONE", "EQUAL", "AND", "OR", "XOR", "NOT", "RUN"};
  Keywords outType{"NONE", "CARD", "MODBUS_TCP", "SLMP"};
  Keywords aoMode{"NONE", "ANALOG", "DIGITAL"};

  Families errOut{kNone, {"MD", kMdCount}, {"DO", kDoCount}, {"GDO", kGdoCount}};
  // No NONE in these: kind 0 is a real family, written with its number.
  Families maInput{{"AI", kAiCount}, {"DI", kDiCount}, {"PI", kPiCount}, {"MA", kMaCount}};
  Families mdInput{{"DI", kDiCount}, {"MD", kMdCount}};
  Families aoAnalog{{"AI", kAiCount}, {"MA", kMaCount}};
  Families aoBit{{"LOW", 0, true, true}, {"HIGH", 0, true, true}, {"DI", kDiCount}, {"MD", kMdCount}};
  Families outMapping{kNone, {"DI", kDiCount}, {"MD", kMdCount}};
  Families gdoMember{kNone, {"DO", kDoCount}, {"MD", kMdCount}};

  std::vector<std::int32_t> movingAverage{4, 8, 16, 32, 64};
  std::vector<std::int32_t> useAreas{0, 2, 3, 4, 5};
};

const Lists& L() {
  static const Lists lists;
  return lists;
}

// ---- Small builders --------------------------------------------------------------

// A reference held in a ChannelRef.
Node RefAt(std::string name, std::uint32_t offset, const Families& families, std::int64_t defKind = 0,
           std::int16_t defNo = 0) {
  return Ref(std::move(name), offset, offset + offsetof(ChannelRef, no), families, defKind, defNo);
}

// WORD1..WORDn bit-set words.
Node Bits(std::string stem, std::uint32_t offset, std::uint16_t count) {
  return Array(Hex(std::move(stem), offset), count, 1, kWord);
}

// Any integer, kept as its low 16 bits.
Node Low16(std::string name, std::uint32_t offset) {
  return Int(std::move(name), offset, Width::S16, INT32_MIN, INT32_MAX, 0);
}

// CARD_NO..SLMP_DEV_NO of the channels that address a point: AI, DI, PI, AO, DO.
template <class Ch>
std::vector<Node> PointFields(std::int64_t cardChMax, std::vector<std::int32_t> modTypes, std::int64_t modTypeDef,
                              std::int64_t addressMax) {
  return {Int("CARD_NO", offsetof(Ch, CARD_NO), Width::S16, 1, 16, 1),
          Int("CARD_CH", offsetof(Ch, CARD_CH), Width::S16, 1, cardChMax, 1),
          Int("MOD_NODE", offsetof(Ch, MOD_NODE), Width::S16, 0, kNodeCount - 1, 0),
          IntSet("MOD_TYPE", offsetof(Ch, MOD_TYPE), Width::U8, std::move(modTypes), modTypeDef),
          Int("MOD_ADDRESS", offsetof(Ch, MOD_ADDRESS), Width::U32, 1, addressMax, 1, Fmt::UDec),
          Int("SLMP_DEV_CODE", offsetof(Ch, SLMP_DEV_CODE), Width::U16, 0, 65535, 0),
          Int("SLMP_DEV_NO", offsetof(Ch, SLMP_DEV_NO), Width::U32, 0, UINT32_MAX, 0, Fmt::UDec)};
}

template <class Ch>
void NameAndComment(std::vector<Node>& fields, const char* pattern) {
  fields.push_back(Text("NAME", offsetof(Ch, NAME), 49, pattern));
  fields.push_back(Text("COMMENT", offsetof(Ch, COMMENT), 49, pattern));
}

void Append(std::vector<Node>& to, std::vector<Node> more) {
  for (Node& n : more) to.push_back(std::move(n));
}

// ---- Shared blocks -------------------------------------------------------------

Node AreaEventSchema(const char* name, std::uint32_t offset) {
  return Container(name, offset,
                   {Kw("EVENT_LOG", offsetof(AreaEvent, EVENT_LOG), NoUseUse(), 1),
                    Text("MESSAGE", offsetof(AreaEvent, MESSAGE), 97, "NAME%d"),
                    Int("EVENT_NO", offsetof(AreaEvent, EVENT_NO), Width::S16, 1, 64, 1),
                    Bits("MAIL", offsetof(AreaEvent, MAIL), 4)});
}

// AREA5 .. AREA1; area k spans 20 * (k - 1) to 20 * k by default.
Node AreasSchema(std::uint32_t offset) {
  Node areas = Repeated(
      "AREA", offset, kAreaCount, 1, sizeof(AlarmArea),
      {Real("LEVEL_UPPER", offsetof(AlarmArea, LEVEL_UPPER), 0, 20),
       Real("LEVEL_LOWER", offsetof(AlarmArea, LEVEL_LOWER), -20, 20),
       Text("AREA_NAME", offsetof(AlarmArea, AREA_NAME), 97, "NAME%d"),
       Hex("AREA_COLOR", offsetof(AlarmArea, AREA_COLOR)),
       AreaEventSchema("UPPER", offsetof(AlarmArea, UPPER)),
       AreaEventSchema("LOWER", offsetof(AlarmArea, LOWER)),
       Bits("MD_ON", offsetof(AlarmArea, MD_ON), 8),
       Bits("DO_ON", offsetof(AlarmArea, DO_ON), 4),
       Hex("GDO_ON1", offsetof(AlarmArea, GDO_ON1)),
       Bits("RESET_PI", offsetof(AlarmArea, RESET_PI), 4),
       Bits("RESET_MA", offsetof(AlarmArea, RESET_MA), 8)});
  areas.descending = true;
  return areas;
}

Node StatusSideSchema(const char* name, std::uint32_t offset) {
  return Container(name, offset,
                   {Text("DISP_STRING", offsetof(StatusBlock, DISP_STRING), 25, name),
                    Hex("DISP_COLOR", offsetof(StatusBlock, DISP_COLOR)),
                    Kw("EVENT_LOG", offsetof(StatusBlock, EVENT_LOG), NoUseUse(), 1),
                    Int("EVENT_NO", offsetof(StatusBlock, EVENT_NO), Width::S16, 1, 64, 1),
                    Text("MESSAGE", offsetof(StatusBlock, MESSAGE), 97, name),
                    Bits("MAIL", offsetof(StatusBlock, MAIL), 4),
                    Bits("RESET_PI", offsetof(StatusBlock, RESET_PI), 4),
                    Bits("RESET_MA", offsetof(StatusBlock, RESET_MA), 8),
                    Int("DELAY", offsetof(StatusBlock, DELAY), Width::S16, 0, 999, 0)});
}

Node StatusSchema(std::uint32_t offset) {
  return Container("STATUS", offset,
                   {StatusSideSchema("ON", offsetof(StatusPair, ON)), StatusSideSchema("OFF", offsetof(StatusPair, OFF))});
}

Node OutputStatusSideSchema(const char* name, std::uint32_t offset) {
  return Container(name, offset,
                   {Text("DISP_STRING", offsetof(OutputStatus, DISP_STRING), 25, name),
                    Hex("DISP_COLOR", offsetof(OutputStatus, DISP_COLOR))});
}

Node OutputStatusSchema(std::uint32_t offset) {
  return Container("STATUS", offset,
                   {OutputStatusSideSchema("ON", offsetof(OutputStatusPair, ON)),
                    OutputStatusSideSchema("OFF", offsetof(OutputStatusPair, OFF))});
}

// A family container holding its numbered channels: <AI><AI1>..</AI1>..</AI>.
template <class Ch>
Node Channels(const char* stem, std::uint32_t offset, std::uint16_t count, std::vector<Node> fields) {
  return Container(stem, offset, {Repeated(stem, 0, count, 1, sizeof(Ch), std::move(fields))});
}

// ---- Sections --------------------------------------------------------------------

Node NodeConfSchema() {
  using N = NodeConf;
  auto array = [](Node field, std::uint32_t stride, std::uint32_t numStride = 0) {
    return Array(std::move(field), kNodeCount, 0, stride, numStride);
  };
  return Container(
      "NODE_CONF", offsetof(IoSection, NODE_CONF),
      {array(Text("NODE", offsetof(N, NODE), 32), sizeof(N::NODE[0])),
       array(Kw("NODE_TYPE", offsetof(N, NODE_TYPE), L().nodeType), sizeof(N::NODE_TYPE[0])),
       array(Int("DEV_ID", offsetof(N, DEV_ID), Width::U8, 0, 255, 0), sizeof(N::DEV_ID[0])),
       array(Int("SHAR_ID", offsetof(N, SHAR_ID), Width::S8, -1, 31, -1), sizeof(N::SHAR_ID[0])),
       array(Int("PORT", offsetof(N, PORT), Width::U16, 0, 65535, 502), sizeof(N::PORT[0])),
       array(Ref("ERROUT", offsetof(N, ERROUT_KIND), offsetof(N, ERROUT_NO), L().errOut), sizeof(N::ERROUT_KIND[0]),
             sizeof(N::ERROUT_NO[0])),
       Int("INTERVAL", offsetof(N, INTERVAL), Width::S32, 100, 10000, 100),
       Int("TIMEOUT", offsetof(N, TIMEOUT), Width::S32, 1, 10, 1),
       Kw("TRANSACTION", offsetof(N, TRANSACTION), NoUseUse(), 1),
       array(Int("SLMP_NO", offsetof(N, SLMP_NO), Width::U8, 0, 255, 0), sizeof(N::SLMP_NO[0])),
       array(Int("SLMP_SS", offsetof(N, SLMP_SS), Width::U8, 1, 255, 255), sizeof(N::SLMP_SS[0])),
       array(Int("SLMP_CPU", offsetof(N, SLMP_CPU), Width::U16, 0, 65535, 1023), sizeof(N::SLMP_CPU[0])),
       array(Int("SLMP_DROP", offsetof(N, SLMP_DROP), Width::U8, 0, 255, 0), sizeof(N::SLMP_DROP[0])),
       Int("SLMP_TIMEOUT", offsetof(N, SLMP_TIMEOUT), Width::S32, 1, 60, 1)});
}

Node AiSchema() {
  std::vector<Node> f{Kw("TYPE", offsetof(AiCh, TYPE), L().aiType)};
  Append(f, PointFields<AiCh>(4, {3, 4}, 3, 65536));
  f.push_back(Kw("TIME_TYPE", offsetof(AiCh, TIME_TYPE), L().timeType));
  NameAndComment<AiCh>(f, "AI%d");
  Append(f, {Kw("AI_DATA_TYPE", offsetof(AiCh, AI_DATA_TYPE), L().aiDataType),
             Kw("FILTER", offsetof(AiCh, FILTER), L().filter),
             IntSet("MOVING_AVERAGE", offsetof(AiCh, MOVING_AVERAGE), Width::U32, L().movingAverage, 4, Fmt::UDec),
             Int("T", offsetof(AiCh, T), Width::U32, 0, 100, 0, Fmt::UDec),
             Real("SCALE_100", offsetof(AiCh, SCALE_100), 100),
             Real("SCALE_0", offsetof(AiCh, SCALE_0), 0),
             Real("SCALE", offsetof(AiCh, SCALE), 0.01),
             Int("POINT", offsetof(AiCh, POINT), Width::S16, 0, 3, 2),
             Text("UNIT", offsetof(AiCh, UNIT), 25, "%"),
             IntSet("USE_AREAS", offsetof(AiCh, USE_AREAS), Width::S16, L().useAreas, 0),
             AreasSchema(offsetof(AiCh, AREA))});
  return Channels<AiCh>("AI", offsetof(IoSection, AI), kAiCount, std::move(f));
}

Node DiSchema() {
  std::vector<Node> f{Kw("TYPE", offsetof(DiCh, TYPE), L().diType)};
  Append(f, PointFields<DiCh>(16, {0, 1}, 1, 65536));
  Append(f, {Int("AI_CH", offsetof(DiCh, AI_CH), Width::U16, 1, kAiCount, 1),
             Int("AI_BIT", offsetof(DiCh, AI_BIT), Width::U16, 0, 15, 0)});
  NameAndComment<DiCh>(f, "DI%d");
  Append(f, {Kw("INVERT", offsetof(DiCh, INVERT), InvalidActive()), StatusSchema(offsetof(DiCh, STATUS))});
  return Channels<DiCh>("DI", offsetof(IoSection, DI), kDiCount, std::move(f));
}

Node PiSchema() {
  std::vector<Node> f{Kw("TYPE", offsetof(PiCh, TYPE), L().piType)};
  Append(f, PointFields<PiCh>(4, {3, 4}, 3, 65535));
  // SWAP is written between MOD_ADDRESS and SLMP_DEV_CODE.
  f.insert(f.begin() + 6, Kw("SWAP", offsetof(PiCh, SWAP), InvalidActive(), 1));
  Node low = Int("LOW", offsetof(PiWidth, LOW), Width::U32, 0, UINT32_MAX, 1, Fmt::UDec);
  Node high = Int("HIGH", offsetof(PiWidth, HIGH), Width::U32, 0, UINT32_MAX, 100000000, Fmt::UDec);
  low.viaReal = high.viaReal = true;
  Append(f, {Kw("SLMP_SW", offsetof(PiCh, SLMP_SW), InvalidActive()),
             Int("DI_CH", offsetof(PiCh, DI_CH), Width::S16, 1, kDiCount, 1)});
  NameAndComment<PiCh>(f, "PI%d");
  Append(f, {Kw("FILTER", offsetof(PiCh, FILTER), L().filter),
             IntSet("MOVING_AVERAGE", offsetof(PiCh, MOVING_AVERAGE), Width::U32, L().movingAverage, 4, Fmt::UDec),
             Int("T", offsetof(PiCh, T), Width::U32, 0, 100, 0, Fmt::UDec),
             Real("SCALE", offsetof(PiCh, SCALE), 1),
             Int("POINT", offsetof(PiCh, POINT), Width::S16, 0, 3, 0),
             Text("UNIT", offsetof(PiCh, UNIT), 25, "count"),
             Kw("MODE", offsetof(PiCh, MODE), L().piMode),
             Kw("RNG", offsetof(PiCh, RNG), NoUseUse()),
             Kw("MODE_TCP", offsetof(PiCh, MODE_TCP), L().piModeTcp),
             Kw("MODE_DI", offsetof(PiCh, MODE_DI), L().piModeDi),
             Container("WIDTH", offsetof(PiCh, WIDTH), {std::move(low), std::move(high)}),
             Container("ANALOG_SUM", offsetof(PiCh, ANALOG_SUM),
                       {Int("TARGET_CH", offsetof(PiAnalogSum, TARGET_CH), Width::U8, 1, kAiCount, 1),
                        Int("RATE", offsetof(PiAnalogSum, RATE), Width::S32, 0, 10000, 10000),
                        Kw("UNIT", offsetof(PiAnalogSum, UNIT), L().sumUnit),
                        Int("DROPOUT", offsetof(PiAnalogSum, DROPOUT), Width::S16, 0, 12000, 0)}),
             Container("BINARY_SUM", offsetof(PiCh, BINARY_SUM),
                       {Int("TARGET_CH", offsetof(PiBinarySum, TARGET_CH), Width::U8, 1, kPiCount, 1)}),
             IntSet("USE_AREAS", offsetof(PiCh, USE_AREAS), Width::S16, L().useAreas, 0),
             AreasSchema(offsetof(PiCh, AREA))});
  return Channels<PiCh>("PI", offsetof(IoSection, PI), kPiCount, std::move(f));
}

Node MaSchema() {
  std::vector<Node> f{
      Kw("TYPE", offsetof(MaCh, TYPE), L().maType),
      Container("CONST", offsetof(MaCh, CONST),
                {Array(Real("K", offsetof(MaConst, K), 0), 8, 0, sizeof(double)),
                 Array(Real("A", offsetof(MaConst, A), 0), 8, 0, sizeof(double))}),
      Container("INPUT", offsetof(MaCh, INPUT),
                {Array(RefAt("X", offsetof(MaInput, X), L().maInput, 0, 1), 8, 0, kRefSize, kRefSize)})};
  NameAndComment<MaCh>(f, "MA%d");
  Append(f, {Kw("WEB", offsetof(MaCh, WEB), NoUseUse(), 1),
             Real("WEB_LOWER", offsetof(MaCh, WEB_LOWER), 0),
             Real("WEB_UPPER", offsetof(MaCh, WEB_UPPER), 100),
             Int("POINT", offsetof(MaCh, POINT), Width::S16, 0, 3, 0),
             Text("UNIT", offsetof(MaCh, UNIT), 25, "%"),
             Real("INIT", offsetof(MaCh, INIT), 0),
             Kw("BACKUP", offsetof(MaCh, BACKUP), NoUseUse()),
             IntSet("USE_AREAS", offsetof(MaCh, USE_AREAS), Width::S16, L().useAreas, 0),
             AreasSchema(offsetof(MaCh, AREA))});
  return Channels<MaCh>("MA", offsetof(IoSection, MA), kMaCount, std::move(f));
}

Node MdSchema() {
  std::vector<Node> f{Kw("TYPE", offsetof(MdCh, TYPE), L().mdType)};
  NameAndComment<MdCh>(f, "MD%d");
  Append(f, {RefAt("INPUT1", offsetof(MdCh, INPUT1), L().mdInput, 0, 1),
             RefAt("INPUT2", offsetof(MdCh, INPUT2), L().mdInput, 0, 1),
             Container("CONST", offsetof(MdCh, CONST), {Int("K1", offsetof(MdConst, K1), Width::S16, 0, 999, 0)}),
             Container("INPUT_CONT", offsetof(MdCh, INPUT_CONT),
                       {RefAt("CH", offsetof(MdInputCont, CH), L().mdInput, 0, 1),
                        Int("CN", offsetof(MdInputCont, CN), Width::U8, 0, 16, 0)}),
             Kw("WEB", offsetof(MdCh, WEB), NoUseUse(), 1),
             Kw("BACKUP", offsetof(MdCh, BACKUP), NoUseUse()),
             StatusSchema(offsetof(MdCh, STATUS))});
  return Channels<MdCh>("MD", offsetof(IoSection, MD), kMdCount, std::move(f));
}

Node AoSchema() {
  std::vector<Node> f{Kw("TYPE", offsetof(AoCh, TYPE), L().outType)};
  Append(f, PointFields<AoCh>(4, {4}, 4, 65536));
  NameAndComment<AoCh>(f, "AO%d");
  Node scale = Real("WEB_SCALE", offsetof(AoCh, WEB_SCALE), 0.01);
  scale.fmt = Fmt::F4;
  scale.maxRealChars = 17;
  Append(f, {Kw("WEB", offsetof(AoCh, WEB), NoUseUse(), 1),
             Real("WEB_LOWER", offsetof(AoCh, WEB_LOWER), 0),
             Real("WEB_UPPER", offsetof(AoCh, WEB_UPPER), 100),
             std::move(scale),
             Int("WEB_POINT", offsetof(AoCh, WEB_POINT), Width::S16, 0, 3, 2),
             Text("UNIT", offsetof(AoCh, UNIT), 25, "%"),
             Low16("INIT", offsetof(AoCh, INIT)),
             Container("IO_MAPPING", offsetof(AoCh, IO_MAPPING),
                       {Kw("MODE", offsetof(AoMapping, MODE), L().aoMode),
                        RefAt("ANALOG", offsetof(AoMapping, ANALOG), L().aoAnalog, 0, 1),
                        Array(RefAt("BIT", offsetof(AoMapping, BIT), L().aoBit, 0, 1), 16, 0, kRefSize, kRefSize)})});
  return Channels<AoCh>("AO", offsetof(IoSection, AO), kAoCount, std::move(f));
}

Node DoSchema() {
  std::vector<Node> f{Kw("TYPE", offsetof(DoCh, TYPE), L().outType)};
  Append(f, PointFields<DoCh>(16, {0}, 0, 65536));
  NameAndComment<DoCh>(f, "DO%d");
  Append(f, {OutputStatusSchema(offsetof(DoCh, STATUS)),
             Kw("INVERT", offsetof(DoCh, INVERT), InvalidActive()),
             RefAt("IO_MAPPING", offsetof(DoCh, IO_MAPPING), L().outMapping),
             Kw("WEB", offsetof(DoCh, WEB), NoUseUse(), 1)});
  return Channels<DoCh>("DO", offsetof(IoSection, DO), kDoCount, std::move(f));
}

Node GdoSchema() {
  std::vector<Node> f;
  NameAndComment<GdoCh>(f, "GDO%d");
  Append(f, {Kw("MODE", offsetof(GdoCh, MODE), NoUseUse()),
             OutputStatusSchema(offsetof(GdoCh, STATUS)),
             Array(RefAt("CH", offsetof(GdoCh, CH), L().gdoMember), 32, 1, kRefSize, kRefSize),
             RefAt("IO_MAPPING", offsetof(GdoCh, IO_MAPPING), L().outMapping),
             Kw("WEB", offsetof(GdoCh, WEB), NoUseUse(), 1)});
  return Channels<GdoCh>("GDO", offsetof(IoSection, GDO), kGdoCount, std::move(f));
}

}  // namespace

Node IoSchema() {
  return Container("IO", offsetof(SettingData, IO),
                   {NodeConfSchema(), AiSchema(), DiSchema(), PiSchema(), MaSchema(), MdSchema(), AoSchema(),
                    DoSchema(), GdoSchema()});
}

}  // namespace tk48
