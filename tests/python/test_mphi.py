"""The Python module against the tools: the same figures, bytes and
refusals for the same sections. MPHI_BIN names the folder of the release
programs (default build/)."""

import csv
import io
import json
import math
import os
import subprocess
import sys

import numpy as np
import pandas as pd
import pytest

import mphi

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BIN = os.environ.get("MPHI_BIN", os.path.join(ROOT, "build"))
WORKED_INPUT = os.path.join(ROOT, "examples", "worked-example.in")
COLUMNS = os.path.join(ROOT, "examples", "columns.csv")
WORKED = dict(b=40, h=35, r=0.02, dcm=1.9, clearb1cm=5, dbcm=1.3, sccm=10,
              fc=0.21, fy=4.2, fsy=2.8, Es=2100)


def tool(name, *args, cwd=None, stdin=None):
    done = subprocess.run([os.path.join(BIN, name), *args], cwd=cwd, stdin=stdin,
                          capture_output=True)
    assert done.returncode in (0, 3), done.stderr  # 3: mphi-batch refused a row
    return done.stdout


def tool_table(name, *args):
    """A tool's CSV as mphi's Python answer types it: a dict of lists."""
    rows = list(csv.reader(io.StringIO(tool(name, *args).decode())))
    return {n: [r[i] for r in rows[1:]] for i, n in enumerate(rows[0])}


def same_column(ours, theirs):
    """Our typed column against the tool's cells."""
    for a, b in zip(ours, theirs):
        if isinstance(a, str):
            assert a == b
        elif b == "":
            assert math.isnan(a)
        else:
            assert a == float(b)
    assert len(ours) == len(theirs)


@pytest.mark.parametrize("model,units,length", [
    ("spec", "t-cm", None), ("spec", "t-cm", 200), ("spec", "si", 2.0),
    ("assessment", "t-cm", 200), ("assessment", "t-m", None),
])
def test_to_dict_is_the_reports_json(model, units, length):
    args = ["--input", WORKED_INPUT, "--json", "--model", model, "--units", units]
    if length:
        args += ["--length", str(length)]
    curve = mphi.Section(**WORKED, units=units).curve(
        100 if units != "si" else 981, model=model, length=length)
    assert curve.to_dict() == json.loads(tool("mphi-report", *args))


def test_worked_example_figures():
    c = mphi.Section(**WORKED).curve(100, length=200)
    assert (c.end, c.status, c.model) == ("0.8Mu", "ok", "spec")
    assert c.key_points["peak"]["Mu"] == pytest.approx(2107.559, abs=1e-3)
    assert c.key_points["peak"]["row"] == 92
    assert c.drift["Lsp"] == pytest.approx(17.212, abs=1e-3)
    assert c.drift["drift_u"] == pytest.approx(0.01609, abs=1e-5)
    assert c.rows["M"].max() == c.key_points["peak"]["Mu"]
    assert len(c.rows["phi"]) == len(c.rows["c"]) > 100
    assert mphi.Section(**WORKED).curve(100).drift is None  # no length: no drift, no error
    a = mphi.Section(**WORKED).curve(100, model="assessment")
    assert a.end == "core_crushing" and a.section_text is None
    assert a.key_points["peak"]["M_Tcm"] == pytest.approx(2029.347, abs=1e-3)
    assert a.drift is None and math.isnan(a.rows["c"][0])


def test_section_text_is_mphis_bytes(tmp_path):
    with open(WORKED_INPUT, "rb") as given:
        tool("mphi", cwd=tmp_path, stdin=given)
    written = (tmp_path / "SECTION").read_bytes()
    assert mphi.Section(**WORKED).curve(100).section_text == written


@pytest.mark.parametrize("change,at_curve,field,value,words", [
    (dict(r=2), False, "r", "2", "r is a ratio (0.02, not 2)"),
    (dict(fc=28), False, "fc", "28 T/cm2",
     "fc = 28 T/cm2: fc is in T/cm2 (0.28, not 28); that makes rcc = "),
    (dict(b="forty"), False, "b", "forty", "is not a number"),
    (dict(h=float("nan")), False, "h", "NaN", "is not a number"),
    (dict(h=1e308), False, "h", "1e+308", "beyond the range of the analysis's numbers"),
    (dict(bars_face=3), True, "bars_face", "3", "for the assessment model"),
    (dict(bars_face=2.5), False, "bars_face", "2.5", ""),
])
def test_refusals_name_the_field(change, at_curve, field, value, words):
    with pytest.raises(mphi.InvalidSection) as refused:
        mphi.Section(**{**WORKED, **change}).curve(100)
    e = refused.value
    assert isinstance(e, ValueError) and e.field == field and words in str(e)
    assert value is None or e.value == value
    if at_curve:  # the section itself is sound for the assessment model
        mphi.Section(**{**WORKED, **change}).curve(100, model="assessment")


