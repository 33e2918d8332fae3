#include "program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    croquel::ui::Program program;
    program.start();
    return app.exec();
}
