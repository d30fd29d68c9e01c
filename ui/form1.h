// form1.h: the program's only window: the input box, the button "U slova" and the label.
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QWidget>

#include "uslova/window_operations.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

/// The window `Form1`. A click of `dgmUslova` writes the words of `Text1` into `Label1`;
/// a double-click on the window's own surface empties `Label1`. The words can be copied from
/// the label's context menu ("Kopiraj", "Izaberi sve") and, from anywhere in the window, with
/// Ctrl+Shift+C.
class Form1 : public QWidget, public uslova::WindowOperations {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);

  // The window operations, on the widgets.
  std::string text1() const override;
  void setText1(std::string_view text) override;
  std::string label1Caption() const override;
  void setLabel1Caption(std::string_view caption) override;
  void msgBox(std::string_view prompt, std::string_view title) override;

 public slots:
  void dgmUslova_Click();
  void Form_DblClick();
  /// Puts the whole caption on the clipboard, exactly, blanks included.
  void copyCaption();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  /// Gives `Label1` the largest font, up to its usual one, at which its words fit it whole.
  void fitLabel1();

  QLineEdit* Text1;
  QLabel* Label1;
  QPushButton* dgmUslova;
  QAction* copyAction;  // Ctrl+Shift+C anywhere in the window
};

/// The window's icon: the icon theme's, or the one built into the program.
QIcon AppIcon();
