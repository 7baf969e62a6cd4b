#pragma once
// The reader's faults in the user's words: why a value was refused, and the
// faults of a read one per line. Built only when something went wrong.
#include <string>
#include <string_view>

#include "model/schema.h"

namespace tk48 {

// Why `field` refused `text` (a real or a count read through the real
// conversion: too long or out of its bounds). `base` is the parent's base.
std::string RefusedReason(const Node& field, std::string_view text, const unsigned char* base);

// A value as a fault shows it: cut to a readable length, never inside a character.
std::string ShownValue(std::string_view text);

}  // namespace tk48
