// The Python module's native half, `mphi._mphi`: sections checked as the
// tools check them, curves, sweeps and batches through the same functions
// as the tools, results as Python values and NumPy arrays. The analyses run
// without the GIL, on the tools' thread pool. The public API, its
// docstrings and its errors are the Python half's (mphi/__init__.py).
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "analysis/section_check.h"
#include "batch/batch_run.h"
#include "batch/section_table.h"
#include "frontend/parallel.h"
#include "frontend/tool_status.h"
#include "model/analysis_request.h"
#include "model/model_table.h"
#include "model/section_result.h"
#include "report/limit_state_report.h"
#include "section/section_values.h"
#include "section_file/section_writer.h"
#include "sweep/load_sweep.h"
#include "textio/number_reader.h"
#include "textio/number_text.h"
#include "textio/version.h"

namespace py = pybind11;

namespace mphi {
namespace {

// (field, value, reason, message): the Python half raises InvalidSection
// with it.
using FaultTuple = std::tuple<std::string, std::string, std::string, std::string>;

// The refusal as Python raises it: the field and value the user gave where
// a value typed in the wrong unit made a derived constant fail.
FaultTuple faultTuple(const Fault& fault, const SectionData& section,
                      const GivenUnits& given = {}) {
  const std::optional<Fault> slip = unitSlip(section, given);
  const Fault& named = slip && findSectionValue(fault.field) == nullptr ? *slip : fault;
  return {named.field, named.value, named.reason, invalidDataText(fault, section, given)};
}

Units unitsNamedOrThrow(const std::string& name) {
  Units units;
  if (!unitsNamed(name, units))
    throw py::value_error("units: \"" + name + "\" is not t-cm, t-m or si");
  return units;
}

int jobsOf(std::optional<int> jobs) {
  if (!jobs) return defaultJobs();
  if (*jobs < 1) throw py::value_error("jobs: " + std::to_string(*jobs) + " is not 1 or more");
  return *jobs;
}

// A number as its shortest decimal text, read back by the request parser
// as the tools read what is typed; None is not given.
std::string textOf(std::optional<double> value) {
  return value ? doubleText(*value) : std::string();
}

// The model and length of a call, as the tools' --model and --length,
// onto `analysis`; ValueError naming the argument when they cannot be read.
void readCall(const std::string& model, std::optional<double> length, const Units& units,
              Analysis& analysis) {
  RequestTexts texts;
  texts.model = model;
  texts.length = textOf(length);
  if (const std::optional<RequestFault> fault = readRequest(texts, {units}, analysis)) {
    throw py::value_error((fault->field == "L" ? "length" : fault->field) + ": " +
                          requestFaultText(*fault));
  }
}

// ValueError where the length does not suit the section, as the tools
// refuse it.
void checkLength(const SectionData& s, const Analysis& analysis, const Units& units) {
  const std::string unit = units.text(Quantity::Length);
  if (const std::optional<std::string> why =
          lengthOutOfRange(s, analysis, unit, units.from(Quantity::Length, 1))) {
    throw py::value_error("length: " + *why + "; length is in " + unit + " with units=\"" +
                          unitsName(units.system) + "\"");
  }
}

// A value as mphi reads it from its input: the number's shortest decimal
// text, read to the nearest float by mphi's own reader.
bool readValue(double value, float& out) {
  return std::isfinite(value) && readNumberToken(doubleText(value), out) && std::isfinite(out);
}

// Why a value cannot be read: past a float's range, named as given, or no
// number at all.
const char* unreadable(double value) {
  return std::isfinite(value) ? "the value is beyond the range of the analysis's numbers (about "
                                "3.4e38 at most)"
                              : "the value is not a number";
}

// A load in the units' force stored in tons as the tools store one: in
// tons read as its decimal text, else converted from the double.
float storedLoad(double load, const Units& units) {
  float stored = 0;
  if (units.base() && readValue(load, stored)) return stored;
  return loadOf(load, units);
}

// A section made ready for its analyses: the given values, checked, with
// the bar layout applied; the units of what it returns.
struct Section {
  SectionData data;
  Analysis request;  // its bars and tie legs
  Units units;
  GivenUnits given;  // the values given in a unit of their own

