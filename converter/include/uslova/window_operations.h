// window_operations.h: the five operations through which a conversion reaches a window,
// and the click logic written once against them.
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace uslova {

/// The input box `Text1`, the label `Label1` and the message box, as a conversion sees them.
/// The window implements them on its widgets; the command line and the tests on plain strings.
class WindowOperations {
 public:
  virtual ~WindowOperations() = default;

  virtual std::string text1() const = 0;
  virtual void setText1(std::string_view text) = 0;
  virtual std::string label1Caption() const = 0;
  virtual void setLabel1Caption(std::string_view caption) = 0;
  /// Shows a modal box with `prompt`, `title` and one OK button; returns when it is closed.
  virtual void msgBox(std::string_view prompt, std::string_view title) = 0;
};

/// One click of the button "U slova": reads `Text1` and converts it. A rejection shows the
/// message box and leaves `Text1` and `Label1` as they were; otherwise `Label1` gets the words
/// and `Text1` the typed text with its "." turned into "," where it is the only separator.
/// e.g. with "2.25" typed, `Label1` reads "  dva zapeta  dvadeset pet" and `Text1` "2,25".
void dgmUslova_Click(WindowOperations& window);

}  // namespace uslova
