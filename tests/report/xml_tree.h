// A small, strict XML reader for checking the SVG output: elements,
// attributes, text and the five predefined entities; anything malformed is
// an error.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace mphi {

struct XmlElement {
  std::string name;
  std::map<std::string, std::string> attributes;
  std::string text;  // character data directly inside, entities resolved
  std::vector<XmlElement> children;
};

struct XmlDocument {
  bool ok = false;
  std::string error;
  XmlElement root;
};

XmlDocument parseXml(const std::string& text);
// Every element of the tree named `name`, in document order.
std::vector<const XmlElement*> findAll(const XmlElement& root, const std::string& name);

}  // namespace mphi