  // The section at one load, made ready again: the load is checked with
  // the rest.
  std::variant<SectionData, FaultTuple> atLoad(double load) const {
    SectionData s = data;
    s.P0 = storedLoad(load, units);
    if (!std::isfinite(s.P0)) return faultTuple(faultOf("P0", load, unreadable(load)), s);
    if (std::optional<Fault> fault = prepareSection(s)) return faultTuple(*fault, s, given);
    return s;
  }

  Analysis analysisOf(const std::string& model, std::optional<double> length) const {
    Analysis a = request;
    readCall(model, length, units, a);
    return a;
  }
};

// The values, with None for those a circular section need not give (b, h
// from D; r from its bars), and the request's parts as Python gives them.
std::variant<Section, FaultTuple> makeSection(const py::dict& values, const py::dict& request,
                                              const std::string& units, const py::dict& inUnits) {
  Section section;
  section.units = unitsNamedOrThrow(units);
  for (const auto& [name, how] : inUnits) {
    const auto g = how.cast<std::tuple<std::string, std::string, double>>();
    section.given[name.cast<std::string>()] = {std::get<0>(g), std::get<1>(g), std::get<2>(g)};
  }
  SectionData& s = section.data;
  auto given = [&request](const char* name) {
    return request.contains(name) && !request[name].is_none()
               ? std::optional<double>(request[name].cast<double>())
               : std::nullopt;
  };
  auto word = [&request](const char* name) {
    return request.contains(name) && !request[name].is_none() ? request[name].cast<std::string>()
                                                              : std::string();
  };
  RequestTexts texts;
  texts.barsFace = textOf(given("bars_face"));
  texts.barsSide = textOf(given("bars_side"));
  texts.legsB = textOf(given("legs_b"));
  texts.legsH = textOf(given("legs_h"));
  texts.circleBars = textOf(given("n_bars"));
  texts.shape = word("shape");
  texts.transverse = word("transverse");
  if (const std::optional<RequestFault> fault = readRequest(texts, {}, section.request)) {
    return faultTuple({fault->field, fault->text, fault->reason}, s);
  }
  for (const SectionValue* v : givenValues()) {
    if (std::string(v->name) == "P0") continue;  // each curve's own
    const double value = values[v->name].cast<double>();
    if (!readValue(value, s.*v->member)) {
      return faultTuple(faultOf(v->name, value, unreadable(value)), s);
    }
  }
  if (std::optional<Fault> fault = prepareSection(s)) return faultTuple(*fault, s, section.given);
  // Checked by every model that takes it all; one that takes no bars, or
  // not the shape, refuses them when a curve is asked of it.
  for (const ModelEntry& m : modelTable()) {
    if (section.request.bars && !m.takesBars) continue;
    Analysis a = section.request;
    a.model = m.model;
    std::optional<Fault> fault = checkAnalysis(s, a);
    if (fault && fault->field != "shape") return faultTuple(*fault, s, section.given);
  }
  return section;
}

// One curve and what the tools read off it, each worked out when asked.
struct CurveResult {
  SectionResult result;
  Units units;

  const ModelEntry& model() const { return modelEntry(result.analysis.model); }

  py::object sectionText() const {
    if (!model().writesSection) return py::none();
    return py::bytes(mphi::sectionText(result.section, result.curve));
  }

  py::dict rows() const {
    const Curve& curve = result.reported.curve;
    const std::size_t n = curve.points.size();
    py::array_t<int> row(n);
    py::array_t<double> phi(n), M(n), ef(n), c(n);
    auto rowAt = row.mutable_unchecked<1>();
    auto phiAt = phi.mutable_unchecked<1>(), MAt = M.mutable_unchecked<1>();
    auto efAt = ef.mutable_unchecked<1>(), cAt = c.mutable_unchecked<1>();
    for (std::size_t i = 0; i < n; ++i) {
      const CurvePoint& p = curve.points[i];
      const auto k = static_cast<py::ssize_t>(i);
      rowAt(k) = p.row;
      phiAt(k) = units.in(Quantity::Curvature, p.phi);
      MAt(k) = units.in(Quantity::Moment, p.M);
      efAt(k) = p.eps;
      cAt(k) = std::isfinite(p.c) ? units.in(Quantity::Length, p.c) : std::nan("");
    }
    py::dict d;
    d["row"] = row;
    d["phi"] = phi;
    d["M"] = M;
    d["ef"] = ef;
    d["c"] = c;
    return d;
  }

