"""Moment-curvature analysis of rectangular reinforced-concrete column
sections under axial load, as the mphi tools work it out.

    import mphi
    s = mphi.Section(b=40, h=35, r=0.02, dcm=1.9, clearb1cm=5, dbcm=1.3,
                     sccm=10, fc=0.21, fy=4.2, fsy=2.8, Es=2100)
    c = s.curve(100)                       # P0 = 100 T
    print(c.key_points["peak"]["Mu"])      # 2107.559... T.cm

A section's own values are always mphi's: centimetres, T/cm2 and the
ratio r. `units` chooses the units of everything else, both ways: the
loads and column lengths you give and every figure you get back.
"t-cm" (T, cm, T.cm, 1/cm), "t-m" (T, m, T.m, 1/m) or "si" (kN, m, kN.m,
MPa, 1/m), the same as the tools' --units.

Two models: "spec", mphi's own, and "assessment", the confined-concrete
model for seismic assessment. The figures are those of
`mphi-report --input ... --json`, byte for byte the same numbers.
"""

import csv
import io
import json
import os
import warnings

from . import _mphi

__version__ = _mphi.version
__all__ = ["Section", "Curve", "InvalidSection", "DataWarning", "batch", "__version__"]

# The words of a results table; every other result column is a number.
_TEXT_COLUMNS = {"status", "end", "first_yield_by", "mode", "shear_class", "warnings"}


class DataWarning(UserWarning):
    """Data that runs but looks wrong: a value far from real columns, a
    load near the squash load, a drift past P-delta stability. The same
    words as Curve.warnings and the tools' warnings."""


class InvalidSection(ValueError):
    """Section data the analysis cannot take, refused as the tools refuse it.

    `field` names the value at fault ("r", "bars_face", or a constant
    derived from the values such as "rcc"), `value` is its text as the
    tools print it, and `reason` says why. str() is the tools' whole line,
    with a hint where a value looks typed in the wrong unit.
    """

    def __init__(self, field, value, reason, message):
        super().__init__(message)
        self.field = field
        self.value = value
        self.reason = reason


def _number(field, value):
    try:
        return float(value)
    except (TypeError, ValueError):
        reason = "the value is not a number"
        raise InvalidSection(field, str(value), reason,
                             "invalid section data: %s = %s: %s" % (field, value, reason)) from None


def _made(made):
    if isinstance(made, tuple):
        raise InvalidSection(*made)
    return made


def _frame(names, columns):
    """A pandas DataFrame of the columns, or a dict of NumPy arrays
    without pandas."""
    data = dict(zip(names, columns))
    try:
        import pandas
    except ImportError:
        return data
    return pandas.DataFrame(data, columns=names)


def _refused(field, value, reason):
    return InvalidSection(field, str(value), reason,
                          "invalid section data: %s = %s: %s" % (field, value, reason))