def test_values_in_units_of_their_own():
    """b_mm, fc_MPa, Es_GPa as a batch table's columns name them: the same
    section, and warnings that name the value as it was given."""
    plain = mphi.Section(**WORKED).curve(100, model="assessment")
    rest = {k: v for k, v in WORKED.items() if k not in ("b", "fc", "Es")}
    ours = mphi.Section(**rest, b_mm=400, fc_MPa=0.21 / 0.0102, Es_GPa=2100 / 10.2).curve(
        100, model="assessment")
    # The same to a float's rounding of the converted strength.
    assert ours.key_points["peak"]["M_Tcm"] == pytest.approx(plain.key_points["peak"]["M_Tcm"],
                                                             rel=1e-6)
    assert ours.warnings == []
    no_fc = {k: v for k, v in WORKED.items() if k != "fc"}
    square = dict(no_fc, b=50, h=50, dcm=2.5, Es=2040)
    with pytest.warns(mphi.DataWarning, match=r"fc_MPa = 0.28 MPa is outside 10 to 120 MPa: "
                                                r"is it in T/cm2\?"):
        slip = mphi.Section(**square, fc_MPa=0.28).curve(3.5)
    assert slip.warnings == ["fc_MPa = 0.28 MPa is outside 10 to 120 MPa: is it in T/cm2?"]
    with pytest.raises(ValueError, match=r'"fc_ksi": ksi is not a unit of fc \(MPa, GPa, T/cm2\)'):
        mphi.Section(**no_fc, fc_ksi=3)
    with pytest.raises(TypeError, match="fc is given twice"):
        mphi.Section(**WORKED, fc_MPa=20.6)


@pytest.mark.parametrize("model", ["spec", "assessment"])
def test_sweep_is_mphi_sweeps(model):
    ours = mphi.Section(**WORKED).sweep(model=model, jobs=2)
    theirs = tool_table("mphi-sweep", WORKED_INPUT, "--model", model)
    assert list(ours.columns) == list(theirs)
    for name in theirs:
        same_column(list(ours[name]), theirs[name])


BAD_ROWS = [
    {"id": "bad-r", "r": 2},          # the data check
    {"id": "bad-fc", "fc": "abc"},    # no number
    {"id": "S0"},                     # repeats the first id
    {"id": "far", "P0": 5000},        # no equilibrium
    {"id": "assessed", "model": "assessment", "L": 300},
]


def sections(count):
    """Rows of the example table varied, with the bad rows among them."""
    with open(COLUMNS, newline="") as f:
        base = list(csv.DictReader(f))
    rows = []
    for i in range(count):
        row = dict(base[i % len(base)], id="S%d" % i, model="", L="")
        row["P0"] = str(float(row["P0"]) * (0.2 + 0.1 * (i % 13)))
        rows.append(row)
    for k, bad in enumerate(BAD_ROWS):
        rows.insert(7 + 37 * k, dict(rows[k], **bad))
    return rows


@pytest.mark.parametrize("model", ["spec", "assessment"])
def test_batch_is_mphi_batchs_with_bad_rows(tmp_path, model):
    path = tmp_path / "sections.csv"
    table = pd.DataFrame(sections(90))
    table.to_csv(path, index=False)
    theirs = tool_table("mphi-batch", str(path), "--model", model, "--jobs", "2")
    for given in (table, str(path), table.to_dict("records")):
        ours = mphi.batch(given, model=model, jobs=3)
        assert list(ours.columns) == list(theirs)
        for name in list(theirs)[len(table.columns):]:
            same_column(list(ours[name]), theirs[name])
    status = dict(zip(ours["id"], ours["status"]))
    assert status["bad-r"].startswith("invalid section data: r = 2")
    row = list(ours["id"]).index("bad-fc") + 1
    assert status["bad-fc"] == 'data row %d, column fc: "abc" is not a number' % row
    first, repeat = [s for i, s in zip(ours["id"], ours["status"]) if i == "S0"]
    assert first == "ok" and repeat == 'data row 82: id "S0" repeats data row 1'
    assert status["far"].startswith("no equilibrium")


