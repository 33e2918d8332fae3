#pragma once

#include "clock_random.h"
#include "key_latch.h"
#include "module1.h"
#include "qt_message_box.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

namespace croquel::ui {

class Form1Window;
class SecondaryWindow;
struct WindowLayout;

// Owns the program-wide state and the life of every window: the game window
// and the secondary windows, each at most once. The program ends when the
// application's last window closes, by Qt's own rule.
class Program final : public QObject {
    Q_OBJECT
public:
    // Reports a run-time error to the user and ends the program.
    using FatalReport = std::function<void(const QString& message)>;

    // The real platform: clock-seeded random draws, Qt message boxes, and a
    // fatal report that shows the error and exits with status 1.
    Program();
    // For tests: replaceable random source, message box and fatal report.
    Program(RandomSource& random, MessageBox& messageBox, FatalReport report);
    ~Program() override;

    // Creates the game window, loads it and shows it centred.
    void start();

    Form1Window* form1() const;

    // Show modeless: built from its layout when absent, else brought to the
    // front and activated. The "commandes", "a propos" and "lien internet"
    // menu items.
    void showForm2();
    void showForm3();
    void showForm4();
    SecondaryWindow* form2() const;
    SecondaryWindow* form3() const;
    SecondaryWindow* form4() const;
    Module1& module1() { return module1_; }
    KeyLatch& keys() { return keys_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void installPlatform();
    void showSecondary(QPointer<SecondaryWindow>& window, const WindowLayout& layout);

    Module1 module1_;
    KeyLatch keys_;
    ClockRandom clockRandom_;
    QtMessageBox qtMessageBox_;
    RandomSource& random_;
    MessageBox& messageBox_;
    FatalReport reportFatal_;
    QPointer<Form1Window> form1_;
    QPointer<SecondaryWindow> form2_;
    QPointer<SecondaryWindow> form3_;
    QPointer<SecondaryWindow> form4_;
};

// Shows a run-time error in a critical box and ends the program with status 1.
void reportFatalAndExit(const QString& message);

// The game's name as the desktop knows it, and settings the platform reads
// once, when the application object is made; call before creating it.
void prepareApplication();

}  // namespace croquel::ui
