#include <QApplication>

#include "windows/form1.h"
#include "windows/qt_platform_services.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(gears::QtPlatformServices::applicationTitle());
  gears::QtPlatformServices platform;
  gears::Form1 window(platform);
  window.show();
  return app.exec();
}
