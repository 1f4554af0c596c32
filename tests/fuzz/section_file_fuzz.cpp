// The SECTION reader on arbitrary bytes: it names a bad line or gives a
// section and a curve. What it gives, written back, reads back; written
// and read once more it gives the very same values. (The first writing may
// round: the file keeps 7 significant digits, the input may hold more.)
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "figures/curve_figures.h"
#include "section_file/section_reader.h"
#include "section_file/section_writer.h"
#include "tests/support/worked_section.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace mphi;
  const ParsedSection p = parseSectionFile(std::string(reinterpret_cast<const char*>(data), size));
  if (!p.ok) {
    if (p.errorLine < 1 || p.error.empty()) std::abort();
    return 0;
  }
  const Curve& c = p.file.curve;
  if (c.tableRows < 1 || c.tableRows > 500 || c.points.empty()) std::abort();
  const ParsedSection once = parseSectionFile(sectionText(p.file.section, c));
  if (!once.ok) {
    std::fprintf(stderr, "written back, it reads %s\n", once.error.c_str());
    std::abort();
  }
  const Curve& c1 = once.file.curve;
  const ParsedSection twice = parseSectionFile(sectionText(once.file.section, c1));
  if (!twice.ok || twice.file.curve.points.size() != c1.points.size()) std::abort();
  for (std::size_t i = 0; i < c1.points.size(); ++i) {
    const CurvePoint& a = c1.points[i];
    const CurvePoint& b = twice.file.curve.points[i];
    if (a.phi != b.phi || a.M != b.M || a.eps != b.eps || a.c != b.c || a.row != b.row)
      std::abort();
  }
  curveFigures(p.file.section, c, withLength(100));
  return 0;
}
