#include "program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    croquel::ui::prepareApplication();
    QApplication app(argc, argv);
    croquel::ui::Program program;
    program.start();
    return app.exec();
}
