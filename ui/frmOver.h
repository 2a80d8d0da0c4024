#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <string>

class QLabel;
class QPushButton;

namespace glimmerix {

class QtToolkit;

// The game-over window: the final score, and YES for another game or No to stop.
// Loaded at the first game end, then only hidden and shown again.
class frmOver : public QWidget {
  Q_OBJECT

 public:
  explicit frmOver(QtToolkit& toolkit);

  void setScore(const std::string& caption);

  QLabel* lblOverScore;
  QPushButton* cmdYes;
  QPushButton* cmdNo;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void cmdYes_Click();

  QtToolkit& toolkit_;
  QElapsedTimer shown_;  // keys meant for the board must not answer the question
};

}  // namespace glimmerix
