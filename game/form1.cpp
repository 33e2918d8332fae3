#include "form1.h"

#include <stdexcept>
#include <utility>

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

PictureBox& Form1::picture(int number)
{
    return const_cast<PictureBox&>(std::as_const(*this).picture(number));
}

const PictureBox& Form1::picture(int number) const
{
    switch (number) {
    case 1: return Picture1;
    case 2: return Picture2;
    case 3: return Picture3;
    case 4: return Picture4;
    case 5: return Picture5;
    default: throw std::out_of_range("no Picture" + std::to_string(number));
    }
}

Label& Form1::label(int number)
{
    return const_cast<Label&>(std::as_const(*this).label(number));
}

const Label& Form1::label(int number) const
{
    switch (number) {
    case 1: return Label1;
    case 2: return Label2;
    default: throw std::out_of_range("no Label" + std::to_string(number));
    }
}

void Form1::Form_Load()
{
    module_.top = 50;
    module_.left = 50;
    Picture5.setTop(3150);
    Picture5.setLeft(4390);
    for (PictureBox* image : {&Picture1, &Picture2, &Picture3, &Picture4}) {
        image->setTop(module_.top);
        image->setLeft(module_.left);
        image->Visible = image == &Picture1;
    }
    points = 0;
}

void Form1::showPlayerImage(const PictureBox& shown)
{
    for (PictureBox* image : {&Picture1, &Picture2, &Picture3, &Picture4}) {
        image->Visible = image == &shown;
    }
}

}  // namespace croquel
