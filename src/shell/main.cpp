#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel l("Placatec");
  l.show();
  return app.exec();
}
