# SPDX-License-Identifier: MIT
"""The compiled layer of the uslova package, uslova._uslova: its C source and the converter's
C++20 sources from this clone, built into one extension module."""

import os
import re

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.dirname(HERE)
CONVERTER = os.path.join(TOP, "converter")


def version():
    with open(os.path.join(TOP, "CMakeLists.txt"), encoding="utf-8") as cmake:
        return re.search(r"project\(uslova VERSION ([0-9.]+)", cmake.read()).group(1)


class BuildExt(build_ext):
    """C++20 for the converter's sources and C for the module's; version.h as CMake writes it."""

    def build_extensions(self):
        generated = os.path.join(self.build_temp, "generated")
        os.makedirs(os.path.join(generated, "uslova"), exist_ok=True)
        with open(os.path.join(CONVERTER, "version.h.in"), encoding="utf-8") as template:
            text = template.read().replace("@PROJECT_VERSION@", version())
        with open(os.path.join(generated, "uslova", "version.h"), "w", encoding="utf-8") as out:
            out.write(text)
        for extension in self.extensions:
            extension.include_dirs.append(generated)
        compile_one = self.compiler._compile

        def compile_with_standard(obj, src, ext, cc_args, extra_postargs, pp_opts):
            standard = ["-std=c++20", "-fvisibility=hidden"] if src.endswith(".cpp") else []
            compile_one(obj, src, ext, cc_args, extra_postargs + standard, pp_opts)

        self.compiler._compile = compile_with_standard
        super().build_extensions()


# Paths relative to this file, as setuptools wants them: the converter is beside the package.
sources = ["uslova/_uslova.c"] + [
    f"../converter/src/{name}"
    for name in ("reader.cpp", "words.cpp", "render.cpp", "converter.cpp", "c_api.cpp")]

setup(
    version=version(),
    ext_modules=[Extension("uslova._uslova", sources=sources,
                           include_dirs=["../converter/include"],
                           extra_link_args=["-lstdc++"])],
    cmdclass={"build_ext": BuildExt},
)
