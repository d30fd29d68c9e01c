// c_api.h: what c_api.cpp offers the other crossings into the converter, such as the npm
// package's, beside the public C interface: a struct of options read as each of its calls
// reads one.
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "uslova/options.h"
#include "uslova/uslova.h"

namespace uslova {

/// Reads the options that `given` holds (none for NULL) into `options`, and a noun of one's
/// own into `noun`, which `options` then points to; returns why they cannot be used, or empty.
std::string_view ReadOptions(const uslova_options* given, Options& options, OwnNoun& noun);

}  // namespace uslova
