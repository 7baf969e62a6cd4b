#pragma once
// The IO section: slave nodes, input channels, function registers and outputs.
// Members are in declaration order; the file order lives in the schema
// (model/sections/io.cpp). Arrays of channels are 0-based here; the file
// numbers them from 1 (AI[0] is element AI1).
#include <cstdint>

#include "model/sections/common.h"

namespace tk48 {

inline constexpr int kNodeCount = 32;
inline constexpr int kAreaCount = 5;

// Keyword indices shared by the TYPE lists of AI, DI, PI, AO and DO.
inline constexpr std::int32_t kTypeNone = 0, kTypeCard = 1, kTypeModbusTcp = 2, kTypeSlmp = 3;
inline constexpr std::int32_t kAiDataInt = 1;   // AI_DATA_TYPE INT
inline constexpr std::int32_t kModeTcpSum = 0;  // PI MODE_TCP SUM

// ---- Slave nodes (IO.NODE_CONF), 0-based NODE0..NODE31 -----------------------
struct NodeConf {
  char NODE[kNodeCount][32];
  std::int32_t NODE_TYPE[kNodeCount];  // MODBUS_TCP, SLMP
  std::uint8_t DEV_ID[kNodeCount];
  std::int8_t SHAR_ID[kNodeCount];     // -1 = not shared
  std::uint16_t PORT[kNodeCount];
  // ERROUT%d: one reference per node, kinds and numbers kept in two arrays.
  std::int32_t ERROUT_KIND[kNodeCount];  // NONE, MD, DO, GDO
  std::int16_t ERROUT_NO[kNodeCount];
  std::int32_t INTERVAL;
  std::int32_t TIMEOUT;
  std::int32_t TRANSACTION;
  std::uint8_t SLMP_NO[kNodeCount];
  std::uint8_t SLMP_SS[kNodeCount];
  std::uint16_t SLMP_CPU[kNodeCount];
  std::uint8_t SLMP_DROP[kNodeCount];
  std::int32_t SLMP_TIMEOUT;
};

// ---- Blocks shared by several channel families -------------------------------

// One side (UPPER or LOWER) of an alarm area.
struct AreaEvent {
  std::int32_t EVENT_LOG;
  char MESSAGE[97];
  std::int16_t EVENT_NO;
  std::uint32_t MAIL[4];  // MAIL1..MAIL4: mail forms 1..128
};

// AREA1..AREA5 of an analog input, pulse input or analog function register.
struct AlarmArea {
  double LEVEL_LOWER;
  double LEVEL_UPPER;
  char AREA_NAME[97];
  std::uint32_t AREA_COLOR;
  AreaEvent LOWER;
  AreaEvent UPPER;
  std::uint32_t MD_ON[8];     // MD_ON1..8: MD 1..256
  std::uint32_t DO_ON[4];     // DO_ON1..4: DO 1..128
  std::uint32_t GDO_ON1;      // GDO 1..32
  std::uint32_t RESET_PI[4];  // RESET_PI1..4
  std::uint32_t RESET_MA[8];  // RESET_MA1..8
};

// STATUS.ON / STATUS.OFF of a discrete input or discrete function register.
struct StatusBlock {
  char DISP_STRING[25];
  std::uint32_t DISP_COLOR;
  std::int32_t EVENT_LOG;
  std::int16_t EVENT_NO;
  std::uint32_t MAIL[4];
  char MESSAGE[97];
  std::uint32_t RESET_PI[4];
  std::uint32_t RESET_MA[8];
  std::int16_t DELAY;
};

struct StatusPair {
  StatusBlock OFF;
  StatusBlock ON;
};

// STATUS.ON / STATUS.OFF of a discrete output or grouped discrete output.
struct OutputStatus {
  char DISP_STRING[25];
  std::uint32_t DISP_COLOR;
};

struct OutputStatusPair {
  OutputStatus OFF;
  OutputStatus ON;
};

// ---- Input channels ------------------------------------------------------------

struct AiCh {
  std::int32_t TYPE;  // NONE, CARD, MODBUS_TCP, SLMP, REG, TIME, DEMO_SIN, DEMO_PULSE
  std::int16_t CARD_NO;
  std::int16_t CARD_CH;
  std::int16_t MOD_NODE;
  std::uint8_t MOD_TYPE;
  std::uint32_t MOD_ADDRESS;
  std::uint16_t SLMP_DEV_CODE;
  std::uint32_t SLMP_DEV_NO;
  std::int32_t TIME_TYPE;
  char NAME[49];
  char COMMENT[49];
  std::int32_t AI_DATA_TYPE;  // PERCENT, INT, UINT
  std::int32_t FILTER;
  std::uint32_t MOVING_AVERAGE;
  std::uint32_t T;
  double SCALE_100;
  double SCALE_0;
  double SCALE;
  std::int16_t POINT;
  char UNIT[25];
  std::int16_t USE_AREAS;
  AlarmArea AREA[kAreaCount];
};

struct DiCh {
  std::int32_t TYPE;  // NONE, CARD, MODBUS_TCP, SLMP, AI, REG, DEMO
  std::int16_t CARD_NO;
  std::int16_t CARD_CH;
  std::int16_t MOD_NODE;
  std::uint8_t MOD_TYPE;
  std::uint32_t MOD_ADDRESS;
  std::uint16_t SLMP_DEV_CODE;
  std::uint32_t SLMP_DEV_NO;
  std::uint16_t AI_CH;
  std::uint16_t AI_BIT;
  char NAME[49];
  char COMMENT[49];
  std::int32_t INVERT;
  StatusPair STATUS;
};

struct PiWidth {
  std::uint32_t LOW;
  std::uint32_t HIGH;
};

struct PiAnalogSum {
  std::uint8_t TARGET_CH;
  std::int32_t RATE;
  std::int32_t UNIT;  // MIN, HOUR, DAY
  std::int16_t DROPOUT;
};

struct PiBinarySum {
  std::uint8_t TARGET_CH;
};

struct PiCh {
  std::int32_t TYPE;  // NONE, CARD, MODBUS_TCP, SLMP, DI, REG, ANALOG_SUM, BINARY_SUM, DEMO
  std::int16_t CARD_NO;
  std::int16_t CARD_CH;
  std::int16_t MOD_NODE;
  std::uint8_t MOD_TYPE;
  std::uint32_t MOD_ADDRESS;
  std::uint16_t SLMP_DEV_CODE;
  std::uint32_t SLMP_DEV_NO;
  std::int32_t SWAP;
  std::int32_t SLMP_SW;
  std::int16_t DI_CH;
  char NAME[49];
  char COMMENT[49];
  std::int32_t FILTER;
  std::uint32_t MOVING_AVERAGE;
  std::uint32_t T;
  double SCALE;
  std::int16_t POINT;
  char UNIT[25];
  std::int32_t MODE;      // SUM, REAL
  std::int32_t RNG;
  std::int32_t MODE_TCP;  // SUM, REAL, FLOAT
  std::int32_t MODE_DI;   // ON, OFF, UP, DOWN
  PiWidth WIDTH;
  PiAnalogSum ANALOG_SUM;
  PiBinarySum BINARY_SUM;
  std::int16_t USE_AREAS;
  AlarmArea AREA[kAreaCount];
};

// ---- Function registers --------------------------------------------------------

struct MaConst {
  double K[8];  // K0..K7
  double A[8];  // A0..A7
};

struct MaInput {
  ChannelRef X[8];  // X0..X7: AI, DI, PI, MA (no empty kind)
};

struct MaCh {
  std::int32_t TYPE;
  MaConst CONST;
  MaInput INPUT;
  char NAME[49];
  char COMMENT[49];
  std::int32_t WEB;
  double WEB_LOWER;
  double WEB_UPPER;
  std::int16_t POINT;
  double INIT;
  std::int32_t BACKUP;
  char UNIT[25];
  std::int16_t USE_AREAS;
  AlarmArea AREA[kAreaCount];
};

struct MdConst {
  std::int16_t K1;
};

struct MdInputCont {
  ChannelRef CH;  // DI, MD
  std::uint8_t CN;
};

struct MdCh {
  std::int32_t TYPE;  // NONE, EQUAL, AND, OR, XOR, NOT, RUN
  char NAME[49];
  char COMMENT[49];
  ChannelRef INPUT1;  // DI, MD
  ChannelRef INPUT2;
  MdConst CONST;
  MdInputCont INPUT_CONT;
  std::int32_t WEB;
  std::int32_t BACKUP;
  StatusPair STATUS;
};

// ---- Outputs -------------------------------------------------------------------

struct AoMapping {
  std::int32_t MODE;     // NONE, ANALOG, DIGITAL
  ChannelRef ANALOG;     // AI, MA
  ChannelRef BIT[16];    // BIT0..BIT15: LOW, HIGH (no number), DI, MD
};

struct AoCh {
  std::int32_t TYPE;  // NONE, CARD, MODBUS_TCP, SLMP
  std::int16_t CARD_NO;
  std::int16_t CARD_CH;
  std::int16_t MOD_NODE;
  std::uint8_t MOD_TYPE;
  std::uint32_t MOD_ADDRESS;
  std::uint16_t SLMP_DEV_CODE;
  std::uint32_t SLMP_DEV_NO;
  char NAME[49];
  char COMMENT[49];
  std::int32_t WEB;
  double WEB_LOWER;
  double WEB_UPPER;
  double WEB_SCALE;  // the one four-decimal field
  std::int16_t WEB_POINT;
  char UNIT[25];
  std::int16_t INIT;  // any integer, kept as its low 16 bits
  AoMapping IO_MAPPING;
};

struct DoCh {
  std::int32_t TYPE;  // NONE, CARD, MODBUS_TCP, SLMP
  std::int16_t CARD_NO;
  std::int16_t CARD_CH;
  std::int16_t MOD_NODE;
  std::uint8_t MOD_TYPE;
  std::uint32_t MOD_ADDRESS;
  std::uint16_t SLMP_DEV_CODE;
  std::uint32_t SLMP_DEV_NO;
  char NAME[49];
  char COMMENT[49];
  OutputStatusPair STATUS;
  std::int32_t INVERT;
  ChannelRef IO_MAPPING;  // NONE, DI, MD
  std::int32_t WEB;
};

struct GdoCh {
  std::int32_t MODE;
  char NAME[49];
  char COMMENT[49];
  OutputStatusPair STATUS;
  ChannelRef CH[32];      // CH1..CH32: NONE, DO, MD
  ChannelRef IO_MAPPING;  // NONE, DI, MD
  std::int32_t WEB;
};

struct IoSection {
  NodeConf NODE_CONF;
  AiCh AI[kAiCount];
  DiCh DI[kDiCount];
  PiCh PI[kPiCount];
  MaCh MA[kMaCount];
  MdCh MD[kMdCount];
  AoCh AO[kAoCount];
  DoCh DO[kDoCount];
  GdoCh GDO[kGdoCount];
};

}  // namespace tk48
