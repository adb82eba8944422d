#pragma once

#include "ui/toplevel.h"

#include <QMainWindow>

class AutoSizeLabel;
class CaptionTabWidget;
class QLabel;
class QPushButton;
class ReportView;
struct Reading;

// The report window: the user's sign, the partner's sign and the summary on
// three tabs. It shows a Reading and offers saving and printing; whatever
// else the user asks for (back, exit, the about box) it says by signal.
class FrmDisplay : public TopLevel<QMainWindow> {
  Q_OBJECT
 public:
  explicit FrmDisplay(QWidget* parent = nullptr);

  // Fills every value of the window from the reading, in the order the
  // compute command has always written them: the user's picture, caption
  // and report, the partner's, the verdict, the summary labels, the tab
  // captions, and both carets back to the start. Expects empty views, as
  // a freshly loaded window has; does not show the window.
  void ShowReading(const Reading& reading);

 public slots:
  // Back to the main window (cmdBack, mnuBack).
  void GoBack();

 signals:
  void backRequested();
  // The File menu's Exit: the exit sequence for this window.
  void exitRequested();
  void aboutRequested();
  // The window is being unloaded, whatever closed it.
  void unloading();

 protected:
  void FirstShowing() override;
  void Unloading() override;

 private:
  void BuildMenus();

  CaptionTabWidget* tabSelect_ = nullptr;
  ReportView* RTB_ = nullptr;
  ReportView* PartnerRTB_ = nullptr;
  QLabel* picGod_ = nullptr;
  QLabel* picPartnerGod_ = nullptr;
  AutoSizeLabel* lblGodName_ = nullptr;
  AutoSizeLabel* lblPartnerGodName_ = nullptr;
  AutoSizeLabel* lblCompatibility_ = nullptr;
  AutoSizeLabel* lblYourName_ = nullptr;
  AutoSizeLabel* lblYourDateOfBirth_ = nullptr;
  AutoSizeLabel* lblYourEgyptianSign_ = nullptr;
  AutoSizeLabel* lblYourPartnerName_ = nullptr;
  AutoSizeLabel* lblYourPartnerDateOfBirth_ = nullptr;
  AutoSizeLabel* lblYourPartnerEgyptianSign_ = nullptr;
  QPushButton* cmdSave_ = nullptr;
};