  py::object end() const {
    const char* name = endName(result.curve.end);
    return *name == '\0' ? py::object(py::none()) : py::object(py::str(name));
  }
};

std::variant<CurveResult, FaultTuple> curveOf(const Section& section, double load,
                                              const std::string& model,
                                              std::optional<double> length) {
  const Analysis analysis = section.analysisOf(model, length);
  auto ready = section.atLoad(load);
  if (auto* fault = std::get_if<FaultTuple>(&ready)) return *fault;
  const SectionData& s = std::get<SectionData>(ready);
  if (std::optional<Fault> fault = checkAnalysis(s, analysis)) return faultTuple(*fault, s);
  checkLength(s, analysis, section.units);
  CurveResult out;
  out.units = section.units;
  GivenUnits given = section.given;
  if (!section.units.base()) {
    given["P0"] = {"P0", section.units.text(Quantity::Force),
                   section.units.from(Quantity::Force, 1)};
  }
  {
    py::gil_scoped_release unlocked;
    out.result = analyse(s, analysis, given);
  }
  return out;
}

// A column of cells as NumPy: whole numbers when every cell is one,
// floats (NaN where empty) when every cell is a number or empty, else
// strings; strings always where the column is `text`.
py::object columnOf(const std::vector<std::vector<std::string>>& rows, std::size_t column,
                    bool text) {
  const auto n = static_cast<py::ssize_t>(rows.size());
  py::array_t<long long> whole(n);
  py::array_t<double> numbers(n);
  auto wholeAt = whole.mutable_unchecked<1>();
  auto numberAt = numbers.mutable_unchecked<1>();
  bool integers = !text, reals = !text;
  for (py::ssize_t i = 0; i < n && reals; ++i) {
    const std::string& cell = rows[static_cast<std::size_t>(i)][column];
    char* end = nullptr;
    if (integers) {
      errno = 0;
      wholeAt(i) = std::strtoll(cell.c_str(), &end, 10);
      integers = !cell.empty() && *end == '\0' && errno != ERANGE;
    }
    numberAt(i) = cell.empty() ? std::nan("") : std::strtod(cell.c_str(), &end);
    reals = cell.empty() || (end != cell.c_str() && *end == '\0');
  }
  if (integers && reals) return std::move(whole);
  if (reals) return std::move(numbers);
  py::list strings(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) strings[i] = py::str(rows[i][column]);
  return py::module_::import("numpy").attr("array")(strings, py::arg("dtype") = "object");
}

// `text`: the columns that hold words whatever their cells look like.
py::list typedColumns(const std::vector<std::string>& header,
                      const std::vector<std::vector<std::string>>& rows,
                      const std::set<std::string>& text) {
  py::list columns;
  for (std::size_t c = 0; c < header.size(); ++c) {
    columns.append(columnOf(rows, c, text.count(header[c]) != 0));
  }
  return columns;
}

py::tuple sweepOf(const Section& section, std::optional<std::vector<double>> loads, int count,
                  const std::string& model, std::optional<double> length, std::optional<int> jobs) {
  const Analysis analysis = section.analysisOf(model, length);
  const int threads = jobsOf(jobs);
  const SectionData& s = section.data;
  if (std::optional<Fault> fault = checkAnalysis(s, analysis)) {
    throw py::value_error(invalidDataText(*fault, s));
  }
  checkLength(s, analysis, section.units);
  std::vector<float> stored;
  if (loads) {
    for (double load : *loads) {
      if (!std::isfinite(load))
        throw py::value_error("loads: " + valueText(load) + " is not a load");
      stored.push_back(storedLoad(load, section.units));
    }
  } else {
    if (count < 2) throw py::value_error("count: " + std::to_string(count) + " is not 2 or more");
    stored = defaultLoads(s, count, section.units, analysis);
  }
  TextTable table;
  {
    py::gil_scoped_release unlocked;
    table = sweepTable(sweepLoads(s, stored, analysis, threads, {}), analysis.model, section.units);
  }
  return py::make_tuple(table.header, table.rows);
}

// A table's header and rows as the batch reads them, with whether its
// numbers have a decimal comma; ValueError when it cannot be read.
// A keyword such as "fc_MPa" or "b_mm", as a batch column's name: mphi's
// name, the factor to its unit and the unit as shown; None where it names
// no value; ValueError for a unit mphi does not know.
py::object valueUnit(const std::string& name) {
  if (const std::string why = unknownUnitText(name); !why.empty()) throw py::value_error(why);
  const SectionTable t = sectionTableOf({name}, {}, false);
  for (const auto& [mphiName, column] : t.columns) {
    if (!column.unit.empty()) return py::make_tuple(mphiName, column.factor, column.unit);
  }
  return py::none();
}

py::tuple readTable(const py::bytes& bytes) {
  const SectionTable table = parseSectionTable(bytes);
  if (!table.error.empty()) throw py::value_error(table.error);
  const auto id = table.columns.find("id");
  return py::make_tuple(table.header, table.rows, table.decimalComma,
                        id == table.columns.end() ? -1 : id->second.index);
}

// Rows of a table through the batch. Returns the result columns' names
// (status first), their cells row by row, and which models ran.
py::tuple batchRows(std::vector<std::string> header, std::vector<std::vector<std::string>> rows,
                    bool decimalComma, std::size_t firstRow,
                    std::map<std::string, std::size_t> earlierIds, const std::string& model,
                    const std::string& units, std::optional<double> length,
                    std::optional<int> jobs) {
  BatchRequest request;
  request.units = unitsNamedOrThrow(units);
  readCall(model, length, request.units, request.analysis);
  request.jobs = jobsOf(jobs);
  request.firstRow = firstRow;
  request.earlierIds = std::move(earlierIds);
  const std::size_t given = header.size();
  BatchResult result;
  std::string error;
  {
    py::gil_scoped_release unlocked;
    const SectionTable table = sectionTableOf(std::move(header), std::move(rows), decimalComma);
    error = table.error;
    if (error.empty()) result = runBatch(table, request);
  }
  if (!error.empty()) throw py::value_error(error);
  std::vector<std::string> names(result.table.header.begin() + given, result.table.header.end());
  std::vector<std::vector<std::string>> cells;
  cells.reserve(result.table.rows.size());
  for (std::vector<std::string>& row : result.table.rows) {
    cells.emplace_back(std::make_move_iterator(row.begin() + given),
                       std::make_move_iterator(row.end()));
  }
  std::vector<std::string> ran;
  for (Model m : result.modelsRan) ran.push_back(modelEntry(m).name);
  return py::make_tuple(names, cells, ran);
}

}  // namespace
}  // namespace mphi

