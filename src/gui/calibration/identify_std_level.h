#pragma once
// The level dialog: the level label of one standard data file. It writes the label into
// the calibration window's list of labels, beside the file it belongs to.
#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

class Tidentify_std_level : public QDialog {
  public:
    Tidentify_std_level();

    QLineEdit* Edit_stdpath;
    QGroupBox* ConcGroup;
    QButtonGroup* ConcGroupButtons;
    QLineEdit* Edit_dilfactor;
    QPushButton* Button_exit;

    // The chosen item 0..10, or -1 when none is chosen.
    int ConcGroupItemIndex() const;
    void SetConcGroupItemIndex(int item);

    void OnShow();
    void ConcGroupClick(int item);
    void Edit_dilfactorChange();
    void Button_exitClick();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;  // F1: the calibration help
};

extern Tidentify_std_level* identify_std_level;

constexpr int kCalibrationHelpContext = 160;