class Section:
    """A reinforced-concrete column section, checked as mphi checks its
    input: a rectangle b by h, or a circle of diameter D.

    b, h: width and depth, cm. r: main steel area over b h, spread along
    the faces. dcm: main bar diameter, cm. clearb1cm: cover from every face
    to the tie core, cm. dbcm, sccm: tie diameter and spacing, cm. fc:
    concrete strength, T/cm2. fy, fsy: main bar and tie yield strengths,
    T/cm2. Es: steel modulus, T/cm2. bars_face, bars_side: whole bars on
    each face and on each side between the corners, for the assessment
    model only (the spec model spreads the steel). legs_b, legs_h: tie
    legs running parallel to b and to h (the bending direction: the legs
    that carry the shear), 2 and 2 when not given (one perimeter hoop).

    shape="circular" (assessment model only): D, the diameter, cm, in
    place of b and h (which may be left out or must equal it); n_bars main
    bars evenly round their circle; transverse "spiral" (the default) or
    "hoops", of dbcm at sccm; clearb1cm to the spiral's centre line; r is
    not used (the steel is the bars').

    The values above are in mphi's own units (cm, T/cm2), whatever
    `units` says. Any of them may instead be given in a unit of its own,
    named after an underscore as in a batch table's columns: b_mm, h_m,
    dcm_mm, fc_MPa, fy_MPa, Es_GPa, D_mm (lengths in mm, cm or m;
    strengths in MPa, GPa or T/cm2). Warnings about such values name them
    as they were given.

    units: "t-cm", "t-m" or "si". It governs the load P0 and the column
    length given to curve() and sweep(), and every figure returned; not
    the values above.

    Raises InvalidSection for values the tools refuse, ValueError for
    unknown units, TypeError for a keyword that names no value.
    """

    def __init__(self, b=None, h=None, r=None, dcm=None, clearb1cm=None, dbcm=None,
                 sccm=None, fc=None, fy=None, fsy=None, Es=None, bars_face=None,
                 bars_side=None, legs_b=None, legs_h=None, units="t-cm", shape=None, D=None,
                 n_bars=None, transverse=None, **in_units):
        values = dict(b=b, h=h, r=r, dcm=dcm, clearb1cm=clearb1cm, dbcm=dbcm, sccm=sccm, fc=fc,
                      fy=fy, fsy=fsy, Es=Es, D=D)
        typed_in = {}
        for key, value in in_units.items():
            unit = _mphi.value_unit(key)
            if unit is None:
                raise TypeError("Section() got an unexpected keyword argument %r" % key)
            name, factor, shown = unit
            if values.get(name) is not None:
                raise TypeError("Section(): %s is given twice, as %s and as %s" % (name, name, key))
            values[name] = _number(key, value) * factor
            typed_in[name] = (key, shown, factor)
        b, h, r, D = values["b"], values["h"], values["r"], values["D"]
        dcm, clearb1cm, dbcm, sccm = (values[n] for n in ("dcm", "clearb1cm", "dbcm", "sccm"))
        fc, fy, fsy, Es = (values[n] for n in ("fc", "fy", "fsy", "Es"))
        if D is not None:
            D = _number("D", D)
            for name, side in (("b", b), ("h", h)):
                if side is not None and _number(name, side) != D:
                    raise _refused(name, side, "a circular section has one diameter, D = %g" % D)
            b = h = D
        circle = str(shape).strip().lower() == "circular"
        given = dict(b=b, h=h, r=0 if circle and r is None else r, dcm=dcm,
                     clearb1cm=clearb1cm, dbcm=dbcm, sccm=sccm, fc=fc, fy=fy, fsy=fsy, Es=Es)
        for name, value in given.items():
            if value is None:
                raise _refused(name, "", "the value is missing")
        self.values = {name: _number(name, value) for name, value in given.items()}
        counts = {n: None if v is None else _number(n, v)
                  for n, v in (("bars_face", bars_face), ("bars_side", bars_side),
                               ("legs_b", legs_b), ("legs_h", legs_h), ("n_bars", n_bars))}
        self.bars_face, self.bars_side = counts["bars_face"], counts["bars_side"]
        self.legs_b, self.legs_h = counts["legs_b"], counts["legs_h"]
        self.shape, self.n_bars, self.transverse = shape, counts["n_bars"], transverse
        request = dict(counts, shape=shape, transverse=transverse)
        self._native = _made(_mphi.make_section(self.values, request, units, typed_in))
        self.units = units

    def __repr__(self):
        values = ", ".join("%s=%r" % item for item in self.values.items())
        return "mphi.Section(%s, units=%r)" % (values, self.units)

    def curve(self, P0, model="spec", length=None):
        """The moment-curvature curve under the axial load P0 (T, or kN
        with units "si"; compression positive), by `model` ("spec" or
        "assessment"). With `length`, the cantilever column's length (cm,
        or m with units "t-m" or "si"; 1 to 30 times the section's depth),
        the drift too.

        Raises InvalidSection when the load, or bar counts or a shape the
        model does not take, cannot be taken.
        """
        curve = Curve(_made(self._native.curve(_number("P0", P0), model, length)))
        for text in curve.warnings:
            warnings.warn(text, DataWarning, stacklevel=2)
        return curve

    def sweep(self, loads=None, count=21, model="spec", length=None, jobs=None):
        """The section at many axial loads, as mphi-sweep: one row per load
        with its status and the model's result columns, each name ending in
        its unit ("Mu_Tcm"). `loads` in T (kN with units "si"); by default
        `count` loads from -0.8 As fy to 0.9 Po. `jobs` threads (default:
        the machine's cores); the result does not depend on them.

        A pandas DataFrame, or a dict of NumPy arrays without pandas; a
        figure that does not exist is NaN, and the status says why.
        """
        native_loads = None if loads is None else [_number("loads", P) for P in loads]
        names, rows = self._native.sweep(native_loads, count, model, length, jobs)
        return _frame(names, _mphi.typed_columns(names, rows, _TEXT_COLUMNS))


