#pragma once

#include "form1.h"
#include "module1.h"
#include "platform.h"

#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <array>
#include <memory>

class QAction;
class QLabel;

namespace croquel::ui {

class PlayfieldWidget;

// The game window: builds its children from the layout, forwards timer
// ticks to the game's handlers and draws the game's controls after each one.
// It deletes itself when unloaded (close box, "quitter" or game over).
class Form1Window final : public QMainWindow, private WindowUnloader {
    Q_OBJECT
public:
    Form1Window(Module1& module, KeyState& keys, RandomSource& random, MessageBox& messageBox);
    ~Form1Window() override;

    Form1& form() { return *form_; }
    const QTimer& timer(int number) const;
    QAction* menuAction(const QString& name) const;
    PlayfieldWidget* playfield() const { return playfield_; }
    // Label1 or Label2.
    QLabel* label(int number) const;

    // What a tick of Timer1/2/3 does: the handler, then drawing. A run-time
    // error aborts the handler, stops the game and is reported by failed().
    void tickTimer1();
    void tickTimer2();
    void tickTimer3();

    // Brings the widgets in line with the game's controls; what did not
    // change is not drawn again.
    void render();
    // Runs the timers the game has enabled, while it is not halted.
    void syncTimers();

signals:
    void commandesClicked();
    void aproposClicked();
    void lieninterClicked();
    void failed(const QString& message);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class DrawFirstMessageBox;

    void unloadForm1() override;
    void buildMenu();
    void buildPlayfield();
    void addControls();
    void run(void (Form1::*handler)());

    std::unique_ptr<DrawFirstMessageBox> messageBox_;
    std::unique_ptr<Form1> form_;
    PlayfieldWidget* playfield_ = nullptr;
    std::array<QTimer, 3> timers_;
    std::array<int, 6> sprites_{};               // [1]..[5], items of playfield_
    std::array<int, form1Images + 1> images_{};  // [1]..[49], items of playfield_
    std::array<QLabel*, 3> labels_{};            // [1]..[2]
    bool halted_ = false;                        // failed or unloaded: no handler runs any more
};

// The layout name of a child: "Picture5", "Image18", "Label2".
QString controlName(const ControlLayout& child);

// Caption of the game window.
QString form1Caption();

}  // namespace croquel::ui
