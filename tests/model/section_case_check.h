#pragma once
// Runs one ElementCase: the preparing elements must read cleanly; the element
// under test then either stores the expected value or changes nothing and
// raises the expected flag with its path.
#include <gtest/gtest.h>

#include <ostream>

#include "tests/model/section_doc.h"

namespace tk48::testing {

// gtest names a failing row by its element under test.
inline void PrintTo(const ElementCase& c, std::ostream* os) {
  *os << c.elements.back().first << " = \"" << c.elements.back().second << "\" -> " << ToString(c.outcome);
}

inline void CheckElementCase(const ElementCase& c) {
  const std::vector<Element> before(c.elements.begin(), c.elements.end() - 1);
  const Loaded prepared = Read(before);
  ASSERT_EQ(prepared.result.flags, 0u) << "preparing elements refused";
  const Loaded loaded = Read(c.elements);
  const Element& last = c.elements.back();
  SCOPED_TRACE(std::string(last.first) + " = \"" + std::string(last.second) + "\"");
  ASSERT_EQ(ToString(OutcomeOf(loaded.result)), std::string(ToString(c.outcome)));
  switch (c.outcome) {
    case Outcome::Stored:
      ASSERT_NE(c.get, nullptr);
      EXPECT_EQ(c.get(*loaded.record), c.want);
      break;
    case Outcome::Invalid:
    case Outcome::Unrecognised:
      EXPECT_TRUE(SameRecord(*prepared.record, *loaded.record)) << "the element changed the record";
      EXPECT_EQ(loaded.result.path, ReportedPath(c.where ? c.where : last.first));
      break;
    case Outcome::Fatal:
      break;
  }
}

}  // namespace tk48::testing
