#pragma once

#include <QLabel>

// A label that acts as a web link: hand pointer, click (or Enter/Space when
// it has the keyboard focus) emits clicked().
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};