PYBIND11_MODULE(_mphi, m) {
  using namespace mphi;
  m.doc() = "mphi's analysis; use the mphi package, not this module";
  m.attr("version") = kVersion;
  m.def("make_section", &makeSection);
  m.def("read_table", &readTable);
  m.def("value_unit", &valueUnit);
  m.def("governed_words", [](const std::string& code) { return std::string(governedWords(code)); });
  m.def("batch_rows", &batchRows);
  m.def("typed_columns", &typedColumns);
  m.def("batch_columns", [](const std::vector<std::string>& ran, const std::string& model,
                            const std::string& units) {
    const Units u = unitsNamedOrThrow(units);
    std::vector<Model> models;  // in the table's order, as a batch gives them
    for (const ModelEntry& m : modelTable()) {
      if (std::find(ran.begin(), ran.end(), m.name) != ran.end()) models.push_back(m.model);
    }
    Analysis fallback;
    readCall(model, std::nullopt, u, fallback);
    return batchColumns(models, fallback.model, u);
  });
  py::class_<Section>(m, "Section").def("curve", &curveOf).def("sweep", &sweepOf);
  py::class_<CurveResult>(m, "Curve")
      .def("json", [](const CurveResult& c) { return resultJson(c.result, c.units); })
      .def("section_text", &CurveResult::sectionText)
      .def("rows", &CurveResult::rows)
      .def("end", &CurveResult::end)
      .def("status", [](const CurveResult& c) { return resultStatus(c.result, c.units); })
      .def("key_points",
           [](const CurveResult& c) { return c.model().keyPointsJson(c.result, c.units); })
      .def("idealisation",
           [](const CurveResult& c) { return c.model().idealisationJson(c.result, c.units); })
      .def("model", [](const CurveResult& c) { return c.model().name; })
      .def("svg", [](const CurveResult& c) { return resultPlot(c.result, c.units); });
}
