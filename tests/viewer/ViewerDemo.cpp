// A window with the viewer alone, for looking at a picture by hand (under Xvfb, say):
//   viewer_demo PICTURE.jpg|PICTURE.bmp
// The picture is fitted; drag, wheel, right-click, double-click and rubber bands work as in the program.
#include "AL_ZoomImg.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: viewer_demo PICTURE\n");
        return 2;
    }
    TALZoomImage view;
    view.setWindowTitle(QStringLiteral("Panel View"));
    view.resize(752, 560);
    view.SetCentralCross(false);
    view.SetFitting(true);
    view.show();
    view.SetFileName(QString::fromLocal8Bit(argv[1]));
    return application.exec();
}
