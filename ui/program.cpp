#include "program.h"

#include "form1_window.h"

#include <QApplication>
#include <QMessageBox>

namespace croquel::ui {

void reportFatalAndExit(const QString& message)
{
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("CROQUEL"),
                          QStringLiteral("Erreur d'exécution : %1").arg(message));
    QCoreApplication::exit(1);
}

Program::Program() : random_(clockRandom_), messageBox_(qtMessageBox_), reportFatal_(reportFatalAndExit)
{
    installKeyLatch();
}

Program::Program(RandomSource& random, MessageBox& messageBox, FatalReport report)
    : random_(random), messageBox_(messageBox), reportFatal_(std::move(report))
{
    installKeyLatch();
}

Program::~Program()
{
    delete form1_.data();
}

Form1Window* Program::form1() const
{
    return form1_;
}

void Program::installKeyLatch()
{
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installEventFilter(&keys_);
    }
}

void Program::start()
{
    if (form1_) {
        return;
    }
    form1_ = new Form1Window(module1_, keys_, random_, messageBox_);
    connect(form1_, &Form1Window::failed, this, [this](const QString& message) { reportFatal_(message); });
    form1_->show();
}

} // namespace croquel::ui
