#include "form1.h"

namespace croquel {

Form1::Form1(Module1& module, Platform platform) : module_(module), platform_(platform)
{
    for (const ControlLayout& child : form1Children) {
        switch (child.kind) {
        case ControlKind::PictureBox:
            picture(child.number).Left = static_cast<float>(child.left);
            picture(child.number).Top = static_cast<float>(child.top);
            break;
        case ControlKind::Label: label(child.number).Caption = std::string(child.caption); break;
        case ControlKind::Image: break;
        }
    }
}

namespace {

constexpr std::array<PictureBox Form1::*, 5> pictureMembers{&Form1::Picture1, &Form1::Picture2, &Form1::Picture3,
                                                            &Form1::Picture4, &Form1::Picture5};
constexpr std::array<Label Form1::*, 2> labelMembers{&Form1::Label1, &Form1::Label2};
constexpr std::array<Timer Form1::*, 3> timerMembers{&Form1::Timer1, &Form1::Timer2, &Form1::Timer3};

}  // namespace

PictureBox& Form1::picture(int number)
{
    return this->*pictureMembers.at(static_cast<std::size_t>(number - 1));
}

const PictureBox& Form1::picture(int number) const
{
    return this->*pictureMembers.at(static_cast<std::size_t>(number - 1));
}

Label& Form1::label(int number)
{
    return this->*labelMembers.at(static_cast<std::size_t>(number - 1));
}

const Label& Form1::label(int number) const
{
    return this->*labelMembers.at(static_cast<std::size_t>(number - 1));
}

Timer& Form1::timer(int number)
{
    return this->*timerMembers.at(static_cast<std::size_t>(number - 1));
}

const Timer& Form1::timer(int number) const
{
    return this->*timerMembers.at(static_cast<std::size_t>(number - 1));
}

std::array<PictureBox*, 4> Form1::playerImages()
{
    return {&Picture1, &Picture2, &Picture3, &Picture4};
}

void Form1::Form_Load()
{
    module_.top = 50;
    module_.left = 50;
    Picture5.setTop(3150);
    Picture5.setLeft(4390);
    for (PictureBox* image : playerImages()) {
        image->setTop(module_.top);
        image->setLeft(module_.left);
    }
    showPlayerImage(&Picture1);
    points = 0;
}

void Form1::showPlayerImage(const PictureBox* shown)
{
    for (PictureBox* image : playerImages()) {
        image->Visible = image == shown;
    }
}

}  // namespace croquel
