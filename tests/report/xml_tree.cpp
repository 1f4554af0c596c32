#include "tests/report/xml_tree.h"

#include <cctype>
#include <stdexcept>

namespace mphi {
namespace {

struct Reader {
  const std::string& s;
  std::size_t at = 0;
};

[[noreturn]] void fail(const Reader& r, const std::string& what) {
  throw std::runtime_error(what + " at byte " + std::to_string(r.at));
}

bool startsHere(const Reader& r, const char* text) {
  return r.s.compare(r.at, std::string(text).size(), text) == 0;
}

void skipSpace(Reader& r) {
  while (r.at < r.s.size() && std::isspace(static_cast<unsigned char>(r.s[r.at]))) ++r.at;
}

bool nameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':' ||
         c == '.' || (static_cast<unsigned char>(c) >= 0x80);
}

std::string name(Reader& r) {
  const std::size_t start = r.at;
  while (r.at < r.s.size() && nameChar(r.s[r.at])) ++r.at;
  if (r.at == start || std::isdigit(static_cast<unsigned char>(r.s[start]))) fail(r, "bad name");
  return r.s.substr(start, r.at - start);
}

std::string resolved(Reader& r, const std::string& raw) {
  std::string out;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '<') fail(r, "'<' in character data");
    if (raw[i] != '&') {
      out += raw[i];
      continue;
    }
    const std::size_t end = raw.find(';', i);
    if (end == std::string::npos) fail(r, "unterminated entity");
    const std::string entity = raw.substr(i + 1, end - i - 1);
    if (entity == "amp")
      out += '&';
    else if (entity == "lt")
      out += '<';
    else if (entity == "gt")
      out += '>';
    else if (entity == "quot")
      out += '"';
    else if (entity == "apos")
      out += '\'';
    else if (entity.size() > 1 && entity[0] == '#')
      out += '?';
    else
      fail(r, "unknown entity &" + entity + ";");
    i = end;
  }
  return out;
}

void skipMisc(Reader& r) {
  for (;;) {
    skipSpace(r);
    if (startsHere(r, "<!--")) {
      const std::size_t end = r.s.find("-->", r.at);
      if (end == std::string::npos) fail(r, "unterminated comment");
      r.at = end + 3;
    } else if (startsHere(r, "<?")) {
      const std::size_t end = r.s.find("?>", r.at);
      if (end == std::string::npos) fail(r, "unterminated declaration");
      r.at = end + 2;
    } else {
      return;
    }
  }
}

XmlElement element(Reader& r) {
  if (!startsHere(r, "<")) fail(r, "expected an element");
  ++r.at;
  XmlElement e;
  e.name = name(r);
  for (;;) {
    skipSpace(r);
    if (startsHere(r, "/>")) {
      r.at += 2;
      return e;
    }
    if (startsHere(r, ">")) {
      ++r.at;
      break;
    }
    const std::string attribute = name(r);
    skipSpace(r);
    if (!startsHere(r, "=")) fail(r, "expected '='");
    ++r.at;
    skipSpace(r);
    if (r.at >= r.s.size() || (r.s[r.at] != '"' && r.s[r.at] != '\'')) fail(r, "unquoted value");
    const char quote = r.s[r.at++];
    const std::size_t end = r.s.find(quote, r.at);
    if (end == std::string::npos) fail(r, "unterminated value");
    if (e.attributes.count(attribute) != 0) fail(r, "repeated attribute " + attribute);
    e.attributes[attribute] = resolved(r, r.s.substr(r.at, end - r.at));
    r.at = end + 1;
  }
  for (;;) {
    if (r.at >= r.s.size()) fail(r, "unclosed element " + e.name);
    if (startsHere(r, "</")) {
      r.at += 2;
      if (name(r) != e.name) fail(r, "mismatched end tag for " + e.name);
      skipSpace(r);
      if (!startsHere(r, ">")) fail(r, "expected '>'");
      ++r.at;
      return e;
    }
    if (startsHere(r, "<!--")) {
      skipMisc(r);
    } else if (startsHere(r, "<")) {
      e.children.push_back(element(r));
    } else {
      const std::size_t end = r.s.find('<', r.at);
      if (end == std::string::npos) fail(r, "unclosed element " + e.name);
      e.text += resolved(r, r.s.substr(r.at, end - r.at));
      r.at = end;
    }
  }
}

void collect(const XmlElement& e, const std::string& name, std::vector<const XmlElement*>& out) {
  if (e.name == name) out.push_back(&e);
  for (const XmlElement& child : e.children) collect(child, name, out);
}

}  // namespace

XmlDocument parseXml(const std::string& text) {
  XmlDocument doc;
  Reader r{text};
  try {
    skipMisc(r);
    doc.root = element(r);
    skipMisc(r);
    if (r.at != text.size()) fail(r, "content after the root element");
    doc.ok = true;
  } catch (const std::runtime_error& error) {
    doc.error = error.what();
  }
  return doc;
}

std::vector<const XmlElement*> findAll(const XmlElement& root, const std::string& name) {
  std::vector<const XmlElement*> out;
  collect(root, name, out);
  return out;
}

}  // namespace mphi
