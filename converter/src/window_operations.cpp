// window_operations.cpp: the click of "U slova", the same for every front.
// SPDX-License-Identifier: MIT
#include "uslova/window_operations.h"

#include "uslova/converter.h"

namespace uslova {

void dgmUslova_Click(WindowOperations& window) {
  const Outcome outcome = Convert(window.text1());
  if (!outcome.accepted()) {
    window.msgBox(outcome.prompt(), kTitle);
    return;
  }
  window.setLabel1Caption(outcome.caption);
  window.setText1(outcome.text);
}

}  // namespace uslova
