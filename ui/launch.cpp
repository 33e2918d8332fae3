#include "launch.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace croquel::ui {

namespace {

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// What Qt says while the application object is made, held back until it is
// known whether a window system could be reached. The context's texts are
// copied: a platform plugin that failed may be unloaded by then.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> held;
QtMessageHandler passOn = nullptr;

const char* orNull(const QByteArray& text)
{
    return text.isNull() ? nullptr : text.constData();
}

void passOnHeld()
{
    for (const HeldMessage& message : held) {
        passOn(
            message.type,
            QMessageLogContext(orNull(message.file), message.line, orNull(message.function), orNull(message.category)),
            message.text);
    }
    held.clear();
}

// Making the application object fails only where no platform plugin can
// open a window system: a matter of where the game was started, not of its
// installation, whatever Qt's own last word advises.
[[noreturn]] void reportNoWindowSystem()
{
    QStringList named;  // the window system the environment points at
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (qEnvironmentVariableIsSet(variable)) {
            named << QLatin1String(variable) + u'=' + qEnvironmentVariable(variable);
        }
    }
    const QString name = QCoreApplication::applicationName();
    if (named.isEmpty()) {
        print(stderr, QStringLiteral("%1: no window system to show the game on: start it from a desktop session, "
                                     "or with DISPLAY or WAYLAND_DISPLAY set\n")
                          .arg(name));
    } else {
        passOnHeld();  // Qt's own words on what went wrong with the one named
        print(stderr, QStringLiteral("%1: no window system could be opened with %2: start the game from a desktop "
                                     "session, or with DISPLAY or WAYLAND_DISPLAY naming a running one\n")
                          .arg(name, named.join(u' ')));
    }
    std::_Exit(1);
}

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        reportNoWindowSystem();
    }
    held.push_back({type, context.file, context.line, context.function, context.category, message});
}

}  // namespace

CommandLine::CommandLine()
    : help_({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Print this help and exit.")),
      version_({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Print the version and exit."))
{
    // As Qt's own options are written: -platform, not -p -l -a ...
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.setApplicationDescription(
        QStringLiteral("A maze-chase arcade game, in French: steer with the arrow keys, eat the pellets, flee the "
                       "chaser.\nQt's own options, such as -platform and -style, are accepted too."));
    parser_.addOption(help_);
    parser_.addOption(version_);
}

std::optional<int> CommandLine::answer(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    parser_.parse(arguments);  // Qt's options are not known yet: mistakes are told later
    if (parser_.isSet(help_)) {
        // Without an application object Qt cannot name the program.
        print(stdout,
              parser_.helpText().replace(QStringLiteral("<executable_name>"), QCoreApplication::applicationName()));
        return EXIT_SUCCESS;
    }
    if (parser_.isSet(version_)) {
        print(stdout, QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n');
        return EXIT_SUCCESS;
    }
    return std::nullopt;
}

std::optional<int> CommandLine::reject(const QStringList& arguments)
{
    QString mistake;
    if (!parser_.parse(arguments)) {
        mistake = parser_.errorText();
    } else if (!parser_.positionalArguments().isEmpty()) {
        mistake = QStringLiteral("Unexpected argument '%1'.").arg(parser_.positionalArguments().constFirst());
    } else {
        return std::nullopt;
    }
    const QString name = QCoreApplication::applicationName();
    print(stderr, QStringLiteral("%1: %2 See '%1 --help'.\n").arg(name, mistake));
    return 2;
}

std::unique_ptr<QApplication> openApplication(int& argc, char** argv)
{
    // Asked to stop at a warning, Qt stops before a held warning is told:
    // then nothing is held back.
    if (qEnvironmentVariableIsSet("QT_FATAL_WARNINGS") || qEnvironmentVariableIsSet("QT_FATAL_CRITICALS")) {
        return std::make_unique<QApplication>(argc, argv);
    }
    passOn = qInstallMessageHandler(holdBack);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(passOn);
    passOnHeld();
    return application;
}

}  // namespace croquel::ui
