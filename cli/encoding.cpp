// encoding.cpp: UTF-8 into Windows-1250 and Windows-1251, and a check that bytes are UTF-8.
// SPDX-License-Identifier: MIT
#include "encoding.h"

#include <algorithm>
#include <cstring>

namespace uslova::cli {
namespace {

using Upper = std::array<std::uint16_t, 128>;  // the character of each byte from 0x80, or 0

constexpr Upper kWindows1250 = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, 0x0000, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

constexpr Upper kWindows1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};

/// The byte of `character` in the page `upper`, or 0 for none.
char ByteOf(char32_t character, const Upper& upper) {
  if (character < 0x80) return static_cast<char>(character);
  const auto* found = std::find(upper.begin(), upper.end(), character);
  return found == upper.end() || character == 0 ? '\0'
                                                : static_cast<char>(0x80 + (found - upper.begin()));
}

}  // namespace

bool AppendEncoded(std::string& out, std::string_view utf8, Encoding encoding) {
  if (encoding == Encoding::Utf8) {
    out.append(utf8);
    return true;
  }
  const Upper& upper = encoding == Encoding::Windows1250 ? kWindows1250 : kWindows1251;
  bool whole = true;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {  // ASCII, as it is
      out += utf8[i++];
      continue;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    char32_t character = length == 1 ? 0 : lead & (0x7F >> length);
    bool formed = length > 1 && i + length <= utf8.size();
    for (std::size_t k = 1; formed && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      formed = (next & 0xC0) == 0x80;
      character = (character << 6) | (next & 0x3F);
    }
    const char byte = formed ? ByteOf(character, upper) : '\0';
    whole = whole && byte != '\0';
    out += byte != '\0' ? byte : '?';
    i += formed ? length : 1;
  }
  return whole;
}

void AppendDecoded(std::string& out, std::string_view bytes, Encoding encoding) {
  if (encoding == Encoding::Utf8) {
    out.append(bytes);
    return;
  }
  const Upper& upper = encoding == Encoding::Windows1250 ? kWindows1250 : kWindows1251;
  for (char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    const char32_t character = b < 0x80 ? b : upper[b - 0x80];
    if (character == 0 && b != 0) {
      out += '?';
    } else if (character < 0x80) {
      out += static_cast<char>(character);
    } else if (character < 0x800) {
      out += static_cast<char>(0xC0 | (character >> 6));
      out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (character >> 12));
      out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (character & 0x3F));
    }
  }
}

bool Utf8Check::feed(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size() && !failed_; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (pending_ != 0) {
      failed_ = byte < low_ || byte > high_;
      --pending_;
      low_ = 0x80;
      high_ = 0xBF;
      continue;
    }
    if (byte < 0x80) {
      // Eight ASCII bytes at a time, as most of an export is.
      while (i + 8 < bytes.size()) {
        std::uint64_t eight;
        std::memcpy(&eight, bytes.data() + i + 1, sizeof eight);
        if ((eight & 0x8080808080808080) != 0) break;
        i += 8;
      }
      continue;
    }
    if (byte >= 0xC2 && byte <= 0xDF) {
      pending_ = 1;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
      pending_ = 2;
      if (byte == 0xE0) low_ = 0xA0;   // no overlong form
      if (byte == 0xED) high_ = 0x9F;  // no surrogate
    } else if (byte >= 0xF0 && byte <= 0xF4) {
      pending_ = 3;
      if (byte == 0xF0) low_ = 0x90;
      if (byte == 0xF4) high_ = 0x8F;  // nothing past U+10FFFF
    } else {
      failed_ = true;
    }
  }
  return !failed_;
}

}  // namespace uslova::cli
