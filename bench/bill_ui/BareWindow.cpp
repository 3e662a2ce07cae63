// The least a Qt Widgets program does before its window shows: the start
// probe measures korvane-bill against this.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(800, 600);
  window.show();
  return app.exec();
}
