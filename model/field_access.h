#pragma once
// Raw access to a field's storage as the schema describes it. The record is a
// plain struct; these read and write a field's bytes at a schema offset.
#include <cstdint>
#include <cstring>

#include "model/schema.h"

namespace tk48 {

// The stored integer, widened to 64 bits (signed widths sign-extended).
inline std::int64_t LoadInt(const unsigned char* p, Width w) {
  switch (w) {
    case Width::U8: return *p;
    case Width::S8: return static_cast<std::int8_t>(*p);
    case Width::U16: { std::uint16_t v; std::memcpy(&v, p, 2); return v; }
    case Width::S16: { std::int16_t v; std::memcpy(&v, p, 2); return v; }
    case Width::U32: { std::uint32_t v; std::memcpy(&v, p, 4); return v; }
    case Width::S32: { std::int32_t v; std::memcpy(&v, p, 4); return v; }
  }
  return 0;
}

// Stores the low bits of `v` in the field's width.
inline void StoreInt(unsigned char* p, Width w, std::int64_t v) {
  switch (w) {
    case Width::U8: case Width::S8: *p = static_cast<std::uint8_t>(v); break;
    case Width::U16: case Width::S16: { auto x = static_cast<std::uint16_t>(v); std::memcpy(p, &x, 2); break; }
    case Width::U32: case Width::S32: { auto x = static_cast<std::uint32_t>(v); std::memcpy(p, &x, 4); break; }
  }
}

inline std::int32_t LoadI32(const unsigned char* p) { std::int32_t v; std::memcpy(&v, p, 4); return v; }
inline void StoreI32(unsigned char* p, std::int32_t v) { std::memcpy(p, &v, 4); }
inline std::int16_t LoadI16(const unsigned char* p) { std::int16_t v; std::memcpy(&v, p, 2); return v; }
inline void StoreI16(unsigned char* p, std::int16_t v) { std::memcpy(p, &v, 2); }
inline double LoadReal(const unsigned char* p) { double v; std::memcpy(&v, p, 8); return v; }
inline void StoreReal(unsigned char* p, double v) { std::memcpy(p, &v, 8); }

// Storage width of the value of a non-Int kind.
inline Width StorageWidth(const Node& n) {
  switch (n.kind) {
    case Kind::Int: case Kind::MdNumber: case Kind::PenChannel: return n.width;
    default: return Width::S32;
  }
}

// Where item `i` of a field lives, given its parent's base.
struct FieldSlot {
  unsigned char* value;
  unsigned char* number;  // Ref only
};
inline FieldSlot SlotOf(const Node& n, unsigned char* base, std::size_t i) {
  FieldSlot s{base + n.offset + i * n.stride, nullptr};
  if (n.kind == Kind::Ref) s.number = base + n.numOffset + i * (n.numStride ? n.numStride : n.stride);
  return s;
}

// Calls f(node, slot, number, ordinal) for every field item under `n` in file
// order; `number` is the number of the innermost numbered element around or at
// the field, `ordinal` its 0-based position among its siblings.
template <class F>
void VisitFields(const Node& n, unsigned char* base, std::int32_t number, std::size_t ordinal, F&& f) {
  if (n.kind == Kind::Group) {
    for (std::size_t i = 0; i < n.count; ++i)
      for (const Node& c : n.children) f(c, SlotOf(c, base, i), n.Number(i), i);
    return;
  }
  if (n.IsField()) {
    for (std::size_t i = 0; i < n.count; ++i)
      f(n, SlotOf(n, base, i), n.numbered ? n.Number(i) : number, n.numbered ? i : ordinal);
    return;
  }
  for (std::size_t i = 0; i < n.count; ++i) {
    unsigned char* item = base + n.offset + i * n.stride;
    for (const Node& c : n.children)
      VisitFields(c, item, n.numbered ? n.Number(i) : number, n.numbered ? i : ordinal, f);
  }
}

}  // namespace tk48
