# SPDX-License-Identifier: MIT
"""The compiled layer of the uslova package, uslova._uslova: the converter's C++20 sources from
this clone, as converter/sources.txt lists them, built into a static library of their own, and
the module's C source linked with it. The type stub is written after the build, from the
option tables of the module just built."""

import os
import sys

from setuptools import Extension, setup
from setuptools.command.build_clib import build_clib
from setuptools.command.build_ext import build_ext

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.dirname(HERE)


def read(*path):
    with open(os.path.join(TOP, *path), encoding="utf-8") as source:
        return source.read()


VERSION = read("VERSION").strip()
# Paths relative to this file, as setuptools wants them: the converter is beside the package.
CONVERTER = [f"../converter/src/{name}" for name in read("converter", "sources.txt").split()]


class BuildClib(build_clib):
    """The converter, with the version.h that CMake would write."""

    def run(self):
        generated = os.path.join(self.build_temp, "generated")
        os.makedirs(os.path.join(generated, "uslova"), exist_ok=True)
        with open(os.path.join(generated, "uslova", "version.h"), "w", encoding="utf-8") as out:
            out.write(read("converter", "version.h.in").replace("@PROJECT_VERSION@", VERSION))
        for _, build_info in self.libraries:
            build_info["include_dirs"].append(generated)
        super().run()


class BuildExt(build_ext):
    """The module, then its type stub from the converter's tables, through the built package."""

    def run(self):
        super().run()
        sys.path.insert(0, os.path.abspath(self.build_lib))
        try:
            import uslova  # the package just built, with its compiled layer
            from stubs import write_stub
        finally:
            sys.path.pop(0)
        write_stub(uslova, os.path.join(HERE, "uslova", "__init__.pyi.in"),
                   os.path.join(self.build_lib, "uslova", "__init__.pyi"))


sys.path.append(HERE)  # stubs.py
setup(
    version=VERSION,
    libraries=[("uslova_converter", {
        "sources": CONVERTER,
        "include_dirs": ["../converter/include"],
        "cflags": ["-std=c++20", "-fvisibility=hidden", "-fPIC"],
    })],
    ext_modules=[Extension("uslova._uslova", sources=["uslova/_uslova.c"],
                           include_dirs=["../converter/include"],
                           extra_link_args=["-lstdc++"])],
    cmdclass={"build_clib": BuildClib, "build_ext": BuildExt},
)
