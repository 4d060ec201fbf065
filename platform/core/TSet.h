#pragma once

#include <cstdint>
#include <initializer_list>

/// A small set over a scoped enum whose enumerators are bit numbers 0..31,
/// as the forms' set properties (font styles, shift state, sides) are.
/// Plain value type, any thread.
template <typename E>
class TSet {
public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E e : items) {
      m_bits |= Bit(e);
    }
  }
  static constexpr TSet FromBits(std::uint32_t bits) {
    TSet s;
    s.m_bits = bits;
    return s;
  }

  constexpr bool Contains(E e) const { return (m_bits & Bit(e)) != 0; }
  constexpr bool Empty() const { return m_bits == 0; }
  constexpr std::uint32_t Bits() const { return m_bits; }
  constexpr TSet& Include(E e) {
    m_bits |= Bit(e);
    return *this;
  }
  constexpr TSet& Exclude(E e) {
    m_bits &= ~Bit(e);
    return *this;
  }
  constexpr TSet operator|(TSet o) const { return FromBits(m_bits | o.m_bits); }
  constexpr TSet operator&(TSet o) const { return FromBits(m_bits & o.m_bits); }
  constexpr TSet operator-(TSet o) const { return FromBits(m_bits & ~o.m_bits); }
  friend constexpr bool operator==(TSet a, TSet b) { return a.m_bits == b.m_bits; }

private:
  static constexpr std::uint32_t Bit(E e) { return std::uint32_t(1) << static_cast<unsigned>(e); }
  std::uint32_t m_bits = 0;
};
