#include "textio/number_reader.h"

#include <cstdlib>
#include <string>

#include "textio/blanks.h"

namespace mphi {
namespace {

constexpr int kMaxQuoted = 2048;  // longest quoted string the syntax allows

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isSign(char c) {
  return c == '+' || c == '-';
}
bool isLogicalLetter(char c) {
  return c == 'T' || c == 't' || c == 'F' || c == 'f';
}
bool isExponentLetter(char c) {
  return c == 'D' || c == 'E' || c == 'Q' || c == 'd' || c == 'e' || c == 'q';
}
bool endsValue(char c) {
  return isBlank(c) || c == ',' || c == '/' || c == ')';
}

// One value as the scanner sees it.
struct Value {
  enum Kind { Number, Null, EndOfList } kind = Null;
  float number = 0.0f;
};

struct Scan {
  NumberReader& reader;
  std::string line;
  std::size_t pos = 0;
  bool separatorPending = false;  // a value was read and its comma not yet passed
  int repeatsLeft = 0;
  Value repeated;
};

// A number token by the list-directed rules, as C's strtod reads it:
// optional sign, digits with at most one point, then an exponent given by
// a letter (D, E or Q) or by a sign alone. False when it is no number.
bool numberText(const std::string& token, std::string& text) {
  std::size_t i = 0;
  text.clear();
  if (i < token.size() && isSign(token[i])) text += token[i++];
  int digits = 0;
  bool point = false;
  for (; i < token.size(); ++i) {
    if (isDigit(token[i])) {
      ++digits;
    } else if (token[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
    text += token[i];
  }
  if (digits == 0) return false;
  if (i < token.size()) {
    if (isExponentLetter(token[i]))
      ++i;
    else if (!isSign(token[i]))
      return false;
    text += 'e';
    if (i < token.size() && isSign(token[i])) text += token[i++];
    const std::size_t exponentStart = i;
    for (; i < token.size() && isDigit(token[i]); ++i) text += token[i];
    if (i == exponentStart || i != token.size()) return false;
  }
  return true;
}

// The digits go straight to the nearest float.
bool convertNumber(const std::string& token, float& out) {
  std::string text;
  if (!numberText(token, text)) return false;
  out = std::strtof(text.c_str(), nullptr);  // ERANGE gives +-inf, a subnormal or 0
  return true;
}

// A whole repeat count of at least 1. No list is anywhere near a billion
// values long, so larger counts are held at that.
bool convertCount(const std::string& token, int& count) {
  constexpr int kCountCap = 1000000000;
  if (token.empty()) return false;
  count = 0;
  for (char c : token) {
    if (!isDigit(c)) return false;
    count = count >= kCountCap / 10 ? kCountCap : count * 10 + (c - '0');
  }
  return count > 0;
}

// Reads on to the next non-blank character; 0 or a diagnostic.
int skipToValue(Scan& s) {
  for (;;) {
    while (s.pos < s.line.size() && isBlank(s.line[s.pos])) ++s.pos;
    if (s.pos < s.line.size()) return 0;
    switch (nextLine(s.reader.lines, s.line)) {
      case LineStatus::Line:
        s.pos = 0;
        break;
      case LineStatus::End:
        return kEndOfFileDuringRead;
      case LineStatus::Failure:
        return kErrorDuringRead;
    }
  }
}

int quotedStringDiagnostic(const Scan& s) {
  const char quote = s.line[s.pos];
  std::size_t length = 0;
  for (std::size_t i = s.pos + 1; i < s.line.size(); ++i, ++length) {
    if (s.line[i] == quote) {
      if (i + 1 < s.line.size() && s.line[i + 1] == quote) {
        ++i;  // a doubled quote stands for one
        continue;
      }
      break;
    }
  }
  return length > kMaxQuoted ? kSyntaxError : kConversionError;
}

// Scans the value that starts at the current position (after blanks), with
// `afterRepeat` telling that it follows "r*". Returns 0 or a diagnostic.
int scanValue(Scan& s, Value& value, bool afterRepeat);

int scanNumberToken(Scan& s, Value& value, bool afterRepeat) {
  const std::size_t start = s.pos;
  bool point = false;
  bool exponent = false;
  for (; s.pos < s.line.size(); ++s.pos) {
    const char c = s.line[s.pos];
    if (endsValue(c) || c == '*') break;
    if (c == '.') {
      if (point) return kSyntaxError;
      point = true;
    } else if (isExponentLetter(c)) {
      if (exponent) return kSyntaxError;
      exponent = true;
    } else if (!isDigit(c) && !isSign(c)) {
      return kSyntaxError;
    }
  }
  const std::string token = s.line.substr(start, s.pos - start);
  if (s.pos < s.line.size() && s.line[s.pos] == '*') {
    int count = 0;
    if (afterRepeat || !convertCount(token, count)) return kSyntaxError;
    ++s.pos;
    if (s.pos >= s.line.size() || isBlank(s.line[s.pos])) {
      value.kind = Value::Null;
      s.separatorPending = false;  // a comma after "r*" is a null of its own
    } else if (int d = scanValue(s, value, true)) {
      return d;
    }
    if (value.kind != Value::EndOfList) {
      s.repeatsLeft = count - 1;
      s.repeated = value;
    }
    return 0;
  }
  value.kind = Value::Number;
  if (!convertNumber(token, value.number)) return kSyntaxError;
  s.separatorPending = true;
  return 0;
}

int scanValue(Scan& s, Value& value, bool afterRepeat) {
  const char c = s.line[s.pos];
  const char next = s.pos + 1 < s.line.size() ? s.line[s.pos + 1] : '\0';
  if (c == ',') {
    ++s.pos;
    value.kind = Value::Null;
    s.separatorPending = false;
    return 0;
  }
  if (c == '/') {
    value.kind = Value::EndOfList;
    return 0;
  }
  if (c == ')' || c == '(') return kSyntaxError;
  if (c == '\'' || c == '"') return quotedStringDiagnostic(s);
  if (isLogicalLetter(c) || (c == '.' && isLogicalLetter(next))) {
    const char letter = c == '.' ? next : c;
    const bool isTrue = letter == 'T' || letter == 't';
    while (s.pos < s.line.size() && !endsValue(s.line[s.pos])) ++s.pos;
    value.kind = Value::Number;
    value.number = isTrue ? -1.0f : 0.0f;
    s.separatorPending = true;
    return 0;
  }
  return scanNumberToken(s, value, afterRepeat);
}

// The next value for a target, passing over the separator comma of the
// value before it.
int nextValue(Scan& s, Value& value) {
  if (s.repeatsLeft > 0) {
    --s.repeatsLeft;
    value = s.repeated;
    return 0;
  }
  for (;;) {
    if (int d = skipToValue(s)) return d;
    if (s.line[s.pos] == ',' && s.separatorPending) {
      ++s.pos;
      s.separatorPending = false;
      continue;
    }
    return scanValue(s, value, false);
  }
}

}  // namespace

bool readNumberToken(const std::string& text, float& value) {
  // convertNumber takes the whole token or nothing.
  return convertNumber(trimmed(text), value);
}

bool readNumberToken(const std::string& text, double& value) {
  std::string number;
  if (!numberText(trimmed(text), number)) return false;
  value = std::strtod(number.c_str(), nullptr);
  return true;
}

int readReals(NumberReader& reader, float* const targets[], std::size_t count,
              std::size_t* reached) {
  std::size_t unused = 0;
  std::size_t& at = reached != nullptr ? *reached : unused;
  at = 0;
  Scan s{reader, {}, 0, false, 0, {}};
  switch (nextLine(reader.lines, s.line)) {
    case LineStatus::Line:
      break;
    case LineStatus::End:
      return kEndOfFileDuringRead;
    case LineStatus::Failure:
      return kErrorDuringRead;
  }
  for (std::size_t i = 0; i < count; ++i) {
    at = i;
    Value value;
    if (int d = nextValue(s, value)) return d;
    if (value.kind == Value::EndOfList) return 0;
    if (value.kind == Value::Number) *targets[i] = value.number;
  }
  return 0;
}

}  // namespace mphi
