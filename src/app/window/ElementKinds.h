// The kinds of drawn element, each an ElementWidget: pictures, the handset displays, filled
// shapes, the gauge's cover, readouts and the valves' state badges. Each draws what the
// view model last said of it, scaled to the window.
#pragma once

#include <QColor>
#include <QPixmap>
#include <optional>
#include <string>

#include "app/window/ElementWidget.h"
#include "handset/TwoLineDisplay.h"

namespace loopsim {

class PictureFiles;

// A picture file shown over the whole element: the view model's picture when it names
// one, otherwise the element's design picture. The regulator shows its large or its small
// picture by the size the view model gives it.
class PictureElement : public ElementWidget {
    Q_OBJECT

  public:
    PictureElement(const char* name, const PictureFiles& pictures, std::string designPicture,
                   QWidget* parent);
    void showElement(const ElementView& view) override;
    const std::string& pictureName() const { return pictureName_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void showPicture(const std::string& name);

    const PictureFiles& pictures_;
    std::string pictureName_;
    QPixmap pixmap_;
};

// A handset's two-line display: the screen text laid out by the display's own wrapping
// rule, drawn in the display face at 18 points over the display background.
class DisplayElement : public ElementWidget {
    Q_OBJECT

  public:
    static constexpr int kFontTwips = 360;  // 18 points

    DisplayElement(const char* name, QWidget* parent);
    void showElement(const ElementView& view) override;
    const TwoLines& lines() const { return lines_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TwoLines lines_;
};

// A filled rectangle with an optional border; its border width counts in pixels of a
// 96 dpi screen, so it scales like the rest.
class ShapeElement : public ElementWidget {
    Q_OBJECT

  public:
    ShapeElement(const char* name, QWidget* parent);
    void showElement(const ElementView& view) override;
    QColor fill() const { return fill_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    QColor fill_{200, 200, 200};
    std::optional<QColor> border_;
    int borderWidth_ = 0;
};

// The counterlung gauge's cover: the empty part of the gauge, over its top.
class CoverElement : public ShapeElement {
    Q_OBJECT

  public:
    CoverElement(const char* name, QWidget* parent);
};

// A caption in a box: the environment readouts, the loop PO2 and the cell millivolts.
class ReadoutElement : public ElementWidget {
    Q_OBJECT

  public:
    ReadoutElement(const char* name, QWidget* parent);
    void showElement(const ElementView& view) override;
    QString text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    QString text_;
};

// A valve's state badge: open in green, anything else in red.
class StateLabelElement : public ReadoutElement {
    Q_OBJECT

  public:
    using ReadoutElement::ReadoutElement;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace loopsim
