// The base of the unit's drawn elements: a widget under the element's own name that knows
// the window's scale (pixels per twip) and turns the left mouse button into the unit's
// pointer events. A press, a release, and a click when the release ends inside the element
// that took the press; a double click reports itself, and its closing release is not a
// click (press, release, click, double click, release). Moves are reported only when the
// element wants them. A hidden element gets no input at all.
#pragma once

#include <QFont>
#include <QWidget>
#include <functional>

#include "core/Action.h"
#include "core/ViewModel.h"

namespace loopsim {

class ElementWidget : public QWidget {
    Q_OBJECT

  public:
    using PointerHandler = std::function<void(Verb)>;

    ElementWidget(const char* name, QWidget* parent);

    void setPointerHandler(PointerHandler handler, bool wantsMoves);
    void setScale(double pixelsPerTwip);
    double scale() const { return scale_; }

    // Shows what the view model holds for this element beyond visibility and geometry.
    virtual void showElement(const ElementView& view);

  protected:
    // A font of the given size in twips at the present scale.
    QFont unitFont(int sizeTwips, bool bold) const;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void send(Verb verb);

    PointerHandler handler_;
    double scale_ = 1.0 / 15;
    bool pressed_ = false;
    bool releaseEndsDoubleClick_ = false;
};

// The face the handset displays are drawn in: a plain proportional sans-serif.
QFont displayFace();

}  // namespace loopsim
