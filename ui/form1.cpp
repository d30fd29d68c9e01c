// form1.cpp: the window's controls, their layout and fonts, and the window operations.
#include "form1.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

namespace {

// Geometry in logical pixels, so that Qt scales it on high-density screens.
constexpr QSize kClientSize{402, 182};
constexpr QRect kText1Rect{8, 16, 281, 45};
constexpr QRect kLabel1Rect{16, 72, 353, 81};
constexpr QRect kButtonRect{304, 16, 57, 41};
constexpr qreal kText1PointSize = 24;
constexpr qreal kLabel1PointSize = 9.75;
constexpr const char* kStartText = "2545743675434";

QFont PlainSansSerif(qreal pointSize) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  return font;
}

/// A label that keeps its double-clicks: a double-click on the words selects them and must not
/// reach the window, where it would empty the label.
class CaptionLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    QLabel::mouseDoubleClickEvent(event);
    event->accept();
  }
};

QString FromUtf8(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent),
      Text1(new QLineEdit(kStartText, this)),
      Label1(new CaptionLabel(this)),
      dgmUslova(new QPushButton(QStringLiteral("U slova"), this)) {
  setObjectName("Form1");
  setWindowTitle(QStringLiteral("Form1"));
  resize(kClientSize);

  Text1->setObjectName("Text1");
  Text1->setGeometry(kText1Rect);
  Text1->setFont(PlainSansSerif(kText1PointSize));

  Label1->setObjectName("Label1");
  Label1->setGeometry(kLabel1Rect);
  Label1->setFont(PlainSansSerif(kLabel1PointSize));
  Label1->setTextFormat(Qt::PlainText);  // a caption is never markup
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Users select and copy the words with the mouse; the label never takes the focus.
  Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Label1->setFocusPolicy(Qt::NoFocus);
  Label1->setContextMenuPolicy(Qt::DefaultContextMenu);

  dgmUslova->setObjectName("dgmUslova");
  dgmUslova->setGeometry(kButtonRect);
  dgmUslova->setAutoDefault(false);  // Enter and Escape in the box do not press it
  dgmUslova->setDefault(false);

  setTabOrder(Text1, dgmUslova);
  Text1->setFocus();
  connect(dgmUslova, &QPushButton::clicked, this, &Form1::dgmUslova_Click);
}

std::string Form1::text1() const {
  return Text1->text().toStdString();
}

void Form1::setText1(std::string_view text) {
  Text1->setText(FromUtf8(text));
}

std::string Form1::label1Caption() const {
  return Label1->text().toStdString();
}

void Form1::setLabel1Caption(std::string_view caption) {
  Label1->setText(FromUtf8(caption));
}

void Form1::msgBox(std::string_view prompt, std::string_view title) {
  QMessageBox box(QMessageBox::NoIcon, FromUtf8(title), FromUtf8(prompt), QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  box.button(QMessageBox::Ok)->setIcon(QIcon());  // a plain OK, as the box has no icon either
  box.exec();
}

void Form1::dgmUslova_Click() {
  uslova::dgmUslova_Click(*this);
}

void Form1::Form_DblClick() {
  setLabel1Caption({});
}

void Form1::mouseDoubleClickEvent(QMouseEvent* event) {
  // Double-clicks on the controls stay with them; only the window's own surface gets here.
  if (event->button() == Qt::LeftButton) Form_DblClick();
  event->accept();
}
