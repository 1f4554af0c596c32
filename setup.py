# The native half of the mphi package for pip: the same sources as the
# CMake build's libraries, with the same floating-point rules.
import glob
import os
import re

from pybind11.setup_helpers import ParallelCompile, Pybind11Extension, build_ext
from setuptools import setup

# Every library folder; not the programs, mphi's own driver, the page, the
# validation, the tests or this package's own folder.
NOT_LIBRARIES = {"tools", "driver", "web", "validation", "tests", "bench", "python", "build"}

here = os.path.dirname(os.path.abspath(__file__))
os.chdir(here)
sources = ["python/module.cpp"] + sorted(
    f for f in glob.glob("*/*.cpp") if os.path.dirname(f) not in NOT_LIBRARIES)
with open("textio/version.h") as header:
    version = re.search(r'kVersion\[\] = "([^"]+)"', header.read()).group(1)
os.makedirs("build/pip", exist_ok=True)

ParallelCompile("MPHI_BUILD_JOBS", default=0).install()
setup(
    version=version,
    ext_modules=[Pybind11Extension(
        "mphi._mphi", sources, include_dirs=["."], libraries=["csv"], cxx_std=17,
        # The printed digits depend on every rounding: no fused multiply-adds.
        extra_compile_args=["-ffp-contract=off", "-O2"])],
    cmdclass={"build_ext": build_ext},
    options={"build": {"build_base": "build/pip"}, "egg_info": {"egg_base": "build/pip"}},
)
