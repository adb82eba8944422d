#pragma once

#include <QLabel>

// A label that acts as a web link: hand pointer, a click emits clicked().
// Like any label it never takes the keyboard focus, so the windows' keyboard
// orders hold their own controls only; without a mouse a link is reached
// through assistive tools, to which it presents itself as a link that can be
// pressed, and its page through the Help menu.
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};
