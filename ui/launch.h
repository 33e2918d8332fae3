#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <memory>
#include <optional>

class QApplication;

namespace croquel::ui {

// The game's command line. Its own options are answered before the
// application object exists, since that needs a window system; Qt's own
// (-platform, -style, ...) are taken out of the arguments by the
// application object, and whatever is left after that is a mistake.
class CommandLine {
public:
    CommandLine();

    // --help and --version, printed on standard output: the status to end
    // with, or nothing to go on.
    std::optional<int> answer(int argc, const char* const* argv);
    // An option or an argument the game does not know, the arguments being
    // the application's: one line on standard error, and the status to end
    // with; or nothing to go on.
    std::optional<int> reject(const QStringList& arguments);

private:
    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
};

// Makes the application object. Where no window system can be reached, it
// says so in one line on standard error and ends the program with status 1,
// where Qt would abort.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv);

}  // namespace croquel::ui
