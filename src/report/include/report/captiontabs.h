#pragma once

#include <QTabBar>
#include <QTabWidget>

// Tabs whose captions are plain text, kept exactly as set: an ampersand is
// drawn as itself and makes no access key, and a caption too wide for its
// tab is shortened with "…" only where it is drawn. The whole caption is the
// tab's tooltip.
class CaptionTabBar : public QTabBar {
  Q_OBJECT
 public:
  explicit CaptionTabBar(QWidget* parent = nullptr);

  // The caption as set, ampersands single.
  QString Caption(int index) const;

 protected:
  QSize tabSizeHint(int index) const override;
  void initStyleOption(QStyleOptionTab* option, int tabIndex) const override;

 private:
  QSize NaturalSize(int index) const;
};

class CaptionTabWidget : public QTabWidget {
  Q_OBJECT
 public:
  explicit CaptionTabWidget(QWidget* parent = nullptr);

  // Sets the caption and its tooltip; an ampersand in it grabs no access key.
  void SetCaption(int index, const QString& caption);
  QString Caption(int index) const;
};