def test_batch_without_pandas_gives_arrays(monkeypatch):
    monkeypatch.setitem(sys.modules, "pandas", None)
    out = mphi.batch(COLUMNS)
    assert isinstance(out, dict) and list(out["status"]) == ["ok"] * 6
    assert out["Mu_Tcm"].dtype == np.float64 and out["id"][0] == "C1"


@pytest.fixture(scope="module")
def client():
    distributed = pytest.importorskip("distributed")
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  dashboard_address=None) as cluster, \
            distributed.Client(cluster) as c:
        yield c


def test_dask_batch_is_the_in_process_batch(client):
    import mphi.dask
    table = pd.DataFrame(sections(200))
    spread = mphi.dask.batch(table, client=client, partitions=7)
    pd.testing.assert_frame_equal(spread, mphi.batch(table))
    assert (spread["status"] == "ok").sum() == len(table) - 4


# A European export (semicolons, decimal commas, units in the names) and a
# table without rows, through both paths.
@pytest.mark.parametrize("text", [
    "id;b_mm;h;dcm;clearb1cm;dbcm;sccm;fc_MPa;fy;fsy;Es;P0_kN;r\n"
    "a;400;35;1,9;5;1,3;10;20,6;4,2;2,8;2100;981;0,02\n"
    "b;400;35;1,9;5;1,3;10;20,6;4,2;2,8;2100;981;2\n"
    "c;500;50;2,5;5;1,3;10;27,5;4,2;2,8;2040;2452,5;0,024\n",
    "b,h,dcm,clearb1cm,dbcm,sccm,fc,fy,fsy,Es,P0,r\n",
])
def test_any_table_through_both_paths(tmp_path, client, text):
    import mphi.dask
    path = tmp_path / "table.csv"
    path.write_text(text)
    theirs = tool_table("mphi-batch", str(path), "--units", "si", "--csv-dialect", "comma")
    ours = mphi.batch(str(path), units="si")
    assert list(ours.columns) == list(theirs)
    for name in theirs:
        same_column(list(ours[name]), theirs[name])
    pd.testing.assert_frame_equal(mphi.dask.batch(str(path), client=client, partitions=2,
                                                  units="si"), ours)


@pytest.mark.parametrize("units,loads", [("si", [981, -200.5]), ("t-m", [100, 0.1])])
def test_sweep_loads_in_the_units(units, loads):
    ours = mphi.Section(**WORKED, units=units).sweep(loads=loads, length=2)
    theirs = tool_table("mphi-sweep", WORKED_INPUT, "--units", units, "--length", "2",
                        "--loads", ",".join(map(str, loads)))
    for name in theirs:
        same_column(list(ours[name]), theirs[name])


@pytest.mark.parametrize("call,words", [
    (lambda s: s.curve(100, model="both"), 'model: "both" is neither spec nor assessment'),
    (lambda s: s.curve(100, length=-1), 'length: "-1" is not a positive length'),
    (lambda s: mphi.Section(**WORKED, units="si").curve(981, length=300),
     "length: L = 300 m is 857 times the section depth h = 0.35 m"),
    (lambda s: s.sweep(length=2000), 'length is in cm with units="t-cm"'),
    (lambda s: s.sweep(jobs=0), "jobs: 0 is not 1 or more"),
    (lambda s: s.sweep(count=1), "count: 1 is not 2 or more"),
    (lambda s: s.sweep(loads=[1, float("inf")]), "loads: Infinity is not a load"),
    (lambda s: mphi.Section(**WORKED, units="SI"), 'units: "SI" is not t-cm, t-m or si'),
    (lambda s: mphi.batch([{"b": 40}]), "required columns h, dcm,"),
])
def test_bad_arguments_say_which(call, words):
    with pytest.raises(ValueError) as refused:
        call(mphi.Section(**WORKED))
    assert words in str(refused.value)
    assert not isinstance(refused.value, mphi.InvalidSection)


def test_sweep_without_pandas_gives_arrays(monkeypatch):
    monkeypatch.setitem(sys.modules, "pandas", None)
    out = mphi.Section(**WORKED).sweep(count=3)
    assert list(out["load"]) == [1, 2, 3] and out["P0_T"][0] == -94.08