class Curve:
    """One section's curve at one load and what the tools read off it.

    Figures are in the section's units; a figure that does not exist is
    None. Everything is worked out when first asked for.
    """

    def __init__(self, native):
        self._native = native
        self._dict = None
        self._rows = None

    @property
    def model(self):
        """"spec" or "assessment"."""
        return self._native.model()

    @property
    def rows(self):
        """The curve point by point, origin first, as a dict of NumPy
        arrays: "row" (the model's row number), "phi" (curvature, 1/cm or
        1/m), "M" (moment, T.cm, T.m or kN.m), "ef" (extreme-fibre strain)
        and "c" (neutral-axis depth, cm or m; NaN at the assessment model's
        origin). For the spec model, the values as SECTION holds them.
        """
        if self._rows is None:
            self._rows = self._native.rows()
        return self._rows

    @property
    def end(self):
        """How the curve ended: "0.8Mu", "compression_bars", "tension_bars",
        "core_crushing", "axial_capacity", "no_equilibrium", "table_full",
        "row_cap", or None when it cannot be known."""
        return self._native.end()

    @property
    def status(self):
        """"ok", or why the curve gives fewer figures ("no equilibrium: the
        axial load exceeds ...", "too few rows to idealise ...")."""
        return self._native.status()

    def to_dict(self):
        """The report as mphi-report --input ... --json gives it, parsed."""
        if self._dict is None:
            self._dict = json.loads(self._native.json())
        return self._dict

    @property
    def key_points(self):
        """First yield, the peak and the ultimate point (spec model), or
        every limit-state point of the assessment model, as dicts."""
        return json.loads(self._native.key_points())

    @property
    def idealisation(self):
        """The bilinear idealisations with their curvature ductility: the
        spec model's "caltrans" and "priestley", the assessment model's
        one (its figures at the top level, None when it does not exist)."""
        return json.loads(self._native.idealisation())

    @property
    def warnings(self):
        """What is valid but suspect, as the tools warn of it: values far
        from real columns (each named as it was given, with the likely
        slip of unit), a load near the squash load, limit states past the
        P-delta stability drift. A list of strings, empty when none."""
        return self.to_dict()["warnings"]

    @property
    def drift(self):
        """The cantilever's drift and displacement ductility, or None
        without a length or a yield curvature."""
        return self.to_dict()["drift"]

    @property
    def capacity(self):
        """The cantilever's drift capacity (with a length): "drift", the
        least of "flexure", "bar_buckling" and "shear" (each a drift
        ratio, None where it does not exist), "governing" and a "note";
        None without a length."""
        return self.to_dict()["capacity"]

    @property
    def shear(self):
        """The column's shear strength (ASCE 41-17) with a length: "d",
        "alpha", "Vn0", "Vp" = Mu/L, their "ratio" and the "class"
        ("flexure", "flexure_shear" or "shear"); None without a length."""
        return self.to_dict()["shear"]

    @property
    def section_text(self):
        """The bytes mphi writes to SECTION for this section and load (spec
        model); None for the assessment model."""
        return self._native.section_text()

    @property
    def svg(self):
        """The picture mphi-report --svg draws of this curve, byte for byte:
        the curve, every key point and limit state, the idealisation and,
        with a length, the force-displacement panel."""
        return self._native.svg()

    def plot(self, ax=None):
        """Draws on a matplotlib Axes (a new figure's if None) what the
        report's picture (`svg`) shows of the curve: its title, M against
        phi, every key point or limit state that exists, each named with
        what set it, and the bilinear idealisations. Returns the Axes."""
        if ax is None:
            import matplotlib.pyplot as plt
            ax = plt.figure().add_subplot()
        rows, d = self.rows, self.to_dict()
        units = d["units"]
        moment = {"t-cm": "T·cm", "t-m": "T·m", "si": "kN·m"}[units]
        curvature = "1/cm" if units == "t-cm" else "1/m"
        title = self.svg.split("<title>", 1)[1].split("</title>", 1)[0]
        ax.set_title(title.replace("&amp;", "&"), fontsize=9)
        ax.plot(rows["phi"], rows["M"], label="%s model" % self.model)
        phi_u = None
        for name, point in self.key_points.items():
            if not point:
                continue
            phi = next(v for k, v in point.items() if k.startswith(("phi", "Ky")))
            M = next(v for k, v in point.items() if k.startswith(("M", "My")))
            phi_u = phi if name == "ultimate" else phi_u
            what = point.get("governed")
            by = ", by " + _mphi.governed_words(what) if what else ""
            ax.plot([phi], [M], "o", label=name.replace("_", " ") + by)
        for name, (M, phi) in self._bilinears().items():
            if phi_u is not None:
                ax.plot([0, phi, phi_u], [0, M, M], "--", label=name)
        ax.set_xlabel("curvature φ (%s)" % curvature)
        ax.set_ylabel("moment M (%s)" % moment)
        ax.legend(fontsize=7)
        return ax

    def _bilinears(self):
        """The idealisations' corners (M, phi) by name."""
        ideal = self.idealisation or {}

        def corner(part, m, phi):
            M = next((v for k, v in part.items() if k == m or k.startswith(m + "_")), None)
            p = next((v for k, v in part.items() if k == phi or k.startswith(phi + "_per")), None)
            return None if M is None or p is None else (M, p)
        if "caltrans" in ideal:  # the spec model's two
            found = {"Caltrans": corner(ideal["caltrans"] or {}, "Mp", "phi_yi"),
                     "Priestley": corner(ideal["priestley"] or {}, "Mn", "phi_y")}
        else:
            found = {"bilinear": corner(ideal, "Mn", "phi_y")}
        return {name: c for name, c in found.items() if c}


