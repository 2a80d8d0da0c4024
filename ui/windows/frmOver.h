#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <string>

class QLabel;
class QPushButton;

namespace glimmerix {

// The game-over window: the final score, and YES for another game or No to stop.
// Loaded at the first game end, then only hidden and shown again.
class frmOver : public QWidget {
  Q_OBJECT

 public:
  frmOver();

  void setScore(const std::string& caption);

  QLabel* lblOverScore;
  QPushButton* cmdYes;
  QPushButton* cmdNo;

 signals:
  void yes();
  void no();
  void closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QElapsedTimer shown_;  // keys meant for the board must not answer the question
};

}  // namespace glimmerix
