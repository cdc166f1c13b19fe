// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <streambuf>
#include <string>
#include <string_view>

// SHA-256, fed piece by piece, so that gigabytes of output can be checked without keeping them.
class Sha256 {
 public:
  Sha256();
  void add(std::string_view bytes);
  // The digest in lower-case hexadecimal; the object is used up.
  [[nodiscard]] std::string finish();

 private:
  void compress(const unsigned char* block);

  std::array<std::uint32_t, 8> state_;
  std::array<unsigned char, 64> pending_{};
  std::size_t pendingSize_ = 0;
  std::uint64_t totalBytes_ = 0;
};

// An output stream buffer that hashes what is written to it and keeps nothing.
class Sha256Buffer final : public std::streambuf {
 public:
  [[nodiscard]] std::string finish() { return hash_.finish(); }

 protected:
  std::streamsize xsputn(const char* bytes, std::streamsize count) override {
    hash_.add(std::string_view(bytes, static_cast<std::size_t>(count)));
    return count;
  }
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      const char byte = traits_type::to_char_type(c);
      hash_.add(std::string_view(&byte, 1));
    }
    return traits_type::not_eof(c);
  }

 private:
  Sha256 hash_;
};
