#pragma once

#include <QString>

#include <string_view>

class QRect;
class QWidget;

namespace croquel::ui {

// The game's texts are UTF-8 string views; Qt wants QString.
inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Twips to whole pixels, as every window places its children.
int toPixels(double twips);

// Places a top-level window, sized already and not yet shown, so that the
// whole window as a person sees it, frame included, is centred on an area
// of the desktop: its screen, or another window.
void centreOn(QWidget& window, const QRect& area);
void centreOnScreen(QWidget& window);

}  // namespace croquel::ui
