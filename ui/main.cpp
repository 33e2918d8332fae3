#include "launch.h"
#include "program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    croquel::ui::prepareApplication();
    croquel::ui::CommandLine commandLine;
    if (const auto status = commandLine.answer(argc, argv)) {
        return *status;
    }
    const auto app = croquel::ui::openApplication(argc, argv);
    if (const auto status = commandLine.reject(app->arguments())) {
        return *status;
    }
    croquel::ui::Program program;
    program.start();
    return app->exec();
}