def _table_bytes(table):
    """A table of sections as the CSV bytes mphi-batch reads."""
    if isinstance(table, (str, bytes, os.PathLike)):
        with open(table, "rb") as f:
            return f.read()
    if hasattr(table, "to_csv"):
        return table.to_csv(index=False).encode()
    rows = list(table)
    names = []
    for row in rows:
        names += [name for name in row if name not in names]
    out = io.StringIO()
    writer = csv.DictWriter(out, fieldnames=names, lineterminator="\n")
    writer.writeheader()
    writer.writerows(rows)
    return out.getvalue().encode()


def _read(table):
    """(the caller's DataFrame or None, header, rows, decimal comma, id
    column) of a table."""
    frame = table if hasattr(table, "to_csv") else None
    header, rows, decimal_comma, id_column = _mphi.read_table(_table_bytes(table))
    return frame, header, rows, decimal_comma, id_column


def _assemble(read, names, cells):
    """The batch's answer: the table's own columns (the caller's DataFrame
    as it was, or typed from the cells) and then the result columns."""
    frame, header, rows, _, id_column = read
    text = _TEXT_COLUMNS | ({header[id_column]} if id_column >= 0 else set())
    results = _mphi.typed_columns(names, cells, _TEXT_COLUMNS)
    if frame is not None:
        out = frame.reset_index(drop=True).copy()
        for name, column in zip(names, results):
            out[name] = column
        return out
    given = _mphi.typed_columns(header, rows, text)
    return _frame(header + names, given + results)


def batch(table, model="spec", units="t-cm", length=None, jobs=None):
    """A table of sections through the analysis, as mphi-batch.

    `table`: a pandas DataFrame, a list of dicts, or the path of a CSV
    file, with mphi-batch's columns: b, h, dcm, clearb1cm, dbcm, sccm, fc,
    fy, fsy, Es, P0 and r (in mphi's units, or another named in the column,
    "b_mm", "fc (MPa)", "P0_kN"), and optionally id, model, bars_face,
    bars_side and L (in the units' length, or the unit its name gives,
    "L_mm"). `model`, `units` and `length` (cm, or m with units "t-m" or
    "si") as for Section; a row's own model or L cell wins.

    Returns the table with "status" ("ok", or why a row was refused or
    gives fewer figures) and the result columns; a bad row never stops
    the others. A DataFrame with pandas, else a dict of NumPy arrays.
    Raises ValueError when the table cannot be read at all.
    """
    read = _read(table)
    _, header, rows, decimal_comma, _ = read
    names, cells, _ = _mphi.batch_rows(header, rows, decimal_comma, 0, {},
                                       model, units, length, jobs)
    return _assemble(read, names, cells)
