// reader.h: reads a typed number a piece at a time, in bounded memory, whatever its length:
// the number, the amount as it is written, and a binary float's digits, each declared in the
// header of the file that defines it.
// SPDX-License-Identifier: MIT
#pragma once

#include "uslova/amount_reader.h"
#include "uslova/float_text.h"
#include "uslova/number_reader.h"
