#pragma once
#include <cstdint>

#include "model/sections/common.h"

namespace tk48 {

// Values outside UPPER/LOWER are recorded as errors when MODE is USE.
struct PenBand {
  std::int32_t MODE;
  double UPPER;
  double LOWER;
};

struct LoggingPen {
  std::int32_t PEN_TYPE;       // NONE, AI, DI, PI, MA, MD, AO, DO, GDO
  std::int16_t CH;             // channel number within PEN_TYPE's family; 0 with NONE
  std::int32_t SAMPLING;       // INS / AVE / LAR / SMA
  PenBand BAND;
  std::int32_t ERR_MODE;       // PRE / FIXV / FIXC
  double ERR_VALUE;
  char ERR_CHAR[25];
};

struct LoggingOffset {
  std::uint8_t MIN;
  std::uint8_t SEC;
};

struct LoggingBlock {
  std::int32_t MODE;
  char HEADER1[3073];
  char HEADER2[3073];
  char HEADER3[3073];
  std::uint16_t LINE;
  LoggingPen PEN[128];         // PEN1..128
  std::int32_t AUTO;
  std::int32_t DATA_DELETE;
  std::int32_t CHAR_CODE;      // SJIS / UTF8
  std::int32_t RATE;           // SEC / MIN / HOUR
  std::int32_t SEC;            // 1, 2, 5, 10, 30 seconds
  std::int32_t MIN;            // 1, 2, 5, 10, 15, 30 minutes
  std::uint32_t HOUR;          // bit h = hour h
  std::uint8_t DATE_CHANGE;
  LoggingOffset OFFSET[24];    // OFFSET00..23
  std::uint8_t WDAY;           // bit 0 = Sunday
  std::int32_t ZEPHA;
};

struct LogMode {
  std::int32_t MODE;
};

struct LogModeCode {
  std::int32_t MODE;
  std::int32_t CHAR_CODE;      // SJIS / UTF8
};

struct EventBlock {
  std::int32_t DATA_DELETE;
  LogModeCode EVENT_LOG;
  LogMode SYSTEM_LOG;
  LogMode COM_LOG;
  LogModeCode SCHD_LOG;
};

struct ReportPen {
  std::int32_t PEN_TYPE;       // NONE, AI, PI, MA
  std::int16_t CH;
  std::int32_t SAMPLING;
  std::int32_t BASE;           // SUM / AVE / MAX / MIN
  PenBand BAND;
  std::int32_t ERR_MODE;
  double ERR_VALUE;
  char ERR_CHAR[25];
};

struct ReportBlock {
  std::int32_t MODE;
  std::int32_t DATA_DELETE;
  std::int32_t CHAR_CODE;
  char TITLE_DAY[97];
  char TITLE_MON[97];
  char TITLE_YEAR[97];
  ReportPen PEN[128];          // PEN1..128
  std::uint32_t MAIL[4];       // MAIL1..4: mail forms 1..128, written in decimal
  std::int32_t SEND_DAY;       // NONE / UPDATE / FIXED
  std::int32_t SEND_MON;
  std::int32_t SEND_YEAR;
  std::uint8_t DATE_CHANGE;
  std::uint8_t MONTH_CHANGE;
  std::uint8_t YEAR_CHANGE;
};

struct RecordSection {
  LoggingBlock LOGGING;
  EventBlock EVENT;
  ReportBlock REPORT;
};

}  // namespace tk48
