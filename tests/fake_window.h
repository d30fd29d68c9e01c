// fake_window.h: the window operations on plain strings, recording the message box.
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "uslova/window_operations.h"

namespace uslova::testing {

class FakeWindow : public WindowOperations {
 public:
  std::string text, caption, prompt, title;
  int boxes = 0;

  std::string text1() const override { return text; }
  void setText1(std::string_view t) override { text = t; }
  std::string label1Caption() const override { return caption; }
  void setLabel1Caption(std::string_view c) override { caption = c; }
  void msgBox(std::string_view p, std::string_view t) override {
    prompt = p;
    title = t;
    ++boxes;
  }
};

}  // namespace uslova::testing
