// The yardstick for Pelorin's start-up time and memory: a Qt Widgets program
// that shows one empty main window and nothing else.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare"));
  window.show();
  return QApplication::exec();
}
