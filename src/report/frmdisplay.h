#pragma once

#include <QMainWindow>

class AutoSizeLabel;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class ReportView;

// The report window: the user's sign, the partner's sign and the summary on
// three tabs. The compute command fills it; the window itself only offers
// navigation, saving and printing.
class FrmDisplay : public QMainWindow {
  Q_OBJECT
 public:
  explicit FrmDisplay(QWidget* parent = nullptr);

  // The controls the compute command and the composer write.
  ReportView* RTB() const { return RTB_; }
  ReportView* PartnerRTB() const { return PartnerRTB_; }
  QLabel* picGod() const { return picGod_; }
  QLabel* picPartnerGod() const { return picPartnerGod_; }
  AutoSizeLabel* lblGodName() const { return lblGodName_; }
  AutoSizeLabel* lblPartnerGodName() const { return lblPartnerGodName_; }
  AutoSizeLabel* lblCompatibility() const { return lblCompatibility_; }
  AutoSizeLabel* lblYourName() const { return lblYourName_; }
  AutoSizeLabel* lblYourDateOfBirth() const { return lblYourDateOfBirth_; }
  AutoSizeLabel* lblYourEgyptianSign() const { return lblYourEgyptianSign_; }
  AutoSizeLabel* lblYourPartnerName() const { return lblYourPartnerName_; }
  AutoSizeLabel* lblYourPartnerDateOfBirth() const { return lblYourPartnerDateOfBirth_; }
  AutoSizeLabel* lblYourPartnerEgyptianSign() const { return lblYourPartnerEgyptianSign_; }
  QTabWidget* tabSelect() const { return tabSelect_; }

  // Shows deity picture `index` (1 to 12) in picGod / picPartnerGod; the
  // label's "pictureIndex" property keeps the number. Out of range: no change.
  void SetGodPicture(int index);
  void SetPartnerGodPicture(int index);

 public slots:
  // Back to the main window: show it, unload this window, hide the farewell
  // window that the unload brought up. A failing step is skipped silently.
  void GoBack();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QFrame* BuildTopStrip(QWidget* parent);
  QGroupBox* BuildSignPage(const QString& groupName, int labelLeft, ReportView*& view, QLabel*& picture,
                           AutoSizeLabel*& signLabel, const QString& viewName, const QString& pictureName,
                           const QString& signLabelName);
  QGroupBox* BuildSummaryPage();
  QFrame* BuildBottomStrip(QWidget* parent);
  QFrame* BuildSavePrintPanel(QWidget* parent);
  void BuildMenus();

  QTabWidget* tabSelect_ = nullptr;
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
  QPushButton* cmdPrint_ = nullptr;
  QPushButton* cmdBack_ = nullptr;
  QPushButton* cmExit_ = nullptr;
  bool centred_ = false;
};
