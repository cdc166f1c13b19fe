// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A small, strict reader of XML as the caster writes it (a declaration, elements, attributes in
// double quotes, character data, the five predefined references), to read pictures back.
struct XmlElement {
  std::string name;
  std::vector<std::pair<std::string, std::string>> attributes;
  std::string text;  // the character data directly inside, references resolved
  std::vector<XmlElement> children;

  std::string operator[](std::string_view key) const {
    const auto found =
        std::find_if(attributes.begin(), attributes.end(),
                     [key](const auto& attribute) { return attribute.first == key; });
    return found == attributes.end() ? std::string() : found->second;
  }
  double number(std::string_view key) const { return std::stod((*this)[key]); }

  // visit(element, parent) for every descendant, depth first.
  void walk(const std::function<void(const XmlElement&, const XmlElement&)>& visit) const {
    for (const XmlElement& child : children) visit(child, *this), child.walk(visit);
  }
};

class XmlReader {
 public:
  static XmlElement parse(std::string_view text) {
    XmlReader reader{text, text.starts_with("<?xml") ? text.find("?>\n") + 3 : 0};
    XmlElement root = reader.element();
    if (reader.at_ + 1 != text.size()) reader.fail("text after the root element");
    return root;
  }

 private:
  XmlReader(std::string_view text, std::size_t at) : text_(text), at_(at) {}
  [[noreturn]] void fail(const std::string& what) const {
    throw std::runtime_error("XML: " + what + " at " + std::to_string(at_));
  }
  bool take(std::string_view expected) {
    if (!text_.substr(at_).starts_with(expected)) return false;
    return at_ += expected.size(), true;
  }
  std::string name() {
    const std::size_t end = text_.find_first_of(" \n/>=", at_);
    if (end == at_ || end == std::string_view::npos) fail("expected a name");
    const std::size_t start = at_;
    return std::string(text_.substr(start, (at_ = end) - start));
  }
  // Character data up to one of `stop`, references resolved.
  std::string data(std::string_view stop) {
    static constexpr std::string_view kReferences[] = {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"};
    std::string out;
    while (at_ < text_.size() && stop.find(text_[at_]) == std::string_view::npos) {
      const auto* known =
          std::find_if(std::begin(kReferences), std::end(kReferences),
                       [this](std::string_view reference) { return take(reference); });
      if (known == std::end(kReferences) && text_[at_] == '&') fail("unknown reference");
      out += known == std::end(kReferences) ? text_[at_++] : "&<>\"'"[known - kReferences];
    }
    return out;
  }
  XmlElement element() {
    if (!take("<")) fail("expected an element");
    XmlElement element{name(), {}, {}, {}};
    while (take(" ")) {
      std::string key = name();
      if (!take("=\"")) fail("expected =\"");
      element.attributes.emplace_back(std::move(key), data("<\""));
      if (!take("\"")) fail("unterminated attribute");
    }
    if (take("/>")) return element;
    if (!take(">")) fail("expected >");
    while (true) {
      element.text += data("<");
      if (take("</")) {
        if (name() != element.name || !take(">")) fail("mismatched end tag");
        return element;
      }
      element.children.push_back(this->element());
    }
  }

  std::string_view text_;
  std::size_t at_;
};
