// The unit as one scalable panel: every element of the layout as a child widget under its
// element name, placed from its twips and scaled as a whole to the panel's size with its
// proportions kept (the spare room is shared equally on both sides). The panel paints the
// flat background the pictures are drawn on, the heading and the captions that belong to
// no element. What an element shows comes from the view model through showElement().
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/window/UnitLayout.h"
#include "core/Action.h"
#include "core/InputRouter.h"
#include "core/ViewModel.h"

namespace loopsim {

class PictureFiles;
class ValveStateBadge;

class UnitView : public QWidget {
    Q_OBJECT

  public:
    UnitView(const PictureFiles& pictures, QWidget* parent = nullptr);

    // The element's widget, or null for a name the unit does not draw.
    QWidget* element(std::string_view name) const;
    template <typename T>
    T* element(std::string_view name) const {
        return qobject_cast<T*>(element(name));
    }

    // Shows one element as the view model holds it: visibility, place and size, content.
    void showElement(const ElementView& view);

    // Sends the pointer events of every element the router knows, and the clicks of its
    // check boxes as check or uncheck, to act. Elements with a move handler also report
    // moves.
    void connectInput(const InputRouter& router, std::function<void(const Action&)> act);

    // Places a widget of the window's own on the panel, scaled like the unit.
    void place(QWidget* widget, TwipRect rect, int fontTwips);

    // Pixels per twip at the present size.
    double scale() const { return scale_; }
    // Where a rectangle of the layout is on the panel now.
    QRect toPixels(TwipRect rect) const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Placed {
        QWidget* widget;
        TwipRect rect;
        int fontTwips;
    };

    void build();
    void add(const ElementDesign& design);
    void relayout();
    void placeOne(const Placed& placed);

    const PictureFiles& pictures_;
    std::vector<Placed> placed_;
    std::map<std::string, std::size_t, std::less<>> byName_;
    // The lasting state under each valve's badge, by the badge's name.
    std::map<std::string, ValveStateBadge*, std::less<>> valveBadges_;
    double scale_ = 1.0 / 15;
    QPointF origin_;
};

}  // namespace loopsim
