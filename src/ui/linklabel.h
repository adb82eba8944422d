#pragma once

#include <QLabel>

// A label that acts as a web link: hand pointer, click (or Enter/Space when
// it has the keyboard focus) emits clicked(). It is reached by Tab only (a
// mouse click does not take the focus), shows a focus frame when it has it,
// and presents itself to assistive tools as a link that can be pressed.
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};
