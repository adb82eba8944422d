#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The twelve signs in their fixed order; the order number (1..12) is also the
// sign's picture number among the deity pictures.
enum class SignName : std::uint8_t {
  AmonRa, Anubis, Bastet, Geb, Horus, Isis, Mut, TheNile, Osiris, Sekhmet, Seth, Thoth
};

inline constexpr int SignCount = 12;

inline constexpr std::array<SignName, SignCount> AllSigns{
  SignName::AmonRa, SignName::Anubis, SignName::Bastet, SignName::Geb,
  SignName::Horus,  SignName::Isis,   SignName::Mut,    SignName::TheNile,
  SignName::Osiris, SignName::Sekhmet, SignName::Seth,  SignName::Thoth};

// 1-based picture number of the sign's deity picture.
constexpr int PictureIndex(SignName sign) { return static_cast<int>(sign) + 1; }

// The caption a sign normally shows; one July row overrides it (see the calendar).
std::string_view SignCaption(SignName sign);

// The sign's name as the catalogue spells it ("Amon-Ra", "The Nile").
std::string_view SignDisplayName(SignName sign);

struct SignMatch {
  SignName sign;
  std::string_view caption;
  friend bool operator==(const SignMatch&, const SignMatch&) = default;
};

// Month and day are 0-based list positions (month 0 is January, day 0 is day 1).
// Returns nothing for a pair that falls in no calendar row, whatever the input.
std::optional<SignMatch> FindSign(std::int16_t monthPosition, std::int16_t dayPosition);
// The same for positions as a list hands them out: beyond 16 bits no
// position is a list's, and none falls in a row.
std::optional<SignMatch> FindSignAt(int monthPosition, int dayPosition);
