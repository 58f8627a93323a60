#pragma once

#include <QWidget>

#include <functional>

class QPainter;

namespace zefiranda {

// Paints a drawing into a rectangle of the given size, in logical pixels.
using Disegno = std::function<void(QPainter&, const QSizeF&)>;

// A picture area: a rectangle in its window's colour that shows one drawing,
// without frame, never taking the focus.
class AreaImmagine : public QWidget {
public:
    explicit AreaImmagine(QWidget* finestra);

    void setDisegno(Disegno disegno);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Disegno disegno_;
};

} // namespace zefiranda