def test_plot_draws_the_rows(tmp_path):
    matplotlib = pytest.importorskip("matplotlib")
    matplotlib.use("Agg")
    c = mphi.Section(**WORKED).curve(100)
    ax = c.plot()
    x, y = ax.lines[0].get_data()
    assert list(y) == list(c.rows["M"]) and ax.get_xlabel() == "curvature φ (1/cm)"
    # What the report's picture shows: its title, every key point, the
    # idealisations; the picture itself, byte for byte.
    a = mphi.Section(**WORKED).curve(100, model="assessment", length=200)
    ax = a.plot()
    labels = [line.get_label() for line in ax.lines]
    assert ax.get_title() == "M-φ curve, assessment model: b × h = 40 × 35 cm, P0 = 100 T"
    assert "damage control, by core crushing (εcu)" in labels and "bilinear" in labels
    assert len(labels) == 1 + 6 + 1  # the curve, six limit states, the bilinear
    assert [l.get_label() for l in c.plot().lines][-2:] == ["Caltrans", "Priestley"]
    tool("mphi-report", "--input", WORKED_INPUT, "--model", "assessment", "--length", "200",
         "--svg", str(tmp_path / "a.svg"))
    assert a.svg == (tmp_path / "a.svg").read_text()


def test_version_is_the_tools():
    assert tool("mphi-report", "--version").decode().split()[-1] == mphi.__version__


ENGINE = os.environ.get("MPHI_ENGINE", os.path.join(ROOT, "build", "wasm", "mphi_engine_node.js"))
PAGE_ASK = """
const Module = require(process.argv[1]);
Module.onRuntimeInitialized = () => process.stdout.write(
  Module.ccall("mphi_compute", "string", ["string"], [process.argv[2]]));
"""


CIRCLE = dict(dcm=2.5, clearb1cm=4, dbcm=1.3, sccm=8, fc=0.35, fy=4.2, fsy=4.2, Es=2040)


@pytest.mark.parametrize("model,bars,units,length", [
    ("assessment", None, "t-cm", 213.7), ("spec", None, "t-cm", 213.7),
    ("assessment", (4, 2), "t-cm", 300.3), ("assessment", 12, "si", 3.003),
])
def test_one_request_the_same_figures_in_every_tool(tmp_path, model, bars, units, length):
    """The request parser reads a request alike in mphi-report, mphi-batch,
    the page's engine and Python: the same drift, to the last bit. An
    integer for bars is a circular column (D = 60 cm) with that many."""
    if not os.path.exists(ENGINE):
        pytest.skip("the page's engine is not built (make web): " + ENGINE)
    circle = isinstance(bars, int)
    face, side = bars if isinstance(bars, tuple) else ("", "")
    # The table's and the page's values are in T and cm, as the 22 are.
    values = dict(CIRCLE, b=60, h=60, r="", P0=150) if circle else dict(WORKED, P0=100)
    args = ["--model", model, "--units", units, "--length", str(length)]
    if circle:
        args += ["--shape", "circular", "--bars", str(bars)]
        given = tmp_path / "circle.in"
        given.write_text("60 60 0 0 0 0 2.5 0 0 0 0 4 1.3 8 0.35 4.2 4.2 2040 150 60 60 0\n")
    elif bars:
        args += ["--bars-face", str(face), "--bars-side", str(side)]
    report = json.loads(tool("mphi-report", "--input", str(given) if circle else WORKED_INPUT,
                             "--json", *args))
    request = {"model": model, "bars_face": str(face), "bars_side": str(side),
               "shape": "circular" if circle else "", "n_bars": str(bars) if circle else ""}
    table = tmp_path / "one.csv"
    table.write_text(",".join([*request, "L", *values]) + "\n" +
                     ",".join([*request.values(), str(length), *map(str, values.values())]) + "\n")
    batch = tool_table("mphi-batch", str(table), "--units", units)
    request.update(values={k: str(v) for k, v in values.items()}, L=str(length), units=units)
    page = subprocess.run(["node", "-e", PAGE_ASK, ENGINE, json.dumps(request)],
                          capture_output=True, check=True).stdout
    page_report = json.loads(json.loads(page)["models"][0]["report"])
    if circle:
        section = mphi.Section(**CIRCLE, units=units, shape="circular", D=60, n_bars=bars)
    else:
        section = mphi.Section(**WORKED, units=units, bars_face=bars and face,
                               bars_side=bars and side)
    P0 = values["P0"] * (9.81 if units == "si" else 1)
    ours = section.curve(P0, model=model, length=length).to_dict()
    drift = (lambda d: d["drift"]["ultimate"]["mu_delta"]) if model == "assessment" else \
        (lambda d: d["drift"]["mu_delta"])
    assert drift(ours) == drift(report) == float(batch["mu_delta_u"][0])
    # The page's libm may differ from glibc in the last bit of the circle's
    # cos, sin and acos.
    assert drift(page_report) == (pytest.approx(drift(ours), rel=1e-13) if circle else drift(ours))
    assert ours == report and (circle or report == page_report)
